// Fuzzes the reader of lock files, which another process (or another program
// using the same layout) writes beside a project file.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ui/files/file_lock.h"

namespace {

void check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string content(reinterpret_cast<const char*>(data), size);
    const file_commands::LockHolder holder = file_commands::parse_lock_file_content(content);
    check(holder.pid >= 0, "no negative process id");
    if (holder.pid == 0) {
        check(holder.program.empty() && holder.host.empty(), "an unknown holder names nothing");
        check(file_commands::describe_holder(holder).empty(), "an unknown holder is not described");
        return 0;
    }
    check(holder.program.find('\n') == std::string::npos && holder.host.find('\n') == std::string::npos,
          "names are single lines");
    const std::string written = file_commands::lock_file_content(holder);
    check(content.find(written.substr(written.find('\n'))) != std::string::npos,
          "the names are read from the lines as they stand");
    const file_commands::LockHolder again = file_commands::parse_lock_file_content(written);
    check(again.pid == holder.pid && again.program == holder.program && again.host == holder.host,
          "writing and reading again gives the same holder");
    check(!file_commands::describe_holder(holder).empty(), "a known holder is described");
    return 0;
}
