// The real program started where it cannot show a window: one clear line
// and exit status 1, never a crash.
#include <QCoreApplication>
#include <QProcess>
#include <QTest>

class tst_Startup : public QObject {
    Q_OBJECT

    struct Run {
        int exitCode;
        QProcess::ExitStatus status;
        QStringList lines;
    };
    static Run start(const QProcessEnvironment& env)
    {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QCoreApplication::applicationDirPath() + "/quorvane", {});
        if (!p.waitForFinished(20000))
            p.kill();
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        QStringList lines;
        for (const QString& l : err.split(u'\n', Qt::SkipEmptyParts))
            if (!l.startsWith(u"QStandardPaths"))  // the environment's, not ours
                lines << l;
        return {p.exitCode(), p.exitStatus(), lines};
    }
    static QProcessEnvironment withoutDisplay()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        return env;
    }

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
        QProcessEnvironment env = withoutDisplay();
        if (!display.isEmpty())
            env.insert("DISPLAY", display);
        const Run run = start(env);
        QCOMPARE(run.status, QProcess::NormalExit);  // no abort, no core
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.lines.size(), 1);
        QVERIFY2(run.lines[0].startsWith("quorvane: " + says), qPrintable(run.lines[0]));
    }
};

QTEST_GUILESS_MAIN(tst_Startup)
#include "tst_startup.moc"
