#include "ui/boxes/delete_warning.h"

#include <charconv>

#include "core/model/argument.h"
#include "core/model/deletion_dry_run.h"
#include "core/model/option.h"

namespace boxes {
namespace {

// A message box should fit on the screen.
constexpr size_t listed_at_most = 30;

std::string decimal(size_t value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return std::string(digits, end);
}

}  // namespace

std::string delete_warning_text(const DeletionDryRun& run) {
    if (run.removed.empty() && run.moved.empty()) return {};
    std::string text;
    if (!run.removed.empty()) {
        text = "Deletion will also delete the following\nobjects and their children:\n\n";
        for (size_t i = 0; i < run.removed.size() && i < listed_at_most; ++i) {
            const auto& [node, depth] = run.removed[i];
            text += std::string(static_cast<size_t>(2 * (depth - 1)), ' ') + "- " + node->get_short_txt(0) + "\n";
        }
        if (run.removed.size() > listed_at_most)
            text += "and " + decimal(run.removed.size() - listed_at_most) + " more objects.\n";
    }
    if (!run.moved.empty()) {
        if (!text.empty()) text += "\n";
        text += "The following objects will be linked to the " + run.moved_to->get_subject() + " Option:\n\n";
        for (const Argument* a : run.moved) text += "- " + a->get_short_txt(0) + "\n";
    }
    return text;
}

}  // namespace boxes
