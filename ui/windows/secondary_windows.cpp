#include "ui/windows/secondary_windows.h"

#include <QCursor>

#include "core/constants/gcc.h"
#include "core/model/mandate.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "ui/dialogs/dialog_seam.h"
#include "ui/main_window/main_window.h"
#include "ui/theme/texts.h"
#include "ui/toolkit/message_box.h"
#include "ui/windows/comment_popup.h"
#include "ui/windows/hide_show_dialog.h"
#include "ui/windows/information_window.h"
#include "ui/windows/object_explain_window.h"
#include "ui/windows/origin_tree_window.h"
#include "ui/windows/related_objects_window.h"
#include "ui/windows/review_windows.h"
#include "ui/windows/search_results_window.h"

namespace windows {
namespace {

// A modal viewer that follows the main window's rebuilds while it is open.
template <typename Viewer>
int run_viewer(MainWindow& main, Viewer& viewer) {
    QObject::connect(&main, &MainWindow::pageRebuilt, &viewer, &Viewer::refresh);
    return dialogs::run_modal(viewer);
}

void review_int_reqs(MainWindow& main) {
    if (!GCC::RP) return;
    std::vector<std::string> uids;
    for (const Option* option : GCC::RP->get_options_that_need_int_req()) uids.push_back(option->get_uid());
    if (uids.empty())
        toolkit::show_info(QStringLiteral("There are no Options that\nlack an Integration Requirement."));
    else
        main.show_int_req_review(uids, QCursor::pos());
}

void review_evidence(MainWindow& main) {
    if (!GCC::RP) return;
    if (const Mandate* mandate = GCC::RP->get_mandate())
        main.show_evidence_review(mandate->get_uid(), QCursor::pos());
    else
        toolkit::show_error(QStringLiteral("No Mandate can be found in the Project."));
}

}  // namespace

void install(MainWindow& window) {
    MainWindow* main = &window;
    MainWindow::SecondaryWindows secondary;
    secondary.comment_popup = [](const std::string& uid, const QPoint& at) { CommentPopup::open(uid, at); };
    secondary.related_objects = [main](const std::string& uid, const QPoint& at) {
        if (!GCC::RP || !GCC::RP->_get_pointer_to_node_with_uid(uid)) return;
        auto* related = new RelatedObjectsWindow(uid, at, main);
        QObject::connect(main, &MainWindow::pageRebuilt, related, &RelatedObjectsWindow::refresh);
        related->show();
    };
    secondary.hide_show = [](const std::vector<std::string>& uids, const QPoint& at) {
        choose_shown_candidates(uids, at);
    };
    secondary.search_results = [main](const std::string& text, const std::vector<std::string>& uids,
                                      const std::vector<size_t>& types, const QPoint& at) {
        SearchResultsWindow viewer(text, uids, types, at, main);
        return run_viewer(*main, viewer) == QDialog::Accepted;
    };
    secondary.int_req_review = [main](const std::vector<std::string>& uids, const QPoint& at) {
        IntReqReviewWindow viewer(uids, at, main);
        run_viewer(*main, viewer);
    };
    secondary.evidence_review = [main](const std::string& uid, const QPoint& at) {
        EvidenceReviewWindow viewer(uid, at, main);
        run_viewer(*main, viewer);
    };
    secondary.origin_tree = [main](const std::string& uid, const QPoint& at) {
        OriginTreeWindow viewer(uid, at, main);
        run_viewer(*main, viewer);
    };
    window.install_secondary_windows(std::move(secondary));
    window.install_command(Command::ReviewIntReqs, [main] { review_int_reqs(*main); });
    window.install_command(Command::ReviewEvidence, [main] { review_evidence(*main); });
    window.install_command(Command::Explain, [main] { show_object_explanation(main); });
    window.install_command(Command::About, [main] {
        show_information(QStringLiteral("About Morvanta"), gcm::about_text(), main);
    });
    window.install_command(Command::Privacy, [main] {
        show_information(QStringLiteral("Morvanta Privacy Policy"), gcm::privacy_policy_text(), main);
    });
}

}  // namespace windows
