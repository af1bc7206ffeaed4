#pragma once

#include <QPoint>
#include <string>
#include <vector>

#include "ui/toolkit/app_form_base.h"

class QScrollArea;

namespace toolkit {
class AppButton;
class AppLabel;
}  // namespace toolkit

namespace windows {

class BoxView;

// The hits of a text search (modal): a row of the objects found, as boxes
// with their full commands, and a row of the quantity types found. "Select"
// accepts (the caller selects the objects that still exist), "Close" and Esc
// reject. After every rebuild of the main window's page the object boxes
// whose objects still exist are drawn again at their places.
class SearchResultsWindow : public toolkit::AppFormBase {
    Q_OBJECT
public:
    SearchResultsWindow(const std::string& text, const std::vector<std::string>& uids,
                        const std::vector<size_t>& quantity_types, const QPoint& at, QWidget* parent = nullptr);

    BoxView* objects() const { return objects_; }
    // The row of quantity-type boxes (null when none was found).
    QScrollArea* types() const { return types_; }
    toolkit::AppLabel* header() const { return header_; }
    toolkit::AppButton* select_button() const { return select_; }
    toolkit::AppButton* close_button() const { return close_; }

public slots:
    void refresh();

private:
    QWidget* type_box(QWidget* parent, size_t type_index, int x, int y, int width, int height);

    BoxView* objects_ = nullptr;
    QScrollArea* types_ = nullptr;
    toolkit::AppLabel* header_ = nullptr;
    toolkit::AppButton* select_ = nullptr;
    toolkit::AppButton* close_ = nullptr;
};

}  // namespace windows
