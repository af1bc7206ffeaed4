#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Project;

// What steers the derived values of every object at once: the required level
// (validity everywhere) and the project's top-level goals, by which every
// design problem without goals of its own elects its option. Two readings
// differ when a change reaches beyond what the changed objects lead up to.
class ElectionSteering {
public:
    explicit ElectionSteering(const Project& project);
    bool operator==(const ElectionSteering&) const = default;

private:
    // What an election reads of one goal, in the order the goals are summed.
    struct Goal {
        std::string uid;
        uint32_t type;
        uint16_t target;
        uint16_t weight;
        bool operator==(const Goal&) const = default;
    };
    uint16_t required_level;
    std::vector<Goal> goals;
};
