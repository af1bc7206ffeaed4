#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include <pugixml.hpp>

#include "core/chapters/section_depth.h"
#include "core/io/project_reader.h"
#include "core/model/process_state.h"
#include "exports/exports.h"
#include "tests/exports/export_test.h"
#include "tests/support/core/deep_chain.h"
#include "tests/support/small_stack.h"

namespace {

using namespace export_tests;
using testing_support::DeepChain;

// Far deeper than a stack this small allows nested calls per level.
constexpr size_t stack_bytes = 256 * 1024;

struct Format {
    const char* extension;
    Exporter exporter;
    const char* identifier;  // the attribute naming elements
};
const Format formats[] = {{"reqif", exports::export_reqif, "IDENTIFIER"}, {"xmi", exports::export_sysml, "xmi:id"}};

// How deep elements nest and how long the longest identifier is.
struct Shape {
    int depth = 0;
    size_t longest_identifier = 0;
};

Shape shape_of(pugi::xml_document& document, const char* identifier) {
    struct Measure : pugi::xml_tree_walker {
        explicit Measure(const char* name) : name(name) {}
        bool for_each(pugi::xml_node& node) override {
            shape.depth = std::max(shape.depth, depth());
            const size_t length = std::string_view(node.attribute(name).value()).size();
            shape.longest_identifier = std::max(shape.longest_identifier, length);
            return true;
        }
        const char* name;
        Shape shape;
    } measure(identifier);
    document.traverse(measure);
    return measure.shape;
}

class DeepChainExports : public ExportTest, public ::testing::WithParamInterface<DeepChain> {
protected:
    // A new current project holding the chain.
    Project& open_chain(int levels) {
        reset_process_state();
        auto* project = new Project("Deep", "");
        const std::string file = testing_support::deep_chain_file(GetParam(), levels);
        EXPECT_TRUE(project_file::read_project_buffer(*project, file.data(), file.size(), "deep.xml").opened);
        project->set_directory("/projects/cases");
        return *project;
    }
};

// Sections nest no deeper than a fixed depth and identifiers stay short, so
// each export grows by about the same bytes per level at any depth; the files
// are sound (the ReqIF one valid against the schema, whose reader refuses
// elements nested deeper than 256) and written without nested calls per level.
TEST_P(DeepChainExports, GrowLinearlyAndStaySound) {
    for (const Format& f : formats) {
        SCOPED_TRACE(f.extension);
        double bytes_per_object[2] = {};
        for (int i = 0; i < 2; ++i) {
            const int levels = 1000 * (i + 1);
            Project& project = open_chain(levels);
            const std::string name = "deep" + std::to_string(levels) + "." + f.extension;
            std::string text;
            testing_support::run_on_small_stack(stack_bytes, [&] { text = written(f.exporter, project, name); });
            ASSERT_FALSE(text.empty());
            bytes_per_object[i] = static_cast<double>(text.size()) / static_cast<double>(project.get_nd_map().size());

            pugi::xml_document document;
            ASSERT_TRUE(document.load_buffer(text.data(), text.size()));
            const Shape shape = shape_of(document, f.identifier);
            EXPECT_LE(shape.depth, static_cast<int>(3 * chapters::max_section_depth + 10));
            EXPECT_LT(shape.longest_identifier, 1200u);
            if (i > 0) continue;
            // Shortened identifiers are the same in a second export of the project
            // (the fake clock gives both the same time stamps).
            EXPECT_TRUE(written(f.exporter, project, "again." + std::string(f.extension)) == text);
            // (Larger files pass xmllint only with --huge: its dictionary of names has a limit.)
            if (std::string(f.extension) == "reqif") {
                EXPECT_EQ(schema_problems(folder() / name), "");
                EXPECT_EQ(reqif_problems(text), std::vector<std::string>{});
            } else {
                EXPECT_EQ(xmi_problems(text), std::vector<std::string>{});
            }
        }
        EXPECT_LE(bytes_per_object[1], 1.05 * bytes_per_object[0]);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, DeepChainExports,
                         ::testing::Values(DeepChain::DerivedRequirements, DeepChain::SubOptions),
                         [](const auto& info) {
                             return info.param == DeepChain::SubOptions ? "SubOptions" : "DerivedRequirements";
                         });

}  // namespace
