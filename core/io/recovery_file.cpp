#include <vector>

#include "core/io/project_writer.h"
#include "core/model/file_node.h"
#include "core/model/memento_mixin.h"
#include "core/model/project.h"
#include "core/text/number_format.h"

namespace {

// Objects abandoned by a crash recovery. They may be broken, so they are never
// deleted (the process ends after the recovery); the list keeps them reachable.
std::vector<Node*>& abandoned_objects() {
    static auto* objects = new std::vector<Node*>();
    return *objects;
}

}  // namespace

std::string FileNode::save_recovery_file() {
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            return save_recovery_attempt();
        } catch (...) {
            // One more attempt, from a fresh rebuild.
        }
    }
    return "Fatal error during crash recovery.\n\n";
}

std::string FileNode::save_recovery_attempt() {
    if (!is_prj()) return "Fatal error during crash recovery.\n\n";
    // The objects in memory cannot be trusted after a crash: they are left
    // alone, and the project is rebuilt from its current undo state, which
    // holds the last recorded edit.
    for (const auto& [key, node] : nd_map)
        if (node != this) abandoned_objects().push_back(node);
    nd_map.clear();
    nd_map.insert(this);
    children.clear();
    static_cast<MementoMixin&>(*this).restore_current_state();

    if (!recovery_named) {
        filename = MyStrF::_get_time_prefix() + "recover_" + filename;
        recovery_named = true;
    }
    std::string failure = check_directory();
    const std::string path = directory + "/" + filename;
    if (failure.empty()) failure = project_file::save_project_file(static_cast<Project&>(*this), path);
    if (!failure.empty())
        return "An unexpected error occurred.\nThe Project could not be saved in:\n" + path + "\n" + failure + "\n\n";
    settings.add_recent_file(path);
    settings.export_settings_to_config();
    return "An unexpected error occurred.\nThe Project has been saved in:\n" + path + "\n\n";
}
