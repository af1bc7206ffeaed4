#pragma once

#include <QObject>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ui/files/recovery_cadence.h"
#include "ui/files/recovery_writer.h"
#include "ui/files/session_marker.h"

class MainWindow;

// Keeps a recovery copy of unsaved work before any crash, for the crashes no
// handler survives (a segmentation fault, an abort, a kill): shortly after
// the work changes, the current state is written beside the project under the
// crash handler's recovery name, and the session's marker names it. Saving,
// replacing or closing the project removes the copy, as does a normal end.
// At the next start, the copies of sessions that ended without that are
// named to the user.
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    // session_folder holds the running instances' markers.
    RecoveryKeeper(MainWindow& window, const std::filesystem::path& session_folder);
    ~RecoveryKeeper() override;

    // Error boxes naming the copies of earlier sessions that crashed.
    void tell_about_crashed_sessions();
    // The crash handler told the user of its own copy: this session's marker
    // has nothing more to tell.
    void forget_session();

private:
    void saved_state_shown(bool saved);
    void schedule();
    void take_copy();
    void discard_copy();

    recovery::RecoveryCadence cadence_;
    QTimer timer_;
    std::vector<std::string> crashed_copies_;
    std::unique_ptr<recovery::SessionMarker> marker_;
    recovery::RecoveryWriter writer_;
    // The copy of the current work under its recovery name (named_), or
    // beside it when a file of that name was already there; its time prefix
    // is that of its first write.
    std::string named_;
    std::string copy_;
    std::string time_prefix_;
};

namespace recovery {

// The folder of the session markers inside the user's configuration folder.
std::filesystem::path session_folder();

// Starts keeping recovery copies for the program's window and, once the
// event loop runs, tells the user about crashed sessions.
std::unique_ptr<RecoveryKeeper> keep_recovery_copies(MainWindow& window);

}  // namespace recovery
