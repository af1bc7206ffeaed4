#pragma once

#include <pthread.h>

#include <cstddef>
#include <functional>
#include <stdexcept>

namespace testing_support {

// Runs work on a thread of its own with a small stack and waits for it: a
// walk that recursed as deep as a deep graph would overflow it.
inline void run_on_small_stack(size_t stack_bytes, const std::function<void()>& work) {
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, stack_bytes);
    pthread_t thread;
    auto start = [](void* argument) -> void* {
        (*static_cast<const std::function<void()>*>(argument))();
        return nullptr;
    };
    const int failed = pthread_create(&thread, &attributes, start, const_cast<std::function<void()>*>(&work));
    pthread_attr_destroy(&attributes);
    if (failed) throw std::runtime_error("no thread for a small stack");
    pthread_join(thread, nullptr);
}

}  // namespace testing_support
