#include "core/model/node.h"

#include <algorithm>
#include <unordered_set>

#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/capability_search.h"
#include "core/model/deletion_record.h"
#include "core/model/graph_builder.h"
#include "core/model/model_batch.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/platform/platform.h"
#include "core/queries/node_filters.h"
#include "core/text/number_format.h"
#include "core/text/sentences.h"
#include "core/text/text_utils.h"

int32_t Node::_instancecounter = 0;

namespace {
// Deletions in progress, and the objects waiting for the outermost to end.
int deletion_depth = 0;
std::vector<Node*> pending_deletions;
bool recompute_pending = false;
}  // namespace

Node::DeletionScope::DeletionScope() { ++deletion_depth; }

Node::DeletionScope::~DeletionScope() {
    if (deletion_depth > 1) {
        --deletion_depth;
        return;
    }
    // The outermost scope: every queued object goes, and whatever its
    // deletion disposes of joins the queue (the depth stays above 0 meanwhile).
    while (!pending_deletions.empty()) {
        Node* next = pending_deletions.back();
        pending_deletions.pop_back();
        delete next;
    }
    --deletion_depth;
    if (recompute_pending) {
        recompute_pending = false;
        if (GCC::RP && !GraphTeardown::active()) GCC::RP->recompute_all();
    }
}

void Node::dispose(Node* node) {
    if (!node || node->doomed) return;
    node->doomed = true;
    if (deletion_depth > 0)
        pending_deletions.push_back(node);
    else
        delete node;
}

void Node::delete_wholesale(const std::vector<Node*>& nodes) {
    // Marks instead of a set of the objects that go: the objects that stay and
    // link to them are each cleaned once, whatever the number of their links.
    std::vector<Node*> going;
    going.reserve(nodes.size());
    for (Node* n : nodes) {
        if (n->wholesale != Wholesale::Apart) continue;
        n->wholesale = Wholesale::Going;
        going.push_back(n);
    }
    std::vector<Node*> staying;
    auto note_staying = [&](Node* neighbour) {
        if (neighbour->wholesale != Wholesale::Apart) return;
        neighbour->wholesale = Wholesale::Staying;
        staying.push_back(neighbour);
    };
    for (Node* n : going) {
        for (Node* p : n->parents) note_staying(p);
        for (Node* c : n->children) note_staying(c);
    }
    const auto goes = [](const Node* n) { return n->wholesale == Wholesale::Going; };
    for (Node* n : staying) {
        DeletionRecord::note(n);
        std::erase_if(n->parents, goes);
        std::erase_if(n->children, goes);
        n->wholesale = Wholesale::Apart;
    }
    for (Node* n : going) {
        n->parents.clear();
        n->children.clear();
        n->doomed = true;
    }
    GraphTeardown quietly;
    for (Node* n : going) delete n;
}

Node::Node() = default;

Node::Node(Node* parent) { add_parent(parent, true); }

Node::~Node() {
    doomed = true;
    DeletionScope scope;
    unlink_for_destruction();
}

void Node::recompute_when_deletion_ends() { recompute_pending = true; }

void Node::unlink_for_destruction() {
    DeletionRecord::note_removed(this, subject);
    // Work on copies: every call below may delete nodes and edit these lists.
    const NodeList parents_copy = parents;
    for (Node* p : parents_copy)
        if (has_parent(p)) p->remove_child(this, false);
    const NodeList children_copy = children;
    for (Node* c : children_copy)
        if (has_child(c)) c->remove_parent(this, false);
    if (GCC::RP) GCC::RP->remove_uid_from_nd_map(this);
}

std::string Node::get_nd_type() const { return "NDE"; }

std::string Node::get_nd_name() const { return GCC::nde_nd_name; }

