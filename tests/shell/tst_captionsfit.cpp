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
    const auto check = [&] {
        for (QLabel *label : window->findChildren<QLabel *>()) {
            if (!label->isVisible() || label->text().isEmpty() || label->wordWrap())
                continue;
            const QFontMetrics metrics(label->font());
            const int needed = metrics.horizontalAdvance(label->text());
            // Descenders too: a heading must not run into what lies below it.
            const QRect ink = metrics.boundingRect(label->contentsRect(), int(label->alignment()), label->text());
            QRect room = label->contentsRect().translated(label->mapTo(window, QPoint()));
            for (QWidget *other : window->findChildren<QWidget *>())
                if (other->isVisible() && other != label && !other->isAncestorOf(label) && !label->isAncestorOf(other)
                    && other->parentWidget() == label->parentWidget() && other->y() > label->y())
                    room.setBottom(std::min(room.bottom(), other->mapTo(window, QPoint()).y() - 1));
            if (needed > label->contentsRect().width()
                || ink.translated(label->mapTo(window, QPoint())).bottom() > room.bottom())
                cut << QStringLiteral("%1 \"%2\" needs %3 of %4")
                           .arg(label->objectName(), label->text())
                           .arg(needed)
                           .arg(label->width());
        }
    };
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
