#pragma once

#include <map>
#include <memory>
#include <string>

#include "core/layout/tree_el.h"

namespace layout_testing {

// A tree of elements without model nodes, written as R[A[A1,A2],B]; the
// elements are found again by their names.
struct NamedTree {
    std::unique_ptr<TreeEl> root;
    std::map<std::string, TreeEl*> el;
    std::map<std::string, int> level;  // the root 0

    explicit NamedTree(const std::string& notation) {
        size_t pos = 0;
        const std::string name = read_name(notation, pos);
        root = std::make_unique<TreeEl>(nullptr);
        el[name] = root.get();
        level[name] = 0;
        read_children(root.get(), notation, pos, 1);
    }

    TreeEl* operator[](const std::string& name) const { return el.at(name); }

private:
    static std::string read_name(const std::string& s, size_t& pos) {
        const size_t start = pos;
        while (pos < s.size() && s[pos] != '[' && s[pos] != ']' && s[pos] != ',') ++pos;
        return s.substr(start, pos - start);
    }

    void read_children(TreeEl* parent, const std::string& s, size_t& pos, int depth) {
        if (pos >= s.size() || s[pos] != '[') return;
        do {
            ++pos;  // '[' or ','
            const std::string name = read_name(s, pos);
            TreeEl* child = parent->add_child(nullptr);
            el[name] = child;
            level[name] = depth;
            read_children(child, s, pos, depth + 1);
        } while (s[pos] == ',');
        ++pos;  // ']'
    }
};

}  // namespace layout_testing
