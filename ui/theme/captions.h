#pragma once

#include <string_view>

// Every caption and tooltip of the menus, the tool strip and the object boxes.
// An empty tooltip means the item has none.
namespace gcm {

struct Caption {
    std::string_view txt;
    std::string_view ttt;
};

namespace menu {
inline constexpr Caption file{"File", ""};
inline constexpr Caption new_file{"New", ""};
inline constexpr Caption open{"Open", ""};
inline constexpr Caption save{"Save", ""};
inline constexpr Caption save_as{"Save as", ""};
inline constexpr Caption export_pdf{"Export pdf", "Export a pdf file with\nall information."};
inline constexpr Caption export_req_pdf{"Export Requirements pdf",
                                        "Export a pdf file with\nall Requirements as shown\nin the v-diagram tabpage."};
inline constexpr Caption export_reqif{"Export ReqIF", "Export all information\nin .reqIF format."};
inline constexpr Caption export_sysml{"Export SysML", "Export all information\nin SysML format."};
inline constexpr Caption import_comments{
    "Import comments",
    "To import comments from another\nMorvanta xml file.\n\nThe Morvanta xml file must\noriginate from the same Project."};
inline constexpr Caption close{"Close",
                               "Close the current Project\nand create a new one.\n\nWill ask you to save unsaved\nwork before "
                               "closing."};
inline constexpr Caption exit{"Exit", "Exit the application.\n\nWill ask you to save unsaved\nwork before closing."};
inline constexpr std::string_view no_recent_files = "no recent files";

inline constexpr Caption edit{"Edit", ""};
inline constexpr Caption undo{"Undo", ""};
inline constexpr Caption redo{"Redo", ""};
inline constexpr Caption find{"Find text", "Find and select objects\nwith a certain string."};
inline constexpr Caption find_comments{"Find all comments", "Find all objects\nwith a comment."};
inline constexpr Caption find_uid{"Find object with UID", "Will select and show the\nobject with the UID."};

inline constexpr Caption view{"View", ""};
inline constexpr Caption appearance{"Appearance", "Opens a window that\ncan be used to modify\nthe apearance."};
inline constexpr Caption appearance_default{"Set appearance as default",
                                            "Set current appearance\nas default in the\nconfiguration file."};

inline constexpr Caption tools{"Tools", ""};
inline constexpr Caption customize_parameters{
    "Customize Parameters",
    "Opens a table to view and edit\nthe available Parameter types\n(mass, length, time, ...).\nAllows you to add, "
    "remove\nor deactivate Parameter\ntypes and units.\n"};
inline constexpr Caption references{"Project References",
                                    "Opens a table to view and edit\nthe References of the Project.\n"};
inline constexpr Caption review_int_reqs{"Review Integration Requirements",
                                         "Gets all Options that lack\nan Integration Requirement."};
inline constexpr Caption review_evidence{"Review Evidence",
                                         "Check what is needed to prove\nthe concept up to a certain level."};

inline constexpr Caption help{"Help", ""};
inline constexpr Caption about{"About", ""};
inline constexpr Caption privacy{"Privacy Policy", ""};
inline constexpr Caption examples{"Example Projects", ""};
inline constexpr Caption explain_example{
    "Explain Objects Project",
    "This creates a new Project.\nThe example allows you to see and\nexperience all objects and views\nas intended in "
    "order to help you\nto explore the application."};
inline constexpr Caption gate_example{
    "Gate Example Project",
    "This creates a new Project.\nThe example shows possible\nsolutions to manage access\nto a gate."};
inline constexpr Caption explain{"Explain Objects", "Explains the objects\nof this tool and how they relate."};
}  // namespace menu

// The tool strip shows images only; txt is what the pointer shows.
namespace tool {
inline constexpr Caption new_file{"New", ""};
inline constexpr Caption open{"Open", ""};
inline constexpr Caption save{"Save", ""};
inline constexpr Caption save_as{"Save As", ""};
inline constexpr Caption undo{"Undo", ""};
inline constexpr Caption redo{"Redo", ""};
inline constexpr Caption find{"Find and select objects\nwith a certain string.", ""};
inline constexpr Caption find_uid{"Will select and show the\nobject with the UID.", ""};
inline constexpr Caption filter{"Select whether to show \nAll objects\nValid objects only\nOptimal objects only", ""};
inline constexpr Caption screenshot{"Save picture of current tab page\nTo clipboard if CTRL + Click", ""};
inline constexpr Caption screen_grab{"Save picture of selected area\nTo clipboard if CTRL + Click", ""};
inline constexpr Caption font_decrease{"Decrease font size", ""};
inline constexpr Caption font_increase{"Increase font size", ""};
inline constexpr Caption zoom_out{"Zoom Out", ""};
inline constexpr Caption zoom_reset{"Reset Zoom", ""};
inline constexpr Caption zoom_in{"Zoom In", ""};
}  // namespace tool

namespace tree_menu {
inline constexpr Caption show_related{"Show related objects", ""};
inline constexpr Caption edit_comments{"Show and edit comments", "Show, add, delete or modify comments"};
}  // namespace tree_menu

// The commands of the object boxes' context menus.
namespace box {
inline constexpr Caption copy_uid{"Copy object", "Copy the UID of this\nobject to the clipboard"};
inline constexpr Caption paste_uid{"Paste object", "Create a copy using the\nUID on the clipboard"};
inline constexpr Caption select_obj{"Select object in tree", "Select this object in the main tree"};
inline constexpr Caption deselect_obj{"Deselect object in tree", "To deselect this object in the main tree"};
inline constexpr Caption show_related{"Show related objects", ""};
inline constexpr Caption delete_obj{"Delete object", "Delete the object, including single parent children"};
inline constexpr Caption modify_tooltip{"Edit tooltp text", ""};
inline constexpr Caption hide_show_nodes{"Hide or Show Nodes", ""};
inline constexpr Caption add_goal{"Add Goal", "A property must be as small/large as possible"};
inline constexpr Caption add_func_req{"Add Functional Requirement", "Does not define any quantitative value"};
inline constexpr Caption add_req{"Add Requirement", "Define a quantitative\nor functional Requirement."};
inline constexpr Caption arg_toggle_validates{"Toggle Validates - Invalidates", "To prove or disprove the Requirement"};
inline constexpr Caption arg_link_req{"Link to Existing Requirement",
                                      "Argument is valid if the linked Requirement is valid"};
inline constexpr Caption arg_unlink_req{"Unlink child Requirement",
                                        "Deletes Requirement if the Argument is the only parent"};
inline constexpr Caption arg_add_evd{"Add Evidence", "Evidence to validate or invalidate the Argument"};
inline constexpr Caption arg_link_evd{"Link to Existing Evidence", "Argument is valid if the linked Evidence is valid"};
inline constexpr Caption arg_unlink_evd{"Unlink child Evidence", "Deletes Evidence if the Argument is the only parent"};
inline constexpr Caption dpr_remove_req{"Remove Requirement", "Remove a Requirement the Design Problem tries to solve"};
inline constexpr Caption dpr_add_req{"Add Requirement", "Add a Requirement the Design Problem tries to solve"};
inline constexpr Caption dpr_add_option{"Add Option", "Add Option that can solve the Design Problem"};
inline constexpr Caption dpr_ai_prompt{"Copy AI prompt", "Puts AI prompt on the clipboard"};
inline constexpr Caption dpr_ai_answer{"Paste AI answer", "Processes AI answer from the clipboard"};
inline constexpr Caption evd_change_level{"Change readiness level", "To what maturity to develop"};
inline constexpr Caption evd_change_descr{"Change description", "Describe the claim of the Evidence"};
inline constexpr Caption man_change_remark{"Change Remark", "Remarks that were made during the approval."};
inline constexpr Caption man_change_level{"Change Required Readiness Level", "Change to what maturity to develop"};
inline constexpr Caption man_derive_reqs{"Derive Requirements from User Stories",
                                         "Automatically derive a Requirement for each User Story"};
inline constexpr Caption man_review_evidence{"Review Evidence",
                                             "Check what is needed to prove\nthe concept up to a certain level."};
inline constexpr Caption opt_change_subject{"Change the Subject",
                                            "Will change the subject of all related objects as well"};
inline constexpr Caption opt_add_sub_option{"Add Sub Option",
                                            "To divide into functional elements or into sub assemblies"};
inline constexpr Caption opt_add_int_req{"Add Integration Requirement", "Automatically adds an Integration Requirement"};
inline constexpr Caption opt_add_argument{"Add Argument", "Will ask you to select which Requirement it discusses"};
inline constexpr Caption opt_add_arguments{"Add all Arguments", "To add an Argument for each Requirement"};
inline constexpr Caption prj_change_name{"Change Name", "To change the name of the Project"};
inline constexpr Caption prj_change_description{"Change Description", "To change the description of the Project"};
inline constexpr Caption prj_add_user_story{"Add User Story", "To Add a User Story to the Project"};
inline constexpr Caption req_show_why{"Show Why", "Shows all Requirements from which this Requirement is derived"};
inline constexpr Caption req_add_design_problem{"Add Design Problem",
                                                "More Requirements can be added to the Design Problem later on"};
inline constexpr Caption req_add_to_design_problem{"Add to Existing Design Problem",
                                                   "Consider this Requirement in an existing Design Problem"};
inline constexpr Caption req_add_argument{"Add Argument", "Argue the Option validity for this Requirement"};
inline constexpr Caption req_allocate{"Allocate Requirement", "Derives Requirements with the same parameter type"};
inline constexpr Caption req_derive_user_story{"Derive User Story",
                                               "Each Top Level Requirement must be linked to a User Story."};
inline constexpr Caption usy_edit_description{"Edit description", "Edit the description of the User Story"};
inline constexpr Caption usy_add_mandate{"Add Mandate", "Add a Mandate to the Project"};
inline constexpr Caption usy_define_goal{"Define Goal", "A property must be as small/large as possible"};
inline constexpr Caption usy_define_req{"Define Requirement", "Define a quantitative\nor functional Requirement."};
inline constexpr Caption usy_derive_req{"Derive Requirement", "Derive a Top Level Requirement from this User Story"};
inline constexpr Caption vcb_change_subject{"Change the Subject", "Changes the Subject of all related objects as well"};
inline constexpr Caption evd_change_subject{"", "Changes the Subject of this object only"};
inline constexpr Caption vcb_change_verb{"Change the Verb", "Changes the Verb of all related objects as well"};
inline constexpr Caption vcb_change_capability{"Change the Capability",
                                               "Changes the Capability of all related objects as well"};
inline constexpr Caption vcp_change_quantity{"Change the Quantification",
                                             "Add any missing types in 'Tools' => 'Customize Parameters'"};
inline constexpr Caption vcp_make_goal{"Change to a Goal", "To minimize or maximize a parameter"};
inline constexpr Caption vcp_edit_goal_weight{"Edit Importance", "To change the Importance of the Goal"};
inline constexpr Caption vcp_make_functional{"Change to a Functional Requirement",
                                             "A requirement without quantification"};
inline constexpr Caption open_reference{"Open a reference", "To open a reference"};
inline constexpr Caption add_reference{"Add a reference", "To add a new reference"};
inline constexpr Caption link_reference{"Link a reference", "To link an existing reference"};
inline constexpr Caption edit_references{"Edit references", "To edit a reference"};
inline constexpr Caption remove_reference{"Remove reference",
                                          "Remove one of the references from this\nobject. The reference will be "
                                          "deleted\nif no other objects link the reference."};

// Prompts and defaults of the object-box dialogs.
inline constexpr std::string_view define_quant_text = "Define the Quantification:";
inline constexpr std::string_view usy_derive_quant_text = "Derive Functional Requirement\nor add quantification:";
inline constexpr std::string_view default_subject = "subject";
inline constexpr std::string_view define_cap_text = "Define the capability:";
inline constexpr std::string_view default_verb = "verb";
inline constexpr std::string_view define_verb_text = "Define the verb:";
inline constexpr std::string_view default_cap = "capability";
inline constexpr std::string_view define_descr_text = "Define a description:";
inline constexpr std::string_view default_descr = "description";
inline constexpr std::string_view reference_name_prompt = "The reference name:";
inline constexpr std::string_view reference_descr_prompt = "The reference description:";
inline constexpr std::string_view reference_link_prompt = "The reference link or URL:";
inline constexpr std::string_view reference_type_prompt = "Select the reference type";
}  // namespace box

}  // namespace gcm
