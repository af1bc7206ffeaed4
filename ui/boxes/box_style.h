#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <array>
#include <memory>

#include "ui/geometry/box_face.h"

// What every box of one drawing shares: the canvas font and its bold title
// copy with their heights, the scheme colours (read from the scheme in use
// whenever asked, so that a tried colour shows without a rebuild) and the
// comment pictures.
// Made once per page rebuild, so that a box costs no font metrics or
// picture drawing of its own.
class BoxStyle {
public:
    // The canvas font and the scheme in use now.
    static std::shared_ptr<const BoxStyle> current();
    // The scheme in use now with another font (windows that scale their
    // boxes to a font of their own).
    static std::shared_ptr<const BoxStyle> for_font(const QFont& font);

    const QFont& font() const { return font_; }
    const QFont& title_font() const { return title_font_; }
    int font_height() const { return font_height_; }
    int title_height() const { return title_height_; }

    QColor fill(page_geometry::BoxColours colours) const;
    QColor text(page_geometry::BoxColours colours) const;
    QColor border(page_geometry::BoxColours colours) const;

    // The comment picture filling a button of title_height() square, light
    // on a dark fill.
    QPixmap comment_picture(bool has_comments, bool dark_fill) const;

private:
    QFont font_;
    QFont title_font_;
    int font_height_ = 0;
    int title_height_ = 0;
    // [has comments][dark fill], drawn when first asked for.
    mutable std::array<std::array<QPixmap, 2>, 2> comment_pictures_;
};
