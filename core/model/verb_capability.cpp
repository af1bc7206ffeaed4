#include "core/model/verb_capability.h"

#include "core/text/sentences.h"

VerbCapability::VerbCapability(const std::string& v, const std::string& c) {
    set_verb(v);
    set_capability(c);
}

void VerbCapability::set_verb(const std::string& text) {
    verb_key = MyStrF::_trimLwr(text);
    verb = text;
}

void VerbCapability::set_capability(const std::string& text) {
    cap_key = MyStrF::_trimLwr(text);
    capability = text;
}

bool VerbCapability::is_same_verb(const std::string& text) const { return MyStrF::_trimLwr(text) == verb_key; }

bool VerbCapability::is_same_cap(const std::string& text) const { return MyStrF::_trimLwr(text) == cap_key; }
