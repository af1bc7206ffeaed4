#include "ui/dialogs/dialog_seam.h"

#include <QDialog>

namespace dialogs {
namespace {

class ExecRunner : public ModalRunner {
public:
    int run(QDialog& dialog) override { return dialog.exec(); }
};

std::unique_ptr<ModalRunner>& installed() {
    static std::unique_ptr<ModalRunner> runner = std::make_unique<ExecRunner>();
    return runner;
}

}  // namespace

int run_modal(QDialog& dialog) { return installed()->run(dialog); }

std::unique_ptr<ModalRunner> install_runner(std::unique_ptr<ModalRunner> runner) {
    std::unique_ptr<ModalRunner> previous = std::move(installed());
    installed() = runner ? std::move(runner) : std::make_unique<ExecRunner>();
    return previous;
}

}  // namespace dialogs
