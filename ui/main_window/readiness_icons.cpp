#include "ui/main_window/readiness_icons.h"

#include "core/constants/gcc.h"
#include "core/model/readiness_level.h"
#include "ui/icons/icon_library.h"

namespace {

int current_required_level() {
    if (!GCC::RP) return 9;
    const int level = ReadinessLevel::get_reqd_level();
    return level >= 0 && level <= 9 ? level : 9;
}

}  // namespace

std::array<QString, ReadinessIcons::list_size> ReadinessIcons::names_for(int required_level) {
    if (required_level < 0 || required_level > 9) required_level = 9;
    std::array<QString, list_size> names;
    for (int i = 0; i < invalidated; ++i)
        names[static_cast<size_t>(i)] =
            QStringLiteral("v_%1_%2").arg(i < required_level ? required_level : 0).arg(i);
    names[invalidated] = QStringLiteral("v_9_0");
    return names;
}

std::vector<QPixmap> ReadinessIcons::current_list(int size) const {
    std::vector<QPixmap> list;
    for (const QString& name : names_for(current_required_level())) list.push_back(icons::named(name, size));
    return list;
}

QPixmap ReadinessIcons::current_icon(int size, int index) {
    if (size <= 1) return {};
    if (!GCC::RP) return icons::named(names_for(9)[invalidated], size);
    if (index < 0 || index >= list_size) return {};
    const int level = current_required_level();
    if (size != cached_size_ || level != cached_level_) {
        cached_ = current_list(size - 1);
        cached_size_ = size;
        cached_level_ = level;
    }
    return cached_[static_cast<size_t>(index)];
}
