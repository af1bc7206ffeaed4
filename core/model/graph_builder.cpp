#include "core/model/graph_builder.h"

#include <algorithm>
#include <memory>
#include <unordered_set>

#include "core/model/graph_order.h"
#include "core/model/project.h"
#include "core/model/verb_cap_base.h"
#include "core/quantity/parameter.h"
#include "core/queries/node_filters.h"

namespace {
bool contains(const NodeList& nodes, const Node* n) { return std::find(nodes.begin(), nodes.end(), n) != nodes.end(); }
}  // namespace

GraphBuilder::GraphBuilder(Project& p) : project(p) {
    {
        GraphTeardown teardown;
        project.clear_nd_map();
        for (Node* c : NodeList(project.children))
            if (project.has_child(c)) delete c;
    }
    project.children.clear();
    project.clear_references();
    Parameter::remove_custom_poss_parameters();
    Parameter::remove_custom_units();
    Parameter::activate_all_poss_parameters();
    order.push_back(&project);
    objects.emplace(&project, Stored(&project));
}

GraphBuilder::~GraphBuilder() {
    if (!finished) finish();
}

void GraphBuilder::note(const std::string& problem) {
    if (problems.find(problem) == std::string::npos) problems += problem + "\n";
}

GraphBuilder::Stored& GraphBuilder::stored(Node* node) { return objects.at(node); }

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
    if (!uid.empty()) node->set_uid(uid);
    order.push_back(node);
    objects.emplace(node, Stored(node));
    return true;
}

void GraphBuilder::adopt_project(const std::string& uid) {
    if (!uid.empty()) project.set_uid(uid);
}

void GraphBuilder::set_links(Node* node, std::vector<std::string> parent_uids, std::vector<std::string> child_uids) {
    Stored& s = stored(node);
    s.parent_uids = std::move(parent_uids);
    s.child_uids = std::move(child_uids);
}

void GraphBuilder::set_subject(Node* node, const std::string& text, SubjectSharing sharing,
                               const std::string& shared_with) {
    Stored& s = stored(node);
    s.subject = text;
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
    // goes to the end of the other end's list.
    auto resolve = [&](const std::string& uid) -> Node* {
        Node* n = project._get_pointer_to_node_with_uid(uid);
        return n && objects.count(n) ? n : nullptr;
    };
    std::unordered_map<Node*, std::pair<NodeList, NodeList>> links;
    bool dropped = false;
    for (Node* n : order) {
        auto& [ps, cs] = links[n];
        for (const std::string& uid : stored(n).parent_uids) {
            Node* p = resolve(uid);
            if (!p || p == n || n == &project) {
                dropped = dropped || (p == n || n == &project);
                continue;
            }
            if (!contains(ps, p)) ps.push_back(p);
        }
        for (const std::string& uid : stored(n).child_uids) {
            Node* c = resolve(uid);
            if (!c || c == n || c == &project) {
                dropped = dropped || (c == n || c == &project);
                continue;
            }
            if (!contains(cs, c)) cs.push_back(c);
        }
    }
    for (Node* n : order) {
        for (Node* p : NodeList(links[n].first))
            if (!contains(links[p].second, n)) links[p].second.push_back(n);
        for (Node* c : NodeList(links[n].second))
            if (!contains(links[c].first, n)) links[c].first.push_back(n);
    }
    for (Node* n : order) {
        n->parents = std::move(links[n].first);
        n->children = std::move(links[n].second);
    }
    if (dropped) note("Links of an object to itself or into the project were left out.");
}

