#include "core/platform/platform.h"
#include "core/text/text_utils.h"

namespace MyStrF {

std::string _get_file_version() {
    std::string version = platform::services().program_version();
    return version.empty() ? "Unknown" : version;
}

std::string find_current_user_name() {
    std::string name = platform::services().user_name();
    return name.empty() ? "UnknownUser" : name;
}

}  // namespace MyStrF
