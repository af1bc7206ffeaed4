#include <ctime>
#include <utility>

#include "core/platform/platform.h"
#include "core/text/number_format.h"

namespace MyStrF {

std::string _get_time_prefix() {
    const std::tm now = platform::services().local_time();
    std::string prefix;
    for (auto [value, width] : {std::pair{now.tm_year + 1900, 4u}, std::pair{now.tm_mon + 1, 2u},
                                std::pair{now.tm_mday, 2u}, std::pair{now.tm_hour, 2u}, std::pair{now.tm_min, 2u}})
        prefix += _intToStringWithLength(value, width) + "_";
    return prefix;
}

}  // namespace MyStrF
