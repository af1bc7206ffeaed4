#include <unordered_set>
#include <vector>

#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/eager_update.h"
#include "core/model/evidence.h"
#include "core/model/mandate.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "core/platform/platform.h"
#include "core/queries/node_filters.h"
#include "core/queries/node_lists.h"
#include "core/text/clipboard.h"
#include "core/text/sentences.h"

namespace {

void append(NodeList& to, const NodeList& more) { to.insert(to.end(), more.begin(), more.end()); }

bool is_sub_option(const Node* n) { return n->is_opt() && static_cast<const Option*>(n)->get_parent_option(); }

bool is_in_subtree_of(const Node* candidate, const Node* root) {
    std::vector<const Node*> pending{candidate};
    std::unordered_set<const Node*> seen{candidate};
    while (!pending.empty()) {
        const Node* n = pending.back();
        pending.pop_back();
        if (n == root) return true;
        for (const Node* p : n->get_parents())
            if (seen.insert(p).second) pending.push_back(p);
    }
    return false;
}

// The copies of source's parents of one kind that this paste has made.
NodeList copied_parents(const Node* source, const CopyMap& copies, bool (Node::*kind)() const) {
    NodeList found;
    for (const Node* p : source->get_parents())
        if ((p->*kind)())
            if (auto it = copies.find(p->get_uid()); it != copies.end()) found.push_back(it->second);
    return found;
}

// An argument is copied once both its option and its requirement have copies.
Node* copy_argument(const Node* source, const CopyMap& copies) {
    const NodeList options = copied_parents(source, copies, &Node::is_opt);
    const NodeList requirements = copied_parents(source, copies, &Node::is_req);
    if (options.size() != 1 || requirements.size() != 1) return nullptr;
    return new Argument(static_cast<Option*>(options.front()), requirements.front(),
                        static_cast<const Argument*>(source)->get_validates());
}

using KindTest = bool (Node::*)() const;

// What may be pasted below what, and how the copy is made (nothing when the
// copy needs objects this paste has not copied yet).
struct PasteRule {
    std::vector<KindTest> targets;
    KindTest source;
    Node* (*make)(Node* target, Node* source, const CopyMap& copies, NodeList& changed);
};

const std::vector<PasteRule>& paste_rules() {
    static const std::vector<PasteRule> rules = {
        {{&Node::is_prj}, &Node::is_usy,
         [](Node* target, Node*, const CopyMap&, NodeList&) -> Node* {
             return new UserStory(target, "", "", "", "", false);
         }},
        {{&Node::is_usy}, &Node::is_req,
         [](Node* target, Node*, const CopyMap&, NodeList& changed) -> Node* {
             auto* r = new Requirement(target, "", "");
             if (Mandate* mandate = GCC::RP ? GCC::RP->get_mandate() : nullptr) {
                 r->add_parent(mandate, true);
                 changed.push_back(mandate);
             }
             return r;
         }},
        {{&Node::is_man}, &Node::is_req,
         [](Node* target, Node* source, const CopyMap& copies, NodeList&) -> Node* {
             const UserStory* story = static_cast<Requirement*>(source)->get_parent_userstory();
             auto it = story ? copies.find(story->get_uid()) : copies.end();
             return it == copies.end() ? nullptr : new Requirement(target, static_cast<UserStory*>(it->second));
         }},
        {{&Node::is_req}, &Node::is_dpr,
         [](Node* target, Node*, const CopyMap&, NodeList&) -> Node* { return new DesignProblem(target); }},
        {{&Node::is_dpr, &Node::is_opt}, &Node::is_opt,
         [](Node* target, Node*, const CopyMap&, NodeList&) -> Node* { return new Option(target, "new_subject"); }},
        {{&Node::is_opt, &Node::is_req}, &Node::is_arg,
         [](Node*, Node* source, const CopyMap& copies, NodeList&) -> Node* { return copy_argument(source, copies); }},
        {{&Node::is_opt, &Node::is_arg}, &Node::is_req,
         [](Node* target, Node*, const CopyMap&, NodeList&) -> Node* { return new Requirement(target, "", ""); }},
        {{&Node::is_arg}, &Node::is_evd,
         [](Node* target, Node*, const CopyMap&, NodeList&) -> Node* { return new Evidence(target, ""); }},
    };
    return rules;
}

const PasteRule* rule_for(const Node* target, const Node* source) {
    for (const PasteRule& rule : paste_rules()) {
        if (!(source->*rule.source)()) continue;
        for (KindTest t : rule.targets)
            if ((target->*t)()) return &rule;
    }
    return nullptr;
}

Node* make_copy(Node* target, Node* source, const CopyMap& copies, NodeList& changed) {
    const PasteRule* rule = rule_for(target, source);
    return rule ? rule->make(target, source, copies, changed) : nullptr;
}

// What a copy needs once its children are copied: integration requirements.
void finish_copy(Node* target, Node* source, Node* copy, NodeList& changed) {
    if (source->is_dpr()) {
        const auto siblings = static_cast<DesignProblem*>(source)->get_siblings();
        if (siblings.size() > 1)
            for (DesignProblem* dp : siblings)
                for (Option* o : dp->get_child_options(false)) append(changed, o->add_dpr_integration_req());
    }
    if (target->is_dpr() && source->is_opt()) append(changed, static_cast<Option*>(copy)->add_dpr_integration_req());
    if (target->is_opt() && source->is_opt()) {
        auto* sub = static_cast<Option*>(copy);
        if (Requirement* integration = sub->get_integration_requirement())
            integration->get_verb_cap()->set_capability(MyStrF::_integration_req_cap(target->get_subject()));
        else
            changed.push_back(new Requirement(sub, target->get_subject()));
    }
}

}  // namespace

