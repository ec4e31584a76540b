#include "TestMain.h"

#include "startup/CommandLine.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using Action = CommandLine::Action;
Q_DECLARE_METATYPE(CommandLine::Action)

class CommandLineTest : public QObject
{
    Q_OBJECT

    QTemporaryDir here;

private slots:
    void initTestCase()
    {
        for (const char *name :
             {"clip.avi", "Film.MPG", "vue.mov", "intro.FLC", "b.fli", "theme.mid", "son.wav",
              "voix.aif", "air.rmi", "nom avec espaces.mov", "-tiret.avi", "notes.txt"})
            QVERIFY(QFile(here.filePath(QString::fromUtf8(name))).open(QIODevice::WriteOnly));
        QVERIFY(QDir(here.path()).mkdir(QStringLiteral("Dossier")));
    }

    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("qtStillPresent");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QStringList>("files"); // "name:kind", kinds by their order in FileKind
        QTest::addColumn<QString>("unknown");
        QTest::newRow("kinds") << QStringList{"clip.avi",  "Film.MPG",  "intro.FLC", "b.fli",
                                              "theme.mid", "son.wav",   "voix.aif",  "air.rmi",
                                              "Dossier",   "notes.txt", "absent.avi"}
                               << false << Action::Open
                               << QStringList{"clip.avi:0",  "Film.MPG:0",  "intro.FLC:1",
                                              "b.fli:1",     "theme.mid:2", "son.wav:2",
                                              "voix.aif:2",  "air.rmi:2",   "Dossier:3",
                                              "notes.txt:4", "absent.avi:5"}
                               << "";
        QTest::newRow("spaces, dots, absolute")
            << QStringList{"./nom avec espaces.mov", here.filePath("Dossier/../vue.mov")} << false
            << Action::Open << QStringList{"nom avec espaces.mov:0", "vue.mov:0"} << "";
        QTest::newRow("dashes after --")
            << QStringList{"--", "-tiret.avi", "--help", "-"} << false << Action::Open
            << QStringList{"-tiret.avi:0", "--help:5", "-:5"} << "";
        QTest::newRow("dash name before --") << QStringList{"-tiret.avi"} << false
                                             << Action::Refused << QStringList{} << "-tiret.avi";
        QTest::newRow("first unknown option named")
            << QStringList{"clip.avi", "--plein-ecran", "-x"} << false << Action::Refused
            << QStringList{"clip.avi:0"} << "--plein-ecran";
        QTest::newRow("help wins")
            << QStringList{"-x", "-h"} << false << Action::Help << QStringList{} << "-x";
        QTest::newRow("version") << QStringList{"-V"} << false << Action::Version << QStringList{}
                                 << "";
        QTest::newRow("Qt's options before the application, not others")
            << QStringList{"-platform", "offscreen", "--display=:1", "-zorglub"} << true
            << Action::Refused << QStringList{"offscreen:5"} << "-zorglub";
    }

    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, qtStillPresent);
        QFETCH(Action, action);
        QFETCH(QStringList, files);
        QFETCH(QString, unknown);
        const CommandLine line = CommandLine::parse(
            arguments, here.path(),
            qtStillPresent ? CommandLine::Options::QtStillPresent : CommandLine::Options::All);
        QCOMPARE(line.action, action);
        QStringList given;
        for (const GivenFile &file : line.files)
            given << QDir(here.path()).relativeFilePath(file.path) + ':'
                         + QString::number(int(file.kind));
        QCOMPARE(given, files);
        QCOMPARE(line.unknownOption, unknown);
    }
};

KV_TEST_MAIN(CommandLineTest)
#include "tst_commandline.moc"
