#pragma once

#include <string>
#include <vector>

#include "pdf/doc/font_metrics.h"

namespace pdf {

// Greedy line breaking of Windows-1252 words, one blank between words. The
// first line is limited to width - indent (for a positive indent), the
// others to width + indent (for a negative one). A word that does not fit
// the rest of a line starts the next one; after a positive indent that can
// leave the first line empty. A word wider than a whole line is broken
// across lines, so long addresses stay on the page. No words give one empty
// line.
std::vector<std::string> break_lines(const FontWidths& widths, int size, const std::vector<std::string>& words,
                                     int width, int indent);

}  // namespace pdf
