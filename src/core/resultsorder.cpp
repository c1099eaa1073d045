#include "resultsorder.h"

#include <algorithm>

namespace quorvex {

void reorderResults(std::span<Treslts> records, ResultsOrder order)
{
    switch (order) {
    case ResultsOrder::InOrder:
        std::ranges::stable_sort(records, std::ranges::less {}, &Treslts::number);
        return;
    case ResultsOrder::ShortestFirst:
        std::ranges::stable_sort(records, std::ranges::less {}, &Treslts::ticks);
        return;
    case ResultsOrder::LongestFirst:
        std::ranges::stable_sort(records, std::ranges::greater {}, &Treslts::ticks);
        return;
    case ResultsOrder::WrongFirst: {
        // Each pass of the exchange sort carries the last wrong record still behind the
        // sorted front up to it, so the wrong ones arrive latest first.
        // The iterator form: clang 14 cannot instantiate the subrange of libstdc++ 12's ranges form.
        const auto rights
            = std::stable_partition(records.begin(), records.end(), [](const Treslts& r) { return !r.correct; });
        std::reverse(records.begin(), rights);
        return;
    }
    }
}

} // namespace quorvex
