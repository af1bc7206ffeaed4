#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/constants/gcc.h"
#include "core/model/process_state.h"
#include "core/model/project.h"
#include "core/text/number_format.h"
#include "tests/support/core/random_editor.h"
#include "tests/support/core/core_test.h"
#include "core/model/graph_invariants.h"
#include "tests/support/core/model_dump.h"

namespace {

std::string decimal(size_t value) { return MyStrF::_intToStringWithLength(static_cast<int>(value), 1); }

using testing_support::dump_difference;
using testing_support::dump_project;

class UndoFidelity : public testing_support::CoreTest {
protected:
    // One random sequence; "" when it held, else what went wrong and the edits that led there.
    std::string run_sequence(uint32_t seed, int edits);
};

std::string journal(uint32_t seed, const std::vector<std::string>& steps) {
    std::string text = "seed " + decimal(seed) + ":\n";
    for (const std::string& step : steps) text += "  " + step + "\n";
    return text;
}

// The first broken graph invariant, or "".
std::string broken_invariant(const Project& project) {
    const auto violations = graph_invariant_violations(project);
    return violations.empty() ? std::string() : "graph invariant broken: " + violations.front() + "\n";
}

std::string UndoFidelity::run_sequence(uint32_t seed, int edits) {
    reset_process_state();
    fake().messages.clear();
    auto* project = new Project("Random", "edits");
    history_testing::RandomEditor editor(seed);
    std::vector<std::string> steps;
    std::vector<std::string> dumps{dump_project(*project)};
    for (int i = 0; i < edits; ++i) {
        const size_t states_before = project->get_state_count();
        const std::string step = editor.edit(*project);
        if (step.empty()) continue;
        steps.push_back(step);
        if (std::string broken = broken_invariant(*project); !broken.empty()) return broken + journal(seed, steps);
        const std::string eager = dump_project(*project);
        if (project->get_state_count() == states_before && states_before < 20)
            return "an edit recorded no state\n" + journal(seed, steps);
        project->recompute_all();
        if (std::string d = dump_difference(eager, dump_project(*project)); !d.empty())
            return "eager updates differ from a full recomputation\n" + d + "\n" + journal(seed, steps);
        dumps.push_back(eager);
    }
    // The history holds the last twenty states.
    const size_t kept = std::min<size_t>(dumps.size(), project->get_state_count());
    for (size_t back = 1; back < kept; ++back) {
        project->goto_previous_state();
        if (std::string broken = broken_invariant(*project); !broken.empty()) return broken + journal(seed, steps);
        if (std::string d = dump_difference(dumps[dumps.size() - 1 - back], dump_project(*GCC::RP)); !d.empty())
            return "undo " + decimal(back) + "\n" + d + "\n" + journal(seed, steps);
    }
    for (size_t forward = kept - 1; forward-- > 0;) {
        project->goto_next_state();
        if (std::string broken = broken_invariant(*project); !broken.empty()) return broken + journal(seed, steps);
        if (std::string d = dump_difference(dumps[dumps.size() - 1 - forward], dump_project(*GCC::RP)); !d.empty())
            return "redo to " + decimal(forward) + " states before the last\n" + d + "\n" +
                   journal(seed, steps);
    }
    if (!fake().messages.empty()) return "a message box: " + fake().messages.front().text + "\n" + journal(seed, steps);
    return {};
}

// Random edit sequences: after every edit the graph invariants hold and the
// eager updates equal a full recomputation, and stepping back and forth through the history must give
// back exactly the project that each state recorded.
TEST_F(UndoFidelity, UndoAndRedoReproduceEveryRecordedState) {
    constexpr uint32_t sequences = 200;
    constexpr int edits_per_sequence = 40;
    std::vector<std::string> failures;
    for (uint32_t seed = 1; seed <= sequences; ++seed)
        if (std::string failure = run_sequence(seed, edits_per_sequence); !failure.empty())
            failures.push_back(std::move(failure));
    std::string summary;
    for (const std::string& failure : failures) summary += failure.substr(0, failure.find("\n  ")) + "\n";
    EXPECT_TRUE(failures.empty()) << failures.size() << " of " << sequences << " sequences failed:\n"
                                  << summary << "\nThe first in full:\n" << failures.front();
}

}  // namespace
