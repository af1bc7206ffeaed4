#include "pdf/reports/report_texts.h"

#include "core/constants/gcc.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "core/text/sentences.h"
#include "pdf/reports/export_nodes_pdf.h"

namespace pdf {

std::string report_subject() {
    const auto stories = GCC::RP->get_child_user_stories();
    return stories.empty() ? std::string() : stories.front()->get_subject();
}

void add_spacer_line(ExportNodesPDF& report) { report.add_below(" ", 0); }

void add_summary_text(ExportNodesPDF& report, bool subject_before_characteristics) {
    const Project& project = *GCC::RP;
    const auto run = [&](const std::string& text, bool blank_before = true) {
        report.add_after(text, {}, {}, {}, blank_before);
    };
    report.add_below(GCC::cf02_00_txt, 10);
    run(project.get_name());
    run(GCC::cf02_01_txt);
    run(MyStrF::_addArticle(report_subject(), false));
    if (project.get_description().empty()) {
        run(". ", false);
    } else {
        run(GCC::cf02_02_descr_txt, false);
        run(project.get_description());
    }

    const std::vector<Option*> options = project.get_top_options(true);
    if (options.empty()) {
        run(GCC::cf02_04_invalid_txt);
    } else {
        const Option* weakest = options.front();
        for (const Option* o : options)
            if (o->get_rlevel().get_min_level(false) < weakest->get_rlevel().get_min_level(false)) weakest = o;
        run(GCC::cf02_05_valid_txt);
        run(ReadinessLevel::get_reqd_level_txt_ptr());
        run(GCC::cf02_06_txt);
        run(weakest->get_rlevel().get_min_level_txt_ptr());
    }

    const std::vector<Requirement*> goals = project.get_project_goals(false);
    if (goals.empty()) {
        run(GCC::cf02_no_goals_txt);
        return;
    }
    run(GCC::cf02_goals_txt);
    for (const Requirement* goal : goals) report.add_below(goal->get_short_txt(0, true), 0);

    if (options.empty()) return;
    run(GCC::cf02_optimum_01_txt);
    for (size_t i = 0; i < options.size(); ++i)
        run(options[i]->get_subject() + (i + 1 < options.size() ? ", " : ""));
    run(GCC::cf02_optimum_02_txt);
    for (const Option* o : options) {
        const std::string characteristics = o->get_ready_level_txt();
        report.add_below(subject_before_characteristics ? o->get_subject() + ": " + characteristics : characteristics, 5,
                         {}, {}, false, 0);
    }
}

}  // namespace pdf
