#pragma once

#include <vector>

namespace toolkit {

// A column that shares the width of its table by weight and never gets
// narrower than its minimum.
struct FillColumn {
    double weight = 100.0;
    int minimum = 0;
};

// The widths of the columns in available pixels: each column takes its share
// by weight; a column whose share is below its minimum gets the minimum and
// the others share the rest. The widths add up to the available width unless
// the minimums alone need more.
std::vector<int> fill_widths(int available, const std::vector<FillColumn>& columns);

}  // namespace toolkit
