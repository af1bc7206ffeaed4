// One SPEC-OBJECT per object of the project with its attribute values, and one
// SPEC-RELATION per parent-child link.
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "core/model/argument.h"
#include "core/model/evidence.h"
#include "core/model/mandate.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "core/quantity/parameter.h"
#include "exports/link_kinds.h"
#include "exports/quantity_texts.h"
#include "exports/reqif/reqif_document.h"
#include "exports/xml_writing.h"

namespace exports::reqif {

std::string object_id(const Node& node) { return xml::identifier(node.get_uid()); }

namespace {

std::string ready_level_identifier(int level) { return "EV_Ready_Level_" + xml::decimal(std::clamp(level, 0, 9)); }

const char* bool_text(bool value) { return value ? "true" : "false"; }

// The number of characters of valid UTF-8 text: every byte but continuation bytes.
size_t characters(std::string_view utf8) {
    return static_cast<size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xc0) != 0x80; }));
}

}  // namespace

void DocumentBuilder::value(pugi::xml_node values, const char* kind, const std::string& definition,
                            std::string_view text) {
    const std::string name = std::string("ATTRIBUTE-VALUE-") + kind;
    pugi::xml_node node = element(values, name.c_str());
    xml::set(node, "THE-VALUE", text);
    if (std::string_view(kind) == "STRING")
        longest_string = std::max(longest_string, characters(node.attribute("THE-VALUE").value()));
    const std::string reference = std::string("ATTRIBUTE-DEFINITION-") + kind + "-REF";
    xml::add_text(element(node, "DEFINITION"), reference.c_str(), definition);
}

void DocumentBuilder::enum_value(pugi::xml_node values, const std::string& definition, const std::string& identifier) {
    pugi::xml_node node = element(values, "ATTRIBUTE-VALUE-ENUMERATION");
    xml::add_text(element(node, "DEFINITION"), "ATTRIBUTE-DEFINITION-ENUMERATION-REF", definition);
    xml::add_text(element(node, "VALUES"), "ENUM-VALUE-REF", identifier);
}

pugi::xml_node DocumentBuilder::xhtml_value(pugi::xml_node values, const std::string& definition) {
    pugi::xml_node node = element(values, "ATTRIBUTE-VALUE-XHTML");
    xml::add_text(element(node, "DEFINITION"), "ATTRIBUTE-DEFINITION-XHTML-REF", definition);
    return element(element(node, "THE-VALUE"), "xhtml:div");
}

namespace {

// <xhtml:p><xhtml:strong>label</xhtml:strong>text</xhtml:p>
void labelled(pugi::xml_node div, const char* label, std::string_view text) {
    pugi::xml_node p = xml::add(div, "xhtml:p");
    xml::add_text(p, "xhtml:strong", label);
    xml::append_text(p, text);
}

}  // namespace

void DocumentBuilder::create_comment_xhtml(const Node& node, const std::string& definition, pugi::xml_node values) {
    const auto& authors = node.get_authors();
    const auto& comments = node.get_comments();
    if (comments.empty()) return;
    pugi::xml_node div = xhtml_value(values, definition);
    for (size_t i = 0; i < comments.size(); ++i) {
        if (i > 0) xml::add(div, "xhtml:hr");
        labelled(div, "Author: ", i < authors.size() ? authors[i] : std::string());
        xml::add_text(div, "xhtml:p", comments[i]);
    }
}

void DocumentBuilder::create_reference_xhtml(const Node& node, const std::string& definition, pugi::xml_node values) {
    const auto& ids = node.get_ref_ids();
    if (ids.empty()) return;
    pugi::xml_node div = xhtml_value(values, definition);
    for (size_t i = 0; i < ids.size(); ++i) {
        const Reference* reference = project.get_reference(ids[i]);
        if (!reference) {
            xml::add_text(div, "xhtml:p", "could not find reference with id: " + xml::decimal(ids[i]));
            continue;
        }
        labelled(div, "Name: ", reference->name());
        labelled(div, "Descr: ", reference->description());
        if (!reference->link().empty()) {
            pugi::xml_node a = xml::add_text(xml::add(div, "xhtml:p"), "xhtml:a", reference->link());
            xml::set(a, "href", xml::uri(reference->link()));
        }
        labelled(div, "Type: ", reference->type());
        if (i + 1 < ids.size()) xml::add(div, "xhtml:hr");
    }
}

void DocumentBuilder::add_nde_attribute_vals(const std::string& acr, const Node& node, pugi::xml_node values) {
    value(values, "STRING", acr + "_Text", node.get_txt());
    value(values, "STRING", acr + "_uid", node.get_uid());
    value(values, "BOOLEAN", acr + "_Valid", bool_text(node.get_rlevel().is_valid()));
    enum_value(values, acr + "_Ready_Lvl", ready_level_identifier(node.get_rlevel().get_min_level(false)));
    value(values, "STRING", acr + "_Subject", node.get_subject());
    value(values, "STRING", acr + "_TTText", node.get_tooltip_txt());
    create_comment_xhtml(node, acr + "_Comments", values);
    create_reference_xhtml(node, acr + "_References", values);
    value(values, "STRING", acr + "_Short_Text", node.get_short_txt(0));
}

void DocumentBuilder::add_vcb_attribute_vals(const std::string& acr, const Node& node, pugi::xml_node values) {
    add_nde_attribute_vals(acr, node, values);
    const auto& vc = static_cast<const VerbCapBase&>(node).get_verb_cap();
    value(values, "STRING", acr + "_verb", vc ? vc->get_verb() : std::string());
    value(values, "STRING", acr + "_cap", vc ? vc->get_capability() : std::string());
}

