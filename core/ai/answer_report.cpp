#include "core/ai/answer_report.h"

#include "core/platform/platform.h"

namespace MyAI {

std::string AnswerReport::problem_lines() const {
    std::string lines;
    for (const std::string& problem : problems) lines += "\n- " + problem;
    return lines;
}

void AnswerReport::show_nothing_added(const std::string& reason) const {
    platform::services().show_message(platform::MessageKind::Information, "Information",
                                      "Nothing was added from the AI answer: " + reason + problem_lines());
}

void AnswerReport::show_if_any() const {
    if (problems.empty()) return;
    platform::services().show_message(platform::MessageKind::Warning, "Warning",
                                      "Parts of the AI answer could not be used as they stood:" + problem_lines());
}

std::string record_label(const std::string& kind, const std::string& verb, const std::string& capability) {
    std::string words = verb;
    if (!verb.empty() && !capability.empty()) words += " ";
    return kind + " '" + words + capability + "'";
}

}  // namespace MyAI
