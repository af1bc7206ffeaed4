#pragma once

#include <QPoint>
#include <string>

#include "ui/toolkit/app_form_base.h"

namespace windows {

class BoxView;

// "Show Why": the origin tree of a requirement (modal), drawn upside down so
// that the requirement stands at the bottom and the requirements it comes
// from above it. After every rebuild of the main window's page the tree is
// drawn again from the requirement, or, once it is gone, only the boxes whose
// objects still exist stay.
class OriginTreeWindow : public toolkit::AppFormBase {
    Q_OBJECT
public:
    OriginTreeWindow(const std::string& requirement_uid, const QPoint& at, QWidget* parent = nullptr);

    BoxView* view() const { return view_; }

public slots:
    void refresh();

private:
    // Lays out and draws the tree; false when the requirement is gone.
    bool draw();

    std::string uid_;
    BoxView* view_ = nullptr;
    int depth_ = 0;
    int leaves_ = 0;
};

}  // namespace windows
