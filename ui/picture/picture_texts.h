#pragma once

// The picture export's own texts.
namespace picture::texts {

inline constexpr const char* save_title = "Save Image";
inline constexpr const char* no_project = "No Project exists that can be exported.";
inline constexpr const char* invalid_dimensions = "Invalid image dimensions.";
inline constexpr const char* too_large =
    "Image requires too much memory to export.\nTry zooming out before exporting the image.\nOr try to zoom in "
    "instead of selecting High-Quality image.";
inline constexpr const char* outside_page = "Please select image within the tabpage.";
inline constexpr const char* no_encoder = "GetEncoder: Encoder not found.";
inline constexpr const char* paper_title = "pdf paper size";
inline constexpr const char* paper_prompt = "Select the pdf paper size:";
// A failed write, followed by the file and the reason.
inline constexpr const char* not_written = "The picture could not be written to ";
// The name the save dialog chose was changed to fit the format, and that file exists.
inline constexpr const char* replace_question = " already exists.\nDo you want to replace it?";
// The window title of the area selection (it shows no title bar).
inline constexpr const char* area_title = "Select Area";

}  // namespace picture::texts
