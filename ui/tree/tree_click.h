#pragma once

#include <string>
#include <vector>

namespace object_tree {

// The selection after a left click on the object uid: with Ctrl the object is
// toggled (appended, or removed when it was selected); without, a selected
// object empties the selection and any other becomes the only one.
std::vector<std::string> selection_after_click(const std::vector<std::string>& selected, const std::string& uid,
                                               bool ctrl);

}  // namespace object_tree
