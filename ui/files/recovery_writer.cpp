#include "ui/files/recovery_writer.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "core/settings/replace_file.h"

namespace recovery {

RecoveryWriter::RecoveryWriter(std::function<void(const std::string&)> named)
    : named_(std::move(named)), thread_([this] { run(); }) {}

RecoveryWriter::~RecoveryWriter() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void RecoveryWriter::write(std::string path, std::string text) {
    {
        std::lock_guard lock(mutex_);
        std::erase_if(jobs_, [](const Job& job) { return job.write; });
        jobs_.push_back({true, std::move(path), std::move(text)});
    }
    wake_.notify_one();
}

void RecoveryWriter::remove(std::string path) {
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back({false, std::move(path), {}});
    }
    wake_.notify_one();
}

void RecoveryWriter::wait_idle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

void RecoveryWriter::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty()) return;  // stopping, and everything given has run
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        busy_ = true;
        lock.unlock();
        if (job.write) {
            // Named first: a crash right after the rename must find the copy
            // named. A name whose file was never written is ignored at start.
            named_(job.path);
            settings_io::replace_file(job.path, job.text);
        } else {
            named_("");
            std::error_code ignored;
            std::filesystem::remove(job.path, ignored);
        }
        lock.lock();
        busy_ = false;
        if (jobs_.empty()) idle_.notify_all();
    }
}

}  // namespace recovery
