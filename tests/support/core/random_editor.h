#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

class Node;
class Project;

namespace history_testing {

// Random edits through the public model API, each followed by the snapshot
// the user interface records for it. Seeded, so a failing sequence repeats.
class RandomEditor {
public:
    // Objects beyond size_limit make deletions more likely.
    explicit RandomEditor(uint32_t seed, size_t size_limit = 150) : rng(seed), size_limit(size_limit) {}

    // Applies one edit to the current project and describes it; "" when the
    // chosen edit found nothing to work on.
    std::string edit(Project& project);

    // Quantified layers below a new story and its mandate: two top-level
    // requirements, then below every problem two options (some split into
    // two sub-options), mostly each arguing the requirement above with one
    // evidence and deriving a requirement that opens the next problem,
    // `depth` problems deep; the options of the last problems argue nothing. Every quantity has one type, so arguments, ranges and goals all
    // read the quantities that edit_data changes.
    void grow_layers(Project& project, int depth);
    // Like edit, restricted to edits of what other objects read: quantities,
    // verbs and capabilities (shared ones too), levels, validity, and the
    // deletions and derived requirements that change who shares and reads them.
    std::string edit_data(Project& project);
    // Like edit, with every command a user has on the objects, weighted so
    // that each comes up often: pastes of every pair of kinds that a paste
    // copies or fills, deletions at every level, allocations, AI answers and
    // mandate edits, besides the edits of edit and edit_data.
    std::string edit_any(Project& project);

private:
    size_t below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng); }
    bool coin() { return below(2) == 1; }
    const std::string& any_of(const std::vector<std::string>& words) { return words[below(words.size())]; }
    // The registered objects that pass the kind test, in registry order.
    std::vector<Node*> objects(Project& project, bool (*kind)(const Node*));
    template <typename Kind>
    Kind* pick(Project& project, bool (*kind)(const Node*)) {
        const auto found = objects(project, kind);
        return found.empty() ? nullptr : static_cast<Kind*>(found[below(found.size())]);
    }

    std::string add_story(Project& project);
    std::string add_mandate(Project& project);
    std::string add_requirement(Project& project);
    std::string add_design_problem(Project& project);
    std::string link_requirement(Project& project);
    std::string add_option(Project& project);
    std::string add_sub_option(Project& project);
    std::string add_argument(Project& project);
    std::string add_evidence(Project& project);
    std::string toggle_validates(Project& project);
    std::string change_quantity(Project& project);
    std::string change_subject(Project& project);
    std::string change_verb(Project& project);
    std::string add_comment(Project& project);
    std::string delete_object(Project& project);
    std::string add_custom_type(Project& project);
    std::string add_derived_requirement(Project& project);
    std::string link_existing_child(Project& project);
    std::string unlink_child(Project& project);
    std::string change_evidence_level(Project& project);
    std::string change_capability(Project& project);
    std::string change_to_functional(Project& project);
    std::string paste(Project& project);
    std::string add_custom_unit(Project& project);
    std::string paste_by_kind(Project& project);
    std::string delete_by_kind(Project& project);
    std::string allocate(Project& project);
    std::string answer_for_requirement(Project& project);
    std::string answer_for_problem(Project& project);
    std::string change_required_level(Project& project);
    std::string derive_from_stories(Project& project);

    std::mt19937 rng;
    size_t size_limit;
    int custom_types = 0;
    int custom_units = 0;
};

}  // namespace history_testing