void Node::copy_uid() const { MyStrF::_copy_text_to_clipboard(uid); }

bool Node::paste_uid() {
    const std::string text = MyStrF::_get_text_from_clipboard();
    if (text.empty() || text == uid || !GCC::RP) return false;
    Node* source = GCC::RP->_get_pointer_to_node_with_uid(text);
    if (!source) return false;
    const bool same_kind =
        source->get_nd_type() == get_nd_type() && !(is_sub_option(source) && is_opt() && !is_sub_option(this));
    if (!same_kind) {
        if (source->is_prj() || source->is_man() || !rule_for(this, source)) return false;
        if (is_in_subtree_of(this, source)) {
            platform::show_error("An object cannot be pasted below itself or below one of its own descendants.");
            return false;
        }
        if (is_opt() && source->is_req() && static_cast<Option*>(this)->get_integration_requirement()) {
            platform::show_error("This option already has an integration requirement; a second one cannot be pasted.");
            return false;
        }
    }
    NodeList changed;
    {
        // The copies take their values after they are linked, and a paste
        // may add integration requirements elsewhere: what reads any of the
        // changed objects follows.
        EagerUpdate eager;
        CopyMap copies;
        changed = same_kind ? copy_node_values(this, source) : create_child_from_obj(this, source, copies);
        for (const Node* n : changed) EagerUpdate::note(n);
    }
    if (changed.empty()) return false;
    make_uids_state(changed);
    return true;
}

NodeList Node::copy_node_values(Node* target, Node* source) {
    NodeList changed;
    if (!target || !source || target->get_nd_type() != source->get_nd_type() || target->is_prj()) return changed;
    for (size_t i = 0; i < source->comments.size(); ++i) target->add_comment(source->authors[i], source->comments[i]);
    target->set_ref_ids(source->ref_ids);
    if (target->is_usy() || target->is_req() || target->is_evd()) {
        auto* t = static_cast<VerbCapBase*>(target);
        const auto& theirs = *static_cast<VerbCapBase*>(source)->get_verb_cap();
        // Every sharer of the target's pair changes with it.
        append(changed, t->get_impacted_by_vc_change());
        t->get_verb_cap()->set_verb(theirs.get_verb());
        t->get_verb_cap()->set_capability(theirs.get_capability());
        for (Node* p : target->parents) {
            if (!p->is_usy() && !p->is_req()) continue;
            const auto& parent_vc = static_cast<VerbCapBase*>(p)->get_verb_cap();
            if (parent_vc->is_same_verb(theirs.get_verb()) && parent_vc->is_same_cap(theirs.get_capability())) {
                t->set_verb_cap(parent_vc);
                break;
            }
        }
    }
    if (target->is_req() || target->is_evd()) {
        Parameter& mine = static_cast<VerbCapParamBase*>(target)->get_par();
        const Parameter& theirs = static_cast<VerbCapParamBase*>(source)->get_par();
        mine.set_type(theirs.get_type_int(), false);
        mine.set_goal_weight(theirs.get_goal_weight(), false);
        mine.set_target_type(theirs.get_target_int(), false);
        mine.set_unit(theirs.get_unit_int());
        mine.set_base_value(theirs.get_base_value());
    }
    if (target->is_usy() || target->is_opt()) {
        // What the new subject reaches is known only before it is set.
        append(changed, target->get_impacted_by_subject_change());
        target->set_subject(source->get_subject(), false);
    }
    if (target->is_usy()) {
        static_cast<UserStory*>(target)->set_description(static_cast<UserStory*>(source)->get_description());
    } else if (target->is_man()) {
        static_cast<Mandate*>(target)->set_remark(static_cast<Mandate*>(source)->get_remark());
    } else if (target->is_arg()) {
        static_cast<Argument*>(target)->set_validates(static_cast<Argument*>(source)->get_validates());
    } else if (target->is_evd()) {
        target->rlevel.set_levels(source->rlevel.get_min_level(false));
    }
    changed.push_back(target);
    return changed;
}

NodeList Node::create_child_from_obj(Node* target, Node* source, CopyMap& copies) {
    // Depth first with an explicit stack: each source is copied below its
    // target, then its children below the copy, then the copy is finished.
    NodeList changed;
    struct Frame {
        Node* target;
        Node* source;
        Node* copy;
        NodeList children;
        size_t next;
    };
    std::vector<Frame> frames;
    auto start = [&](Node* t, Node* s) {
        if (!t || !s || s->is_prj() || s->is_man() || copies.count(s->uid)) return;
        NodeList created_with;
        Node* copy = make_copy(t, s, copies, created_with);
        if (!copy) return;
        append(changed, created_with);
        changed.push_back(t);
        append(changed, copy_node_values(copy, s));
        copies.emplace(s->uid, copy);
        for (Node* p : s->parents)
            if (auto it = copies.find(p->uid); it != copies.end()) copy->add_parent(it->second, true);
        for (Node* c : s->children)
            if (auto it = copies.find(c->uid); it != copies.end()) copy->add_child(it->second, true);
        frames.push_back({t, s, copy, s->children, 0});
    };
    start(target, source);
    while (!frames.empty()) {
        Frame& top = frames.back();
        if (top.next < top.children.size()) {
            Node* child = top.children[top.next++];
            start(top.copy, child);
            continue;
        }
        const Frame done = std::move(top);
        frames.pop_back();
        finish_copy(done.target, done.source, done.copy, changed);
    }
    return changed;
}
