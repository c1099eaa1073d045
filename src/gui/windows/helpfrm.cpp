#include "gui/windows/helpfrm.h"

#include "gui/platform/fonts.h"
#include "gui/platform/screenfit.h"
#include "gui/platform/translations.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// The manual of the language shown, English where there is none.
QString manualText()
{
    for (const QString& language : { shownLanguage(), QStringLiteral("en") }) {
        QFile manual(QStringLiteral(":/help/%1.html").arg(language));
        if (manual.open(QIODevice::ReadOnly))
            return QString::fromUtf8(manual.readAll());
    }
    return {};
}

} // namespace

THelpfrm::THelpfrm(QWidget* parent)
    : QDialog(parent,
        Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
            | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Helpfrm"));
    //: Title of the manual's window, as the Help menu's item.
    setWindowTitle(tr("Quorvex Help"));
    setFont(pixelFont(QStringLiteral("Arial"), 16, false));
    auto* layout = new QVBoxLayout(this);
    helptb = new QTextBrowser(this);
    helptb->setObjectName(QStringLiteral("helptb"));
    //: Read out by a screen reader as the manual's name.
    helptb->setAccessibleName(tr("Quorvex Help"));
    helptb->setOpenExternalLinks(false);
    helptb->setHtml(manualText());
    layout->addWidget(helptb);
    auto* buttons = new QDialogButtonBox(this);
    //: Button: closes the manual.
    QPushButton* close = buttons->addButton(tr("&Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("helpclosebt"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void THelpfrm::showManual()
{
    if (!isVisible()) {
        helptb->scrollToAnchor(QStringLiteral("top"));
        helptb->verticalScrollBar()->setValue(0);
        placeOverParent(this, QSize(760, 680));
    }
    show();
    raise();
    activateWindow();
    helptb->setFocus();
}

void showHelpOver(QWidget* window)
{
    auto* help = window->findChild<THelpfrm*>(QString(), Qt::FindDirectChildrenOnly);
    if (!help)
        help = new THelpfrm(window);
    help->showManual();
}

void installHelpKey(QWidget* window)
{
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), window);
    key->setObjectName(QStringLiteral("helpKey"));
    QObject::connect(key, &QShortcut::activated, window, [window] { showHelpOver(window); });
}
