#include "ui/windows/hide_show_dialog.h"

#include <QFontMetrics>
#include <QScrollArea>
#include <algorithm>

#include "core/constants/gcc.h"
#include "core/model/node.h"
#include "core/model/project.h"
#include "ui/dialogs/dialog_seam.h"
#include "ui/glue/screen_placement.h"
#include "ui/glue/text_conversion.h"
#include "ui/main_window/main_window_services.h"
#include "ui/theme/fonts.h"
#include "ui/theme/scheme.h"
#include "ui/toolkit/app_button.h"
#include "ui/toolkit/app_combo_box.h"
#include "ui/toolkit/app_label.h"

namespace windows {
namespace {

const std::vector<std::string> hide_show_choices{"Show", "Hide"};
constexpr int show_index = 0;
constexpr int hide_index = 1;

Node* resolve(const std::string& uid) {
    if (!main_window() || !GCC::RP) return nullptr;
    return GCC::RP->_get_pointer_to_node_with_uid(uid);
}

}  // namespace

HideShowDialog::HideShowDialog(const std::vector<std::string>& candidate_uids, const QPoint& at, QWidget* parent)
    : AppFormBase(QStringLiteral("Hide or Show Nodes"), parent) {
    const QFontMetrics metrics(gcm::app_font());
    const int f = metrics.height();
    const int g = static_cast<int>(0.6 * f);
    const int hs_column_pos = metrics.horizontalAdvance(QStringLiteral("  "));
    // Never narrower than the choice's text beside its drop-down button.
    const int hs_width = std::max(metrics.horizontalAdvance(QStringLiteral("Hide w")) + hs_column_pos,
                                  toolkit::AppComboBox::fitted_width(hide_show_choices));
    const int txt_column_pos = 2 * hs_column_pos + hs_width;

    std::vector<QString> texts;
    std::vector<int> presets;
    std::vector<bool> missing;
    int widest = 0;
    for (const std::string& uid : candidate_uids) {
        const Node* node = resolve(uid);
        texts.push_back(node ? glue::to_ui(node->get_short_txt(0)) : QStringLiteral("MISSING NODE"));
        presets.push_back(node && GCC::RP->get_shown_uids().count(uid) ? show_index : hide_index);
        missing.push_back(!node);
        widest = std::max(widest, metrics.horizontalAdvance(texts.back()));
    }
    const int panel_width = widest + txt_column_pos + hs_column_pos;
    const int n = static_cast<int>(candidate_uids.size());
    const int button_area = f + 3 * g + 8;
    const int rows_area = n * (f + g) + 2 * g;
    const int title = title_bar_height();
    const int needed = title + rows_area + button_area;
    const QRect area = glue::available_geometry_at(at);
    const int height_limit = static_cast<int>(0.85 * area.height());
    const bool scrolls = needed > height_limit - 2;
    const int m = scrolls ? 12 : 2;
    const int width_limit = static_cast<int>(0.9 * area.width());
    const int width = (panel_width + m <= width_limit ? panel_width : width_limit) + 3 * g + m;
    const int height = (needed + 2 <= height_limit ? needed : height_limit) + 2;
    resize(width, height);

    rows_ = new QScrollArea(this);
    rows_->setFrameShape(QFrame::NoFrame);
    rows_->setGeometry(1, title, width - m, height - button_area - title);
    auto* panel = new toolkit::AppPanel(nullptr, 0, 0, panel_width, rows_area, gcm::scheme().panel_color);
    rows_->setWidget(panel);
    rows_->setHorizontalScrollBarPolicy(scrolls ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    rows_->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);

    int y = g;
    for (int i = 0; i < n; ++i) {
        auto* choice = new toolkit::AppComboBox(panel, hs_column_pos, y, hs_width, hide_show_choices,
                                                presets[static_cast<size_t>(i)]);
        choice->setEnabled(!missing[static_cast<size_t>(i)]);
        // The choices keep Enter and Esc to themselves and pass them on: they end the dialog.
        connect(choice, &toolkit::AppComboBox::keyPassed, this, [this](int key) {
            if (key == Qt::Key_Return || key == Qt::Key_Enter) accept();
            if (key == Qt::Key_Escape) reject();
        });
        choices_.push_back(choice);
        new toolkit::AppLabel(panel, texts[static_cast<size_t>(i)], txt_column_pos, y + 2, gcm::scheme().panel_text_color);
        y += f + g;
    }

    const int buttons_y = rows_->geometry().bottom() + 1 + g;
    ok_ = new toolkit::AppButton(this, QStringLiteral("OK"), hs_column_pos, buttons_y, 0, 0);
    cancel_ = new toolkit::AppButton(this, QStringLiteral("Cancel"), ok_->geometry().right() + 1 + hs_column_pos,
                                     buttons_y, 0, 0);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    glue::place_near_edges(*this, at, 50);
}

int HideShowDialog::get_hide_show_int(size_t i) const {
    return i < choices_.size() && choices_[i]->currentIndex() == show_index ? show_index : hide_index;
}

QString HideShowDialog::get_hide_show_string(size_t i) const {
    return QString::fromStdString(hide_show_choices[static_cast<size_t>(get_hide_show_int(i))]);
}

void choose_shown_candidates(const std::vector<std::string>& candidate_uids, const QPoint& at) {
    if (!main_window() || !GCC::RP) return;
    HideShowDialog dialog(candidate_uids, at, dynamic_cast<QWidget*>(main_window()));
    if (dialogs::run_modal(dialog) != QDialog::Accepted || !GCC::RP) return;
    auto shown = GCC::RP->get_shown_uids();
    for (size_t i = 0; i < candidate_uids.size(); ++i) {
        const std::string& uid = candidate_uids[i];
        // A missing candidate is never shown, nor touched.
        if (!resolve(uid)) continue;
        if (dialog.get_hide_show_int(i) == show_index)
            shown.insert(uid);
        else
            shown.erase(uid);
    }
    if (shown == GCC::RP->get_shown_uids()) return;
    GCC::RP->get_shown_uids() = std::move(shown);
    GCC::RP->add_uid_state(GCC::RP);
    main_window()->update_undo_redo_buttons();
    main_window()->request_tree_rebuild();
    main_window()->request_page_rebuild(true);
}

}  // namespace windows
