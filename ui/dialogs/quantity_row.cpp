#include "ui/dialogs/quantity_row.h"

#include "core/quantity/parameter.h"
#include "ui/glue/number_input.h"
#include "ui/glue/text_conversion.h"
#include "ui/toolkit/app_combo_box.h"
#include "ui/toolkit/app_text_box.h"

namespace dialogs {
namespace {

constexpr uint32_t functional_type = 0;
constexpr int gap = 5;

// Entries with the index behind each: the active rows of the table, and the
// parameter's own row even when it is no longer active.
template <class Index>
int entry_of(const std::vector<Index>& indexes, Index wanted) {
    for (size_t i = 0; i < indexes.size(); ++i)
        if (indexes[i] == wanted) return static_cast<int>(i);
    return -1;
}

}  // namespace

QuantityRow::QuantityRow(QWidget* parent, int x, int y, int width, uint32_t type, double value, uint16_t unit,
                         uint16_t target)
    : QObject(parent), parameter_(std::make_unique<Parameter>(nullptr, type, value, unit, target, 100)) {
    const int w = width - 15;
    const int type_width = static_cast<int>(0.4 * w);
    const int part_width = static_cast<int>(0.2 * w);

    std::vector<std::string> type_names;
    const std::vector<PossPar*> table = Parameter::get_poss_parameters();
    for (size_t i = 0; i < table.size(); ++i) {
        if (!table[i]->is_active() && i != parameter_->get_type_int()) continue;
        type_names.push_back(table[i]->name);
        type_indexes_.push_back(static_cast<uint32_t>(i));
    }
    type_ = new toolkit::AppComboBox(parent, x, y, type_width, type_names,
                                     entry_of(type_indexes_, parameter_->get_type_int()));
    int next_x = x + type_width + gap;
    target_ = new toolkit::AppComboBox(parent, next_x, y, part_width, Parameter::get_target_symbols(),
                                       parameter_->get_target_int());
    next_x += part_width + gap;
    value_ = new toolkit::AppTextBox(parent, std::string(), next_x, y, part_width);
    next_x += part_width + gap;
    unit_ = new toolkit::AppComboBox(parent, next_x, y, part_width, {}, -1);
    fill_unit_choice();
    show_value();
    update_visibility();

    connect(type_, &toolkit::AppComboBox::selectedIndexChanged, this, &QuantityRow::choose_type);
    connect(target_, &toolkit::AppComboBox::selectedIndexChanged, this, &QuantityRow::choose_target);
    connect(unit_, &toolkit::AppComboBox::selectedIndexChanged, this, &QuantityRow::choose_unit);
}

QuantityRow::~QuantityRow() = default;

int QuantityRow::height() const { return value_->height(); }

void QuantityRow::fill_unit_choice() {
    const PossPar* row = Parameter::get_poss_parameters().at(parameter_->get_type_int());
    std::vector<std::string> symbols;
    unit_indexes_.clear();
    for (size_t i = 0; i < row->unit_count(); ++i) {
        if (!row->unit_is_active[i] && i != parameter_->get_unit_int()) continue;
        symbols.push_back(row->unit_symbols[i]);
        unit_indexes_.push_back(static_cast<uint16_t>(i));
    }
    unit_->set_items(symbols, entry_of(unit_indexes_, parameter_->get_unit_int()));
}

void QuantityRow::show_value() {
    shown_value_ = glue::double_to_ui(parameter_->get_value());
    value_->set_text(shown_value_);
}

void QuantityRow::update_visibility() {
    const bool functional = parameter_->get_type_int() == functional_type;
    target_->setVisible(!functional);
    const bool with_value = !functional && !parameter_->is_min_max();
    value_->setVisible(with_value);
    unit_->setVisible(with_value);
}

void QuantityRow::choose_type(int entry) {
    if (entry < 0 || entry >= static_cast<int>(type_indexes_.size())) return;
    parameter_->set_type(type_indexes_[static_cast<size_t>(entry)], true);
    fill_unit_choice();
    show_value();
    update_visibility();
}

void QuantityRow::choose_target(int entry) {
    if (entry < 0) return;
    parameter_->set_target_type(static_cast<uint16_t>(entry), true);
    if (!parameter_->is_min_max()) fill_unit_choice();
    update_visibility();
}

void QuantityRow::take_changed_value() {
    const std::optional<double> typed = glue::parse_decimal(value_->text());
    if (typed && typed != glue::parse_decimal(shown_value_)) parameter_->set_value(*typed, true);
}

void QuantityRow::choose_unit(int entry) {
    if (entry < 0 || entry >= static_cast<int>(unit_indexes_.size())) return;
    take_changed_value();
    parameter_->set_unit(unit_indexes_[static_cast<size_t>(entry)]);
    show_value();
}

bool QuantityRow::take_typed_value() {
    const std::optional<double> typed = glue::parse_decimal(value_->text());
    if (!typed) {
        show_value();
        return false;
    }
    take_changed_value();
    shown_value_ = value_->text();
    return true;
}

bool QuantityRow::accept_typed_value() {
    if (!glue::parse_decimal(value_->text())) {
        show_value();
        value_->setFocus();
        return false;
    }
    take_changed_value();
    return true;
}

}  // namespace dialogs
