#pragma once

// The main window. Everything a pupil or teacher does happens here: the question strip at the
// top, the notebook with the array board and the results page, the settings on the right, and
// the teacher panels that a menu command brings up over the question strip.
//
// It sits in gui/mainwindow, with its area files; the other windows are in gui/windows, the
// program's own controls in gui/controls, what ties the windows to the desktop in gui/platform,
// and the sentences the core describes are worded in gui/wording. The core below it has the
// drill's rules (core/drill), the class folder's readers and writers (core/classfolder) and the
// reports (core/reports).
//
// The window decides no rule of the drill: the run, its counters and clocks, the answer log and
// whose answers are unsaved belong to a quorvex::DrillSession, the teacher access states to a
// quorvex::TeacherAccess. A handler reads its controls, tells them what happened, and shows
// the state they return.
//
// Its handlers are defined in one file per area; each area file also wires the signals of its
// controls to its handlers:
//   flashcardfrm.cpp              creation, first activation, close, Exit, About
//   flashcardfrm_layout.cpp       the tables of every control and menu: name, kind, parent, place,
//                                 caption, font, colour, initial state
//   flashcardfrm_questions.cpp    drill settings, Redo Wrong after and drawing the next question
//   flashcardfrm_answers.cpp      the answer box and marking
//   flashcardfrm_timing.cpp       the question timer, the speed round, the time box
//   flashcardfrm_board.cpp        the dot-array board
//   flashcardfrm_results.cpp      the results page and its orders
//   flashcardfrm_history.cpp      saving days, change of student, the history view
//   flashcardfrm_roster.cpp       adding and deleting students
//   flashcardfrm_cleanup.cpp      history clean-up
//   flashcardfrm_password.cpp     the teacher password and access to the teacher commands
//   flashcardfrm_certificate.cpp  wording the certificate
//   flashcardfrm_fluency.cpp      the fluency report of the selected student and the class
//                                 overview
//
// Handlers call one another by clicking a control from code, whatever its enabled state, or
// through the hidden buttons ttimbt, resltsbt, sortbt and hisbt. Changing a check box or radio
// button from code runs its click handler; selecting a drop-down item from code runs no change
// handler (only a user's choice does).

#include "core/drill/drillsession.h"
#include "core/drill/teacheraccess.h"
#include "core/reports/classoverview.h"

#include <QFont>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <cstdint>
#include <vector>

class ImageControl;
class MultiLineLabel;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;
class QTimer;
class TCertificatefrm;
class TWhoami;
class Taboutboxp;

class Tflashcardfrm : public QMainWindow {
    Q_OBJECT
public:
    explicit Tflashcardfrm(QWidget* parent = nullptr);
    ~Tflashcardfrm() override;

    // The other windows made at start-up, which the main window's commands open.
    void setCompanions(TCertificatefrm* certificate, TWhoami* whoami, Taboutboxp* aboutBox);

