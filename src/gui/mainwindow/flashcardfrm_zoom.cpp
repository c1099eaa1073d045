// The window's zoom: larger for a projector or for eyes that need it, smaller for a netbook;
// and the whole screen. Every control keeps its place in the design, scaled as a whole.

#include "gui/controls/controlhelpers.h"
#include "gui/controls/imagecontrol.h"
#include "gui/controls/wrappingradiobutton.h"
#include "gui/mainwindow/flashcardfrm.h"
#include "gui/platform/screenfit.h"
#include "gui/platform/settings.h"
#include "gui/windows/certificatefrm.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {

constexpr QSize designSize(1075, 684);
constexpr double smallestZoom = 0.5;
constexpr double largestZoom = 2;
// The steps of Zoom In and Zoom Out.
constexpr double steps[] = { 0.5, 0.6, 0.7, 0.8, 0.9, 1, 1.1, 1.25, 1.5, 1.75, 2 };

const QString zoomKey = QStringLiteral("mainWindow/zoom");

QRect scaled(const QRect& place, double zoom)
{
    // Both edges are scaled, so that controls that meet in the design meet at every zoom.
    const int left = static_cast<int>(std::lround(place.left() * zoom));
    const int top = static_cast<int>(std::lround(place.top() * zoom));
    const int right = static_cast<int>(std::lround((place.right() + 1) * zoom));
    const int bottom = static_cast<int>(std::lround((place.bottom() + 1) * zoom));
    return QRect(left, top, right - left, bottom - top);
}

QFont scaled(QFont font, double zoom)
{
    // Rounded down, so that a caption that fits its control at zoom 1 fits it at every zoom.
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, static_cast<int>(std::floor(font.pixelSize() * zoom + 1e-6))));
    else
        font.setPointSizeF(font.pointSizeF() * zoom);
    return font;
}

// A caption drawn a pixel wider than its control in the scaled font (text does not scale quite in
// proportion) is condensed just enough to fit, as the design condenses a few at zoom 1.
void condenseToFit(QWidget* control, const QFont& design)
{
    if (qobject_cast<WrappingRadioButton*>(control))
        return; // it wraps instead
    QString text;
    int room = 0;
    if (auto* label = qobject_cast<QLabel*>(control); label && !label->wordWrap()) {
        text = label->text();
        room = label->contentsRect().width();
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        text = button->text();
        room = control->width() - (control->sizeHint().width() - control->fontMetrics().horizontalAdvance(text));
    }
    text.remove(QLatin1Char('&'));
    const int needed = control->fontMetrics().horizontalAdvance(text);
    if (text.isEmpty() || text.contains(QLatin1Char('\r')) || needed <= room || room <= 0)
        return;
    QFont condensed = control->font();
    const int stretch = design.stretch() > 0 ? design.stretch() : 100;
    condensed.setStretch(std::max(80, stretch * room / needed));
    control->setFont(condensed);
}

} // namespace

void Tflashcardfrm::wireZoom()
{
    ui.ZoomIn1->setShortcuts({ QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal) });
    ui.ZoomOut1->setShortcut(QKeySequence::ZoomOut);
    ui.ActualSize1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    ui.FullScreen1->setShortcut(QKeySequence(Qt::Key_F11));
    // What is remembered is the zoom asked for: Normal Size is 1 on every screen, however much
    // smaller this one showed it.
    const auto remembered = [this](double zoom) {
        zoom = std::clamp(zoom, smallestZoom, largestZoom);
        zoomTo(zoom);
        if (!isFullScreen() && rememberingChoices())
            programSettings().setValue(zoomKey, zoom);
    };
    connect(ui.ZoomIn1, &QAction::triggered, this, [this, remembered] {
        const auto next
            = std::find_if(std::begin(steps), std::end(steps), [this](double s) { return s > m_zoom + 1e-6; });
        remembered(next == std::end(steps) ? largestZoom : *next);
    });
    connect(ui.ZoomOut1, &QAction::triggered, this, [this, remembered] {
        double below = smallestZoom;
        for (double s : steps)
            below = s < m_zoom - 1e-6 ? s : below;
        remembered(below);
    });
    connect(ui.ActualSize1, &QAction::triggered, this, [remembered] { remembered(1); });
    connect(ui.FullScreen1, &QAction::toggled, this, &Tflashcardfrm::setFullScreen);
}

double Tflashcardfrm::fittingZoom() const
{
    const QScreen* shownOn = screen();
    if (!shownOn)
        return largestZoom;
    const QRect area = isFullScreen() ? shownOn->geometry() : shownOn->availableGeometry();
    // The frame as the window system draws it, once known; the menu bar as it stands.
    const QMargins frame = isFullScreen() ? QMargins() : frameMarginsOf(this);
    const int menu = menuBar()->sizeHint().height();
    const double across = double(area.width() - frame.left() - frame.right()) / designSize.width();
    const double down = double(area.height() - frame.top() - frame.bottom() - menu) / designSize.height();
    return std::clamp(std::min(across, down), 0.1, largestZoom);
}

