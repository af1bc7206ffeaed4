#pragma once

#include <QWidget>
#include <array>

#include "ui/main_window/tab_page.h"

class QAbstractButton;

// The row of six buttons that switches the tab pages. The active page's button
// has the canvas colour and no lower border, so it opens into the canvas; the
// others have the button colour. Exactly one page is active; the Project page
// from the start.
class TabPageButtons : public QWidget {
    Q_OBJECT
public:
    explicit TabPageButtons(QWidget* parent);

    TabPage active() const { return active_; }
    // As a click: nothing when the page is active already.
    void activate(TabPage page);

    // Each button as wide as "Requirements" in the application font + 10, as
    // high as the font + 8.
    int button_width() const { return button_width_; }
    int row_height() const;
    void set_size_and_font();
    void apply_colours();
    QAbstractButton* button(TabPage page) const { return buttons_[static_cast<size_t>(page)]; }

signals:
    // The active page changed (never for a click on the active one).
    void pageActivated(TabPage page);

private:
    std::array<QAbstractButton*, 6> buttons_{};
    TabPage active_ = TabPage::Project;
    int button_width_ = 0;
};
