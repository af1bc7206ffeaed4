// Six view packages that import the classes in the arrangement of the tab
// pages, following the same walks as the report's tree chapters.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/chapters/chapter_walk.h"
#include "core/chapters/section_depth.h"
#include "core/model/node.h"
#include "exports/sysml/sysml_document.h"
#include "exports/xml_writing.h"

namespace exports::sysml {

namespace {

// View element identifiers grow with the nesting; deeper ones are shortened.
constexpr size_t max_id_size = 1024;

// Sections and groups of the walk become nested packages; every reference
// row but a section's own subject becomes a package importing the class.
// Below the deepest section the packages follow one another there; their
// identifiers still grow from the package they belong to in the walk.
class ViewWriter : public chapters::ChapterVisitor {
public:
    ViewWriter(const DocumentBuilder& builder, pugi::xml_node view) : b(builder) {
        open.push_back({view, view.attribute("xmi:id").value()});
    }

    void heading(const chapters::Heading& h) override {
        open.push_back(h.node ? element(h.node, h.role) : open.back());
    }
    void end_section() override { open.pop_back(); }
    void intro(const chapters::Intro&) override {}
    void ref(const chapters::Ref& r) override {
        if (r.subject) return;
        Package made = element(r.node, r.role);
        if (r.opens_group) open.push_back(std::move(made));
    }
    void end_group() override { open.pop_back(); }

private:
    struct Package {
        pugi::xml_node node;  // where the package is written
        std::string id;       // its xmi:id, or the id of the package it stands in for
    };

    // The package of a node, or the current one when the node has no class
    // (so that what lies below still has a place).
    Package element(const Node* node, chapters::Role role) {
        const std::string* imported = b.class_id(node);
        const Package& owner = open.back();
        if (!imported) return owner;
        const std::string role_name(chapters::role_name(role));
        std::string id = xmi_id(owner.id + "_" + role_name + "_" + node->get_uid());
        if (id.size() > max_id_size) id = xmi_id(xml::hash_hex(id) + "_" + role_name + "_" + node->get_uid());
        const pugi::xml_node parent = open[std::min(open.size(), chapters::max_section_depth) - 1].node;
        pugi::xml_node package = xml::add(parent, "packagedElement");
        xml::set(package, "xmi:type", "uml:Package");
        xml::set(package, "xmi:id", id);
        xml::set(package, "name", b.class_name(*node));
        pugi::xml_node import = xml::add(package, "elementImport");
        xml::set(import, "xmi:type", "uml:ElementImport");
        xml::set(import, "xmi:id", id + "_import");
        xml::set(import, "importedElement", *imported);
        return {package, std::move(id)};
    }

    const DocumentBuilder& b;
    // The open sections and groups, outermost first.
    std::vector<Package> open;
};

}  // namespace

void DocumentBuilder::export_views() {
    struct View {
        const char* key;
        const char* name;
        chapters::Chapter chapter;
    };
    static constexpr View views[] = {
        {"view_project", "Project View", chapters::Chapter::project_tree},
        {"view_design_problems", "Design Problems View", chapters::Chapter::design_problem_tree},
        {"view_options", "Options View", chapters::Chapter::options_tree},
        {"view_validation", "Validation View", chapters::Chapter::validation_trees},
        {"view_requirements", "Requirements View", chapters::Chapter::requirements_trees},
        {"view_v_diagram", "V-Diagram", chapters::Chapter::v_diagram},
    };
    for (const View& view : views) {
        pugi::xml_node package = xml::add(views_node, "packagedElement");
        xml::set(package, "xmi:type", "uml:Package");
        xml::set(package, "xmi:id", xmi_id(view.key));
        xml::set(package, "name", view.name);
        ViewWriter writer(*this, package);
        chapters::walk_chapter(project, view.chapter, chapters::Style::interchange, writer);
    }
}

}  // namespace exports::sysml
