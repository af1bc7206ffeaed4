// Replacing a file: what it refuses and why, and what an interruption leaves.
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "core/settings/replace_file.h"
#include "tests/support/fake_platform.h"

namespace {

namespace fs = std::filesystem;
using testing_support::read_file;

class ReplaceFile : public testing_support::PlatformTest {
protected:
    ReplaceFile() { fs::create_directories(folder()); }
    fs::path folder() { return fs::path(fake().documents) / "files"; }
    fs::path at(const std::string& name) { return folder() / name; }
    std::vector<std::string> names() {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(folder())) found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }
};

// Runs body in a child process and returns what it wrote to its pipe, and how
// the child ended.
struct ChildOutcome {
    std::string text;
    int status = 0;
};
template <class Body>
ChildOutcome in_child(Body body) {
    int result[2];
    if (::pipe(result) != 0) return {"no pipe", 0};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(result[0]);
        const std::string text = body();
        (void)!::write(result[1], text.data(), text.size());
        ::_exit(0);
    }
    ::close(result[1]);
    ChildOutcome outcome;
    char buffer[4096];
    for (ssize_t n; (n = ::read(result[0], buffer, sizeof buffer)) > 0;)
        outcome.text.append(buffer, static_cast<size_t>(n));
    ::close(result[0]);
    ::waitpid(child, &outcome.status, 0);
    return outcome;
}

// A target that cannot be reached is refused with the system's reason and
// left as it is: nothing is made beside it.
TEST_F(ReplaceFile, RefusesWhatItCannotReachWithTheSystemsReason) {
    fs::create_symlink("loop_b.xml", at("loop_a.xml"));
    fs::create_symlink("loop_a.xml", at("loop_b.xml"));
    fs::create_symlink("self.xml", at("self.xml"));
    fs::create_directory(at("folder"));
    fs::create_symlink("folder", at("to_folder.xml"));
    std::ofstream(at("plain")) << "a file";
    const std::vector<std::string> before = names();
    const struct {
        const char* target;
        const char* reason;
    } cases[] = {
        {"loop_a.xml", "Too many levels of symbolic links"},
        {"self.xml", "Too many levels of symbolic links"},
        {"to_folder.xml", "Is a directory"},
        {"plain/inside.xml", "Not a directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        const std::string failure = settings_io::replace_file(at(c.target), "content");
        EXPECT_NE(failure.find(std::string(": ") + c.reason), std::string::npos) << failure;
    }
    EXPECT_EQ(names(), before);
    EXPECT_TRUE(fs::is_symlink(at("loop_a.xml")));
    EXPECT_TRUE(fs::is_symlink(at("self.xml")));
    EXPECT_EQ(read_file(at("plain").string()), "a file");
}

// Over an existing file on a read-only file system the system's reason is
// named, not a permission the user lacks. The file system is mounted in a
// mount namespace of a child process of its own.
TEST_F(ReplaceFile, NamesAReadOnlyFileSystem) {
    const fs::path mount_point = at("mounted");
    fs::create_directory(mount_point);
    const ChildOutcome outcome = in_child([&]() -> std::string {
        const int namespaces = ::geteuid() == 0 ? CLONE_NEWNS : CLONE_NEWUSER | CLONE_NEWNS;
        if (::unshare(namespaces) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", mount_point.c_str(), "tmpfs", 0, nullptr) != 0)
            return "skip: no mount namespace here";
        std::ofstream(mount_point / "plan.xml") << "the previous version";
        if (::mount(nullptr, mount_point.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
            return "skip: cannot remount read-only";
        const std::string failure = settings_io::replace_file(mount_point / "plan.xml", "new");
        return failure + "|" + read_file((mount_point / "plan.xml").string());
    });
    if (outcome.text.starts_with("skip: ")) GTEST_SKIP() << outcome.text;
    EXPECT_EQ(outcome.text,
              "Cannot write " + (mount_point / "plan.xml").string() + ": Read-only file system|the previous version");
}

// A request to end the process during a save waits until the temporary file
// is renamed or removed, then does what it would have done: end the process,
// or nothing where the process ignores it.
TEST_F(ReplaceFile, ARequestToEndTheProcessWaitsUntilNoTemporaryFileIsLeft) {
    const std::string content(64 << 20, 'x');
    for (bool ignored : {false, true}) {
        SCOPED_TRACE(ignored ? "ignored" : "default");
        std::ofstream(at("plan.xml")) << "the previous version";
        const ChildOutcome outcome = in_child([&]() -> std::string {
            if (ignored) ::signal(SIGTERM, SIG_IGN);
            // As soon as the temporary file is there, the process is asked to end.
            std::thread asker([this] {
                for (;;) {
                    for (const auto& entry : fs::directory_iterator(folder()))
                        if (entry.path().filename().string().starts_with("plan.xml.tmp")) {
                            ::kill(::getpid(), SIGTERM);
                            return;
                        }
                    std::this_thread::sleep_for(std::chrono::microseconds(100));
                }
            });
            const std::string failure = settings_io::replace_file(at("plan.xml"), content);
            asker.join();
            return "lived on: " + failure;
        });
        EXPECT_EQ(names(), std::vector<std::string>{"plan.xml"});
        EXPECT_EQ(fs::file_size(at("plan.xml")), content.size());
        if (ignored) {
            EXPECT_EQ(outcome.text, "lived on: ");
        } else {
            EXPECT_TRUE(WIFSIGNALED(outcome.status) && WTERMSIG(outcome.status) == SIGTERM) << outcome.text;
        }
    }
}

}  // namespace