void Tflashcardfrm::zoomTo(double zoom)
{
    // Never larger than the screen: a window partly off the screen hides controls.
    zoom = std::clamp(zoom, std::min(smallestZoom, fittingZoom()), std::min(largestZoom, fittingZoom()));
    zoom = std::round(zoom * 1000) / 1000;
    auto* client = findChild<QWidget*>(QStringLiteral("client"));
    if (m_design.empty()) {
        if (zoom == m_zoom)
            return;
        // The design as the window was made, before the first zoom.
        m_design.push_back({ client, QRect(QPoint(), designSize), client->font(), true, false });
        for (QWidget* control : client->findChildren<QWidget*>()) {
            if (control->objectName().isEmpty() || control->objectName().startsWith(QLatin1String("qt_")))
                continue;
            const bool placed = !control->parentWidget()->layout();
            m_design.push_back(
                { control, control->geometry(), control->font(), control->testAttribute(Qt::WA_SetFont), placed });
        }
    }
    m_zoom = zoom;
    for (const Design& design : m_design) {
        if (auto* picture = qobject_cast<ImageControl*>(design.widget.data()))
            picture->setZoom(zoom, design.place.size());
    }
    for (const Design& design : m_design) {
        // A picture draws at its design size in its design font, and is shown scaled.
        if (qobject_cast<ImageControl*>(design.widget.data()))
            continue;
        if (design.widget && design.ownFont)
            design.widget->setFont(scaled(design.font, zoom));
        else if (design.widget && design.widget->testAttribute(Qt::WA_SetFont))
            design.widget->setFont(QFont()); // condensed at another zoom: its parent's again
    }
    client->setFixedSize(scaled(QRect(QPoint(), designSize), zoom).size());
    for (const Design& design : m_design) {
        if (!design.widget || !design.placed)
            continue;
        design.widget->setGeometry(scaled(design.place, zoom));
        // A label that widens for its caption widens for the caption in its new font.
        if (auto* label = qobject_cast<QLabel*>(design.widget.data()); label && label->property("autoSize").toBool())
            setCaption(label, label->text());
        else if (zoom != 1)
            condenseToFit(design.widget, design.widget->font());
    }
    if (Certificatefrm)
        Certificatefrm->setZoom(zoom);
    // The window takes its new size at once, and stays on the screen as it grows.
    if (!isFullScreen()) {
        layout()->activate();
        adjustSize();
        if (isVisible() && screen())
            move(topLeftWithin(screen()->availableGeometry(), frameGeometry().size(), frameGeometry().topLeft()));
    }
    ui.ZoomIn1->setEnabled(m_zoom < std::min(largestZoom, fittingZoom()) - 1e-3);
    ui.ZoomOut1->setEnabled(m_zoom > smallestZoom + 1e-3);
}

void Tflashcardfrm::zoomAtStart()
{
    bool ok = false;
    double wanted = rememberingChoices() ? programSettings().value(zoomKey, 1.0).toDouble(&ok) : 1.0;
    // A zoom this program cannot have chosen is not taken for the nearest it can.
    if (!ok || !(wanted >= smallestZoom && wanted <= largestZoom))
        wanted = 1.0;
    if (wanted != 1 || fittingZoom() < 1)
        zoomTo(wanted);
    // The frame is known only once the window is framed: a window that then does not fit
    // is made smaller again.
    refitOnceFramed(this, [this] {
        zoomTo(m_zoom);
        move(topLeftWithin(screen()->availableGeometry(), frameGeometry().size(), frameGeometry().topLeft()));
    });
}

void Tflashcardfrm::setFullScreen(bool on)
{
    if (on == isFullScreen())
        return;
    if (on) {
        m_zoomBeforeFullScreen = m_zoom;
        // The window's fixed size is lifted so that it can take the screen.
        layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        showFullScreen();
        zoomTo(largestZoom);
    } else {
        showNormal();
        layout()->setSizeConstraint(QLayout::SetFixedSize);
        zoomTo(m_zoomBeforeFullScreen);
        // The window manager gives the window back the size it had before, after this: it takes
        // its own size again once it has.
        QTimer::singleShot(200, this, [this] {
            if (isFullScreen())
                return;
            zoomTo(m_zoom);
            if (const QScreen* shownOn = screen()) {
                QRect frame = frameGeometry();
                frame.moveCenter(shownOn->availableGeometry().center());
                move(topLeftWithin(shownOn->availableGeometry(), frame.size(), frame.topLeft()));
            }
        });
    }
}