    // Every control, each made with its name as objectName (flashcardfrm_layout.cpp).
    struct Controls {
        QLabel* qalb = nullptr;
        QLabel* qclb = nullptr;
        QLabel* Label1 = nullptr;
        QGroupBox* GroupBox2 = nullptr;
        QRadioButton* ttrb = nullptr;
        QRadioButton* prb = nullptr;
        QComboBox* uptocb = nullptr;
        QComboBox* ttcb = nullptr;
        QPushButton* ttimbt = nullptr;
        QGroupBox* GroupBox1 = nullptr;
        QRadioButton* addrb = nullptr;
        QRadioButton* subrb = nullptr;
        QRadioButton* Multirb = nullptr;
        QRadioButton* divrb = nullptr;
        QCheckBox* acb = nullptr;
        QCheckBox* scb = nullptr;
        QCheckBox* mcb = nullptr;
        QCheckBox* dcb = nullptr;
        QCheckBox* zerocb = nullptr;
        QCheckBox* mixcb = nullptr;
        QGroupBox* Timegb = nullptr;
        QLabel* tlb = nullptr;
        QLabel* ttimelb = nullptr;
        QTabWidget* TabbedNotebook1 = nullptr;
        QWidget* arraysPage = nullptr;
        QLabel* totalseelb = nullptr;
        QFrame* Panel1 = nullptr;
        ImageControl* ttim = nullptr;
        QWidget* resultsPage = nullptr;
        ImageControl* resltsim = nullptr;
        QScrollBar* resltssb = nullptr;
        QRadioButton* Showallrb = nullptr;
        QRadioButton* showwrongrb = nullptr;
        QRadioButton* longestrb = nullptr;
        QRadioButton* shortestrb = nullptr;
        QCheckBox* showhistorycb = nullptr;
        QComboBox* hiscb = nullptr;
        QPushButton* resltsbt = nullptr;
        QPushButton* sortbt = nullptr;
        QPushButton* hisbt = nullptr;
        QComboBox* namecb = nullptr;
        QGroupBox* questiongb = nullptr;
        QLabel* qlb = nullptr;
        QLabel* qmarklb = nullptr; // a tick or a cross beside the marked fact
        QLabel* historynotelb = nullptr; // why the strip is closed while a past day shows
        QLineEdit* anseb = nullptr;
        QPushButton* Questionbt = nullptr;
        QPushButton* checkbt = nullptr;
        QGroupBox* GroupBox3 = nullptr;
        QComboBox* qtcb = nullptr;
        QGroupBox* srgb = nullptr;
        MultiLineLabel* srlb = nullptr;
        QLabel* srtlb = nullptr;
        QLabel* ydlb = nullptr;
        QLabel* speedtlb = nullptr;
        QScrollBar* srsb = nullptr;
        QGroupBox* cleanupgb = nullptr;
        QLabel* Label6 = nullptr;
        QRadioButton* keeprb = nullptr;
        QComboBox* keepcb = nullptr;
        QRadioButton* delrb = nullptr;
        QComboBox* delfirstcb = nullptr;
        QRadioButton* oldrb = nullptr;
        QComboBox* oldcb = nullptr;
        QLabel* Label8 = nullptr;
        QLabel* Label7 = nullptr;
        QComboBox* cleanupcb = nullptr;
        QLabel* dlb = nullptr;
        QPushButton* cleanupbt = nullptr;
        QPushButton* Button2 = nullptr;
        QGroupBox* nstudgb = nullptr;
        QLabel* Label2 = nullptr;
        QLabel* Label3 = nullptr;
        QLabel* Label4 = nullptr;
        QLabel* addedlb = nullptr;
        QLineEdit* nstudeb = nullptr;
        QLabel* nameproblemlb = nullptr;
        QPushButton* asbt = nullptr;
        QPushButton* addonebt = nullptr;
        QGroupBox* deletegb = nullptr;
        QLabel* Label5 = nullptr;
        QComboBox* deletecb = nullptr;
        QPushButton* deletebt = nullptr;
        QPushButton* ddbt = nullptr;
        QPushButton* Button1 = nullptr;
        QGroupBox* nologingb = nullptr;
        QLabel* Label9 = nullptr;
        QLabel* Label10 = nullptr;
        QLabel* Label11 = nullptr;
        QLineEdit* newpasseb = nullptr;
        QLineEdit* repeatpasseb = nullptr;
        QPushButton* Button3 = nullptr;
        QPushButton* cspbt = nullptr;
        QGroupBox* logoutgb = nullptr;
        QPushButton* Button4 = nullptr;
        QPushButton* clobt = nullptr;
        QGroupBox* logingb = nullptr;
        QLabel* Label12 = nullptr;
        QLabel* pfailedlb = nullptr;
        QLineEdit* passeb = nullptr;
        QPushButton* Button5 = nullptr;
        QPushButton* clibt = nullptr;

        QTimer* ctr = nullptr;
        QTimer* srtr = nullptr;

        QMenu* File1 = nullptr;
        QAction* Printcertificate1 = nullptr;
        QAction* FluencyReport1 = nullptr;
        QMenu* eacherStuff1 = nullptr;
        QAction* logintoaccess1 = nullptr;
        QAction* Deleteastudent1 = nullptr;
        QAction* AddaStudent1 = nullptr;
        QAction* Filecleanup1 = nullptr;
        QAction* ClassOverview1 = nullptr;
        QAction* ExportaPupil1 = nullptr;
        QAction* ErasePupil1 = nullptr;
        QAction* N2 = nullptr;
        QAction* Exit1 = nullptr;
        QMenu* Opton1 = nullptr;
        QAction* Showtimer1 = nullptr;
        QMenu* Redow1 = nullptr;
        QAction* N5q1 = nullptr;
        QAction* N10q1 = nullptr;
        QAction* N15Q1 = nullptr;
        QAction* n20q1 = nullptr;
        QAction* alwaysrandom1 = nullptr;
        QAction* SaveData1 = nullptr;
        QAction* N6 = nullptr;
        QAction* ZoomIn1 = nullptr;
        QAction* ZoomOut1 = nullptr;
        QAction* ActualSize1 = nullptr;
        QAction* FullScreen1 = nullptr;
        QAction* About1 = nullptr;
        QMenu* Help1 = nullptr;
        QAction* QuorvexHelp1 = nullptr;
    };

public Q_SLOTS:
    // Lifecycle (flashcardfrm.cpp)
    void FormActivate();
    void Exit1Click();
    void About1Click();

