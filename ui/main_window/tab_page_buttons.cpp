#include "ui/main_window/tab_page_buttons.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QPainter>

#include "ui/theme/fonts.h"
#include "ui/theme/scheme.h"

namespace {

constexpr int b = gcm::box_border_thickness;

class TabButton : public QAbstractButton {
public:
    TabButton(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
        setText(caption);
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_Hover);
    }
    void set_active(bool active) {
        active_ = active;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        const gcm::Scheme& scheme = gcm::scheme();
        QPainter p(this);
        QColor fill = active_ ? scheme.panel_color : scheme.button_color;
        if (!active_ && underMouse()) fill = fill.darker(105);
        p.fillRect(rect(), scheme.btn_border_color);
        // The active button's lower edge is covered in the canvas colour.
        p.fillRect(rect().adjusted(b, b, -b, active_ ? 0 : -b), fill);
        p.setPen(scheme.panel_text_color);
        p.setFont(font());
        p.drawText(rect(), Qt::AlignCenter, text());
    }

private:
    bool active_ = false;
};

}  // namespace

TabPageButtons::TabPageButtons(QWidget* parent) : QWidget(parent) {
    for (TabPage page : all_tab_pages) {
        auto* button = new TabButton(QString::fromUtf8(caption_of(page).data(), caption_of(page).size()), this);
        buttons_[static_cast<size_t>(page)] = button;
        connect(button, &QAbstractButton::clicked, this, [this, page] { activate(page); });
    }
    set_size_and_font();
    apply_colours();
}

int TabPageButtons::row_height() const { return gcm::app_font_height() + 8; }

void TabPageButtons::activate(TabPage page) {
    if (page == active_) return;
    active_ = page;
    apply_colours();
    emit pageActivated(page);
}

void TabPageButtons::set_size_and_font() {
    const QFont& font = gcm::app_font();
    button_width_ = QFontMetrics(font).horizontalAdvance(QStringLiteral("Requirements")) + 10;
    const int height = row_height();
    resize(6 * button_width_, height);
    for (size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->setFont(font);
        buttons_[i]->setGeometry(static_cast<int>(i) * button_width_, 0, button_width_, height);
    }
}

void TabPageButtons::apply_colours() {
    for (TabPage page : all_tab_pages)
        static_cast<TabButton*>(buttons_[static_cast<size_t>(page)])->set_active(page == active_);
}