std::string Node::_generate_uid() const {
    if (_instancecounter < 1000000)
        ++_instancecounter;
    else
        _instancecounter = 0;
    const std::tm t = platform::services().local_time();
    using MyStrF::_intToStringWithLength;
    return get_nd_type() + "_" + _intToStringWithLength(t.tm_year + 1900, 4) + "_" +
           _intToStringWithLength(t.tm_mon + 1, 2) + "_" + _intToStringWithLength(t.tm_mday, 2) + "_" +
           _intToStringWithLength(t.tm_hour, 2) + "_" + _intToStringWithLength(t.tm_min, 2) + "_" +
           _intToStringWithLength(t.tm_sec, 2) + "_" + _intToStringWithLength(_instancecounter, 8);
}

void Node::set_uid(const std::string& new_uid) {
    // While a graph is rebuilt, an object made without uid stays without one
    // until it is adopted under its stored uid: generating and registering a
    // fresh uid first would be undone at once.
    if (new_uid.empty() && uid.empty() && GraphBuilder::rebuilding()) return;
    if (!uid.empty()) {
        if (uid == new_uid) return;
        DeletionRecord::note(this);
        if (GCC::RP) GCC::RP->remove_uid_from_nd_map(this);
    }
    uid = new_uid.empty() ? _generate_uid() : new_uid;
    if (GCC::RP) GCC::RP->register_uid(this);
    DeletionRecord::note(this);
}

bool Node::has_child(const Node* c) const { return std::find(children.begin(), children.end(), c) != children.end(); }

bool Node::has_parent(const Node* p) const { return std::find(parents.begin(), parents.end(), p) != parents.end(); }

namespace {
bool holds_uid(const NodeList& nodes, const std::string& uid) {
    return std::any_of(nodes.begin(), nodes.end(), [&](const Node* n) { return n->get_uid() == uid; });
}
}  // namespace

void Node::add_parent(Node* p, bool both) {
    if (!p || holds_uid(parents, p->get_uid())) return;
    DeletionRecord::note(this);
    parents.push_back(p);
    if (both) p->add_child(this, false);
}

void Node::add_child(Node* c, bool both) {
    if (!c || holds_uid(children, c->get_uid())) return;
    DeletionRecord::note(this);
    children.push_back(c);
    if (both) c->add_parent(this, false);
    // Recomputed once both ends know the link.
    rlevel.update();
}

void Node::remove_child(Node* c, bool both) {
    if (!c) return;
    DeletionRecord::note(this);
    children.erase(std::remove(children.begin(), children.end(), c), children.end());
    if (both) c->remove_parent(this, false);  // may delete c
    rlevel.update();
}

void Node::remove_parent(Node* p, bool both) {
    if (!p) return;
    DeletionRecord::note(this);
    const auto old_size = parents.size();
    parents.erase(std::remove(parents.begin(), parents.end(), p), parents.end());
    const bool removed = parents.size() != old_size;
    if (both) p->remove_child(this, false);
    // A node that loses its last parent deletes itself (the project never does).
    if (removed && parents.empty() && !is_prj()) dispose(this);
}

void Node::make_uids_state(const NodeList& nodes) {
    if (GCC::RP) GCC::RP->add_uids_state(nodes);
}

// ---- Subject ----

Node* Node::get_subject_source() const {
    for (Node* p : parents)
        if (p->is_opt()) return p;
    for (Node* p : parents)
        if (p->is_man()) return p;
    return parents.empty() ? nullptr : parents.front();
}

std::string Node::get_subject() const { return *subject_ptr(); }

const std::shared_ptr<std::string>& Node::subject_ptr() const {
    if (subject) return subject;
    // Up the sources to the first object that holds a text: every object on
    // the way shares it; when the chain ends without one, an empty text starts.
    std::vector<const Node*> unresolved;
    const Node* n = this;
    while (n && !n->subject) {
        unresolved.push_back(n);
        n = n->get_subject_source();
    }
    const std::shared_ptr<std::string> text = n ? n->subject : std::make_shared<std::string>();
    for (const Node* u : unresolved) u->subject = text;
    return subject;
}

