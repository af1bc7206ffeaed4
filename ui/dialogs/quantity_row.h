#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class Parameter;
class QWidget;

namespace toolkit {
class AppComboBox;
class AppTextBox;
}  // namespace toolkit

namespace dialogs {

// The quantity row of the input dialog: type, target, value and unit of a
// Parameter of its own (no owner, weight 100), side by side. The type and unit
// choices keep the table indexes behind their entries, so inactive units and
// repeated names never shift what a choice means.
class QuantityRow : public QObject {
    Q_OBJECT
public:
    // The four controls are placed on parent at (x, y) within width.
    QuantityRow(QWidget* parent, int x, int y, int width, uint32_t type, double value, uint16_t unit,
                uint16_t target);
    ~QuantityRow() override;

    const Parameter& parameter() const { return *parameter_; }

    toolkit::AppComboBox* type_choice() const { return type_; }
    toolkit::AppComboBox* target_choice() const { return target_; }
    toolkit::AppTextBox* value_field() const { return value_; }
    toolkit::AppComboBox* unit_choice() const { return unit_; }
    int height() const;

    // What the user does; the controls call them too.
    void choose_type(int entry);
    void choose_target(int entry);
    void choose_unit(int entry);
    // Enter in the value field: a number is taken over (true); anything else
    // is replaced by the current value.
    bool take_typed_value();
    // Before the dialog closes with OK: false (the current value is shown
    // again and focused) when the value field holds no number.
    bool accept_typed_value();

private:
    void fill_unit_choice();
    void show_value();
    void update_visibility();
    // Takes the typed value over when it reads as a number other than the one shown.
    void take_changed_value();

    std::unique_ptr<Parameter> parameter_;
    toolkit::AppComboBox* type_;
    toolkit::AppComboBox* target_;
    toolkit::AppTextBox* value_;
    toolkit::AppComboBox* unit_;
    std::vector<uint32_t> type_indexes_;
    std::vector<uint16_t> unit_indexes_;
    QString shown_value_;
};

}  // namespace dialogs
