#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class Node;

// Technology readiness of one object: the achieved level (weakest child, or
// for a design problem its best option), the highest level below and the
// average. Levels originate at evidence and are recomputed eagerly upwards.
class ReadinessLevel {
public:
    explicit ReadinessLevel(Node* owner);
    ReadinessLevel(const ReadinessLevel&) = delete;
    ReadinessLevel& operator=(const ReadinessLevel&) = delete;

    // The level every object must reach to be valid (process-wide, 0..9).
    static uint16_t get_reqd_level();
    // Stores the level (clamped) and brings the current project up to date.
    static void set_reqd_level(int level);

    // With special set, options and arguments report their display codes:
    // 10 optimal option, 12 option with an invalidating argument or an
    // invalidating argument.
    uint16_t get_min_level(bool special) const;
    uint16_t get_max_level() const { return max_level; }
    double get_av_level() const { return av_level; }

    // Evidence only: the user's level for all three values; ancestors follow.
    void set_levels(int level);
    // Recomputes this level from the owner's children, then every ancestor
    // once, children before parents. Ignored while a ModelBatch is open.
    void update();

    bool is_valid() const;
    const std::string& get_min_level_txt_ptr() const;
    static const std::string& get_reqd_level_txt_ptr();
    static const std::array<std::string, 10>& get_levels();
    std::string get_tooltip_text() const;

    // Design problems aggregate by maximum (their best option).
    void set_by_minimum(bool by_min) { by_minimum = by_min; }

    // Recomputes this level from the children without touching the parents
    // (one step of a bottom-up recomputation). An option is computed together
    // with its whole option tree, when the step reaches the tree's top option.
    void recompute_local();

    // The required level; 1 at start and for every project without a mandate.
    static uint16_t _reqd_lvl;

private:
    friend void recompute_option_tree(class Option* top);
    void _update_argument();
    // Mean of the averages, minimum (or maximum) of the achieved levels and
    // maximum of the highest levels; all zero for no nodes.
    void aggregate(const std::vector<Node*>& nodes);
    void reset();

    uint16_t min_level = 0;
    uint16_t max_level = 0;
    double av_level = 0.0;
    Node* owner;
    bool by_minimum = true;
};
