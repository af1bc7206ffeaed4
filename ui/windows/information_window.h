#pragma once

#include "ui/toolkit/app_form_base.h"

class QLabel;
class QScrollArea;

namespace windows {

// "About" and "Privacy Policy": a title, the text scrolling in the window,
// and the maker's contact lines. Centred on the screen, 37 % of its width by
// 80 % of its height.
class InformationWindow : public toolkit::AppFormBase {
    Q_OBJECT
public:
    InformationWindow(const QString& title, const QString& text, QWidget* parent = nullptr);

    QLabel* text_label() const { return text_; }
    QScrollArea* scroll_area() const { return scroll_; }

private:
    QLabel* text_ = nullptr;
    QScrollArea* scroll_ = nullptr;
};

// Shows the window modally.
void show_information(const QString& title, const QString& text, QWidget* parent);

}  // namespace windows
