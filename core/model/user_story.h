#pragma once

#include <vector>

#include "core/model/verb_cap_base.h"

class Mandate;
class Requirement;

// What is needed: A gate is needed that opens remotely.
class UserStory : public VerbCapBase {
public:
    UserStory(Node* parent, const std::string& verb, const std::string& capability, const std::string& subject,
              const std::string& description, bool auto_add_reqs);
    ~UserStory() override;

    std::string get_nd_type() const override { return "USY"; }
    std::string get_nd_name() const override;
    bool is_usy() const override { return true; }
    std::string get_txt() const override;
    std::string get_str(bool lower) const override;

    // The project's mandate, created below this story when there is none.
    Mandate* add_mandate(const std::string& remark, int32_t required_level, bool auto_add_reqs);
    std::vector<Requirement*> get_child_requirements() const;
    Mandate* get_child_mandate() const;
    bool has_derived_requirement() const;

    const std::string& get_description() const { return description; }
    void set_description(const std::string& text) { description = text; }

private:
    std::string description;
};
