#include "core/classfolder/history.h"
#include "core/drill/drillsession.h"
#include "core/drill/reask.h"

#include <gtest/gtest.h>

using namespace quorvex;

namespace {

DrillSettings tablesOf(int32_t table, Operation op = Operation::Multiplication)
{
    DrillSettings settings;
    settings.tableNumber = table;
    settings.allowed = {};
    settings.allowed[static_cast<size_t>(code(op) - 1)] = true;
    return settings;
}

// A saved day in which the pupil answered "3 x 4 = 12" wrong and "2 x 2 = 4" within 3.0 s.
FluencyReport savedDays()
{
    Bytes day;
    for (const auto& [correct, question, ticks] :
        { std::tuple { false, "3 x 4 = 12", 52 }, { true, "2 x 2 = 4", 14 } }) {
        Treslts record;
        record.operation = "Multiplication";
        record.question = question;
        record.answer = "0";
        record.correct = correct;
        record.ticks = ticks;
        day += dayLine(record) + "\r\n";
    }
    FluencyReport report;
    report.addDayFile(day);
    return report;
}

constexpr Fact times(int32_t a, int32_t b)
{
    return { Operation::Multiplication, a, b };
}

// Marks the open question after the given tenths.
Question answer(DrillSession& session, bool right, int32_t tenths = 0)
{
    for (int32_t t = 0; t < tenths; ++t)
        session.tick();
    const Question asked = session.question();
    EXPECT_TRUE(session.check(decimal(expectedAnswer(asked) + (right ? 0 : 1))));
    return asked;
}

} // namespace

TEST(ReaskPool, DueBeforeWrongBeforeSlowBeforeSavedDaysEachLeavingWhenFluent)
{
    ReaskPool pool;
    pool.startPupil(savedDays());
    pool.beginRun();
    pool.answered(times(7, 8), true, 31, true); // slow
    pool.answered(times(6, 9), false, 12, true);
    pool.answered(times(5, 5), true, 30, true); // fluent: never in the pool
    RandomEngine rng(1);
    const DrillSettings settings = tablesOf(12);

    // First what the saved days make due today, the wrong 3 x 4 before the fluent 2 x 2 (due the
    // day after), each until this sitting asks it.
    EXPECT_EQ(pool.reask(settings, 0, rng), times(3, 4));
    EXPECT_EQ(pool.reask(settings, 3, rng), times(2, 2));
    pool.answered(times(2, 2), true, 14, true);
    EXPECT_EQ(pool.reask(settings, 0, rng), times(3, 4));
    pool.answered(times(3, 4), true, 0, false); // a speed round's right answer: asked, not learnt

    EXPECT_EQ(pool.reask(settings, 0, rng), times(6, 9));
    // No base number twice in a row: the next one in order comes instead.
    EXPECT_EQ(pool.reask(settings, 6, rng), times(7, 8));
    // A speed round's right answer settles the wrong one, but the sitting keeps it unlearnt.
    pool.answered(times(6, 9), true, 0, false);
    EXPECT_EQ(pool.reask(settings, 0, rng), times(7, 8));
    pool.answered(times(7, 8), true, 30, true);
    const std::optional<Fact> fromSavedDays = pool.reask(settings, 0, rng);
    ASSERT_TRUE(fromSavedDays);
    EXPECT_TRUE(*fromSavedDays == times(3, 4) || *fromSavedDays == times(6, 9));
    pool.answered(times(3, 4), true, 25, true);
    EXPECT_EQ(pool.reask(settings, 0, rng), times(6, 9));
    // A practice answer checked in the tenth its question appeared is within 3.0 s too.
    pool.answered(times(6, 9), true, 0, true);
    EXPECT_EQ(pool.reask(settings, 0, rng), std::nullopt);

    // What the settings cannot ask stays in the pool unasked: 6 x 9 is not a fact of the fives,
    // nor of "Practice with up to" 9 with the nines.
    pool.answered(times(6, 9), false, 40, true);
    EXPECT_EQ(pool.reask(tablesOf(5), 0, rng), std::nullopt);
    DrillSettings upTo = tablesOf(9);
    upTo.tablesOf = false;
    upTo.practiceBound = 5;
    EXPECT_EQ(pool.reask(upTo, 0, rng), std::nullopt);
    upTo.practiceBound = 6;
    EXPECT_EQ(pool.reask(upTo, 0, rng), times(6, 9));
    EXPECT_EQ(pool.reask(tablesOf(12, Operation::Division), 0, rng), std::nullopt);
}

TEST(ReaskPool, BaseZeroNeverAfterZero)
{
    // The first question of a run comes after base 0, so a re-ask with base 0 never opens one.
    ReaskPool pool;
    pool.answered({ Operation::Addition, 0, 3 }, false, 20, true);
    DrillSettings settings = tablesOf(5, Operation::Addition);
    settings.includeZero = true;
    RandomEngine rng(1);
    EXPECT_EQ(pool.reask(settings, 0, rng), std::nullopt);
    EXPECT_EQ(pool.reask(settings, 4, rng), (Fact { Operation::Addition, 0, 3 }));
    settings.includeZero = false;
    EXPECT_EQ(pool.reask(settings, 4, rng), std::nullopt);
}

