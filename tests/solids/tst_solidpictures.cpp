#include "shell/catalogue.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

// The solids' drawings as a person sees them: white (or, for the sphere,
// blue) lines and red dimensions on a black ground, filling the picture box.
class TestSolidPictures : public QObject {
    Q_OBJECT
private slots:
    void drawingIsWhiteAndRedOnBlack_data();
    void drawingIsWhiteAndRedOnBlack();
};

namespace {

// Close enough to count, whatever the smoothing of the edges left.
bool near(const QColor &pixel, const QColor &colour)
{
    return qAbs(pixel.red() - colour.red()) < 60 && qAbs(pixel.green() - colour.green()) < 60
           && qAbs(pixel.blue() - colour.blue()) < 60;
}

} // namespace

void TestSolidPictures::drawingIsWhiteAndRedOnBlack_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QColor>("lines");
    // Every drawing of the 3D Objects menu, as the catalogue names them; the
    // sphere's alone draws its lines blue.
    for (const Zyntra::FigureEntry *figure : Zyntra::figureMenu(Zyntra::FigureMenu::Solid))
        for (const Zyntra::FigureDrawing &drawing : figure->drawings)
            QTest::newRow(drawing.resource + 11)
                << QString::fromLatin1(drawing.resource)
                << (qstrcmp(figure->id, "sphere") == 0 ? QColor(0x3c, 0x7d, 0xff) : QColor(Qt::white));
}

void TestSolidPictures::drawingIsWhiteAndRedOnBlack()
{
    QFETCH(QString, resource);
    QFETCH(QColor, lines);
    QSvgRenderer drawing(resource);
    QVERIFY2(drawing.isValid(), qPrintable(resource));
    QCOMPARE(drawing.viewBox(), QRect(0, 0, 264, 211));

    QImage image(264, 211, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    drawing.render(&painter);
    painter.end();

    int black = 0, lineColoured = 0, red = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            black += pixel == Qt::black;
            lineColoured += near(pixel, lines);
            red += near(pixel, Qt::red);
        }
    }
    const int all = image.width() * image.height();
    QVERIFY2(black > all / 2, qPrintable(QString::number(black)));
    QVERIFY2(lineColoured > 300, qPrintable(QString::number(lineColoured)));
    QVERIFY2(red > 60, qPrintable(QString::number(red))); // dimension lines and letters
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
    QCOMPARE(image.pixelColor(263, 210), QColor(Qt::black));
}

QTEST_MAIN(TestSolidPictures)
#include "tst_solidpictures.moc"
