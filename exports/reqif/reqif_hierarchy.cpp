// The one SPECIFICATION element: a document with the full report's tree
// chapters and one list per object kind, as headings, paragraphs and entries
// that point at the objects.
#include <algorithm>
#include <string>
#include <vector>

#include "core/chapters/chapter_walk.h"
#include "core/chapters/section_depth.h"
#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/evidence.h"
#include "core/model/mandate.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "core/queries/node_filters.h"
#include "exports/reqif/reqif_document.h"
#include "exports/xml_writing.h"

namespace exports::reqif {

namespace {

// Hierarchy identifiers grow with the route; deeper ones are shortened.
constexpr size_t max_route_size = 1024;

}  // namespace

// Turns the chapter walk into document objects and hierarchy entries.
class HierarchyWriter : public chapters::ChapterVisitor {
public:
    HierarchyWriter(DocumentBuilder& builder, pugi::xml_node top) : b(builder) { sections.push_back(top); }

    void heading(const chapters::Heading& h) override {
        // Below the deepest section the entries follow one another there.
        const size_t parent = std::min(sections.size(), chapters::max_section_depth) - 1;
        sections.push_back(header(xml::identifier(h.key(max_route_size)), h.text, sections[parent]));
    }
    void end_section() override { sections.pop_back(); }
    void intro(const chapters::Intro& i) override { paragraph(xml::identifier(i.key(max_route_size)), i.text); }
    void ref(const chapters::Ref& r) override { leaf(xml::identifier(r.route.text(max_route_size)), *r.node); }

    // A heading object and its entry in the given section (the current one
    // when none), whose CHILDREN the caller fills.
    pugi::xml_node header(const std::string& key, const std::string& text, pugi::xml_node section = {}) {
        doc_object(key, "SOT_Doc_Header", "AD_Doc_Header", text);
        pugi::xml_node entry = hierarchy("SH_" + key, key, section ? section : sections.back());
        return b.element(entry, "CHILDREN");
    }
    void paragraph(const std::string& key, const std::string& text) {
        doc_object(key, "SOT_Doc_Text", "AD_Doc_Text", text);
        hierarchy("SH_" + key, key, sections.back());
    }
    void leaf(const std::string& identifier, const Node& node) {
        if (b.is_written(&node)) hierarchy(identifier, object_id(node), sections.back());
    }
    pugi::xml_node section() const { return sections.back(); }

private:
    void doc_object(const std::string& key, const char* type, const std::string& definition, const std::string& text) {
        pugi::xml_node object = b.element(b.spec_objects_node, "SPEC-OBJECT");
        b.stamp(object);
        xml::set(object, "IDENTIFIER", key);
        xml::add_text(b.element(object, "TYPE"), "SPEC-OBJECT-TYPE-REF", type);
        b.value(b.element(object, "VALUES"), "STRING", definition, text);
    }
    pugi::xml_node hierarchy(const std::string& identifier, const std::string& object, pugi::xml_node section) {
        pugi::xml_node entry = b.identified(section, "SPEC-HIERARCHY", identifier);
        b.stamp(entry);
        xml::add_text(b.element(entry, "OBJECT"), "SPEC-OBJECT-REF", object);
        return entry;
    }

    DocumentBuilder& b;
    // The CHILDREN of every open section, outermost first.
    std::vector<pugi::xml_node> sections;
};

void DocumentBuilder::create_doc() {
    pugi::xml_node document_node = element(documents_node, "SPECIFICATION");
    xml::set(document_node, "DESC", "Report with all objects of the " + project.get_name() + " project.");
    xml::set(document_node, "IDENTIFIER", xml::identifier("SPEC_DOC_" + project.get_uid()));
    xml::set(document_node, "LONG-NAME", project.get_name());
    stamp(document_node);
    xml::add_text(element(document_node, "TYPE"), "SPECIFICATION-TYPE-REF", "SPEC_DOC");
    pugi::xml_node top = element(document_node, "CHILDREN");
    HierarchyWriter writer(*this, top);
    chapters::walk_chapters(project, chapters::Style::interchange, writer);
    add_object_lists(top);
}

void DocumentBuilder::add_object_lists(pugi::xml_node top) {
    struct List {
        const char* key;
        const char* heading;
        const std::string& explanation;
        NodeList objects;
        const char* prefix;
    };
    const auto& registry = project.get_nd_map();
    auto nodes = [](const auto& items) { return NodeList(items.begin(), items.end()); };
    const std::vector<List> lists = {
        {"HSO_ALL_PRJ", "Project object", GCC::prj_txt, {&project}, "SH_CF1_PRJ"},
        {"HSO_ALL_USY", "User Story objects", GCC::usy_txt, nodes(project.get_child_user_stories()), "SH_CF2_USYS"},
        {"HSO_ALL_MAN", "Mandate objects", GCC::man_txt, nodes(MyFF::filter_mandates(registry)), "SH_CF3_MANS"},
        {"HSO_ALL_REQ", "Requirement objects", GCC::req_txt, nodes(MyFF::filter_requirements(registry)),
         "SH_CF4_REQS"},
        {"HSO_ALL_DPR", "Design Problem objects", GCC::dpr_txt, nodes(MyFF::filter_design_problems(registry)),
         "SH_CF5_DPRS"},
        {"HSO_ALL_OPT", "Option objects", GCC::opt_txt, nodes(MyFF::filter_options(registry)), "SH_CF6_OPTS"},
        {"HSO_ALL_ARG", "Argument objects", GCC::arg_txt, nodes(MyFF::filter_arguments(registry)), "SH_CF7_ARGS"},
        {"HSO_ALL_EVD", "Evidence objects", GCC::evd_txt, nodes(MyFF::filter_evidences(registry)), "SH_CF8_EVDS"},
    };
    HierarchyWriter writer(*this, top);
    for (const List& list : lists) {
        HierarchyWriter section(*this, writer.header(list.key, list.heading));
        section.paragraph(std::string(list.key) + "_INTRO", list.explanation);
        for (const Node* n : list.objects)
            section.leaf(xml::identifier(std::string(list.prefix) + "__" + n->get_uid()), *n);
    }
}

}  // namespace exports::reqif
