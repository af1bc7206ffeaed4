#include "ui/picture/picture_files.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "ui/glue/text_conversion.h"
#include "ui/main_window/canvas_view.h"
#include "ui/picture/page_render.h"
#include "ui/picture/picture_texts.h"

namespace picture {
namespace {

QByteArray encoder_name(Format format) {
    switch (format) {
        case Format::Png: return "png";
        case Format::Jpeg: return "jpeg";
        case Format::Bmp: return "bmp";
        case Format::Pdf: break;
    }
    return {};
}

QString path_text(const std::filesystem::path& path) { return glue::to_ui(path.string()); }

std::string failure(const std::filesystem::path& target, const QString& reason) {
    return texts::not_written + target.string() + ".\n" + glue::to_model(reason);
}

}  // namespace

std::string write_image(const QImage& image, const std::filesystem::path& target, const SaveChoice& entry) {
    const QByteArray encoder = encoder_name(entry.format);
    if (encoder.isEmpty() || !QImageWriter::supportedImageFormats().contains(encoder)) return texts::no_encoder;
    QSaveFile file(path_text(target));
    if (!file.open(QIODevice::WriteOnly)) return failure(target, file.errorString());
    QImageWriter writer(&file, encoder);
    if (entry.format == Format::Png) writer.setQuality(png_quality_for_compression(entry.png_compression));
    if (entry.format == Format::Jpeg) writer.setQuality(entry.jpeg_quality);
    // JPEG and BMP have no transparency: the page is opaque anyway.
    const QImage opaque = entry.format == Format::Png ? image : image.convertToFormat(QImage::Format_RGB32);
    if (!writer.write(opaque)) {
        file.cancelWriting();
        return failure(target, writer.errorString());
    }
    if (!file.commit()) return failure(target, file.errorString());
    return {};
}

std::string write_pdf(const CanvasView& canvas, const std::filesystem::path& target,
                      const std::optional<PaperSize>& paper) {
    QSaveFile file(path_text(target));
    if (!file.open(QIODevice::WriteOnly)) return failure(target, file.errorString());
    const PixelSize picture = page_size(canvas, 100);
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Morvanta"));
        const QPageSize page_size =
            paper ? QPageSize(QSizeF(paper->width / 100.0, paper->height / 100.0), QPageSize::Inch,
                              QStringLiteral("Custom Export"), QPageSize::ExactMatch)
                  : QPageSize(QPageSize::A4);
        writer.setPageLayout(QPageLayout(page_size,
                                         picture.width > picture.height ? QPageLayout::Landscape
                                                                        : QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return failure(target, file.errorString());
        }
        const Area placed = fit_centred(writer.width(), writer.height(), picture.width, picture.height);
        paint_page(canvas, painter, QRectF(placed.x, placed.y, placed.width, placed.height));
        painter.end();
    }
    if (!file.commit()) return failure(target, file.errorString());
    return {};
}

void copy_to_clipboard(const QImage& image) { QGuiApplication::clipboard()->setImage(image); }

}  // namespace picture
