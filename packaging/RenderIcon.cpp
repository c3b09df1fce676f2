// Draws the program's SVG icon into a square PNG for the icon themes that want fixed sizes.
// Usage: render-icon SVG SIDE PNG

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char** argv)
{
    QTextStream err(stderr);
    bool sideOk = false;
    const int side = argc == 4 ? QString::fromLocal8Bit(argv[2]).toInt(&sideOk) : 0;
    if (!sideOk || side <= 0) {
        err << "usage: render-icon SVG SIDE PNG\n";
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        err << "render-icon: cannot read " << argv[1] << '\n';
        return 1;
    }
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, side, side));
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        err << "render-icon: cannot write " << argv[3] << '\n';
        return 1;
    }
    return 0;
}
