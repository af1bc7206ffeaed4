#pragma once

// Fixed object numbers of the files the writer makes: the thirteen fonts
// are objects 1..13, then the document information, the font resources, the
// catalog and the page tree; pages, their content streams, the link
// annotations and the outline follow.
namespace pdf {

inline constexpr int kInfoObject = 14;
inline constexpr int kResourcesObject = 15;
inline constexpr int kCatalogObject = 16;
inline constexpr int kPageTreeObject = 17;
inline constexpr int kFirstPageObject = 18;

}  // namespace pdf
