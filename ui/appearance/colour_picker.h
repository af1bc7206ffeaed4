#pragma once

#include <QColor>
#include <QPoint>
#include <array>
#include <functional>
#include <vector>

#include "ui/toolkit/app_form_base.h"

class QSlider;

namespace toolkit {
class AppButton;
class AppLabel;
class AppPanel;
class AppTextBox;
}  // namespace toolkit

namespace appearance {

// The picker's palette, in order.
const std::array<QColor, 30>& palette_colours();

// The modal "Pick a Color" dialog: a palette, red, green and blue as numbers
// and sliders, and a brightness slider, all following each other. The caller
// runs it through the dialog seam and, after OK, reads selected_colour().
class ColourPicker : public toolkit::AppFormBase {
    Q_OBJECT
public:
    enum Channel { Red, Green, Blue };

    ColourPicker(const QColor& initial, const QPoint& at, QWidget* parent = nullptr);

    QColor selected_colour() const { return selected_; }

    // The controls, for whoever drives the dialog.
    const std::vector<toolkit::AppButton*>& palette_buttons() const { return palette_buttons_; }
    toolkit::AppTextBox* channel_box(Channel channel) const { return boxes_[channel]; }
    QSlider* channel_slider(Channel channel) const { return sliders_[channel]; }
    QSlider* brightness_slider() const { return brightness_; }
    QString rgb_text() const;
    QString hex_text() const;
    QColor preview_colour() const;
    toolkit::AppButton* ok_button() const { return ok_; }
    toolkit::AppButton* cancel_button() const { return cancel_; }

private:
    void build_palette(int x, int y, int width, int min_height, int& bottom);
    void add_channel_row(Channel channel, const QString& name, int y, int height, int f, int m);

    enum class Control { Palette, ChannelSliders, Boxes, Brightness };
    // A change the user made at source: when change() reports it took effect,
    // every other control follows the colour.
    void changed_by(Control source, const std::function<bool()>& change);
    void palette_chosen(const QColor& colour);
    void channel_slid(Channel channel, int value);
    void box_edited(Channel channel);
    void brightness_slid(int value);

    int channel(Channel which) const;
    void set_channel(Channel which, int value);
    // The controls that follow the colour.
    void show_in_boxes();
    void show_in_sliders();
    void show_brightness();
    void show_labels();

    QColor selected_;
    // True while the dialog sets its own controls: their change signals are then ignored.
    bool updating_ = true;

    toolkit::AppPanel* palette_panel_ = nullptr;
    std::vector<toolkit::AppButton*> palette_buttons_;
    toolkit::AppPanel* preview_ = nullptr;
    toolkit::AppLabel* rgb_label_ = nullptr;
    toolkit::AppLabel* hex_label_ = nullptr;
    std::array<toolkit::AppTextBox*, 3> boxes_{};
    std::array<QSlider*, 3> sliders_{};
    QSlider* brightness_ = nullptr;
    toolkit::AppButton* ok_ = nullptr;
    toolkit::AppButton* cancel_ = nullptr;
};

}  // namespace appearance
