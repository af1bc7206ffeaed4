#include "tests/core/io/io_test.h"

#include <fstream>

namespace io_testing {

void IoTest::put_file(const std::string& name, const std::string& content) {
    std::ofstream out(path_of(name), std::ios::binary);
    out << content;
}

std::string IoTest::project_file(const std::string& elements) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ROOT>\n" + elements + "\n</ROOT>\n";
}

std::string IoTest::open_file(const std::string& name, const std::string& content) {
    put_file(name, content);
    return GCC::RP->add_from_file(documents(), name);
}

}  // namespace io_testing
