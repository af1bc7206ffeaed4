#include "ui/dialogs/input_dialog.h"

#include <algorithm>

#include "core/quantity/parameter.h"
#include "ui/dialogs/quantity_row.h"
#include "ui/glue/number_input.h"
#include "ui/glue/safe_get.h"
#include "ui/glue/screen_placement.h"
#include "ui/glue/text_conversion.h"
#include "ui/glue/text_measure.h"
#include "ui/theme/fonts.h"
#include "ui/theme/scheme.h"
#include "ui/toolkit/app_button.h"
#include "ui/toolkit/app_combo_box.h"
#include "ui/toolkit/app_label.h"
#include "ui/toolkit/app_text_box.h"

namespace dialogs {
namespace {

constexpr int margin = 10;
constexpr int min_box_width = 350;
constexpr int quantity_row_index = 2;
constexpr int edge_margin = 50;

}  // namespace

InputDialog::InputDialog(const QPoint& pos, const std::string& title, const std::vector<std::string>& prompts,
                         const std::vector<std::string>& defaults,
                         const std::vector<std::vector<std::string>>& choices, std::optional<QuantitySeed> quantity,
                         QWidget* parent)
    : AppFormBase(glue::to_ui(title), parent), quantity_seed_(quantity) {
    setModal(true);
    const QFont& font = gcm::app_font();
    const int max_width = glue::screen_size(0.5, 1.0).width();

    rows_.resize(prompts.size());
    QStringList shown_prompts;
    int widest = 0;
    for (size_t i = 0; i < prompts.size(); ++i) {
        Row& row = rows_[i];
        const auto index = static_cast<std::ptrdiff_t>(i);
        row.default_text = glue::item_or(defaults, index, std::string());
        row.choices = glue::item_or(choices, index, std::vector<std::string>());
        const QString shown_default = glue::to_ui(row.default_text);
        row.default_int = glue::parse_whole(shown_default).value_or(0);
        row.default_double = glue::parse_decimal(shown_default).value_or(0.0);

        QString prompt = glue::to_ui(prompts[i]);
        widest = std::max(widest, glue::text_width(prompt, font, max_width));
        shown_prompts.append(prompt);
        widest = std::max(widest, glue::widest_text_width({shown_default}, font));
        widest = std::max(widest, glue::widest_text_width(glue::to_ui(row.choices), font));

        if (prompts[i].empty())
            row.kind = RowKind::None;
        else if (row.default_text == ONLY_LABEL)
            row.kind = RowKind::Label;
        else if (!row.choices.empty())
            row.kind = RowKind::Choice;
        else if (quantity && i == quantity_row_index)
            row.kind = RowKind::Quantity;
        else
            row.kind = RowKind::Text;
    }
    box_width_ = std::min(std::max(widest, min_box_width), max_width);

    int z = title_bar_height() + margin;
    for (size_t i = 0; i < rows_.size(); ++i) populate(static_cast<int>(i), shown_prompts[i], z);

    ok_ = new toolkit::AppButton(this, QStringLiteral("OK"), margin, z, 0, 0);
    cancel_ = new toolkit::AppButton(this, QStringLiteral("Cancel"), ok_->geometry().right() + 1 + margin, z, 0, 0);
    connect(ok_, &QPushButton::clicked, this, &InputDialog::press_ok);
    connect(cancel_, &QPushButton::clicked, this, &InputDialog::press_cancel);
    connect_keys();

    resize(box_width_ + 40, ok_->geometry().bottom() + 1 + 20);
    glue::place_near_edges(*this, pos, edge_margin);
}

InputDialog::~InputDialog() = default;

void InputDialog::populate(int index, const QString& prompt, int& z) {
    Row& row = rows_[static_cast<size_t>(index)];
    if (row.kind == RowKind::None) return;
    row.label = new toolkit::AppLabel(this, prompt, margin, z, gcm::scheme().panel_text_color);
    z += row.label->height() + margin;
    switch (row.kind) {
    case RowKind::Label:
        z += margin;
        break;
    case RowKind::Choice: {
        const auto found = std::find(row.choices.begin(), row.choices.end(), row.default_text);
        const int chosen = found == row.choices.end() ? 0 : static_cast<int>(found - row.choices.begin());
        row.combo = new toolkit::AppComboBox(this, margin, z, box_width_, row.choices, chosen);
        z += row.combo->height() + margin;
        break;
    }
    case RowKind::Quantity: {
        const QuantitySeed& seed = *quantity_seed_;
        quantity_row_ = new QuantityRow(this, margin, z, box_width_, seed.type, seed.value, seed.unit, seed.target);
        z += quantity_row_->height() + margin;
        break;
    }
    case RowKind::Text:
        row.text = new toolkit::AppTextBox(this, row.default_text, margin, z, box_width_);
        // A long default shows wrapped at the field's width, up to half the screen's height.
        row.text->grow_to_show_text(glue::screen_size(1.0, 0.5).height());
        z += row.text->height() + margin;
        break;
    case RowKind::None: break;
    }
}

void InputDialog::connect_keys() {
    QWidget* first_field = nullptr;
    for (size_t i = 0; i < rows_.size(); ++i) {
        const int index = static_cast<int>(i);
        Row& row = rows_[i];
        if (row.text) {
            connect(row.text, &toolkit::AppTextBox::enterPressed, this, [this, index] { on_text_enter(index); });
            connect(row.text, &toolkit::AppTextBox::escapePressed, this, &InputDialog::press_cancel);
            if (!first_field) first_field = row.text;
        }
        if (row.combo) {
            // A choice is confirmed by Enter like a text field.
            connect(row.combo, &toolkit::AppComboBox::keyPassed, this, [this](int key, Qt::KeyboardModifiers) {
                if (key == Qt::Key_Return || key == Qt::Key_Enter) press_ok();
                if (key == Qt::Key_Escape) press_cancel();
            });
            if (!first_field) first_field = row.combo;
        }
        if (row.kind == RowKind::Quantity && !first_field) first_field = quantity_row_->type_choice();
    }
    if (quantity_row_) {
        QuantityRow* q = quantity_row_;
        const auto on_key = [this](int key, auto on_enter) {
            if (key == Qt::Key_Escape) press_cancel();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) on_enter();
        };
        connect(q->type_choice(), &toolkit::AppComboBox::keyPassed, this, [this, q, on_key](int key) {
            on_key(key, [this, q] {
                if (!q->target_choice()->isHidden())
                    q->target_choice()->setFocus();
                else if (auto* next = row_kind(3) == RowKind::Text ? text_box(3) : nullptr)
                    next->setFocus();
                else
                    ok_->setFocus();
            });
        });
        connect(q->target_choice(), &toolkit::AppComboBox::keyPassed, this, [this, q, on_key](int key) {
            on_key(key, [this, q] {
                if (!q->value_field()->isHidden())
                    q->value_field()->setFocus();
                else if (!q->unit_choice()->isHidden())
                    q->unit_choice()->setFocus();
                else if (auto* next = row_kind(3) == RowKind::Text ? text_box(3) : nullptr)
                    next->setFocus();
                else
                    press_ok();
            });
        });
        connect(q->value_field(), &toolkit::AppTextBox::enterPressed, this, [q] {
            if (q->take_typed_value()) q->unit_choice()->setFocus();
        });
        connect(q->value_field(), &toolkit::AppTextBox::escapePressed, this, &InputDialog::press_cancel);
        connect(q->unit_choice(), &toolkit::AppComboBox::keyPassed, this, [this, on_key](int key) {
            on_key(key, [this] {
                if (auto* next = first_text_field_from(3))
                    next->setFocus();
                else
                    press_ok();
            });
        });
    }
    if (first_field) first_field->setFocus();
}

