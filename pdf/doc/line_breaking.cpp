#include "pdf/doc/line_breaking.h"

#include <algorithm>
#include <cstdint>

namespace pdf {

std::vector<std::string> break_lines(const FontWidths& widths, int size, const std::vector<std::string>& words,
                                     int width, int indent) {
    const int first_limit = width - std::max(indent, 0);
    const int other_limit = width + std::min(indent, 0);
    const auto points = [size](int64_t units) { return static_cast<int>((units * size + 500) / 1000); };
    const int64_t space_units = widths[' '];

    std::vector<std::string> lines;
    std::string current;
    int64_t current_units = 0;
    const auto limit = [&] { return lines.empty() ? first_limit : other_limit; };
    const auto emit = [&] {
        lines.push_back(std::move(current));
        current.clear();
        current_units = 0;
    };

    for (const std::string& word : words) {
        const int64_t word_units = text_units(widths, word);
        const int64_t candidate = current.empty() ? word_units : current_units + space_units + word_units;
        if (points(candidate) <= limit()) {
            if (!current.empty()) current += ' ';
            current += word;
            current_units = candidate;
            continue;
        }
        if (points(word_units) <= other_limit) {
            emit();
            current = word;
            current_units = word_units;
            continue;
        }
        // Wider than a whole line: fill lines byte by byte (Windows-1252 has
        // one byte per character). A full line takes at least one byte, so a
        // line narrower than any character still makes progress.
        if (!current.empty()) emit();
        size_t start = 0;
        while (start < word.size()) {
            size_t end = start;
            int64_t units = 0;
            while (end < word.size()) {
                const int64_t next = units + widths[static_cast<unsigned char>(word[end])];
                if (points(next) > limit()) break;
                units = next;
                ++end;
            }
            if (end == start) {
                if (limit() < other_limit) {
                    emit();  // not even one character fits after the indent
                    continue;
                }
                units = widths[static_cast<unsigned char>(word[end])];
                ++end;
            }
            current.assign(word, start, end - start);
            current_units = units;
            start = end;
            if (start < word.size()) emit();
        }
    }
    lines.push_back(std::move(current));
    return lines;
}

}  // namespace pdf
