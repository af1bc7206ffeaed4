#pragma once

#include <string>

class Project;

namespace testing_support {

// A canonical text of everything a project holds that saving, reopening, undo
// and redo must keep: the quantity-type table, the required level, the
// project's texts, settings (without the recent files and the user name) and
// references, then every object in registry order with its uid, kind, text,
// subject, verb and capability, quantity in base units, levels, validity,
// optimal flag and totals, links in order, comments, references, and the
// sharing of subjects and verb-capability pairs (named by the first object in
// registry order that holds the same one). Numbers are written so that they
// read back exactly. Reading a subject may resolve it lazily, as any reader does.
std::string dump_project(const Project& project);

// "" when the two dumps are equal; otherwise the first differing line of each,
// with the object it belongs to, so that a failing test says what changed.
std::string dump_difference(const std::string& expected, const std::string& actual);

}  // namespace testing_support
