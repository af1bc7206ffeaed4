#include "ui/picture/picture_commands.h"

#include <QFileDialog>
#include <QGuiApplication>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "core/text/number_format.h"
#include "ui/dialogs/dialog_seam.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/files/project_files.h"
#include "ui/glue/screen_placement.h"
#include "ui/glue/text_conversion.h"
#include "ui/main_window/canvas_view.h"
#include "ui/main_window/main_window.h"
#include "ui/picture/area_overlay.h"
#include "ui/picture/page_render.h"
#include "ui/picture/picture_files.h"
#include "ui/picture/picture_texts.h"
#include "ui/toolkit/message_box.h"

namespace picture {
namespace {

QString ui_text(std::string_view text) { return glue::to_ui(text); }

// The current project, or null after telling the user there is none.
Project* project_to_export() {
    if (!GCC::RP) toolkit::show_error(ui_text(texts::no_project));
    return GCC::RP;
}

struct Target {
    std::filesystem::path path;
    SaveChoice entry;
};

// The save dialog in the project's export folder, proposing the local time
// and the project's name; the file it gives is fitted to the chosen entry.
std::optional<Target> choose_target(MainWindow& window, const std::vector<SaveChoice>& choices) {
    Project& project = *GCC::RP;
    const std::filesystem::path folder = project.get_export_directory();
    const std::string name = file_commands::proposed_file_name(MyStrF::_get_time_prefix() + project.get_name());

    QFileDialog dialog(&window, ui_text(texts::save_title), ui_text(folder.string()));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const SaveChoice& choice : choices) filters << ui_text(choice.description);
    dialog.setNameFilters(filters);
    const auto suffix_of = [&](const QString& filter) {
        const qsizetype index = filters.indexOf(filter);
        return ui_text(choices[static_cast<size_t>(index < 0 ? 0 : index)].extension.substr(1));
    };
    dialog.setDefaultSuffix(suffix_of(filters.front()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&](const QString& filter) { dialog.setDefaultSuffix(suffix_of(filter)); });
    dialog.selectFile(ui_text((folder / name).string()));
    if (dialogs::run_modal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;

    const qsizetype index = filters.indexOf(dialog.selectedNameFilter());
    const SaveChoice& entry = choices[static_cast<size_t>(index < 0 ? 0 : index)];
    const std::filesystem::path chosen(dialog.selectedFiles().first().toStdString());
    const std::filesystem::path target = target_path(chosen, entry);
    // The dialog asked about the name it gave, not about the fitted one.
    std::error_code error;
    if (target != chosen && std::filesystem::exists(target, error) &&
        toolkit::ask_question(ui_text(target.string() + texts::replace_question), ui_text(texts::save_title)) !=
            toolkit::Answer::Yes)
        return std::nullopt;
    return Target{target, entry};
}

std::optional<PaperSize> ask_paper_size() {
    std::vector<std::string> choices;
    for (const PaperSize& size : paper_sizes()) choices.push_back(size.text);
    const auto dialog = dialogs::InputDialog::one_choice_row(glue::screen_pos(0.1, 0.1), texts::paper_title,
                                                             texts::paper_prompt, "", choices);
    if (dialogs::run_modal(*dialog) != QDialog::Accepted) return std::nullopt;
    const int chosen = dialog->result_combo_index(0);
    if (chosen < 0 || chosen >= static_cast<int>(paper_sizes().size())) return std::nullopt;
    return paper_sizes()[static_cast<size_t>(chosen)];
}

// The memory check of a whole page at a zoom, with its message when it fails.
bool page_fits(const CanvasView& canvas, int zoom_percent) {
    const PixelSize size = page_size(canvas, zoom_percent);
    switch (memory_check(size.width, size.height)) {
        case MemoryVerdict::Fits: return true;
        case MemoryVerdict::InvalidDimensions: toolkit::show_error(ui_text(texts::invalid_dimensions)); break;
        case MemoryVerdict::TooLarge: toolkit::show_warning(ui_text(texts::too_large)); break;
    }
    return false;
}

void report(const std::string& failure) {
    if (!failure.empty()) toolkit::show_error(ui_text(failure));
}

// The area of the visible page the user selects, clipped to it; nothing when
// the selection was cancelled or empty (silently) or lies outside (said so).
std::optional<QRect> select_area(CanvasView& canvas) {
    AreaOverlay overlay(canvas);
    if (dialogs::run_modal(overlay) != QDialog::Accepted || overlay.selection().isEmpty()) return std::nullopt;
    const QRect selected = overlay.selection();
    const QRect visible = canvas.viewport()->rect();
    const std::optional<Area> clipped =
        clip_selection({selected.x(), selected.y(), selected.width(), selected.height()},
                       {visible.x(), visible.y(), visible.width(), visible.height()});
    if (!clipped) {
        toolkit::show_error(ui_text(texts::outside_page));
        return std::nullopt;
    }
    return QRect(clipped->x, clipped->y, clipped->width, clipped->height);
}

bool ctrl_held() { return QGuiApplication::keyboardModifiers() & Qt::ControlModifier; }

}  // namespace

void install(MainWindow& window) {
    window.install_command(Command::Screenshot, [&window] { ctrl_held() ? copy_page(window) : save_page(window); });
    window.install_command(Command::ScreenGrab, [&window] { ctrl_held() ? copy_area(window) : save_area(window); });
}

void save_page(MainWindow& window) {
    const MainWindow::ExportScope guard(window);
    if (!guard.first() || !project_to_export()) return;
    const std::optional<Target> target = choose_target(window, page_choices());
    if (!target || !GCC::RP) return;
    const CanvasView& canvas = *window.canvas();
    if (target->entry.format == Format::Pdf) {
        // Drawn as vectors: the page needs no picture in memory, whatever its size.
        std::optional<PaperSize> paper;
        if (target->entry.custom_paper && !(paper = ask_paper_size())) return;
        report(write_pdf(canvas, target->path, paper));
        return;
    }
    const int zoom = target->entry.high_quality ? GCC::RP->get_settings().max_zoom : canvas.zoom_percent();
    if (!page_fits(canvas, zoom)) return;
    report(write_image(render_page(canvas, zoom), target->path, target->entry));
}

void copy_page(MainWindow& window) {
    const MainWindow::ExportScope guard(window);
    if (!guard.first() || !project_to_export()) return;
    const CanvasView& canvas = *window.canvas();
    if (!page_fits(canvas, canvas.zoom_percent())) return;
    copy_to_clipboard(render_page(canvas, canvas.zoom_percent()));
}

void save_area(MainWindow& window) {
    const MainWindow::ExportScope guard(window);
    if (!guard.first() || !project_to_export()) return;
    const std::optional<QRect> area = select_area(*window.canvas());
    if (!area) return;
    const std::optional<Target> target = choose_target(window, area_choices());
    if (!target || !GCC::RP) return;
    report(write_image(render_visible(*window.canvas(), *area), target->path, target->entry));
}

void copy_area(MainWindow& window) {
    const MainWindow::ExportScope guard(window);
    if (!guard.first() || !project_to_export()) return;
    if (const std::optional<QRect> area = select_area(*window.canvas()))
        copy_to_clipboard(render_visible(*window.canvas(), *area));
}

}  // namespace picture
