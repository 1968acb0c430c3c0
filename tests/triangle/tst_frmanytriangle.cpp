#include "shell/windowview.h"

#include "triangle/frmanytriangle.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

using namespace Zyntra;

// What the any triangle's window shows after typing and Enter: the second
// column only where two triangles fit, and a failure that changes nothing.
class TestFrmAnyTriangle : public QObject, private WindowView<frmAnyTriangle> {
    Q_OBJECT
private slots:
    void init()
    {
        startActiveProgram();
        QVERIFY(open(QStringLiteral("mnuGeometryItem(12)")));
    }
    void cleanup() { closeProgram(); }

    void failureWarnsAndChangesNothing_data();
    void failureWarnsAndChangesNothing();
    void aSideThatJustReachesShowsOneTriangle();

private:
    // Each field's text replaced by typing, then Enter in the last.
    void enter(const QStringList &texts) const
    {
        for (int i = 0; i < AnyValue::FieldCount; ++i) {
            QLineEdit *field = control<QLineEdit>(QStringLiteral("txtInput"), i);
            field->setFocus();
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Delete);
            QTest::keyClicks(field, texts.value(i));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QStringList shown() const
    {
        QStringList texts;
        for (int i = 0; i < AnyValue::Answers; ++i) {
            const QLabel *answer = control<QLabel>(QStringLiteral("lblanswer"), i);
            texts << (answer->isVisible() ? answer->text() : QStringLiteral("hidden"));
        }
        return texts;
    }
};

void TestFrmAnyTriangle::failureWarnsAndChangesNothing_data()
{
    QTest::addColumn<QStringList>("before"); // a good calculation first: one triangle or two
    QTest::addColumn<QStringList>("bad");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("warning");
    const QStringList one{"3", "4", "5"};
    const QStringList two{"3", "4", "", "36.87"};
    QTest::newRow("no triangle fits") << two << QStringList{"2", "4", "", "36.87"} << 0 << "cannot close the triangle";
    QTest::newRow("sides too short to meet") << one << QStringList{"1", "2", "3"} << 2 << "no triangle has such sides";
    QTest::newRow("a fourth value that disagrees")
        << two << QStringList{"3", "4", "5", "", "", "80"} << 5 << "does not agree";
    QTest::newRow("just short of reaching")
        << two << QStringList{"1", "", "0.498", "", "", "30"} << 2 << "Side c = 0.5 would, with A a right angle.";
    QTest::newRow("sides on a line, with angles")
        << one << QStringList{"1", "2", "3", "10", "20", "150"} << 2 << "no triangle has such sides";
    QTest::newRow("angles alone") << one << QStringList{"", "", "", "60", "60", "60"} << 0 << "A side is needed";
}

void TestFrmAnyTriangle::failureWarnsAndChangesNothing()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, bad);
    QFETCH(int, field);
    QFETCH(QString, warning);
    enter(before);
    QVERIFY(!m_window->warning());
    const QStringList answers = shown();
    QCOMPARE(answers.contains(QStringLiteral("hidden")), before.size() == 3);

    enter(bad);
    QCOMPARE(shown(), answers);
    QVERIFY(m_window->warning() && m_window->warning()->isVisible() && !m_window->warning()->isModal());
    QVERIFY2(m_window->warning()->text().contains(warning), qPrintable(m_window->warning()->text()));
    m_window->warning()->accept();
    QTRY_COMPARE(QApplication::focusWidget(), control<QLineEdit>(QStringLiteral("txtInput"), field));
}

// The 30-60-90 triangle from a, c and C: one column, with A a right angle.
void TestFrmAnyTriangle::aSideThatJustReachesShowsOneTriangle()
{
    enter({"1", "", "0.5", "", "", "30"});
    QVERIFY(!m_window->warning());
    const QStringList answers = shown();
    QCOMPARE(answers.mid(0, 6), (QStringList{"1.00", ".866", ".50", "90.00", "60.00", "30.00"}));
    QCOMPARE(answers.mid(AnyValue::Second), QStringList(AnyValue::Count, QStringLiteral("hidden")));
    // Its working says why, dividing by nothing.
    const QString working = control<QLabel>(QStringLiteral("lblanswer"), AnyValue::A)->toolTip();
    QVERIFY2(working.contains(QStringLiteral("just reaches")) && !working.contains(u'÷'), qPrintable(working));
}

QTEST_MAIN(TestFrmAnyTriangle)
#include "tst_frmanytriangle.moc"