std::vector<Requirement*> Node::integration_requirements_named_after_subject() const {
    std::vector<Requirement*> named;
    auto add = [&](const Option* option) {
        if (Requirement* r = option->get_integration_requirement()) named.push_back(r);
    };
    if (is_opt()) {
        const auto* self = static_cast<const Option*>(this);
        const auto sub_options = self->get_sub_options(false);
        if (!sub_options.empty()) {
            for (const Option* sub : sub_options) add(sub);
        } else {
            for (const Option* next : self->get_next_option_layer()) add(next);
        }
    }
    if ((is_usy() || is_man() || is_tlr()) && GCC::RP && GCC::RP->get_top_designproblems().size() > 1) {
        for (const Option* top : GCC::RP->get_top_options(false)) add(top);
    }
    return named;
}

void Node::set_subject(const std::string& text, bool split) {
    DeletionRecord::note(this);
    const std::string integration_cap = MyStrF::_integration_req_cap(text);
    for (Requirement* r : integration_requirements_named_after_subject())
        r->get_verb_cap()->set_capability(integration_cap);
    if (split && subject) {
        replace_subject_ptr(std::make_shared<std::string>(text));
    } else if (split) {
        subject = std::make_shared<std::string>(text);
        if (is_evd() && !ModelBatch::active()) rlevel.update();
    } else {
        get_subject();
        *subject = text;
        refresh_evidence_of_subject();
    }
}

void Node::refresh_evidence_of_subject() {
    // Option totals average evidence per subject: evidence that now reads
    // another subject brings its options up to date.
    if (ModelBatch::active()) return;
    if (subject.use_count() == 1) {
        if (is_evd()) rlevel.update();
        return;
    }
    if (!GCC::RP) return;
    for (Node* n : subject_holders())
        if (n->is_evd()) n->rlevel.update();
}

NodeList Node::subject_holders() const {
    const std::shared_ptr<std::string>& text = subject_ptr();
    NodeList holders{const_cast<Node*>(this)};
    std::unordered_set<const Node*> seen{this};
    for (size_t i = 0; i < holders.size(); ++i)
        for (const NodeList* links : {&holders[i]->parents, &holders[i]->children})
            for (Node* n : *links)
                if (n->subject == text && seen.insert(n).second) holders.push_back(n);
    if (static_cast<long>(holders.size()) == text.use_count() || !GCC::RP) return holders;
    holders.clear();
    for (const auto& [key, n] : GCC::RP->get_nd_map())
        if (n->subject == text) holders.push_back(n);
    return holders;
}

void Node::replace_subject_ptr(std::shared_ptr<std::string> p) {
    // This object and every descendant that reaches it through children
    // sharing its text move to the new text.
    const std::shared_ptr<std::string> old = subject;
    std::vector<Node*> moving{this};
    std::unordered_set<const Node*> seen{this};
    for (size_t i = 0; i < moving.size(); ++i)
        for (Node* c : moving[i]->children)
            if (c->subject == old && seen.insert(c).second) moving.push_back(c);
    for (Node* n : moving) {
        DeletionRecord::note(n);
        n->subject = p;
    }
    // Option totals average evidence per subject text.
    if (!ModelBatch::active())
        for (Node* n : moving)
            if (n->is_evd()) n->rlevel.update();
}

NodeList Node::get_impacted_by_subject_change() const {
    if (!GCC::RP) return {};
    NodeList impacted = subject_holders();
    for (const auto& [option, r] : options_whose_requirement_holds(*GCC::RP, MyStrF::_toLowerCase(*subject))) {
        impacted.push_back(option);
        for (Node* shared : r->get_impacted_by_vc_change()) impacted.push_back(shared);
    }
    // set_subject renames these whatever their capability says now.
    for (Requirement* r : integration_requirements_named_after_subject())
        for (Node* shared : r->get_impacted_by_vc_change()) impacted.push_back(shared);
    return impacted;
}

