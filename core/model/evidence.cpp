#include "core/model/evidence.h"

#include "core/constants/gcc.h"
#include "core/model/requirement.h"
#include "core/queries/node_filters.h"
#include "core/text/number_format.h"
#include "core/text/sentences.h"
#include "core/text/text_utils.h"

void Evidence::finish_construction(int32_t level, const std::string& tooltip_text) {
    if (!tooltip_text.empty()) tooltip = tooltip_text;
    set_uid("");
    rlevel.set_levels(level);
}

Evidence::Evidence(Node* parent, const std::string& tooltip_text) : Evidence(parent, 0, nullptr, tooltip_text) {}

Evidence::Evidence(Node* parent, int32_t level, const std::string& tooltip_text)
    : Evidence(parent, level, nullptr, tooltip_text) {}

Evidence::Evidence(Node* parent, int32_t level, Requirement* source, const std::string& tooltip_text)
    : VerbCapParamBase(parent) {
    new_verb_cap("", "");
    par.assign(0, 0.0, 0, 0, 100);
    populate_from_obj(source);
    finish_construction(level, tooltip_text);
}

Evidence::Evidence(Node* parent, int32_t level, const std::string& verb, const std::string& capability,
                   const std::string& type_name, double value, const std::string& unit_symbol, uint16_t target,
                   const std::string& tooltip_text)
    : VerbCapParamBase(parent) {
    new_verb_cap(verb, capability);
    par.assign(type_name, value, unit_symbol, target, 100);
    finish_construction(level, tooltip_text);
}

Evidence::Evidence(Node* parent, int32_t level, const std::string& verb, const std::string& capability, uint32_t type,
                   double value, uint16_t unit, uint16_t target, const std::string& tooltip_text)
    : VerbCapParamBase(parent) {
    new_verb_cap(verb, capability);
    par.assign(type, value, unit, target, 100);
    finish_construction(level, tooltip_text);
}

Evidence::~Evidence() = default;

std::string Evidence::get_nd_name() const { return GCC::evd_nd_name; }

std::vector<Argument*> Evidence::get_parent_arguments() const { return MyFF::filter_arguments(parents); }

std::string Evidence::get_txt() const {
    const uint16_t level = rlevel.get_min_level(false);
    std::string text;
    if (level > 0) text = rlevel.get_min_level_txt_ptr() + " that ";
    text += MyStrF::_addArticle(get_subject(), level == 0) + " ";
    const std::string type_phrase = MyStrF::_addArticle(par.get_type(), false) + " " + par.get_target_txt();
    const VerbCapability& vc = *get_verb_cap();
    if (!vc.empty()) {
        if (!vc.get_verb().empty()) text += MyStrF::_to_third_person_singular(vc.get_verb());
        if (!vc.get_capability().empty()) text += " " + vc.get_capability();
        if (!is_functional()) text += " with " + type_phrase;
    } else {
        text += par.get_type() + " is " + par.get_target_txt();
    }
    if (!is_functional() && !par.is_min_max()) text += " " + MyStrF::_double_to_string(par);
    return text + ".";
}

std::string Evidence::get_str(bool lower) const {
    std::string text = VerbCapParamBase::get_str(false);
    return lower ? MyStrF::_toLowerCase(text) : text;
}
