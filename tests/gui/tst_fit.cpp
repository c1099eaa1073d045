// Every text a pupil or teacher can see fits its control with the faces the program ships with:
// each label, button, radio button, check box and panel title, in every state that changes a
// caption or shows a control.

#include "gui/controls/wrappingradiobutton.h"
#include "gui/mainwindow/flashcardfrm.h"
#include "gui/platform/translations.h"
#include "guitest.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTabWidget>

namespace {

// The rectangle a control draws its text into, in its own coordinates.
QRect textRect(QWidget* widget)
{
    QStyleOptionButton option;
    option.initFrom(widget);
    const QStyle* style = widget->style();
    if (qobject_cast<WrappingRadioButton*>(widget)) {
        const int left = style->subElementRect(QStyle::SE_RadioButtonIndicator, &option, widget).right() + 1
            + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, widget);
        return QRect(left, 0, widget->width() - left, widget->height());
    }
    if (qobject_cast<QRadioButton*>(widget))
        return style->subElementRect(QStyle::SE_RadioButtonContents, &option, widget);
    if (qobject_cast<QCheckBox*>(widget))
        return style->subElementRect(QStyle::SE_CheckBoxContents, &option, widget);
    if (qobject_cast<QPushButton*>(widget))
        return style->subElementRect(QStyle::SE_PushButtonContents, &option, widget);
    if (qobject_cast<QGroupBox*>(widget))
        return widget->rect().adjusted(8, 0, -8, 0); // the title, between the frame's corners
    return widget->contentsRect();
}

QString textOf(QWidget* widget)
{
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        return group->title();
    return {};
}

// The visible texts that do not fit their control, or that run past the edge of its panel.
QStringList clippedTexts(QWidget& window)
{
    QStringList clipped;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        QString text = textOf(widget).remove(QRegularExpression(QStringLiteral("&(?!&)")));
        if (!widget->isVisible() || text.isEmpty())
            continue;
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        QWidget* panel = widget->parentWidget();
        const QRect room = textRect(widget) & QRect(widget->mapFrom(panel, QPoint(1, 0)), panel->size() - QSize(2, 1));
        const QFontMetrics metrics(widget->font());
        const bool wraps = qobject_cast<WrappingRadioButton*>(widget)
            || (qobject_cast<QLabel*>(widget) && static_cast<QLabel*>(widget)->wordWrap());
        const QSize needed = wraps ? metrics.boundingRect(room, Qt::TextWordWrap, text).size()
                                   : QSize(metrics.horizontalAdvance(text), metrics.ascent());
        if (needed.width() > room.width() || needed.height() > room.height())
            clipped << QStringLiteral("%1 \"%2\" needs %3 x %4, has %5 x %6")
                           .arg(widget->objectName(), text)
                           .arg(needed.width())
                           .arg(needed.height())
                           .arg(room.width())
                           .arg(room.height());
    }
    return clipped;
}

} // namespace

class TestFit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { useLanguage(QString()); }
    void textsFitTheirControls_data();
    void textsFitTheirControls();
};

// In English and in every language the program is translated into, at the design's size, and
// zoomed smaller and larger.
void TestFit::textsFitTheirControls_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<double>("zoom");
    QTest::newRow("en") << QString() << 1.0;
    for (const QString& language : translatedLanguages())
        QTest::newRow(qPrintable(language)) << language << 1.0;
    for (const double zoom : { 0.8, 1.5, 2.0 }) {
        QTest::addRow("en at %g", zoom) << QString() << zoom;
        QTest::addRow("de at %g", zoom) << QStringLiteral("de") << zoom;
    }
}

void TestFit::textsFitTheirControls()
{
    QFETCH(QString, language);
    QFETCH(double, zoom);
    QVERIFY(useLanguage(language));
    TestFolder folder;
    folder.write(QStringLiteral("Guest1.txt"), "");
    auto window = startProgram();
    Tflashcardfrm* w = window.get();
    MainWindowTestAccess::zoom(*w, zoom);
    QCOMPARE(w->zoom(), zoom);
    QStringList clipped;
    const auto look = [&](const char* state) {
        for (const QString& why : clippedTexts(*w))
            clipped << QString::fromLatin1(state) + QStringLiteral(": ") + why;
    };
    const auto trigger = [w](const char* action) { control<QAction>(w, action)->trigger(); };
    const auto click
        = [w](const char* button) { QVERIFY(QMetaObject::invokeMethod(control<QWidget>(w, button), "click")); };
    const auto type = [w](const char* box, const QString& text) { control<QLineEdit>(w, box)->setText(text); };

    look("at start");
    control<QTabWidget>(w, "TabbedNotebook1")->setCurrentIndex(1);
    click("showhistorycb");
    look("history");
    click("showhistorycb");
    trigger("Showtimer1");
    click("mixcb");
    click("Questionbt");
    invoke(w, "ctrTimer", 9999);
    // A decimal comma wherever the language writes one.
    QCOMPARE(control<QLabel>(w, "tlb")->text(),
        QCoreApplication::translate("Tflashcardfrm", "%1 s")
            .arg(language.isEmpty() ? QStringLiteral("999.9") : QStringLiteral("999,9")));
    look("a question timed at 999.9 s");
    type("anseb", QString::number(rightAnswer(control<QLabel>(w, "qlb")->text())));
    click("checkbt");
    look("answered");
    choose(control<QComboBox>(w, "qtcb"), 1);
    control<QScrollBar>(w, "srsb")->setValue(300);
    click("Questionbt");
    invoke(w, "srtrTimer", 3000);
    look("a speed round of 300 s, over");
    choose(control<QComboBox>(w, "qtcb"), 0);

    trigger("Filecleanup1");
    click("delrb");
    choose(control<QComboBox>(w, "delfirstcb"), 1);
    click("cleanupbt");
    QVERIFY(control<QLabel>(w, "dlb")->isVisible());
    look("File Clean Up");
    click("Button2");
    // Each name shows its own caption: added, or why it was refused.
    trigger("AddaStudent1");
    for (const QString& name : { QStringLiteral("Ann"), QString(), QStringLiteral("A/B"), QStringLiteral("A:B"),
             QStringLiteral("A\x01"), QStringLiteral(".."), QStringLiteral(".~Ann"), QStringLiteral("A2"),
             QStringLiteral("CON"), QString(300, QLatin1Char('a')), QStringLiteral("A\u0141") }) {
        type("nstudeb", name);
        click("asbt");
        look("Add a Student");
    }
    click("addonebt");
    trigger("Deleteastudent1");
    look("Delete a student");
    click("Button1");
    trigger("logintoaccess1");
    look("no password");
    type("newpasseb", QStringLiteral("owl"));
    type("repeatpasseb", QStringLiteral("owl"));
    click("Button3");
    trigger("logintoaccess1");
    type("passeb", QStringLiteral("cat"));
    click("Button5");
    QVERIFY(control<QLabel>(w, "pfailedlb")->isVisible());
    look("log-in failed");
    type("passeb", QStringLiteral("owl"));
    click("Button5");
    trigger("logintoaccess1");
    look("log-out");
    for (const char* dialog : { "Whoami", "aboutboxp" }) {
        QWidget* shown = control<QWidget>(w, dialog);
        shown->show();
        look(dialog);
        shown->hide();
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestFit)
#include "tst_fit.moc"