void InputDialog::on_text_enter(int row) {
    if (quantity_row_ && row == 1) {
        quantity_row_->type_choice()->setFocus();
        return;
    }
    if (auto* next = first_text_field_from(row + 1))
        next->setFocus();
    else
        press_ok();
}

toolkit::AppTextBox* InputDialog::first_text_field_from(int from) const {
    for (size_t i = static_cast<size_t>(std::max(0, from)); i < rows_.size(); ++i)
        if (rows_[i].text) return rows_[i].text;
    return nullptr;
}

void InputDialog::press_ok() {
    if (quantity_row_ && !quantity_row_->accept_typed_value()) return;
    if (!check_marked_rows()) return;
    accept();
}

void InputDialog::press_cancel() { reject(); }

bool InputDialog::check_marked_rows() {
    for (Row& row : rows_) {
        if (!row.text) continue;
        const QString text = row.text->text();
        const char* complaint = nullptr;
        if (row.expects_int && !glue::parse_whole(text))
            complaint = "Input must be an Integer";
        else if (row.expects_double && !glue::parse_decimal(text))
            complaint = "Input must be a number";
        if (!complaint) continue;
        row.text->set_text(QString::fromLatin1(complaint));
        row.text->setFocus();
        return false;
    }
    return true;
}

void InputDialog::set_to_int_val(int row) {
    if (row >= 0 && row < static_cast<int>(rows_.size())) rows_[static_cast<size_t>(row)].expects_int = true;
}

