// Draws the certificate's background sheet and writes it as the JPEG the program embeds.
//
//     certificate-art OUTPUT.jpg
//
// The picture is 1169 x 827, an A4 landscape sheet at 100 dots per inch. The program draws its
// text lines into the white middle, so nothing here may reach the places where they go.
// The file is written with libjpeg directly so that it is baseline, 8 bits, three components
// and carries a JFIF density of 100 dpi, whatever Qt's own writer would choose.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace {

constexpr int sheetWidth = 1169;
constexpr int sheetHeight = 827;

// The ring border: a band about 60 px wide whose outer edge lies this far in from the sheet.
constexpr double bandOuter = 10;
constexpr double bandWidth = 60;
constexpr double ringRadius = 18;
constexpr double ringPitch = 30; // centre to centre along the band; neighbours overlap
constexpr double ringStroke = 4;
constexpr double ringHalo = 8; // the white gap that lets one ring pass over another

const QColor ink(0, 0, 0);
const QColor paper(255, 255, 255);
const QColor gold(255, 214, 10);
const QColor deepGold(214, 150, 0);
const QColor chainRed(206, 17, 38);
const QColor leafGreen(0, 128, 0);
const QColor ribbonPink(240, 120, 170);
const QColor ribbonShade(196, 70, 130);

