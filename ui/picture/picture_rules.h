#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The rules of the picture export that need no toolkit: the entries of the
// save dialogs, which file and format a choice gives, the pixel size of a
// whole page, the memory limit, clipping a selected area and placing the
// picture on a PDF page.
namespace picture {

enum class Format { Png, Jpeg, Bmp, Pdf };

// One entry of a save dialog's filter and what it sets.
struct SaveChoice {
    std::string description;  // "PNG Image (*.png)"
    std::string extension;    // ".png"
    Format format = Format::Png;
    int png_compression = 5;  // 0..9
    int jpeg_quality = 85;    // 0..100
    bool high_quality = false;  // drawn at the maximum zoom
    bool custom_paper = false;  // the paper size is asked
};

// The entries for the whole tab page, and for a selected area.
const std::vector<SaveChoice>& page_choices();
const std::vector<SaveChoice>& area_choices();

// The format an extension (".png", ".JPG", ...) names; nothing for any other.
std::optional<Format> format_of_extension(std::string_view extension);

// The file a chosen name is written to: a name without a picture extension
// gets the entry's appended; a picture extension of another format than the
// entry's is replaced by the entry's. So the file's extension always names
// the format written.
std::filesystem::path target_path(const std::filesystem::path& chosen, const SaveChoice& entry);

// The whole page in pixels: from the origin to the right and bottom edges of
// its furthest item (at zoom 100 %) plus a margin of twice the canvas font
// height, at the zoom given in percent. Rounded up, so no item is cut.
struct PixelSize {
    int64_t width = 0;
    int64_t height = 0;
};
PixelSize page_pixels(double items_right, double items_bottom, int font_height, int zoom_percent);

// A picture fits when it has pixels and at most 134,217,728 of them (512 MiB
// at 4 bytes each).
enum class MemoryVerdict { Fits, InvalidDimensions, TooLarge };
MemoryVerdict memory_check(int64_t width, int64_t height);

// A rectangle in whole pixels.
struct Area {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Area&) const = default;
};

// The rectangle between two corners, whatever their order.
Area between(int x1, int y1, int x2, int y2);

// The part of a selection inside the visible page (bounds); nothing when
// no pixel of it lies inside.
std::optional<Area> clip_selection(const Area& selection, const Area& bounds);

// One paper size of the custom PDF, in hundredths of an inch.
struct PaperSize {
    std::string text;
    int width = 0;
    int height = 0;
};
const std::vector<PaperSize>& paper_sizes();
// A4 in hundredths of an inch.
inline constexpr PaperSize a4_paper{"A4", 827, 1169};

// The picture scaled to fit the page and centred on it, in the page's units:
// its size truncated to whole units, the remaining space halved.
Area fit_centred(int64_t page_width, int64_t page_height, int64_t picture_width, int64_t picture_height);

// The PNG writer takes a quality (0..100) for its compression level (0..9):
// the quality that gives the level.
int png_quality_for_compression(int compression);

}  // namespace picture
