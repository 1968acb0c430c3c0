#include "shell/captionsfit.h"
#include "shell/shellfixture.h"

#include "shell/catalogue.h"

#include <QLabel>
#include <QRadioButton>

using namespace Zyntra;

// Every caption a user reads is whole and readable: in any layout of any
// figure window, each label's text fits its box at its own size, and the
// whole box of an option answers a click.
class TestCaptionsFit : public QObject {
    Q_OBJECT
private slots:
    void everyCaptionFitsItsBox_data();
    void everyCaptionFitsItsBox();
};

void TestCaptionsFit::everyCaptionFitsItsBox_data()
{
    QTest::addColumn<QString>("item");
    for (const FigureEntry *figure : figureCatalogue())
        QTest::newRow(figure->caption) << menuItemName(*figure);
}

void TestCaptionsFit::everyCaptionFitsItsBox()
{
    QFETCH(QString, item);
    ShellFixture program;
    FigureWindow *window = program.open<FigureWindow>(item);
    QVERIFY(window);
    QStringList cut;
    const auto check = [&] { cut << cutCaptions(window); };
    check();
    for (QRadioButton *option : window->findChildren<QRadioButton *>()) {
        if (!option->isVisible())
            continue;
        // Far from the mark and the text: the box's bottom right corner.
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(option->width() - 2, option->height() - 2));
        if (!option->isChecked())
            cut << option->objectName() + QStringLiteral(" ignores a click in its box");
        check();
    }
    cut.removeDuplicates();
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestCaptionsFit)
#include "tst_captionsfit.moc"
