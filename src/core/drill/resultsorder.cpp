#include "core/drill/resultsorder.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace quorvex {

namespace {

// The working memory of the orders, kept from one call to the next: a page of 100,000 answers
// is reordered again and again as the pupil clicks through the orders, and touching fresh
// memory of the records' size on every call cost more than the sort itself.
struct Scratch {
    std::vector<uint64_t> keys; // sort key in the high half, record index in the low half
    std::vector<uint64_t> sorted;
    std::vector<uint32_t> counts;
    std::vector<Treslts> records;
};

Scratch& scratch()
{
    thread_local Scratch kept;
    return kept;
}

// A key whose unsigned order is the order wanted: ascending, or descending, of a signed value.
uint32_t orderedKey(int32_t value, bool descending)
{
    const uint32_t ascending = static_cast<uint32_t>(value) ^ 0x8000'0000u;
    return descending ? ~ascending : ascending;
}

// Sorts the (key, index) pairs by key, keeping equal keys in index order: two stable counting
// passes of 16 bits each, the upper one skipped when all keys share it (times and numbers of a
// real log always do).
void sortByKey(std::vector<uint64_t>& keys, std::vector<uint64_t>& spare, std::vector<uint32_t>& counts)
{
    spare.resize(keys.size());
    for (const int shift : { 32, 48 }) {
        counts.assign(65537, 0);
        for (const uint64_t key : keys)
            ++counts[((key >> shift) & 0xFFFF) + 1];
        if (!keys.empty() && counts[((keys.front() >> shift) & 0xFFFF) + 1] == keys.size())
            continue;
        for (size_t k = 1; k < counts.size(); ++k)
            counts[k] += counts[k - 1];
        for (const uint64_t key : keys)
            spare[counts[(key >> shift) & 0xFFFF]++] = key;
        keys.swap(spare);
    }
}

// Puts the records in the order the low halves of the keys give, moving each record twice.
void arrange(std::span<Treslts> records, const std::vector<uint64_t>& order, std::vector<Treslts>& spare)
{
    if (spare.size() < records.size())
        spare.resize(records.size());
    // The records are read in no particular order: each is fetched a few moves ahead.
    constexpr size_t ahead = 8;
    for (size_t k = 0; k < order.size(); ++k) {
        if (k + ahead < order.size())
            __builtin_prefetch(&records[static_cast<uint32_t>(order[k + ahead])]);
        spare[k] = std::move(records[static_cast<uint32_t>(order[k])]);
    }
    std::move(spare.begin(), spare.begin() + static_cast<std::ptrdiff_t>(records.size()), records.begin());
}

} // namespace

void reorderResults(std::span<Treslts> records, ResultsOrder order)
{
    Scratch& work = scratch();
    std::vector<uint64_t>& keys = work.keys;
    keys.clear();
    keys.reserve(records.size());
    if (order == ResultsOrder::WrongFirst) {
        // Each pass of the exchange sort carries the last wrong record still behind the
        // sorted front up to it, so the wrong ones arrive latest first, the right ones after
        // them as they were.
        for (size_t k = records.size(); k-- > 0;) {
            if (!records[k].correct)
                keys.push_back(k);
        }
        for (size_t k = 0; k < records.size(); ++k) {
            if (records[k].correct)
                keys.push_back(k);
        }
    } else {
        for (size_t k = 0; k < records.size(); ++k) {
            const Treslts& record = records[k];
            const uint32_t key = order == ResultsOrder::InOrder
                ? orderedKey(record.number, false)
                : orderedKey(record.ticks, order == ResultsOrder::LongestFirst);
            keys.push_back(uint64_t { key } << 32 | k);
        }
        sortByKey(keys, work.sorted, work.counts);
    }
    arrange(records, keys, work.records);
}

} // namespace quorvex
