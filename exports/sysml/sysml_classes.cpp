// The document head, the three packages and one UML class per object of the
// project, with its values as typed properties.
#include <map>
#include <set>
#include <string>

#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/mandate.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/readiness_level.h"
#include "core/model/user_story.h"
#include "core/model/verb_cap_param_base.h"
#include "exports/quantity_texts.h"
#include "exports/sysml/sysml_document.h"
#include "exports/xml_writing.h"

namespace exports::sysml {

std::string xmi_id(std::string_view text) { return xml::identifier("mrv_" + std::string(text)); }

namespace {

const std::string& kind_name(const Node& node) {
    if (node.is_prj()) return GCC::prj_nd_name;
    if (node.is_usy()) return GCC::usy_nd_name;
    if (node.is_man()) return GCC::man_nd_name;
    if (node.is_req()) return GCC::req_nd_name;
    if (node.is_dpr()) return GCC::dpr_nd_name;
    if (node.is_opt()) return GCC::opt_nd_name;
    if (node.is_arg()) return GCC::arg_nd_name;
    if (node.is_evd()) return GCC::evd_nd_name;
    return GCC::nde_nd_name;
}

bool has_class(const Node& node) {
    return node.is_prj() || node.is_usy() || node.is_man() || node.is_req() || node.is_dpr() || node.is_opt() ||
           node.is_arg() || node.is_evd();
}

// What a class is called before names are made unique: its kind and what
// the object says (subjects alone are shared by many objects).
std::string base_name(const Node& node) {
    std::string label = node.get_short_txt(0);
    if (label.empty()) label = node.get_txt();
    if (label.empty()) label = node.get_subject();
    if (label.empty()) label = node.get_uid();
    return kind_name(node) + ": " + label;
}

}  // namespace

DocumentBuilder::DocumentBuilder(Project& p, pugi::xml_document& doc) : project(p), document(doc) {}

const std::string* DocumentBuilder::class_id(const Node* node) const {
    const auto found = classes.find(node);
    return found == classes.end() ? nullptr : &found->second.id;
}

void DocumentBuilder::build() {
    initialise_document();
    create_packages();
    name_classes();
    export_elements();
    export_relationships();
    export_derived_satisfy_relations();
    export_views();
}

void DocumentBuilder::initialise_document() {
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    xml::set(declaration, "version", "1.0");
    xml::set(declaration, "encoding", "UTF-8");
    xmi_node = xml::add(document, "xmi:XMI");
    xml::set(xmi_node, "xmi:version", "2.5.1");
    xml::set(xmi_node, "xmlns:xmi", xmi_ns);
    xml::set(xmi_node, "xmlns:uml", uml_ns);
    xml::set(xmi_node, "xmlns:sysml", sysml_ns);
    model_node = xml::add(xmi_node, "uml:Model");
    xml::set(model_node, "xmi:id", xmi_id("model_" + project.get_uid()));
    xml::set(model_node, "name", project.get_name());
    pugi::xml_node application = xml::add(model_node, "profileApplication");
    xml::set(application, "xmi:type", "uml:ProfileApplication");
    xml::set(application, "xmi:id", xmi_id("sysml_profile_application"));
    pugi::xml_node profile = xml::add(application, "appliedProfile");
    xml::set(profile, "xmi:type", "uml:Profile");
    xml::set(profile, "href", sysml_profile);
}

void DocumentBuilder::create_packages() {
    auto package = [&](const char* suffix, const char* name) {
        pugi::xml_node node = xml::add(model_node, "packagedElement");
        xml::set(node, "xmi:type", "uml:Package");
        xml::set(node, "xmi:id", xmi_id(project.get_uid() + suffix));
        xml::set(node, "name", name);
        return node;
    };
    elements_node = package("_elements", "Morvanta Model");
    relations_node = package("_relations", "Morvanta Relations");
    views_node = package("_views", "Morvanta Views");
}

void DocumentBuilder::name_classes() {
    std::map<std::string, size_t> uses;
    std::vector<std::pair<const Node*, std::string>> named;
    for (const auto& [uid, node] : project.get_nd_map()) {
        if (!node || !has_class(*node) || (node->is_prj() && node != &project)) continue;
        named.emplace_back(node, base_name(*node));
        ++uses[named.back().second];
    }
    // A name several objects share gets each one's uid; a name that still
    // meets another gets a number.
    std::set<std::string> taken;
    for (auto& [node, name] : named) {
        if (uses[name] > 1) name += " (" + node->get_uid() + ")";
        std::string unique = name;
        for (int n = 2; !taken.insert(unique).second; ++n) unique = name + " " + xml::decimal(n);
        classes[node] = {xmi_id(node->get_uid()), unique};
    }
}

void DocumentBuilder::add_property(pugi::xml_node owner, const std::string& owner_id, const char* name,
                                   const char* primitive, const char* literal, std::string_view value) {
    const std::string id = owner_id + "_" + name;
    pugi::xml_node property = xml::add(owner, "ownedAttribute");
    xml::set(property, "xmi:type", "uml:Property");
    xml::set(property, "xmi:id", id);
    xml::set(property, "name", name);
    pugi::xml_node type = xml::add(property, "type");
    xml::set(type, "xmi:type", "uml:PrimitiveType");
    xml::set(type, "href", std::string(uml_primitive_types) + "#" + primitive);
    pugi::xml_node default_value = xml::add(property, "defaultValue");
    xml::set(default_value, "xmi:type", literal);
    xml::set(default_value, "xmi:id", id + "_value");
    xml::set(default_value, "value", value);
}

void DocumentBuilder::add_string_property(pugi::xml_node cls, const Node& node, const char* name,
                                          std::string_view value) {
    add_property(cls, classes.at(&node).id, name, "String", "uml:LiteralString", value);
}

void DocumentBuilder::add_integer_property(pugi::xml_node cls, const Node& node, const char* name, long long value) {
    add_property(cls, classes.at(&node).id, name, "Integer", "uml:LiteralInteger", xml::decimal(value));
}

void DocumentBuilder::add_real_property(pugi::xml_node cls, const Node& node, const char* name, double value) {
    // No file holds NaN or an infinity: such a value has no property.
    if (const auto text = xml::number(value))
        add_property(cls, classes.at(&node).id, name, "Real", "uml:LiteralReal", *text);
}

void DocumentBuilder::add_boolean_property(pugi::xml_node cls, const Node& node, const char* name, bool value) {
    add_property(cls, classes.at(&node).id, name, "Boolean", "uml:LiteralBoolean", value ? "true" : "false");
}

void DocumentBuilder::add_comment(pugi::xml_node cls, const std::string& id, const std::string& body) {
    if (body.empty()) return;
    pugi::xml_node comment = xml::add(cls, "ownedComment");
    xml::set(comment, "xmi:type", "uml:Comment");
    xml::set(comment, "xmi:id", id);
    xml::add_text(comment, "body", body);
}

void DocumentBuilder::add_comments_and_references(pugi::xml_node cls, const Node& node) {
    const std::string& id = classes.at(&node).id;
    const auto& authors = node.get_authors();
    const auto& comments = node.get_comments();
    for (size_t i = 0; i < comments.size(); ++i) {
        const std::string author = i < authors.size() ? authors[i] : std::string();
        add_comment(cls, id + "_comment_" + xml::decimal(i),
                    (author.empty() ? std::string() : "Author: " + author + "\n") + comments[i]);
    }
    const auto& ids = node.get_ref_ids();
    for (size_t i = 0; i < ids.size(); ++i) {
        const Reference* reference = project.get_reference(ids[i]);
        if (!reference) continue;
        add_comment(cls, id + "_reference_" + xml::decimal(i),
                    "Reference\nName: " + reference->name() + "\nDescription: " + reference->description() +
                        "\nLink: " + reference->link() + "\nType: " + reference->type());
    }
}

void DocumentBuilder::add_nde_properties(pugi::xml_node cls, const Node& node) {
    add_string_property(cls, node, "text", node.get_txt());
    add_string_property(cls, node, "morvantaUID", node.get_uid());
    add_boolean_property(cls, node, "valid", node.get_rlevel().is_valid());
    add_integer_property(cls, node, "readinessLevel", node.get_rlevel().get_min_level(false));
    add_string_property(cls, node, "subject", node.get_subject());
    add_string_property(cls, node, "tooltipText", node.get_tooltip_txt());
    add_string_property(cls, node, "shortText", node.get_short_txt(0));
    add_comments_and_references(cls, node);
}

void DocumentBuilder::add_vcb_properties(pugi::xml_node cls, const Node& node) {
    const auto& vc = static_cast<const VerbCapBase&>(node).get_verb_cap();
    if (!vc) return;
    add_string_property(cls, node, "verb", vc->get_verb());
    add_string_property(cls, node, "capability", vc->get_capability());
}

void DocumentBuilder::add_vcp_properties(pugi::xml_node cls, const Node& node) {
    const Parameter& par = static_cast<const VerbCapParamBase&>(node).get_par();
    add_string_property(cls, node, "parameterType", par.get_type());
    add_string_property(cls, node, "parameterTarget", par.get_target_symbol());
    // In the unit whose symbol follows.
    add_real_property(cls, node, "parameterValue", par.get_value());
    add_string_property(cls, node, "parameterUnit", par.get_unit_symbol());
    add_integer_property(cls, node, "parameterGoalWeight", par.get_goal_weight());
}

void DocumentBuilder::add_option_parameter_summary(pugi::xml_node cls, const Node& option) {
    for (const OptionTotal& total : option_totals(static_cast<const Option&>(option))) {
        const std::string name = "parameterBaseValueSum_" + xml::decimal(total.type_index);
        add_property(cls, classes.at(&option).id, name.c_str(), "String", "uml:LiteralString", total.line());
    }
}

void DocumentBuilder::add_stereotype(const char* name, const std::string& id_text, const Node& node) {
    pugi::xml_node stereotype = xml::add(xmi_node, name);
    xml::set(stereotype, "xmi:id", xmi_id(id_text));
    xml::set(stereotype, "base_Class", classes.at(&node).id);
    if (node.is_req()) {
        xml::set(stereotype, "id", node.get_uid());
        xml::set(stereotype, "text", node.get_txt());
    }
}

pugi::xml_node DocumentBuilder::add_class(const Node& node) {
    const ClassInfo& info = classes.at(&node);
    pugi::xml_node cls = xml::add(elements_node, "packagedElement");
    xml::set(cls, "xmi:type", "uml:Class");
    xml::set(cls, "xmi:id", info.id);
    xml::set(cls, "name", info.name);
    add_string_property(cls, node, "morvantaType", kind_name(node));
    return cls;
}

void DocumentBuilder::export_elements() {
    for (const auto& [uid, node] : project.get_nd_map()) {
        if (!node || !classes.count(node)) continue;
        const Node& n = *node;
        pugi::xml_node cls = add_class(n);
        add_nde_properties(cls, n);
        if (n.is_prj()) {
            add_string_property(cls, n, "projectName", project.get_name());
            add_string_property(cls, n, "directory", project.get_directory());
            add_string_property(cls, n, "filename", project.get_filename());
            add_string_property(cls, n, "description", project.get_description());
        } else if (n.is_usy()) {
            add_vcb_properties(cls, n);
            add_string_property(cls, n, "description", static_cast<const UserStory&>(n).get_description());
        } else if (n.is_man()) {
            add_string_property(cls, n, "remark", static_cast<const Mandate&>(n).get_remark());
            add_integer_property(cls, n, "requiredReadinessLevel", ReadinessLevel::get_reqd_level());
        } else if (n.is_req()) {
            add_vcb_properties(cls, n);
            add_vcp_properties(cls, n);
            add_stereotype("sysml:Requirement", "sysml_requirement_" + n.get_uid(), n);
        } else if (n.is_opt()) {
            add_boolean_property(cls, n, "optimal", static_cast<const Option&>(n).is_optimal());
            add_option_parameter_summary(cls, n);
            add_stereotype("sysml:Block", "sysml_block_" + n.get_uid(), n);
        } else if (n.is_arg()) {
            add_boolean_property(cls, n, "validates", static_cast<const Argument&>(n).get_validates());
        } else if (n.is_evd()) {
            add_vcb_properties(cls, n);
            add_vcp_properties(cls, n);
            add_integer_property(cls, n, "evidenceReadinessLevel", n.get_rlevel().get_min_level(false));
        }
    }
}

}  // namespace exports::sysml
