#pragma once

#include <string>

#include <pugixml.hpp>

class Parameter;
class Project;

namespace project_file {

// The whole project file as a document: the quantity-type table, the project
// element, then one element per object in registry order. Plain nodes have no
// element and are left out.
pugi::xml_document build_project_document(Project& project);

// The document as the file holds it: UTF-8 without byte-order mark, one tab of
// indentation per level.
std::string project_file_text(Project& project);

// Writes the file beside its previous version and renames it over it, so that
// a failed save leaves the previous file whole. "" or the reason.
std::string save_project_file(Project& project, const std::string& path);

// The value of a quantity in its unit, as stored: the shortest text from
// which the reader computes exactly the same base value, when there is one.
std::string stored_value_text(const Parameter& par);

}  // namespace project_file
