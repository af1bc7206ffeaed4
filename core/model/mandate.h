#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/model/node.h"

class Requirement;
class UserStory;
class VerbCapability;

// The project owner's approval: sits below every user story, collects the
// top-level requirements and sets the required readiness level.
class Mandate : public Node {
public:
    Mandate(Node* parent, const std::string& remark, int32_t required_level, bool auto_add_reqs);
    ~Mandate() override;

    std::string get_nd_type() const override { return "MAN"; }
    std::string get_nd_name() const override;
    bool is_man() const override { return true; }
    std::string get_txt() const override;
    std::string get_str(bool lower) const override;
    std::string get_short_txt(size_t max_len) const override;

    // Every user story of the project, linking the ones that were missing.
    std::vector<UserStory*> get_parent_user_stories();
    Requirement* add_f_requirement(UserStory* story, bool record_undo);
    Requirement* add_q_requirement(UserStory* story, uint32_t type, double value, uint16_t unit, uint16_t target,
                                   uint16_t goal_weight);
    Requirement* add_q_requirement(const std::string& verb, const std::string& capability, uint32_t type,
                                   double value, uint16_t unit, uint16_t target, uint16_t goal_weight);
    // One functional requirement for every story that has none derived.
    void auto_add_reqs();
    std::vector<Requirement*> get_child_requirements() const;
    // Evidence below min_level (any when negative) not invalidated, then leaves.
    NodeList get_nodes_that_lack_evd(int32_t min_level) const;

    const std::string& get_remark() const { return remark; }
    void set_remark(const std::string& text) { remark = text; }

private:
    std::string remark;
};
