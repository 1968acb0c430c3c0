#include "shell/captionsfit.h"
#include "shell/shellfixture.h"

#include "shell/catalogue.h"
#include "shell/language.h"
#include "shell/usersettings.h"

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QXmlStreamReader>

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
};

namespace {

const QRegularExpression Word(QStringLiteral("\\p{L}{3,}"));

QSet<QString> wordsOf(const QString &text)
{
    QSet<QString> words;
    for (const QRegularExpressionMatch &match : Word.globalMatch(text))
        words << match.captured();
    return words;
}

// The words of the German catalogue's translations.
const QSet<QString> &germanWords()
{
    static const QSet<QString> words = [] {
        QSet<QString> all;
        QFile file(QStringLiteral(ZYNTRA_GERMAN_CATALOGUE));
        if (!file.open(QIODevice::ReadOnly))
            return all;
        QXmlStreamReader xml(&file);
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("translation"))
                all |= wordsOf(xml.readElementText());
        return all;
    }();
    return words;
}

// The words a window shows or speaks that the German catalogue does not
// hold: English left untranslated.
QStringList englishLeft(QWidget *window)
{
    QStringList left;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isVisible())
            continue;
        QString shown;
        if (auto *label = qobject_cast<QLabel *>(control))
            shown = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(control))
            shown = button->text();
        else if (auto *frame = qobject_cast<QGroupBox *>(control))
            shown = frame->title();
        for (const QString &text : {shown, control->accessibleName(), control->accessibleDescription()})
            if (!germanWords().contains(wordsOf(text)))
                left << QStringLiteral("%1 \"%2\" is English").arg(control->objectName(), text);
    }
    return left;
}

} // namespace

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

QTEST_MAIN(TestCaptionsFit)
#include "tst_captionsfit.moc"
