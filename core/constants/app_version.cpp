#include "core/constants/gcc.h"
#include "core/text/text_utils.h"

// Read during static initialisation; the platform services it asks are
// created on first use, so they are ready whatever the initialisation order.
const std::string GCC::app_version = MyStrF::_get_file_version();

std::string GCC::program_name_and_version() { return "Morvanta " + app_version; }
