#include "gui/windows/certificatefrm.h"

#include "core/reports/jpegdecode.h"
#include "gui/controls/controlhelpers.h"
#include "gui/controls/imagecontrol.h"
#include "gui/platform/fonts.h"
#include "gui/platform/pdffile.h"
#include "gui/platform/printpicture.h"
#include "gui/platform/printsupport.h"
#include "gui/platform/screenfit.h"
#include "gui/platform/textcodec.h"
#include "gui/windows/helpfrm.h"
#include "gui/windows/userdialogs.h"
#include "gui/windows/whoami.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const QString arial = QStringLiteral("Arial");
const QString algerian = QStringLiteral("Algerian");

constexpr int clientWidth = 1174;
constexpr int clientHeight = 831;
const QSize sheetSize(1169, 827);
const QPoint designPosition(659, 294);

// The name starts where the layout puts it and must stay clear of the rosette, whose ribbon
// reaches down into the name's line from x 908; a longer name is drawn smaller, down to a size
// still easily read, and past that it is cut short.
constexpr int nameRightEdge = 900;
constexpr int smallestNamePixels = 20;

QImage whiteSheet(QSize size)
{
    QImage sheet(size, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    return sheet;
}

// "Algerian" is a decorative titling face that Linux desktops do not have; Romande ADF Style
// (Debian's fonts-adf-romande) has the same engraved capitals feel. Serif faces follow in case
// that package is missing.
void substituteAlgerian()
{
    QFont::insertSubstitutions(algerian,
        { QStringLiteral("Romande ADF Style Std"), QStringLiteral("URW Bookman"), QStringLiteral("DejaVu Serif") });
}

// Every label but the name sizes itself to its text, once the certificate is first worded
// (sizeLabels): measuring a text loads its face, and most runs never show a certificate.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QFont& font, int left, int top)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->move(left, top);
    if (qstrcmp(name, "namelb") != 0)
        setAutoSize(label);
    label->setText(text);
    label->hide();
    return label;
}

QImage toImage(const quorvex::RgbImage& decoded)
{
    QImage image(decoded.width, decoded.height, QImage::Format_RGB888);
    const size_t rowBytes = static_cast<size_t>(decoded.width) * 3;
    for (int y = 0; y < decoded.height; ++y)
        std::copy_n(decoded.row(y), rowBytes, image.scanLine(y));
    return image.convertToFormat(QImage::Format_RGB32);
}

// Draws a text from x on a baseline over white cells the size of the text, so that whatever
// lay beneath those cells is covered.
void drawOpaque(QPainter& painter, const QFont& font, const QColor& colour, const QString& text, int x, int baseline)
{
    const QFontMetrics metrics(font);
    painter.fillRect(
        QRect(x, baseline - metrics.ascent(), metrics.horizontalAdvance(text), metrics.height()), Qt::white);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(x, baseline, text);
}

// Draws a label's text with its top-left corner at (x, label top).
void drawOpaque(QPainter& painter, const QLabel* label, int x)
{
    drawOpaque(
        painter, label->font(), textColour(label), label->text(), x, label->y() + QFontMetrics(label->font()).ascent());
}

// The name from x, on the baseline of its full size, smaller or cut short with "..." where it
// would reach past the right edge.
void drawName(QPainter& painter, const QLabel* label, int x)
{
    const int room = nameRightEdge - x;
    QFont font = label->font();
    QString text = label->text();
    while (font.pixelSize() > smallestNamePixels && QFontMetrics(font).horizontalAdvance(text) > room)
        font.setPixelSize(font.pixelSize() - 1);
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(text) > room) {
        const QString dots = QStringLiteral("...");
        while (!text.isEmpty() && metrics.horizontalAdvance(text + dots) > room)
            text.chop(1);
        text = text.trimmed() + dots;
    }
    drawOpaque(painter, font, textColour(label), text, x, label->y() + QFontMetrics(label->font()).ascent());
}

} // namespace

int textWidth(const QLabel* label, const QString& text)
{
    return QFontMetrics(label->font()).horizontalAdvance(text);
}

void setSizedText(QLabel* label, const QString& text)
{
    label->setText(text);
    if (label->property("autoSize").toBool())
        label->resize(textWidth(label, text), QFontMetrics(label->font()).height());
}

