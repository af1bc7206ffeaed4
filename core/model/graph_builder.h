#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/model_batch.h"
#include "core/model/node.h"

class Project;
class UidIndex;

// Rebuilds a project's graph from stored objects (a project file, an undo
// state) in passes: every object is made first and registered under its stored
// uid; then the links are set in their stored order, shared subjects and verb-
// capability pairs are re-shared, and readiness, option totals and elections
// are computed once, bottom-up. Nothing stored is trusted: duplicate uids, a
// second mandate, links to unknown objects, links into the project, links
// the kinds do not allow (see link_rules.h), links that would close a cycle
// and objects not connected to the project are left out.
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

    // Registers a new object (made without parent) under its stored uid, or
    // under a fresh uid when none is stored. A refused object is deleted and
    // false returned, with the reason noted.
    bool adopt(Node* node, const std::string& uid);
    // The project itself takes its stored uid.
    void adopt_project(const std::string& uid);
    // Room for about this many objects, when their number is known beforehand.
    void expect(size_t count);

    // The uids of the parents and children as stored, in their order.
    void set_links(Node* node, const std::vector<std::string>& parent_uids, const std::vector<std::string>& child_uids);
    // The same with views of uid texts, which must stay valid until finish
    // (texts of a document being read, or texts kept by keep).
    void set_links(Node* node, std::span<const std::string_view> parent_uids,
                   std::span<const std::string_view> child_uids);
    // Keeps a text for the builder's lifetime; returns a view of it.
    std::string_view keep(std::string text);
    void set_subject(Node* node, std::string text, SubjectSharing sharing, const std::string& shared_with = {});
    // Objects with the same non-zero group share one pair; group 0 shares with
    // an equal pair of the story or requirement the object derives from.
    void set_verb_capability(Node* node, const std::string& verb, const std::string& capability, uint64_t group);

    // Runs the remaining passes; returns the problems met, one line each.
    std::string finish();

    // True while a builder rebuilds the current project's graph: objects made
    // meanwhile get no uid of their own until they are adopted (see adopt).
    static bool rebuilding();
    // While a scope lives, objects made get no uid of their own until one is
    // set, as while a builder runs: for objects restored under a stored uid.
    class AdoptionScope {
    public:
        AdoptionScope();
        ~AdoptionScope();
        AdoptionScope(const AdoptionScope&) = delete;
        AdoptionScope& operator=(const AdoptionScope&) = delete;
    };
    // How many builders were ever made: a graph that shows an undo state
    // shows it only while no builder has rebuilt it since.
    static uint64_t rebuild_count();

private:
    // A part of link_uids.
    struct UidRange {
        size_t begin = 0;
        size_t size = 0;
    };
    struct Stored {
        explicit Stored(Node* n) : node(n) {}
        Node* node;
        UidRange parent_uids;
        UidRange child_uids;
        std::string subject;
        SubjectSharing sharing = SubjectSharing::Own;
        std::string shared_with;
        bool has_subject = false;
        uint64_t vc_group = 0;
        bool has_vc = false;
    };

    // The record of an adopted object (or the project); throws
    // std::out_of_range for any other object.
    Stored& stored(const Node* node);
    bool is_adopted(const Node* node) const {
        return node->builder_slot < objects.size() && objects[node->builder_slot].node == node;
    }
    // The position of an adopted object (or the project) in `objects`. The
    // objects keep it themselves: a map from object to position, asked for
    // every link in every pass, cost more than the rest of the passes.
    static size_t slot_of(const Node* node) { return node->builder_slot; }
    std::span<const std::string_view> uids(UidRange range) const {
        return std::span<const std::string_view>(link_uids).subspan(range.begin, range.size);
    }
    UidRange add_uids(std::span<const std::string_view> uids);
    void link_in_stored_order();
    void drop_disallowed_links();
    // Returns the objects below the project (the project included), each
    // after all of its descendants: the walk that finds the cycles, starting
    // at the project, finishes them in this order.
    std::vector<Node*> drop_cycles();
    // Objects that no chain of parents connects to the project are not kept.
    // Takes the order drop_cycles returned; returns every kept object, each
    // after all of its descendants.
    std::vector<Node*> drop_unreachable(std::vector<Node*> below_project);
    // The objects reachable from the roots along children links, each after
    // all of its descendants (as children_first of graph_order.h).
    std::vector<Node*> children_first_from(const std::vector<Node*>& roots) const;
    void share_subjects(const std::vector<Node*>& parents_first);
    // The object whose subject text this one takes, as stored; null for an own text.
    Node* subject_holder(Node* node);
    void share_verb_capabilities(const std::vector<Node*>& parents_first);
    void note(const std::string& problem);

    Project& project;
    std::optional<ModelBatch> batch{std::in_place};
    // Adoption order, the project first.
    std::vector<Stored> objects;
    // The adopted objects (not the project) by their uids, filled as they are
    // adopted, while each object and its uid are at hand: the links are
    // resolved through it without a walk over the registry.
    // (Held apart: this header is included where Qt's keywords are macros.)
    std::unique_ptr<UidIndex> adopted_by_uid;
    // The stored links of every object, one range each: one array for all
    // instead of two lists of texts per object.
    std::vector<std::string_view> link_uids;
    // Texts viewed by link_uids that no caller keeps; a deque never moves them.
    std::deque<std::string> kept_texts;
    bool has_mandate = false;
    uint16_t mandate_level = 1;
    std::string problems;
    bool finished = false;
};
