#pragma once

#include <QLine>
#include <QPointer>
#include <QRect>
#include <string>
#include <vector>

#include "ui/toolkit/app_form_resizable.h"

class QLabel;

namespace toolkit {
class AppButton;
class AppPanel;
}  // namespace toolkit

namespace page_geometry {
struct IntReqDiagram;
}  // namespace page_geometry

namespace windows {

// "Explain Objects": the kinds of objects as a diagram of coloured boxes
// joined by arrows; a click on a box explains its kind, and "Integration
// Requirement" adds a small diagram of its own. Maximised, the window
// switches to a presentation layout with larger boxes and short bullet
// texts. Every layout is built on a fresh panel and the old one released
// whole, so resizing leaks nothing.
class ObjectExplainWindow : public toolkit::AppFormResizable {
    Q_OBJECT
public:
    explicit ObjectExplainWindow(QWidget* parent = nullptr);

    QLabel* explain_label() const { return explain_; }
    // The box of a kind, by its caption ("Mandate", ...), or "Integration Requirement".
    toolkit::AppButton* button(const QString& caption) const;
    // The controls of the integration-requirement diagram (empty until made).
    const std::vector<QWidget*>& int_req_controls() const { return int_req_controls_; }
    bool presentation_layout() const { return presentation_; }
    toolkit::AppPanel* layout_panel() const { return panel_; }

protected:
    void relayout() override;

private:
    struct Units {
        int fh = 0;
        int obj_dist = 0;
        int lwr_shift = 0;
        int h_button = 0;
        int w_button = 0;
        int left = 0;
    };
    // The normal layout; returns the height it needs.
    int apply_normal_layout();
    void apply_presentation_layout();
    void start_panel();
    // The panel fills the window below the title bar.
    void fit_panel();
    // The kind boxes, their arrows and the integration-requirement button.
    void add_graph(int top);
    toolkit::AppButton* add_button(const QString& text, int x, int y, const QColor& text_colour, const QColor& fill,
                                   const QFont& font, int w, int h);
    void set_explain_text(const std::string& full, const std::string& bullet);
    void explain_integration();
    // The text in the room given, in a font that lets it show whole.
    void show_explanation(const QString& text, const QRect& room);
    void add_int_req_diagram(const page_geometry::IntReqDiagram& diagram);
    void show_int_req_controls(bool shown);

    Units u_;
    bool presentation_ = false;
    QSize laid_out_size_;
    bool laid_out_presentation_ = false;
    QFont bold_font_;
    QFont label_font_;
    toolkit::AppPanel* panel_ = nullptr;
    class Lines* lines_ = nullptr;
    // Every painted layer of lines, sized with the panel.
    std::vector<class Lines*> line_layers_;
    QLabel* explain_ = nullptr;
    // Where the layout put the explanation label; the integration diagram takes part of it.
    QRect explain_rect_;
    std::vector<toolkit::AppButton*> buttons_;
    std::vector<QWidget*> int_req_controls_;
};

// Opens the window (modeless), or raises the one that is open.
void show_object_explanation(QWidget* parent);

}  // namespace windows
