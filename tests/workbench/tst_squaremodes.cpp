#include "workbench/planefigures.h"
#include "workbench/squaremodes.h"

#include <QTest>

using namespace Zyntra;

// The workbench's mode table, read without a window.
class TestSquareModes : public QObject {
    Q_OBJECT
private slots:
    void modeTableHoldsEveryFigure();
};

void TestSquareModes::modeTableHoldsEveryFigure()
{
    const QList<FigureCalculation> plane{calculateRectangle,     calculateParallelogram, calculateTrapezoid,
                                         calculateQuadrilateral, calculateAnnulus,       calculateTrapezium,
                                         calculateEqTriangle};
    for (const SquareMode &row : squareModes()) {
        const qint16 mode = row.figure.mode;
        const SquareMode *figure = squareMode(mode);
        QCOMPARE(figure, &row);
        QVERIFY(figure->layout.heading);
        QVERIFY(figure->layout.picture);
        if (mode < plane.size())
            QVERIFY(figure->figure.calculate == plane[mode]);
        // Each described figure names its own routine: one named twice leaves a
        // figure's unnamed. The later ones have none.
        QCOMPARE(row.routine != nullptr, row.figure.section == MenuSection::First);
        for (const SquareMode &other : squareModes())
            QVERIFY2(&other == &row || !row.routine || other.routine != row.routine, row.figure.id);
    }
    QCOMPARE(QString::fromLatin1(squareMode(7)->layout.heading), QStringLiteral("Cube/Parallelopiped Calculations"));
}

QTEST_GUILESS_MAIN(TestSquareModes)
#include "tst_squaremodes.moc"
