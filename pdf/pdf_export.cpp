#include "pdf/pdf_export.h"

#include "core/constants/gcc.h"
#include "pdf/reports/export_pdf.h"
#include "pdf/reports/export_req_pdf.h"

namespace pdf {
namespace {

template <class Report>
std::string export_report(Project& project, const std::filesystem::path& target) {
    if (GCC::RP != &project) return "No root_project in export_pdf.";
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(target, error);
    if (error || !absolute.has_filename()) return PDF_SAVE_FAILED;
    Report report;
    return report.export_pdf(absolute.parent_path().string(), absolute.filename().string());
}

}  // namespace

std::string export_full_report(Project& project, const std::filesystem::path& target) {
    return export_report<ExportPDF>(project, target);
}

std::string export_requirements_report(Project& project, const std::filesystem::path& target) {
    return export_report<ExportReqPDF>(project, target);
}

}  // namespace pdf
