#pragma once

#include <string>

// Chapter titles and connecting sentences of the two PDF reports; the ReqIF
// export reuses the chapter texts of the six views. Pieces that a
// report joins directly carry their own blanks.
namespace GCC {

// Full report: introduction, one paragraph with the project's contents,
// the program's web address and chapter links between the pieces.
inline const std::string cf01_title = "Introduction";
inline const std::string cf01_00_txt = "This report describes the development of ";
inline const std::string cf01_01_txt = "within the";
inline const std::string cf01_02_txt = "project. The Morvanta tool (";
inline const std::string cf01_03_txt = ") was used to help discover all Requirements (see";
inline const std::string cf01_04_txt = ") and possible Options (see";
inline const std::string cf01_05_txt = "). The best Option combinations are shown in the Conclusion (see";
inline const std::string cf01_06_txt =
    ") and the summary below. The report provides several views on the information in chapters 4 to 8. "
    "It is recommended to read this report in digital format, so the internal links of the document can be used.";

// Summary; both reports use these pieces.
inline const std::string cf02_title = "Summary";
inline const std::string cf02_00_txt = "The";
inline const std::string cf02_01_txt = "project was conducted to develop";
inline const std::string cf02_02_descr_txt = ", which is described as follows:";
inline const std::string cf02_04_invalid_txt = "The project produced only invalid solutions.";
inline const std::string cf02_05_valid_txt = "The solution must be proven to";
inline const std::string cf02_06_txt = "The Evidence defined proves the solution up to";
inline const std::string cf02_goals_txt = "The goals set in this project are:";
inline const std::string cf02_no_goals_txt = "There are no goals set in this project.";
inline const std::string cf02_optimum_01_txt = "The";
inline const std::string cf02_optimum_02_txt = "are valid options. The options have the following characteristics:";

// Project tree view.
inline const std::string cf10_title = "Project Tree";
inline const std::string cf10_intro_txt =
    "This chapter shows the information about the intention and the purpose of the Project. "
    "The object below is the definition of the Project:";
inline const std::string cf10_usy_intro_txt = "The objects below define the User Stories:";
inline const std::string cf10_man_intro_txt = "The Project received the Mandate shown below:";
inline const std::string cf10_req_intro_txt = "The following Top Level Requirements have been defined in the Project:";

// Design problem tree view.
inline const std::string cf11_title = "Design Problem Tree";
inline const std::string cf11_intro_txt =
    "This chapter gives an overview of all Design Problems. The Design Problems are defined in the Project below:";
inline const std::string cf11_req_intro_txt = "The Project has the following top level Requirements:";
inline const std::string cf11_dp_layer_intro = "For the Design Problem below:";
inline const std::string cf11_dp_layer_req_intro = "The following (Integration) Requirements have been defined:";

// Options tree view.
inline const std::string cf12_title = "Options Tree";
inline const std::string cf12_intro_txt = "Options are generated to solve the top level Design Problems below:";
inline const std::string cf_12_dpr_layer_dpr_intro = "The Design Problem below is solved in this section:";
inline const std::string cf_12_dpr_layer_opt_intro = "The Options below are candidates to solve the Design Problem:";
inline const std::string cf_12_opt_layer_intro = "The Option has the following sub Options:";

// Validation tree view.
inline const std::string cf13_title = "Validation Trees";
inline const std::string cf13_intro_txt =
    "This chapter shows how each Option has been validated. A section has been created for each Option. "
    "Inside each section the Design Problem that the Option is supposed to solve is mentioned, including all "
    "Requirements it is supposed to satisfy. The validation consists of either new Requirements or Evidence.";
inline const std::string cf13_opt_val_intro = "This section discusses the Option shown below:";
inline const std::string cf13_opt_val_dpr_intro = "The Option is supposed to solve the Design Problem below:";
inline const std::string cf13_opt_val_req_intro = "The Design Problem is supposed to solve the Requirements below:";
inline const std::string cf13_opt_val_sub_opt_intro = cf_12_opt_layer_intro;
inline const std::string cf13_opt_val_sub_opt_integration_reqs_intro =
    "The Integration Requirement to integrate the sub Option below in the Option:";

// Requirements tree view.
inline const std::string cf14_title = "Requirements Trees";
inline const std::string cf14_intro =
    "This chapter shows all Requirement objects. The Requirement objects are structured by following the "
    "Argument objects. Please note that this includes all Options. The title of the sub-section shows which "
    "Option is involved. The sections below show the top-level Requirements of the project.";
inline const std::string cf14_req_intro = "This section shows the Top Level Requirement below:";
inline const std::string cf14_arg_intro =
    "The Arguments below define whether the Requirement is met. "
    "Only the Arguments associated with the selected Option have to be valid.";
inline const std::string cf14_arg_opt_1 =
    "This section shows the Argument below. The Argument should be followed if Option ";
inline const std::string cf14_arg_opt_2 = "is selected.";
inline const std::string cf14_arg_req =
    "The Argument states that the Option is valid if the Requirements below are met.";
inline const std::string cf14_arg_req_intro = "This section shows the Requirement below:";

// V-diagram view.
inline const std::string cf15_title = "V-diagram";
inline const std::string cf15_intro =
    "This chapter is structured to resemble a v-diagram. The sub sections discuss Options. It also shows the "
    "Evidence for the Argument. Each Option sub-section shows more detailed Requirements and further solutions "
    "to the Project below:";
inline const std::string cf15_man = "The Project received the Mandate shown below:";
inline const std::string cf15_usy_intro = "This section discusses the User Story shown below:";
inline const std::string cf15_req_req = "This section discusses the Requirement below:";
inline const std::string cf15_req_opt = "To satisfy the Requirement the following Options have been generated:";
inline const std::string cf15_opt_intro = "This section discusses the Option below:";
inline const std::string cf15_opt_sub_opt = "The following sub-options have been generated:";
inline const std::string cf15_arg_intro = "The Argument below:";
inline const std::string cf15_arg_evd = "Assumes that the Evidence below proves that the Requirements are met:";
inline const std::string cf15_arg_req = "Assumes that the Option is valid if the Requirements below are met:";

inline const std::string cf99_title = "Conclusion";

// Requirements report. Its level sections are titled re11_title_prefix, the
// level number and one of the re11_*_title endings.
inline const std::string re01_title = cf01_title;
inline const std::string re01_00_txt = "This report describes the development of ";
inline const std::string re01_01_txt = "within the";
inline const std::string re01_02_txt = "project. The Morvanta tool (";
inline const std::string re01_03_txt = ") was used to help discover all Requirements";
inline const std::string re02_title = cf02_title;
inline const std::string re10_title = "Requirements";
inline const std::string re10_usy_title = "User Stories";
inline const std::string re10_usy_intro = "The following User Stories have been defined for the Project.";
inline const std::string re10_intro = "The Top Level Requirements of this project are shown in the next section.";
inline const std::string re11_title = "Level";
inline const std::string re11_title_prefix = "Level ";
inline const std::string re11_req_title = " Requirements";
inline const std::string re11_opt_title = " Options";
inline const std::string re11_evd_title = " Evidence";
inline const std::string re99_title = cf99_title;

}  // namespace GCC
