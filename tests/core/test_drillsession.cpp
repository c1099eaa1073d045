#include "core/drill/drillsession.h"

#include <gtest/gtest.h>

using namespace quorvex;

namespace {

// Only the tables of 7, times, so that every question's answer is known from the question.
DrillSettings sevens()
{
    DrillSettings settings;
    settings.tableNumber = 7;
    return settings;
}

Bytes rightAnswer(const DrillSession& session)
{
    return decimal(expectedAnswer(session.question()));
}

Bytes wrongAnswer(const DrillSession& session)
{
    return decimal(expectedAnswer(session.question()) + 1);
}

DrillSession seeded()
{
    DrillSession session;
    session.random().seed(20261208);
    return session;
}

} // namespace

TEST(DrillSession, PracticeRunTimesAndLogsEachQuestion)
{
    DrillSession session = seeded();
    EXPECT_EQ(session.state(), StripState::Idle);
    EXPECT_FALSE(session.unsaved());

    const DrillSession::Asked first = session.nextQuestion(sevens());
    EXPECT_TRUE(first.runBegan);
    EXPECT_EQ(first.question.op, Operation::Multiplication);
    EXPECT_EQ(session.state(), StripState::Asking);
    EXPECT_EQ(session.clocks(), (Clocks { true, false }));
    EXPECT_TRUE(session.unsaved());
    for (int i = 0; i < 34; ++i)
        session.tick();
    EXPECT_EQ(session.questionTenths(), 34);

    const auto marked = session.check(rightAnswer(session));
    ASSERT_TRUE(marked);
    EXPECT_TRUE(marked->right);
    EXPECT_EQ(marked->record.question, completedFact(first.question));
    EXPECT_EQ(marked->record.operation, "Multiplication");
    EXPECT_EQ(marked->record.questionType, "Practice");
    EXPECT_EQ(marked->record.answer, decimal(expectedAnswer(first.question)));
    EXPECT_EQ(marked->record.ticks, 34);
    EXPECT_EQ(marked->record.number, 1);
    EXPECT_EQ(session.state(), StripState::Answered);
    EXPECT_EQ(session.clocks(), Clocks {});
    session.tick(); // a tick that comes late counts toward the run, not the answered question
    EXPECT_EQ(session.questionTenths(), 34);

    EXPECT_FALSE(session.nextQuestion(sevens()).runBegan);
    for (int i = 0; i < 5; ++i)
        session.tick();
    const auto wrong = session.check(wrongAnswer(session));
    ASSERT_TRUE(wrong);
    EXPECT_FALSE(wrong->right);
    EXPECT_EQ(wrong->record.ticks, 5);
    EXPECT_EQ(wrong->record.number, 2);
    EXPECT_EQ(session.elapsedTenths(), 40);
    EXPECT_EQ(session.correct(), 1);
    EXPECT_EQ(session.roundRight(), 1);
    EXPECT_EQ(session.askedShown(), 2);
    EXPECT_EQ(session.log().askedCount(), 2);
}

TEST(DrillSession, TextThatIsNoNumberLeavesTheQuestionOpen)
{
    DrillSession session = seeded();
    session.nextQuestion(sevens());
    session.tick();
    for (const char* typed : { "?", "", "1 2", "1234", "-3" })
        EXPECT_FALSE(session.check(typed)) << typed;
    EXPECT_EQ(session.state(), StripState::Asking);
    EXPECT_TRUE(session.clocks().question);
    EXPECT_EQ(session.log().askedCount(), 0);
    EXPECT_TRUE(session.check("007"));
    EXPECT_EQ(session.log().slot(1).answer, "007");
}

