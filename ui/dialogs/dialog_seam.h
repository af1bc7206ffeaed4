#pragma once

#include <memory>

class QDialog;

// Every modal dialog and message box of the program runs through this one
// seam. The program runs them with the dialog's own event loop; tests install
// a runner that answers them from a script, so that every command can be
// driven headless.
namespace dialogs {

class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    // Runs the dialog modally; returns its result code (QDialog::Accepted,
    // QDialog::Rejected, or what the dialog was closed with).
    virtual int run(QDialog& dialog) = 0;
};

// Runs dialog through the installed runner.
int run_modal(QDialog& dialog);

// Replaces the runner; null restores the dialogs' own event loop. Returns the
// previous runner.
std::unique_ptr<ModalRunner> install_runner(std::unique_ptr<ModalRunner> runner);

}  // namespace dialogs
