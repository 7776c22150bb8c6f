// The real program started: where it cannot show a window, one clear line
// and exit status 1, never a crash; where it can, its board and its help page.
#include <QCoreApplication>
#include <QProcess>
#include <QTest>

class tst_Startup : public QObject {
    Q_OBJECT

private slots:
    void startsOrSaysWhyNot_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::newRow("none set") << QString() << 1 << "quorvane: no display";
        QTest::newRow("local, nobody listening") << ":87" << 1 << "quorvane: cannot open display :87";
        QTest::newRow("remote, unreachable") << "nohost.invalid:0" << 1 << "quorvane: cannot open display nohost.invalid:0";
#ifdef HELP_PROBE  // a probe loaded into it reports what a player would see
        QTest::newRow("offscreen") << "offscreen" << 0 << "board shown: yes (Quorvane v1.0)\nhelp page found: yes";
#endif
    }
    void startsOrSaysWhyNot()
    {
        QFETCH(QString, display);
        QFETCH(int, status);
        QFETCH(QString, says);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        if (display == u"offscreen") {
#ifdef HELP_PROBE
            env.insert("QT_QPA_PLATFORM", "offscreen");
            env.insert("LD_PRELOAD", HELP_PROBE);
#endif
        } else if (!display.isEmpty()) {
            env.insert("DISPLAY", display);
        }
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QCoreApplication::applicationDirPath() + "/quorvane", {});
        if (!p.waitForFinished(30000))
            p.kill();
        QStringList lines;
        const QByteArray out = status ? p.readAllStandardError() : p.readAllStandardOutput();
        for (const QString& l : QString::fromLocal8Bit(out).split(u'\n', Qt::SkipEmptyParts))
            if (!l.startsWith(u"QStandardPaths"))  // the environment's, not ours
                lines << (l.startsWith(u"help page found: yes") ? QStringLiteral("help page found: yes") : l);
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);  // no abort, no core
        QCOMPARE(p.exitCode(), status);
        QVERIFY2(lines.join(u'\n').startsWith(says), qPrintable(lines.join(u'\n')));
        QCOMPARE(lines.size(), int(says.count(u'\n')) + 1);
    }
};

QTEST_GUILESS_MAIN(tst_Startup)
#include "tst_startup.moc"
