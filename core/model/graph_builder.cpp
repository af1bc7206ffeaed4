#include "core/model/graph_builder.h"

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <unordered_map>

#include "core/model/link_rules.h"
#include "core/model/project.h"
#include "core/model/uid_index.h"
#include "core/model/verb_cap_base.h"
#include "core/quantity/parameter.h"
#include "core/queries/node_filters.h"

namespace {
bool contains(const NodeList& nodes, const Node* n) { return std::find(nodes.begin(), nodes.end(), n) != nodes.end(); }

// Builders constructed and not yet finished, and adoption scopes open.
int unfinished_builders = 0;
uint64_t builders_made = 0;
}  // namespace

bool GraphBuilder::rebuilding() { return unfinished_builders > 0; }

GraphBuilder::AdoptionScope::AdoptionScope() { ++unfinished_builders; }

GraphBuilder::AdoptionScope::~AdoptionScope() { --unfinished_builders; }

uint64_t GraphBuilder::rebuild_count() { return builders_made; }

GraphBuilder::GraphBuilder(Project& p) : project(p), adopted_by_uid(std::make_unique<UidIndex>(64)) {
    project.clear_nd_map();
    project.children.clear();
    project.clear_references();
    Parameter::remove_custom_poss_parameters();
    Parameter::remove_custom_units();
    Parameter::activate_all_poss_parameters();
    project.builder_slot = 0;
    objects.emplace_back(&project);
    ++unfinished_builders;
    ++builders_made;
}

GraphBuilder::~GraphBuilder() {
    if (!finished) finish();
}

void GraphBuilder::note(const std::string& problem) {
    if (problems.find(problem) == std::string::npos) problems += problem + "\n";
}

GraphBuilder::Stored& GraphBuilder::stored(const Node* node) {
    if (!is_adopted(node)) throw std::out_of_range("GraphBuilder: the object was not adopted");
    return objects[slot_of(node)];
}

bool GraphBuilder::adopt(Node* node, const std::string& uid) {
    auto refuse = [&](const std::string& why) {
        note(why);
        GraphTeardown quietly;
        delete node;
        return false;
    };
    if (!uid.empty()) {
        Node* existing = project._get_pointer_to_node_with_uid(uid);
        if (existing && existing != node) return refuse("Objects with a uid used before were left out.");
    }
    if (node->is_man()) {
        if (has_mandate) return refuse("Only the first mandate was kept; further mandates were left out.");
        has_mandate = true;
        mandate_level = ReadinessLevel::get_reqd_level();
    }
    // Objects made during the rebuild have no uid yet (see Node::set_uid), so
    // each is registered once, in adoption order.
    if (!uid.empty())
        node->set_uid(uid);
    else if (node->get_uid().empty())
        node->set_uid(node->_generate_uid());
    node->builder_slot = objects.size();
    objects.emplace_back(node);
    adopted_by_uid->add(node->get_uid(), node);
    return true;
}

void GraphBuilder::adopt_project(const std::string& uid) {
    if (!uid.empty()) project.set_uid(uid);
}

void GraphBuilder::expect(size_t count) {
    if (objects.size() == 1) adopted_by_uid = std::make_unique<UidIndex>(count);
    objects.reserve(count + 1);
    project.reserve_nd_map(count + 1);
}

std::string_view GraphBuilder::keep(std::string text) { return kept_texts.emplace_back(std::move(text)); }

GraphBuilder::UidRange GraphBuilder::add_uids(std::span<const std::string_view> added) {
    const UidRange range{link_uids.size(), added.size()};
    link_uids.insert(link_uids.end(), added.begin(), added.end());
    return range;
}

void GraphBuilder::set_links(Node* node, const std::vector<std::string>& parent_uids,
                             const std::vector<std::string>& child_uids) {
    std::vector<std::string_view> parents;
    parents.reserve(parent_uids.size());
    for (const std::string& uid : parent_uids) parents.push_back(keep(uid));
    std::vector<std::string_view> children;
    children.reserve(child_uids.size());
    for (const std::string& uid : child_uids) children.push_back(keep(uid));
    set_links(node, parents, children);
}

