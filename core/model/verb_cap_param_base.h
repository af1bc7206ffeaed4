#pragma once

#include "core/model/verb_cap_base.h"
#include "core/quantity/parameter.h"

// A phrased node with one quantity (requirements and evidence).
class VerbCapParamBase : public VerbCapBase {
public:
    explicit VerbCapParamBase(Node* parent);
    ~VerbCapParamBase() override;
    std::string get_str(bool lower) const override;
    using VerbCapBase::get_short_txt;
    // The short text with the quantity, optionally with the subject in front.
    virtual std::string get_short_txt(size_t max_len, bool with_subject) const;

    // Writes source's verb and capability into this object's shared pair and
    // copies its quantity (not the goal weight).
    void populate_from_obj(VerbCapParamBase* source);

    bool is_functional() const;
    bool is_goal() const;
    bool is_range() const;

    Parameter& get_par() { return par; }
    const Parameter& get_par() const { return par; }

protected:
    Parameter par{this};
};
