// Draws an SVG file at a given size as the program draws its SVG pictures on screen, into a PNG file
// (the icon themes' fixed-size icon) or, for any other name, into the premultiplied ARGB32 pixels
// themselves, row after row (the pictures of the program's start, which then take no decoding).
// Usage: render-svg SVG WIDTH HEIGHT OUTPUT

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char** argv)
{
    // The texts of a picture need the font database, which needs an application; no display does.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QGuiApplication::arguments();
    bool widthOk = false;
    bool heightOk = false;
    const int width = arguments.size() == 5 ? arguments[2].toInt(&widthOk) : 0;
    const int height = arguments.size() == 5 ? arguments[3].toInt(&heightOk) : 0;
    if (!widthOk || !heightOk || width <= 0 || height <= 0) {
        err << "usage: render-svg SVG WIDTH HEIGHT OUTPUT\n";
        return 2;
    }
    QSvgRenderer renderer(arguments[1]);
    if (!renderer.isValid()) {
        err << "render-svg: cannot read " << arguments[1] << '\n';
        return 1;
    }
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, width, height));
    painter.end();
    const QString& output = arguments[4];
    QFile pixels(output);
    const bool written = output.endsWith(QStringLiteral(".png"))
                             ? image.save(output, "PNG")
                             : pixels.open(QIODevice::WriteOnly) &&
                                   pixels.write(reinterpret_cast<const char*>(image.constBits()),
                                                image.sizeInBytes()) == image.sizeInBytes();
    if (!written) {
        err << "render-svg: cannot write " << arguments[4] << '\n';
        return 1;
    }
    return 0;
}
