#pragma once

#include <string>
#include <unordered_set>

#include "core/model/node.h"
#include "pdf/reports/export_nodes_pdf.h"

class Option;

namespace pdf {

// The requirements report of the current project: introduction, summary,
// one chapter that follows the V-diagram page layer by layer (user stories,
// then per layer the requirements, the options shown for their design
// problems with all their sub-options, and the evidence), and the summary
// again as conclusion. Objects get the brief form of their sections.
class ExportReqPDF : public ExportNodesPDF {
public:
    // Builds and writes the report: "" on success, otherwise the message to
    // show. A non-empty directory becomes the project's export directory.
    std::string export_pdf(const std::string& directory, const std::string& name);

    void re01_add_introduction();
    void re02_add_summary();
    void re10_add_v_diagram_objects();
    // Layer n of the V-diagram chapter and every layer below it.
    void re11_add_v_diagram_layer(const NodeList& requirements, int layer_number);
    void re99_add_conclusion();

private:
    // Brief sections of an option's sub-options at every depth, each one
    // level deeper than its parent; every one is appended to shown.
    void add_sub_options(Option* option, int level, NodeList& shown, std::unordered_set<std::string>& visited);
};

}  // namespace pdf
