#include "gui/platform/deferredicons.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPixmapCache>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>
#include <QWidget>
#include <optional>

namespace {

// Stands for one standard icon of a style, asking the style for it at first use.
class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(
        const QStyle* style, QStyle::StandardPixmap which, const QStyleOption* option, const QWidget* widget)
        : m_style(const_cast<QStyle*>(style))
        , m_which(which)
        , m_widget(const_cast<QWidget*>(widget))
    {
        // The option describes the moment of asking; the icon is kept by value from then on.
        if (option) {
            m_direction = option->direction;
            m_palette = option->palette;
        }
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& icon()
    {
        if (!m_icon) {
            QStyleOption option;
            if (m_direction) {
                option.direction = *m_direction;
                option.palette = m_palette;
            }
            m_icon = m_style ? m_style->standardIcon(m_which, m_direction ? &option : nullptr, m_widget) : QIcon();
        }
        return *m_icon;
    }

    QPointer<QStyle> m_style;
    QStyle::StandardPixmap m_which;
    QPointer<QWidget> m_widget;
    std::optional<Qt::LayoutDirection> m_direction;
    QPalette m_palette;
    std::optional<QIcon> m_icon;
};

// The application's style, unchanged but for standard icons, which wait for their first use.
class DeferredIconStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override
    {
        return QIcon(new DeferredIconEngine(baseStyle(), which, option, widget));
    }
};

// The name under which QPixmap(file) keeps a picture read from a file in the pixmap cache: the
// file's path, its time and size, each number as the hexadecimal digits of its bytes (low
// digit first), and the kind of pixmap.
template <typename T> QString hexBytes(T value)
{
    static const char digits[] = "0123456789abcdef";
    QString hex;
    const auto* byte = reinterpret_cast<const unsigned char*>(&value);
    for (std::size_t i = 0; i < sizeof value; ++i, ++byte) {
        hex += QLatin1Char(digits[*byte & 0xf]);
        hex += QLatin1Char(digits[*byte >> 4]);
    }
    return hex;
}

QString pixmapCacheKey(const QFileInfo& file)
{
    const auto seconds = static_cast<unsigned>(file.lastModified().toSecsSinceEpoch());
    const auto size = static_cast<quint64>(file.size());
    const unsigned pixmapType = 0;
    return QStringLiteral("qt_pixmap") + file.absoluteFilePath() + hexBytes(seconds) + hexBytes(size)
        + hexBytes(pixmapType);
}

} // namespace

QPixmap primeStylePicture(const QString& file)
{
    const QFileInfo info(file);
    const QString key = pixmapCacheKey(info);
    if (QPixmap cached; QPixmapCache::find(key, &cached))
        return cached;
    QImageReader reader(file, info.suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    const QPixmap picture = QPixmap::fromImage(image);
    QPixmapCache::insert(key, picture);
    return picture;
}

void deferStandardIcons()
{
    if (dynamic_cast<DeferredIconStyle*>(QApplication::style()))
        return;
    QApplication::setStyle(new DeferredIconStyle(QApplication::style()->name()));
    primeStylePicture(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"));
}
