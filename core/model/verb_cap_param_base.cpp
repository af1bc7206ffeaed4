#include "core/model/verb_cap_param_base.h"

#include "core/text/number_format.h"
#include "core/text/sentences.h"
#include "core/text/text_utils.h"

VerbCapParamBase::VerbCapParamBase(Node* parent) : VerbCapBase(parent) {}

VerbCapParamBase::~VerbCapParamBase() = default;

void VerbCapParamBase::populate_from_obj(VerbCapParamBase* source) {
    if (!source) return;
    get_verb_cap()->set_verb(source->get_verb_cap()->get_verb());
    get_verb_cap()->set_capability(source->get_verb_cap()->get_capability());
    par.set_type(source->par.get_type_int(), false);
    par.set_target_type(source->par.get_target_int(), false);
    par.set_unit(source->par.get_unit_int());
    par.set_base_value(source->par.get_base_value());
}

bool VerbCapParamBase::is_functional() const { return par.get_type_int() == 0; }

bool VerbCapParamBase::is_goal() const { return par.get_type_int() != 0 && par.is_min_max(); }

bool VerbCapParamBase::is_range() const {
    const uint16_t t = par.get_target_int();
    return par.get_type_int() != 0 && (t == 1 || t == 2 || t == 4 || t == 5);
}

std::string VerbCapParamBase::get_short_txt(size_t max_len, bool with_subject) const {
    std::string text = with_subject ? MyStrF::_capitalFirstLetter(get_subject()) : std::string();
    const bool quantity_only = get_verb_cap()->empty();
    if (with_subject) text += " ";
    if (!quantity_only) {
        if (!get_verb_cap()->get_verb().empty()) text += get_verb_cap()->get_verb();
        if (!get_verb_cap()->get_capability().empty()) text += " " + get_verb_cap()->get_capability();
        if (is_functional()) return MyStrF::_toMaxLengthWithPoints(text, max_len);
        text += " ";
    }
    if (is_goal())
        text += par.get_target_symbol() + " " + par.get_type() + " (" + std::to_string(par.get_goal_weight()) + ")";
    else
        text += par.get_type() + " " + par.get_target_symbol() + " " + MyStrF::_double_to_string(par);
    return MyStrF::_toMaxLengthWithPoints(text, max_len);
}

std::string VerbCapParamBase::get_str(bool lower) const {
    std::string text = VerbCapBase::get_str(false) + " ";
    if (!is_functional()) {
        text += " " + par.get_target_txt() + " " + par.get_unit_symbol() + " ";
        if (is_goal())
            text += par.get_target_symbol() + " " + par.get_type() + " (" + std::to_string(par.get_goal_weight()) +
                    ") " + std::to_string(par.get_goal_weight());
        else
            text += par.get_type() + " " + par.get_target_symbol() + " " + MyStrF::_double_to_string(par);
    }
    return lower ? MyStrF::_toLowerCase(text) : text;
}
