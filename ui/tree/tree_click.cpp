#include "ui/tree/tree_click.h"

#include <algorithm>

namespace object_tree {

std::vector<std::string> selection_after_click(const std::vector<std::string>& selected, const std::string& uid,
                                               bool ctrl) {
    const auto found = std::find(selected.begin(), selected.end(), uid);
    if (!ctrl) return found == selected.end() ? std::vector<std::string>{uid} : std::vector<std::string>{};
    std::vector<std::string> toggled = selected;
    if (found == selected.end())
        toggled.push_back(uid);
    else
        toggled.erase(toggled.begin() + (found - selected.begin()));
    return toggled;
}

}  // namespace object_tree
