#include <cstdlib>
#include <string>

#include "core/model/project.h"
#include "core/platform/platform.h"
#include "core/text/number_format.h"
#include "exports/export_target.h"
#include "exports/exports.h"
#include "exports/reqif/reqif_document.h"
#include "exports/xml_writing.h"

namespace exports {

namespace reqif {

std::string time_stamp(const std::tm& local) {
    auto two = [](int value) { return MyStrF::_intToStringWithLength(value, 2); };
    const long offset = local.tm_gmtoff;
    const long minutes = std::labs(offset) / 60;
    return MyStrF::_intToStringWithLength(local.tm_year + 1900, 4) + "-" + two(local.tm_mon + 1) + "-" +
           two(local.tm_mday) + "T" + two(local.tm_hour) + ":" + two(local.tm_min) + ":" + two(local.tm_sec) +
           ".000" + (offset >= 0 ? "+" : "-") + two(static_cast<int>(minutes / 60)) + ":" +
           two(static_cast<int>(minutes % 60));
}

pugi::xml_document build_document(Project& project, const std::string& stamp) {
    pugi::xml_document document;
    DocumentBuilder(project, stamp, document).build();
    return document;
}

}  // namespace reqif

namespace {
constexpr std::string_view reqif_extensions[] = {".reqif"};
}

std::string reqif_file_name(const Project& project, const std::string& chosen) {
    return file_name_with(project, chosen, reqif_extensions);
}

std::string export_reqif(Project& project, const std::filesystem::path& target) {
    const ExportFormat format{
        reqif_extensions,
        [](Project& p) {
            const std::string stamp = reqif::time_stamp(platform::services().local_time());
            return xml::text_of(reqif::build_document(p, stamp), "\t");
        },
        "Exception while creating ReqIF export.",
        [](const std::filesystem::path&) { return std::string("Failed to save reqIF file"); },
    };
    return write_export(project, target, format);
}

}  // namespace exports
