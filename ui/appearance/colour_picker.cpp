#include "ui/appearance/colour_picker.h"

#include <QFontMetrics>
#include <QSlider>
#include <algorithm>
#include <cmath>
#include <optional>

#include "ui/appearance/window_font.h"
#include "ui/glue/number_input.h"
#include "ui/glue/screen_placement.h"
#include "ui/theme/scheme.h"
#include "ui/toolkit/app_button.h"
#include "ui/toolkit/app_label.h"
#include "ui/toolkit/app_text_box.h"

namespace appearance {
namespace {

constexpr int palette_margin = 3;
constexpr int edge_margin = 10;
constexpr int channel_max = 255;

int rounded(double value) { return static_cast<int>(std::lround(value)); }

// As tall as a slider with its ticks, at least 2 f, so that the rows of boxes and sliders never overlap.
int slider_height(int f) { return std::max(QSlider(Qt::Horizontal).sizeHint().height(), 2 * f); }

QSlider* themed_slider(QWidget* parent, int tick_interval, int x, int y, int width, int height) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setRange(0, channel_max);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(tick_interval);
    const gcm::Scheme& scheme = gcm::scheme();
    QPalette palette = slider->palette();
    palette.setColor(QPalette::Window, scheme.panel_color);
    palette.setColor(QPalette::Button, scheme.button_color);
    palette.setColor(QPalette::WindowText, scheme.panel_text_color);
    palette.setColor(QPalette::Highlight, scheme.panel_color_sel);
    slider->setPalette(palette);
    slider->setGeometry(x, y, width, height);
    return slider;
}

}  // namespace

const std::array<QColor, 30>& palette_colours() {
    static const std::array<QColor, 30> colours{{
        {255, 182, 193},  // LightPink
        {240, 128, 128},  // LightCoral
        {255, 160, 122},  // LightSalmon
        {255, 222, 173},  // NavajoWhite
        {250, 235, 215},  // AntiqueWhite
        {250, 250, 210},  // LightGoldenrodYellow
        {255, 255, 224},  // LightYellow
        {255, 250, 240},  // FloralWhite
        {227, 233, 181},
        {200, 245, 190},
        {144, 238, 144},  // LightGreen
        {32, 178, 170},   // LightSeaGreen
        {128, 216, 212},
        {176, 235, 233},
        {224, 255, 255},  // LightCyan
        {135, 206, 250},  // LightSkyBlue
        {173, 216, 230},  // LightBlue
        {176, 196, 222},  // LightSteelBlue
        {255, 255, 255},  // White
        {230, 230, 230},
        {211, 211, 211},  // LightGray
        {169, 169, 169},  // DarkGray
        {119, 136, 153},  // LightSlateGray
        {0, 0, 0},        // Black
        {139, 0, 0},
        {184, 134, 11},
        {0, 100, 0},
        {0, 139, 139},
        {25, 25, 112},
        {75, 0, 130},
    }};
    return colours;
}

