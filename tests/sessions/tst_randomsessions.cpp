// Long seeded random sessions through the real windows: figure commands,
// option clicks, typed and pasted keys of every kind, CALCULATE, CLEAR and
// About, with what a user must always be able to trust checked after every
// step. A short session is a test; a long one is
//   tst_randomsessions -seed N -steps M
#include "fuzz/fuzzcheck.h"
#include "shell/shellfixture.h"

#include "controls/globalsubs.h"
#include "entry/numericentry.h"
#include "shell/catalogue.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>

#include <optional>

using namespace Zyntra;

namespace {

// The labels of each window that show answers; the first `twoOrThree`
// of them are "#.00#", the rest "#.0#".
struct AnswerLabels {
    const char *form;
    QStringList names;
    int twoOrThree;
};

QStringList indexed(const char *name, int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << arrayName(QString::fromLatin1(name), i);
    return names;
}

const std::array<AnswerLabels, 5> &answerLabels()
{
    static const std::array<AnswerLabels, 5> table{{
        {"frmSquare", indexed("lblAnswer", 5), 5},
        {"frmCircle", indexed("lblAnswer", 4), 2},
        {"frmPolygon", indexed("lblAnswer", 10), 10}, // lblAnswer(10) is the "Area" heading
        {"frmSphere", {"lblRadius", "lblDiameter", "lblCircum", "lblArea", "lblVolume"}, 2},
        {"frmGeometry", indexed("lblanswer", 5), 0}, // lblanswer(5) to (7) are side captions
    }};
    return table;
}

// Texts a user might paste, from the ordinary to the absurd.
QStringList pastedTexts()
{
    return {
        QStringLiteral("12.5"),
        QStringLiteral(".5"),
        QStringLiteral("5."),
        QStringLiteral("007"),
        QStringLiteral("-3"),
        QStringLiteral("-0"),
        QStringLiteral("+2"),
        QStringLiteral(""),
        QStringLiteral("   "),
        QStringLiteral(" 4 "),
        QStringLiteral("abc"),
        QStringLiteral("1e5"),
        QStringLiteral("1,5"),
        QStringLiteral("1.2.3"),
        QStringLiteral("."),
        QStringLiteral("inf"),
        QStringLiteral("nan"),
        QStringLiteral("0x10"),
        QStringLiteral("90"),
        QStringLiteral("45"),
        QStringLiteral("0"),
        QStringLiteral("0.0000001"),
        QStringLiteral("1") + QString(200, u'0'),
        QString(100000, u'9'),
        QStringLiteral("1") + QString(308, u'0'),
        QStringLiteral("\u0663"),
        QStringLiteral("2\n3"),
    };
}

// Keys a value field refuses: typed, they change nothing.
const std::array<char, 12> RefusedCharacters{'a', 'z', 'e', 'E', 'x', ' ', '-', '+', ',', '/', '*', '='};

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

// Keys that reach a field and edit it.
const std::array<Key, 12> EditingKeys{{
    {Qt::Key_Backspace},
    {Qt::Key_Delete},
    {Qt::Key_Left},
    {Qt::Key_Right},
    {Qt::Key_Home},
    {Qt::Key_End},
    {Qt::Key_A, Qt::ControlModifier},
    {Qt::Key_C, Qt::ControlModifier},
    {Qt::Key_X, Qt::ControlModifier},
    {Qt::Key_Z, Qt::ControlModifier},
    {Qt::Key_Left, Qt::ShiftModifier},
    {Qt::Key_Return},
}};

// Keys that no figure window acts on when they come to the window itself.
const std::array<Key, 10> IgnoredWindowKeys{{
    {Qt::Key_F1},
    {Qt::Key_F5},
    {Qt::Key_Escape},
    {Qt::Key_PageUp},
    {Qt::Key_PageDown},
    {Qt::Key_Q},
    {Qt::Key_5},
    {Qt::Key_Period},
    {Qt::Key_Return},
    {Qt::Key_Space},
}};

class Session {
public:
    Session(ShellFixture &program, quint32 seed)
        : m_program(program)
        , m_random(seed)
        , m_pasted(pastedTexts())
    {}

    // One random step; failure() then says which invariant broke, if one did.
    void step(int number);
    QString failure() const { return m_failure; }

private:
    FigureWindow *window() const
    {
        const auto windows = m_program.figureWindows();
        return windows.isEmpty() ? nullptr : windows.constFirst();
    }
    QList<QLineEdit *> fields() const;
    QStringList fieldTexts() const;
    QStringList answerTexts() const;
    template <typename T>
    T *pick(const QList<T *> &items)
    {
        return items.isEmpty() ? nullptr : items[int(m_random.bounded(int(items.size())))];
    }
    void fail(const QString &what)
    {
        if (m_failure.isEmpty())
            m_failure = what;
    }

