#pragma once

#include <QPoint>
#include <string>

#include "ui/toolkit/app_form_resizable.h"

namespace windows {

class BoxView;

// The parents and the children of one object around its box, joined by
// connectors (modeless). It redraws itself after every rebuild of the main
// window's page: from scratch while the object exists, otherwise keeping
// the parent and child boxes whose objects still exist at their places.
class RelatedObjectsWindow : public toolkit::AppFormResizable {
    Q_OBJECT
public:
    RelatedObjectsWindow(const std::string& uid, const QPoint& at, QWidget* parent = nullptr);

    const std::string& uid() const { return uid_; }
    BoxView* view() const { return view_; }
    // The width of the row of boxes (before the window is capped to the screen).
    int panel_width() const { return panel_width_; }

public slots:
    void refresh();

protected:
    void relayout() override;

private:
    void draw();

    std::string uid_;
    BoxView* view_ = nullptr;
    int panel_width_ = 0;
};

}  // namespace windows
