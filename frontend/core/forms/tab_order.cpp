// Choosing the next control of the tab order.
#include "tab_order.h"

#include <algorithm>
#include <numeric>

namespace forms {

int nextTabStop(const std::vector<TabStop>& stops, int current, bool backwards) {
    const int count = static_cast<int>(stops.size());
    std::vector<int> order(stops.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&stops](int a, int b) { return stops[a].tabIndex < stops[b].tabIndex; });
    const auto found = std::find(order.begin(), order.end(), current);
    // Outside the order, Tab starts before the first control and Shift+Tab after the last.
    const int rank = found == order.end() ? (backwards ? count : -1) : static_cast<int>(found - order.begin());
    for (int step = 1; step <= count; ++step) {
        const int candidate = ((rank + (backwards ? -step : step)) % count + count) % count;
        if (stops[order[candidate]].canTakeFocus) return order[candidate];
    }
    return -1;
}

}  // namespace forms