void DocumentBuilder::add_vcp_attribute_vals(const std::string& acr, const Node& node, pugi::xml_node values) {
    add_vcb_attribute_vals(acr, node, values);
    const Parameter& par = static_cast<const VerbCapParamBase&>(node).get_par();
    value(values, "STRING", acr + "_P_Type", par.get_type());
    value(values, "STRING", acr + "_P_Target", par.get_target_symbol());
    // The value in the unit whose symbol follows; a non-finite one has no value.
    if (const auto number = xml::number(par.get_value())) value(values, "REAL", acr + "_P_Val", *number);
    value(values, "STRING", acr + "_P_Unit", par.get_unit_symbol());
    value(values, "INTEGER", acr + "_P_g_weight", xml::decimal(par.get_goal_weight()));
}

void DocumentBuilder::add_project_values(pugi::xml_node values) {
    add_nde_attribute_vals("PRJ", project, values);
    value(values, "STRING", "PRJ_name", project.get_name());
    value(values, "STRING", "PRJ_directory", project.get_directory());
    value(values, "STRING", "PRJ_filename", project.get_filename());
    value(values, "STRING", "PRJ_description", project.get_description());
}

void DocumentBuilder::add_option_summary(const Node& node, pugi::xml_node values) {
    const auto totals = option_totals(static_cast<const Option&>(node));
    if (totals.empty()) return;
    pugi::xml_node div = xhtml_value(values, "OPT_par_base_value_sum");
    for (size_t i = 0; i < totals.size(); ++i) {
        if (i > 0) xml::add(div, "xhtml:hr");
        const OptionTotal& total = totals[i];
        xml::add_text(div, "xhtml:p", total.type + " = " + total.value + " " + total.unit);
        labelled(div, "Type: ", total.type);
        labelled(div, "Value: ", total.value);
        labelled(div, "Unit: ", total.unit);
    }
}

pugi::xml_node DocumentBuilder::create_spec_object_header(const Node& node, const char* type) {
    pugi::xml_node object = identified(spec_objects_node, "SPEC-OBJECT", object_id(node));
    xml::set(object, "DESC", node.get_txt());
    stamp(object);
    xml::add_text(element(object, "TYPE"), "SPEC-OBJECT-TYPE-REF", type);
    written.insert(&node);
    return element(object, "VALUES");
}

void DocumentBuilder::add_spec_objects() {
    for (const auto& [uid, node] : project.get_nd_map()) {
        if (!node) continue;
        const Node& n = *node;
        if (n.is_prj()) {
            // Only the exported project; another project object has no place here.
            if (node == &project) add_project_values(create_spec_object_header(n, "TYPE_PRJ"));
        } else if (n.is_usy()) {
            pugi::xml_node values = create_spec_object_header(n, "TYPE_USY");
            add_vcb_attribute_vals("USY", n, values);
            value(values, "STRING", "USY_description", static_cast<const UserStory&>(n).get_description());
        } else if (n.is_man()) {
            pugi::xml_node values = create_spec_object_header(n, "TYPE_MAN");
            add_nde_attribute_vals("MAN", n, values);
            value(values, "STRING", "MAN_remark", static_cast<const Mandate&>(n).get_remark());
            value(values, "INTEGER", "MAN_reqd_ready_lvl", xml::decimal(ReadinessLevel::get_reqd_level()));
        } else if (n.is_req()) {
            add_vcp_attribute_vals("REQ", n, create_spec_object_header(n, "TYPE_REQ"));
        } else if (n.is_dpr()) {
            add_nde_attribute_vals("DPR", n, create_spec_object_header(n, "TYPE_DPR"));
        } else if (n.is_opt()) {
            pugi::xml_node values = create_spec_object_header(n, "TYPE_OPT");
            add_option_summary(n, values);
            add_nde_attribute_vals("OPT", n, values);
        } else if (n.is_arg()) {
            pugi::xml_node values = create_spec_object_header(n, "TYPE_ARG");
            add_nde_attribute_vals("ARG", n, values);
            value(values, "BOOLEAN", "ARG_vds", bool_text(static_cast<const Argument&>(n).get_validates()));
        } else if (n.is_evd()) {
            pugi::xml_node values = create_spec_object_header(n, "TYPE_EVD");
            add_vcp_attribute_vals("EVD", n, values);
            value(values, "INTEGER", "EVD_ready_lvl", xml::decimal(n.get_rlevel().get_min_level(false)));
        }
    }
}

void DocumentBuilder::add_parent_child_relations() {
    for (const auto& [uid, node] : project.get_nd_map()) {
        if (!is_written(node)) continue;
        for (const Node* child : node->get_children()) {
            // Links to objects without a SPEC-OBJECT or of kinds without a
            // declared relation type would refer to nothing.
            if (!is_written(child)) continue;
            const LinkKind* kind = link_kind(*node, *child);
            if (!kind) continue;
            // Named by its two ends: a later export of the same link updates it.
            pugi::xml_node relation = identified(
                spec_relations_node, "SPEC-RELATION", xml::identifier("PCR_" + node->get_uid() + "__" + child->get_uid()));
            stamp(relation);
            xml::add_text(element(relation, "SOURCE"), "SPEC-OBJECT-REF", object_id(*node));
            xml::add_text(element(relation, "TARGET"), "SPEC-OBJECT-REF", object_id(*child));
            xml::add_text(element(relation, "TYPE"), "SPEC-RELATION-TYPE-REF", kind->identifier);
        }
    }
}

}  // namespace exports::reqif
