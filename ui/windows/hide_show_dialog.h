#pragma once

#include <QPoint>
#include <string>
#include <vector>

#include "ui/toolkit/app_form_base.h"

class QScrollArea;

namespace toolkit {
class AppButton;
class AppComboBox;
}  // namespace toolkit

namespace windows {

// The choice of which candidates of a stacked V-diagram place are shown: one
// row per candidate with "Show" or "Hide" and its short text. A candidate
// that no longer exists reads "MISSING NODE", stays on "Hide" and cannot be
// changed. The dialog only collects the answers.
class HideShowDialog : public toolkit::AppFormBase {
    Q_OBJECT
public:
    HideShowDialog(const std::vector<std::string>& candidate_uids, const QPoint& at, QWidget* parent = nullptr);

    // 0 (Show) or 1 (Hide) for candidate i, and the chosen text.
    int get_hide_show_int(size_t i) const;
    QString get_hide_show_string(size_t i) const;

    toolkit::AppComboBox* choice(size_t i) const { return choices_[i]; }
    QScrollArea* rows() const { return rows_; }
    toolkit::AppButton* ok_button() const { return ok_; }
    toolkit::AppButton* cancel_button() const { return cancel_; }

private:
    std::vector<toolkit::AppComboBox*> choices_;
    QScrollArea* rows_ = nullptr;
    toolkit::AppButton* ok_ = nullptr;
    toolkit::AppButton* cancel_ = nullptr;
};

// Runs the dialog over the candidates and applies the answer to the
// project's shown-uid set: one undo state and the tree and page rebuilds when
// the set changed, nothing otherwise.
void choose_shown_candidates(const std::vector<std::string>& candidate_uids, const QPoint& at);

}  // namespace windows