void strokeArc(QPainter& p, QPointF centre, double from, double span)
{
    const QRectF box(centre.x() - ringRadius, centre.y() - ringRadius, 2 * ringRadius, 2 * ringRadius);
    // Qt measures arcs in sixteenths of a degree, counter-clockwise from three o'clock.
    const int start = qRound(from * 16);
    const int length = qRound(span * 16);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(paper, ringHalo, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(box, start, length);
    p.setPen(QPen(ink, ringStroke, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(box, start, length);
}

// One straight run of interlaced rings from `from` to `to`. Each ring is drawn whole over the
// previous one, then the previous ring's arc at their left-hand crossing is laid back on top:
// going round any ring, it passes over, under, over, under its neighbours, as woven rings do.
void ringRun(QPainter& p, QPointF from, QPointF to)
{
    const QPointF along = to - from;
    const double length = std::hypot(along.x(), along.y());
    const int count = qMax(2, qRound(length / ringPitch) + 1);
    const double angle = qRadiansToDegrees(std::atan2(-along.y(), along.x())); // Qt's arcs count upwards
    // Where two neighbours cross, seen from the earlier ring: half the angle subtended by the
    // pitch on either side of the direction of the run.
    const double step = length / (count - 1);
    const double crossing = qRadiansToDegrees(std::acos(step / (2 * ringRadius)));
    QPointF previous;
    for (int i = 0; i < count; ++i) {
        const QPointF centre = from + along * (static_cast<double>(i) / (count - 1));
        strokeArc(p, centre, 0, 360);
        if (i > 0) {
            strokeArc(p, previous, angle + crossing - 22, 44);
        }
        previous = centre;
    }
}

void ringBorder(QPainter& p)
{
    const double mid = bandOuter + bandWidth / 2;
    const QPointF topLeft(mid, mid);
    const QPointF topRight(sheetWidth - mid, mid);
    const QPointF bottomRight(sheetWidth - mid, sheetHeight - mid);
    const QPointF bottomLeft(mid, sheetHeight - mid);

    // Fine rules along both edges of the band frame the rings.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(QRectF(bandOuter, bandOuter, sheetWidth - 2 * bandOuter, sheetHeight - 2 * bandOuter));
    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(QRectF(bandOuter + bandWidth, bandOuter + bandWidth, sheetWidth - 2 * (bandOuter + bandWidth),
        sheetHeight - 2 * (bandOuter + bandWidth)));

    ringRun(p, topLeft, topRight);
    ringRun(p, topRight, bottomRight);
    ringRun(p, bottomRight, bottomLeft);
    ringRun(p, bottomLeft, topLeft);

    // A solid boss over each corner, where the runs meet.
    for (QPointF corner : { topLeft, topRight, bottomRight, bottomLeft }) {
        p.setPen(QPen(paper, 4));
        p.setBrush(ink);
        p.drawEllipse(corner, 24, 24);
        p.setPen(QPen(paper, 3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(corner, 15, 15);
        p.setBrush(paper);
        p.setPen(Qt::NoPen);
        p.drawEllipse(corner, 5, 5);
    }
}

QPolygonF diamond(QPointF centre, double halfWidth, double halfHeight)
{
    return QPolygonF({ centre + QPointF(-halfWidth, 0), centre + QPointF(0, -halfHeight),
        centre + QPointF(halfWidth, 0), centre + QPointF(0, halfHeight) });
}

// Yellow diamonds touching tip to tip, each with a red heart, on a red thread.
void diamondChain(QPainter& p, double left, double right, double top, double bottom)
{
    constexpr int count = 10;
    const double cy = (top + bottom) / 2;
    const double halfHeight = (bottom - top) / 2;
    const double halfWidth = (right - left) / (2 * count);

    p.setPen(QPen(chainRed, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(left - 8, cy), QPointF(right + 8, cy));
    for (double end : { left - 12, right + 12 }) {
        p.setBrush(chainRed);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(end, cy), 5, 5);
    }
    for (int i = 0; i < count; ++i) {
        const QPointF centre(left + halfWidth * (2 * i + 1), cy);
        p.setPen(QPen(chainRed, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
        p.setBrush(gold);
        p.drawPolygon(diamond(centre, halfWidth - 1, halfHeight - 1));
        p.setPen(QPen(deepGold, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(diamond(centre, halfWidth * 0.62, halfHeight * 0.62));
        p.setPen(Qt::NoPen);
        p.setBrush(chainRed);
        p.drawPolygon(diamond(centre, halfWidth * 0.3, halfHeight * 0.3));
    }
    // Small red beads where the diamonds touch.
    for (int i = 1; i < count; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(chainRed);
        p.drawEllipse(QPointF(left + halfWidth * 2 * i, cy), 3.5, 3.5);
    }
}

QPolygonF star(QPointF centre, int points, double outer, double inner, double turn)
{
    QPolygonF shape;
    for (int i = 0; i < 2 * points; ++i) {
        const double a = qDegreesToRadians(turn + 180.0 * i / points);
        const double r = (i % 2 == 0) ? outer : inner;
        shape << centre + QPointF(r * std::sin(a), -r * std::cos(a));
    }
    return shape;
}

// One ribbon tail hanging from behind the rosette, its end cut in a swallow-tail notch.
void ribbonTail(QPainter& p, QPointF root, QPointF end, double width)
{
    const QPointF along = end - root;
    const double length = std::hypot(along.x(), along.y());
    const QPointF unit = along / length;
    const QPointF across(-unit.y() * width / 2, unit.x() * width / 2);
    QPolygonF tail({ root - across, root + across, end + across, end - unit * (width * 0.55), end - across });
    p.setPen(QPen(ribbonShade, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ribbonPink);
    p.drawPolygon(tail);
    // A fold line down the middle gives the satin a little shape.
    p.setPen(QPen(ribbonShade, 1.2));
    p.drawLine(root + unit * 10, end - unit * (width * 0.55 + 4));
}

void rosette(QPainter& p)
{
    const QPointF centre(967, 170);
    ribbonTail(p, centre + QPointF(-8, 20), QPointF(925, 280), 34);
    ribbonTail(p, centre + QPointF(8, 20), QPointF(1010, 278), 34);

    p.setPen(QPen(deepGold, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    p.setBrush(gold);
    p.drawPolygon(star(centre, 7, 60, 38, 0));
    // A second, smaller star turned half a point gives the rosette its pleated look.
    p.setBrush(QColor(255, 232, 90));
    p.drawPolygon(star(centre, 7, 44, 30, 180.0 / 7));
    p.setPen(QPen(deepGold, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 31, 31);
    p.setPen(QPen(QColor(0, 90, 0), 2));
    p.setBrush(leafGreen);
    p.drawEllipse(centre, 24, 24);
    p.setPen(QPen(QColor(90, 180, 90), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 17, 17);
}

QImage drawSheet()
{
    QImage sheet(sheetWidth, sheetHeight, QImage::Format_RGB32);
    sheet.fill(paper);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    ringBorder(p);
    diamondChain(p, 305, 805, 105, 150);
    diamondChain(p, 305, 805, 690, 735);
    rosette(p);
    return sheet;
}

bool writeJpeg(const QImage& picture, const char* fileName)
{
    std::FILE* out = std::fopen(fileName, "wb");
    if (out == nullptr) {
        std::perror(fileName);
        return false;
    }
    // The default error handler reports and exits, which is what a build tool wants.
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = static_cast<JDIMENSION>(picture.width());
    info.image_height = static_cast<JDIMENSION>(picture.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 85, TRUE);
    info.write_JFIF_header = TRUE;
    info.density_unit = 1; // dots per inch
    info.X_density = 100;
    info.Y_density = 100;
    info.optimize_coding = TRUE; // still baseline, only smaller Huffman tables
    jpeg_start_compress(&info, TRUE);
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    std::vector<JSAMPLE> row(static_cast<size_t>(rgb.width()) * 3);
    while (info.next_scanline < info.image_height) {
        const uchar* line = rgb.constScanLine(static_cast<int>(info.next_scanline));
        std::copy(line, line + row.size(), row.begin());
        JSAMPROW rows[1] = { row.data() };
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(out) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.jpg\n", argv[0]);
        return 2;
    }
    return writeJpeg(drawSheet(), argv[1]) ? 0 : 1;
}
