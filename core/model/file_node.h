#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/model/insertion_ordered_map.h"
#include "core/model/node.h"
#include "core/model/uid_registry.h"
#include "core/reference/reference.h"
#include "core/settings/project_settings.h"

using ReferenceTable = InsertionOrderedMap<uint64_t, Reference>;

// The document side of a project: its folders and file name, its settings,
// the uid registry of every live object and the table of references.
class FileNode : public Node {
public:
    FileNode(const std::string& directory, const std::string& filename);
    ~FileNode() override;

    std::string get_nd_type() const override { return "FLN"; }
    std::string get_nd_name() const override;

    // Folders and file name. An empty directory means the Documents folder;
    // the file name always ends in ".xml".
    std::string get_directory();
    void set_directory(const std::string& dir);
    std::string get_export_directory();
    void set_export_directory(const std::string& dir);
    void set_default_directory(const std::string& subfolder);
    std::string check_directory();
    std::string check_export_directory();
    void set_filename(const std::string& name);
    std::string get_filename();
    // The file name a project has until it is given one.
    const std::string& get_default_filename() const { return default_filename; }

    ProjectSettings& get_settings() { return settings; }
    const ProjectSettings& get_settings() const { return settings; }

    // The uid registry, in insertion order. Registration happens through
    // Node::set_uid only, under the object's uid; an existing entry is never
    // overwritten.
    bool register_uid(Node* node);
    // Erases the object's entry, if it has one (a duplicate never
    // unregisters the original).
    void remove_uid_from_nd_map(const Node* node);
    Node* _get_pointer_to_node_with_uid(const std::string& uid) const;
    // Moves an entry to just before another one in the registry's order.
    void move_uid_before(const std::string& uid, const std::string& before) { nd_map.move_before(uid, before); }
    const UidRegistry& get_nd_map() const { return nd_map; }
    // Room for about this many entries, when their number is known beforehand.
    void reserve_nd_map(size_t count) { nd_map.reserve(count); }
    // Deletes every registered object except projects.
    void clear_nd_map();

    // The reference table.
    uint64_t add_reference(const std::string& name, const std::string& description, const std::string& link,
                           const std::string& type);
    void add_reference(uint64_t id, const std::string& name, const std::string& description,
                       const std::string& link, const std::string& type);
    uint64_t get_reference_usages(uint64_t id) const;
    void remove_reference(uint64_t id);
    void clear_references();
    uint64_t generate_reference_id() const;
    std::optional<uint64_t> find_reference_id(const std::string& link) const;
    Reference* get_reference(uint64_t id);
    const Reference* get_reference(uint64_t id) const;
    const ReferenceTable& get_references() const { return references; }
    void set_references(const ReferenceTable& table) { references = table; }

    // The project file: "" on success, otherwise the text to show.
    std::string write(const std::string& dir, const std::string& name);
    std::string add_from_file(const std::string& dir, const std::string& name);
    // Crash recovery and the comment import.
    std::string save_recovery_file();
    std::string save_recovery_attempt();
    std::string add_comments_from_file(const std::string& dir, const std::string& name);

protected:
    std::string directory;
    std::string export_directory;
    std::string filename;
    ProjectSettings settings;
    std::string default_filename = "Morvanta_project.xml";
    UidRegistry nd_map;
    ReferenceTable references;
    bool recovery_named = false;
};
