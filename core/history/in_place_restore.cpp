#include "core/history/in_place_restore.h"

#include <algorithm>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "core/history/memento_objects.h"
#include "core/history/mementos.h"
#include "core/history/pairs_by_group.h"
#include "core/history/state_difference.h"
#include "core/model/election_steering.h"
#include "core/model/graph_builder.h"
#include "core/model/model_batch.h"
#include "core/model/project.h"
#include "core/model/verb_cap_base.h"

namespace {

bool lists(const std::vector<std::string>& uids, const std::string& uid) {
    return std::find(uids.begin(), uids.end(), uid) != uids.end();
}

bool holds_own_subject(const MC_NDE& m) { return !m.subject_shared_with_source && m.subject_shared_with.empty(); }

bool is_object_kind(const std::string& acronym) {
    static const std::unordered_set<std::string> kinds{"USY", "MAN", "REQ", "DPR", "OPT", "ARG", "EVD"};
    return kinds.count(acronym) != 0;
}

}  // namespace

// A friend of Node: it sets links and shared texts directly, as a rebuild does.
class InPlaceRestore {
public:
    InPlaceRestore(Project& p, const StateDifference& d, PairsByGroup& g) : project(p), difference(d), pairs(g) {}

    bool run() {
        if (!can_apply()) return false;
        const ElectionSteering steering_before(project);
        {
            ModelBatch batch;
            GraphBuilder::AdoptionScope adoption;
            remember_subjects();
            remove_objects();
            add_objects();
            for (const Restored& r : restored) {
                if (r.node == &project)
                    restore_project_fields(project, static_cast<const MC_PRJ&>(*r.after));
                else
                    restore_own_fields(r.node, *r.after);
            }
            relink();
            if (!share_subjects()) return false;
            share_verb_capabilities();
            if (mandate_removed && !mandate_restored) ReadinessLevel::_reqd_lvl = 1;
        }
        alive.clear();
        recompute_after(steering_before);
        return true;
    }

private:
    struct Restored {
        Node* node;
        const MC_NDE* before;  // null for an added object
        const MC_NDE* after;
    };

    Node* find(const std::string& uid) const { return project._get_pointer_to_node_with_uid(uid); }
    bool is_restored(const Node* n) const { return target_of.count(n->get_uid()) != 0; }

    // ---- Checks, before anything changes ----

    bool can_apply() {
        if (difference.quantity_types_changed) return false;
        for (const auto& c : difference.changed) {
            Node* n = find(c.after->uid);
            if (!n || c.before->acronym != c.after->acronym) return false;
            // The objects in memory must be what the shown state says they are.
            if (c.after->acronym == "PRJ" ? n != &project : !still_describes(*c.before, n)) return false;
            target_of.emplace(c.after->uid, c.after);
        }
        for (const auto& a : difference.added) {
            if (find(a.memento->uid) || !is_object_kind(a.memento->acronym)) return false;
            target_of.emplace(a.memento->uid, a.memento);
        }
        for (const MC_NDE* m : difference.removed) {
            Node* n = find(m->uid);
            if (!n || n == &project || target_of.count(m->uid) || !still_describes(*m, n)) return false;
            removed_uids.insert(m->uid);
        }
        for (const auto& [uid, m] : target_of) {
            // Pairs restored by group: group 0 (sharing by equal texts) is left to a rebuild.
            if (is_phrased(*m) && static_cast<const MC_VCB*>(m)->vc_group == 0) return false;
            if (!links_agree(*m)) return false;
        }
        return true;
    }

    // Every link of a restored object is listed on both ends in the target
    // state, and every link an unchanged object keeps to it is one of them:
    // then setting the lists of the restored objects gives the rebuilt links.
    bool links_agree(const MC_NDE& m) const {
        auto other_end_lists = [&](const std::string& other, bool other_is_parent) {
            if (other == m.uid) return false;
            if (const auto t = target_of.find(other); t != target_of.end())
                return lists(other_is_parent ? t->second->child_uids : t->second->parent_uids, m.uid);
            if (removed_uids.count(other)) return false;
            const Node* o = find(other);
            const Node* self = find(m.uid);
            if (!o || !self) return false;
            return other_is_parent ? o->has_child(self) : o->has_parent(self);
        };
        for (const std::string& p : m.parent_uids)
            if (!other_end_lists(p, true)) return false;
        for (const std::string& c : m.child_uids)
            if (c == project.get_uid() || !other_end_lists(c, false)) return false;
        const Node* self = find(m.uid);
        if (!self) return true;
        auto kept_by_unchanged = [&](const NodeList& now, const std::vector<std::string>& then) {
            for (const Node* o : now)
                if (!is_restored(o) && !removed_uids.count(o->get_uid()) && !lists(then, o->get_uid())) return false;
            return true;
        };
        return kept_by_unchanged(self->get_parents(), m.parent_uids) &&
               kept_by_unchanged(self->get_children(), m.child_uids);
    }

