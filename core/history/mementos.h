#pragma once

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/model/file_node.h"
#include "core/settings/project_settings.h"

class Node;
class PossPar;

// Frozen copies of the objects of a project and of the custom parts of the
// quantity-type table. A memento never changes once made; states share them.
struct MC {
    MC(bool poss_par, bool node) : is_poss_par(poss_par), is_node(node) {}
    std::string acronym;
    bool is_poss_par;
    bool is_node;
};

// Any object: identity, tooltip, links in their order, comments, references,
// and its subject (its own text, or shared with the parent it resolves from).
struct MC_NDE : MC {
    explicit MC_NDE(const Node* node);
    // std::hash of the uid, kept beside the flags: a snapshot looks for the
    // mementos of a few uids among all mementos of a state and compares
    // hashes before it reads any uid.
    size_t uid_hash;
    std::string uid;
    std::string tooltip;
    std::vector<std::string> parent_uids;
    std::vector<std::string> child_uids;
    std::vector<std::string> authors;
    std::vector<std::string> comments;
    std::vector<uint64_t> ref_ids;
    std::string subject;
    // The object the subject is shared with: the parent it resolves from,
    // else (a text kept after that parent went) the first object in registry
    // order that holds the text without taking it from its own source; none
    // when this object is that first one.
    bool subject_shared_with_source = false;
    std::string subject_shared_with;
};

// Whether the object takes its subject text from the parent it resolves it from.
bool shares_subject_with_source(const Node* node);

// Whether a memento made of the object now would equal this one, apart from
// the object its subject is shared with (which the caller compares). Never
// for the project, whose memento is cheap to renew and holds its settings.
bool still_describes(const MC_NDE& memento, const Node* node);

// Phrased objects: the verb-capability pair and the group it is shared in.
struct MC_VCB : MC_NDE {
    explicit MC_VCB(const Node* node);
    std::string verb;
    std::string capability;
    uint64_t vc_group = 0;
};

struct MC_USY : MC_VCB {
    explicit MC_USY(const Node* node);
    std::string description;
};

struct MC_MAN : MC_NDE {
    explicit MC_MAN(const Node* node);
    std::string remark;
    int32_t reqd_level = 1;
};

// Requirements and evidence: the quantity, kept in its unit and in base units
// so that restoring never rounds.
struct MC_REQ : MC_VCB {
    explicit MC_REQ(const Node* node);
    uint16_t goal_weight = 100;
    int32_t type = 0;
    uint16_t unit = 0;
    double value = 0.0;
    double base_value = 0.0;
    uint16_t target = 0;
};

struct MC_EVD : MC_REQ {
    explicit MC_EVD(const Node* node);
    uint16_t achieved_level = 0;
};

struct MC_ARG : MC_NDE {
    explicit MC_ARG(const Node* node);
    bool validates = true;
};

struct MC_OPT : MC_NDE {
    explicit MC_OPT(const Node* node);
};

// The project: its texts, the V-diagram and selection sets, its settings and
// references. Its folder and file name are not part of the history.
struct MC_PRJ : MC_NDE {
    explicit MC_PRJ(const Node* node);
    std::string name;
    std::string description;
    std::unordered_set<std::string> shown_uids;
    std::unordered_set<std::string> sel_uids;
    ProjectSettings settings;
    ReferenceTable references;
};

// Active flags of every unit of every standard quantity type.
struct MC_PPA : MC {
    explicit MC_PPA(std::vector<std::vector<bool>> flags);
    std::vector<std::vector<bool>> active_flags;
};

// The custom units of one quantity type.
struct MC_CPU : MC {
    MC_CPU(const PossPar& type, uint64_t index);
    uint64_t type_index;
    std::vector<std::string> unit_symbols;
    std::vector<double> factors;
    std::vector<double> deltas;
    std::vector<bool> unit_active;
};

// A custom quantity type with all its units.
struct MC_CPP : MC_CPU {
    explicit MC_CPP(const PossPar& type);
    std::string name;
    std::vector<std::string> target_texts;
};
