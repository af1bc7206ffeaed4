#pragma once

#include <string>

#include "ui/files/file_dialogs.h"

// The file commands' own texts and file choosers.
namespace file_commands::texts {

inline const std::string save_question = "Do you want to save the existing Project?";
inline const std::string save_question_title = "save";
inline const std::string nothing_to_save = "No Project exists that can be saved.";
inline const std::string target_in_use = "The file is already in use by another user.\nThe file could not be saved.";
inline const std::string opened_read_only =
    "This file is already in use by another user.\nThe file has been opened read-only.";
inline const std::string source_unreadable = "Failed to open the file.\nPlease check your access right.";
inline const std::string copy_not_created = "Failed to open destination path.\nPlease check your access right.";
inline const std::string copy_failed = "Failed to open the file.\nError: ";
inline const std::string no_project_for_pdf = "No Project available that can be exported.";
inline const std::string no_project_for_exchange = "No Project exists that can be exported.";

// Where no lock file can be made: the folder or the file is not writable.
inline const std::string opened_without_write_access =
    "You may not write to this file or its folder.\nThe file has been opened read-only.";
inline const std::string not_saved_here = "The file could not be saved.\n";
inline const std::string export_unavailable = "This export is not available.";
inline const std::string recent_files_title = "Recent files";

inline std::string missing_file(const std::string& path) { return "The file\n" + path + "\ndoes not exist."; }
inline std::string not_a_file(const std::string& path) {
    return "The path\n" + path + "\nis a folder or a device, not a file.";
}
inline std::string missing_recent_file(const std::string& path) {
    return missing_file(path) + "\n\nRemove it from the recent files?";
}
// A lock message with the holder, when known, on a line of its own.
inline std::string with_holder(const std::string& text, const std::string& holder) {
    return holder.empty() ? text : text + "\n\nIt is held by " + holder + ".";
}

inline const std::vector<FileFilter> project_filters = {{"Morvanta xml files (*.xml)", "*.xml"},
                                                        {"All files (*.*)", "*.*"}};
inline const FileChooser open_chooser{"Open Morvanta file", project_filters, "xml"};
inline const FileChooser save_chooser{"Save Morvanta file", project_filters, "xml"};
inline const FileChooser reqif_chooser{"Export ReqIF file", {{"ReqIF files (*.reqif)", "*.reqif"}}, "reqif"};
inline const FileChooser sysml_chooser{"Export SysML XMI file", {{"SysML XMI files (*.xmi)", "*.xmi"}}, "xmi"};
inline const FileChooser pdf_chooser{"Export pdf document", {{"pdf files (*.pdf)", "*.pdf"}}, "pdf"};

}  // namespace file_commands::texts