    // ---- Derived values ----

    // Only what the changed objects lead up to is recomputed (see
    // recompute_reach), unless the restore changed what steers every election
    // (the required level, the project's goals) or touched the objects that
    // decide those: the mandate, and the project's user stories, which say
    // which requirements are top-level. The project's own memento is renewed
    // with every state and is in every difference; of it only its links are
    // read by a derived value.
    void recompute_after(const ElectionSteering& steering_before) {
        if (steers_everything() || ElectionSteering(project) != steering_before) {
            project.recompute_all();
            return;
        }
        NodeList changed = unlinked_neighbours;
        changed.insert(changed.end(), unchanged_retexted.begin(), unchanged_retexted.end());
        for (const Restored& r : restored) changed.push_back(r.node);
        // Holders that share a text or a pair with a restored object read its
        // new text or verb (option totals average evidence per subject; a
        // functional requirement is met only by a child with a verb).
        for (Node* n : retexted)
            if (n->subject_ptr().use_count() > 1) append(changed, n->subject_holders());
        for (Node* n : reverbed) append(changed, static_cast<VerbCapBase*>(n)->get_impacted_by_vc_change());
        project.recompute_reach(changed);
    }

    bool steers_everything() const {
        if (mandate_removed || mandate_restored) return true;
        for (const Restored& r : restored)
            if (r.node == &project && r.before->child_uids != r.after->child_uids) return true;
        return false;
    }

    static void append(NodeList& to, const NodeList& more) { to.insert(to.end(), more.begin(), more.end()); }

    // ---- Changes ----

    void remember_subjects() {
        for (const auto& c : difference.changed) remember_subject(find(c.after->uid), *c.before);
        for (const MC_NDE* m : difference.removed) remember_subject(find(m->uid), *m);
    }

    void remember_subject(Node* n, const MC_NDE& before) {
        const std::shared_ptr<std::string>& text = n->subject_ptr();
        alive.emplace(text.get(), text);
        old_subject.emplace(n, text.get());
        if (holds_own_subject(before)) held_before.emplace_back(n, text.get());
    }

    void remove_objects() {
        std::vector<Node*> going;
        for (const MC_NDE* m : difference.removed) {
            Node* n = find(m->uid);
            mandate_removed = mandate_removed || n->is_man();
            for (const NodeList* links : {&n->get_parents(), &n->get_children()})
                for (Node* neighbour : *links)
                    if (!removed_uids.count(neighbour->get_uid())) unlinked_neighbours.push_back(neighbour);
            if (n->is_usy() || n->is_req() || n->is_evd()) pairs.note(static_cast<VerbCapBase*>(n)->get_verb_cap());
            old_subject.erase(n);
            going.push_back(n);
        }
        if (!going.empty()) Node::delete_wholesale(going);
    }

    void add_objects() {
        for (const auto& c : difference.changed) restored.push_back({find(c.after->uid), c.before, c.after});
        for (const auto& a : difference.added) {
            Node* n = make_object(*a.memento);
            n->set_uid(a.memento->uid);
            restored.push_back({n, nullptr, a.memento});
        }
        // The registry walks objects in the state's order (and so does every
        // walk over the project, its file included).
        for (auto a = difference.added.rbegin(); a != difference.added.rend(); ++a)
            if (a->next) project.move_uid_before(a->memento->uid, a->next->uid);
        for (const Restored& r : restored) mandate_restored = mandate_restored || r.node->is_man();
    }

    void relink() {
        for (const Restored& r : restored) {
            NodeList parents;
            for (const std::string& uid : r.after->parent_uids) parents.push_back(find(uid));
            NodeList children;
            for (const std::string& uid : r.after->child_uids) children.push_back(find(uid));
            r.node->parents = std::move(parents);
            r.node->children = std::move(children);
        }
    }

    Node* subject_holder(const Restored& r) const {
        Node* holder = nullptr;
        if (r.after->subject_shared_with_source)
            holder = r.node->get_subject_source();
        else if (!r.after->subject_shared_with.empty())
            holder = find(r.after->subject_shared_with);
        return holder == r.node ? nullptr : holder;
    }

