#include "ui/boxes/box_commands.h"

#include <map>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "ui/main_window/main_window_services.h"

Node* BoxCommandContext::node() const { return boxes::resolve(uid()); }

namespace boxes {

Node* resolve(const std::string& uid) {
    if (!main_window() || !GCC::RP || uid.empty()) return nullptr;
    return GCC::RP->_get_pointer_to_node_with_uid(uid);
}
namespace {

std::map<page_geometry::NodeKind, BoxKindCommands>& table() {
    static std::map<page_geometry::NodeKind, BoxKindCommands> kinds;
    return kinds;
}

}  // namespace

void install_kind_commands(page_geometry::NodeKind kind, BoxKindCommands commands) {
    table()[kind] = std::move(commands);
}

const BoxKindCommands* kind_commands(page_geometry::NodeKind kind) {
    const auto found = table().find(kind);
    return found == table().end() ? nullptr : &found->second;
}

void remove_all_kind_commands() { table().clear(); }

}  // namespace boxes
