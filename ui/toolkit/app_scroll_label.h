#pragma once

#include <QWidget>

#include "ui/toolkit/scroll_text.h"

namespace toolkit {

// A panel that shows a wrapped text and scrolls it with the mouse wheel; its
// bottom corners are rounded to sit inside a rounded box.
class AppScrollLabel : public QWidget {
    Q_OBJECT
public:
    AppScrollLabel(QWidget* parent, const QString& text, const QFont& font, int x, int y, int w, int h);

    void set_text(const QString& text);
    QString text() const { return scroll_.text(); }
    void set_font(const QFont& font);
    const ScrollText& scroll() const { return scroll_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void update_region_to_rounded_bottom_corners();

    ScrollText scroll_;
};

}  // namespace toolkit
