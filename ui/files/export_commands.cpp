#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "core/text/number_format.h"
#include "ui/files/file_controller.h"
#include "ui/files/file_texts.h"
#include "ui/files/project_files.h"

namespace file_commands {

void FileController::export_pdf_report() {
    run_export(exporters_.pdf_report, texts::pdf_chooser, texts::no_project_for_pdf);
}

void FileController::export_requirements_pdf() {
    run_export(exporters_.requirements_pdf, texts::pdf_chooser, texts::no_project_for_pdf);
}

void FileController::export_reqif() {
    run_export(exporters_.reqif, texts::reqif_chooser, texts::no_project_for_exchange);
}

void FileController::export_sysml() {
    run_export(exporters_.sysml, texts::sysml_chooser, texts::no_project_for_exchange);
}

void FileController::run_export(const Exporter& exporter, const FileChooser& chooser, const std::string& no_project) {
    Project* project = GCC::RP;
    if (!project) {
        dialogs_.error(no_project);
        return;
    }
    if (!exporter) {
        dialogs_.error(texts::export_unavailable);
        return;
    }
    // The proposed name is the local time to the minute and the project's name.
    const std::string name = proposed_file_name(MyStrF::_get_time_prefix() + project->get_name());
    const auto chosen = dialogs_.choose_file_to_save(chooser, project->get_export_directory(), name);
    if (!chosen) return;
    const std::filesystem::path target = std::filesystem::absolute(*chosen);
    project->set_export_directory(target.parent_path().string());
    if (std::string text = exporter(*project, target); !text.empty()) dialogs_.error(text);
}

}  // namespace file_commands