struct ReaskRow {
    const char* name;
    int32_t after;
    Operation op;
    QuestionType type;
};

class ReaskAfter : public testing::TestWithParam<ReaskRow> { };

// The first question is answered wrong every time it comes, the others right: it comes back
// after exactly N questions and after 2N, as the same question line, and every question keeps
// the base-number rule.
TEST_P(ReaskAfter, ExactlyAfterNQuestions)
{
    const ReaskRow row = GetParam();
    DrillSession session;
    session.random().seed(20261208);
    session.setRedoWrongAfter(row.after);
    session.changeQuestionType(row.type);
    const DrillSettings settings = tablesOf(12, row.op);
    const bool timed = row.type == QuestionType::Practice;

    const DrillSession::Asked first = session.nextQuestion(settings);
    EXPECT_FALSE(first.reask);
    EXPECT_NE(factOf(first.question).a, 0);
    answer(session, false, timed ? 41 : 0);
    int32_t lastBase = factOf(first.question).a;
    for (int32_t n = 2; n <= 2 * row.after + 2; ++n) {
        const DrillSession::Asked asked = session.nextQuestion(settings);
        const Fact fact = factOf(asked.question);
        ASSERT_NE(fact.a, lastBase) << "question " << n;
        lastBase = fact.a;
        const bool due = n == row.after + 1 || n == 2 * row.after + 1;
        EXPECT_EQ(asked.reask, due) << "question " << n;
        if (due) {
            EXPECT_EQ(questionLine(asked.question), questionLine(first.question)) << "question " << n;
        }
        answer(session, asked.question != first.question, timed ? 12 : 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, ReaskAfter,
    testing::Values(ReaskRow { "five_division", 5, Operation::Division, QuestionType::Practice },
        ReaskRow { "ten_subtraction_speedround", 10, Operation::Subtraction, QuestionType::SpeedRound },
        ReaskRow { "fifteen_times", 15, Operation::Multiplication, QuestionType::Practice },
        ReaskRow { "twenty_addition", 20, Operation::Addition, QuestionType::Practice }),
    [](const testing::TestParamInfo<ReaskRow>& info) { return std::string(info.param.name); });

// "Always Random" asks what the draw alone asks for the same seed, whatever the answers.
TEST(Reask, AlwaysRandomIsTheDrawAlone)
{
    DrillSettings settings = tablesOf(6);
    settings.allowed = { true, true, true, true };
    settings.includeZero = true;
    std::vector<Question> sequences[2];
    for (const int32_t after : { alwaysRandom, 5 }) {
        DrillSession session;
        session.random().seed(7);
        session.setRedoWrongAfter(after);
        session.setSavedDays(savedDays());
        for (int32_t n = 0; n < 60; ++n) {
            session.nextQuestion(settings);
            sequences[after == 5].push_back(answer(session, n % 3 != 0, n % 4 == 0 ? 45 : 10));
        }
    }
    RandomEngine rng(7);
    int32_t lastFirstNum = 0;
    std::vector<Question> drawn;
    for (int32_t n = 0; n < 60; ++n) {
        const Operation op = drawOperation(rng, settings.allowed);
        drawn.push_back(drawOperands(rng, settings, op, lastFirstNum));
    }
    EXPECT_EQ(sequences[0], drawn);
    EXPECT_NE(sequences[1], drawn);
}

// A new pupil's pool holds nothing of the one before.
TEST(Reask, AnotherPupilStartsAfresh)
{
    DrillSession session;
    session.random().seed(3);
    session.setRedoWrongAfter(5);
    const DrillSettings settings = tablesOf(12);
    session.nextQuestion(settings);
    const Fact missed = factOf(answer(session, false, 20));
    EXPECT_EQ(session.reaskPool().state(missed), FactState::Wrong);
    session.markSaved("Ann");
    ASSERT_EQ(session.changeStudent("Bob"), DrillSession::StudentChange::Changed);
    EXPECT_EQ(session.reaskPool().state(missed), FactState::NotAsked);
    session.setSavedDays(savedDays());
    EXPECT_EQ(session.reaskPool().state(times(3, 4)), FactState::Wrong);
    EXPECT_EQ(session.reaskPool().state(times(2, 2)), FactState::Fluent);
}

// Between re-asks a fact answered right within 3.0 s is not drawn again while the run has one
// that was not: the four facts of the twos come once each before any comes again.
TEST(Reask, FluentFactsWaitForTheRest)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        DrillSession session;
        session.random().seed(seed);
        std::vector<Fact> asked;
        for (int32_t n = 0; n < 4; ++n) {
            session.nextQuestion(tablesOf(2));
            asked.push_back(factOf(answer(session, true, 30)));
        }
        for (const Fact& fact : { times(1, 1), times(1, 2), times(2, 1), times(2, 2) })
            EXPECT_EQ(std::count(asked.begin(), asked.end(), fact), 1) << "seed " << seed;
    }
}

