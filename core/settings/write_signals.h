#pragma once

namespace settings_io {

// While one lives, in any thread: a request to end the process (SIGTERM,
// SIGINT, SIGHUP) is only noted and raised again when the last one ends, so
// that a file being replaced is renamed or removed before the process goes;
// and exceeding the file-size limit fails the write (EFBIG) instead of ending
// the process. The signal handler does nothing but note the signal.
class WriteSignalsHeld {
public:
    WriteSignalsHeld();
    ~WriteSignalsHeld();
    WriteSignalsHeld(const WriteSignalsHeld&) = delete;
    WriteSignalsHeld& operator=(const WriteSignalsHeld&) = delete;
};

}  // namespace settings_io
