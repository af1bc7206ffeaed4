#include "tests/support/core/recorded_state.h"

#include "core/io/project_writer.h"
#include "tests/support/core/model_dump.h"

namespace testing_support {

Recorded record(Project& project) { return {project_file::project_file_text(project), dump_project(project)}; }

std::string difference(const Recorded& expected, const Recorded& actual) {
    if (std::string d = dump_difference(expected.dump, actual.dump); !d.empty()) return d;
    return dump_difference(expected.saved, actual.saved);
}

}  // namespace testing_support
