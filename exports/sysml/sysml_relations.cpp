// A dependency per parent-child link and a "satisfy" abstraction from every
// valid option to each requirement of its design problem.
#include <string>

#include "core/model/design_problem.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/queries/node_filters.h"
#include "exports/link_kinds.h"
#include "exports/sysml/sysml_document.h"
#include "exports/xml_writing.h"

namespace exports::sysml {

void DocumentBuilder::export_relationships() {
    for (const auto& [uid, node] : project.get_nd_map()) {
        const std::string* client = class_id(node);
        if (!client) continue;
        for (const Node* child : node->get_children()) {
            // Only links between classes, of a kind the model makes.
            const std::string* supplier = class_id(child);
            const LinkKind* kind = supplier ? link_kind(*node, *child) : nullptr;
            if (!kind) continue;
            pugi::xml_node dependency = xml::add(relations_node, "packagedElement");
            xml::set(dependency, "xmi:type", "uml:Dependency");
            xml::set(dependency, "xmi:id", xmi_id("rel_" + node->get_uid() + "_" + child->get_uid()));
            xml::set(dependency, "name", kind->name);
            xml::set(dependency, "client", *client);
            xml::set(dependency, "supplier", *supplier);
        }
    }
}

void DocumentBuilder::export_derived_satisfy_relations() {
    for (Option* option : MyFF::filter_options(project.get_nd_map())) {
        if (!option->get_rlevel().is_valid() || !class_id(option)) continue;
        const DesignProblem* problem = option->get_parent_designproblem();
        if (!problem) continue;
        for (const Requirement* requirement : problem->get_parent_requirements()) {
            const std::string* supplier = class_id(requirement);
            if (!supplier) continue;
            const std::string pair = option->get_uid() + "_" + requirement->get_uid();
            const std::string abstraction_id = xmi_id("satisfy_abstraction_" + pair);
            pugi::xml_node abstraction = xml::add(relations_node, "packagedElement");
            xml::set(abstraction, "xmi:type", "uml:Abstraction");
            xml::set(abstraction, "xmi:id", abstraction_id);
            xml::set(abstraction, "name", "satisfy");
            xml::set(abstraction, "client", *class_id(option));
            xml::set(abstraction, "supplier", *supplier);
            pugi::xml_node satisfy = xml::add(xmi_node, "sysml:Satisfy");
            xml::set(satisfy, "xmi:id", xmi_id("satisfy_stereotype_" + pair));
            xml::set(satisfy, "base_Abstraction", abstraction_id);
        }
    }
}

}  // namespace exports::sysml
