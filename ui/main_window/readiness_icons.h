#pragma once

#include <QPixmap>
#include <QString>
#include <array>
#include <vector>

// The readiness pictures of the tree and the boxes. For a required level R the
// list holds 13 pictures: index i below R is "v_R_i" (not yet reached), index
// i from R to 11 is "v_0_i" (reached; 10 the optimal option, 11 a category),
// index 12 "v_9_0" (invalidated). The resized pictures of the boxes are cached
// per size and required level.
class ReadinessIcons {
public:
    static constexpr int list_size = 13;
    static constexpr int invalidated = 12;

    // The picture names of the list for required level (outside 0..9: level 9).
    static std::array<QString, list_size> names_for(int required_level);

    // The current list at size x size: for the current project's required level.
    std::vector<QPixmap> current_list(int size) const;
    // Icon index of the current list at (size - 1) square; null for a size of
    // 1 or less or an index outside the list; without a project the
    // invalidated picture at size x size.
    QPixmap current_icon(int size, int index);

private:
    int cached_size_ = -1;
    int cached_level_ = -1;
    std::vector<QPixmap> cached_;
};
