#include "ui/boxes/box_style.h"

#include <QFontMetrics>
#include <utility>

#include "ui/main_window/main_window_services.h"
#include "ui/theme/fonts.h"
#include "ui/theme/scheme.h"

using page_geometry::BoxColours;

namespace {

// A missing or unknown object stands out in red.
const QColor error_fill{255, 0, 0};
const QColor error_text{255, 255, 255};
const QColor error_border{0, 0, 0};

}  // namespace

std::shared_ptr<const BoxStyle> BoxStyle::current() { return for_font(gcm::mp_font()); }

std::shared_ptr<const BoxStyle> BoxStyle::for_font(const QFont& font) {
    auto style = std::make_shared<BoxStyle>();
    style->font_ = font;
    style->title_font_ = style->font_;
    style->title_font_.setBold(true);
    style->font_height_ = QFontMetrics(style->font_).height();
    style->title_height_ = QFontMetrics(style->title_font_).height();
    return style;
}

namespace {

// The scheme's fill and text colour of a kind of box.
std::pair<QColor, QColor> colour_pair(BoxColours colours) {
    const gcm::Scheme& s = gcm::scheme();
    switch (colours) {
        case BoxColours::Error: return {error_fill, error_text};
        case BoxColours::Project: return {s.box_color_prj, s.txt_color_prj};
        case BoxColours::UserStory: return {s.box_color_usy, s.txt_color_usy};
        case BoxColours::Mandate: return {s.box_color_man, s.txt_color_man};
        case BoxColours::Requirement: return {s.box_color_req, s.txt_color_req};
        case BoxColours::DesignProblem: return {s.box_color_dpr, s.txt_color_dpr};
        case BoxColours::OptionInvalid: return {s.box_color_opt_inv, s.txt_color_opt_inv};
        case BoxColours::OptionValid: return {s.box_color_opt_val, s.txt_color_opt_val};
        case BoxColours::OptionOptimal: return {s.box_color_opt_opt, s.txt_color_opt_opt};
        case BoxColours::Argument: return {s.box_color_arg, s.txt_color_arg};
        case BoxColours::Evidence: return {s.box_color_evd, s.txt_color_evd};
    }
    return {error_fill, error_text};
}

}  // namespace

QColor BoxStyle::fill(BoxColours colours) const { return colour_pair(colours).first; }

QColor BoxStyle::text(BoxColours colours) const { return colour_pair(colours).second; }

QColor BoxStyle::border(BoxColours colours) const { return colours == BoxColours::Error ? error_border : gcm::scheme().box_border_color;
}

QPixmap BoxStyle::comment_picture(bool has_comments, bool dark_fill) const {
    QPixmap& picture = comment_pictures_[has_comments][dark_fill];
    if (picture.isNull() && main_window()) {
        using Icon = MainWindowServices::CommentIcon;
        // The window's pictures are one pixel smaller than asked for.
        picture = main_window()->comment_icon(has_comments ? Icon::Text : Icon::Add, dark_fill, title_height_ + 1);
    }
    return picture;
}
