#pragma once

#include <cstddef>
#include <string>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "core/quantity/parameter.h"

namespace ai_test {

// What one undo has to take back: the objects, the references and the
// quantity types, and where the history stands.
struct Footprint {
    size_t objects = 0;
    size_t references = 0;
    size_t types = 0;
    size_t states = 0;
    size_t current = 0;

    static Footprint of(const Project& project) {
        return {project.get_nd_map().size(), project.get_references().size(),
                Parameter::get_poss_parameters().size(), project.get_state_count(), project.get_current_state()};
    }
    bool same_content(const Footprint& other) const {
        return objects == other.objects && references == other.references && types == other.types;
    }
};

// Undo and redo rebuild every object: pointers taken before are stale.
template <class T>
T* live(const std::string& uid) {
    return static_cast<T*>(GCC::RP->_get_pointer_to_node_with_uid(uid));
}

// One record of the requirement answer schema; fields in the schema's order.
inline std::string requirement_record(const std::string& verb, const std::string& capability,
                                      const std::string& value, const std::string& unit, const std::string& target,
                                      const std::string& ref_name = "", const std::string& ref_descr = "",
                                      const std::string& ref_link = "") {
    return "<requirement><verb>" + verb + "</verb><capability>" + capability + "</capability><value>" + value +
           "</value><unit>" + unit + "</unit><target_type>" + target + "</target_type><reference_name>" + ref_name +
           "</reference_name><reference_descr>" + ref_descr + "</reference_descr><reference_link>" + ref_link +
           "</reference_link></requirement>\n";
}

inline std::string evidence_record(const std::string& verb, const std::string& capability, const std::string& value,
                                   const std::string& unit, const std::string& target, const std::string& description,
                                   const std::string& ref_name = "", const std::string& ref_descr = "",
                                   const std::string& ref_link = "") {
    return "<evidence><verb>" + verb + "</verb><capability>" + capability + "</capability><value>" + value +
           "</value><unit>" + unit + "</unit><target_type>" + target + "</target_type><reference_name>" + ref_name +
           "</reference_name><reference_descr>" + ref_descr + "</reference_descr><reference_link>" + ref_link +
           "</reference_link><description>" + description + "</description></evidence>\n";
}

inline std::string unit_record(const std::string& type, const std::string& symbol) {
    return "<possible_unit><unit_type>" + type + "</unit_type><unit_symbol>" + symbol +
           "</unit_symbol></possible_unit>\n";
}

}  // namespace ai_test
