#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include <pugixml.hpp>

class Node;
class Project;

namespace exports::sysml {

// The standards' namespaces and libraries: XMI 2.5.1, UML 2.5.1, SysML 1.6.
inline constexpr const char* xmi_ns = "http://www.omg.org/spec/XMI/20131001";
inline constexpr const char* uml_ns = "http://www.omg.org/spec/UML/20161101";
inline constexpr const char* sysml_ns = "http://www.omg.org/spec/SysML/20181001/SysML";
inline constexpr const char* uml_primitive_types = "http://www.omg.org/spec/UML/20161101/PrimitiveTypes.xmi";
inline constexpr const char* sysml_profile = "http://www.omg.org/spec/SysML/20181001/SysML.xmi#SysML";

// "mrv_" followed by the text as an identifier (see xml::identifier).
std::string xmi_id(std::string_view text);

// The whole XMI document of the project. Build it under the export display
// filter (chapters::ExportDisplayFilter).
pugi::xml_document build_document(Project& project);

// Builds one document: the classes, the relations and the views.
class DocumentBuilder {
public:
    DocumentBuilder(Project& project, pugi::xml_document& document);
    void build();

    // The class of a node, or null when the node has none (a plain node).
    const std::string* class_id(const Node* node) const;
    const std::string& class_name(const Node& node) const { return classes.at(&node).name; }

private:
    struct ClassInfo {
        std::string id;
        std::string name;
    };

    void initialise_document();
    void create_packages();
    void name_classes();
    void export_elements();
    void export_relationships();
    void export_derived_satisfy_relations();
    void export_views();

    pugi::xml_node add_class(const Node& node);
    void add_property(pugi::xml_node owner, const std::string& owner_id, const char* name, const char* primitive,
                      const char* literal, std::string_view value);
    void add_string_property(pugi::xml_node cls, const Node& node, const char* name, std::string_view value);
    void add_integer_property(pugi::xml_node cls, const Node& node, const char* name, long long value);
    void add_real_property(pugi::xml_node cls, const Node& node, const char* name, double value);
    void add_boolean_property(pugi::xml_node cls, const Node& node, const char* name, bool value);
    void add_comment(pugi::xml_node cls, const std::string& id, const std::string& body);
    void add_comments_and_references(pugi::xml_node cls, const Node& node);
    void add_nde_properties(pugi::xml_node cls, const Node& node);
    void add_vcb_properties(pugi::xml_node cls, const Node& node);
    void add_vcp_properties(pugi::xml_node cls, const Node& node);
    void add_option_parameter_summary(pugi::xml_node cls, const Node& option);
    void add_stereotype(const char* name, const std::string& id_text, const Node& node);

    Project& project;
    pugi::xml_document& document;
    pugi::xml_node xmi_node;
    pugi::xml_node model_node;
    pugi::xml_node elements_node;
    pugi::xml_node relations_node;
    pugi::xml_node views_node;
    std::unordered_map<const Node*, ClassInfo> classes;
};

}  // namespace exports::sysml