TCertificatefrm::TCertificatefrm(QWidget* parent, quorvex::BytesView artwork)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    substituteAlgerian();
    setObjectName(QStringLiteral("Certificatefrm"));
    setWindowTitle(tr("Certificate"));
    setModal(true);
    setFont(pixelFont(arial, 27, true));
    installHelpKey(this);
    buildControls();
    move(designPosition);

    // Most runs print no certificate: the sheet is decoded when it is first needed. The built-in
    // artwork lies in the program for its whole run and is read where it lies, untouched until
    // then; other artwork is copied, as the caller's bytes may not outlive the window.
    const bool builtIn = artwork.data() == quorvex::certificateArtJpeg().data();
    ui.certimjpeg->setPictureSource([this, builtIn, view = builtIn ? artwork : quorvex::BytesView(),
                                        copy = builtIn ? quorvex::Bytes() : quorvex::Bytes(artwork)] {
        const quorvex::BytesView jpeg = builtIn ? view : quorvex::BytesView(copy);
        const quorvex::Result<quorvex::RgbImage> decoded = quorvex::decodeJpeg(jpeg, quorvex::certificateArtName);
        if (decoded.ok())
            return toImage(*decoded);
        // A plain sheet still carries the certificate's words.
        artworkError = decoded.error();
        return whiteSheet(sheetSize);
    });
    ui.certimjpeg->resize(sheetSize);
}

TCertificatefrm::~TCertificatefrm() = default;

void TCertificatefrm::buildControls()
{
    ui.MainMenu1 = new QMenuBar(this);
    ui.MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    // A menu reads in the desktop's menu face, not in the certificate's large lettering.
    ui.MainMenu1->setFont(QApplication::font(ui.MainMenu1));
    auto item = [this](QAction*& member, const char* name, const QString& text) {
        member = ui.MainMenu1->addAction(text);
        member->setObjectName(QString::fromLatin1(name));
    };
    item(ui.Print1, "Print1", tr("Print"));
    //: Menu command: asks for the name printed under the certificate.
    item(ui.Printedby1, "Printedby1", tr("Printed &by..."));
    //: Menu command: closes the certificate.
    item(ui.Exit1, "Exit1", tr("Exit"));
    ui.Print1->setShortcut(QKeySequence::Print);
    connect(ui.Print1, &QAction::triggered, this, &TCertificatefrm::Print1Click);
    connect(ui.Printedby1, &QAction::triggered, this, &TCertificatefrm::Printedby1Click);
    connect(ui.Exit1, &QAction::triggered, this, &TCertificatefrm::Exit1Click);

    // The sheet scrolls only where the screen is too small to show it whole.
    ui.certscroll = new QScrollArea(this);
    ui.certscroll->setObjectName(QStringLiteral("certscroll"));
    ui.certscroll->setFrameShape(QFrame::NoFrame);
    ui.certscroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui.certscroll->setAccessibleName(tr("Certificate"));
    ui.client = new QWidget;
    ui.client->setObjectName(QStringLiteral("client"));
    ui.client->setFixedSize(clientWidth, clientHeight);
    ui.certscroll->setWidget(ui.client);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(ui.MainMenu1);
    layout->addWidget(ui.certscroll);

    ui.certimjpeg = new ImageControl(ui.client);
    ui.certimjpeg->setObjectName(QStringLiteral("certimjpeg"));
    ui.certim = new ImageControl(ui.client);
    ui.certim->setObjectName(QStringLiteral("certim"));
    const QSize design(sheetSize.width(), 825);
    ui.certim->setPictureSource([design] { return whiteSheet(design); });
    ui.certim->setGeometry(QRect(QPoint(0, 0), design));

    const QFont windowFont = font();
    const QFont titling = pixelFont(algerian, 67, false);
    const QFont type = pixelFont(algerian, 40, false);
    //: The certificate's heading, in large decorative capitals. Room: about 650 px at 67 px.
    ui.l1lb = makeLabel(ui.client, "l1lb", tr("Congratulations!!!"), titling, 216, 184);
    ui.namelb = makeLabel(ui.client, "namelb", QString(), pixelFont(arial, 40, true), 502, 272);
    //: Certificate line, followed by the score on the next line ("7 correct out of 10 asked!").
    ui.l3lb = makeLabel(ui.client, "l3lb", tr("You got"), windowFont, 518, 336);
    ui.numlb = makeLabel(ui.client, "numlb", QString(), windowFont, 528, 384);
    ui.typelb = makeLabel(ui.client, "typelb", QString(), type, 377, 448);
    ui.involvelb = makeLabel(ui.client, "involvelb", QString(), windowFont, 516, 512);
    ui.tablelb = makeLabel(ui.client, "tablelb", QString(), windowFont, 528, 560);
    ui.weblb = makeLabel(ui.client, "weblb", QStringLiteral("quorvex.test"), pixelFont(arial, 13, false), 1015, 740);
    setTextColour(ui.weblb, grey);
}

