#include "ui/file_ports/file_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

#include "ui/dialogs/dialog_seam.h"
#include "ui/glue/text_conversion.h"
#include "ui/toolkit/message_box.h"

namespace {

// "Morvanta xml files (*.xml);;All files (*.*)"
QString name_filters(const file_commands::FileChooser& chooser) {
    QStringList filters;
    for (const file_commands::FileFilter& filter : chooser.filters) filters.append(glue::to_ui(filter.description));
    return filters.join(QStringLiteral(";;"));
}

std::optional<std::filesystem::path> choose(QFileDialog& dialog, const file_commands::FileChooser& chooser) {
    dialog.setNameFilter(name_filters(chooser));
    dialog.setDefaultSuffix(glue::to_ui(chooser.default_extension));
    if (dialogs::run_modal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return std::filesystem::path(dialog.selectedFiles().first().toStdString());
}

QString path_text(const std::filesystem::path& path) { return glue::to_ui(path.string()); }

}  // namespace

void QtFileDialogs::error(const std::string& text) { toolkit::show_error(glue::to_ui(text)); }

void QtFileDialogs::information(const std::string& text) { toolkit::show_info(glue::to_ui(text)); }

file_commands::Answer QtFileDialogs::question(const std::string& text, const std::string& title) {
    switch (toolkit::ask_question(glue::to_ui(text), glue::to_ui(title))) {
    case toolkit::Answer::Yes: return file_commands::Answer::Yes;
    case toolkit::Answer::No: return file_commands::Answer::No;
    case toolkit::Answer::Ok:
    case toolkit::Answer::Cancel: break;
    }
    return file_commands::Answer::Cancel;
}

std::optional<std::filesystem::path> QtFileDialogs::choose_file_to_open(const file_commands::FileChooser& chooser,
                                                                       const std::filesystem::path& folder) {
    QFileDialog dialog(QApplication::activeWindow(), glue::to_ui(chooser.title), path_text(folder));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return choose(dialog, chooser);
}

std::optional<std::filesystem::path> QtFileDialogs::choose_file_to_save(const file_commands::FileChooser& chooser,
                                                                       const std::filesystem::path& folder,
                                                                       const std::string& file_name) {
    QFileDialog dialog(QApplication::activeWindow(), glue::to_ui(chooser.title), path_text(folder));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(path_text(folder / file_name));
    return choose(dialog, chooser);
}