    // Drill settings and questions (flashcardfrm_questions.cpp)
    void QuestionbtClick();
    void ttcbChange();
    void uptocbChange();
    void ttrbClick();
    void divrbClick();
    void acbClick();
    void mixcbClick();
    void N10q1Click();

    // Answers (flashcardfrm_answers.cpp)
    void ansebEnter();
    bool ansebKeyPress(QKeyEvent* event);
    void checkbtClick();

    // Timing and speed rounds (flashcardfrm_timing.cpp)
    void ctrTimer();
    void srtrTimer();
    void srsbChange();
    void qtcbChange();
    void Showtimer1Click();

    // Array board (flashcardfrm_board.cpp)
    void ttimbtClick();
    void ttimMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

    // Results page (flashcardfrm_results.cpp)
    void resltsbtClick();
    void resltssbChange();
    void ShowallrbClick();
    void sortbtClick();

    // History (flashcardfrm_history.cpp)
    void SaveData1Click();
    void namecbChange();
    void showhistorycbClick();
    void hiscbChange();
    void hisbtClick();

    // Students (flashcardfrm_roster.cpp)
    void AddaStudent1Click();
    bool nstudebKeyPress(QKeyEvent* event);
    void nstudebChange();
    void asbtClick();
    void addonebtClick();
    void Deleteastudent1Click();
    void deletebtClick();
    void ddbtClick();
    void Button1Click();

    // History clean-up (flashcardfrm_cleanup.cpp)
    void Filecleanup1Click();
    void cleanupbtClick();
    void cleanupcbChange();
    void delrbClick();
    void Button2Click();

    // Teacher password (flashcardfrm_password.cpp)
    void logintoaccess1Click();
    void Button3Click();
    bool newpassebKeyPress(QKeyEvent* event);
    bool repeatpassebKeyPress(QKeyEvent* event);
    void cspbtClick();
    void Button5Click();
    bool passebKeyPress(QKeyEvent* event);
    void passebEnter();
    void clibtClick();
    void Button4Click();
    void clobtClick();

    // Certificate (flashcardfrm_certificate.cpp)
    void Printcertificate1Click();

    // Manual (flashcardfrm_help.cpp)
    void QuorvexHelp1Click();

    // Fluency report (flashcardfrm_fluency.cpp)
    void FluencyReport1Click();
    // Every pupil's summary on one page (flashcardfrm_fluency.cpp)
    void ClassOverview1Click();
    // Everything kept about one pupil, copied into a folder (flashcardfrm_pupildata.cpp)
    void ExportaPupil1Click();
    // The selected pupil and everything kept about them deleted for good (flashcardfrm_pupildata.cpp)
    void ErasePupil1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    // Runs the close routine; false when the window must stay open.
    bool FormClose();

    void buildControls();
    void setAccessibleNamesAndTabOrder();
    void buildMenus();
    void wireQuestions();
    void wireAnswers();
    void wireTiming();
    void wireBoard();
    void wireResults();
    void wireHistory();
    void wireRoster();
    void wireCleanup();
    void wirePassword();
    void wireCertificate();
    void wireZoom();
    void wireHelp();
    // The range choices' tooltips say what the numbers chosen ask.
    void showRangeTips();

    // Zoom (flashcardfrm_zoom.cpp)
    // The whole window at zoom times its design size: every control's place and font, and the
    // board's and results page's drawings. At zoom 1 it is the design, pixel for pixel.
    void zoomTo(double zoom);
    // The largest zoom at which the window with its frame fits the screen's available area.
    double fittingZoom() const;
    void zoomAtStart();

    // Remembered choices (flashcardfrm_settings.cpp)
    // The drill's choices as this computer's user left them, unless the start is fresh.
    void restoreChoices();
    // Where the window was at the last close, if a screen still shows it there; centred else.
    void placeAtStart();
    void keepChoices() const;
    void setFullScreen(bool on);

