#pragma once

// The median and the 10th and 90th percentiles of a simulation's results, as BENCHMARKS.md
// gives them.

#include <algorithm>
#include <vector>

template <typename T> struct Spread {
    T median, low, high;
};

template <typename T> Spread<T> spread(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return { (values[(n - 1) / 2] + values[n / 2]) / 2, values[n / 10], values[n * 9 / 10] };
}
