#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/evidence.h"
#include "core/model/graph_builder.h"
#include "core/model/mandate.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "core/quantity/parameter.h"
#include "core/text/number_format.h"
#include "core/text/sentences.h"

namespace bench_support {

// Builds a realistic project of about `objects` objects in one pass through
// GraphBuilder, the way the file reader and undo rebuild a graph: building the
// same project through the model operations records an undo snapshot per
// operation, which makes 100k objects take minutes.
//
// Shape: three user stories with one mandate and twelve top-level
// requirements (functional, a time range, a price goal, a mass range), each
// opening a design problem. Every design problem gets three options; every
// third option is split into two sub-options, and options that need one carry
// an integration requirement. Every leaf option argues the problem's
// requirement (one argument in eleven invalidates) with one piece of evidence
// and two derived requirements, a functional one and a quantified one (mass,
// a length in the custom unit "mi", or the custom type "throughput"). Every
// derived and integration requirement opens the next design problem, breadth
// first, until the open problems would use up the size; the problems still
// open then get options with evidence only, so that every problem is answered
// and the project is valid up to its mandate. Every fifth object has a
// comment, every fourth a tooltip, every ninth a web reference and every
// thirteenth a CAD file reference.
class BulkProjectMaker {
public:
    // stamp: the date-and-time part of every uid; two projects made with
    // different stamps share no uid.
    BulkProjectMaker(Project& p, size_t objects, std::string stamp = "2024_03_07_14_05_09")
        : project(p), target(objects), stamp(std::move(stamp)), builder(p) {}

    // Returns the problems the graph builder met ("" for a sound project).
    std::string make() {
        add_quantity_types();
        builder.set_subject(&project, "gate", Sharing::Own);
        project.set_name("Generated gate");
        project.set_description("A generated project for the benchmarks");

        std::vector<UserStory*> stories;
        const char* verbs[] = {"open", "close", "report"};
        const char* capabilities[] = {"for arriving vehicles", "behind every vehicle", "its state to the control room"};
        for (int s = 0; s < 3; ++s) {
            auto* story = new UserStory(nullptr, verbs[s], capabilities[s], "", "As an operator I need this", false);
            adopt(story, "USY", {&project}, Sharing::WithSource);
            builder.set_verb_capability(story, verbs[s], capabilities[s], 0);
            stories.push_back(story);
        }
        auto* mandate = new Mandate(nullptr, "Pilot installation", 3, false);
        adopt(mandate, "MAN", {stories[0], stories[1], stories[2]}, Sharing::WithSource);

        for (int s = 0; s < 3; ++s)
            for (int r = 0; r < 4; ++r) {
                auto* requirement = new Requirement(nullptr, "", "");
                adopt(requirement, "REQ", {mandate, stories[s]}, Sharing::WithSource);
                builder.set_verb_capability(requirement, verbs[s], capabilities[s], 0);
                set_top_level_quantity(requirement, r);
                open_problem(requirement, true);
            }

        // Every open problem is answered: an unanswered one would leave the
        // whole chain above it invalid. Once the open problems would use up
        // the rest of the objects, the options below them open no new ones.
        while (!open.empty()) {
            const auto [problem, reason, top] = open.front();
            open.pop_front();
            for (int k = 0; k < 3; ++k) {
                const bool expand = made + (open.size() + 1) * objects_per_final_problem < target;
                add_option(problem, reason, top, expand);
            }
        }
        return builder.finish();
    }

private:
    using Sharing = GraphBuilder::SubjectSharing;
    struct OpenProblem {
        DesignProblem* problem;
        Requirement* reason;
        bool top;
    };

    // Three options, each with an argument and one piece of evidence.
    static constexpr size_t objects_per_final_problem = 9;
    static constexpr uint32_t length_type = 2;
    static constexpr uint32_t time_type = 4;
    static constexpr uint32_t mass_type = 5;
    static constexpr uint32_t price_type = 6;
    static constexpr uint16_t at_most = 2;
    static constexpr uint16_t at_least = 4;
    static constexpr uint16_t as_small_as_possible = 0;

    void add_quantity_types() {
        Parameter::add_cust_poss_parameter(
            "throughput", {"items/h", "items/min"}, {1.0, 60.0}, {0.0, 0.0}, {true, true},
            {"as few as possible", "fewer than", "at most", "equal to", "at least", "more than", "as many as possible"});
        throughput_type = static_cast<uint32_t>(Parameter::_possible_par_types.size() - 1);
        Parameter::add_cust_unit(length_type, "mi", 1609.344, 0.0, true);
        mile_unit = static_cast<uint16_t>(Parameter::_possible_par_types[length_type].unit_count() - 1);
    }

    std::string next_uid(const char* kind) {
        return std::string(kind) + "_" + stamp + "_" + MyStrF::_intToStringWithLength(static_cast<int>(++counter), 8);
    }

