// A deferred picture is drawn once, when its window is first shown or rendered, and never for a window
// that stays hidden.
#include "ui/DeferredPicture.h"

#include "tests/support/TestRegistry.h"

#include <QPainter>
#include <QTest>
#include <QWidget>

namespace {

enum class Use { None, Show, Render, RenderTwice };

QImage redSquare()
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image;
}

} // namespace

Q_DECLARE_METATYPE(Use)

class DeferredPictureTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void drawnOnFirstUse_data()
    {
        QTest::addColumn<Use>("use");
        QTest::addColumn<int>("drawings");
        QTest::newRow("window never shown") << Use::None << 0;
        QTest::newRow("window shown") << Use::Show << 1;
        QTest::newRow("hidden window rendered, as printing does") << Use::Render << 1;
        QTest::newRow("rendered twice") << Use::RenderTwice << 1;
    }

    void drawnOnFirstUse()
    {
        QFETCH(Use, use);
        QFETCH(int, drawings);
        QWidget window;
        window.resize(40, 30);
        int drawn = 0;
        auto* picture = new ui::DeferredPicture(
            [&drawn] {
                ++drawn;
                return QPixmap::fromImage(redSquare());
            },
            &window);
        picture->setGeometry(5, 5, 20, 10);
        QCoreApplication::processEvents(); // what the program's event loop does before anything is shown
        QImage page(window.size(), QImage::Format_RGB32);
        page.fill(Qt::white);
        if (use == Use::Show) {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        }
        for (int i = 0; i < (use == Use::Render ? 1 : use == Use::RenderTwice ? 2 : 0); ++i) {
            QPainter painter(&page);
            window.render(&painter);
        }
        QCOMPARE(drawn, drawings);
        QCOMPARE(picture->pixmap().isNull(), drawings == 0);
        if (drawings > 0) QCOMPARE(picture->pixmap().toImage(), redSquare());
        if (use == Use::Render || use == Use::RenderTwice) QCOMPARE(page.pixelColor(10, 10), QColor(Qt::red));
    }
};

FROSTDIL_REGISTER_TEST(DeferredPictureTest)
#include "DeferredPictureTest.moc"
