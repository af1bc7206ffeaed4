#pragma once

#include <memory>
#include <string>
#include <unordered_set>

#include "core/model/node.h"
#include "core/model/verb_capability.h"

// A node phrased as subject, verb and capability, the latter two shared.
class VerbCapBase : public Node {
public:
    explicit VerbCapBase(Node* parent);
    ~VerbCapBase() override;
    std::string get_str(bool lower) const override;
    std::string get_short_txt(size_t max_len) const override;

    // Gives this object a new, unshared verb and capability.
    void new_verb_cap(const std::string& verb, const std::string& capability);
    const std::shared_ptr<VerbCapability>& get_verb_cap() const { return verb_cap; }
    void set_verb_cap(std::shared_ptr<VerbCapability> vc);

    // Edits of the shared texts: every sharer changes, and readiness follows
    // (a functional requirement is met only while both verbs are non-empty).
    void change_verb(const std::string& verb);
    void change_capability(const std::string& capability);

    // This object, then depth first every object reachable through requirement,
    // user story and argument links that shares the same verb and capability,
    // then any other holder of the pair.
    NodeList get_impacted_by_vc_change(std::unordered_set<std::string>* visited = nullptr);

private:
    friend class VerbCapability;
    // Set only through set_verb_cap, which keeps the pair's holders.
    std::shared_ptr<VerbCapability> verb_cap;
    // This object's place among the holders of verb_cap.
    size_t holder_slot = 0;
    NodeList sharers_through_links(std::unordered_set<std::string>& visited);
};
