#include "core/model/file_node.h"

#include <filesystem>
#include <limits>
#include <system_error>
#include <utility>
#include <vector>

#include "core/constants/gcc.h"
#include "core/model/graph_order.h"
#include "core/model/project.h"
#include "core/platform/platform.h"

FileNode::FileNode(const std::string& dir, const std::string& name) {
    set_directory(dir);
    set_filename(name);
}

FileNode::~FileNode() = default;

std::string FileNode::get_nd_name() const { return GCC::fnd_nd_name; }

// ---- Folders and file name ----

std::string FileNode::get_directory() {
    if (directory.empty()) set_default_directory("");
    return directory;
}

void FileNode::set_directory(const std::string& dir) {
    if (!dir.empty())
        directory = dir;
    else if (directory.empty())
        set_default_directory("");
}

std::string FileNode::get_export_directory() {
    if (export_directory.empty()) export_directory = get_directory();
    return export_directory;
}

void FileNode::set_export_directory(const std::string& dir) {
    if (!dir.empty())
        export_directory = dir;
    else if (export_directory.empty())
        export_directory = get_directory();
}

void FileNode::set_default_directory(const std::string& subfolder) {
    const std::string documents = platform::services().documents_folder();
    if (documents.empty()) {
        directory.clear();
        return;
    }
    directory = subfolder.empty() ? documents : documents + "/" + subfolder;
    export_directory = directory;
}

namespace {
// Creates one folder level; an existing folder is fine.
bool create_folder(const std::string& path) {
    if (path.empty()) return false;
    std::error_code error;
    std::filesystem::create_directory(path, error);
    return !error && std::filesystem::is_directory(path, error);
}
}  // namespace

std::string FileNode::check_directory() {
    return create_folder(directory) ? std::string() : "Failed to create directory: " + directory;
}

std::string FileNode::check_export_directory() {
    return create_folder(export_directory) ? std::string() : "Failed to create export directory: " + export_directory;
}

void FileNode::set_filename(const std::string& name) {
    if (!name.empty())
        filename = name.size() > 3 && name.compare(name.size() - 4, 4, ".xml") == 0 ? name : name + ".xml";
    else if (filename.empty())
        filename = default_filename;
}

std::string FileNode::get_filename() {
    if (filename.empty()) filename = get_nd_name() + ".xml";
    return filename;
}

// ---- Registry ----

bool FileNode::register_uid(Node* node) { return nd_map.insert(node); }

void FileNode::remove_uid_from_nd_map(const Node* node) { nd_map.erase(node); }

Node* FileNode::_get_pointer_to_node_with_uid(const std::string& uid_key) const {
    Node* const* registered = nd_map.find(uid_key);
    return registered ? *registered : nullptr;
}

void FileNode::clear_nd_map() {
    // The whole graph goes at once: every registered object and everything
    // below the project, without cascades (which would nest as deep as the
    // graph) and without recomputing what goes anyway. Only projects stay
    // registered, in their order.
    if (!is_prj()) return;
    std::vector<Node*> objects;
    objects.reserve(nd_map.size());
    std::vector<Node*> projects;
    for (const auto& [key, n] : nd_map) {
        if (n->is_prj())
            projects.push_back(n);
        else
            objects.push_back(n);
    }
    for (Node* n : children_first({this}))
        if (!n->is_prj()) objects.push_back(n);
    nd_map.clear();
    for (Node* n : projects) nd_map.insert(n);
    Project* previous = GCC::RP;
    GCC::RP = static_cast<Project*>(this);
    delete_wholesale(objects);
    GCC::RP = previous;
}

// ---- References ----

uint64_t FileNode::add_reference(const std::string& name, const std::string& description, const std::string& link,
                                 const std::string& type) {
    if (auto existing = find_reference_id(link)) return *existing;
    const uint64_t id = generate_reference_id();
    if (id == 0) return 0;
    references.insert(id, Reference(name, description, link, type));
    return id;
}

void FileNode::add_reference(uint64_t id, const std::string& name, const std::string& description,
                             const std::string& link, const std::string& type) {
    references.insert(id, Reference(name, description, link, type));
}

uint64_t FileNode::get_reference_usages(uint64_t id) const {
    uint64_t count = 0;
    for (const auto& [key, node] : nd_map)
        for (uint64_t ref : node->get_ref_ids())
            if (ref == id) ++count;
    return count;
}

void FileNode::remove_reference(uint64_t id) {
    if (get_reference_usages(id) == 0) references.erase(id);
}

void FileNode::clear_references() { references.clear(); }

uint64_t FileNode::generate_reference_id() const {
    for (uint64_t id = 1; id != 0; ++id)
        if (!references.contains(id)) return id;
    return 0;
}

std::optional<uint64_t> FileNode::find_reference_id(const std::string& link) const {
    if (link.empty()) return std::nullopt;
    for (const auto& [id, reference] : references)
        if (reference.link() == link) return id;
    return std::nullopt;
}

Reference* FileNode::get_reference(uint64_t id) { return references.find(id); }

const Reference* FileNode::get_reference(uint64_t id) const { return references.find(id); }
