#pragma once

#include <string>
#include <vector>

#include "pdf/reports/export_nodes_pdf.h"

namespace pdf {

// The full report of the current project: seventeen chapters that introduce
// and summarise the project, walk the graph along the six views of the
// tab pages, describe every object kind by kind and conclude with the
// summary again.
class ExportPDF : public ExportNodesPDF {
public:
    // Builds and writes the report: "" on success, otherwise the message to
    // show. A non-empty directory becomes the project's export directory.
    std::string export_pdf(const std::string& directory, const std::string& name);

    void cf01_add_introduction();
    void cf02_add_summary();
    void cf10_add_project_tree();
    void cf11_add_designproblems_tree();
    void cf12_add_options_tree();
    void cf13_add_validation_tree();
    void cf14_add_requirements_tree();
    void cf15_add_v_diagram_tree();
    void cf2_add_all_user_stories();
    void cf4_add_all_requirements();
    void cf5_add_all_design_problems();
    void cf6_add_all_options();
    void cf7_add_all_arguments();
    void cf8_add_all_evidences();
    void cf99_add_conclusion();

private:
    // One chapter: the destination its heading carries, whether it has a
    // heading at all (the mandate's chapter has none without a mandate), and
    // how it is built. The table fixes the order and the chapter numbers.
    struct Chapter {
        std::string destination;
        bool has_heading;
        void (ExportPDF::*build)();
    };
    std::vector<Chapter> chapters() const;
    // The number the layout gives the chapter with that destination.
    std::string chapter_number(const std::string& destination) const;

    void add_project_chapter();
    void add_mandate_chapter();
    void start_chapter(const std::string& title, const std::string& destination);
    // An object chapter: heading, the kind's help text, then one section per
    // object (or the no-objects line).
    template <class Kind, class Section>
    void add_object_chapter(const std::string& kind_name, const std::string& help, bool help_as_paragraphs,
                            const std::vector<Kind*>& objects, Section section);
};

}  // namespace pdf
