#pragma once

#include <string>

class Project;

namespace testing_support {

// What a state must give back: the saved text, and the canonical dump, which
// adds what a file cannot hold (levels, totals, elections, shared texts and
// pairs, the required level and the quantity-type table).
struct Recorded {
    std::string saved;
    std::string dump;
};

Recorded record(Project& project);

// "" when the two records are equal, else the first difference (dump first).
std::string difference(const Recorded& expected, const Recorded& actual);

}  // namespace testing_support
