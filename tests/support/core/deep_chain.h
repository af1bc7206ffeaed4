#pragma once

#include <string>

// Project files holding one chain as deep as asked, for tests and benchmarks
// of deep graphs: a story, the mandate, a top-level requirement with its
// design problem and top option, then per further level either an argument of
// the option about the requirement above, deriving a requirement that opens
// the next problem and option; or a sub-option of the option above, with its
// integration requirement.
namespace testing_support {

enum class DeepChain { DerivedRequirements, SubOptions };

inline std::string deep_chain_file(DeepChain kind, int levels) {
    std::string file = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ROOT>\n";
    int counter = 0;
    auto uid = [&](const char* kind_acronym) {
        std::string digits = std::to_string(++counter);
        return std::string(kind_acronym) + "_2024_03_07_14_05_09_" + std::string(8 - digits.size(), '0') + digits;
    };
    auto element = [&](const char* acronym, const std::string& id, const std::string& parent, const std::string& body) {
        file += "<" + std::string(acronym) + "><uid>" + id + "</uid>";
        if (!parent.empty()) file += "<parent>" + parent + "</parent>";
        file += body + "</" + acronym + ">\n";
    };
    const std::string requirement_values =
        "<verb>open</verb><capability>fast</capability><par_type>time</par_type><par_value>1</par_value>"
        "<par_target_int>2</par_target_int>";
    const std::string project = uid("PRJ");
    const std::string story = uid("USY");
    const std::string mandate = uid("MAN");
    std::string requirement = uid("REQ");
    std::string problem = uid("DPR");
    std::string option = uid("OPT");
    element("PRJ", project, "", "<name>Deep</name>");
    element("USY", story, project, "<verb>open</verb><capability>remotely</capability><subject>gate</subject>");
    element("MAN", mandate, story, "<reqd_readiness_lvl>1</reqd_readiness_lvl>");
    element("REQ", requirement, mandate, "<parent>" + story + "</parent>" + requirement_values);
    element("DPR", problem, requirement, "");
    element("OPT", option, problem, "<subject>o0</subject>");
    for (int level = 1; level < levels; ++level) {
        const std::string subject = "<subject>o" + std::to_string(level) + "</subject>";
        if (kind == DeepChain::SubOptions) {
            const std::string sub = uid("OPT");
            element("OPT", sub, option, subject);
            element("REQ", uid("REQ"), sub, "<verb>be</verb><capability>integrated into an o</capability>");
            option = sub;
            continue;
        }
        const std::string argument = uid("ARG");
        element("ARG", argument, option, "<parent>" + requirement + "</parent><validates>true</validates>");
        requirement = uid("REQ");
        element("REQ", requirement, argument, requirement_values);
        problem = uid("DPR");
        element("DPR", problem, requirement, "");
        option = uid("OPT");
        element("OPT", option, problem, subject);
    }
    return file + "</ROOT>\n";
}

// The number of objects of such a chain, the project included.
inline size_t deep_chain_objects(DeepChain kind, int levels) {
    return 6 + static_cast<size_t>(levels - 1) * (kind == DeepChain::SubOptions ? 2 : 4);
}

}  // namespace testing_support
