#pragma once

#include <string>
#include <vector>

class Requirement;

namespace kinds {

// Requirements offered in a dialog's choice row: each shown by its short text
// with its subject, uncut, and remembered by uid, since a dialog may outlive
// the objects it was built from.
class RequirementChoice {
public:
    explicit RequirementChoice(const std::vector<Requirement*>& requirements);

    const std::vector<std::string>& texts() const { return texts_; }
    // The uid of the entry, "" outside the list.
    std::string uid(int entry) const;
    // The requirement of the entry as it is now; null when it is gone.
    Requirement* requirement(int entry) const;

private:
    std::vector<std::string> texts_;
    std::vector<std::string> uids_;
};

}  // namespace kinds