    void figureCommand();
    void clickOption();
    void typeKey();
    void paste();
    void calculate();
    void clear();
    void about();
    void ignoredKey();
    void checkInvariants(const QString &step);
    void closeWarning();

    ShellFixture &m_program;
    QRandomGenerator m_random;
    QStringList m_pasted;
    QString m_failure;
};

QList<QLineEdit *> Session::fields() const
{
    QList<QLineEdit *> shown;
    if (FigureWindow *w = window())
        for (QLineEdit *field : w->findChildren<QLineEdit *>())
            if (field->isVisibleTo(w))
                shown << field;
    return shown;
}

QStringList Session::fieldTexts() const
{
    QStringList texts;
    for (QLineEdit *field : fields())
        texts << field->text();
    return texts;
}

QStringList Session::answerTexts() const
{
    QStringList texts;
    FigureWindow *w = window();
    if (!w)
        return texts;
    for (const AnswerLabels &labels : answerLabels())
        if (w->objectName() == QLatin1String(labels.form))
            for (const QString &name : labels.names)
                texts << w->findChild<QLabel *>(name)->text();
    return texts;
}

void Session::step(int number)
{
    const int kind = window() ? int(m_random.bounded(100)) : 0; // nothing to do before the first figure
    QString what;
    if (kind < 5) {
        what = QStringLiteral("figure command");
        figureCommand();
    } else if (kind < 12) {
        what = QStringLiteral("option click");
        clickOption();
    } else if (kind < 60) {
        what = QStringLiteral("typed key");
        typeKey();
    } else if (kind < 68) {
        what = QStringLiteral("paste");
        paste();
    } else if (kind < 85) {
        what = QStringLiteral("CALCULATE");
        calculate();
    } else if (kind < 90) {
        what = QStringLiteral("CLEAR");
        clear();
    } else if (kind < 92) {
        what = QStringLiteral("About");
        about();
    } else {
        what = QStringLiteral("ignored key");
        ignoredKey();
    }
    QApplication::processEvents();
    checkInvariants(QStringLiteral("step %1 (%2)").arg(number).arg(what));
    closeWarning();
}

void Session::figureCommand()
{
    const FigureEntry &figure = *figureCatalogue()[m_random.bounded(quint32(figureCatalogue().size()))];
    const QString item = menuItemName(figure);
    m_program.choose(item);
    FigureWindow *w = window();
    if (!w || m_program.figureWindows().size() != 1)
        return fail(item + QStringLiteral(" left no single window"));
    if (w->formCode() != intCurrentForm)
        return fail(item + QStringLiteral(" opened a window that is not intCurrentForm"));
    if (figure.modeVariable && *figure.modeVariable != figure.mode)
        return fail(item + QStringLiteral(" wrote the wrong mode"));
    if (!fieldTexts().join(QString()).isEmpty())
        fail(item + QStringLiteral(" opened a window with typed values"));
}

void Session::clickOption()
{
    FigureWindow *w = window();
    if (!w)
        return;
    QList<QRadioButton *> options;
    for (QRadioButton *option : w->findChildren<QRadioButton *>())
        if (option->isVisibleTo(w))
            options << option;
    if (QRadioButton *option = pick(options))
        QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, QPoint(8, option->height() / 2));
}

void Session::typeKey()
{
    QLineEdit *field = pick(fields());
    if (!field)
        return;
    const QString before = field->text();
    const int kind = int(m_random.bounded(10));
    if (kind < 4) {
        QTest::keyClick(field, char('0' + m_random.bounded(10)));
    } else if (kind < 5) {
        QTest::keyClick(field, '.');
    } else if (kind < 7) {
        const char refused = RefusedCharacters[m_random.bounded(int(RefusedCharacters.size()))];
        QTest::keyClick(field, refused);
        // Where the desktop writes 2,5 the comma types the full stop.
        if (field->text() != before && !(refused == ',' && Zyntra::decimalComma()))
            fail(QStringLiteral("the refused key '%1' changed %2").arg(QChar(refused), field->objectName()));
    } else if (kind < 8) {
        QTest::keyClick(field, Qt::Key_Escape);
        if (field->text() != before)
            fail(QStringLiteral("Escape changed ") + field->objectName());
    } else {
        const Key &key = EditingKeys[m_random.bounded(int(EditingKeys.size()))];
        QTest::keyClick(field, key.key, key.modifiers);
    }
    if (!field->isEnabled() && field->text() != before)
        fail(QStringLiteral("a key changed the locked field ") + field->objectName());
}

void Session::paste()
{
    QLineEdit *field = pick(fields());
    if (!field)
        return;
    QGuiApplication::clipboard()->setText(m_pasted[int(m_random.bounded(int(m_pasted.size())))]);
    if (m_random.bounded(3) == 0)
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier); // paste over what is there
    const QString before = field->text();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    if (!field->isEnabled() && field->text() != before)
        fail(QStringLiteral("a paste changed the locked field ") + field->objectName());
}

