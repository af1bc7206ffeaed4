#pragma once

#include <array>
#include <string_view>

// The six tab pages of the main window, in the order of their buttons and of
// the zoom values in the project settings.
enum class TabPage { Project, Problems, Options, Validation, Requirements, VDiagram };

inline constexpr std::array<TabPage, 6> all_tab_pages{TabPage::Project,    TabPage::Problems,     TabPage::Options,
                                                      TabPage::Validation, TabPage::Requirements, TabPage::VDiagram};

inline constexpr std::array<std::string_view, 6> tab_page_captions{"Project",    "Problems",     "Options",
                                                                   "Validation", "Requirements", "V-diagram"};

inline constexpr std::string_view caption_of(TabPage page) { return tab_page_captions[static_cast<size_t>(page)]; }

// The six page flags the settings' zoom operations take, with only page set.
struct PageFlags {
    bool prj, prb, opt, val, req, vdi;
};
inline constexpr PageFlags flags_of(TabPage page) {
    return {page == TabPage::Project,    page == TabPage::Problems,     page == TabPage::Options,
            page == TabPage::Validation, page == TabPage::Requirements, page == TabPage::VDiagram};
}
