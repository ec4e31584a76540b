#include "TestMain.h"

#include "startup/CommandLine.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

Q_DECLARE_METATYPE(CommandLine::Action)

class CommandLineTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir here;

    // "name:kind" for each file, names relative to the test folder, to keep the rows short.
    QStringList described(const QList<GivenFile> &files) const
    {
        static const char *kinds[] = {"animation", "flic", "sound", "folder", "other", "missing"};
        QStringList out;
        for (const GivenFile &file : files)
            out << QDir(here.path()).relativeFilePath(file.path) + QLatin1Char(':')
                       + QLatin1String(kinds[int(file.kind)]);
        return out;
    }

private slots:
    void initTestCase()
    {
        for (const char *name :
             {"clip.avi", "Film.MPG", "vue.mov", "intro.FLC", "boucle.fli", "theme.mid", "son.wav",
              "voix.aif", "air.rmi", "nom avec espaces.mov", "-tiret.avi", "notes.txt"}) {
            QFile file(here.filePath(QString::fromUtf8(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir(here.path()).mkdir(QStringLiteral("Dossier")));
    }

    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<CommandLine::Action>("action");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("unknown");
        using A = CommandLine::Action;
        QTest::newRow("nothing") << QStringList{} << A::Open << QStringList{} << "";
        QTest::newRow("kinds") << QStringList{"clip.avi",  "Film.MPG", "intro.FLC", "boucle.fli",
                                              "theme.mid", "son.wav",  "voix.aif",  "air.rmi",
                                              "Dossier",   "notes.txt"}
                               << A::Open << QStringList{"clip.avi:animation", "Film.MPG:animation",
                                                         "intro.FLC:flic",     "boucle.fli:flic",
                                                         "theme.mid:sound",    "son.wav:sound",
                                                         "voix.aif:sound",     "air.rmi:sound",
                                                         "Dossier:folder",     "notes.txt:other"}
                               << "";
        QTest::newRow("missing file, kept in order")
            << QStringList{"absent.avi", "vue.mov"} << A::Open
            << QStringList{"absent.avi:missing", "vue.mov:animation"} << "";
        QTest::newRow("name with spaces, absolute or dotted")
            << QStringList{"./nom avec espaces.mov", here.filePath("Dossier/../vue.mov")} << A::Open
            << QStringList{"nom avec espaces.mov:animation", "vue.mov:animation"} << "";
        QTest::newRow("leading dash after --")
            << QStringList{"--", "-tiret.avi", "--help"} << A::Open
            << QStringList{"-tiret.avi:animation", "--help:missing"} << "";
        QTest::newRow("a lone dash is a name")
            << QStringList{"-"} << A::Open << QStringList{"-:missing"} << "";
        QTest::newRow("leading dash before --")
            << QStringList{"-tiret.avi"} << A::Refused << QStringList{} << "-tiret.avi";
        QTest::newRow("unknown option among files")
            << QStringList{"clip.avi", "--plein-ecran", "-x"} << A::Refused
            << QStringList{"clip.avi:animation"} << "--plein-ecran";
        QTest::newRow("help wins") << QStringList{"clip.avi", "-h", "--bogus"} << A::Help
                                   << QStringList{"clip.avi:animation"} << "";
        QTest::newRow("version") << QStringList{"--version"} << A::Version << QStringList{} << "";
        QTest::newRow("short version") << QStringList{"-V"} << A::Version << QStringList{} << "";
    }

    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(CommandLine::Action, action);
        QFETCH(QStringList, files);
        QFETCH(QString, unknown);
        const CommandLine line = CommandLine::parse(arguments, here.path());
        QCOMPARE(line.action, action);
        QCOMPARE(described(line.files), files);
        QCOMPARE(line.unknownOption, unknown);
    }

    // Before the application object exists, Qt's own options are still among the arguments.
    void qtOptionsPassedOverFirst()
    {
        const QStringList arguments{"-platform", "offscreen", "--display=:1", "-zorglub"};
        const CommandLine early
            = CommandLine::parse(arguments, here.path(), CommandLine::Options::QtStillPresent);
        QCOMPARE(early.action, CommandLine::Action::Refused);
        QCOMPARE(early.unknownOption, QStringLiteral("-zorglub"));
        QCOMPARE(CommandLine::parse(arguments.mid(0, 3), here.path(),
                                    CommandLine::Options::QtStillPresent)
                     .action,
                 CommandLine::Action::Open);
    }

    // The program itself, with no display: help and version need none.
    void program_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Utilisation : kinovue-st"
                              << "";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "Kinovue ST 6."
                                 << "";
        QTest::newRow("unknown option")
            << QStringList{"--zorglub", "clip.avi"} << 2 << ""
            << "option inconnue « --zorglub »\nUtilisation : kinovue-st";
    }

    void program()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(KV_PROGRAM_DIR "/kinovue-st"), arguments);
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), status);
        const QString stdOut = QString::fromLocal8Bit(process.readAllStandardOutput());
        const QString stdErr = QString::fromLocal8Bit(process.readAllStandardError());
        QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.startsWith(out), qPrintable(stdOut));
        QVERIFY2(err.isEmpty() ? stdErr.isEmpty() : stdErr.contains(err), qPrintable(stdErr));
    }
};

KV_TEST_MAIN(CommandLineTest)
#include "tst_commandline.moc"
