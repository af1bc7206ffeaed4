#pragma once

#include <QPoint>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/toolkit/app_form_base.h"

class Parameter;

namespace toolkit {
class AppButton;
class AppComboBox;
class AppLabel;
class AppTextBox;
}  // namespace toolkit

namespace dialogs {

class QuantityRow;

// The quantity a dialog edits in its row 2: type and unit indexes of the
// quantity-type table, the value in that unit and the target (0 "min" ... 6 "max").
struct QuantitySeed {
    uint32_t type = 0;
    double value = 0.0;
    uint16_t unit = 0;
    uint16_t target = 3;
};

// The one generic question dialog: a column of rows, each a prompt with a text
// field, a choice list, the prompt alone, or the quantity row. Rows are given
// as parallel lists of model texts; answers are read by row index after OK.
// Enter moves from field to field and finally presses OK; Esc cancels.
// Defaults are shown as they are: an unchanged field answers its default byte
// for byte. Prompts and defaults are wrapped to the dialog's width.
class InputDialog : public toolkit::AppFormBase {
    Q_OBJECT
public:
    static inline const std::string ONLY_LABEL = "<ONLY_LABEL>";

    enum class RowKind { None, Label, Choice, Quantity, Text };

    // One row per prompt. An empty prompt makes no row but keeps its index; a
    // default of ONLY_LABEL shows the prompt alone; a non-empty choice list
    // makes a choice row (the entry equal to the default is chosen, else the
    // first); with a quantity, row 2 is the quantity row; else a text row.
    InputDialog(const QPoint& pos, const std::string& title, const std::vector<std::string>& prompts,
                const std::vector<std::string>& defaults, const std::vector<std::vector<std::string>>& choices,
                std::optional<QuantitySeed> quantity = std::nullopt, QWidget* parent = nullptr);
    ~InputDialog() override;

    // The shorter forms.
    static std::unique_ptr<InputDialog> one_text_row(const QPoint& pos, const std::string& title,
                                                     const std::string& prompt, const std::string& preset);
    static std::unique_ptr<InputDialog> one_choice_row(const QPoint& pos, const std::string& title,
                                                       const std::string& prompt, const std::string& preset,
                                                       const std::vector<std::string>& choices);
    static std::unique_ptr<InputDialog> two_rows(const QPoint& pos, const std::string& title,
                                                 const std::string& prompt1, const std::string& preset1,
                                                 const std::vector<std::string>& choices1, const std::string& prompt2,
                                                 const std::string& preset2,
                                                 const std::vector<std::string>& choices2);
    // Rows 0 and 1 empty, row 2 the quantity row under the prompt.
    static std::unique_ptr<InputDialog> quantity_only(const QPoint& pos, const std::string& title,
                                                      const std::string& prompt, const QuantitySeed& quantity);

    RowKind row_kind(int row) const;

    // The row's answer: the quantity's short text, the field's text or the chosen entry.
    QString result_string(int row) const;
    // The same as model text; an unchanged field or a chosen entry byte for byte.
    std::string result_std_string(int row) const;
    // The answer as a whole number or a number; when it is none, the value of the row's default text.
    int result_int(int row) const;
    double result_double(int row) const;
    // The chosen entry of a choice row; -1 for other rows.
    int result_combo_index(int row) const;
    // The quantity of the quantity row, or null.
    const Parameter* par() const;

    // Marks a text row as holding a whole number or a number: OK then refuses
    // a text that is none, says so in the field and focuses it.
    void set_to_int_val(int row);
    void set_to_double_val(int row);

    int box_width() const { return box_width_; }
    toolkit::AppTextBox* text_box(int row) const;
    toolkit::AppComboBox* combo_box(int row) const;
    toolkit::AppLabel* prompt_label(int row) const;
    QuantityRow* quantity_row() const { return quantity_row_; }
    toolkit::AppButton* ok_button() const { return ok_; }
    toolkit::AppButton* cancel_button() const { return cancel_; }

    // OK with its checks (the dialog stays open when one fails); Cancel.
    void press_ok();
    void press_cancel();

private:
    struct Row {
        RowKind kind = RowKind::None;
        std::string default_text;
        std::vector<std::string> choices;
        toolkit::AppLabel* label = nullptr;
        toolkit::AppTextBox* text = nullptr;
        toolkit::AppComboBox* combo = nullptr;
        int default_int = 0;
        double default_double = 0.0;
        bool expects_int = false;
        bool expects_double = false;
    };

    void populate(int index, const QString& prompt, int& z);
    void connect_keys();
    void on_text_enter(int row);
    // The text field of the first text row from row `from` on, or null.
    toolkit::AppTextBox* first_text_field_from(int from) const;
    bool check_marked_rows();
    const Row* row_at(int row) const;

    std::vector<Row> rows_;
    std::optional<QuantitySeed> quantity_seed_;
    QuantityRow* quantity_row_ = nullptr;
    toolkit::AppButton* ok_ = nullptr;
    toolkit::AppButton* cancel_ = nullptr;
    int box_width_ = 0;
};

}  // namespace dialogs
