#include "core/model/verb_capability.h"

#include "core/model/capability_texts.h"
#include "core/model/deletion_record.h"
#include "core/model/verb_cap_base.h"
#include "core/text/sentences.h"

VerbCapability::VerbCapability(const std::string& v, const std::string& c)
    : verb(v), capability(c), verb_key(MyStrF::_trimLwr(v)), cap_key(MyStrF::_trimLwr(c)),
      capability_entry(CapabilityTexts::instance().add(this, c)) {}

VerbCapability::~VerbCapability() { CapabilityTexts::instance().remove(capability_entry); }

void VerbCapability::set_verb(const std::string& text) {
    for (const VerbCapBase* holder : holders) DeletionRecord::note(holder);
    verb_key = MyStrF::_trimLwr(text);
    verb = text;
}

void VerbCapability::set_capability(const std::string& text) {
    for (const VerbCapBase* holder : holders) DeletionRecord::note(holder);
    cap_key = MyStrF::_trimLwr(text);
    capability = text;
    capability_entry = CapabilityTexts::instance().replace(capability_entry, text);
}

bool VerbCapability::is_same_verb(const std::string& text) const { return MyStrF::_trimLwr(text) == verb_key; }

bool VerbCapability::is_same_cap(const std::string& text) const { return MyStrF::_trimLwr(text) == cap_key; }

void VerbCapability::add_holder(VerbCapBase* holder) {
    holder->holder_slot = holders.size();
    holders.push_back(holder);
}

void VerbCapability::remove_holder(const VerbCapBase* holder) {
    // The last holder takes the leaver's place: a pair shared by thousands
    // of requirements loses them one by one when a project closes.
    VerbCapBase* last = holders.back();
    holders[holder->holder_slot] = last;
    last->holder_slot = holder->holder_slot;
    holders.pop_back();
}
