// The choices a class left at the last close, taken up again at the next start on this
// computer: the operations, the numbers, zero and mixing, how soon wrong answers come back, the
// question type and the speed round's length, the timer; and where the window stood. The pupil's
// name is not among them: the next pupil picks their own.

#include "gui/mainwindow/flashcardfrm.h"
#include "gui/platform/screenfit.h"
#include "gui/platform/settings.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

namespace {

// Each key holds a plain number or flag, so that a settings file edited by hand or left by
// another version is read value by value: what does not make sense is left at its default.
const QString operationKey = QStringLiteral("choices/operation");
const QString mixedKey = QStringLiteral("choices/mixedOperations");
const QString mixKey = QStringLiteral("choices/mix");
const QString tablesOfKey = QStringLiteral("choices/tablesOf");
const QString tableKey = QStringLiteral("choices/tablesUpTo");
const QString practiceKey = QStringLiteral("choices/practiceUpTo");
const QString zeroKey = QStringLiteral("choices/includeZero");
const QString redoKey = QStringLiteral("choices/redoWrongAfter");
const QString speedRoundKey = QStringLiteral("choices/speedRound");
const QString roundKey = QStringLiteral("choices/roundSeconds");
const QString timerKey = QStringLiteral("choices/showTimer");
const QString placeKey = QStringLiteral("mainWindow/place"); // the window's inside, as setGeometry takes it
const QString frameKey = QStringLiteral("mainWindow/frame");

std::optional<int> numberIn(const QSettings& settings, const QString& key, int lowest, int highest)
{
    bool ok = false;
    const int value = settings.value(key).toInt(&ok);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

std::optional<bool> flagIn(const QSettings& settings, const QString& key)
{
    const QString value = settings.value(key).toString();
    if (value == QLatin1String("true"))
        return true;
    if (value == QLatin1String("false"))
        return false;
    return std::nullopt;
}

void setChecked(QAbstractButton* button, std::optional<bool> checked)
{
    if (checked)
        button->setChecked(*checked);
}

// A list's item by the number it shows: the lists of numbers start at 2.
void chooseNumber(QComboBox* list, std::optional<int> number)
{
    if (number)
        list->setCurrentIndex(*number - 2);
}

} // namespace

void Tflashcardfrm::restoreChoices()
{
    if (!rememberingChoices())
        return;
    const QSettings settings = programSettings();
    QRadioButton* const operations[] = { ui.addrb, ui.subrb, ui.Multirb, ui.divrb };
    const auto op = numberIn(settings, operationKey, 1, 4);
    if (op) {
        // Checked without the question a click asks.
        const QSignalBlocker quiet(operations[*op - 1]);
        operations[*op - 1]->setChecked(true);
    }
    // The operations the questions are drawn from, ticked or not in the mix as they were left;
    // where the file does not say, the checked operation alone, as after a click on it.
    const int mixed = numberIn(settings, mixedKey, 1, 15).value_or(1 << (quorvex::code(checkedOperation()) - 1));
    if (op || numberIn(settings, mixedKey, 1, 15)) {
        for (size_t i = 0; i < opBoxes.size(); ++i) {
            const QSignalBlocker quiet(opBoxes[i]);
            opBoxes[i]->setChecked((mixed >> i & 1) != 0);
        }
    }
    showOperationBoard();
    setChecked(ui.mixcb, flagIn(settings, mixKey));
    if (const auto tablesOf = flagIn(settings, tablesOfKey))
        (*tablesOf ? static_cast<QRadioButton*>(ui.ttrb) : ui.prb)->setChecked(true);
    chooseNumber(ui.ttcb, numberIn(settings, tableKey, 2, 12));
    chooseNumber(ui.uptocb, numberIn(settings, practiceKey, 2, 12));
    setChecked(ui.zerocb, flagIn(settings, zeroKey));
    if (const auto redo = numberIn(settings, redoKey, 1, 99999)) {
        for (QAction* item : ui.Redow1->actions()) {
            if (item->isCheckable() && item->data().toInt() == *redo)
                item->setChecked(true);
        }
        N10q1Click();
    }
    if (const auto seconds = numberIn(settings, roundKey, ui.srsb->minimum(), ui.srsb->maximum()))
        ui.srsb->setValue(*seconds);
    if (flagIn(settings, timerKey).value_or(false) != ui.Showtimer1->isChecked())
        Showtimer1Click();
    if (flagIn(settings, speedRoundKey).value_or(false)) {
        ui.qtcb->setCurrentIndex(1);
        qtcbChange();
    }
}

void Tflashcardfrm::placeAtStart()
{
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    QRect area = screen->availableGeometry();
    frame.moveCenter(area.center());
    // Where the window was, on the screen it was on if that is still there, frame and title bar
    // within the screen's available area. The inside is placed, as the
    // window system has not told the frame yet (a frame's corner given now would be taken for
    // the inside's, and the window would creep up by its title bar at every start).
    const QSettings settings = programSettings();
    const QVariant inside = rememberingChoices() ? settings.value(placeKey) : QVariant();
    const QRect kept = settings.value(frameKey).toRect();
    if (inside.typeId() == QMetaType::QPoint && kept.isValid() && kept.contains(inside.toPoint())) {
        // On the screen it was on, moved just enough to lie within it where it was left partly
        // off it.
        const QRect wanted(kept.topLeft(), kept.size().expandedTo(frame.size()));
        const QList<QScreen*> screens = QGuiApplication::screens();
        const auto on = std::find_if(screens.begin(), screens.end(),
            [&](const QScreen* each) { return each->availableGeometry().contains(wanted.center()); });
        if (on != screens.end()) {
            const QPoint frameAt = topLeftWithin((*on)->availableGeometry(), wanted.size(), wanted.topLeft());
            setGeometry(QRect(frameAt + (inside.toPoint() - kept.topLeft()), size()));
            return;
        }
    }
    move(topLeftWithin(area, frame.size(), frame.topLeft()));
}

void Tflashcardfrm::keepChoices() const
{
    if (!rememberingChoices())
        return;
    QSettings settings = programSettings();
    settings.setValue(operationKey, quorvex::code(checkedOperation()));
    int mixed = 0;
    for (size_t i = 0; i < opBoxes.size(); ++i)
        mixed |= opBoxes[i]->isChecked() ? 1 << i : 0;
    settings.setValue(mixedKey, mixed);
    settings.setValue(mixKey, ui.mixcb->isChecked());
    settings.setValue(tablesOfKey, ui.ttrb->isChecked());
    settings.setValue(tableKey, ui.ttcb->currentIndex() + 2);
    settings.setValue(practiceKey, ui.uptocb->currentIndex() + 2);
    settings.setValue(zeroKey, ui.zerocb->isChecked());
    settings.setValue(redoKey, ui.Redow1->menuAction()->data().toInt());
    settings.setValue(speedRoundKey, ui.qtcb->currentIndex() == 1);
    settings.setValue(roundKey, ui.srsb->value());
    settings.setValue(timerKey, ui.Showtimer1->isChecked());
    // The place of the window as it shows normally, not of the whole screen.
    if (!isFullScreen()) {
        settings.setValue(placeKey, geometry().topLeft());
        settings.setValue(frameKey, frameGeometry());
    }
}
