#pragma once

#include <QColor>
#include <QLabel>

namespace toolkit {

// A label that shows its text literally (model text may hold "<b>"), sized to it.
class AppLabel : public QLabel {
    Q_OBJECT
public:
    explicit AppLabel(QWidget* parent = nullptr);
    AppLabel(QWidget* parent, const QString& text, const QFont& font, int x, int y, const QColor& colour);
    // In the application font.
    AppLabel(QWidget* parent, const QString& text, int x, int y, const QColor& colour);
};

// A plain panel in one colour.
class AppPanel : public QWidget {
    Q_OBJECT
public:
    AppPanel(QWidget* parent, int x, int y, int w, int h, const QColor& colour);
    void set_colour(const QColor& colour);
};

}  // namespace toolkit
