#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/model/project.h"
#include "tests/support/core/core_test.h"

namespace export_tests {

using Exporter = std::string (*)(Project&, const std::filesystem::path&);
using Builder = void (*)(Project*);

// A fake desktop, a clean model state and a folder for the written files.
class ExportTest : public testing_support::CoreTest {
protected:
    // A new current project built by builder, in a fixed project folder so
    // that the exported texts do not depend on the test's temporary folder.
    Project& make(Builder builder);
    // Exports into the test's folder and returns the file's text ("" and a
    // test failure when the export reports an error).
    std::string written(Exporter exporter, Project& project, const std::string& name);
    std::filesystem::path folder() { return std::filesystem::path(fake().root) / "exports"; }
};

// The cases with a folder of expected files each: the two examples, a project
// of edge cases and a project that holds only itself.
struct Case {
    const char* name;
    Builder builder;
};
const std::vector<Case>& cases();

// A project with every link kind of the model, a plain node linked both ways,
// a link of kinds the model never links, characters that XML forbids, text
// beyond ASCII, multi-line comments, references (one missing from the table,
// links with blanks), a quantity in a unit other than its type's first, a
// custom type whose first unit is not its base, an option total that
// overflows, and uids that are no identifiers.
void build_edge_project(Project* project);

// Compares with the expected file under tests/data/exports; with
// MORVANTA_UPDATE_GOLDEN set in the environment the file is written instead.
void expect_golden(const std::string& actual, const std::string& relative_path);

// The problems xmllint finds against the ReqIF 1.0 schema; "" when the file validates.
std::string schema_problems(const std::filesystem::path& file);

// What xmllint does not check: every IDENTIFIER unique, every *-REF names an
// element of the kind its name says, every attribute value is defined by
// its object's type.
std::vector<std::string> reqif_problems(const std::string& text);

// The XMI checks: well-formed, the standard namespace URIs, unique xmi:id,
// every client, supplier, importedElement, base_Class and base_Abstraction
// naming an element of the right type, class names unique in their package.
std::vector<std::string> xmi_problems(const std::string& text);

// Every ReqIF time stamp replaced by "T".
std::string without_time_stamps(const std::string& text);

}  // namespace export_tests
