#include "core/chapters/chapter_walk.h"

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/chapters/export_display_filter.h"
#include "core/examples/example_projects.h"
#include "core/model/model_batch.h"
#include "tests/support/core/chapter_outline.h"
#include "tests/support/core/core_test.h"
#include "tests/support/core/small_project.h"

namespace {

using chapters::Chapter;
using chapters::Style;
using testing_support::ChapterOutline;
using testing_support::SmallProject;

ChapterOutline walk(Project& project, Chapter chapter, Style style, std::map<const Node*, std::string> names = {}) {
    ChapterOutline out(std::move(names));
    chapters::ExportDisplayFilter filter(project.get_settings());
    chapters::walk_chapter(project, chapter, style, out);
    EXPECT_TRUE(out.balanced());
    return out;
}

// Every heading, introduction and row of the six chapters names one place:
// the interchange files use these as identifiers.
std::vector<std::string> repeated_keys(Project& project) {
    std::set<std::string> seen;
    std::vector<std::string> repeated;
    for (Chapter chapter : chapters::all_chapters) {
        const ChapterOutline out = walk(project, chapter, Style::interchange);
        std::vector<std::string> keys;
        for (const auto& h : out.headings) keys.push_back(h.key());
        for (const auto& i : out.intros) keys.push_back(i.key());
        for (const auto& r : out.refs)
            if (!r.subject) keys.push_back(r.route.text());
        for (const auto& k : keys)
            if (!seen.insert(k).second) repeated.push_back(k);
    }
    return repeated;
}

// What large walks are checked for, without keeping their events.
struct Tally : chapters::ChapterVisitor {
    void heading(const chapters::Heading& h) override {
        ++events;
        ++open;
        if (static_cast<size_t>(h.level) > max_level) max_level = static_cast<size_t>(h.level);
    }
    void end_section() override { ++events, --open; }
    void intro(const chapters::Intro&) override { ++events; }
    void ref(const chapters::Ref& r) override { ++events, open += r.opens_group; }
    void end_group() override { ++events, --open; }
    void already_written(const Node&) override { ++events, ++written; }

    size_t events = 0;
    size_t written = 0;
    size_t max_level = 0;
    long open = 0;
};

Tally tally(Project& project, Chapter chapter) {
    Tally out;
    chapters::ExportDisplayFilter filter(project.get_settings());
    chapters::walk_chapter(project, chapter, Style::interchange, out);
    EXPECT_EQ(out.open, 0);
    return out;
}

// A problem D of the top-level requirement R with two options; motor is split
// into coil and wire (each with its integration requirement); spring's
// argument derives Q, whose problem D2 has the option latch.
class ChapterWalk : public testing_support::CoreTest {
    // The fixture builds its graph without recording states.
    testing_support::BuiltWithoutStates built_without_states;

protected:
    ChapterWalk() {
        motor = p.d->add_child_option("motor", false);
        spring = p.d->add_child_option("spring", false);
        coil = motor->add_sub_option("coil");
        wire = motor->add_sub_option("wire");
        coil_argument = coil->add_child_argument(p.r, true);
        coil_evidence = coil_argument->add_child_evidence(5, "open", "remotely", 0u, 0.0, 0, 3, "");
        spring_argument = spring->add_child_argument(p.r, true);
        spring_evidence = spring_argument->add_child_evidence(4, "open", "remotely", 0u, 0.0, 0, 3, "");
        q = spring_argument->add_f_requirement("hold", "the gate", true);
        d2 = q->add_designproblem();
        latch = d2->add_child_option("latch", false);
        latch_argument = latch->add_child_argument(q, true);
    }

    std::string outline(Chapter chapter, Style style = Style::report) {
        return walk(*p.project, chapter, style, names()).text();
    }

