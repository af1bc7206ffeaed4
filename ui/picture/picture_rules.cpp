#include "ui/picture/picture_rules.h"

#include <algorithm>
#include <cmath>

#include "core/text/ascii.h"

namespace picture {

const std::vector<SaveChoice>& page_choices() {
    static const std::vector<SaveChoice> choices{
        {"PNG Image (*.png)", ".png", Format::Png, 5, 85, false, false},
        {"High Quality PNG (*.png)", ".png", Format::Png, 9, 85, true, false},
        {"JPEG Image (*.jpg)", ".jpg", Format::Jpeg, 5, 85, false, false},
        {"High Quality JPEG (*.jpg)", ".jpg", Format::Jpeg, 5, 95, true, false},
        {"Bitmap Image (*.bmp)", ".bmp", Format::Bmp, 5, 85, false, false},
        {"High Quality BMP (*.bmp)", ".bmp", Format::Bmp, 5, 85, true, false},
        {"PDF on A4 (*.pdf)", ".pdf", Format::Pdf, 5, 85, true, false},
        {"PDF custom size (*.pdf)", ".pdf", Format::Pdf, 5, 85, true, true},
    };
    return choices;
}

const std::vector<SaveChoice>& area_choices() {
    static const std::vector<SaveChoice> choices{
        {"PNG Image (*.png)", ".png", Format::Png, 5, 85, false, false},
        {"JPEG Image (*.jpg)", ".jpg", Format::Jpeg, 5, 85, false, false},
        {"Bitmap Image (*.bmp)", ".bmp", Format::Bmp, 5, 85, false, false},
    };
    return choices;
}

std::optional<Format> format_of_extension(std::string_view extension) {
    std::string lower(extension);
    for (char& c : lower) c = MyStrF::ascii::to_lower(c);
    if (lower == ".png") return Format::Png;
    if (lower == ".jpg" || lower == ".jpeg") return Format::Jpeg;
    if (lower == ".bmp") return Format::Bmp;
    if (lower == ".pdf") return Format::Pdf;
    return std::nullopt;
}

std::filesystem::path target_path(const std::filesystem::path& chosen, const SaveChoice& entry) {
    const std::optional<Format> typed = format_of_extension(chosen.extension().string());
    if (typed == entry.format) return chosen;
    std::filesystem::path target = chosen;
    if (typed)
        target.replace_extension(entry.extension);
    else
        target += entry.extension;  // keeps a dot that belongs to the name ("Gate v1.2")
    return target;
}

PixelSize page_pixels(double items_right, double items_bottom, int font_height, int zoom_percent) {
    const double scale = zoom_percent / 100.0;
    const double margin = 2.0 * std::max(font_height, 0);
    const auto pixels = [&](double edge) { return static_cast<int64_t>(std::ceil((std::max(edge, 0.0) + margin) * scale)); };
    return {pixels(items_right), pixels(items_bottom)};
}

MemoryVerdict memory_check(int64_t width, int64_t height) {
    if (width <= 0 || height <= 0) return MemoryVerdict::InvalidDimensions;
    constexpr int64_t max_pixels = 134217728;
    constexpr int64_t max_bytes = 536870912;
    if (width > max_pixels / height || 4 * width * height > max_bytes) return MemoryVerdict::TooLarge;
    return MemoryVerdict::Fits;
}

Area between(int x1, int y1, int x2, int y2) {
    return {std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1)};
}

std::optional<Area> clip_selection(const Area& selection, const Area& bounds) {
    const int64_t left = std::max<int64_t>(selection.x, bounds.x);
    const int64_t top = std::max<int64_t>(selection.y, bounds.y);
    const int64_t right = std::min<int64_t>(int64_t{selection.x} + selection.width, int64_t{bounds.x} + bounds.width);
    const int64_t bottom =
        std::min<int64_t>(int64_t{selection.y} + selection.height, int64_t{bounds.y} + bounds.height);
    if (selection.width <= 0 || selection.height <= 0 || right <= left || bottom <= top) return std::nullopt;
    return Area{static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                static_cast<int>(bottom - top)};
}

const std::vector<PaperSize>& paper_sizes() {
    static const std::vector<PaperSize> sizes{
        {"A0     (841mm \xC3\x97 1189mm; 33.1in \xC3\x97 46.8in", 3311, 4681},
        {"A1     (594mm \xC3\x97 841mm; 23.4in \xC3\x97 33.1in", 2338, 3311},
        {"A2     (420mm \xC3\x97 594mm; 16.5in \xC3\x97 23.4in", 1653, 2338},
        {"A3     (297mm \xC3\x97 420mm; 11.7in \xC3\x97 16.5in", 1169, 1653},
        {"B0     (1000mm \xC3\x97 1414mm; 39.4in \xC3\x97 55.7in", 3937, 5566},
        {"B1     (707mm \xC3\x97 1000mm; 27.8in \xC3\x97 39.4in", 2783, 3937},
        {"B2     (500mm \xC3\x97 707mm; 19.7in \xC3\x97 27.8in", 1968, 2783},
        {"B3     (353mm \xC3\x97 500mm; 13.9in \xC3\x97 19.7in", 1389, 1968},
        {"B4     (250mm \xC3\x97 353mm; 9.84in \xC3\x97 13.9in", 984, 1389},
        {"ANSI B (279mm \xC3\x97 432mm; 11in \xC3\x97 17in)", 1100, 1700},
        {"ANSI C (432mm \xC3\x97 559mm; 17in \xC3\x97 22in)", 1700, 2200},
        {"ANSI D (559mm \xC3\x97 864mm; 22in \xC3\x97 34in)", 2200, 3400},
        {"ANSI E (864mm \xC3\x97 1118mm; 34in \xC3\x97 44in)", 3400, 4400},
    };
    return sizes;
}

Area fit_centred(int64_t page_width, int64_t page_height, int64_t picture_width, int64_t picture_height) {
    if (page_width <= 0 || page_height <= 0 || picture_width <= 0 || picture_height <= 0) return {};
    const double scale = std::min(static_cast<double>(page_width) / static_cast<double>(picture_width),
                                  static_cast<double>(page_height) / static_cast<double>(picture_height));
    const auto width = std::min(static_cast<int64_t>(static_cast<double>(picture_width) * scale), page_width);
    const auto height = std::min(static_cast<int64_t>(static_cast<double>(picture_height) * scale), page_height);
    return {static_cast<int>((page_width - width) / 2), static_cast<int>((page_height - height) / 2),
            static_cast<int>(width), static_cast<int>(height)};
}

int png_quality_for_compression(int compression) {
    // The writer turns a quality q into the level (100 - q) * 9 / 91.
    const int level = std::clamp(compression, 0, 9);
    return 100 - (level * 91 + 8) / 9;
}

}  // namespace picture
