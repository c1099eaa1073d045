#include "gui/windows/whoami.h"

#include "gui/controls/colours.h"
#include "gui/platform/fonts.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

TWhoami::TWhoami(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("Whoami"));
    //: Title of the dialog asking who prints.
    setWindowTitle(tr("I am ...."));
    setModal(true);
    setBackground(this, nameDialogYellow);
    setFixedSize(204, 143);

    ui.GroupBox1 = new QGroupBox(tr("Name"), this);
    ui.GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    ui.GroupBox1->setGeometry(10, 12, 180, 63);
    setBackground(ui.GroupBox1, nameFrameBrown);

    ui.Iam = new QLineEdit(ui.GroupBox1);
    ui.Iam->setObjectName(QStringLiteral("Iam"));
    ui.Iam->setGeometry(23, 23, 121, 24);
    ui.Iam->installEventFilter(this);

    ui.Label1 = new QLabel(tr("Name will appear on printout"), this);
    ui.Label1->setObjectName(QStringLiteral("Label1"));
    ui.Label1->move(8, 80);

    ui.Button1 = new QPushButton(tr("Ok"), this);
    ui.Button1->setObjectName(QStringLiteral("Button1"));
    ui.Button1->setGeometry(51, 101, 89, 33);
    connect(ui.Button1, &QPushButton::clicked, this, &TWhoami::Button1Click);
}

QString TWhoami::name() const
{
    return ui.Iam->text();
}

void TWhoami::Button1Click()
{
    accept();
}

void TWhoami::showEvent(QShowEvent* event)
{
    // The dialog's face is needed by nothing else, so it is loaded when the dialog is first
    // shown: its title, name box and label take it and are measured then.
    if (!m_faceSet) {
        m_faceSet = true;
        setFont(pixelFont(QStringLiteral("System"), 13, false));
        ui.Label1->adjustSize();
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    QDialog::showEvent(event);
}

void TWhoami::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TWhoami::FormActivate()
{
    ui.Iam->setFocus();
}

bool TWhoami::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui.Iam && event->type() == QEvent::KeyPress)
        return IamKeyPress(static_cast<QKeyEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

// Enter in the name box confirms the dialog.
bool TWhoami::IamKeyPress(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    Button1Click();
    return true;
}
