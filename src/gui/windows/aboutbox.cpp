#include "gui/windows/aboutbox.h"

#include "gui/platform/fonts.h"

#include <QLabel>
#include <QVBoxLayout>

Taboutboxp::Taboutboxp(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("aboutboxp"));
    setWindowTitle(tr("About"));
    setModal(true);
    // A face of its own, as every window has, rather than whatever the desktop's default is.
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13, false));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(10);
    auto* name = new QLabel(QStringLiteral("Quorvex"), this);
    name->setObjectName(QStringLiteral("ProgramIcon"));
    name->setFont(pixelFont(QStringLiteral("Arial"), 28));
    layout->addWidget(name);
    ProductName = new QLabel(this);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    layout->addWidget(ProductName);
    Version = new QLabel(this);
    Version->setObjectName(QStringLiteral("Version"));
    layout->addWidget(Version);
    auto* comments = new QLabel(tr("Flash cards for addition, subtraction, multiplication and division."), this);
    comments->setObjectName(QStringLiteral("Comments"));
    comments->setWordWrap(true);
    layout->addWidget(comments);
    setFixedWidth(320);
}

void Taboutboxp::setProductLines(const QString& product, const QString& version)
{
    ProductName->setText(product);
    Version->setText(version);
}

void Taboutboxp::mousePressEvent(QMouseEvent*)
{
    accept();
}
