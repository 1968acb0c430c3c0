#include "desktop/everywindow.h"
#include "shell/captionsfit.h"

#include "controls/valuefield.h"
#include "shell/language.h"
#include "shell/sheetwindow.h"
#include "shell/usersettings.h"

#include <QApplication>
#include <QRadioButton>

using namespace Zyntra;

// Every caption a user reads is whole and readable: in any layout of any
// figure window, each label's text fits its box at its own size, and the
// whole box of an option answers a click. Under Deutsch the same, and no
// English is left.
class TestCaptionsFit : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void everyCaptionFitsItsBox_data();
    void everyCaptionFitsItsBox();
    void calculatedInGermanNothingIsEnglish_data();
    void calculatedInGermanNothingIsEnglish();
};

void TestCaptionsFit::cleanup()
{
    UserSettings::setLanguage(Language::FollowDesktop);
    setLanguage(Language::FollowDesktop);
}

void TestCaptionsFit::everyCaptionFitsItsBox_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("german");
    for (const FigureEntry *figure : figureCatalogue()) {
        QTest::newRow(figure->caption) << menuItemName(*figure) << false;
        QTest::addRow("Deutsch %s", figure->caption) << menuItemName(*figure) << true;
    }
}

void TestCaptionsFit::everyCaptionFitsItsBox()
{
    QFETCH(QString, item);
    QFETCH(bool, german);
    ShellFixture program;
    if (german)
        program.choose(arrayName(QStringLiteral("mnuLanguage"), int(Language::German)));
    FigureWindow *window = program.open<FigureWindow>(item);
    QVERIFY(window);
    QStringList cut;
    const auto check = [&] {
        cut << cutCaptions(window);
        if (german)
            cut << englishLeft(window);
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

void TestCaptionsFit::calculatedInGermanNothingIsEnglish_data()
{
    addFigureRows();
}

// Under Deutsch, each option calculated: its answers and their workings,
// the copy, the sheet, and the warning where the values make no figure
// speak German, and stay whole.
void TestCaptionsFit::calculatedInGermanNothingIsEnglish()
{
    QFETCH(QString, id);
    const FigureEntry &figure = *figureById(id);
    ShellFixture program;
    program.choose(arrayName(QStringLiteral("mnuLanguage"), int(Language::German)));
    FigureWindow *window = program.open<FigureWindow>(menuItemName(figure));
    program.choose(QStringLiteral("mnuCalculationSheet"));
    SheetWindow *sheet = program.main()->sheetWindow();
    QVERIFY(window && sheet);
    auto *calculate = window->findChild<QPushButton *>(QStringLiteral("cmdCalculate"));
    QRandomGenerator random(5);
    QStringList english;
    for (int option = 0; option < figure.options(); ++option) {
        calculateOption(window, figure, option, random);
        QApplication::processEvents(); // the sheet follows through the event loop
        QSet<QString> symbols{QStringLiteral("sin"), QStringLiteral("cos"), QStringLiteral("tan"),
                              QStringLiteral("acos"), QStringLiteral("atan")};
        for (const FigureValue &answer : window->values().value_or(FigureValues{}).answers)
            symbols |= wordsOf(answer.working.formula);
        english << englishLeft(window, symbols) << englishLeft(sheet, symbols) << cutCaptions(window)
                << englishIn(window->calculationText(), QStringLiteral("the copy"), symbols)
                << englishIn(sheet->sheetText(), QStringLiteral("the sheet"), symbols);
        // and the words written on the drawing.
        if (const auto &drawn = sheet->findChild<SheetPicture *>()->figure())
            for (const SheetShape &shape : drawn->shapes)
                std::visit(
                    [&](const auto &shown) {
                        if constexpr (requires { shown.label; })
                            english << englishIn(shown.label, QStringLiteral("the drawing"), symbols);
                        else if constexpr (requires { shown.text; })
                            english << englishIn(shown.text, QStringLiteral("the drawing"), symbols);
                    },
                    shape);
        // Below zero: a value no length or angle takes.
        for (ValueField *field : byIndex<ValueField>(window))
            if (field->isVisible() && field->isEnabled()) {
                field->clear();
                QTest::keyClicks(field, QStringLiteral("-1"));
            }
        QTest::mouseClick(calculate, Qt::LeftButton);
        if (window->warning())
            english << englishIn(window->warning()->text(), QStringLiteral("the warning"));
    }
    english.removeDuplicates();
    QVERIFY2(english.isEmpty(), qPrintable(english.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestCaptionsFit)
#include "tst_captionsfit.moc"
