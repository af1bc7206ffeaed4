#include "core/reference/link_parts.h"

#include "core/text/ascii.h"

namespace reference_links {
namespace {

int hex_value(char c) {
    if (MyStrF::ascii::is_digit(c)) return c - '0';
    const char lower = MyStrF::ascii::to_lower(c);
    if (lower >= 'a' && lower <= 'f') return lower - 'a' + 10;
    return -1;
}

// A NUL escape is left as it is so that the path cannot end early.
std::string percent_decoded(const std::string& text) {
    std::string decoded;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = hex_value(text[i + 1]);
            const int low = hex_value(text[i + 2]);
            if (high >= 0 && low >= 0 && (high != 0 || low != 0)) {
                decoded += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        decoded += text[i];
    }
    return decoded;
}

}  // namespace

std::string path_extension(const std::string& path) {
    const size_t separator = path.find_last_of("/\\");
    const std::string element = separator == std::string::npos ? path : path.substr(separator + 1);
    const size_t dot = element.rfind('.');
    return dot == std::string::npos ? std::string() : element.substr(dot);
}

std::string url_scheme(const std::string& link) {
    if (link.empty() || !MyStrF::ascii::is_alpha(link[0])) return {};
    std::string scheme;
    for (char c : link) {
        if (c == ':') return scheme;
        if (!MyStrF::ascii::is_alpha(c) && !MyStrF::ascii::is_digit(c) && c != '+' && c != '-' && c != '.') return {};
        scheme += MyStrF::ascii::to_lower(c);
    }
    return {};
}

std::string file_url_path(const std::string& url) {
    std::string rest = url.substr(url.find(':') + 1);
    rest = rest.substr(0, rest.find_first_of("?#"));
    if (rest.rfind("//", 0) == 0) {
        const size_t path_start = rest.find('/', 2);
        const std::string authority = rest.substr(2, path_start == std::string::npos ? std::string::npos : path_start - 2);
        const std::string path = path_start == std::string::npos ? std::string() : rest.substr(path_start);
        rest = (authority.empty() || authority == "localhost") ? path : "//" + authority + path;
    }
    return percent_decoded(rest);
}

}  // namespace reference_links
