// The picture export of a whole tab page, drawn from the canvas's scene, for
// generated projects whose page shows about 100 and 1,000 boxes: the drawing
// into an image, that image written as PNG, and the page as a vector PDF.
#include <benchmark/benchmark.h>

#include "bench/page_window.h"
#include "bench/scratch_folder.h"
#include "ui/main_window/canvas_view.h"
#include "ui/picture/page_render.h"
#include "ui/picture/picture_files.h"

namespace {

MainWindow* window = nullptr;

void count_pixels(benchmark::State& state) {
    const picture::PixelSize size = picture::page_size(*window->canvas(), 100);
    state.counters["megapixels"] = static_cast<double>(size.width * size.height) / 1e6;
}

enum class Output { Image, Png, Pdf };

void PagePicture(benchmark::State& state, TabPage page, Output output) {
    bench_support::show_page_project(*window, page, state.range(0));
    const CanvasView& canvas = *window->canvas();
    const std::filesystem::path png = bench_support::scratch() / "page.png";
    const std::filesystem::path pdf = bench_support::scratch() / "page.pdf";
    for (auto _ : state) {
        if (output == Output::Pdf) {
            if (!picture::write_pdf(canvas, pdf, std::nullopt).empty()) state.SkipWithError("PDF not written");
            continue;
        }
        const QImage image = picture::render_page(canvas, 100);
        if (image.isNull()) {
            state.SkipWithError("page too large for a picture");
            break;
        }
        if (output == Output::Png &&
            !picture::write_image(image, png, picture::page_choices().front()).empty())
            state.SkipWithError("PNG not written");
    }
    count_pixels(state);
}

void sizes(benchmark::internal::Benchmark* b) { b->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime(); }

BENCHMARK_CAPTURE(PagePicture, ValidationImage, TabPage::Validation, Output::Image)->Apply(sizes);
BENCHMARK_CAPTURE(PagePicture, ValidationPng, TabPage::Validation, Output::Png)->Apply(sizes);
BENCHMARK_CAPTURE(PagePicture, ValidationPdf, TabPage::Validation, Output::Pdf)->Apply(sizes);
BENCHMARK_CAPTURE(PagePicture, RequirementsImage, TabPage::Requirements, Output::Image)->Apply(sizes);
BENCHMARK_CAPTURE(PagePicture, RequirementsPdf, TabPage::Requirements, Output::Pdf)->Apply(sizes);

}  // namespace

int main(int argc, char** argv) {
    return bench_support::run_with_page_window(argc, argv, [](MainWindow* shown) { window = shown; });
}
