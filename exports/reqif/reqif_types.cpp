// The document skeleton, the header, the datatypes and the types of a ReqIF export.
#include <cstddef>
#include <string>
#include <utility>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "core/model/readiness_level.h"
#include "exports/link_kinds.h"
#include "exports/reqif/reqif_document.h"
#include "exports/xml_writing.h"

namespace exports::reqif {

namespace {

// The ReqIF, ProR editor and XHTML namespaces; the editor's are declared for
// the tools that look for them, and not used.
constexpr const char* reqif_ns = "http://www.omg.org/spec/ReqIF/20110401/reqif.xsd";
constexpr const char* configuration_ns = "http://eclipse.org/rmf/pror/toolextensions/1.0";
constexpr const char* presentation_id_ns = "http://pror.org/presentation/id";
constexpr const char* xhtml_ns = "http://www.w3.org/1999/xhtml";

// The string datatype's MAX-LENGTH unless a longer value is written.
constexpr size_t default_max_length = 100000;

}  // namespace

DocumentBuilder::DocumentBuilder(Project& p, std::string stamp, pugi::xml_document& doc)
    : project(p), time_stamp(std::move(stamp)), document(doc) {}

pugi::xml_node DocumentBuilder::element(pugi::xml_node parent, const char* name) { return xml::add(parent, name); }

void DocumentBuilder::stamp(pugi::xml_node node) { xml::set(node, "LAST-CHANGE", time_stamp); }

pugi::xml_node DocumentBuilder::identified(pugi::xml_node parent, const char* name, std::string_view identifier) {
    pugi::xml_node node = element(parent, name);
    xml::set(node, "IDENTIFIER", identifier);
    return node;
}

void DocumentBuilder::build() {
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    xml::set(declaration, "version", "1.0");
    xml::set(declaration, "encoding", "UTF-8");
    pugi::xml_node root = element(document, "REQ-IF");
    xml::set(root, "xmlns", reqif_ns);
    xml::set(root, "xmlns:configuration", configuration_ns);
    xml::set(root, "xmlns:id", presentation_id_ns);
    xml::set(root, "xmlns:xhtml", xhtml_ns);
    create_header(root);
    content_node = element(element(root, "CORE-CONTENT"), "REQ-IF-CONTENT");
    create_data_types();
    spec_types_node = element(content_node, "SPEC-TYPES");
    create_spec_types();
    spec_objects_node = element(content_node, "SPEC-OBJECTS");
    add_spec_objects();
    spec_relations_node = element(content_node, "SPEC-RELATIONS");
    add_parent_child_relations();
    documents_node = element(content_node, "SPECIFICATIONS");
    create_doc();
    // Texts are written whole; the declared maximum covers them instead.
    if (longest_string > default_max_length) string_max_length.set_value(xml::decimal(longest_string).c_str());
}

void DocumentBuilder::create_header(pugi::xml_node root) {
    pugi::xml_node header = identified(element(root, "THE-HEADER"), "REQ-IF-HEADER",
                                       xml::identifier("FILE_" + project.get_uid()));
    xml::add_text(header, "COMMENT", project.get_description());
    xml::add_text(header, "CREATION-TIME", time_stamp);
    xml::add_text(header, "REQ-IF-TOOL-ID", GCC::program_name_and_version());
    xml::add_text(header, "REQ-IF-VERSION", "1.0");
    xml::add_text(header, "SOURCE-TOOL-ID", "Morvanta");
    xml::add_text(header, "TITLE", project.get_name());
}

void DocumentBuilder::create_data_types() {
    pugi::xml_node types = element(content_node, "DATATYPES");
    auto definition = [&](const char* name, const char* identifier, const char* long_name) {
        pugi::xml_node node = identified(types, name, identifier);
        xml::set(node, "LONG-NAME", long_name);
        stamp(node);
        return node;
    };
    pugi::xml_node strings = definition("DATATYPE-DEFINITION-STRING", "DT_String", "String");
    xml::set(strings, "MAX-LENGTH", xml::decimal(default_max_length));
    string_max_length = strings.attribute("MAX-LENGTH");
    definition("DATATYPE-DEFINITION-BOOLEAN", "DT_Boolean", "Boolean");
    pugi::xml_node integer = definition("DATATYPE-DEFINITION-INTEGER", "DT_Integer", "Integer");
    xml::set(integer, "MAX", "2147483647");
    xml::set(integer, "MIN", "-2147483648");
    pugi::xml_node real = definition("DATATYPE-DEFINITION-REAL", "DT_Real", "Real");
    xml::set(real, "ACCURACY", "10");
    xml::set(real, "MAX", "1.7976931348623157E+308");
    xml::set(real, "MIN", "-1.7976931348623157E+308");
    definition("DATATYPE-DEFINITION-DATE", "DT_Date", "Date");
    definition("DATATYPE-DEFINITION-XHTML", "DT_XHTML", "XHTML Data Type");
    pugi::xml_node levels = element(
        definition("DATATYPE-DEFINITION-ENUMERATION", "DT_Enum_Ready_Level", "Readiness Level"), "SPECIFIED-VALUES");
    for (int i = 0; i <= 9; ++i) {
        const std::string level = xml::decimal(i);
        const std::string& text = ReadinessLevel::get_levels()[static_cast<size_t>(i)];
        pugi::xml_node value = identified(levels, "ENUM-VALUE", "EV_Ready_Level_" + level);
        xml::set(value, "DESC", text);
        xml::set(value, "LONG-NAME", level + ": " + text);
        stamp(value);
        pugi::xml_node embedded = element(element(value, "PROPERTIES"), "EMBEDDED-VALUE");
        xml::set(embedded, "KEY", level);
        xml::set(embedded, "OTHER-CONTENT", level);
    }
}

pugi::xml_node DocumentBuilder::create_spec_object_type_header(const char* identifier, const std::string& long_name) {
    pugi::xml_node type = identified(spec_types_node, "SPEC-OBJECT-TYPE", identifier);
    stamp(type);
    xml::set(type, "LONG-NAME", long_name);
    return element(type, "SPEC-ATTRIBUTES");
}

void DocumentBuilder::create_attribute_def(pugi::xml_node attributes, std::string_view kind,
                                           const std::string& identifier, const char* long_name,
                                           const char* datatype) {
    const std::string name = "ATTRIBUTE-DEFINITION-" + std::string(kind);
    pugi::xml_node definition = identified(attributes, name.c_str(), identifier);
    stamp(definition);
    xml::set(definition, "LONG-NAME", long_name);
    if (kind == "ENUMERATION") xml::set(definition, "MULTI-VALUED", "false");
    const std::string reference = "DATATYPE-DEFINITION-" + std::string(kind) + "-REF";
    xml::add_text(element(definition, "TYPE"), reference.c_str(), datatype);
}

void DocumentBuilder::add_nde_attribute_types(const std::string& acr, pugi::xml_node attributes) {
    create_attribute_def(attributes, "STRING", acr + "_Text", "ReqIF.Text", "DT_String");
    create_attribute_def(attributes, "STRING", acr + "_uid", "ReqIF.ForeignID", "DT_String");
    create_attribute_def(attributes, "BOOLEAN", acr + "_Valid", "Valid", "DT_Boolean");
    create_attribute_def(attributes, "ENUMERATION", acr + "_Ready_Lvl", "Readiness Level", "DT_Enum_Ready_Level");
    create_attribute_def(attributes, "STRING", acr + "_Subject", "Subject", "DT_String");
    create_attribute_def(attributes, "STRING", acr + "_TTText", "Tooltip Text", "DT_String");
    create_attribute_def(attributes, "XHTML", acr + "_Comments", "Comments", "DT_XHTML");
    create_attribute_def(attributes, "XHTML", acr + "_References", "References", "DT_XHTML");
    create_attribute_def(attributes, "STRING", acr + "_Short_Text", "Short Text", "DT_String");
}

void DocumentBuilder::add_vcb_attribute_types(const std::string& acr, pugi::xml_node attributes) {
    add_nde_attribute_types(acr, attributes);
    create_attribute_def(attributes, "STRING", acr + "_verb", "Verb", "DT_String");
    create_attribute_def(attributes, "STRING", acr + "_cap", "Capability", "DT_String");
}

void DocumentBuilder::add_vcp_attribute_types(const std::string& acr, pugi::xml_node attributes) {
    add_vcb_attribute_types(acr, attributes);
    create_attribute_def(attributes, "STRING", acr + "_P_Type", "Parameter Type", "DT_String");
    create_attribute_def(attributes, "STRING", acr + "_P_Target", "Parameter Target", "DT_String");
    create_attribute_def(attributes, "REAL", acr + "_P_Val", "Parameter Value", "DT_Real");
    create_attribute_def(attributes, "STRING", acr + "_P_Unit", "Parameter Unit", "DT_String");
    create_attribute_def(attributes, "INTEGER", acr + "_P_g_weight", "Parameter Goal Weight", "DT_Integer");
}

void DocumentBuilder::create_spec_types() {
    pugi::xml_node document_type = element(spec_types_node, "SPECIFICATION-TYPE");
    xml::set(document_type, "DESC", "Unsorted Requirements.");
    xml::set(document_type, "IDENTIFIER", "SPEC_DOC");
    stamp(document_type);
    xml::set(document_type, "LONG-NAME", "Specification with all Requirements.");

    create_attribute_def(create_spec_object_type_header("SOT_Doc_Header", "Document Header Type"), "STRING",
                         "AD_Doc_Header", "ReqIF.ChapterName", "DT_String");
    create_attribute_def(create_spec_object_type_header("SOT_Doc_Text", "Document Text Type"), "STRING",
                         "AD_Doc_Text", "ReqIF.Text", "DT_String");
    add_spec_relation_types();

    pugi::xml_node prj = create_spec_object_type_header("TYPE_PRJ", GCC::prj_nd_name);
    add_nde_attribute_types("PRJ", prj);
    create_attribute_def(prj, "STRING", "PRJ_name", "Name", "DT_String");
    create_attribute_def(prj, "STRING", "PRJ_directory", "Directory", "DT_String");
    create_attribute_def(prj, "STRING", "PRJ_filename", "Filename", "DT_String");
    create_attribute_def(prj, "STRING", "PRJ_description", "Description", "DT_String");

    pugi::xml_node usy = create_spec_object_type_header("TYPE_USY", GCC::usy_nd_name);
    add_vcb_attribute_types("USY", usy);
    create_attribute_def(usy, "STRING", "USY_description", "Description", "DT_String");

    pugi::xml_node man = create_spec_object_type_header("TYPE_MAN", GCC::man_nd_name);
    add_nde_attribute_types("MAN", man);
    create_attribute_def(man, "STRING", "MAN_remark", "Remark", "DT_String");
    create_attribute_def(man, "INTEGER", "MAN_reqd_ready_lvl", "Required Readiness Level", "DT_Integer");

    add_vcp_attribute_types("REQ", create_spec_object_type_header("TYPE_REQ", GCC::req_nd_name));
    add_nde_attribute_types("DPR", create_spec_object_type_header("TYPE_DPR", GCC::dpr_nd_name));

    pugi::xml_node opt = create_spec_object_type_header("TYPE_OPT", GCC::opt_nd_name);
    create_attribute_def(opt, "XHTML", "OPT_par_base_value_sum", "par base value sum", "DT_XHTML");
    add_nde_attribute_types("OPT", opt);

    pugi::xml_node arg = create_spec_object_type_header("TYPE_ARG", GCC::arg_nd_name);
    add_nde_attribute_types("ARG", arg);
    create_attribute_def(arg, "BOOLEAN", "ARG_vds", "Validates", "DT_Boolean");

    pugi::xml_node evd = create_spec_object_type_header("TYPE_EVD", GCC::evd_nd_name);
    add_vcp_attribute_types("EVD", evd);
    create_attribute_def(evd, "INTEGER", "EVD_ready_lvl", "Readiness Level", "DT_Integer");
}

void DocumentBuilder::add_spec_relation_types() {
    for (const LinkKind& kind : link_kinds()) {
        pugi::xml_node node = element(spec_types_node, "SPEC-RELATION-TYPE");
        xml::set(node, "DESC", kind.description);
        xml::set(node, "IDENTIFIER", kind.identifier);
        stamp(node);
        xml::set(node, "LONG-NAME", kind.name);
    }
}

}  // namespace exports::reqif