void TCertificatefrm::sizeLabels()
{
    if (labelsSized)
        return;
    labelsSized = true;
    ui.namelb->resize(132, QFontMetrics(ui.namelb->font()).height());
    for (QLabel* label : { ui.l1lb, ui.l3lb, ui.numlb, ui.typelb, ui.involvelb, ui.tablelb, ui.weblb })
        setSizedText(label, label->text());
}

void TCertificatefrm::setComposedWords(const CertificateWords& words)
{
    sizeLabels();
    setSizedText(ui.namelb, words.name);
    setSizedText(ui.numlb, words.score);
    setSizedText(ui.typelb, words.type);
    setSizedText(ui.involvelb, words.involve);
    setSizedText(ui.tablelb, words.table);
}

void TCertificatefrm::setNameDialog(TWhoami* whoami)
{
    Whoami = whoami;
}

void TCertificatefrm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    fitToScreen();
    refitOnceFramed(this, [this] { fitToScreen(); });
    FormShow();
}

void TCertificatefrm::fitToScreen()
{
    const QSize client = (QSizeF(clientWidth, clientHeight) * m_zoom).toSize();
    ui.client->setFixedSize(client);
    QSize whole(client.width(), client.height() + ui.MainMenu1->sizeHint().height());
    QRect placed = placeOnScreen(this, whole, designPosition);
    // A scroll bar in one direction takes room from the other: the window grows by its width
    // where the screen allows, so that a sheet too high for the screen scrolls only upwards.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, ui.certscroll);
    if (placed.height() < whole.height())
        placed = placeOnScreen(this, whole += QSize(bar, 0), designPosition);
    if (placed.width() < whole.width())
        placed = placeOnScreen(this, whole += QSize(0, bar), designPosition);
    setFixedSize(placed.size());
    move(placed.topLeft());
    ui.certscroll->horizontalScrollBar()->setValue(0);
    ui.certscroll->verticalScrollBar()->setValue(0);
}

void TCertificatefrm::FormShow()
{
    sizeLabels();
    QImage picture = ui.certimjpeg->picture().copy();
    if (artworkError) {
        reportFileError(this, *artworkError);
        artworkError.reset();
    }
    {
        QPainter painter(&picture);
        const int middle = picture.width() / 2;
        // A label that sizes itself to its text is as wide as its text; the name keeps its width.
        auto centred = [middle](const QLabel* label) {
            const int width = label->property("autoSize").toBool() ? textWidth(label, label->text()) : label->width();
            return middle - width / 2;
        };
        drawOpaque(painter, ui.l1lb, ui.l1lb->x());
        drawOpaque(painter, ui.l3lb, ui.l3lb->x());
        drawOpaque(painter, ui.numlb, centred(ui.numlb));
        drawOpaque(painter, ui.typelb, centred(ui.typelb));
        drawName(painter, ui.namelb, centred(ui.namelb));
        drawOpaque(painter, ui.involvelb, centred(ui.involvelb));
        drawOpaque(painter, ui.weblb, ui.weblb->x());
        drawOpaque(painter, ui.tablelb, centred(ui.tablelb));
    }
    ui.certim->setPicture(picture);
    // Shown at the main window's zoom; at zoom 1 the sheet's own pixels.
    const QSize shown = (QSizeF(picture.size()) * m_zoom).toSize();
    for (ImageControl* sheet : { ui.certimjpeg, ui.certim }) {
        sheet->setZoom(m_zoom, picture.size());
        sheet->resize(m_zoom == 1 ? picture.size() : shown);
    }
}

const Printer* TCertificatefrm::printer()
{
    if (!Printer1)
        Printer1 = Printer::create(this);
    return Printer1.get();
}

void TCertificatefrm::Print1Click()
{
    const Printer* made = printer();
    if (!made)
        return;
    const Printer& target = *made;
    target.pages().setPageOrientation(QPageLayout::Landscape);
    proposePdfFile(target, tr("Certificate"), ui.namelb->text());
    if (!userDialogs().runPrintDialog(this, target.printer()))
        return;
    const QString printedBy = Whoami ? Whoami->name() : QString();
    if (const std::optional<QString> failure = printPicture(*ui.certim, target, printedBy))
        userDialogs().reportError(this, *failure);
    else
        //: Subject of the sentence "%1 was saved as ...".
        tellWherePdfWent(this, target, tr("The certificate"));
}

void TCertificatefrm::Printedby1Click()
{
    if (Whoami)
        Whoami->exec();
}

void TCertificatefrm::Exit1Click()
{
    accept();
}
