#include "core/ai/ai_prompts.h"

#include "core/constants/ai_prompt_texts.h"
#include "core/model/design_problem.h"
#include "core/model/requirement.h"
#include "core/quantity/parameter.h"

namespace GCC {

std::string compose_dpr_ai_prompt(const DesignProblem& design_problem) {
    return design_problem.get_txt() + "\n" + dpr_AI_prompt_addition;
}

std::string compose_req_ai_prompt(const Requirement& requirement) {
    return val_AI_prompt_prefix + requirement.get_txt() + val_AI_prompt_addition1 + get_ai_par_types_and_units() +
           val_AI_prompt_addition2;
}

}  // namespace GCC
