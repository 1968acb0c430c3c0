#include "shell/shellfixture.h"

#include "shell/figurecommands.h"

#include <QLabel>
#include <QRadioButton>

using namespace Zyntra;

// Every caption a user reads is whole and readable: in any layout of any
// figure window, each label's text fits its box at 7 points or more.
class TestCaptionsFit : public QObject {
    Q_OBJECT
private slots:
    void everyCaptionFitsItsBox_data();
    void everyCaptionFitsItsBox();
};

void TestCaptionsFit::everyCaptionFitsItsBox_data()
{
    QTest::addColumn<QString>("item");
    for (size_t i = 0; i < Geometry2dCommands.size(); ++i)
        QTest::newRow(Geometry2dCommands[i].caption) << arrayName(QStringLiteral("mnuGeometryItem"), int(i));
    for (size_t i = 0; i < Geometry3dCommands.size(); ++i)
        QTest::newRow(Geometry3dCommands[i].caption) << arrayName(QStringLiteral("mnu3dGeometryItem"), int(i));
}

void TestCaptionsFit::everyCaptionFitsItsBox()
{
    QFETCH(QString, item);
    ShellFixture program;
    FigureWindow *window = program.open<FigureWindow>(item);
    QVERIFY(window);
    QStringList cut;
    const auto check = [&] {
        for (QLabel *label : window->findChildren<QLabel *>()) {
            if (!label->isVisible() || label->text().isEmpty() || label->wordWrap())
                continue;
            QFont smallest = label->font();
            smallest.setPointSizeF(std::min(smallest.pointSizeF(), 7.0));
            const int needed = QFontMetrics(smallest).horizontalAdvance(label->text());
            if (needed > label->contentsRect().width())
                cut << QStringLiteral("%1 \"%2\" needs %3 of %4").arg(label->objectName(), label->text())
                           .arg(needed).arg(label->width());
        }
    };
    check();
    for (QRadioButton *option : window->findChildren<QRadioButton *>()) {
        if (!option->isVisible())
            continue;
        QTest::mouseClick(option, Qt::LeftButton);
        check();
    }
    cut.removeDuplicates();
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestCaptionsFit)
#include "tst_captionsfit.moc"
