#include "pdf/reports/export_pdf.h"

#include "core/chapters/chapter_walk.h"
#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/evidence.h"
#include "core/model/mandate.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "core/queries/node_filters.h"
#include "core/text/sentences.h"
#include "pdf/doc/pdf_strings.h"
#include "pdf/reports/report_texts.h"

namespace pdf {
namespace {

std::string to_header(const std::string& name) { return GCC::PDF_HEADER_LINK_PREFIX + name; }

// Writes a tree chapter's walk: headings (chapters named for links), the
// connecting sentences and a reference row per listed object.
class TreeChapterWriter : public chapters::ChapterVisitor {
public:
    explicit TreeChapterWriter(ExportNodesPDF& report) : report(report) {}

    void heading(const chapters::Heading& heading) override {
        if (heading.new_page) report.add_new_page();
        report.add_header(heading.level, heading.text, heading.level == 1 ? to_header(heading.text) : std::string());
    }
    void end_section() override {}
    void intro(const chapters::Intro& intro) override { report.add_below(intro.text, 10); }
    void ref(const chapters::Ref& ref) override { report.add_node_ref(ref.node); }
    void no_objects(std::string_view kind_name) override { report.add_no_obj_here(std::string(kind_name)); }
    void already_written(const Node& node) override {
        report.add_below("The objects below this " + node.get_nd_name() + " are shown earlier in this chapter.", 10);
    }

private:
    ExportNodesPDF& report;
};

void add_tree_chapter(ExportNodesPDF& report, chapters::Chapter chapter) {
    TreeChapterWriter writer(report);
    chapters::walk_chapter(*GCC::RP, chapter, chapters::Style::report, writer);
}

}  // namespace

std::vector<ExportPDF::Chapter> ExportPDF::chapters() const {
    const Mandate* mandate = GCC::RP->get_mandate();
    return {
        {to_header(GCC::cf01_title), true, &ExportPDF::cf01_add_introduction},
        {to_header(GCC::cf02_title), true, &ExportPDF::cf02_add_summary},
        {to_header(GCC::cf10_title), true, &ExportPDF::cf10_add_project_tree},
        {to_header(GCC::cf11_title), true, &ExportPDF::cf11_add_designproblems_tree},
        {to_header(GCC::cf12_title), true, &ExportPDF::cf12_add_options_tree},
        {to_header(GCC::cf13_title), true, &ExportPDF::cf13_add_validation_tree},
        {to_header(GCC::cf14_title), true, &ExportPDF::cf14_add_requirements_tree},
        {to_header(GCC::cf15_title), true, &ExportPDF::cf15_add_v_diagram_tree},
        {GCC::RP->get_uid(), true, &ExportPDF::add_project_chapter},
        {to_header(GCC::usy_nd_name), true, &ExportPDF::cf2_add_all_user_stories},
        {mandate ? mandate->get_uid() : std::string(), mandate != nullptr, &ExportPDF::add_mandate_chapter},
        {to_header(GCC::req_nd_name), true, &ExportPDF::cf4_add_all_requirements},
        {to_header(GCC::dpr_nd_name), true, &ExportPDF::cf5_add_all_design_problems},
        {to_header(GCC::opt_nd_name), true, &ExportPDF::cf6_add_all_options},
        {to_header(GCC::arg_nd_name), true, &ExportPDF::cf7_add_all_arguments},
        {to_header(GCC::evd_nd_name), true, &ExportPDF::cf8_add_all_evidences},
        {to_header(GCC::cf99_title), true, &ExportPDF::cf99_add_conclusion},
    };
}

std::string ExportPDF::chapter_number(const std::string& destination) const {
    int number = 0;
    for (const Chapter& chapter : chapters()) {
        number += chapter.has_heading ? 1 : 0;
        if (chapter.destination == destination) break;
    }
    return int_text(number);
}

std::string ExportPDF::export_pdf(const std::string& directory, const std::string& name) {
    return run_export(directory, name, [this] {
        for (const Chapter& chapter : chapters()) (this->*chapter.build)();
    });
}

void ExportPDF::start_chapter(const std::string& title, const std::string& destination) {
    add_new_page();
    add_header(1, title, destination);
}

void ExportPDF::cf01_add_introduction() {
    start_chapter(GCC::cf01_title, to_header(GCC::cf01_title));
    add_block(GCC::cf01_00_txt);
    const auto run = [&](const std::string& text, bool blank_before = true) { add_after(text, {}, {}, {}, blank_before); };
    const auto chapter_link = [&](const std::string& destination) {
        add_after("Chapter " + chapter_number(destination), {}, destination, {}, true);
    };
    run(MyStrF::_addArticle(report_subject(), false));
    run(GCC::cf01_01_txt);
    run(GCC::RP->get_name());
    run(GCC::cf01_02_txt);
    run(GCC::program_name_and_version(), false);
    run(GCC::cf01_03_txt, false);
    chapter_link(to_header(GCC::req_nd_name));
    run(GCC::cf01_04_txt, false);
    chapter_link(to_header(GCC::opt_nd_name));
    run(GCC::cf01_05_txt, false);
    chapter_link(to_header(GCC::cf99_title));
    run(GCC::cf01_06_txt, false);
}

void ExportPDF::cf02_add_summary() {
    add_spacer_line(*this);
    add_header(1, GCC::cf02_title, to_header(GCC::cf02_title));
    add_summary_text(*this, false);
}

void ExportPDF::cf10_add_project_tree() { add_tree_chapter(*this, chapters::Chapter::project_tree); }

void ExportPDF::cf11_add_designproblems_tree() { add_tree_chapter(*this, chapters::Chapter::design_problem_tree); }

void ExportPDF::cf12_add_options_tree() { add_tree_chapter(*this, chapters::Chapter::options_tree); }

void ExportPDF::cf13_add_validation_tree() { add_tree_chapter(*this, chapters::Chapter::validation_trees); }

void ExportPDF::cf14_add_requirements_tree() { add_tree_chapter(*this, chapters::Chapter::requirements_trees); }

void ExportPDF::cf15_add_v_diagram_tree() { add_tree_chapter(*this, chapters::Chapter::v_diagram); }

void ExportPDF::add_project_chapter() { add_project(GCC::RP, 1, true); }

void ExportPDF::add_mandate_chapter() { add_mandate(GCC::RP->get_mandate(), 1, true); }

template <class Kind, class Section>
void ExportPDF::add_object_chapter(const std::string& kind_name, const std::string& help, bool help_as_paragraphs,
                                   const std::vector<Kind*>& objects, Section section) {
    start_chapter(kind_name + " Objects", to_header(kind_name));
    if (help_as_paragraphs)
        add_paragraphs(help, 10);
    else
        add_block(help);
    if (objects.empty()) add_no_obj_in_prj(kind_name);
    for (Kind* object : objects) section(object);
}

void ExportPDF::cf2_add_all_user_stories() {
    add_object_chapter(GCC::usy_nd_name, GCC::usy_txt, false, GCC::RP->get_child_user_stories(),
                       [this](UserStory* n) { add_user_story(n, 2, false, true); });
}

void ExportPDF::cf4_add_all_requirements() {
    add_object_chapter(GCC::req_nd_name, GCC::req_txt, true, MyFF::filter_requirements(GCC::RP->get_nd_map()),
                       [this](Requirement* n) { add_requirement(n, 2, false, true); });
}

void ExportPDF::cf5_add_all_design_problems() {
    add_object_chapter(GCC::dpr_nd_name, GCC::dpr_txt, false, MyFF::filter_design_problems(GCC::RP->get_nd_map()),
                       [this](DesignProblem* n) { add_design_problem(n, 2, false); });
}

void ExportPDF::cf6_add_all_options() {
    add_object_chapter(GCC::opt_nd_name, GCC::opt_txt, false, MyFF::filter_options(GCC::RP->get_nd_map()),
                       [this](Option* n) { add_option(n, 2, false, true); });
}

void ExportPDF::cf7_add_all_arguments() {
    add_object_chapter(GCC::arg_nd_name, GCC::arg_txt, false, MyFF::filter_arguments(GCC::RP->get_nd_map()),
                       [this](Argument* n) { add_argument(n, 2, false); });
}

void ExportPDF::cf8_add_all_evidences() {
    add_object_chapter(GCC::evd_nd_name, GCC::evd_txt, true, MyFF::filter_evidences(GCC::RP->get_nd_map()),
                       [this](Evidence* n) { add_evidence(n, 2, false, true); });
}

void ExportPDF::cf99_add_conclusion() {
    start_chapter(GCC::cf99_title, to_header(GCC::cf99_title));
    add_summary_text(*this, false);
}

}  // namespace pdf
