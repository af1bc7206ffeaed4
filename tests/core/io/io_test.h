#pragma once

#include <string>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "tests/support/core/core_test.h"

namespace io_testing {

// A fake desktop, a clean process and helpers to put project files into the
// fake Documents folder.
class IoTest : public testing_support::CoreTest {
public:
    std::string documents() { return fake().documents; }
    std::string path_of(const std::string& name) { return fake().documents + "/" + name; }
    // Writes a file with exactly this content.
    void put_file(const std::string& name, const std::string& content);
    // A project file: the declaration and "ROOT" around the given elements.
    static std::string project_file(const std::string& elements);
    // Puts the file and reads it into the current project; the reader's text.
    std::string open_file(const std::string& name, const std::string& content);
    template <typename Kind = Node>
    Kind* object(const std::string& uid) {
        return static_cast<Kind*>(GCC::RP->_get_pointer_to_node_with_uid(uid));
    }
};

}  // namespace io_testing
