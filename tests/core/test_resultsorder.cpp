#include "core/drill/resultsorder.h"
#include "exchangesort.h"

#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <utility>
#include <vector>

using namespace quorvex;

namespace {

Treslts record(int number, bool correct, int ticks)
{
    Treslts r;
    r.question = "q" + std::to_string(number);
    r.operation = "Addition";
    r.questionType = "Practice";
    r.answer = std::to_string(number);
    r.correct = correct;
    r.ticks = ticks;
    r.number = number;
    return r;
}

// Logs as the page meets them: the answering order mixed up by earlier orders, and so few
// distinct times that most records tie. Now and then a number repeats, a tie for "in order".
// Every record has its own question text, so any difference in how ties fall shows.
std::vector<Treslts> randomLog(std::mt19937& random, size_t size)
{
    std::vector<Treslts> log;
    std::uniform_int_distribution<int> ticks(0, 4);
    std::bernoulli_distribution correct(0.6);
    std::bernoulli_distribution repeat(0.1);
    for (size_t k = 1; k <= size; ++k) {
        const int number = static_cast<int>(k);
        log.push_back(record(number, correct(random), ticks(random)));
        if (repeat(random) && k > 1)
            log.back().number = number - 1;
    }
    std::shuffle(log.begin(), log.end(), random);
    return log;
}

std::vector<int> numbersOf(const std::vector<Treslts>& log)
{
    std::vector<int> numbers;
    for (const Treslts& r : log)
        numbers.push_back(r.number);
    return numbers;
}

const ResultsOrder allOrders[]
    = { ResultsOrder::InOrder, ResultsOrder::WrongFirst, ResultsOrder::LongestFirst, ResultsOrder::ShortestFirst };

} // namespace

class EveryOrder : public testing::TestWithParam<ResultsOrder> { };

TEST_P(EveryOrder, MatchesTheExchangeSortOnRandomLogs)
{
    std::mt19937 random(20240611);
    for (const size_t size : { 0, 1, 2, 3, 5, 19, 20, 64, 257 }) {
        for (int round = 0; round < 20; ++round) {
            std::vector<Treslts> expected = randomLog(random, size);
            std::vector<Treslts> actual = expected;
            exchangeSort(expected, GetParam());
            reorderResults(actual, GetParam());
            ASSERT_EQ(actual, expected) << "size " << size << ", round " << round;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ResultsPage, EveryOrder, testing::ValuesIn(allOrders), [](const auto& info) {
    switch (info.param) {
    case ResultsOrder::InOrder:
        return "InOrder";
    case ResultsOrder::WrongFirst:
        return "WrongFirst";
    case ResultsOrder::LongestFirst:
        return "LongestFirst";
    case ResultsOrder::ShortestFirst:
        return "ShortestFirst";
    }
    return "";
});

TEST(ReorderResults, MatchesTheExchangeSortThroughChainsOfOrders)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<size_t> pick(0, 3);
    for (int round = 0; round < 200; ++round) {
        std::vector<Treslts> expected = randomLog(random, 40);
        std::vector<Treslts> actual = expected;
        for (int step = 0; step < 6; ++step) {
            const ResultsOrder order = allOrders[pick(random)];
            exchangeSort(expected, order);
            reorderResults(actual, order);
            ASSERT_EQ(actual, expected) << "round " << round << ", step " << step;
        }
    }
}

// Times and numbers from all over their range, where the halves of the keys differ, and logs
// growing and shrinking from call to call, as the working memory kept between calls meets them.
TEST(ReorderResults, MatchesTheExchangeSortOverTheWholeRangeOfTimesAndNumbers)
{
    constexpr int32_t lowest = std::numeric_limits<int32_t>::min();
    constexpr int32_t highest = std::numeric_limits<int32_t>::max();
    const int32_t edges[] = { lowest, lowest + 1, -65537, -65536, -65535, -1, 0, 1, 65535, 65536, 65537, highest };
    std::mt19937 random(65536);
    std::uniform_int_distribution<size_t> edge(0, std::size(edges) - 1);
    std::uniform_int_distribution<int32_t> any(lowest, highest);
    std::bernoulli_distribution atAnEdge(0.7);
    auto value = [&] { return atAnEdge(random) ? edges[edge(random)] : any(random); };
    for (const size_t size : { 300, 2, 0, 129, 1, 300, 40 }) {
        for (const ResultsOrder order : allOrders) {
            std::vector<Treslts> expected = randomLog(random, size);
            for (Treslts& r : expected) {
                r.ticks = value();
                r.number = value();
            }
            std::vector<Treslts> actual = expected;
            exchangeSort(expected, order);
            reorderResults(actual, order);
            ASSERT_EQ(actual, expected) << "size " << size << ", order " << static_cast<int>(order);
        }
    }
}

TEST(ReorderResults, WrongFirstListsWrongAnswersLatestFirstAndInOrderRestores)
{
    std::vector<Treslts> log = { record(1, true, 0), record(2, false, 0), record(3, true, 0), record(4, false, 0) };
    reorderResults(log, ResultsOrder::WrongFirst);
    EXPECT_EQ(numbersOf(log), (std::vector<int> { 4, 2, 1, 3 }));
    reorderResults(log, ResultsOrder::InOrder);
    EXPECT_EQ(numbersOf(log), (std::vector<int> { 1, 2, 3, 4 }));
}

TEST(ReorderResults, TimeOrdersKeepTheAnsweringOrderAmongEqualTimes)
{
    std::vector<Treslts> log
        = { record(1, true, 20), record(2, true, 35), record(3, false, 20), record(4, true, 35), record(5, true, -3) };
    reorderResults(log, ResultsOrder::LongestFirst);
    EXPECT_EQ(numbersOf(log), (std::vector<int> { 2, 4, 1, 3, 5 }));
    reorderResults(log, ResultsOrder::InOrder);
    reorderResults(log, ResultsOrder::ShortestFirst);
    EXPECT_EQ(numbersOf(log), (std::vector<int> { 5, 1, 3, 2, 4 }));
}

TEST(ReorderResults, LeavesTheSlotsBeyondTheCountWhereTheyAre)
{
    AnswerLog log;
    for (int k = 1; k <= 6; ++k)
        log.append(record(k, k % 2 == 0, 10 - k));
    log.setAskedCount(3);
    reorderResults(log, ResultsOrder::ShortestFirst);
    EXPECT_EQ(log.slot(1).number, 3);
    EXPECT_EQ(log.slot(2).number, 2);
    EXPECT_EQ(log.slot(3).number, 1);
    for (int k = 4; k <= 6; ++k)
        EXPECT_EQ(log.slot(k), record(k, k % 2 == 0, 10 - k));
}
