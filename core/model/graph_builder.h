#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/model/model_batch.h"
#include "core/model/node.h"

class Project;

// Rebuilds a project's graph from stored objects (a project file, an undo
// state) in passes: every object is made first and registered under its stored
// uid; then the links are set in their stored order, shared subjects and verb-
// capability pairs are re-shared, and readiness, option totals and elections
// are computed once, bottom-up. Nothing stored is trusted: duplicate uids, a
// second mandate, links to unknown objects, links into the project, links
// that would close a cycle and objects not connected to the project are left
// out.
class GraphBuilder {
public:
    // How an object's subject relates to the parent it resolves its subject
    // from, or to another object named by uid (WithObject).
    enum class SubjectSharing { Own, WithSource, SameTextAsSource, WithObject };

    // Empties the project's graph, references and custom quantity types.
    explicit GraphBuilder(Project& project);
    ~GraphBuilder();
    GraphBuilder(const GraphBuilder&) = delete;
    GraphBuilder& operator=(const GraphBuilder&) = delete;

    // Registers a new object (made without parent) under its stored uid. A
    // refused object is deleted and false returned, with the reason noted.
    bool adopt(Node* node, const std::string& uid);
    // The project itself takes its stored uid.
    void adopt_project(const std::string& uid);

    void set_links(Node* node, std::vector<std::string> parent_uids, std::vector<std::string> child_uids);
    void set_subject(Node* node, const std::string& text, SubjectSharing sharing, const std::string& shared_with = {});
    // Objects with the same non-zero group share one pair; group 0 shares with
    // an equal pair of the story or requirement the object derives from.
    void set_verb_capability(Node* node, const std::string& verb, const std::string& capability, uint64_t group);

    // Runs the remaining passes; returns the problems met, one line each.
    std::string finish();

private:
    struct Stored {
        explicit Stored(Node* n) : node(n) {}
        Node* node;
        std::vector<std::string> parent_uids;
        std::vector<std::string> child_uids;
        std::string subject;
        SubjectSharing sharing = SubjectSharing::Own;
        std::string shared_with;
        bool has_subject = false;
        uint64_t vc_group = 0;
        bool has_vc = false;
    };

    Stored& stored(Node* node);
    void link_in_stored_order();
    void drop_cycles();
    // Objects that no chain of parents connects to the project are not kept.
    void drop_unreachable();
    void share_subjects(const std::vector<Node*>& order);
    void share_verb_capabilities(const std::vector<Node*>& order);
    void note(const std::string& problem);

    Project& project;
    std::optional<ModelBatch> batch{std::in_place};
    std::vector<Node*> order;  // adoption order, the project first
    std::unordered_map<Node*, Stored> objects;
    bool has_mandate = false;
    uint16_t mandate_level = 1;
    std::string problems;
    bool finished = false;
};
