#include "core/constants/ai_prompt_texts.h"

namespace GCC {

std::uint16_t get_ai_parameter_int(const std::string& phrase) {
    for (std::uint16_t type = 0; type < ai_target_phrases.size(); ++type)
        if (ai_target_phrases[type] == phrase) return type;
    return 3;
}

}  // namespace GCC
