#include <gtest/gtest.h>

#include "exports/exports.h"
#include "tests/exports/export_test.h"

namespace {

using namespace export_tests;

class ReqifExport : public ExportTest {};

TEST_F(ReqifExport, CasesValidateResolveAndMatchTheirExpectedFiles) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        Project& project = make(c.builder);
        const std::string file = std::string(c.name) + ".reqif";
        const std::string text = written(exports::export_reqif, project, file);
        EXPECT_EQ(schema_problems(folder() / file), "");
        EXPECT_EQ(reqif_problems(text), std::vector<std::string>{});
        expect_golden(text, std::string("reqif/") + c.name + "/expected.reqif");
    }
}

}  // namespace