namespace {

// Saved days in which the pupil answered the facts with an even a + b right within 3.0 s on
// days 1 and 2, so that today (day 3) they are known and not due, and the others wrong on day 2.
FluencyReport halfKnown(const DrillSettings& settings)
{
    Bytes known;
    Bytes missed;
    for (const Operation op : allOperations) {
        for (int32_t a = 0; a <= largestBase; ++a) {
            for (int32_t b = smallestSecond; b <= largestSecond; ++b) {
                if (!canAsk(settings, { op, a, b }, -1))
                    continue;
                Treslts record;
                record.operation = operationName(op);
                record.question = completedFact(formQuestion(op, a, b));
                record.answer = "0";
                record.correct = (a + b) % 2 == 0;
                record.ticks = 20;
                (record.correct ? known : missed) += dayLine(record) + "\r\n";
            }
        }
    }
    FluencyReport report;
    report.addDayFile(known);
    report.addDayFile(known + missed);
    return report;
}

} // namespace

struct MixRow {
    const char* name;
    DrillSettings settings;
    bool savedDays;
    double wrongChance; // for each fact not yet known

    friend void PrintTo(const MixRow& row, std::ostream* out) { *out << row.name; }
};

class NewFactsMixed : public testing::TestWithParam<MixRow> { };

// Over seeded runs of a pupil who answers known facts right within 3.0 s and misses the others
// by chance: never more than four facts not yet known are in play, and two questions in a
// row ask such facts only when the second is a re-ask or no known fact the run has not asked
// could come instead.
TEST_P(NewFactsMixed, AFewAtATimeAmongKnownOnes)
{
    const MixRow row = GetParam();
    const FluencyReport saved = row.savedDays ? halfKnown(row.settings) : FluencyReport();
    size_t mostInPlay = 0;
    int32_t unknownAsked = 0;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        DrillSession session;
        session.random().seed(seed);
        session.setRedoWrongAfter(seed % 2 ? 10 : 5);
        session.setSavedDays(saved);
        const ReaskPool& pool = session.reaskPool();
        RandomEngine pupil(seed);
        bool lastUnknown = false;
        int32_t lastBase = 0;
        for (int32_t n = 1; n <= 80; ++n) {
            bool knownToAsk = false;
            for (const Operation op : allOperations)
                for (int32_t a = 0; a <= largestBase; ++a)
                    for (int32_t b = smallestSecond; b <= largestSecond; ++b)
                        knownToAsk = knownToAsk
                            || (canAsk(row.settings, { op, a, b }, lastBase) && pool.known({ op, a, b })
                                && !pool.fluentInRun({ op, a, b }));
            const DrillSession::Asked asked = session.nextQuestion(row.settings);
            const Fact fact = factOf(asked.question);
            lastBase = fact.a;
            const bool unknown = !pool.known(fact);
            ASSERT_LE(pool.inPlay().size(), 4u) << "seed " << seed << ", question " << n;
            mostInPlay = std::max(mostInPlay, pool.inPlay().size());
            ASSERT_FALSE(unknown && lastUnknown && !asked.reask && knownToAsk) << "seed " << seed << ", question " << n;
            unknownAsked += unknown ? 1 : 0;
            lastUnknown = unknown;
            const bool wrong = unknown && std::bernoulli_distribution(row.wrongChance)(pupil);
            answer(session, !wrong, wrong ? 50 : 20);
        }
    }
    EXPECT_EQ(mostInPlay, 4u);
    EXPECT_GT(unknownAsked, 40 * 80 / 4);
}

static DrillSettings allFour(int32_t table, bool zero)
{
    DrillSettings settings = tablesOf(table);
    settings.allowed = { true, true, true, true };
    settings.includeZero = zero;
    return settings;
}

static DrillSettings upTo(int32_t bound, int32_t second)
{
    DrillSettings settings = tablesOf(second, Operation::Addition);
    settings.tablesOf = false;
    settings.practiceBound = bound;
    settings.includeZero = true;
    return settings;
}

INSTANTIATE_TEST_SUITE_P(Rows, NewFactsMixed,
    testing::Values(MixRow { "twelves_new_pupil", tablesOf(12), false, 0.6 },
        MixRow { "twelves_half_known", tablesOf(12), true, 0.6 },
        MixRow { "all_four_sixes_with_zero", allFour(6, true), true, 0.3 },
        MixRow { "up_to_twelve_plus_seven", upTo(12, 7), true, 0.9 }),
    [](const testing::TestParamInfo<MixRow>& info) { return std::string(info.param.name); });

// A new pupil who misses every answer works on four facts and no others.
TEST(NewFactsMixed, APupilMissingEverythingKeepsToTheFactsInPlay)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        DrillSession session;
        session.random().seed(seed);
        session.setRedoWrongAfter(10);
        std::vector<Fact> asked;
        for (int32_t n = 0; n < 40; ++n) {
            session.nextQuestion(tablesOf(12));
            const Fact fact = factOf(answer(session, false, 50));
            if (std::find(asked.begin(), asked.end(), fact) == asked.end())
                asked.push_back(fact);
        }
        EXPECT_EQ(asked.size(), 4u) << "seed " << seed;
    }
}
