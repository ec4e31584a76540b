#include "TestMain.h"

#include "platform/desktop/DesktopProcessLauncher.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// A shell script that writes its arguments, one per line, to `record` and then waits
// `seconds`.
void writeScript(const QString &path, const QString &record, const QString &seconds = "0")
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > '%1'\nsleep %2\n")
                .arg(record, seconds)
                .toUtf8());
    f.close();
    QVERIFY(f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

QStringList recorded(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
}

} // namespace

class TestProcessLauncher : public QObject
{
    Q_OBJECT

private slots:
    void splitsOnBlanksWithQuotesGrouping_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("player and options")
            << "/kv/Play.exe /m/A.FLC -L1" << QStringList{"/kv/Play.exe", "/m/A.FLC", "-L1"};
        QTest::newRow("trailing blank") << "sndvol32.exe " << QStringList{"sndvol32.exe"};
        QTest::newRow("quoted path")
            << "winhelp.exe \"/a b/Kinovue.hlp\"" << QStringList{"winhelp.exe", "/a b/Kinovue.hlp"};
        QTest::newRow("runs of blanks") << "  a   b  " << QStringList{"a", "b"};
        QTest::newRow("empty quotes are a word") << "a \"\" b" << QStringList{"a", "", "b"};
        QTest::newRow("empty line") << "" << QStringList{};
    }

    void splitsOnBlanksWithQuotesGrouping()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, words);
        QCOMPARE(ProcessLauncher::split(line), words);
    }

    void resolvesProgramFolderBeforeSearchPath()
    {
        QTemporaryDir folder;
        // "sh" exists on the search path; one in the program folder must win.
        writeScript(folder.filePath("sh"), folder.filePath("out"));
        DesktopProcessLauncher launcher(folder.path());
        const auto resolved = launcher.resolve(QStringLiteral("sh -c true"));
        QCOMPARE(resolved.status, LaunchStatus::Started);
        QCOMPARE(resolved.program, QFileInfo(folder.filePath("sh")).absoluteFilePath());
        QCOMPARE(resolved.arguments, (QStringList{"-c", "true"}));
    }

    void resolvesOnSearchPathWhenNotBeside()
    {
        QTemporaryDir folder;
        DesktopProcessLauncher launcher(folder.path());
        const auto resolved = launcher.resolve(QStringLiteral("sh -c true"));
        QCOMPARE(resolved.status, LaunchStatus::Started);
        QCOMPARE(resolved.program, QStandardPaths::findExecutable(QStringLiteral("sh")));
    }

    void missingProgramIsFileNotFound_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("bare name") << "sndrec32.exe";
        QTest::newRow("bare name with blank") << "mplayer.exe ";
        QTest::newRow("absolute path") << "/nonexistent/sb16/ctcd.exe";
        QTest::newRow("windows path") << "C:\\Program Files\\Windows Media Player\\mplayer2.exe "
                                         "/play /tmp/a.avi";
        QTest::newRow("windows rundll") << "C:\\WINDOWS\\RUNDLL32.EXE "
                                           "C:\\WINDOWS\\SYSTEM\\amovie.ocx,RunDll /play x";
        QTest::newRow("empty line") << "";
        QTest::newRow("only blanks") << "   ";
    }

    void missingProgramIsFileNotFound()
    {
        QFETCH(QString, line);
        QTemporaryDir folder;
        DesktopProcessLauncher launcher(folder.path());
        const LaunchResult result = launcher.start(line);
        QCOMPARE(result.status, LaunchStatus::FileNotFound);
        QVERIFY(!launcher.isRunning(result.id));
    }

    void existingButUnstartableIsFailed_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("folder");
        QTest::newRow("file without execute right") << "galerix.pif" << false;
        QTest::newRow("a folder") << "sb16" << true;
    }

    void existingButUnstartableIsFailed()
    {
        QFETCH(QString, name);
        QFETCH(bool, folder);
        QTemporaryDir dir;
        if (folder) {
            QVERIFY(QDir(dir.path()).mkdir(name));
        } else {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[Program]\n");
        }
        DesktopProcessLauncher launcher(dir.path());
        QCOMPARE(launcher.start(dir.filePath(name)).status, LaunchStatus::Failed);
    }

    void startedProgramRunsAndEnds()
    {
        QTemporaryDir dir;
        writeScript(dir.filePath("player"), dir.filePath("out"), "1");
        DesktopProcessLauncher launcher(dir.path());
        const LaunchResult result = launcher.start(QStringLiteral("player /x/A.FLC -L1"));
        QCOMPARE(result.status, LaunchStatus::Started);
        QVERIFY(result.id > 0);
        QVERIFY(launcher.isRunning(result.id));
        QTRY_COMPARE(recorded(dir.filePath("out")), (QStringList{"/x/A.FLC", "-L1"}));
        QTRY_VERIFY_WITH_TIMEOUT(!launcher.isRunning(result.id), 10000);
    }

    void unknownIdIsNotRunning()
    {
        DesktopProcessLauncher launcher(QString{});
        // Our own process runs, but the launcher did not start it.
        QVERIFY(!launcher.isRunning(QCoreApplication::applicationPid()));
        QVERIFY(!launcher.isRunning(0));
        QVERIFY(!launcher.isRunning(-1));
    }

    void unquotedPathsWithBlanksStayWhole()
    {
        QTemporaryDir dir;
        const QString programFolder = dir.filePath("Kinovue ST");
        const QString media = dir.filePath("Mes animations");
        QVERIFY(QDir().mkpath(programFolder));
        QVERIFY(QDir().mkpath(media));
        writeScript(programFolder + "/Play.exe", dir.filePath("out"));
        QFile(media + "/un deux.flc").open(QIODevice::WriteOnly);

        DesktopProcessLauncher launcher(programFolder);
        const QString line = programFolder + "/Play.exe " + media + "/un deux.flc -L65535";
        const auto resolved = launcher.resolve(line);
        QCOMPARE(resolved.status, LaunchStatus::Started);
        QCOMPARE(resolved.program, programFolder + "/Play.exe");
        QCOMPARE(resolved.arguments, (QStringList{media + "/un deux.flc", "-L65535"}));

        const LaunchResult result = launcher.start(line);
        QCOMPARE(result.status, LaunchStatus::Started);
        QTRY_COMPARE(recorded(dir.filePath("out")),
                     (QStringList{media + "/un deux.flc", "-L65535"}));
    }

    void wordsAreJoinedOnlyWhenTheyNameAPath_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QStringList>("expected");
        // The temporary folder holds "a b/c d.txt" and "a".
        QTest::newRow("longest existing run wins")
            << "%1/a b/c d.txt -x" << QStringList{"%1/a b/c d.txt", "-x"};
        QTest::newRow("shorter path when the longer does not exist")
            << "%1/a b/c" << QStringList{"%1/a", "b/c"};
        QTest::newRow("folder with blank") << "%1/a b" << QStringList{"%1/a b"};
        QTest::newRow("words without a slash are never joined") << "a b" << QStringList{"a", "b"};
        QTest::newRow("quoted words are kept as they are")
            << "\"%1/a\" b/c d.txt" << QStringList{"%1/a", "b/c", "d.txt"};
        QTest::newRow("missing file stays in pieces") << "%1/x y" << QStringList{"%1/x", "y"};
    }

    void wordsAreJoinedOnlyWhenTheyNameAPath()
    {
        QFETCH(QString, arguments);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("a b")));
        QFile(dir.filePath("a b/c d.txt")).open(QIODevice::WriteOnly);
        QFile(dir.filePath("a")).open(QIODevice::WriteOnly);
        for (QString &e : expected)
            e.replace("%1", dir.path());
        DesktopProcessLauncher launcher(dir.path());
        const auto resolved = launcher.resolve("sh " + arguments.replace("%1", dir.path()));
        QCOMPARE(resolved.status, LaunchStatus::Started);
        QCOMPARE(resolved.arguments, expected);
    }
};

KV_TEST_MAIN(TestProcessLauncher)
#include "tst_processlauncher.moc"
