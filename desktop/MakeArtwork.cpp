// Draws the program's pictures at build time: the hand pointer file the
// windows read from the program's folder, and the icon's pixel sizes from
// its scalable drawing.
//   tallowmere_artwork cursor OUT.CUR
//   tallowmere_artwork icon IN.svg SIZE OUT.png
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

#include <cstdio>
#include <vector>

namespace {

constexpr int kCursorSize = 32;
// Where the pointer points: the tip of the index finger.
constexpr int kHotSpotX = 10;
constexpr int kHotSpotY = 1;

// A pointing hand, drawn back to front: thumb, palm, the three folded
// fingers, then the index finger up.
std::vector<QPainterPath> handParts() {
    std::vector<QPainterPath> parts;
    QPainterPath thumb;
    thumb.moveTo(9, 25);
    thumb.lineTo(2.5, 17.5);
    thumb.cubicTo(0.5, 15, 3, 12.5, 5.5, 14.5);
    thumb.lineTo(9, 18);
    parts.push_back(thumb);
    const QRectF rounded[] = {
        {7.5, 14.5, 19, 13.5}, // palm
        {21.5, 11.5, 5, 8},    // little
        {17.0, 10.0, 5, 8.5},  // ring
        {12.5, 9.0, 5, 9},     // middle
        {7.5, 0.5, 5, 17},     // index
    };
    for (const QRectF& part : rounded) {
        QPainterPath path;
        path.addRoundedRect(part, 2.5, 2.5);
        parts.push_back(path);
    }
    return parts;
}

bool writeCursor(const QString& path) {
    QImage image(kCursorSize, kCursorSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    for (const QPainterPath& part : handParts())
        painter.drawPath(part);
    painter.end();
    if (!image.save(path, "ICO"))
        return false;
    // An icon file turned into a cursor file: the type, and the hot spot
    // where an icon keeps its colour planes and bit count.
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray bytes = file.readAll();
    bytes[2] = 2;
    bytes[10] = char(kHotSpotX);
    bytes[11] = 0;
    bytes[12] = char(kHotSpotY);
    bytes[13] = 0;
    return file.seek(0) && file.write(bytes) == bytes.size();
}

bool writeIcon(const QString& svg, int size, const QString& path) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return false;
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image.save(path, "PNG");
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    bool written = false;
    if (arguments.size() == 3 && arguments[1] == QStringLiteral("cursor"))
        written = writeCursor(arguments[2]);
    else if (arguments.size() == 5 && arguments[1] == QStringLiteral("icon"))
        written = writeIcon(arguments[2], arguments[3].toInt(), arguments[4]);
    else
        std::fputs("usage: tallowmere_artwork cursor OUT.CUR | icon IN.svg SIZE OUT.png\n", stderr);
    if (!written && arguments.size() > 2)
        std::fprintf(stderr, "tallowmere_artwork: could not write %s\n",
                     qPrintable(arguments.last()));
    return written ? 0 : 1;
}