void GraphBuilder::set_links(Node* node, std::span<const std::string_view> parent_uids,
                             std::span<const std::string_view> child_uids) {
    Stored& s = stored(node);
    s.parent_uids = add_uids(parent_uids);
    s.child_uids = add_uids(child_uids);
}

void GraphBuilder::set_subject(Node* node, std::string text, SubjectSharing sharing, const std::string& shared_with) {
    Stored& s = stored(node);
    s.subject = std::move(text);
    s.sharing = sharing;
    s.shared_with = shared_with;
    s.has_subject = true;
}

void GraphBuilder::set_verb_capability(Node* node, const std::string& verb, const std::string& capability,
                                       uint64_t group) {
    if (!node->is_usy() && !node->is_req() && !node->is_evd()) return;
    auto* vc_node = static_cast<VerbCapBase*>(node);
    vc_node->set_verb_cap(std::make_shared<VerbCapability>(verb, capability));
    Stored& s = stored(node);
    s.vc_group = group;
    s.has_vc = true;
}

void GraphBuilder::link_in_stored_order() {
    // Each end lists the link; a link listed on one end only is still made, and
    // goes to the end of the other end's list. The lists are written straight
    // into the objects, which have no links of their own yet.
    // A link names an object by the uid it is registered under (its own uid);
    // no link asks the registry.
    auto resolve = [&](std::string_view uid) {
        if (uid == project.get_uid()) return static_cast<Node*>(&project);
        return adopted_by_uid->find(uid);
    };
    bool dropped = false;
    for (const Stored& s : objects) {
        Node* n = s.node;
        NodeList ps;
        for (const std::string_view uid : uids(s.parent_uids)) {
            Node* p = resolve(uid);
            if (!p || p == n || n == &project) {
                dropped = dropped || (p == n || n == &project);
                continue;
            }
            if (!contains(ps, p)) ps.push_back(p);
        }
        NodeList cs;
        for (const std::string_view uid : uids(s.child_uids)) {
            Node* c = resolve(uid);
            if (!c || c == n || c == &project) {
                dropped = dropped || (c == n || c == &project);
                continue;
            }
            if (!contains(cs, c)) cs.push_back(c);
        }
        n->parents = std::move(ps);
        n->children = std::move(cs);
    }
    // No object is its own parent or child, so the lists walked here are not
    // the ones that grow.
    for (const Stored& s : objects) {
        Node* n = s.node;
        for (Node* p : n->parents)
            if (!contains(p->children, n)) p->children.push_back(n);
        for (Node* c : n->children)
            if (!contains(c->parents, n)) c->parents.push_back(n);
    }
    if (dropped) note("Links of an object to itself or into the project were left out.");
}

void GraphBuilder::drop_disallowed_links() {
    bool dropped = false;
    for (const Stored& s : objects) {
        Node* n = s.node;
        const DisallowedLinks disallowed = disallowed_links(n);
        for (Node* p : disallowed.parents) {
            std::erase(p->children, n);
            std::erase(n->parents, p);
        }
        for (Node* c : disallowed.children) {
            std::erase(n->children, c);
            std::erase(c->parents, n);
        }
        dropped = dropped || !disallowed.empty();
    }
    if (dropped) note("Links that the kinds of their objects do not allow were left out.");
}

