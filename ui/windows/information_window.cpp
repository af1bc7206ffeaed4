#include "ui/windows/information_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <cmath>

#include "ui/dialogs/dialog_seam.h"
#include "ui/theme/fonts.h"
#include "ui/theme/scheme.h"
#include "ui/toolkit/app_label.h"
#include "ui/windows/contact_lines.h"

namespace windows {

InformationWindow::InformationWindow(const QString& title, const QString& text, QWidget* parent)
    : AppFormBase(title, parent) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int width = static_cast<int>(0.37 * screen.width());
    const int height = static_cast<int>(0.8 * screen.height());
    resize(width, height);
    move(screen.center() - QPoint(width / 2, height / 2));
    const int m = static_cast<int>(std::lround(gcm::app_font_height() / 2.0));

    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setGeometry(0, title_bar_height() + m, width - m, height - 2 * m - title_bar_height());
    const int flow_width = scroll_->width() - 2 * m;
    // A top-down flow: the text, then the contact lines.
    auto* flow = new toolkit::AppPanel(nullptr, 0, 0, flow_width, 0, gcm::scheme().panel_color);
    text_ = new toolkit::AppLabel(flow, text, gcm::app_font(), m, m, gcm::scheme().panel_text_color);
    text_->setWordWrap(true);
    const int text_width = flow_width - 20;
    text_->setFixedSize(text_width, text_->heightForWidth(text_width));
    int y = text_->geometry().bottom() + 1 + m;
    for (QLabel* line : contact_lines(flow, gcm::app_font())) {
        line->move(m, y);
        y = line->geometry().bottom() + 1 + m;
    }
    flow->resize(flow_width, y);
    scroll_->setWidget(flow);
    QPalette colours = scroll_->palette();
    colours.setColor(QPalette::Window, gcm::scheme().panel_color);
    scroll_->setPalette(colours);
}

void show_information(const QString& title, const QString& text, QWidget* parent) {
    InformationWindow window(title, text, parent);
    dialogs::run_modal(window);
}

}  // namespace windows
