#include "tests/exports/export_test.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string_view>

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include "core/constants/gcc.h"
#include "core/examples/example_projects.h"
#include "core/model/process_state.h"

namespace export_tests {

using testing_support::read_file;

Project& ExportTest::make(Builder builder) {
    // Each case starts as the program does, so that its uids are its own.
    reset_process_state();
    auto* project = new Project();
    builder(project);
    project->set_directory("/projects/cases");
    return *project;
}

std::string ExportTest::written(Exporter exporter, Project& project, const std::string& name) {
    const std::filesystem::path path = folder() / name;
    EXPECT_EQ(exporter(project, path), "");
    return read_file(path.string());
}

const std::vector<Case>& cases() {
    static const std::vector<Case> all = {
        {"explain", &MyEx::create_explain_project},
        {"gate", &MyEx::create_gate_project},
        {"edge", &build_edge_project},
        {"alone", [](Project* project) { project->set_name("Alone"); }},
    };
    return all;
}

void expect_golden(const std::string& actual, const std::string& relative_path) {
    const std::string path = std::string(MORVANTA_TEST_DATA_DIR) + "/exports/" + relative_path;
    if (std::getenv("MORVANTA_UPDATE_GOLDEN")) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    const std::string expected = read_file(path);
    ASSERT_FALSE(expected.empty()) << "no expected file " << path;
    if (expected == actual) return;
    size_t line = 1, at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) line += expected[at++] == '\n';
    ADD_FAILURE() << relative_path << " differs from line " << line;
}

std::string schema_problems(const std::filesystem::path& file) {
    const std::string schema = std::string(MORVANTA_TEST_DATA_DIR) + "/reqif-schema/reqif.xsd";
    const std::string command =
        "xmllint --noout --nonet --schema '" + schema + "' '" + file.string() + "' 2>&1";
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return "xmllint could not be started";
    char buffer[4096];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
    const int status = pclose(pipe);
    return status == 0 ? "" : output;
}

namespace {

template <class Visit>
void for_each_element(pugi::xml_node node, Visit visit) {
    for (pugi::xml_node child : node.children())
        if (child.type() == pugi::node_element) {
            visit(child);
            for_each_element(child, visit);
        }
}

}  // namespace

std::vector<std::string> reqif_problems(const std::string& text) {
    std::vector<std::string> problems;
    pugi::xml_document document;
    if (!document.load_string(text.c_str())) return {"not well-formed"};
    std::map<std::string, pugi::xml_node> identified;
    for_each_element(document, [&](pugi::xml_node e) {
        if (pugi::xml_attribute id = e.attribute("IDENTIFIER"))
            if (!identified.emplace(id.value(), e).second) problems.push_back("repeated IDENTIFIER " + std::string(id.value()));
    });
    for_each_element(document, [&](pugi::xml_node e) {
        const std::string name = e.name();
        if (name.size() < 4 || name.compare(name.size() - 4, 4, "-REF") != 0) return;
        const auto target = identified.find(e.text().get());
        if (target == identified.end())
            problems.push_back(name + " to nothing: " + e.text().get());
        else if (target->second.name() != name.substr(0, name.size() - 4))
            problems.push_back(name + " to a " + target->second.name() + ": " + e.text().get());
    });
    // Every string value fits the MAX-LENGTH of its datatype, in characters.
    for (const pugi::xpath_node& found : document.select_nodes("//ATTRIBUTE-VALUE-STRING")) {
        const pugi::xml_node value = found.node();
        const auto definition = identified.find(value.child("DEFINITION").first_child().text().get());
        if (definition == identified.end()) continue;
        const auto datatype = identified.find(definition->second.child("TYPE").first_child().text().get());
        if (datatype == identified.end()) continue;
        const std::string_view text = value.attribute("THE-VALUE").value();
        const auto characters = std::count_if(text.begin(), text.end(),
                                              [](char c) { return (static_cast<unsigned char>(c) & 0xc0) != 0x80; });
        const std::string_view declared = datatype->second.attribute("MAX-LENGTH").value();
        long long max_length = -1;
        std::from_chars(declared.data(), declared.data() + declared.size(), max_length);
        if (characters > max_length)
            problems.push_back("a value of " + std::string(definition->first) + " longer than its MAX-LENGTH");
    }
    // Every value is defined by an attribute of its object's type.
    for (const pugi::xpath_node& found : document.select_nodes("//SPEC-OBJECT")) {
        const pugi::xml_node object = found.node();
        const auto type = identified.find(object.child("TYPE").child("SPEC-OBJECT-TYPE-REF").text().get());
        if (type == identified.end()) continue;
        std::set<std::string> defined;
        for (pugi::xml_node definition : type->second.child("SPEC-ATTRIBUTES").children())
            defined.insert(definition.attribute("IDENTIFIER").value());
        for (pugi::xml_node value : object.child("VALUES").children()) {
            const std::string definition = value.child("DEFINITION").first_child().text().get();
            if (!defined.count(definition))
                problems.push_back(std::string(object.attribute("IDENTIFIER").value()) + " has a value of " +
                                   definition);
        }
    }
    return problems;
}

std::vector<std::string> xmi_problems(const std::string& text) {
    std::vector<std::string> problems;
    pugi::xml_document document;
    if (!document.load_string(text.c_str())) return {"not well-formed"};
    const pugi::xml_node root = document.child("xmi:XMI");
    const std::map<std::string, std::string> uris = {
        {"xmlns:xmi", "http://www.omg.org/spec/XMI/20131001"},
        {"xmlns:uml", "http://www.omg.org/spec/UML/20161101"},
        {"xmlns:sysml", "http://www.omg.org/spec/SysML/20181001/SysML"}};
    for (const auto& [attribute, uri] : uris)
        if (root.attribute(attribute.c_str()).value() != uri) problems.push_back("namespace " + attribute);
    std::map<std::string, pugi::xml_node> ids;
    for_each_element(document, [&](pugi::xml_node e) {
        if (pugi::xml_attribute id = e.attribute("xmi:id"))
            if (!ids.emplace(id.value(), e).second) problems.push_back("repeated xmi:id " + std::string(id.value()));
    });
    const std::map<std::string, std::string> references = {{"client", "uml:Class"},
                                                            {"supplier", "uml:Class"},
                                                            {"importedElement", "uml:Class"},
                                                            {"base_Class", "uml:Class"},
                                                            {"base_Abstraction", "uml:Abstraction"}};
    for_each_element(document, [&](pugi::xml_node e) {
        for (const auto& [attribute, type] : references) {
            const pugi::xml_attribute reference = e.attribute(attribute.c_str());
            if (!reference) continue;
            const auto target = ids.find(reference.value());
            if (target == ids.end())
                problems.push_back(attribute + " to nothing: " + reference.value());
            else if (target->second.attribute("xmi:type").value() != type)
                problems.push_back(attribute + " to a " + target->second.attribute("xmi:type").value());
        }
        std::set<std::string> names;
        for (pugi::xml_node child : e.children("packagedElement"))
            if (std::string(child.attribute("xmi:type").value()) == "uml:Class" &&
                !names.insert(child.attribute("name").value()).second)
                problems.push_back("repeated class name " + std::string(child.attribute("name").value()));
    });
    return problems;
}

std::string without_time_stamps(const std::string& text) {
    static const std::regex stamp(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.000[+-]\d\d:\d\d)");
    return std::regex_replace(text, stamp, "T");
}

}  // namespace export_tests
