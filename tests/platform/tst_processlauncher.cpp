#include "TestMain.h"

#include "platform/desktop/DesktopProcessLauncher.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// A shell script that writes its arguments, each ended by a NUL, to `record` and then waits
// `seconds`.
void writeScript(const QString &path, const QString &record, const QString &seconds = "0")
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("#!/bin/sh\nprintf '%s\\0' \"$@\" > '%1'\nsleep %2\n")
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
    QByteArray bytes = f.readAll();
    if (!bytes.endsWith('\0'))
        return {}; // not yet written whole
    bytes.chop(1);
    QStringList arguments;
    for (const QByteArray &argument : bytes.split('\0'))
        arguments.append(QString::fromUtf8(argument));
    return arguments;
}

} // namespace

class TestProcessLauncher : public QObject
{
    Q_OBJECT

private slots:
    void resolvesProgramFolderBeforeSearchPath()
    {
        QTemporaryDir folder;
        // "sh" exists on the search path; one in the program folder must win.
        writeScript(folder.filePath("sh"), folder.filePath("out"));
        DesktopProcessLauncher launcher(folder.path());
        const auto resolved = launcher.resolve(LaunchCommand::of("sh", {"-c", "true"}));
        QCOMPARE(resolved.status, LaunchStatus::Started);
        QCOMPARE(resolved.program, QFileInfo(folder.filePath("sh")).absoluteFilePath());
        QCOMPARE(resolved.arguments, (QStringList{"-c", "true"}));
    }

    void resolvesOnSearchPathWhenNotBeside()
    {
        QTemporaryDir folder;
        DesktopProcessLauncher launcher(folder.path());
        const auto resolved = launcher.resolve(LaunchCommand::of("sh", {"-c", "true"}));
        QCOMPARE(resolved.status, LaunchStatus::Started);
        QCOMPARE(resolved.program, QStandardPaths::findExecutable(QStringLiteral("sh")));
    }

    void missingProgramIsFileNotFound_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("bare name") << "sndrec32.exe";
        QTest::newRow("absolute path") << "/nonexistent/sb16/ctcd.exe";
        QTest::newRow("windows path") << "C:\\Program Files\\Windows Media Player\\mplayer2.exe";
        QTest::newRow("windows rundll") << "C:\\WINDOWS\\RUNDLL32.EXE";
        QTest::newRow("a whole command as a name") << "sh -c true";
        QTest::newRow("empty") << "";
        QTest::newRow("only blanks") << "   ";
    }

    void missingProgramIsFileNotFound()
    {
        QFETCH(QString, program);
        QTemporaryDir folder;
        DesktopProcessLauncher launcher(folder.path());
        const LaunchResult result = launcher.start(LaunchCommand::of(program, {"/tmp/a.avi"}));
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
        QCOMPARE(launcher.start(LaunchCommand::of(dir.filePath(name))).status,
                 LaunchStatus::Failed);
    }

    void startedProgramRunsAndEnds()
    {
        QTemporaryDir dir;
        writeScript(dir.filePath("player"), dir.filePath("out"), "1");
        DesktopProcessLauncher launcher(dir.path());
        const LaunchResult result
            = launcher.start(LaunchCommand::of("player", {"/x/A.FLC", "-L1"}));
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

    void eachFileNameArrivesAsOneArgument_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("double quotes") << "un \"deux\" trois.flc";
        QTest::newRow("two blanks in a row") << "un  deux.flc";
        QTest::newRow("tab") << "un\tdeux.flc";
        QTest::newRow("leading dash") << "-L2";
        QTest::newRow("toolkit options")
            << "x -platformpluginpath /some/folder -platform bogus \"y\".flc";
        QTest::newRow("blank at both ends") << " a.flc ";
        QTest::newRow("non-ASCII") << "Déjà vu – 動画.flc";
        QTest::newRow("shell characters") << "$(id); `id` | > *.flc";
    }

    void eachFileNameArrivesAsOneArgument()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QString programFolder = dir.filePath("Kinovue ST");
        QVERIFY(QDir().mkpath(programFolder));
        writeScript(programFolder + "/Play.exe", dir.filePath("out"));
        const QString file = dir.filePath("Mes  animations/") + name;
        DesktopProcessLauncher launcher(programFolder);
        const LaunchCommand command{programFolder + "/Play.exe", {file, "-L1"}, "(record only)"};
        QCOMPARE(launcher.start(command).status, LaunchStatus::Started);
        QTRY_COMPARE(recorded(dir.filePath("out")), (QStringList{file, "-L1"}));
    }

    void theCommandTextIsNeverCut()
    {
        QTemporaryDir dir;
        writeScript(dir.filePath("viewer"), dir.filePath("out"));
        DesktopProcessLauncher launcher(dir.path());
        // A text that reads as a different program and options must change nothing.
        const LaunchCommand command{"viewer", {"a"}, "sh -c 'touch pwned' \"b c\""};
        QCOMPARE(launcher.resolve(command).arguments, QStringList{"a"});
        QCOMPARE(launcher.start(command).status, LaunchStatus::Started);
        QTRY_COMPARE(recorded(dir.filePath("out")), QStringList{"a"});
    }
};

KV_TEST_MAIN(TestProcessLauncher)
#include "tst_processlauncher.moc"
