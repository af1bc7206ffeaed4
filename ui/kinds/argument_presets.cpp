#include "ui/kinds/argument_presets.h"

#include "core/model/argument.h"
#include "core/model/requirement.h"
#include "core/quantity/parameter.h"
#include "core/text/sentences.h"
#include "ui/theme/captions.h"

namespace kinds {

DerivedPreset derived_preset(const Argument& argument) {
    DerivedPreset preset;
    unsigned functional = 0;
    preset.type_name = MyStrF::_get_functional_txt(functional);
    preset.quantity = {functional, 0.0, 0, 3};
    const Requirement* requirement = argument.get_parent_requirement();
    if (!requirement) {
        preset.verb = std::string(gcm::box::default_verb);
        preset.capability = std::string(gcm::box::default_cap);
        return preset;
    }
    const std::string& verb = requirement->get_verb_cap()->get_verb();
    preset.verb = argument.get_validates() ? verb : MyStrF::_to_denial_verb(verb);
    preset.capability = requirement->get_verb_cap()->get_capability();
    const Parameter& par = requirement->get_par();
    if (par.get_type_int() != 0) {
        preset.type_name = par.get_type();
        preset.quantity = {par.get_type_int(), par.get_value(), par.get_unit_int(), par.get_target_int()};
    }
    return preset;
}

std::string subject_with_article(const Argument& argument) {
    return MyStrF::_addArticle(argument.get_subject(), false);
}

}  // namespace kinds