    // Each restored object takes the text of the object it shares it with, or
    // holds a text of its own: the text it held before when it held its own
    // then too, so that unchanged objects sharing it need not move. Unchanged
    // objects that take a moved text from their source follow it.
    bool share_subjects() {
        std::vector<std::pair<Node*, Node*>> followers;
        std::unordered_set<const std::string*> claimed;
        for (const Restored& r : restored) {
            if (Node* holder = subject_holder(r)) {
                followers.emplace_back(r.node, holder);
                continue;
            }
            const auto old = old_subject.find(r.node);
            std::string* kept = old == old_subject.end() ? nullptr : old->second;
            if (kept && holds_own_subject(*r.before) && claimed.insert(kept).second) {
                if (*kept != r.after->subject) {
                    *kept = r.after->subject;
                    retexted.push_back(r.node);
                }
                r.node->subject = alive.at(kept);
            } else {
                r.node->subject = std::make_shared<std::string>(r.after->subject);
            }
        }
        // Chains through restored and unchanged objects settle within as many
        // rounds as there are restored objects; a chain that closes on itself
        // does not, and is left to a rebuild.
        std::unordered_map<Node*, std::string*> followed(old_subject.begin(), old_subject.end());
        for (size_t round = 0;; ++round) {
            if (round > restored.size() + 1) return false;
            bool moved = false;
            for (const auto& [node, holder] : followers) {
                const std::shared_ptr<std::string>& text = holder->subject_ptr();
                if (node->subject != text) {
                    node->subject = text;
                    moved = true;
                }
            }
            for (auto& [node, text] : followed) {
                if (node->subject.get() == text) continue;
                move_unchanged_sharers(node, text);
                text = node->subject.get();
                moved = true;
            }
            if (!moved) break;
        }
        // A text whose holder let it go must have no holder left that this
        // did not reach (an object sharing it by name, not through its source).
        for (const auto& [holder, text] : held_before) {
            const auto now = old_subject.find(holder);
            if (now != old_subject.end() && holder->subject.get() == text) continue;
            if (alive.at(text).use_count() > 1) return false;
        }
        return true;
    }

    // The unchanged objects below `from` that took `text` from their source
    // move to its new text.
    void move_unchanged_sharers(Node* from, const std::string* text) {
        std::vector<Node*> moving{from};
        for (size_t i = 0; i < moving.size(); ++i)
            for (Node* c : moving[i]->children)
                if (c->subject.get() == text && !is_restored(c) && c->get_subject_source() == moving[i]) {
                    c->subject = from->subject;
                    moving.push_back(c);
                    unchanged_retexted.push_back(c);
                }
    }

    // Objects of one group share one pair: the pair a restored object kept,
    // else the one an object in memory holds, else a new one.
    void share_verb_capabilities() {
        std::unordered_map<uint64_t, std::shared_ptr<VerbCapability>> groups;
        for (const Restored& r : restored) {
            if (!is_phrased(*r.after)) continue;
            const auto& held = static_cast<VerbCapBase*>(r.node)->get_verb_cap();
            if (r.before && held->get_group() == static_cast<const MC_VCB&>(*r.after).vc_group)
                groups.try_emplace(held->get_group(), held);
        }
        for (const Restored& r : restored) {
            if (!is_phrased(*r.after)) continue;
            const auto& m = static_cast<const MC_VCB&>(*r.after);
            std::shared_ptr<VerbCapability>& pair = groups[m.vc_group];
            if (!pair) pair = pairs.find(m.vc_group);
            if (!pair) {
                pair = std::make_shared<VerbCapability>(m.verb, m.capability);
                pair->set_group(m.vc_group);
            }
            if (pair->get_verb() != m.verb) {
                pair->set_verb(m.verb);
                reverbed.push_back(r.node);
            }
            if (pair->get_capability() != m.capability) pair->set_capability(m.capability);
            static_cast<VerbCapBase*>(r.node)->set_verb_cap(pair);
            pairs.note(pair);
        }
    }

    Project& project;
    const StateDifference& difference;
    PairsByGroup& pairs;
    std::unordered_map<std::string_view, const MC_NDE*> target_of;
    std::unordered_set<std::string_view> removed_uids;
    std::vector<Restored> restored;
    // The subject texts held before, kept alive while this runs.
    std::unordered_map<std::string*, std::shared_ptr<std::string>> alive;
    std::unordered_map<Node*, std::string*> old_subject;
    // Objects (restored or removed) that held a text of their own, with it.
    std::vector<std::pair<Node*, std::string*>> held_before;
    bool mandate_removed = false;
    bool mandate_restored = false;
    // Objects whose derived values may change though their mementos did not:
    // those that lost a link to a removed object, and unchanged objects that
    // took a text from their source anew. When every snapshot lists both ends
    // of a link and every sharer of a text or pair, these are restored objects
    // already; the restore itself does not rely on that (a sharer follows its
    // source's text), so neither does the recomputation.
    NodeList unlinked_neighbours;
    NodeList unchanged_retexted;
    // Restored objects whose shared text, or shared pair's verb, changed for
    // every holder.
    NodeList retexted;
    NodeList reverbed;
};

bool restore_in_place(Project& project, const MementoState& shown, const MementoState& target, PairsByGroup& pairs) {
    pairs.start(project);
    const StateDifference difference = difference_between(shown, target);
    return InPlaceRestore(project, difference, pairs).run();
}