    // Questions area
    quorvex::DrillSettings drillSettings() const;
    quorvex::Operation checkedOperation() const;
    // The board's dot counter follows the checked operation.
    void showOperationBoard();
    void acbClick(quorvex::Operation cleared);
    // Every password box hides what is typed again (flashcardfrm_password.cpp).
    void hidePasswords();
    // The strip's buttons as the session's state has them: Check open only while a question
    // is, Start or Next Question otherwise.
    // The one enabled first takes the focus when next is given, before the other is disabled,
    // so that the focus goes straight there.
    void showStrip(QWidget* next = nullptr);

    // Answers area
    void filterAnswerText();
    void showMarked(const quorvex::Treslts& record, bool right);

    // Timing area
    void showTimeOfQuestion();
    // Runs the two timers as the session's clocks run.
    void runClocks();
    // A label that changes while nobody sees it, such as the running total time, is named
    // for good while hidden: its changes then send a screen reader nothing.
    static void quietWhileHidden(QLabel* label, bool hidden);

    // Results area
    bool resultsKeyPress(QKeyEvent* event);
    // The frame around the line the keyboard is on, while the page has the focus.
    void showResultsCursor();

    // Board area
    void drawDot(int column, int row, const QColor& colour);
    bool boardKeyPress(QKeyEvent* event);
    // The board's focus mark, and what a screen reader hears of the board: its picture in
    // words, or, while it has the focus, the cell under the cursor.
    void showBoardCursor();
    bool dotShownAt(int column, int row);

    // History area
    quorvex::Bytes selectedStudent() const;
    // Gives the drill the saved days of the student whose answers come next, for the facts
    // "Redo Wrong after" asks again.
    void loadSavedDays();

    // Roster area
    // The position picked in a teacher panel's list; -1 when typed text shows no entry.
    static int pickedPosition(const QComboBox* list);
    bool writeRosterAsAdded(std::vector<quorvex::Bytes> added);
    void refuseName(const QString& why);
    // Tells the teacher of pupils on the roster loaded at start whose history files overlap.
    void reportSharedDayFiles(const std::vector<quorvex::Bytes>& roster);
    void reportNetworkShare();

    // Clean-up area
    std::vector<quorvex::Bytes> chosenForCleanup() const;

    // Password area
    void loadTeacherPassword();
    // A password set on another computer since this one last looked: the access follows it.
    bool followPasswordSetElsewhere();
    // The access menu item and the teacher commands as the access state has them.
    void showAccess();

    // Fluency area
    // The report of the student, with the unsaved answers given under that name.
    void showFluencyReport(const quorvex::Bytes& student, const QString& caption, QWidget* over);
    std::optional<std::vector<quorvex::PupilSummary>> readClassOverview(QWidget* over, quorvex::DayReading how);

    Controls ui;
    TCertificatefrm* Certificatefrm = nullptr;
    TWhoami* Whoami = nullptr;
    Taboutboxp* aboutbox = nullptr;

    quorvex::DrillSession session;
    // A save the user stopped waiting for and that has not yet ended: no second save of the same
    // answers starts meanwhile.
    bool savePending = false;
    quorvex::TeacherAccess access;
    // A drop-down's new value that asks the next question ("Tables of 6"), said before it.
    QString choiceThatAsks;
    std::array<QCheckBox*, 4> opBoxes {}; // by operation code - 1
    std::array<bool, 144> dotGrid {}; // where the pupil placed dots, column + 12 x row
    int boardCursor = 0; // the cell the keyboard is on, column + 12 x row
    bool activated = false;
    bool rosterUnreadable = false; // studnames.txt exists but could not be read at start
    std::vector<quorvex::Bytes> deletedStudents; // taken out in the Delete panel, until Done

    friend class MainWindowTestAccess;

    // Zoom: the current factor, and the design (place and font) of each control it scales.
    struct Design {
        QPointer<QWidget> widget;
        QRect place;
        QFont font;
        bool ownFont = false;
        bool placed = false; // placed by the window, not by a layout of its parent
    };
    double m_zoom = 1;
    double m_zoomBeforeFullScreen = 1;
    std::vector<Design> m_design;

public:
    double zoom() const { return m_zoom; }
};

// The entries of a list of names as the roster holds them, and a list set to a roster's entries
// (flashcardfrm_roster.cpp).
std::vector<quorvex::Bytes> entriesOf(const QComboBox* list);
void setEntries(QComboBox* list, const std::vector<quorvex::Bytes>& entries);
