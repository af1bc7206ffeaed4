#pragma once

#include <string>

// Pieces of reference links, read without touching the file system.
namespace reference_links {

// From the last "." of the last path element ("/" or "\" separated) to the end;
// empty when that element has no "." or the text ends with a separator.
std::string path_extension(const std::string& path);

// The scheme before the first ":" when the text starts like a URL (a letter,
// then letters, digits, "+", "-" or "."), lower-cased; empty otherwise.
std::string url_scheme(const std::string& link);

// The local path of a "file:" URL: authority "localhost" or empty, query and
// fragment dropped, percent escapes decoded.
std::string file_url_path(const std::string& url);

}  // namespace reference_links
