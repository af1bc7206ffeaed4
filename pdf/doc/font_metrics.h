#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace pdf {

// The PDF core fonts the writer declares, numbered 1..13 as their resource
// names /F1../F13. The layout uses only Helvetica and two of its variants.
enum pFont : uint8_t {
    Courier = 1,
    CourierBold,
    CourierOblique,
    CourierBoldOblique,
    Helvetica,
    HelveticaBold,
    HelveticaOblique,
    HelveticaBoldOblique,
    Symbol,
    TimesRoman,
    TimesBold,
    TimesItalic,
    TimesBoldItalic,
};

inline constexpr int kFontCount = 13;

// Base font names, entry k-1 for font k.
inline constexpr std::array<std::string_view, kFontCount> FONTS = {
    "Courier",   "Courier-Bold", "Courier-Oblique", "Courier-BoldOblique", "Helvetica",
    "Helvetica-Bold", "Helvetica-Oblique", "Helvetica-BoldOblique", "Symbol", "Times-Roman",
    "Times-Bold", "Times-Italic", "Times-BoldItalic"};

// Advance widths in 1/1000 em by Windows-1252 byte (the glyph WinAnsiEncoding
// gives that byte; 0 where there is none).
using FontWidths = std::array<uint16_t, 256>;

// Generated from the fonts' metrics (font_widths.cpp), entry k-1 for font k.
extern const std::array<FontWidths, kFontCount> kFontWidths;

// The width table of font 1..13; null for any other number.
inline const FontWidths* get_font(int font) {
    return font >= 1 && font <= kFontCount ? &kFontWidths[static_cast<size_t>(font - 1)] : nullptr;
}

// Sum of the advance widths of the bytes, in 1/1000 em.
inline int64_t text_units(const FontWidths& widths, std::string_view text) {
    int64_t units = 0;
    for (char c : text) units += widths[static_cast<unsigned char>(c)];
    return units;
}

// Width in points, rounded to the nearest point; 0 for an unknown font.
inline int text_width(int font, int size, std::string_view text) {
    const FontWidths* widths = get_font(font);
    if (!widths) return 0;
    return static_cast<int>((text_units(*widths, text) * size + 500) / 1000);
}

}  // namespace pdf
