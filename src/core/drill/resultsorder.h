#pragma once

#include "core/drill/answerlog.h"

#include <span>

namespace quorvex {

// The four orders of the results page. Each one reorders the log itself, starting from the
// order it is in, so choosing orders one after another composes: "wrong first" after "in
// order" lists the wrong answers latest first.
enum class ResultsOrder {
    InOrder, // ascending number: the order the questions were answered in
    WrongFirst, // wrong records in the reverse of their present order, then right ones as they are
    LongestFirst, // descending time; equal times keep their present order
    ShortestFirst, // ascending time; equal times keep their present order
};

// Gives exactly the arrangement of the page's neighbour-exchange sort (which only ever swaps
// adjacent records on a strict comparison), in O(n log n) instead of O(n^2): a few
// thousand answers reorder at once.
void reorderResults(std::span<Treslts> records, ResultsOrder order);

// Reorders records 1 to askedCount; the slots beyond the count stay where they are.
inline void reorderResults(AnswerLog& log, ResultsOrder order)
{
    reorderResults(log.records(), order);
}

} // namespace quorvex