ColourPicker::ColourPicker(const QColor& initial, const QPoint& at, QWidget* parent)
    : AppFormBase(QStringLiteral("Pick a Color"), parent), selected_(initial.toRgb()) {
    setModal(true);
    const QFont font = window_font();
    setFont(font);
    const int f = QFontMetrics(font).height();
    const int m = rounded(f / 2.0);
    const gcm::Scheme& scheme = gcm::scheme();
    const int width = 14 * f;

    int palette_bottom = 0;
    build_palette(m, title_bar_height(), 13 * f, 10 * f, palette_bottom);

    const int preview_y = palette_bottom + m;
    auto* preview_frame = new toolkit::AppPanel(this, m, preview_y, 2 * f, 2 * f, scheme.panel_text_color);
    preview_ = new toolkit::AppPanel(preview_frame, 1, 1, 2 * f - 2, 2 * f - 2, selected_);
    rgb_label_ = new toolkit::AppLabel(this, QString(), font, 3 * f, preview_y, scheme.panel_text_color);
    hex_label_ = new toolkit::AppLabel(this, QString(), font, 3 * f, preview_y + m + f, scheme.panel_text_color);
    for (toolkit::AppLabel* label : {rgb_label_, hex_label_}) label->resize(11 * f, m + f);

    int y = hex_label_->geometry().bottom() + 1 + 4;
    const int row_height = slider_height(f);
    add_channel_row(Red, QStringLiteral("R:"), y, row_height, f, m);
    add_channel_row(Green, QStringLiteral("G:"), y += row_height + 4, row_height, f, m);
    add_channel_row(Blue, QStringLiteral("B:"), y += row_height + 4, row_height, f, m);

    y += row_height + 4;
    auto* brightness_label =
        new toolkit::AppLabel(this, QStringLiteral("Brightness"), font, m, y, scheme.panel_text_color);
    brightness_label->move(m, y + (row_height - brightness_label->height()) / 2);
    brightness_ = themed_slider(this, 20, 6 * f, y, 6 * f + m, row_height);
    connect(brightness_, &QSlider::valueChanged, this, &ColourPicker::brightness_slid);

    y += brightness_->height() + 4;
    ok_ = new toolkit::AppButton(this, QStringLiteral("OK"), font, m, y, 0, 0);
    cancel_ = new toolkit::AppButton(this, QStringLiteral("Cancel"), font, ok_->geometry().right() + 1 + m, y, 0, 0);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    resize(std::max(width, cancel_->geometry().right() + 1 + m), cancel_->geometry().bottom() + 1 + 2 * m);

    updating_ = false;
    changed_by(Control::Palette, [] { return true; });
    glue::place_near_edges(*this, at, edge_margin);
}

void ColourPicker::build_palette(int x, int y, int width, int min_height, int& bottom) {
    const gcm::Scheme& scheme = gcm::scheme();
    palette_panel_ = new toolkit::AppPanel(this, x, y, width, min_height, scheme.panel_color);
    const int side = rounded(1.7 * QFontMetrics(font()).height());
    const int cell = side + 2 * palette_margin;
    // Left to right, wrapping at the panel's width; the panel grows to hold every row.
    int cx = 0;
    int cy = 0;
    for (const QColor& colour : palette_colours()) {
        if (cx > 0 && cx + cell > width) {
            cx = 0;
            cy += cell;
        }
        auto* button = new toolkit::AppButton(palette_panel_, QString(), cx + palette_margin, cy + palette_margin,
                                              side, side);
        button->set_colours(colour, scheme.panel_text_color, scheme.btn_border_color);
        button->setToolTip(QStringLiteral("RGB: %1, %2, %3").arg(colour.red()).arg(colour.green()).arg(colour.blue()));
        connect(button, &QPushButton::clicked, this, [this, colour] { palette_chosen(colour); });
        palette_buttons_.push_back(button);
        cx += cell;
    }
    palette_panel_->resize(width, std::max(min_height, cy + cell));
    bottom = palette_panel_->geometry().bottom() + 1;
}

void ColourPicker::add_channel_row(Channel which, const QString& name, int y, int height, int f, int m) {
    const gcm::Scheme& scheme = gcm::scheme();
    auto* label = new toolkit::AppLabel(this, name, font(), m, y, scheme.panel_text_color);
    label->move(m, y + (height - label->height()) / 2);
    auto* box = new toolkit::AppTextBox(this, std::string(), 2 * f + m, y + (height - (m + f)) / 2, 3 * f, m + f);
    box->edit()->setFont(font());
    connect(box->edit(), &QPlainTextEdit::textChanged, this, [this, which] { box_edited(which); });
    connect(box, &toolkit::AppTextBox::enterPressed, this, &QDialog::accept);
    connect(box, &toolkit::AppTextBox::escapePressed, this, &QDialog::reject);
    boxes_[which] = box;
    QSlider* slider = themed_slider(this, 16, 6 * f, y, 6 * f + m, height);
    connect(slider, &QSlider::valueChanged, this, [this, which](int value) { channel_slid(which, value); });
    sliders_[which] = slider;
}