    // Registers the object under a uid of the saved form, links it below its
    // parents and gives it its comments, tooltip and references.
    void adopt(Node* node, const char* kind, const NodeList& parents, Sharing sharing, const std::string& subject = "") {
        builder.adopt(node, next_uid(kind));
        std::vector<std::string> parent_uids;
        for (const Node* p : parents) parent_uids.push_back(p->get_uid());
        builder.set_links(node, std::move(parent_uids), {});
        builder.set_subject(node, subject, sharing);
        ++made;
        const std::string number = MyStrF::_intToStringWithLength(static_cast<int>(counter), 1);
        if (counter % 5 == 0) node->add_comment("Ann Example", "Checked against supplier sheet " + number + ".");
        if (counter % 4 == 0) node->set_tooltip_txt("Reviewed in design meeting " + number);
        if (counter % 9 == 0) {
            const std::string page = MyStrF::_intToStringWithLength(static_cast<int>(counter % 40), 1);
            node->add_reference_to_node("Datasheet " + page, "Supplier datasheet",
                                        "https://example.org/datasheets/" + page, "Web Page");
        }
        if (counter % 13 == 0) {
            const std::string part = MyStrF::_intToStringWithLength(static_cast<int>(counter % 25), 1);
            node->add_reference_to_node("Part " + part, "Assembly model", "/srv/designs/part" + part + ".step",
                                        "3D CAD");
        }
    }

    void set_top_level_quantity(Requirement* requirement, int kind) {
        Parameter& par = requirement->get_par();
        if (kind == 1) par.assign(time_type, 20.0, 0, at_most, 100);
        if (kind == 2) par.assign(price_type, 0.0, 0, as_small_as_possible, 60);
        if (kind == 3) par.assign(mass_type, 2000.0, 0, at_most, 100);
    }

    void open_problem(Requirement* reason, bool top) {
        auto* problem = new DesignProblem(nullptr);
        adopt(problem, "DPR", {reason}, Sharing::WithSource);
        open.push_back({problem, reason, top});
    }

    Requirement* add_integration_requirement(Option* option, const std::string& integrated_into) {
        auto* requirement = new Requirement(nullptr, "", "");
        adopt(requirement, "REQ", {option}, Sharing::WithSource);
        builder.set_verb_capability(requirement, "be", MyStrF::_integration_req_cap(integrated_into), 0);
        return requirement;
    }

    void add_option(DesignProblem* problem, Requirement* reason, bool top, bool expand) {
        const std::string id = MyStrF::_intToStringWithLength(static_cast<int>(++options), 1);
        const std::string subject = "part " + id;
        auto* option = new Option(nullptr, subject);
        adopt(option, "OPT", {problem}, Sharing::Own, subject);
        std::vector<Requirement*> to_design;
        // Options of the top-level problems are integrated into the gate.
        if (top) to_design.push_back(add_integration_requirement(option, "gate"));
        if (expand && options % 3 == 0) {
            for (const char* half : {"a", "b"}) {
                const std::string piece = "piece " + id + half;
                auto* sub = new Option(nullptr, piece);
                adopt(sub, "OPT", {option}, Sharing::Own, piece);
                to_design.push_back(add_integration_requirement(sub, subject));
                add_argument(sub, reason, expand, to_design);
            }
        } else {
            add_argument(option, reason, expand, to_design);
        }
        for (Requirement* r : to_design) open_problem(r, false);
    }

    void add_argument(Option* option, Requirement* reason, bool expand, std::vector<Requirement*>& to_design) {
        auto* argument = new Argument(nullptr, nullptr, true);
        adopt(argument, "ARG", {option, reason}, Sharing::WithSource);
        argument->set_validates(counter % 11 != 0);

        auto* evidence = new Evidence(nullptr, "");
        adopt(evidence, "EVD", {argument}, Sharing::WithSource);
        builder.set_verb_capability(evidence, "meets", "the load tests", 0);
        set_offered_quantity(evidence->get_par(), reason->get_par());
        evidence->get_rlevel().set_levels(static_cast<int>(3 + counter % 5));
        if (!expand) return;

        auto* functional = new Requirement(nullptr, "", "");
        adopt(functional, "REQ", {argument}, Sharing::WithSource);
        builder.set_verb_capability(functional, "hold", "its position under load", 0);
        to_design.push_back(functional);

        auto* quantified = new Requirement(nullptr, "", "");
        adopt(quantified, "REQ", {argument}, Sharing::WithSource);
        Parameter& par = quantified->get_par();
        switch (counter % 3) {
            case 0:
                builder.set_verb_capability(quantified, "weigh", "little", 0);
                par.assign(mass_type, 500.0, 0, at_most, 100);
                break;
            case 1:
                builder.set_verb_capability(quantified, "reach", "the barrier", 0);
                par.assign(length_type, 2.0, mile_unit, at_most, 100);
                break;
            default:
                builder.set_verb_capability(quantified, "pass", "vehicles", 0);
                par.assign(throughput_type, 2.0, 1, at_least, 100);
                break;
        }
        to_design.push_back(quantified);
    }

    // Evidence offers the reason's quantity with a value that meets it. Totals
    // add up over the optimal options below, so an upper limit is met by a
    // small share of it.
    void set_offered_quantity(Parameter& offered, const Parameter& required) {
        const uint32_t type = required.get_type_int();
        if (type == 0) return;
        const double value = required.is_min_max() ? 5.0 + static_cast<double>(counter % 7)
                                                   : required.get_value() * (required.get_target_int() < 3 ? 0.001 : 2.0);
        offered.assign(type, value, required.get_unit_int(), 3, 100);
    }

    Project& project;
    size_t target;
    std::string stamp;
    GraphBuilder builder;
    std::deque<OpenProblem> open;
    size_t made = 1;  // the project
    uint32_t counter = 0;
    uint32_t options = 0;
    uint32_t throughput_type = 0;
    uint16_t mile_unit = 0;
};

}  // namespace bench_support
