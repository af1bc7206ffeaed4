#include "core/text/clipboard.h"

#include "core/platform/platform.h"

namespace MyStrF {

void _copy_text_to_clipboard(const std::string& text) { platform::services().set_clipboard_text(text); }

std::string _get_text_from_clipboard() { return platform::services().clipboard_text(); }

}  // namespace MyStrF
