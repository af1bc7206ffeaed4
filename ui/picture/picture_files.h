#pragma once

#include <QImage>
#include <filesystem>
#include <optional>
#include <string>

#include "ui/picture/picture_rules.h"

class CanvasView;

// Writing the pictures: an image file in the format of the entry, the whole
// page on one PDF page, the clipboard. A failed write leaves whatever stood
// at the target; the returned text is "" on success, else the message.
namespace picture {

std::string write_image(const QImage& image, const std::filesystem::path& target, const SaveChoice& entry);

// The whole page fitted to the paper (A4 unless a size is given, landscape
// when the page is wider than high, no margins) and centred, drawn from the
// scene as vectors.
std::string write_pdf(const CanvasView& canvas, const std::filesystem::path& target,
                      const std::optional<PaperSize>& paper);

// The image on the clipboard, offered as PNG (and the toolkit's other image types).
void copy_to_clipboard(const QImage& image);

}  // namespace picture
