#include <fstream>

#include <gtest/gtest.h>

#include "core/examples/example_projects.h"
#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/model_batch.h"
#include "core/model/option.h"
#include "core/model/requirement.h"
#include "exports/exports.h"
#include "exports/reqif/reqif_document.h"
#include "tests/exports/export_test.h"
#include "tests/support/core/model_dump.h"

namespace {

using namespace export_tests;
using testing_support::read_file;

struct Format {
    const char* name;
    Exporter exporter;
    std::string (*file_name)(const Project&, const std::string&);
    std::string save_failure;  // the message, before any path
};
const std::vector<Format> formats = {
    {"reqif", exports::export_reqif, exports::reqif_file_name, "Failed to save reqIF file"},
    {"sysml", exports::export_sysml, exports::sysml_file_name, "Failed to save SysML XMI file: "},
};

class ExportFiles : public ExportTest {};

TEST_F(ExportFiles, FileNamesFollowEachFormatsExtensions) {
    Project& project = make(&MyEx::create_explain_project);
    project.set_name("MyProject");
    const std::vector<std::tuple<const char*, std::string, std::string>> table = {
        {"reqif", "gate.reqif", "gate.reqif"}, {"reqif", "gate.REQIF", "gate.REQIF.reqif"},
        {"reqif", "gate", "gate.reqif"},       {"reqif", "", "MyProject.reqif"},
        {"sysml", "model.sysml", "model.sysml"}, {"sysml", "model.xmi", "model.xmi"},
        {"sysml", "model.XMI", "model.XMI.xmi"}, {"sysml", "", "MyProject.xmi"},
    };
    for (const auto& [format, chosen, expected] : table) {
        for (const Format& f : formats) {
            if (std::string(f.name) == format) {
                EXPECT_EQ(f.file_name(project, chosen), expected);
            }
        }
    }

    // An empty file name part writes the default name; a name is never a path.
    project.set_name("A/B");
    for (const Format& f : formats) EXPECT_EQ(f.exporter(project, folder() / ""), "");
    EXPECT_TRUE(std::filesystem::exists(folder() / "A_B.reqif"));
    EXPECT_TRUE(std::filesystem::exists(folder() / "A_B.xmi"));
}

// Failures are reported, the model is as before (the display filter
// included) and no earlier file is lost.
TEST_F(ExportFiles, FailuresAreReportedAndChangeNothing) {
    Project& project = make(&MyEx::create_explain_project);
    project.get_settings().set_show_str(uint16_t{5});
    const std::string before = testing_support::dump_project(project);
    std::filesystem::create_directories(folder());
    std::ofstream(folder() / "file") << "not a folder";
    for (const Format& f : formats) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(f.exporter(project, folder() / "file" / "out"),
                  "Failed to create export directory: " + (folder() / "file").string());
        // A folder where the file should go cannot be replaced.
        const std::filesystem::path taken = folder() / (std::string("taken.") + (f.name == std::string("reqif") ? "reqif" : "xmi"));
        std::filesystem::create_directories(taken / "inside");
        const std::string message = f.exporter(project, taken);
        EXPECT_EQ(message, f.save_failure + (f.name == std::string("sysml") ? taken.string() : ""));
        EXPECT_TRUE(std::filesystem::exists(taken / "inside"));
        EXPECT_EQ(testing_support::dump_difference(before, testing_support::dump_project(project)), "");
    }
}

TEST_F(ExportFiles, TimeStampsCarryTheTrueOffset) {
    std::tm local = fake().now;
    const std::vector<std::pair<long, std::string>> table = {
        {3600, "2024-03-07T14:05:09.000+01:00"},
        {-19800, "2024-03-07T14:05:09.000-05:30"},
        {0, "2024-03-07T14:05:09.000+00:00"},
        {7200, "2024-03-07T14:05:09.000+02:00"},  // summer time: the offset the clock reports
    };
    for (const auto& [offset, expected] : table) {
        local.tm_gmtoff = offset;
        EXPECT_EQ(exports::reqif::time_stamp(local), expected);
    }
}

// The same project gives the same files: relation identifiers come from the
// linked objects, not from a count of exports, and every time stamp is the
// export's.
TEST_F(ExportFiles, TwoExportsDifferOnlyInTheirTimeStamps) {
    Project& project = make(&MyEx::create_gate_project);
    const std::string reqif = written(exports::export_reqif, project, "first.reqif");
    const std::string xmi = written(exports::export_sysml, project, "first.xmi");
    fake().now.tm_hour = 16;
    fake().now.tm_gmtoff = 3600;
    const std::string reqif_again = written(exports::export_reqif, project, "second.reqif");
    EXPECT_NE(reqif, reqif_again);
    EXPECT_EQ(without_time_stamps(reqif), without_time_stamps(reqif_again));
    EXPECT_EQ(xmi, written(exports::export_sysml, project, "second.xmi"));

    // Every stamp of the second file is the export's local time.
    const std::string stripped = without_time_stamps(reqif_again);
    size_t stamps = 0;
    for (size_t at = reqif_again.find("2024-03-07T16:05:09.000+01:00"); at != std::string::npos;
         at = reqif_again.find("2024-03-07T16:05:09.000+01:00", at + 1))
        ++stamps;
    EXPECT_EQ(reqif_again.size() - stripped.size(), stamps * (29 - 1));
}

// Deep decomposition: every identifier stays short and the files are written.
TEST_F(ExportFiles, DeepChainsGiveBoundedIdentifiers) {
    Project& project = make(&MyEx::create_explain_project);
    Requirement* r = project.get_top_lvl_reqs().front();
    std::vector<Node*> chain;
    {
        ModelBatch batch;
        for (int i = 0; i < 300; ++i) {
            auto* d = new DesignProblem(r);
            auto* o = new Option(d, "o");
            auto* a = new Argument(o, r, true);
            r = new Requirement(a, "hold", "level");
            chain.insert(chain.end(), {d, o, a, r});
        }
    }
    for (const Format& f : formats) {
        const std::string text = written(f.exporter, project, std::string("deep.") + f.name);
        size_t longest = 0;
        for (size_t at = text.find("=\""); at != std::string::npos; at = text.find("=\"", at + 1)) {
            const size_t end = text.find('"', at + 2);
            const std::string_view name(text.data() + text.rfind(' ', at) + 1, at - text.rfind(' ', at) - 1);
            if (name == "IDENTIFIER" || name == "xmi:id") longest = std::max(longest, end - at - 2);
        }
        EXPECT_LT(longest, 1200u) << f.name;
    }
    GraphTeardown teardown;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) delete *it;
}

}  // namespace
