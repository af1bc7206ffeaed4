#include "ui/appearance/appearance_editor.h"

#include <QFontMetrics>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "ui/appearance/colour_picker.h"
#include "ui/appearance/window_font.h"
#include "ui/dialogs/dialog_seam.h"
#include "ui/glue/colours.h"
#include "ui/glue/screen_placement.h"
#include "ui/glue/text_conversion.h"
#include "ui/main_window/main_window.h"
#include "ui/theme/scheme.h"
#include "ui/toolkit/app_button.h"
#include "ui/toolkit/app_label.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/title_bar.h"

namespace appearance {
namespace {

constexpr int b = gcm::box_border_thickness;
constexpr int left = 20;
constexpr int gap = 10;
constexpr int edge_margin = 10;

RGB_Color to_rgb(const QColor& colour) { return RGB_Color(colour.red(), colour.green(), colour.blue()); }

void set_text_colour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

}  // namespace

AppearanceEditor* AppearanceEditor::open(MainWindow& window) {
    if (!GCC::RP) return nullptr;
    // One editor at a time: two would each show and revert their own trial.
    for (AppearanceEditor* editor : window.findChildren<AppearanceEditor*>()) {
        if (editor->closing_) continue;
        editor->raise();
        editor->activateWindow();
        return editor;
    }
    auto* editor = new AppearanceEditor(window, glue::screen_pos(0.1, 0.1));
    editor->show();
    return editor;
}

AppearanceEditor::AppearanceEditor(MainWindow& window, const QPoint& at)
    : AppFormBase(QStringLiteral("Modify Appearance"), &window), window_(&window) {
    if (GCC::RP) trial_ = GCC::RP->get_settings();
    const QFont font = window_font();
    setFont(font);
    h_ = QFontMetrics(font).height() + 8;
    w_ = 7 * h_;
    build_rows(font);
    build_bottom(font);
    resize(3 * w_ + 70, title_bar_height() + 17 * h_ + 185);
    recolour();
    glue::place_near_edges(*this, at, edge_margin);
    connect(&window, &MainWindow::coloursApplied, this, &AppearanceEditor::follow_project_colours);
}

void AppearanceEditor::build_rows(const QFont& font) {
    const int top = title_bar_height() + gap;
    for (const SampleRowSpec& spec : sample_rows()) {
        Row& row = rows_[index(spec.row)];
        const int y = top + static_cast<int>(index(spec.row)) * (h_ + gap);
        row.frame = new toolkit::AppPanel(this, left, y, w_, h_, QColor());
        row.fill = new toolkit::AppPanel(row.frame, b, b, w_ - 2 * b, h_ - 2 * b, QColor());
        row.label = new toolkit::AppLabel(row.fill, glue::to_ui(spec.label), font, 10, 0, QColor());
        row.label->move(10, (row.fill->height() - row.label->height()) / 2);
        const QString fill_caption = QString::fromLatin1(spec.fill_caption);
        row.fill_button = new toolkit::AppButton(this, fill_caption, font, w_ + 30, y, w_, h_);
        row.text_button = new toolkit::AppButton(this, QStringLiteral("Text Color"), font, 2 * (w_ + 20), y, w_, h_);
        const ColourField fill = spec.fill;
        const ColourField text = spec.text;
        toolkit::AppButton* fill_button = row.fill_button;
        toolkit::AppButton* text_button = row.text_button;
        connect(fill_button, &QPushButton::clicked, this, [this, fill, fill_button] { pick(fill, fill_button); });
        connect(text_button, &QPushButton::clicked, this, [this, text, text_button] { pick(text, text_button); });
    }
}

void AppearanceEditor::build_bottom(const QFont& font) {
    const int q = (3 * w_ - 10) / 4;
    const std::array<int, 4> x{left, q + 30, 2 * (q + 20), 3 * (q + 10) + 20};
    int y = title_bar_height() + gap + sample_row_count * (h_ + gap);

    for (size_t i = 0; i < single_colours().size(); ++i) {
        const SingleColourSpec& spec = single_colours()[i];
        auto* button = new toolkit::AppButton(this, QString::fromLatin1(spec.caption), font, x[i], y, q, h_);
        const ColourField field = spec.field;
        connect(button, &QPushButton::clicked, this, [this, field, button] { pick(field, button); });
        single_buttons_[i] = button;
    }

    y += h_ + gap;
    schemes_heading_ = new toolkit::AppLabel(this, QStringLiteral("Predefined color scemes:"), font, left, y, QColor());
    schemes_heading_->move(left, y + (h_ - schemes_heading_->height()) / 2);

    y += h_ + gap;
    for (size_t i = 0; i < schemes().size(); ++i) {
        const SchemeSpec& spec = schemes()[i];
        // Three on one line, the two colourful ones on the next beside Cancel and Apply.
        const int line_y = i < 3 ? y : y + h_ + gap;
        auto* button = new toolkit::AppButton(this, QString::fromLatin1(spec.caption), font, x[i % 3], line_y, q, h_);
        const auto scheme = spec.apply;
        connect(button, &QPushButton::clicked, this, [this, scheme] { take_scheme(scheme); });
        scheme_buttons_[i] = button;
    }

    y += h_ + gap;
    cancel_ = new toolkit::AppButton(this, QStringLiteral("Cancel"), font, x[2], y, q, h_);
    apply_ = new toolkit::AppButton(this, QStringLiteral("Apply"), font, x[3], y, q, h_);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(apply_, &QPushButton::clicked, this, &QDialog::accept);
}

// ---------------------------------------------------------------- trying colours

void AppearanceEditor::pick(ColourField field, const QWidget* button) {
    if (!window_ || closing_) return;
    ColourPicker picker(glue::to_qcolor(trial_.*field), button->mapToGlobal(QPoint(0, 0)), this);
    if (dialogs::run_modal(picker) != QDialog::Accepted) return;
    trial_.*field = to_rgb(picker.selected_colour());
    tried();
}

void AppearanceEditor::take_scheme(void (ProjectSettings::*scheme)()) {
    if (!window_ || closing_ || !GCC::RP) return;
    (trial_.*scheme)();
    tried();
}

void AppearanceEditor::tried() {
    changed_ = true;
    if (window_) window_->show_trial_colours(trial_);
    recolour();
}

void AppearanceEditor::follow_project_colours() {
    if (changed_ || closing_ || !GCC::RP) return;
    const ProjectSettings& project = GCC::RP->get_settings();
    if (trial_.has_same_colors(project)) return;
    trial_.copy_colors_from(project);
    recolour();
}

// ---------------------------------------------------------------- closing

void AppearanceEditor::done(int result) {
    if (closing_) return;
    closing_ = true;
    if (window_) {
        if (result == QDialog::Accepted)
            apply();
        else
            window_->end_trial_colours();
    }
    AppFormBase::done(result);
    deleteLater();
}

void AppearanceEditor::apply() {
    if (!changed_ || !GCC::RP || GCC::RP->get_settings().has_same_colors(trial_)) {
        window_->end_trial_colours();
        return;
    }
    // The colours alone: zooms, filter and font changed meanwhile in the main window stay.
    ProjectSettings& settings = GCC::RP->get_settings();
    settings.copy_colors_from(trial_);
    GCC::RP->add_uid_state(GCC::RP);
    window_->end_trial_colours();
    window_->request_tree_rebuild();
    window_->request_page_rebuild(true);
    const std::string failure = settings.export_settings_to_config();
    if (!failure.empty()) toolkit::show_error(glue::to_ui(failure));
}

// ---------------------------------------------------------------- colours of the window

std::vector<toolkit::AppButton*> AppearanceEditor::all_buttons() const {
    std::vector<toolkit::AppButton*> buttons;
    for (const Row& row : rows_) {
        buttons.push_back(row.fill_button);
        buttons.push_back(row.text_button);
    }
    buttons.insert(buttons.end(), single_buttons_.begin(), single_buttons_.end());
    buttons.insert(buttons.end(), scheme_buttons_.begin(), scheme_buttons_.end());
    buttons.push_back(cancel_);
    buttons.push_back(apply_);
    return buttons;
}

void AppearanceEditor::recolour() {
    const gcm::Scheme colours = gcm::scheme_of(trial_);
    QPalette own = palette();
    own.setColor(QPalette::Window, colours.panel_color);
    own.setColor(QPalette::WindowText, colours.panel_text_color);
    setPalette(own);
    const gcm::TitleBarColours bar = gcm::title_bar_colours(colours.panel_color);
    title_bar()->apply_colours(bar.background, bar.text);

    for (const SampleRowSpec& spec : sample_rows()) {
        const Row& row = rows_[index(spec.row)];
        // The two panel rows show their text on the background itself, without a box outline.
        const QColor frame = spec.row == SampleRow::NormalText     ? colours.panel_color
                             : spec.row == SampleRow::SelectedText ? colours.panel_color_sel
                                                                   : colours.box_border_color;
        row.frame->set_colour(frame);
        row.fill->set_colour(glue::to_qcolor(trial_.*spec.fill));
        set_text_colour(row.label, glue::to_qcolor(trial_.*spec.text));
    }
    set_text_colour(schemes_heading_, colours.panel_text_color);
    for (toolkit::AppButton* button : all_buttons())
        button->set_colours(colours.button_color, colours.panel_text_color, colours.btn_border_color);
    update();
}

void install(MainWindow& window) {
    window.install_command(Command::Appearance, [&window] { AppearanceEditor::open(window); });
}

}  // namespace appearance