std::vector<Node*> GraphBuilder::drop_cycles() {
    enum class Mark : uint8_t { New, Open, Done };
    std::vector<Mark> marks(objects.size(), Mark::New);
    bool dropped = false;
    std::vector<Node*> below_project;
    below_project.reserve(objects.size());
    std::vector<std::pair<size_t, size_t>> stack;  // slot, index of the next child
    // The project (slot 0) is the first root: the objects finished before the
    // walk from it ends are those below it, children first, as
    // children_first_from would list them once the cycles are gone (a link
    // that closes a cycle is dropped before any object after it is reached).
    for (size_t root = 0; root < objects.size(); ++root) {
        if (marks[root] != Mark::New) continue;
        stack.push_back({root, 0});
        marks[root] = Mark::Open;
        while (!stack.empty()) {
            auto& [slot, next] = stack.back();
            Node* node = objects[slot].node;
            if (next >= node->children.size()) {
                marks[slot] = Mark::Done;
                if (root == 0) below_project.push_back(node);
                stack.pop_back();
                continue;
            }
            Node* child = node->children[next];
            const size_t child_slot = slot_of(child);
            Mark& mark = marks[child_slot];
            if (mark == Mark::Open) {
                // This link would close a cycle.
                node->children.erase(node->children.begin() + static_cast<std::ptrdiff_t>(next));
                std::erase(child->parents, node);
                dropped = true;
            } else {
                ++next;
                if (mark == Mark::New) {
                    mark = Mark::Open;
                    stack.push_back({child_slot, 0});
                }
            }
        }
    }
    if (dropped) note("Links that would close a cycle were left out.");
    return below_project;
}

std::vector<Node*> GraphBuilder::children_first_from(const std::vector<Node*>& roots) const {
    // The walk of post_order, with the visited objects marked by slot.
    std::vector<Node*> result;
    result.reserve(objects.size());
    std::vector<bool> seen(objects.size(), false);
    std::vector<std::pair<Node*, size_t>> stack;
    for (Node* root : roots) {
        const size_t root_slot = slot_of(root);
        if (seen[root_slot]) continue;
        seen[root_slot] = true;
        stack.push_back({root, 0});
        while (!stack.empty()) {
            auto& [node, index] = stack.back();
            if (index < node->children.size()) {
                Node* child = node->children[index++];
                const size_t child_slot = slot_of(child);
                if (!seen[child_slot]) {
                    seen[child_slot] = true;
                    stack.push_back({child, 0});
                }
            } else {
                result.push_back(node);
                stack.pop_back();
            }
        }
    }
    return result;
}

Node* GraphBuilder::subject_holder(Node* node) {
    const Stored& s = stored(node);
    switch (s.sharing) {
        case SubjectSharing::Own: return nullptr;
        case SubjectSharing::WithSource:
        case SubjectSharing::SameTextAsSource: return node->get_subject_source();
        case SubjectSharing::WithObject: break;
    }
    Node* other = project._get_pointer_to_node_with_uid(s.shared_with);
    return other != node && other && is_adopted(other) ? other : nullptr;
}

void GraphBuilder::share_subjects(const std::vector<Node*>& parents_first) {
    // Each object takes the text of the object it shares it with, once that
    // one has its own; chains are followed with an explicit stack, and an
    // object whose chain comes back to it keeps a text of its own.
    enum class State : uint8_t { Open, Waiting, Done };
    std::vector<State> states(objects.size(), State::Open);
    std::vector<Node*> waiting;
    for (Node* start : parents_first) {
        if (states[slot_of(start)] != State::Open) continue;
        states[slot_of(start)] = State::Waiting;
        waiting.push_back(start);
        while (!waiting.empty()) {
            Node* n = waiting.back();
            Stored& s = stored(n);
            Node* holder = s.has_subject ? subject_holder(n) : nullptr;
            if (holder && is_adopted(holder) && states[slot_of(holder)] != State::Done) {
                if (states[slot_of(holder)] == State::Open) {
                    states[slot_of(holder)] = State::Waiting;
                    waiting.push_back(holder);
                    continue;
                }
                holder = nullptr;  // a chain that closes on itself
            }
            if (s.has_subject) {
                const bool share = holder && (s.sharing != SubjectSharing::SameTextAsSource ||
                                              *holder->subject_ptr() == s.subject);
                // The stored text is not needed again.
                n->subject = share ? holder->subject_ptr() : std::make_shared<std::string>(std::move(s.subject));
            }
            states[slot_of(n)] = State::Done;
            waiting.pop_back();
        }
    }
}

