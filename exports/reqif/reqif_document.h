#pragma once

#include <cstddef>
#include <ctime>
#include <string>
#include <string_view>
#include <unordered_set>

#include <pugixml.hpp>

class Node;
class Project;

namespace exports::reqif {

// The export time as ReqIF writes it, local time with its true offset from
// UTC (tm_gmtoff, daylight saving included): 2024-03-05T14:07:09.000+01:00.
std::string time_stamp(const std::tm& local);

// The whole ReqIF document of the project, every LAST-CHANGE and the
// CREATION-TIME being the time stamp. Build it under the export display
// filter (chapters::ExportDisplayFilter).
pugi::xml_document build_document(Project& project, const std::string& time_stamp);

// The identifier of a node's SPEC-OBJECT (its uid, made a valid identifier).
std::string object_id(const Node& node);

// Builds one document. The parts are in three files: the header, datatypes and
// types; the objects and relations; the document hierarchy.
class DocumentBuilder {
public:
    DocumentBuilder(Project& project, std::string time_stamp, pugi::xml_document& document);
    void build();

private:
    // Header, datatypes and types.
    void create_header(pugi::xml_node root);
    void create_data_types();
    void create_spec_types();
    void add_spec_relation_types();
    pugi::xml_node create_spec_object_type_header(const char* identifier, const std::string& long_name);
    void create_attribute_def(pugi::xml_node attributes, std::string_view kind, const std::string& identifier,
                              const char* long_name, const char* datatype);
    void add_nde_attribute_types(const std::string& acr, pugi::xml_node attributes);
    void add_vcb_attribute_types(const std::string& acr, pugi::xml_node attributes);
    void add_vcp_attribute_types(const std::string& acr, pugi::xml_node attributes);

    // Objects and relations.
    void add_spec_objects();
    pugi::xml_node create_spec_object_header(const Node& node, const char* type);
    void add_nde_attribute_vals(const std::string& acr, const Node& node, pugi::xml_node values);
    void add_vcb_attribute_vals(const std::string& acr, const Node& node, pugi::xml_node values);
    void add_vcp_attribute_vals(const std::string& acr, const Node& node, pugi::xml_node values);
    void add_project_values(pugi::xml_node values);
    void add_option_summary(const Node& option, pugi::xml_node values);
    void create_comment_xhtml(const Node& node, const std::string& definition, pugi::xml_node values);
    void create_reference_xhtml(const Node& node, const std::string& definition, pugi::xml_node values);
    void add_parent_child_relations();

    // Attribute values.
    void value(pugi::xml_node values, const char* kind, const std::string& definition, std::string_view text);
    void enum_value(pugi::xml_node values, const std::string& definition, const std::string& enum_value);
    pugi::xml_node xhtml_value(pugi::xml_node values, const std::string& definition);

    // The document hierarchy (the SPECIFICATION element).
    void create_doc();
    void add_object_lists(pugi::xml_node top);

    // Shared by the parts.
    pugi::xml_node element(pugi::xml_node parent, const char* name);
    pugi::xml_node identified(pugi::xml_node parent, const char* name, std::string_view identifier);
    void stamp(pugi::xml_node element);
    bool is_written(const Node* node) const { return written.count(node) != 0; }

    friend class HierarchyWriter;

    Project& project;
    const std::string time_stamp;
    pugi::xml_document& document;
    pugi::xml_node spec_types_node;
    pugi::xml_node spec_objects_node;
    pugi::xml_node documents_node;  // SPECIFICATIONS
    pugi::xml_node spec_relations_node;
    pugi::xml_node content_node;
    // The nodes that have a SPEC-OBJECT: nothing may refer to any other.
    std::unordered_set<const Node*> written;
    // The string datatype's MAX-LENGTH, raised at the end to the longest
    // string value written (in characters) when that is longer.
    pugi::xml_attribute string_max_length;
    size_t longest_string = 0;
};

}  // namespace exports::reqif
