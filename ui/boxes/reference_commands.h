#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class Node;
class Reference;
struct BoxCommandContext;

// The reference commands of the boxes and the helpers the kinds' edit
// dialogs use. An object's reference id without an entry in the project's
// table is skipped everywhere: it is neither offered nor counted.
namespace boxes {

// The positions in the object's reference ids of the references the
// project's table holds, in the object's order.
std::vector<size_t> references_of(const Node& node);

// One of the object's references, chosen in a dialog when it has several
// ("Select the Reference to " + verb + ":"), its only one without asking:
// its position in the object's reference ids, or none (told why, or cancelled).
std::optional<size_t> select_reference_item(const BoxCommandContext& context, const std::string& verb);
// The same as the table's reference, or null.
Reference* select_reference(const BoxCommandContext& context, const std::string& verb);

// The four reference rows of an edit dialog (name, description, link and
// type), appended for an object with exactly one reference; returns that
// reference, or null and no rows.
Reference* add_reference_inputs(const Node& node, std::vector<std::string>& prompts,
                                std::vector<std::string>& defaults, std::vector<std::vector<std::string>>& choices);
// Writes the rows' answers into the reference; when anything changed, one
// undo state of the object and the project, and the project is unsaved.
void fill_reference_inputs(Node& node, Reference* reference, const std::string& name, const std::string& description,
                           const std::string& link, const std::string& type);

void open_reference(const BoxCommandContext& context);
void link_reference(const BoxCommandContext& context);
void add_reference(const BoxCommandContext& context);
void edit_references(const BoxCommandContext& context);
void remove_reference(const BoxCommandContext& context);

}  // namespace boxes
