#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace recovery {

// Writes recovery copies on a thread of its own, so that the window only pays
// for the project text. Jobs run in the order given; a copy waiting to be
// written is dropped when a newer one arrives, as only the latest work
// matters. Every copy replaces its file atomically (a temporary file flushed
// to the disk, then renamed), so a crash at any moment leaves the previous
// copy or the new one whole.
class RecoveryWriter {
public:
    // `named` runs on the writer's thread with the path of the copy that is
    // to hold the work, before it is written, or with "" before a copy is
    // removed.
    explicit RecoveryWriter(std::function<void(const std::string& copy)> named);
    // Finishes the jobs given so far.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    void write(std::string path, std::string text);
    void remove(std::string path);
    // Returns once every job given so far has run.
    void wait_idle();

private:
    struct Job {
        bool write;
        std::string path;
        std::string text;
    };
    void run();

    std::function<void(const std::string&)> named_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Job> jobs_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace recovery
