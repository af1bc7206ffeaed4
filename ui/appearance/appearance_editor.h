#pragma once

#include <QPoint>
#include <QPointer>
#include <array>
#include <vector>

#include "core/settings/project_settings.h"
#include "ui/appearance/sample_rows.h"
#include "ui/toolkit/app_form_base.h"

class MainWindow;

namespace toolkit {
class AppButton;
class AppLabel;
class AppPanel;
}  // namespace toolkit

namespace appearance {

// The "Modify Appearance" window: thirteen sample rows with a fill and a text
// colour each, four single colours and five built-in schemes, every choice
// made in the colour picker. Colours are tried in the editor's own copy of the
// settings, which the main window shows live; the project's settings take them
// only on Apply (one undo state, the configuration file written). Any other
// close ends the trial, leaving every project as it was.
class AppearanceEditor : public toolkit::AppFormBase {
    Q_OBJECT
public:
    // Opens the editor beside the main window, or brings the open one to the
    // front; null without a current project.
    static AppearanceEditor* open(MainWindow& window);

    AppearanceEditor(MainWindow& window, const QPoint& at);

    // The colours being tried.
    const ProjectSettings& trial() const { return trial_; }
    bool colours_changed() const { return changed_; }

    // The controls, for whoever drives the window.
    toolkit::AppButton* fill_button(SampleRow row) const { return rows_[index(row)].fill_button; }
    toolkit::AppButton* text_button(SampleRow row) const { return rows_[index(row)].text_button; }
    toolkit::AppPanel* sample_frame(SampleRow row) const { return rows_[index(row)].frame; }
    toolkit::AppPanel* sample_fill(SampleRow row) const { return rows_[index(row)].fill; }
    toolkit::AppLabel* sample_label(SampleRow row) const { return rows_[index(row)].label; }
    toolkit::AppButton* single_colour_button(SingleColour which) const {
        return single_buttons_[static_cast<size_t>(which)];
    }
    toolkit::AppButton* scheme_button(BuiltInScheme which) const { return scheme_buttons_[static_cast<size_t>(which)]; }
    toolkit::AppButton* cancel_button() const { return cancel_; }
    toolkit::AppButton* apply_button() const { return apply_; }

    // The row height h (font height + 8) and the button width w = 7 h.
    int row_height() const { return h_; }

public slots:
    // Accepted applies the colours; any other result ends the trial. Then the window goes.
    void done(int result) override;

private:
    struct Row {
        toolkit::AppPanel* frame = nullptr;
        toolkit::AppPanel* fill = nullptr;
        toolkit::AppLabel* label = nullptr;
        toolkit::AppButton* fill_button = nullptr;
        toolkit::AppButton* text_button = nullptr;
    };
    static size_t index(SampleRow row) { return static_cast<size_t>(row); }

    void build_rows(const QFont& font);
    void build_bottom(const QFont& font);

    // One colour through the picker, opened at the button.
    void pick(ColourField field, const QWidget* button);
    void take_scheme(void (ProjectSettings::*scheme)());
    // A tried change: the editor and the main window show the trial.
    void tried();
    void apply();
    // With nothing tried, the editor follows the project's colours (undo, redo, another project).
    void follow_project_colours();
    // Every control in the colours of the trial.
    void recolour();
    std::vector<toolkit::AppButton*> all_buttons() const;

    QPointer<MainWindow> window_;
    ProjectSettings trial_;
    bool changed_ = false;
    bool closing_ = false;
    int h_ = 0;
    int w_ = 0;

    std::array<Row, sample_row_count> rows_{};
    std::array<toolkit::AppButton*, 4> single_buttons_{};
    std::array<toolkit::AppButton*, 5> scheme_buttons_{};
    toolkit::AppLabel* schemes_heading_ = nullptr;
    toolkit::AppButton* cancel_ = nullptr;
    toolkit::AppButton* apply_ = nullptr;
};

// Makes the main window's "Appearance" command open the editor.
void install(MainWindow& window);

}  // namespace appearance
