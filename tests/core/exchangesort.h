#pragma once

#include "core/drill/resultsorder.h"

#include <utility>
#include <vector>

// The results page's sort as first designed, step for step: passes i = 1 .. n-1, each running
// j from n down to i + 1 and exchanging records j and j - 1 when the checked order's rule says
// so. The reference the fast orders are checked and timed against.
inline void exchangeSort(std::vector<quorvex::Treslts>& log, quorvex::ResultsOrder order)
{
    using quorvex::ResultsOrder;
    const auto n = log.size();
    for (size_t i = 1; i + 1 <= n; ++i) {
        for (size_t j = n; j >= i + 1; --j) {
            const quorvex::Treslts& later = log[j - 1];
            const quorvex::Treslts& earlier = log[j - 2];
            bool exchange = false;
            switch (order) {
            case ResultsOrder::ShortestFirst:
                exchange = later.ticks < earlier.ticks;
                break;
            case ResultsOrder::LongestFirst:
                exchange = later.ticks > earlier.ticks;
                break;
            case ResultsOrder::WrongFirst:
                exchange = !later.correct;
                break;
            case ResultsOrder::InOrder:
                exchange = later.number < earlier.number;
                break;
            }
            if (exchange)
                std::swap(log[j - 1], log[j - 2]);
        }
    }
}