TEST(DrillSession, SpeedRoundRunsToItsEndAndScoresRightAnswers)
{
    DrillSession session = seeded();
    session.changeQuestionType(QuestionType::SpeedRound);
    session.setRoundSeconds(11);
    EXPECT_TRUE(session.nextQuestion(sevens()).runBegan);
    EXPECT_EQ(session.clocks(), (Clocks { false, true }));
    EXPECT_EQ(session.roundTenthsLeft(), 110);
    ASSERT_TRUE(session.check(rightAnswer(session)));
    session.nextQuestion(sevens());
    ASSERT_TRUE(session.check(wrongAnswer(session)));
    session.nextQuestion(sevens());
    ASSERT_TRUE(session.check(rightAnswer(session)));
    session.nextQuestion(sevens());

    for (int32_t left = 109; left > 0; --left) {
        const DrillSession::RoundTicked ticked = session.roundTick();
        ASSERT_FALSE(ticked.ended) << left;
        EXPECT_EQ(ticked.tenthsLeft, left);
        EXPECT_EQ(ticked.lastTenSeconds, left < 100) << left;
    }
    const DrillSession::RoundTicked last = session.roundTick();
    EXPECT_TRUE(last.ended);
    EXPECT_EQ(last.tenthsLeft, 0);
    EXPECT_EQ(session.roundRight(), 2);
    EXPECT_EQ(session.state(), StripState::Idle);
    EXPECT_EQ(session.clocks(), Clocks {});
    EXPECT_EQ(session.roundTenthsLeft(), 110); // wound up for the next round

    // Speed-round answers are logged with no time; the next Start begins a fresh run on the
    // same log.
    for (const Treslts& record : session.log().records()) {
        EXPECT_EQ(record.questionType, "S. Round");
        EXPECT_EQ(record.ticks, 0);
    }
    EXPECT_TRUE(session.nextQuestion(sevens()).runBegan);
    EXPECT_EQ(session.roundRight(), 0);
    EXPECT_EQ(session.askedShown(), 0);
    ASSERT_TRUE(session.check(rightAnswer(session)));
    EXPECT_EQ(session.askedShown(), 4);
}

TEST(DrillSession, ChangingTheQuestionTypeEndsTheRun)
{
    DrillSession session = seeded();
    session.nextQuestion(sevens());
    session.changeQuestionType(QuestionType::SpeedRound);
    EXPECT_EQ(session.state(), StripState::Idle);
    EXPECT_EQ(session.clocks(), Clocks {});
    EXPECT_TRUE(session.unsaved());
}

TEST(DrillSession, UnsavedAnswersStayWithTheStudentWhoGaveThem)
{
    DrillSession session = seeded();
    session.followSelection("Ann");
    session.nextQuestion(sevens());
    ASSERT_TRUE(session.check(rightAnswer(session)));

    // Another name selected from code, and a choice of student before the answers are saved.
    session.followSelection("Bob");
    EXPECT_EQ(session.changeStudent("Bob"), DrillSession::StudentChange::KeptUnsaved);
    EXPECT_EQ(session.answersOwner(), "Ann");
    EXPECT_EQ(session.log().askedCount(), 1);
    EXPECT_EQ(session.state(), StripState::Answered);

    session.markSaved("Bob");
    EXPECT_FALSE(session.unsaved());
    EXPECT_EQ(session.answersOwner(), "Bob");
    for (int i = 0; i < 3; ++i)
        session.tick();
    EXPECT_EQ(session.changeStudent("Bob"), DrillSession::StudentChange::Changed);
    EXPECT_EQ(session.log().askedCount(), 0);
    EXPECT_EQ(session.correct(), 0);
    EXPECT_EQ(session.elapsedTenths(), 0);
    EXPECT_EQ(session.state(), StripState::Idle);
    session.followSelection("Cy");
    EXPECT_EQ(session.answersOwner(), "Cy");
}

TEST(DrillSession, HistoryViewSetsThePupilsOwnLogAside)
{
    DrillSession session = seeded();
    session.nextQuestion(sevens());
    ASSERT_TRUE(session.check(rightAnswer(session)));
    const AnswerLog own = session.log();

    Treslts day;
    day.question = "2 + 2 = 4";
    session.showDay({ day }); // outside the view a day never replaces the pupil's log
    EXPECT_EQ(session.log(), own);

    session.showHistory();
    session.showDay({ day, day });
    EXPECT_EQ(session.log().askedCount(), 2);
    EXPECT_EQ(session.log().slot(1).question, "2 + 2 = 4");
    EXPECT_EQ(session.ownAnswers(), own);
    session.hideHistory();
    EXPECT_EQ(session.log(), own);
    EXPECT_FALSE(session.historyShown());
}

TEST(DrillSession, NewStudentDuringTheHistoryViewStartsWithNoAnswers)
{
    DrillSession session = seeded();
    session.nextQuestion(sevens());
    ASSERT_TRUE(session.check(rightAnswer(session)));
    session.markSaved("Ann");
    session.showHistory();
    EXPECT_EQ(session.changeStudent("Bob"), DrillSession::StudentChange::Changed);
    EXPECT_EQ(session.ownAnswers().askedCount(), 0);
    session.hideHistory();
    EXPECT_EQ(session.log().askedCount(), 0);
}
