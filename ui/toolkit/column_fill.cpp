#include "ui/toolkit/column_fill.h"

#include <cmath>

namespace toolkit {

std::vector<int> fill_widths(int available, const std::vector<FillColumn>& columns) {
    const size_t n = columns.size();
    std::vector<int> widths(n, 0);
    std::vector<bool> at_minimum(n, false);
    // Pinning a column to its minimum leaves less for the others, which may
    // pin more: repeat until every remaining share is large enough.
    for (bool pinned = true; pinned;) {
        pinned = false;
        int rest = available;
        double weights = 0.0;
        for (size_t i = 0; i < n; ++i) {
            if (at_minimum[i])
                rest -= columns[i].minimum;
            else
                weights += columns[i].weight;
        }
        for (size_t i = 0; i < n && !pinned; ++i) {
            if (at_minimum[i]) continue;
            const double share = weights > 0.0 ? rest * columns[i].weight / weights : 0.0;
            if (share < columns[i].minimum) at_minimum[i] = pinned = true;
        }
        if (pinned) continue;
        // Shares rounded down; the pixels left go to the last free column.
        int used = 0;
        size_t last_free = n;
        for (size_t i = 0; i < n; ++i) {
            if (at_minimum[i]) {
                widths[i] = columns[i].minimum;
            } else {
                widths[i] = static_cast<int>(std::floor(rest * columns[i].weight / weights));
                last_free = i;
            }
            used += widths[i];
        }
        if (last_free < n && used < available) widths[last_free] += available - used;
    }
    return widths;
}

}  // namespace toolkit
