#include "shell/shellfixture.h"

#include <QApplication>
#include <QProcess>
#include <QTimer>

using namespace Zyntra;

// Ending the program is tested in a child process of this test, which runs
// the real event loop and must return from it by itself.
namespace {

const char ChildFlag[] = "--run-exit-child";

int runChild(int argc, char **argv, const QString &how)
{
    QApplication app(argc, argv);
    frmSplash splash;
    splash.show();
    splash.Timer1_Timer();
    MDIMain *main = splash.mainWindow();
    QTimer::singleShot(0, main, [main, how] {
        main->findChild<QAction *>(QStringLiteral("mnuGeometryItem(9)"))->trigger();
        main->findChild<QAction *>(QStringLiteral("mnuHelpItem(1)"))->trigger();
        if (how == QStringLiteral("exit"))
            main->findChild<QAction *>(QStringLiteral("mnuFileItem(1)"))->trigger();
        else
            main->close(); // the close box
    });
    QTimer::singleShot(10000, &app, [] { QCoreApplication::exit(3); }); // the loop did not end
    return app.exec();
}

} // namespace

class TestExit : public QObject {
    Q_OBJECT
private slots:
    void endsTheProcessWithEveryWindow_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("File > Exit") << "exit";
        QTest::newRow("close box") << "close";
    }

    void endsTheProcessWithEveryWindow()
    {
        QFETCH(QString, how);
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(ChildFlag), how});
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
    }
};

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], ChildFlag) == 0)
        return runChild(argc, argv, QString::fromLatin1(argv[2]));
    QApplication app(argc, argv);
    TestExit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_exit.moc"
