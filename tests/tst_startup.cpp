// The real program started where it cannot show a window: one clear line
// and exit status 1, never a crash.
#include <QCoreApplication>
#include <QProcess>
#include <QTest>

class tst_Startup : public QObject {
    Q_OBJECT

private slots:
    void refusesClearlyWithoutADisplay_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("says");
        QTest::newRow("none set") << QString() << "no display";
        QTest::newRow("local, nobody listening") << ":87" << "cannot open display :87";
        QTest::newRow("remote, unreachable") << "nohost.invalid:0" << "cannot open display nohost.invalid:0";
    }
    void refusesClearlyWithoutADisplay()
    {
        QFETCH(QString, display);
        QFETCH(QString, says);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        if (!display.isEmpty())
            env.insert("DISPLAY", display);
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QCoreApplication::applicationDirPath() + "/quorvane", {});
        if (!p.waitForFinished(20000))
            p.kill();
        QStringList lines;
        for (const QString& l : QString::fromLocal8Bit(p.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts))
            if (!l.startsWith(u"QStandardPaths"))  // the environment's, not ours
                lines << l;
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);  // no abort, no core
        QCOMPARE(p.exitCode(), 1);
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].startsWith("quorvane: " + says), qPrintable(lines[0]));
    }
};

QTEST_GUILESS_MAIN(tst_Startup)
#include "tst_startup.moc"
