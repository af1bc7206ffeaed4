// The handlers of the fatal signals. They run on a state that cannot be
// trusted (a broken heap, a lock held by the interrupted code), so they call
// async-signal-safe functions only: no allocation, no Qt, no stdio.
#include <signal.h>
#include <unistd.h>

#include <array>
#include <cstddef>

#include "ui/app/crash_handler.h"

namespace crash {
namespace {

constexpr std::array fatal_signals{SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};

// What was installed before, chained to so that a memory checker still
// reports the fault; filled once, before any handler can run.
std::array<struct sigaction, fatal_signals.size()> previous_actions{};

// A stack of its own, so that a stack overflow can still be handled.
alignas(16) char handler_stack[64 * 1024];

extern "C" void on_fatal_signal(int signal, siginfo_t* info, void* context) {
    static constexpr char line[] =
        "Morvanta ended by a fatal signal; the next start names the recovery copy of the work.\n";
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, line, sizeof line - 1);
    for (std::size_t i = 0; i < fatal_signals.size(); ++i) {
        if (fatal_signals[i] != signal) continue;
        const struct sigaction& before = previous_actions[i];
        if (before.sa_flags & SA_SIGINFO)
            before.sa_sigaction(signal, info, context);
        else if (before.sa_handler != SIG_DFL && before.sa_handler != SIG_IGN)
            before.sa_handler(signal);
    }
    // The disposition is the default again (SA_RESETHAND): the signal now
    // ends the process as if no handler had been installed.
    ::raise(signal);
}

}  // namespace

void install_fatal_signal_handlers() {
    stack_t stack{};
    stack.ss_sp = handler_stack;
    stack.ss_size = sizeof handler_stack;
    sigaltstack(&stack, nullptr);
    struct sigaction action {};
    action.sa_sigaction = on_fatal_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_SIGINFO | SA_RESETHAND | SA_NODEFER | SA_ONSTACK;
    for (std::size_t i = 0; i < fatal_signals.size(); ++i) sigaction(fatal_signals[i], &action, &previous_actions[i]);
}

}  // namespace crash