    std::map<const Node*, std::string> names() const {
        return {{p.project, "P"},
                {p.story, "U"},
                {p.mandate, "M"},
                {p.r, "R"},
                {p.d, "D"},
                {motor, "motor"},
                {spring, "spring"},
                {coil, "coil"},
                {wire, "wire"},
                {coil->get_integration_requirement(), "Icoil"},
                {wire->get_integration_requirement(), "Iwire"},
                {coil_argument, "Acoil"},
                {coil_evidence, "Ecoil"},
                {spring_argument, "Aspring"},
                {spring_evidence, "Espring"},
                {q, "Q"},
                {d2, "D2"},
                {latch, "latch"},
                {latch_argument, "Alatch"}};
    }

    SmallProject p;
    Option* motor;
    Option* spring;
    Option* coil;
    Option* wire;
    Argument* coil_argument;
    Evidence* coil_evidence;
    Argument* spring_argument;
    Evidence* spring_evidence;
    Requirement* q;
    DesignProblem* d2;
    Option* latch;
    Argument* latch_argument;
};

TEST_F(ChapterWalk, ChaptersFollowTheReportsWalks) {
    const std::vector<std::pair<Chapter, std::string>> cases = {
        {Chapter::project_tree, R"(H1p Project Tree
  I DOC_CF10_INTRO
  R project P
  I DOC_CF10_USY_INTRO
  R user_story U
  I DOC_CF10_MAN_INTRO
  R mandate M
  I DOC_CF10_REQ_INTRO
  R requirement R
)"},
        // Integration requirements of sub-options are not requirements to
        // the next option under the export filter; spring leads on to D2.
        {Chapter::design_problem_tree, R"(H1p Design Problem Tree
  I DOC_CF11_INTRO
  R project P
  I DOC_CF11_REQ_INTRO
  R top_req R
  H2 Design Problem @D
    I DOC_CF11_DPR_INTRO
    R design_problem D *
    I DOC_CF11_DPR_REQ_INTRO
    R requirement Q
    H3 Design Problem @D2
      I DOC_CF11_DPR_INTRO
      R design_problem D2 *
      I DOC_CF11_DPR_REQ_INTRO
      none Requirement
)"},
        {Chapter::options_tree, R"(H1p Options Tree
  I DOC_CF12_INTRO
  H2 Design Problem @D
    I DOC_CF12_DPR_INTRO
    R design_problem D *
    I DOC_CF12_OPT_INTRO
    H3 Option motor @motor
      R option motor *
      I DOC_CF12_SUBOPT_INTRO
      H4 Sub Option coil @coil
        R option coil *
      H4 Sub Option wire @wire
        R option wire *
    H3 Option spring @spring
      R option spring *
      H4 Design Problem @D2
        I DOC_CF12_DPR_INTRO
        R design_problem D2 *
        I DOC_CF12_OPT_INTRO
        H5 Option latch @latch
          R option latch *
)"},
        // Sub-options get their section inside their parent's and again
        // from the registry; only an option's own arguments are shown.
        {Chapter::validation_trees, R"(H1p Validation Trees
  I DOC_CF13_INTRO
  H2p Option motor @motor
    I DOC_CF13_OPT_INTRO
    R option motor *
    I DOC_CF13_SUBOPT_INTRO
    I DOC_CF13_INTEGRATION_REQ_INTRO
    R integration_req Icoil
    H3p Option coil @coil
      I DOC_CF13_OPT_INTRO
      R option coil *
      I DOC_CF13_DPR_INTRO
      R design_problem D {
        I DOC_CF13_REQ_INTRO
        R requirement R {
          I DOC_ARG_INTRO
          R argument Acoil {
            I DOC_ARG_EVD_INTRO
            R evidence Ecoil
    I DOC_CF13_INTEGRATION_REQ_INTRO
    R integration_req Iwire
    H3p Option wire @wire
      I DOC_CF13_OPT_INTRO
      R option wire *
      I DOC_CF13_DPR_INTRO
      R design_problem D {
        I DOC_CF13_REQ_INTRO
        R requirement R {
  H2p Option spring @spring
    I DOC_CF13_OPT_INTRO
    R option spring *
    I DOC_CF13_DPR_INTRO
    R design_problem D {
      I DOC_CF13_REQ_INTRO
      R requirement R {
        I DOC_ARG_INTRO
        R argument Aspring {
          I DOC_ARG_EVD_INTRO
          R evidence Espring
          I DOC_ARG_REQ_INTRO
          R requirement Q
  H2p Option coil @coil
    I DOC_CF13_OPT_INTRO
    R option coil *
    I DOC_CF13_DPR_INTRO
    R design_problem D {
      I DOC_CF13_REQ_INTRO
      R requirement R {
        I DOC_ARG_INTRO
        R argument Acoil {
          I DOC_ARG_EVD_INTRO
          R evidence Ecoil
  H2p Option wire @wire
    I DOC_CF13_OPT_INTRO
    R option wire *
    I DOC_CF13_DPR_INTRO
    R design_problem D {
      I DOC_CF13_REQ_INTRO
      R requirement R {
  H2p Option latch @latch
    I DOC_CF13_OPT_INTRO
    R option latch *
    I DOC_CF13_DPR_INTRO
    R design_problem D2 {
      I DOC_CF13_REQ_INTRO
      R requirement Q {
        I DOC_ARG_INTRO
        R argument Alatch {
)"},
        // An argument's requirements are its own and its option's
        // integration requirement; a derived requirement's arguments sit at
        // its own heading level.
        {Chapter::requirements_trees, R"(H1p Requirements Trees
  I DOC_CF14_INTRO
  H2 Top Level Requirement @R
    I DOC_CF14_REQ_INTRO
    R requirement R *
    I DOC_CF14_ARG_INTRO
    H3 Argument coil @Acoil
      I DOC_CF14_ARG_OPT_INTRO
      R argument Acoil *
      I DOC_CF14_ARG_REQ_INTRO
      H4 Requirement @Icoil
        I DOC_CF14_REQ_INTRO
        R requirement Icoil *
        I DOC_CF14_ARG_INTRO
    H3 Argument spring @Aspring
      I DOC_CF14_ARG_OPT_INTRO
      R argument Aspring *
      I DOC_CF14_ARG_REQ_INTRO
      H4 Requirement @Q
        I DOC_CF14_REQ_INTRO
        R requirement Q *
        I DOC_CF14_ARG_INTRO
        H4 Argument latch @Alatch
          I DOC_CF14_ARG_OPT_INTRO
          R argument Alatch *
          I DOC_CF14_ARG_REQ_INTRO
)"},
        // Requirements sit at their story's level; an argument's content
        // has no heading, and the requirements it assumes go one deeper.
        {Chapter::v_diagram, R"(H1p V-diagram
  I DOC_CF15_INTRO
  R project P
  I DOC_CF15_MAN_INTRO
  R mandate M
  H2 User Story @U
    I DOC_CF15_USY_INTRO
    R user_story U *
    H2 Requirement @R
      I DOC_CF15_REQ_INTRO
      R requirement R *
      I DOC_CF15_OPT_INTRO
      H3 Option motor @motor
        I DOC_CF15_OPT_SECTION_INTRO
        R option motor *
        I DOC_CF15_SUBOPT_INTRO
        H4 Option coil @coil
          I DOC_CF15_OPT_SECTION_INTRO
          R option coil *
          I DOC_ARG_INTRO
          R argument Acoil {
            I DOC_ARG_EVD_INTRO
            R evidence Ecoil
        H4 Option wire @wire
          I DOC_CF15_OPT_SECTION_INTRO
          R option wire *
      H3 Option spring @spring
        I DOC_CF15_OPT_SECTION_INTRO
        R option spring *
        I DOC_ARG_INTRO
        R argument Aspring {
          I DOC_ARG_EVD_INTRO
          R evidence Espring
          I DOC_ARG_REQ_INTRO
          H5 Requirement @Q
            I DOC_CF15_REQ_INTRO
            R requirement Q *
            I DOC_CF15_OPT_INTRO
            H6 Option latch @latch
              I DOC_CF15_OPT_SECTION_INTRO
              R option latch *
              I DOC_ARG_INTRO
              R argument Alatch {
)"},
    };
    for (const auto& [chapter, expected] : cases) {
        SCOPED_TRACE(static_cast<int>(chapter));
        EXPECT_EQ(outline(chapter), expected);
        if (chapter != Chapter::project_tree && chapter != Chapter::requirements_trees) {
            EXPECT_EQ(outline(chapter, Style::interchange), expected);
        }
    }
}

TEST_F(ChapterWalk, TextsAndRoutesNameEachPlace) {
    const ChapterOutline cf14 = walk(*p.project, Chapter::requirements_trees, Style::interchange);
    EXPECT_EQ(cf14.intros[3].text,
              "This section shows the Argument below. The Argument should be followed if Option coil is selected.");
    EXPECT_EQ(cf14.headings[2].key(), "DOC_CF14_ARG_SECTION__SH_CF14_REQ_TREE__" + p.r->get_uid() + "__" +
                                          coil_argument->get_uid());

    const ChapterOutline cf13 = walk(*p.project, Chapter::validation_trees, Style::interchange);
    const std::string coil_inside_motor = "SH_CF13_VAL_TREE__" + motor->get_uid() + "__" + coil->get_uid();
    const std::string integration = coil_inside_motor + "__" + coil->get_integration_requirement()->get_uid();
    const std::string argument = coil_inside_motor + "__" + p.r->get_uid() + "__" + coil_argument->get_uid();
    std::set<std::string> routes;
    for (const auto& r : cf13.refs) routes.insert(r.route.text());
    EXPECT_TRUE(routes.count(integration));
    EXPECT_TRUE(routes.count(argument));
    EXPECT_TRUE(routes.count(argument + "__" + coil_evidence->get_uid()));
    EXPECT_EQ(cf13.headings[0].key(), "DOC_CF13_HEADER");

    EXPECT_EQ(repeated_keys(*p.project), std::vector<std::string>{});
}

TEST_F(ChapterWalk, StylesDifferOnlyWhereTheInterchangeFilesListOnce) {
    // The integration requirement is also a child requirement of the argument.
    coil_argument->link_existing_requirement(coil->get_integration_requirement());
    const std::string report = outline(Chapter::requirements_trees);
    const std::string interchange = outline(Chapter::requirements_trees, Style::interchange);
    auto count = [](const std::string& text, const std::string& what) {
        size_t n = 0;
        for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count(report, "H4 Requirement @Icoil"), 2u);
    EXPECT_EQ(count(interchange, "H4 Requirement @Icoil"), 1u);
    EXPECT_EQ(repeated_keys(*p.project), std::vector<std::string>{});
}

TEST_F(ChapterWalk, AProjectWithoutStoriesGetsTheReportsEmptyLines) {
    delete GCC::RP;
    auto* project = new Project("Empty", "");
    EXPECT_EQ(walk(*project, Chapter::project_tree, Style::report).text(),
              "H1p Project Tree\n  I DOC_CF10_INTRO\n  R project " + project->get_uid() +
                  "\n  I DOC_CF10_USY_INTRO\n  none User Story\n  I DOC_CF10_MAN_INTRO\n  none Mandate\n"
                  "  I DOC_CF10_REQ_INTRO\n  none Requirement\n");
    EXPECT_EQ(walk(*project, Chapter::project_tree, Style::interchange).text(),
              "H1p Project Tree\n  I DOC_CF10_INTRO\n  R project " + project->get_uid() +
                  "\n  none User Story\n  none Mandate\n  none Requirement\n");
}

TEST_F(ChapterWalk, ACycleIsWalkedOnce) {
    {
        // The latch argument assumes the requirement it argues about.
        ModelBatch batch;
        latch_argument->link_existing_requirement(q);
    }
    for (Chapter chapter : chapters::all_chapters) {
        const std::string text = outline(chapter);
        if (chapter == Chapter::requirements_trees || chapter == Chapter::v_diagram) {
            EXPECT_NE(text.find("written Q"), std::string::npos) << text;
        }
    }
    EXPECT_EQ(repeated_keys(*p.project), std::vector<std::string>{});
    // The model itself cannot delete a cycle.
    ModelBatch batch;
    latch_argument->remove_child(q, true);
}

// Requirement r[i] has a problem with options a and b, whose arguments both
// assume r[i + 1]: every level doubles the routes to what lies below.
struct Diamonds {
    Diamonds(SmallProject& p, int depth) {
        ModelBatch batch;
        Requirement* r = p.r;
        for (int i = 0; i < depth; ++i) {
            auto* d = new DesignProblem(r);
            auto* a = new Argument(new Option(d, "a"), r, true);
            auto* b = new Argument(new Option(d, "b"), r, true);
            auto* next = new Requirement(a, "hold", "level");
            b->link_existing_requirement(next);
            r = next;
        }
    }
};

TEST_F(ChapterWalk, SharedSubtreesAreRepeatedUntilTheChapterIsLarge) {
    Diamonds shallow(p, 3);
    // A requirement reached along two routes is written twice in full.
    const ChapterOutline small = walk(*p.project, Chapter::v_diagram, Style::report);
    EXPECT_EQ(small.text().find("written"), std::string::npos);

    Diamonds deep(p, 40);  // 2^40 routes
    for (Chapter chapter : {Chapter::requirements_trees, Chapter::v_diagram}) {
        const Tally out = tally(*p.project, chapter);
        EXPECT_GT(out.written, 0u);
        EXPECT_LT(out.events, 1000000u);
    }
}

// r0 -> problem -> option -> argument -> r1 -> ... with depth levels. The
// chain is deleted from its end: deleting from the top would cascade through
// every level in one recursion.
struct Chain {
    Chain(SmallProject& p, int depth) {
        ModelBatch batch;
        Requirement* r = p.r;
        for (int i = 0; i < depth; ++i) {
            auto* d = new DesignProblem(r);
            auto* o = new Option(d, "o");
            auto* a = new Argument(o, r, true);
            r = new Requirement(a, "hold", "level");
            nodes.insert(nodes.end(), {d, o, a, r});
        }
    }
    ~Chain() {
        GraphTeardown teardown;
        for (auto it = nodes.rbegin(); it != nodes.rend(); ++it) delete *it;
    }
    std::vector<Node*> nodes;
};

TEST_F(ChapterWalk, DeepChainsAreWalkedWithoutRecursion) {
    delete GCC::RP;
    SmallProject fresh;
    constexpr int depth = 10000;
    Chain chain(fresh, depth);
    const std::vector<std::pair<Chapter, size_t>> deepest = {
        {Chapter::design_problem_tree, depth + 1},
        {Chapter::options_tree, 2 * depth + 1},
        {Chapter::requirements_trees, depth + 3},
        {Chapter::v_diagram, 3 * depth + 2},
    };
    for (const auto& [chapter, level] : deepest) EXPECT_EQ(tally(*fresh.project, chapter).max_level, level);
}

TEST_F(ChapterWalk, ExamplesWalkInBothStyles) {
    for (auto builder : {&MyEx::create_explain_project, &MyEx::create_gate_project}) {
        delete GCC::RP;
        auto* project = new Project();
        builder(project);
        for (Style style : {Style::report, Style::interchange}) {
            for (Chapter chapter : chapters::all_chapters) {
                const ChapterOutline out = walk(*project, chapter, style);
                EXPECT_GT(out.refs.size(), 0u);
                EXPECT_EQ(out.text().find("written"), std::string::npos);
            }
        }
        EXPECT_EQ(repeated_keys(*project), std::vector<std::string>{});
    }
}

TEST_F(ChapterWalk, TheExportFilterIsRestoredOnEveryWayOut) {
    ProjectSettings& settings = p.project->get_settings();
    settings.set_show_str(uint16_t{5});
    const ProjectSettings before = settings;
    try {
        chapters::ExportDisplayFilter filter(settings);
        EXPECT_EQ(settings.get_show_str(), "Valid-  | Hide Integration Requirements");
        EXPECT_FALSE(settings.get_incl_int_req());
        throw std::runtime_error("export failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(settings, before);

    // A filter text that is none of the options comes back as it was.
    settings.show_str = "stored by another version";
    { chapters::ExportDisplayFilter filter(settings); }
    EXPECT_EQ(settings.show_str, "stored by another version");
}

}  // namespace
