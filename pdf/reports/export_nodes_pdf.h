#pragma once

#include <string>
#include <vector>

#include "core/chapters/export_display_filter.h"
#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "pdf/doc/pdf_doc.h"

class Argument;
class DesignProblem;
class Evidence;
class Mandate;
class Node;
class Option;
class Requirement;
class UserStory;
class VerbCapBase;
class VerbCapParamBase;

namespace pdf {

// What both reports say about one object of the graph: a section per kind
// (heading, text, uid, validity, parents and children, proof level, subject,
// kind-specific values, tooltip, comments and references) and the short
// reference row the tree chapters use to point at an object. Every section
// heading is a destination named by the object's uid, and every reference
// row links to it. Reads the current project; changes nothing in the model.
class ExportNodesPDF : public PDFdoc {
public:
    // Gives the current project an export directory when it has none.
    ExportNodesPDF();

    // The output file name, by default the project's name + ".pdf".
    std::string get_filename();
    // Empty keeps the current name; a name not ending in ".pdf" gets it appended.
    void set_filename(const std::string& name);

    // Sections; a null object gives only the "No ... objects defined here." line.
    void add_project(Project* project, int level, bool new_page);
    void add_user_story(UserStory* user_story, int level, bool new_page, bool full);
    void add_mandate(Mandate* mandate, int level, bool new_page);
    void add_requirement(Requirement* requirement, int level, bool new_page, bool full);
    void add_design_problem(DesignProblem* design_problem, int level, bool new_page);
    void add_option(Option* option, int level, bool new_page, bool full);
    void add_argument(Argument* argument, int level, bool new_page);
    void add_evidence(Evidence* evidence, int level, bool new_page, bool full);

    // Parts of a section.
    void add_node_info(Node* node, bool full);
    void add_node_ttt_refs_comments(Node* node);
    void add_verbcapbase_info(const VerbCapBase* node);
    void add_verbcapparambase_info(const VerbCapParamBase* node);

    // A reference row: kind, linked uid and the object's text.
    void add_node_ref(const Node* node);

    void add_no_obj_in_prj(const std::string& kind_name);
    void add_no_obj_here(const std::string& kind_name);

protected:
    // One text as a single paragraph, extra_space points below the previous text.
    void add_block(const std::string& text, int extra_space = 10) { add_below(text, extra_space); }
    // Every line of the text as a paragraph, empty lines as gaps of `gap` points.
    void add_paragraphs(const std::string& text, int extra_space, int gap = 5) {
        add_below(text, extra_space, {}, {}, false, gap);
    }
    // A label and a value; the value may link to a destination or a web address.
    void add_row(const std::string& label, const std::string& value, int extra_space = 10,
                 const std::string& link = {}, const std::string& uri = {});

    // Runs a whole export: the export directory, the display filter the
    // reports are made with (restored on every path out), the chapters, the
    // title page and contents, and the file. "" or the message to show.
    template <class BuildChapters>
    std::string run_export(const std::string& directory, const std::string& name, BuildChapters build_chapters);

    std::string filename;
    int value_column = 100;

private:
    // Starts a section; false (after the no-objects line) for a null object.
    bool start_section(const Node* node, const std::string& kind_name, int level, bool new_page,
                       const std::string& heading);
    std::string prepare_export(const std::string& directory, const std::string& name);
    std::string finish_export();
};

template <class BuildChapters>
std::string ExportNodesPDF::run_export(const std::string& directory, const std::string& name,
                                       BuildChapters build_chapters) {
    if (std::string error = prepare_export(directory, name); !error.empty()) return error;
    {
        chapters::ExportDisplayFilter filter(GCC::RP->get_settings());
        build_chapters();
    }
    return finish_export();
}

}  // namespace pdf