// ---- References ----

uint64_t Node::add_reference_to_node(const std::string& name, const std::string& description,
                                     const std::string& link, const std::string& type) {
    if (!GCC::RP) return 0;
    const uint64_t id = GCC::RP->add_reference(name, description, link, type);
    if (std::find(ref_ids.begin(), ref_ids.end(), id) == ref_ids.end()) ref_ids.push_back(id);
    return id;
}

void Node::remove_reference_from_node(uint64_t index) {
    if (!GCC::RP || index >= ref_ids.size()) return;
    const uint64_t id = ref_ids[index];
    ref_ids.erase(ref_ids.begin() + static_cast<std::ptrdiff_t>(index));
    if (std::find(ref_ids.begin(), ref_ids.end(), id) == ref_ids.end()) GCC::RP->remove_reference(id);
}

void Node::set_ref_ids(std::vector<uint64_t> ids) {
    // Each id at most once, first occurrence kept.
    ref_ids.clear();
    for (uint64_t id : ids)
        if (std::find(ref_ids.begin(), ref_ids.end(), id) == ref_ids.end()) ref_ids.push_back(id);
}

// ---- Display filter ----

namespace {
bool argument_has_optimal_option(const Node* n) {
    return n->is_arg() && std::any_of(n->get_parents().begin(), n->get_parents().end(),
                                      [](const Node* p) { return p->is_opt() && static_cast<const Option*>(p)->is_optimal(); });
}
bool any_parent_argument_optimal(const Node* n) {
    return std::any_of(n->get_parents().begin(), n->get_parents().end(), argument_has_optimal_option);
}
}  // namespace

bool Node::take_into_account() const {
    if (!GCC::RP) return true;
    const ProjectSettings& s = GCC::RP->get_settings();
    const bool incl_invalid = s.get_incl_invalid();
    const bool incl_sub_opt = s.get_incl_sub_opt();
    if (incl_invalid && incl_sub_opt) return true;
    if (!rlevel.is_valid()) return incl_invalid;
    if (incl_sub_opt) return true;
    if (is_opt()) return static_cast<const Option*>(this)->is_optimal();
    if (is_arg()) return argument_has_optimal_option(this);
    if (is_req()) return is_tlr() || any_parent_argument_optimal(this);
    if (is_evd()) return any_parent_argument_optimal(this);
    if (is_dpr()) {
        bool any_argument = false;
        for (const Node* req : parents) {
            if (!req->is_req()) continue;
            for (const Node* arg : req->get_parents()) {
                if (!arg->is_arg()) continue;
                any_argument = true;
                if (argument_has_optimal_option(arg)) return true;
            }
        }
        return !any_argument;
    }
    return true;
}

// ---- Texts ----

std::string Node::get_validity_str() const {
    return "The " + get_nd_name() + " " + uid + " is " + (rlevel.is_valid() ? "Valid." : "Invalid.") + "\n" +
           rlevel.get_tooltip_text();
}

std::string Node::get_txt() const { return "Node Base Class Text"; }

std::string Node::get_short_txt(size_t) const { return "Node Base Class Short Text"; }

std::string Node::get_str(bool lower) const {
    std::string t = tooltip + " " + get_validity_str() + get_txt() + "\n";
    t = MyStrF::_replace(t, GCC::default_ttt, "");
    t = MyStrF::_replace(t, uid, "");
    t = MyStrF::_replace_all(t, GCC::separator_ttt, "");
    std::string result = uid + " " + get_subject() + " " + t;
    for (size_t i = 0; i < comments.size(); ++i) result += " " + authors[i] + " " + comments[i];
    if (GCC::RP) {
        for (uint64_t id : ref_ids)
            if (const Reference* r = GCC::RP->get_reference(id)) result += r->get_str();
    }
    return lower ? MyStrF::_toLowerCase(result) : result;
}
