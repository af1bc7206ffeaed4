#include "core/model/user_story.h"

#include "core/constants/gcc.h"
#include "core/model/mandate.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/queries/node_filters.h"
#include "core/text/sentences.h"
#include "core/text/text_utils.h"

UserStory::UserStory(Node* parent, const std::string& verb, const std::string& capability, const std::string& subject,
                     const std::string& desc, bool auto_add_reqs)
    : VerbCapBase(parent), description(desc) {
    std::vector<UserStory*> stories;
    if (GCC::RP) stories = GCC::RP->get_child_user_stories();
    if (!subject.empty()) set_subject(subject, false);
    new_verb_cap(verb, capability);
    set_uid("");
    if (stories.size() > 1) {
        UserStory* first = stories.front();
        first->get_subject();
        this->subject = first->subject;
        if (Mandate* mandate = first->get_child_mandate()) {
            mandate->add_parent(this, true);
            if (auto_add_reqs) mandate->auto_add_reqs();
        }
    }
}

UserStory::~UserStory() {
    // A story takes its requirements with it, also those that hang below the mandate too.
    for (Requirement* r : get_child_requirements()) dispose(r);
}

std::string UserStory::get_nd_name() const { return GCC::usy_nd_name; }

std::vector<Requirement*> UserStory::get_child_requirements() const { return MyFF::filter_requirements(children); }

Mandate* UserStory::get_child_mandate() const { return MyFF::filter_mandate(children); }

bool UserStory::has_derived_requirement() const {
    for (const Requirement* r : get_child_requirements())
        if (r->get_verb_cap() == get_verb_cap()) return true;
    return false;
}

Mandate* UserStory::add_mandate(const std::string& remark, int32_t required_level, bool auto_add_reqs) {
    Mandate* mandate = get_child_mandate();
    std::vector<UserStory*> stories;
    if (GCC::RP) stories = GCC::RP->get_child_user_stories();
    if (!mandate)
        for (UserStory* s : stories)
            if ((mandate = s->get_child_mandate())) break;
    if (!mandate) {
        mandate = new Mandate(this, remark, required_level, auto_add_reqs);
        for (UserStory* s : stories)
            for (Requirement* r : s->get_child_requirements())
                if (!r->get_parent_mandate()) r->add_parent(mandate, true);
    } else {
        mandate->add_parent(this, true);
        if (!remark.empty()) mandate->set_remark(remark);
        if (required_level >= 0) ReadinessLevel::set_reqd_level(required_level);
        if (auto_add_reqs) mandate->auto_add_reqs();
    }
    const NodeList mandate_children = mandate->get_children();
    for (UserStory* s : stories) mandate->add_parent(s, true);
    // Requirements that became top-level may carry goals every problem falls back on.
    if (GCC::RP) GCC::RP->recompute_all();
    NodeList changed = mandate_children;
    changed.insert(changed.end(), stories.begin(), stories.end());
    changed.push_back(this);
    changed.push_back(mandate);
    make_uids_state(changed);
    return mandate;
}

std::string UserStory::get_txt() const {
    const VerbCapability& vc = *get_verb_cap();
    std::string text = MyStrF::_addArticle(get_subject(), true) + " is needed that " +
                       MyStrF::_to_third_person_singular(vc.get_verb()) + " " + vc.get_capability() + ".";
    if (!description.empty()) text += "\n" + description;
    return text;
}

std::string UserStory::get_str(bool lower) const {
    std::string text = VerbCapBase::get_str(false) + " " + get_short_txt(0) + " " + description;
    return lower ? MyStrF::_toLowerCase(text) : text;
}
