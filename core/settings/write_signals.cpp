#include "core/settings/write_signals.h"

#include <signal.h>

#include <array>
#include <csignal>
#include <mutex>

namespace settings_io {
namespace {

constexpr std::array<int, 3> termination_signals{SIGTERM, SIGINT, SIGHUP};

volatile std::sig_atomic_t noted_termination = 0;

extern "C" void note_termination(int signal) { noted_termination = signal; }

// The dispositions are the process's: the first scope replaces them, the
// last one puts them back.
struct HeldDispositions {
    std::mutex mutex;
    int scopes = 0;
    std::array<struct sigaction, termination_signals.size()> previous_termination{};
    struct sigaction previous_file_size {};
};

HeldDispositions& held() {
    static HeldDispositions dispositions;
    return dispositions;
}

}  // namespace

WriteSignalsHeld::WriteSignalsHeld() {
    HeldDispositions& h = held();
    const std::lock_guard lock(h.mutex);
    if (h.scopes++ > 0) return;
    noted_termination = 0;
    struct sigaction note {};
    note.sa_handler = note_termination;
    sigemptyset(&note.sa_mask);
    note.sa_flags = SA_RESTART;
    for (size_t i = 0; i < termination_signals.size(); ++i)
        sigaction(termination_signals[i], &note, &h.previous_termination[i]);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGXFSZ, &ignore, &h.previous_file_size);
}

WriteSignalsHeld::~WriteSignalsHeld() {
    HeldDispositions& h = held();
    int noted = 0;
    {
        const std::lock_guard lock(h.mutex);
        if (--h.scopes > 0) return;
        sigaction(SIGXFSZ, &h.previous_file_size, nullptr);
        for (size_t i = 0; i < termination_signals.size(); ++i)
            sigaction(termination_signals[i], &h.previous_termination[i], nullptr);
        noted = noted_termination;
        noted_termination = 0;
    }
    // Now the signal does what it would have done (usually: end the process).
    if (noted != 0) ::raise(noted);
}

}  // namespace settings_io