// ---------------------------------------------------------------- the colour

int ColourPicker::channel(Channel which) const {
    return which == Red ? selected_.red() : which == Green ? selected_.green() : selected_.blue();
}

void ColourPicker::set_channel(Channel which, int value) {
    value = std::clamp(value, 0, channel_max);
    if (which == Red) selected_.setRed(value);
    if (which == Green) selected_.setGreen(value);
    if (which == Blue) selected_.setBlue(value);
}

// ---------------------------------------------------------------- what the user does

void ColourPicker::changed_by(Control source, const std::function<bool()>& change) {
    // The dialog's own updates of its controls come back as change signals: ignored.
    if (updating_) return;
    updating_ = true;
    if (change()) {
        if (source != Control::Boxes) show_in_boxes();
        if (source != Control::ChannelSliders) show_in_sliders();
        if (source != Control::Brightness) show_brightness();
        show_labels();
    }
    updating_ = false;
}

void ColourPicker::palette_chosen(const QColor& colour) {
    changed_by(Control::Palette, [&] {
        selected_ = colour;
        return true;
    });
}

void ColourPicker::channel_slid(Channel which, int value) {
    changed_by(Control::ChannelSliders, [&] {
        set_channel(which, value);
        return true;
    });
}

void ColourPicker::box_edited(Channel which) {
    changed_by(Control::Boxes, [&] {
        toolkit::AppTextBox* box = boxes_[which];
        const QString text = box->text();
        // An empty box counts as 0 and stays empty while the user types.
        const std::optional<int> typed = text.isEmpty() ? std::optional<int>(0) : glue::parse_whole(text);
        // Not a whole number: the box shows the channel again and nothing else changes.
        if (typed) set_channel(which, *typed);
        const QString shown = QString::number(channel(which));
        if (!text.isEmpty() && text != shown) {
            box->set_text(shown);
            box->edit()->moveCursor(QTextCursor::End);
        }
        return typed.has_value();
    });
}

void ColourPicker::brightness_slid(int value) {
    changed_by(Control::Brightness, [&] {
        const int r = selected_.red();
        const int g = selected_.green();
        const int b = selected_.blue();
        const double average = (r + g + b) / 3.0;
        if (value == 0) {
            selected_ = QColor(0, 0, 0);
        } else if (average == 0.0) {
            selected_ = QColor(value, value, value);
        } else {
            // Every channel scaled by the same factor keeps the hue as far as the range allows.
            const auto scaled = [&](int c) { return std::clamp(rounded(c * value / average), 0, channel_max); };
            selected_ = QColor(scaled(r), scaled(g), scaled(b));
        }
        return true;
    });
}

// ---------------------------------------------------------------- controls following the colour

void ColourPicker::show_in_boxes() {
    for (Channel which : {Red, Green, Blue}) boxes_[which]->set_text(QString::number(channel(which)));
}

void ColourPicker::show_in_sliders() {
    for (Channel which : {Red, Green, Blue}) sliders_[which]->setValue(channel(which));
}

void ColourPicker::show_brightness() {
    brightness_->setValue(rounded((selected_.red() + selected_.green() + selected_.blue()) / 3.0));
}

void ColourPicker::show_labels() {
    preview_->set_colour(selected_);
    rgb_label_->setText(rgb_text());
    hex_label_->setText(hex_text());
}

QString ColourPicker::rgb_text() const {
    return QStringLiteral("RGB: %1, %2, %3").arg(selected_.red()).arg(selected_.green()).arg(selected_.blue());
}

QString ColourPicker::hex_text() const {
    const auto two = [](int c) { return QStringLiteral("%1").arg(c, 2, 16, QLatin1Char('0')).toUpper(); };
    return QStringLiteral("HEX: #") + two(selected_.red()) + two(selected_.green()) + two(selected_.blue());
}

QColor ColourPicker::preview_colour() const { return preview_->palette().color(QPalette::Window); }

}  // namespace appearance
