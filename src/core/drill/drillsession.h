#pragma once

// One pupil's sitting at the drill: the run and its question, the counters, the clocks counted
// in tenths, the speed round, the answer log and whether its answers are saved. The main window
// shows this state and feeds it what the pupil does; every rule of the drill is decided here.

#include "core/drill/answerlog.h"
#include "core/drill/questiondraw.h"
#include "core/drill/reask.h"

#include <optional>

namespace quorvex {

enum class QuestionType { Practice, SpeedRound };

// Where the question strip stands.
enum class StripState {
    Idle, // no run: the next question begins one ("&Start")
    Asking, // a question is open: Check marks it
    Answered, // the question is marked: the next one may be asked ("Next &Question")
};

// The two clocks the window runs: the question clock in practice, the round clock in a speed
// round. Each ticks once a tenth of a second while it runs.
struct Clocks {
    bool question = false;
    bool round = false;

    friend bool operator==(const Clocks&, const Clocks&) = default;
};

class DrillSession {
public:
    struct Asked {
        Question question;
        bool runBegan = false; // the counters and clocks started again from 0
        bool reask = false; // asked again from what the pupil has still to learn
    };

    struct Marked {
        const Treslts& record; // the record just logged
        bool right = false;
    };

    struct RoundTicked {
        int32_t tenthsLeft = 0; // as the tick left it, 0 at the end
        bool lastTenSeconds = false; // the clock shows the round nearly over
        bool ended = false; // the round is over; roundRight() is its score
    };
    enum class StudentChange { Changed, KeptUnsaved };

    DrillSession();

    RandomEngine& random() { return m_random; }

    // The question type and round length as the pupil chose them. A change of question type
    // ends the run and stops both clocks.
    void changeQuestionType(QuestionType type);
    void setRoundSeconds(int32_t seconds) { m_roundSeconds = seconds; }
    QuestionType questionType() const { return m_type; }
    int32_t roundSeconds() const { return m_roundSeconds; }

    // "Redo Wrong after": the number of questions after which a re-ask comes, or alwaysRandom.
    void setRedoWrongAfter(int32_t questions) { m_redoWrongAfter = questions; }
    int32_t redoWrongAfter() const { return m_redoWrongAfter; }
    // The saved days of the pupil whose answers these are, for the facts to ask again.
    void setSavedDays(const FluencyReport& saved) { m_pool.startPupil(saved); }
    const ReaskPool& reaskPool() const { return m_pool; }
    void setSpacedReviews(bool on) { m_pool.setSpacedReviews(on); }

    // Start / Next Question: begins a run when none is running, draws the next question from
    // what the settings allow (or from the pool of re-asks), and starts the clock of the question type. The answers are
    // unsaved from now on.
    Asked nextQuestion(const DrillSettings& settings);

    // Marks the typed text against the open question and logs it; no value when the text is
    // not a whole number, and the question then stays open.
    std::optional<Marked> check(BytesView typed);

    // A tick of the question clock.
    void tick() { ++m_elapsedTenths; }
    // A tick of the round clock; at 0 the round ends, the run with it, and the countdown is
    // wound up again for the next round.
    RoundTicked roundTick();

    // The pupil chose another student. Unsaved answers belong to the student who gave them:
    // while there are any, nothing changes. Otherwise the log, the counters and the run start
    // afresh for the new student.
    StudentChange changeStudent(BytesView student);
    // The selection changed without the pupil choosing (a teacher panel renamed or picked an
    // entry): the answers follow it only while none are unsaved.
    void followSelection(BytesView student);
    // The answers were written to their owner's history; student is the one now selected.
    void markSaved(BytesView student);

    // The history view: the pupil's own log is set aside while saved days are shown.
    void showHistory();
    void showDay(std::vector<Treslts> records);
    void hideHistory();
    bool historyShown() const { return m_historyShown; }

    StripState state() const { return m_state; }
    Clocks clocks() const { return m_clocks; }
    const Question& question() const { return m_question; }
    Operation operation() const { return m_question.op; }

    // The log on the results page: the pupil's, or a saved day while the history view is on.
    const AnswerLog& log() const { return m_log; }
    AnswerLog& log() { return m_log; }
    // The log a save writes: the pupil's own, also while a day is shown.
    const AnswerLog& ownAnswers() const { return m_historyShown ? m_ownLog : m_log; }
    bool unsaved() const { return m_unsaved; }
    const Bytes& answersOwner() const { return m_owner; }

    // The counters on screen: asked since the run began as the label shows it (the log runs on
    // across runs, so this is 0 at a Start and the log's count after each Check), right answers
    // of the run, right answers of the run that a speed round scores.
    int32_t askedShown() const { return m_askedShown; }
    int32_t correct() const { return m_correct; }
    int32_t roundRight() const { return m_roundRight; }

    int32_t elapsedTenths() const { return m_elapsedTenths; }
    int32_t roundTenthsLeft() const { return m_roundTenthsLeft; }
    // The big figure: the running time of the open question, else the time of the last one.
    int32_t questionTenths() const;

private:
    void beginRun();

    RandomEngine m_random;
    QuestionType m_type = QuestionType::Practice;
    int32_t m_roundSeconds = 60;
    StripState m_state = StripState::Idle;
    Clocks m_clocks;
    Question m_question;
    int32_t m_lastFirstNum = 0;
    int32_t m_redoWrongAfter = 10;
    int32_t m_markedInRun = 0;
    ReaskPool m_pool;

    AnswerLog m_log;
    AnswerLog m_ownLog; // the pupil's own while the history view is on
    bool m_historyShown = false;
    bool m_unsaved = false;
    Bytes m_owner;

    int32_t m_askedShown = 0;
    int32_t m_correct = 0;
    int32_t m_roundRight = 0;
    int32_t m_elapsedTenths = 0;
    int32_t m_questionStartTenths = 0;
    int32_t m_questionEndTenths = 0;
    int32_t m_roundTenthsLeft = 600;
};

} // namespace quorvex