void GraphBuilder::drop_cycles() {
    enum class Mark { New, Open, Done };
    std::unordered_map<Node*, Mark> marks;
    bool dropped = false;
    for (Node* root : order) {
        if (marks[root] != Mark::New) continue;
        std::vector<std::pair<Node*, size_t>> stack{{root, 0}};
        marks[root] = Mark::Open;
        while (!stack.empty()) {
            auto& [node, next] = stack.back();
            if (next >= node->children.size()) {
                marks[node] = Mark::Done;
                stack.pop_back();
                continue;
            }
            Node* child = node->children[next];
            Mark& mark = marks[child];
            if (mark == Mark::Open) {
                // This link would close a cycle.
                node->children.erase(node->children.begin() + static_cast<std::ptrdiff_t>(next));
                std::erase(child->parents, node);
                dropped = true;
            } else {
                ++next;
                if (mark == Mark::New) {
                    mark = Mark::Open;
                    stack.push_back({child, 0});
                }
            }
        }
    }
    if (dropped) note("Links that would close a cycle were left out.");
}

void GraphBuilder::share_subjects(const std::vector<Node*>& parents_first) {
    for (Node* n : parents_first) {
        const Stored& s = stored(n);
        if (!s.has_subject || s.sharing == SubjectSharing::WithObject) continue;
        Node* source = n->get_subject_source();
        bool share = false;
        if (source && s.sharing == SubjectSharing::WithSource) share = true;
        if (source && s.sharing == SubjectSharing::SameTextAsSource) share = source->get_subject() == s.subject;
        if (share) {
            source->get_subject();
            n->subject = source->subject;
        } else {
            n->subject = std::make_shared<std::string>(s.subject);
        }
    }
    // Sharing with an object that is not the source, once every source has its text.
    for (Node* n : parents_first) {
        const Stored& s = stored(n);
        if (!s.has_subject || s.sharing != SubjectSharing::WithObject) continue;
        Node* other = project._get_pointer_to_node_with_uid(s.shared_with);
        if (other && other != n && objects.count(other) && stored(other).sharing != SubjectSharing::WithObject) {
            other->get_subject();
            n->subject = other->subject;
        } else {
            n->subject = std::make_shared<std::string>(s.subject);
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
        NodeList candidates = MyFF::filter_usy_nodes(n->get_parents());
        for (Node* m : MyFF::filter_man_nodes(n->get_parents()))
            for (Node* story : MyFF::filter_usy_nodes(m->get_parents())) candidates.push_back(story);
        for (Node* a : MyFF::filter_arg_nodes(n->get_parents()))
            for (Node* above : MyFF::filter_req_nodes(a->get_parents())) candidates.push_back(above);
        for (Node* c : candidates) {
            const auto& theirs = static_cast<VerbCapBase*>(c)->get_verb_cap();
            if (*theirs == *vc_node->get_verb_cap()) {
                vc_node->set_verb_cap(theirs);
                break;
            }
        }
    }
}

void GraphBuilder::drop_unreachable() {
    const std::vector<Node*> below_project = children_first({&project});
    const std::unordered_set<Node*> reachable(below_project.begin(), below_project.end());
    std::vector<std::pair<std::string, Node*>> doomed;
    for (Node* n : order)
        if (!reachable.count(n)) doomed.emplace_back(n->get_uid(), n);
    if (doomed.empty()) return;
    note("Objects that hang below nothing of the project were left out.");
    GraphTeardown quietly;
    // A deletion may take other doomed objects with it: delete only what is still there.
    for (const auto& [uid, n] : doomed)
        if (project._get_pointer_to_node_with_uid(uid) == n) delete n;
    std::erase_if(order, [&](Node* n) { return !reachable.count(n); });
    std::erase_if(objects, [&](const auto& entry) { return !reachable.count(entry.first); });
}

std::string GraphBuilder::finish() {
    finished = true;
    link_in_stored_order();
    drop_cycles();
    drop_unreachable();
    std::vector<Node*> parents_first = children_first(order);
    std::reverse(parents_first.begin(), parents_first.end());
    share_subjects(parents_first);
    share_verb_capabilities(parents_first);
    ReadinessLevel::_reqd_lvl = has_mandate ? mandate_level : 1;
    batch.reset();
    project.recompute_all();
    return problems;
}
