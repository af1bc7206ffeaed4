#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/core/core_test.h"
#include "tests/support/pdf/pdf_reader.h"

class Project;

namespace report_cases {

// A project the reports are checked on, built into the current project.
struct Case {
    std::string name;
    void (*build)(Project* project);
};

// The golden cases: the two example projects, a project without mandate,
// sub-options three deep, a long web address and long words, non-ASCII names.
const std::vector<Case>& golden_cases();

void build_no_mandate(Project* project);
void build_deep_sub_options(Project* project);
// Links the deep case's top-level requirement below the argument of its
// last option, so that the graph holds a cycle.
void close_cycle_in_deep_case(Project* project);

// A fresh current project built by the case's builder.
Project* make_project(void (*build)(Project*));

// A whole export on the fake desktop.
class ReportTest : public testing_support::CoreTest {
protected:
    std::string path(const std::string& name) { return fake().root + "/" + name + ".pdf"; }
    // The written file, read back; fails the test when it is missing.
    testing_support::PdfReader read(const std::string& name);
    // The text of every page, one after the other.
    static std::string all_text(const testing_support::PdfReader& reader);
    // The golden file of a case, or (with MORVANTA_UPDATE_GOLDEN set) writes it.
    void expect_golden(const std::string& folder, const std::string& name, const std::string& actual);
    // qpdf --check passes without a warning.
    void expect_qpdf_accepts(const std::string& name);
    // pdftotext finds the titles in this order in the body pages (after the contents).
    void expect_in_order(const std::string& name, const std::vector<std::string>& titles);

    using Exporter = std::string (*)(Project&, const std::filesystem::path&);
    // Exports the current project as `name` and checks the file: the
    // independent reader finds no fault, text and structure match the golden
    // file in `folder`, qpdf accepts it and pdftotext finds the titles in order.
    void expect_golden_export(Exporter exporter, const std::string& folder, const std::string& name,
                              const std::vector<std::string>& titles);
};

}  // namespace report_cases