void GraphBuilder::share_verb_capabilities(const std::vector<Node*>& parents_first) {
    std::unordered_map<uint64_t, std::shared_ptr<VerbCapability>> groups;
    for (Node* n : parents_first) {
        const Stored& s = stored(n);
        if (!s.has_vc) continue;
        auto* vc_node = static_cast<VerbCapBase*>(n);
        if (s.vc_group != 0) {
            auto [it, inserted] = groups.emplace(s.vc_group, vc_node->get_verb_cap());
            if (inserted)
                it->second->set_group(s.vc_group);
            else
                vc_node->set_verb_cap(it->second);
            continue;
        }
        if (!n->is_req()) continue;
        // A requirement shares an equal pair with the story it derives from (as
        // a story, or through the mandate) or with the requirement it refines.
        NodeList candidates;
        for (Node* story : n->parents)
            if (story->is_usy()) candidates.push_back(story);
        for (Node* m : n->parents)
            if (m->is_man())
                for (Node* story : m->parents)
                    if (story->is_usy()) candidates.push_back(story);
        for (Node* a : n->parents)
            if (a->is_arg())
                for (Node* above : a->parents)
                    if (above->is_req()) candidates.push_back(above);
        // Only the same texts, byte for byte: sharing must not change what was stored.
        const VerbCapability& mine = *vc_node->get_verb_cap();
        for (Node* c : candidates) {
            const auto& theirs = static_cast<VerbCapBase*>(c)->get_verb_cap();
            if (theirs->get_verb() == mine.get_verb() && theirs->get_capability() == mine.get_capability()) {
                vc_node->set_verb_cap(theirs);
                break;
            }
        }
    }
}

std::vector<Node*> GraphBuilder::drop_unreachable(std::vector<Node*> below_project) {
    // Every object reached: the walk from the project is also the walk over
    // all objects in adoption order, since the project comes first.
    if (below_project.size() == objects.size()) return below_project;
    std::vector<bool> reachable(objects.size(), false);
    for (const Node* n : below_project) reachable[slot_of(n)] = true;
    std::vector<Node*> unreachable;
    for (size_t slot = 0; slot < objects.size(); ++slot)
        if (!reachable[slot]) unreachable.push_back(objects[slot].node);
    note("Objects that hang below nothing of the project were left out.");
    // Outright: their kinds' clean-ups would reach objects that are kept (a
    // story deletes its requirements, also one that hangs below the mandate).
    Node::delete_wholesale(unreachable);
    std::vector<Stored> kept;
    kept.reserve(below_project.size());
    for (size_t slot = 0; slot < objects.size(); ++slot)
        if (reachable[slot]) kept.push_back(std::move(objects[slot]));
    objects = std::move(kept);
    std::vector<Node*> in_adoption_order;
    for (size_t slot = 0; slot < objects.size(); ++slot) {
        objects[slot].node->builder_slot = slot;
        in_adoption_order.push_back(objects[slot].node);
    }
    return children_first_from(in_adoption_order);
}

std::string GraphBuilder::finish() {
    finished = true;
    --unfinished_builders;
    link_in_stored_order();
    drop_disallowed_links();
    const std::vector<Node*> children_first_order = drop_unreachable(drop_cycles());
    const std::vector<Node*> parents_first(children_first_order.rbegin(), children_first_order.rend());
    share_subjects(parents_first);
    share_verb_capabilities(parents_first);
    // A mandate left out as unreachable takes its required level with it.
    const bool mandate_kept = std::any_of(objects.begin(), objects.end(), [](const Stored& s) { return s.node->is_man(); });
    ReadinessLevel::_reqd_lvl = mandate_kept ? mandate_level : 1;
    batch.reset();
    // When the registry holds the project first and then only the kept
    // objects (registered in adoption order), recompute_all would walk them in
    // the order at hand.
    const UidRegistry& registry = project.get_nd_map();
    if (registry.size() == objects.size() && registry.begin()->second == &project)
        project.recompute_in_order(children_first_order);
    else
        project.recompute_all();
    return problems;
}