void InputDialog::set_to_double_val(int row) {
    if (row >= 0 && row < static_cast<int>(rows_.size())) rows_[static_cast<size_t>(row)].expects_double = true;
}

const InputDialog::Row* InputDialog::row_at(int row) const {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return nullptr;
    return &rows_[static_cast<size_t>(row)];
}

InputDialog::RowKind InputDialog::row_kind(int row) const {
    const Row* r = row_at(row);
    return r ? r->kind : RowKind::None;
}

toolkit::AppTextBox* InputDialog::text_box(int row) const {
    const Row* r = row_at(row);
    return r ? r->text : nullptr;
}

toolkit::AppComboBox* InputDialog::combo_box(int row) const {
    const Row* r = row_at(row);
    return r ? r->combo : nullptr;
}

toolkit::AppLabel* InputDialog::prompt_label(int row) const {
    const Row* r = row_at(row);
    return r ? r->label : nullptr;
}

QString InputDialog::result_string(int row) const {
    const Row* r = row_at(row);
    if (!r) return {};
    if (r->kind == RowKind::Quantity) return glue::to_ui(quantity_row_->parameter().get_txt_short());
    if (r->text) return r->text->text();
    if (r->combo) return r->combo->currentText();
    return {};
}

std::string InputDialog::result_std_string(int row) const {
    const Row* r = row_at(row);
    if (!r) return {};
    if (r->kind == RowKind::Quantity) return quantity_row_->parameter().get_txt_short();
    if (r->text) return r->text->model_text();
    if (r->combo) return r->combo->selected_model_text();
    return {};
}

int InputDialog::result_int(int row) const {
    const Row* r = row_at(row);
    if (!r) return 0;
    return glue::parse_whole(result_string(row)).value_or(r->default_int);
}

double InputDialog::result_double(int row) const {
    const Row* r = row_at(row);
    if (!r) return 0.0;
    return glue::parse_decimal(result_string(row)).value_or(r->default_double);
}

int InputDialog::result_combo_index(int row) const {
    const Row* r = row_at(row);
    return r && r->combo ? r->combo->currentIndex() : -1;
}

const Parameter* InputDialog::par() const { return quantity_row_ ? &quantity_row_->parameter() : nullptr; }

std::unique_ptr<InputDialog> InputDialog::one_text_row(const QPoint& pos, const std::string& title,
                                                       const std::string& prompt, const std::string& preset) {
    return std::make_unique<InputDialog>(pos, title, std::vector<std::string>{prompt, ""},
                                         std::vector<std::string>{preset, ""},
                                         std::vector<std::vector<std::string>>{{}, {}});
}

std::unique_ptr<InputDialog> InputDialog::one_choice_row(const QPoint& pos, const std::string& title,
                                                         const std::string& prompt, const std::string& preset,
                                                         const std::vector<std::string>& choices) {
    return std::make_unique<InputDialog>(pos, title, std::vector<std::string>{prompt, ""},
                                         std::vector<std::string>{preset, ""},
                                         std::vector<std::vector<std::string>>{choices, {}});
}

std::unique_ptr<InputDialog> InputDialog::two_rows(const QPoint& pos, const std::string& title,
                                                   const std::string& prompt1, const std::string& preset1,
                                                   const std::vector<std::string>& choices1,
                                                   const std::string& prompt2, const std::string& preset2,
                                                   const std::vector<std::string>& choices2) {
    return std::make_unique<InputDialog>(pos, title, std::vector<std::string>{prompt1, prompt2},
                                         std::vector<std::string>{preset1, preset2},
                                         std::vector<std::vector<std::string>>{choices1, choices2});
}

std::unique_ptr<InputDialog> InputDialog::quantity_only(const QPoint& pos, const std::string& title,
                                                        const std::string& prompt, const QuantitySeed& quantity) {
    return std::make_unique<InputDialog>(pos, title, std::vector<std::string>{"", "", prompt},
                                         std::vector<std::string>{"", "", ""},
                                         std::vector<std::vector<std::string>>{{}, {}, {}}, quantity);
}

}  // namespace dialogs