void Session::calculate()
{
    FigureWindow *w = window();
    if (!w)
        return;
    const QStringList typed = fieldTexts();
    const QStringList answers = answerTexts();
    QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("cmdCalculate")), Qt::LeftButton);
    if (fieldTexts() != typed)
        fail(QStringLiteral("CALCULATE changed the typed values"));
    const bool failed = w->warning() && w->warning()->isVisible();
    if (failed && answerTexts() != answers)
        fail(QStringLiteral("a failed CALCULATE changed answers: %1 became %2")
                 .arg(answers.join(u'|'), answerTexts().join(u'|')));
}

void Session::clear()
{
    if (FigureWindow *w = window())
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("cmdClear")), Qt::LeftButton);
}

void Session::about()
{
    const auto windowsBefore = m_program.figureWindows();
    m_program.choose(QStringLiteral("mnuHelpItem(1)"));
    frmAbout *about = m_program.main()->aboutWindow();
    if (!about || !about->isVisible())
        return fail(QStringLiteral("About did not show"));
    if (m_program.figureWindows() != windowsBefore)
        fail(QStringLiteral("About changed the figure window"));
    if (m_random.bounded(2) == 0)
        QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
}

void Session::ignoredKey()
{
    FigureWindow *w = window();
    if (!w)
        return;
    const QStringList typed = fieldTexts();
    const QStringList answers = answerTexts();
    const Key &key = IgnoredWindowKeys[m_random.bounded(int(IgnoredWindowKeys.size()))];
    QTest::keyClick(w, key.key, key.modifiers);
    if (fieldTexts() != typed || answerTexts() != answers)
        fail(QStringLiteral("a key pressed on the window itself changed it"));
}

void Session::checkInvariants(const QString &step)
{
    const auto windows = m_program.figureWindows();
    if (windows.size() > 1)
        fail(step + QStringLiteral(": %1 figure windows").arg(windows.size()));
    FigureWindow *w = window();
    if (!w)
        return;
    for (const AnswerLabels &labels : answerLabels()) {
        if (w->objectName() != QLatin1String(labels.form))
            continue;
        for (int i = 0; i < labels.names.size(); ++i) {
            const QString &name = labels.names[i];
            const QLabel *answer = w->findChild<QLabel *>(name);
            const int maxDecimals = i < labels.twoOrThree ? 3 : 2;
            const QString text = answer->text();
            const bool designLetter = !answer->isVisibleTo(w) && text.size() == 1 && text[0].isLetter();
            if (text.isEmpty() || text == u'0' || designLetter)
                continue;
            if (!FuzzInput::isWellFormedResult(text, maxDecimals - 1, maxDecimals))
                fail(step + QStringLiteral(": %1 shows \"%2\"").arg(name, text.left(80)));
        }
    }
}

void Session::closeWarning()
{
    FigureWindow *w = window();
    if (w && w->warning() && w->warning()->isVisible())
        QTest::mouseClick(w->warning()->button(QMessageBox::Ok), Qt::LeftButton);
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Set by -seed and -steps on the command line: one long session instead of the short ones.
std::optional<quint32> chosenSeed;
int chosenSteps = 100000;

} // namespace

class TestRandomSessions : public QObject {
    Q_OBJECT
private slots:
    void sessionKeepsEveryInvariant_data();
    void sessionKeepsEveryInvariant();
};

void TestRandomSessions::sessionKeepsEveryInvariant_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("steps");
    if (chosenSeed) {
        QTest::addRow("seed %u", *chosenSeed) << *chosenSeed << chosenSteps;
        return;
    }
    for (const quint32 seed : {1u, 20261207u, 4242u})
        QTest::addRow("seed %u", seed) << seed << 400;
}

void TestRandomSessions::sessionKeepsEveryInvariant()
{
    QFETCH(quint32, seed);
    QFETCH(int, steps);
    ShellFixture program;
    Session session(program, seed);
    for (int step = 1; step <= steps; ++step) {
        session.step(step);
        QVERIFY2(
            session.failure().isEmpty(),
            qPrintable(
                QStringLiteral("seed %1: %2 (again: -seed %1 -steps %3)").arg(seed).arg(session.failure()).arg(step)));
    }
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList arguments;
    const QStringList given = app.arguments();
    for (qsizetype i = 0; i < given.size(); ++i) {
        if (given[i] == QLatin1String("-seed") && i + 1 < given.size())
            chosenSeed = given[++i].toUInt();
        else if (given[i] == QLatin1String("-steps") && i + 1 < given.size())
            chosenSteps = given[++i].toInt();
        else
            arguments << given[i];
    }
    TestRandomSessions test;
    return QTest::qExec(&test, arguments);
}

#include "tst_randomsessions.moc"
