#pragma once

#include <functional>
#include <string>

// The last line of defence. Every failure that nothing else handled (an
// exception escaping an event handler, start-up or the event loop, or
// std::terminate) reaches attempt_auto_save: the current project writes a
// recovery copy of its last recorded state into its folder, the user is told
// where it is, and the process ends at once. A second failure while that runs
// (its message box is open) goes straight to the fatal end.
namespace crash {

// Runs once the user has been told of the crash handler's recovery copy,
// before the process ends (empty: nothing).
void set_after_report(std::function<void()> action);

// SIGSEGV, SIGBUS, SIGILL, SIGFPE and SIGABRT: after one of them nothing of
// the program can be trusted, so the handler only writes a fixed line to the
// error output, passes the signal to a handler installed before it (a memory
// checker's) and ends the process by the signal's own default action. The
// work survives in the copy kept before the crash, which the next start names.
void install_fatal_signal_handlers();

// Ends the process; never returns.
[[noreturn]] void attempt_auto_save(const std::string& message);

// Installs the terminate handler; the first thing the program does.
void install_terminate_handler();

// The exit code of a process ended by the crash handler.
inline constexpr int exit_code = 70;

// Ends the process at once, without clean-up, after writing text to the
// system's error output.
[[noreturn]] void fail_fast(const std::string& text);

}  // namespace crash
