#pragma once

#include <vector>

#include "core/model/verb_cap_param_base.h"

class Argument;
class Requirement;

// A proven statement below an argument, with the readiness level 0..9 that
// the user sets: the only source of readiness in the graph.
class Evidence : public VerbCapParamBase {
public:
    Evidence(Node* parent, const std::string& tooltip);
    Evidence(Node* parent, int32_t level, const std::string& tooltip);
    Evidence(Node* parent, int32_t level, Requirement* source, const std::string& tooltip);
    Evidence(Node* parent, int32_t level, const std::string& verb, const std::string& capability,
             const std::string& type_name, double value, const std::string& unit_symbol, uint16_t target,
             const std::string& tooltip);
    Evidence(Node* parent, int32_t level, const std::string& verb, const std::string& capability, uint32_t type,
             double value, uint16_t unit, uint16_t target, const std::string& tooltip);
    ~Evidence() override;

    std::string get_nd_type() const override { return "EVD"; }
    std::string get_nd_name() const override;
    bool is_evd() const override { return true; }
    std::string get_txt() const override;
    std::string get_str(bool lower) const override;

    std::vector<Argument*> get_parent_arguments() const;

private:
    void finish_construction(int32_t level, const std::string& tooltip);
};
