#include "ui/windows/review_windows.h"

#include <QFontMetrics>
#include <algorithm>

#include "core/constants/gcc.h"
#include "core/model/mandate.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/readiness_level.h"
#include "core/queries/node_filters.h"
#include "ui/glue/screen_placement.h"
#include "ui/theme/scheme.h"
#include "ui/toolkit/app_button.h"
#include "ui/toolkit/app_combo_box.h"
#include "ui/toolkit/app_label.h"
#include "ui/windows/box_view.h"

namespace windows {
namespace {

Node* resolve(const std::string& uid) { return GCC::RP ? GCC::RP->_get_pointer_to_node_with_uid(uid) : nullptr; }

std::vector<std::string> uids_of(const NodeList& nodes) {
    std::vector<std::string> uids;
    for (const Node* node : nodes) uids.push_back(node->get_uid());
    return uids;
}

const Option* option_of(const std::string& uid) {
    Node* node = resolve(uid);
    return node && node->is_opt() ? static_cast<const Option*>(node) : nullptr;
}

}  // namespace

// ---------------------------------------------------------------- the frame

ReviewWindow::ReviewWindow(const QString& title, const QString& label, bool with_choice, const QPoint& at,
                           QWidget* parent)
    : AppFormBase(title, parent) {
    const QRect area = glue::available_geometry_at(at);
    const QFont font = capped_app_font(area.height(), 42);
    setFont(font);
    rows_ = new BoxView(this, font);
    const page_geometry::BoxMetrics m = rows_->metrics();
    const int d = m.f;
    const int width = (m.w + 3 * d) * 3;
    auto* text = new toolkit::AppLabel(this, label, font, d, title_bar_height() + d, gcm::scheme().panel_text_color);
    text->setObjectName(QStringLiteral("review_label"));
    int y = text->geometry().bottom() + 1 + d;
    if (with_choice) {
        choice_ = new toolkit::AppComboBox(this, d, y, 0, {}, -1);
        choice_->setFont(font);
        y = choice_->geometry().bottom() + 1 + d;
    }
    rows_->setGeometry(d, y, width - 2 * d, 2 * m.h + 5 * d);
    close_ = new toolkit::AppButton(this, QStringLiteral("Close"), font, d, rows_->geometry().bottom() + 1 + d, 0, 0);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    resize(width, close_->geometry().bottom() + 1 + d);
    glue::place_near_edges(*this, at, d);
}

int ReviewWindow::gap() const { return rows_->metrics().f; }

void ReviewWindow::clear_messages() {
    for (toolkit::AppLabel* message : messages_) message->deleteLater();
    messages_.clear();
}

std::vector<QString> ReviewWindow::row_messages() const {
    std::vector<QString> texts;
    for (const toolkit::AppLabel* message : messages_) texts.push_back(message->text());
    return texts;
}

void ReviewWindow::show_message(const QString& text) {
    auto* label = new toolkit::AppLabel(rows_->viewport(), text, font(), 0, 0, gcm::scheme().panel_text_color);
    label->show();
    messages_.push_back(label);
}

void ReviewWindow::show_rows(const std::vector<Row>& rows) {
    clear_messages();
    const page_geometry::BoxMetrics m = rows_->metrics();
    const int pitch = m.w + 2 * m.f;
    page_geometry::PageBuilder page = rows_->builder();
    size_t longest = 0;
    for (const Row& row : rows) {
        int x = 0;
        for (const std::string& uid : row.uids)
            if (page.add_box(resolve(uid), x, row.y) >= 0) x += pitch;
        longest = std::max(longest, row.uids.size());
        if (row.uids.empty() && !row.empty_message.isEmpty()) {
            show_message(row.empty_message);
            messages_.back()->move(0, row.y);
        }
    }
    const int content = pitch * static_cast<int>(longest);
    const bool scrolls = content > rows_->width();
    rows_->setHorizontalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    rows_->show_page(page.take(), QSize(content, scrolls ? rows_->height() - 2 * m.f : 0));
}

// ---------------------------------------------------------------- integration requirements

namespace {

QString int_req_label(bool none) {
    return none ? QStringLiteral("There are no Option objects that are lacking an Integration Requirement.")
                : QStringLiteral("All Option objects below are lacking an Integration Requirement:");
}

}  // namespace

IntReqReviewWindow::IntReqReviewWindow(std::vector<std::string> option_uids, const QPoint& at, QWidget* parent)
    : ReviewWindow(QStringLiteral("Review Integration Requirements"), int_req_label(false), false, at, parent),
      option_uids_(std::move(option_uids)) {
    refresh();
}

void IntReqReviewWindow::refresh() {
    std::vector<std::string> lacking;
    for (const std::string& uid : option_uids_)
        if (const Option* option = option_of(uid); option && !option->get_integration_requirement())
            lacking.push_back(uid);
    if (auto* label = findChild<toolkit::AppLabel*>(QStringLiteral("review_label"))) {
        label->setText(int_req_label(lacking.empty()));
        label->adjustSize();
    }
    const size_t first = (lacking.size() + 1) / 2;
    const page_geometry::BoxMetrics m = rows()->metrics();
    Row upper{{lacking.begin(), lacking.begin() + static_cast<std::ptrdiff_t>(first)}, m.f, {}};
    Row lower{{lacking.begin() + static_cast<std::ptrdiff_t>(first), lacking.end()}, 2 * m.f + m.h, {}};
    show_rows({upper, lower});
}

// ---------------------------------------------------------------- evidence

EvidenceReviewWindow::EvidenceReviewWindow(std::string mandate_uid, const QPoint& at, QWidget* parent)
    : ReviewWindow(QStringLiteral("Review the Evidence"),
                   QStringLiteral("All Evidence objects below must increase to the selected readiness level:"), true,
                   at, parent),
      mandate_uid_(std::move(mandate_uid)) {
    // Ten levels, 0 to 9: a required level of 9 asks for 10, which no entry shows.
    to_level_ = ReadinessLevel::get_reqd_level() + 1;
    const auto& levels = ReadinessLevel::get_levels();
    choice_->set_items({levels.begin(), levels.end()}, to_level_);
    choice_->set_font_and_fit(0);
    connect(choice_, &toolkit::AppComboBox::selectedIndexChanged, this, [this](int index) {
        if (index < 0 || index >= static_cast<int>(ReadinessLevel::get_levels().size())) return;
        to_level_ = index;
        refresh();
    });
    refresh();
}

void EvidenceReviewWindow::refresh() {
    Node* node = resolve(mandate_uid_);
    const Mandate* mandate = node && node->is_man() ? static_cast<const Mandate*>(node) : nullptr;
    const NodeList lacking = mandate ? mandate->get_nodes_that_lack_evd(to_level_) : NodeList{};
    if (lacking.empty()) {
        show_rows({});
        if (!GCC::RP)
            show_message(QStringLiteral("ERROR: No root_project has been found."));
        else if (GCC::RP->get_rlevel().get_min_level(false) >= to_level_)
            show_message(QStringLiteral("The Project meets the requested Readiness Level."));
        else
            show_message(QStringLiteral("The Project does not meet the requested Readiness Level.\nNothing is found."));
        return;
    }
    const NodeList evidence = MyFF::filter_evd_nodes(lacking);
    NodeList others;
    for (Node* n : lacking)
        if (std::find(evidence.begin(), evidence.end(), n) == evidence.end()) others.push_back(n);
    const page_geometry::BoxMetrics m = rows()->metrics();
    show_rows({{uids_of(evidence), m.f, QStringLiteral("No Evidence found that needs a higher readiness level.")},
               {uids_of(others), 3 * m.f + m.h,
                QStringLiteral("No non-Evidence found that needs a higher readiness level.")}});
}

}  // namespace windows
