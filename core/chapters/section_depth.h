#pragma once

#include <cstddef>

namespace chapters {

// How deep the sections of a written report or export nest. A chain of
// derived requirements or sub-options opens one section per level; nesting
// them all would make heading numbers and indented files grow with the square
// of the depth (and deep files unreadable to some tools). Sections below this
// depth follow one another at this depth, in the order of the walk, each with
// its own heading and content: the report numbers them on in the last part
// of a number of this many parts, the ReqIF hierarchy and the SysML views
// place them side by side there. Projects of ordinary depth never reach it.
inline constexpr size_t max_section_depth = 16;

}  // namespace chapters
