#include <cstdlib>
#include <ctime>

#include "core/platform/platform.h"
#include "pdf/doc/pdf_doc.h"
#include "pdf/doc/pdf_strings.h"

namespace pdf {

std::string PDFdoc::get_current_date() {
    const std::tm now = platform::services().local_time();
    std::string text;
    append_padded(text, now.tm_year + 1900, 4);
    text += '-';
    append_padded(text, now.tm_mon + 1, 2);
    text += '-';
    append_padded(text, now.tm_mday, 2);
    return text;
}

std::string PDFdoc::get_pdf_date() {
    // The offset is the one in force at that moment (daylight saving
    // included), as the C library reports it with the local time.
    const std::tm now = platform::services().local_time();
    const long offset = now.tm_gmtoff;
    const long magnitude = std::labs(offset);
    std::string text = "(D:";
    append_padded(text, now.tm_year + 1900, 4);
    for (int part : {now.tm_mon + 1, now.tm_mday, now.tm_hour, now.tm_min, now.tm_sec}) append_padded(text, part, 2);
    text += offset >= 0 ? '+' : '-';
    append_padded(text, magnitude / 3600, 2);
    text += '\'';
    append_padded(text, magnitude % 3600 / 60, 2);
    text += "')";
    return text;
}

}  // namespace pdf
