#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/model/comment_mixin.h"
#include "core/model/eager_update.h"
#include "core/model/readiness_level.h"

class Node;
using NodeList = std::vector<Node*>;
// Copies made by one paste, by the uid of their source.
using CopyMap = std::unordered_map<std::string, Node*>;

// Base of every object of the design-rationale graph. Links do not own, but a
// node that loses its last parent deletes itself, and a deleted node unlinks
// itself from its parents and children: deletion cascades to every descendant
// without another parent. Kinds are told apart only by the is_* tests; while a
// kind is being constructed or destroyed it answers as a plain node.
class Node : public CommentMixin {
public:
    Node();
    explicit Node(Node* parent);
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    virtual std::string get_nd_type() const;
    virtual std::string get_nd_name() const;
    virtual bool is_prj() const { return false; }
    virtual bool is_usy() const { return false; }
    virtual bool is_man() const { return false; }
    virtual bool is_req() const { return false; }
    virtual bool is_tlr() const { return false; }
    virtual bool is_dpr() const { return false; }
    virtual bool is_opt() const { return false; }
    virtual bool is_arg() const { return false; }
    virtual bool is_evd() const { return false; }
    virtual ~Node();
    virtual void remove_parent(Node* p, bool both);
    virtual std::string get_validity_str() const;
    virtual std::string get_txt() const;
    virtual std::string get_str(bool lower) const;
    virtual std::string get_short_txt(size_t max_len) const;

    // Identity and registration in the current project.
    const std::string& get_uid() const { return uid; }
    void set_uid(const std::string& new_uid);
    std::string _generate_uid() const;

    // Links; a null argument does nothing, an already linked uid changes nothing.
    void add_parent(Node* p, bool both);
    void add_child(Node* c, bool both);
    void remove_child(Node* c, bool both);
    const NodeList& get_parents() const { return parents; }
    const NodeList& get_children() const { return children; }
    bool has_child(const Node* c) const;
    bool has_parent(const Node* p) const;

    // One undo snapshot of these nodes on the current project.
    static void make_uids_state(const NodeList& nodes);

    // Deletes the object; while another deletion runs, the object is queued
    // and deleted when the outermost one ends, so that a cascade through a
    // deep graph runs as a loop, not as nested destructors. An object already
    // on its way out is left alone. `delete` works as well; this is for
    // deletions made while others may run (cascades, destructors).
    static void dispose(Node* node);
    // Deletes these objects outright (each once, also when listed twice):
    // links among them are dropped without any clean-up of their kinds and
    // without recomputation, links from other objects to them are removed.
    // For a whole graph, or a part that nothing kept hangs below.
    static void delete_wholesale(const std::vector<Node*>& nodes);
    // While a scope lives, disposed objects wait; the outermost scope deletes
    // them when it ends, and then recomputes the project when a deletion asked
    // for it. Every destructor opens one while the object unlinks itself; the
    // clean-ups of the kinds run before it, with the object still linked, and
    // delete at once what they dispose of when no deletion is running (a
    // nesting as deep as the kinds, not as the graph).
    class DeletionScope {
    public:
        DeletionScope();
        ~DeletionScope();
        DeletionScope(const DeletionScope&) = delete;
        DeletionScope& operator=(const DeletionScope&) = delete;

    private:
        // Ends after the queued objects are gone: what reads the survivors
        // whose links the cascade changed is recomputed once.
        EagerUpdate eager;
    };

    // For destructors whose object influences nodes that are not its
    // ancestors (the mandate, a top-level goal): the current project is
    // recomputed once the outermost deletion has finished unlinking.
    static void recompute_when_deletion_ends();

    // The subject text, shared with the parent it was resolved from.
    std::string get_subject() const;
    void set_subject(const std::string& text, bool split);
    void replace_subject_ptr(std::shared_ptr<std::string> p);
    // The shared subject text itself, resolved as get_subject does.
    const std::shared_ptr<std::string>& subject_ptr() const;
    NodeList get_impacted_by_subject_change() const;
    // The parent a subject is taken from: the first option parent, else the
    // first mandate parent, else the first parent.
    Node* get_subject_source() const;

    // References of the current project's table that this object cites.
    uint64_t add_reference_to_node(const std::string& name, const std::string& description,
                                   const std::string& link, const std::string& type);
    void remove_reference_from_node(uint64_t index);
    const std::vector<uint64_t>& get_ref_ids() const { return ref_ids; }
    void set_ref_ids(std::vector<uint64_t> ids);

    void set_tooltip_txt(const std::string& text) { tooltip = text; }
    const std::string& get_tooltip_txt() const { return tooltip; }

    // The display filter of the current project.
    bool take_into_account() const;

    ReadinessLevel& get_rlevel() { return rlevel; }
    const ReadinessLevel& get_rlevel() const { return rlevel; }

    // Copy and paste through the clipboard (the uid alone travels).
    void copy_uid() const;
    bool paste_uid();
    static NodeList copy_node_values(Node* target, Node* source);
    static NodeList create_child_from_obj(Node* target, Node* source, CopyMap& copies);

    // The process-wide uid counter (1..1000000, then 0 again).
    static int32_t _instancecounter;

protected:
    std::string uid;
    std::string tooltip;
    NodeList parents;
    NodeList children;
    std::vector<uint64_t> ref_ids;
    ReadinessLevel rlevel{this};
    mutable std::shared_ptr<std::string> subject;

private:
    friend class GraphBuilder;
    friend class InPlaceRestore;
    friend class UidRegistry;
    friend std::vector<Node*> post_order(const std::vector<Node*>& roots, const NodeList& (Node::*next)() const);
    // The walk of post_order that last reached this object: a mark per walk,
    // so that a walk needs no set of the objects it has seen.
    uint64_t visit_mark = 0;
    // The position of this object among those a GraphBuilder rebuilds; only
    // meaningful to that builder while it runs.
    size_t builder_slot = 0;
    // This object's entry in the registry that holds it (see UidRegistry).
    uint32_t registry_slot = UINT32_MAX;
    // Set once the object is queued for deletion or being deleted.
    bool doomed = false;
    // The part of this object in a delete_wholesale that runs.
    enum class Wholesale : uint8_t { Apart, Going, Staying };
    Wholesale wholesale = Wholesale::Apart;
    void unlink_for_destruction();
    // The integration requirements whose capability names this object's
    // subject, which set_subject renames.
    std::vector<class Requirement*> integration_requirements_named_after_subject() const;
    void refresh_evidence_of_subject();
    // The objects that hold this object's subject text, this one included.
    // Those linked to it through holders of the text, when they account for
    // every holder (the common case, which needs no walk over the registry);
    // else every object of the registry that holds it, in registry order.
    NodeList subject_holders() const;
};
