#include "TestMain.h"

#include "platform/HelpFile.h"
#include "platform/desktop/LauncherHelpViewer.h"
#include "platform/fake/FakePlatform.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

const char *const Sample = "# Aide d'essai\n"
                           "@title Aide de Kinovue ST\n"
                           "@contents 0\n"
                           "@topic 1 La fenêtre principale\n"
                           "\n"
                           "Première ligne.\n"
                           "Suite du paragraphe.\n"
                           "\n"
                           "Voir [[12|les lecteurs]] & <le reste>.\n"
                           "\n"
                           "@topic 0 Sommaire\n"
                           "[[1|La fenêtre principale]]\n"
                           "@topic 12\n"
                           "## pas un commentaire\n"
                           "@@adresse\n"
                           "# un commentaire\n";

} // namespace

class TestHelpFile : public QObject
{
    Q_OBJECT

private slots:
    void topicsAreFoundByContextNumber()
    {
        const HelpFile help = HelpFile::parse(QString::fromUtf8(Sample));
        QCOMPARE(help.title(), QStringLiteral("Aide de Kinovue ST"));
        QCOMPARE(help.topics().size(), 3);
        QVERIFY(help.problems().isEmpty());

        const HelpTopic *main = help.topic(1);
        QVERIFY(main);
        QCOMPARE(main->title, QStringLiteral("La fenêtre principale"));
        QCOMPARE(main->text, QStringLiteral("Première ligne.\nSuite du paragraphe.\n\n"
                                            "Voir [[12|les lecteurs]] & <le reste>."));
        QCOMPARE(help.contents()->context, 0);
        QCOMPARE(help.topic(12)->title, QStringLiteral("Rubrique 12"));
        QCOMPARE(help.topic(12)->text, QStringLiteral("# pas un commentaire\n@adresse"));
    }

    void missingTopicIsNull()
    {
        const HelpFile help = HelpFile::parse(QString::fromUtf8(Sample));
        QVERIFY(!help.topic(2));
        QVERIFY(!help.topic(-1));
    }

    void contentsFallsBackToFirstTopic_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("contents");
        QTest::newRow("no directive") << "@topic 5 A\n@topic 3 B\n" << 5;
        QTest::newRow("names a missing topic") << "@contents 9\n@topic 5 A\n@topic 3 B\n" << 5;
        QTest::newRow("names the second") << "@contents 3\n@topic 5 A\n@topic 3 B\n" << 3;
    }

    void contentsFallsBackToFirstTopic()
    {
        QFETCH(QString, text);
        QFETCH(int, contents);
        QCOMPARE(HelpFile::parse(text).contents()->context, contents);
    }

    void malformedLinesAreReportedAndSkipped_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("contexts");
        QTest::addColumn<QStringList>("problems");
        QTest::newRow("topic without number")
            << "@topic Sommaire\nperdu\n@topic 2 B\nb\n"
            << QList<int>{2}
            << QStringList{"ligne 1 : rubrique sans numéro valide, ignorée",
                           "ligne 2 : texte hors rubrique, ignoré"};
        QTest::newRow("negative number") << "@topic -1 A\n@topic 1 B\n"
                                         << QList<int>{1}
                                         << QStringList{"ligne 1 : rubrique sans numéro "
                                                        "valide, ignorée"};
        QTest::newRow("duplicate keeps the first")
            << "@topic 1 A\na\n@topic 1 B\nb\n"
            << QList<int>{1}
            << QStringList{"ligne 3 : rubrique 1 en double, ignorée",
                           "ligne 4 : texte hors rubrique, ignoré"};
        QTest::newRow("unknown directive")
            << "@topic 1 A\n@image x.bmp\na\n"
            << QList<int>{1} << QStringList{"ligne 2 : directive inconnue @image"};
        QTest::newRow("text before any topic")
            << "bonjour\n\n@topic 4 A\n"
            << QList<int>{4} << QStringList{"ligne 1 : texte hors rubrique, ignoré"};
        QTest::newRow("bad contents number")
            << "@contents x\n@topic 4 A\n"
            << QList<int>{4} << QStringList{"ligne 1 : numéro de sommaire invalide"};
        QTest::newRow("empty file") << "" << QList<int>{} << QStringList{};
        QTest::newRow("number too large") << "@topic 99999999999 A\n"
                                          << QList<int>{}
                                          << QStringList{"ligne 1 : rubrique sans numéro "
                                                         "valide, ignorée"};
    }

    void malformedLinesAreReportedAndSkipped()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, contexts);
        QFETCH(QStringList, problems);
        const HelpFile help = HelpFile::parse(text);
        QList<int> found;
        for (const HelpTopic &t : help.topics())
            found.append(t.context);
        QCOMPARE(found, contexts);
        QCOMPARE(help.problems(), problems);
    }

    void windowsLineEndsAndByteOrderMarkAreRead()
    {
        const QByteArray bytes = "\xEF\xBB\xBF@topic 7 Sons\r\nLigne un\r\nLigne deux\r\n";
        const HelpFile help = HelpFile::parse(HelpFile::decode(bytes));
        QVERIFY(help.topic(7));
        QCOMPARE(help.topic(7)->text, QStringLiteral("Ligne un\nLigne deux"));
    }

    void windows1252FileIsRead()
    {
        const QByteArray bytes = "@topic 1 Fen\xEAtre\n\x93Oui\x94 \xE9t\xE9\n";
        const HelpFile help = HelpFile::parse(HelpFile::decode(bytes));
        QCOMPARE(help.topic(1)->title, QStringLiteral("Fenêtre"));
        QCOMPARE(help.topic(1)->text, QStringLiteral("“Oui” été"));
    }

    void htmlEscapesTextAndMakesLinks()
    {
        const HelpFile help = HelpFile::parse(QString::fromUtf8(Sample));
        const QString html = HelpFile::toHtml(*help.topic(1));
        QVERIFY(html.contains(QStringLiteral("<h2>La fenêtre principale</h2>")));
        QVERIFY(html.contains(QStringLiteral("<p>Première ligne.<br>\nSuite du paragraphe.</p>")));
        QVERIFY(html.contains(
            QStringLiteral("Voir <a href=\"topic:12\">les lecteurs</a> &amp; &lt;le reste&gt;.")));
        QCOMPARE(HelpFile::contextOfLink(QStringLiteral("topic:12")), std::optional<int>(12));
        QCOMPARE(HelpFile::contextOfLink(QStringLiteral("http://x")), std::nullopt);
    }

    void loadExplainsWhatWentWrong_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "absent.hlp" << QByteArray() << "est introuvable.";
        QTest::newRow("a folder") << "dossier" << QByteArray() << "n'est pas un fichier d'aide.";
        QTest::newRow("no topic") << "vide.hlp" << QByteArray("du texte\n")
                                  << "ne contient aucune rubrique.";
        QTest::newRow("binary") << "binaire.hlp" << QByteArray("\x00\x01\xFF?_", 5)
                                << "ne contient aucune rubrique.";
    }

    void loadExplainsWhatWentWrong()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (name == QLatin1String("dossier")) {
            QVERIFY(QDir().mkdir(path));
        } else if (!content.isEmpty()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        QString error;
        QVERIFY(!HelpFile::load(path, &error));
        QVERIFY2(error.endsWith(message), qPrintable(error));
        QVERIFY(error.contains(path));
    }

    void shippedHelpFileHasEveryTopicTheProgramOpens()
    {
        QString error;
        const auto help = HelpFile::load(QStringLiteral(KV_PROGRAM_DIR "/Kinovue.hlp"), &error);
        QVERIFY2(help, qPrintable(error));
        QVERIFY2(help->problems().isEmpty(), qPrintable(help->problems().join('\n')));
        for (int context : {1, 2, 3, 6, 7, 12, 13, 14}) {
            const HelpTopic *topic = help->topic(context);
            QVERIFY2(topic, qPrintable(QString::number(context)));
            QVERIFY(topic->text.size() > 200);
        }
        // Every link leads somewhere.
        static const QRegularExpression link(QStringLiteral("\\[\\[(\\d+)\\|"));
        for (const HelpTopic &topic : help->topics()) {
            auto it = link.globalMatch(topic.text);
            while (it.hasNext()) {
                const int target = it.next().captured(1).toInt();
                QVERIFY2(help->topic(target),
                         qPrintable(QStringLiteral("%1 -> %2").arg(topic.context).arg(target)));
            }
        }
    }

    void viewerArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("context"); // -1: whole file
        QTest::addColumn<bool>("ok");
        QTest::newRow("whole file")
            << QStringList{"/kv/Kinovue.hlp"} << "/kv/Kinovue.hlp" << -1 << true;
        QTest::newRow("topic") << QStringList{"-n", "12", "/kv/Kinovue.hlp"} << "/kv/Kinovue.hlp"
                               << 12 << true;
        QTest::newRow("unquoted path with blanks")
            << QStringList{"/home/moi/Kinovue", "ST/Kinovue.hlp"}
            << "/home/moi/Kinovue ST/Kinovue.hlp" << -1 << true;
        QTest::newRow("missing number") << QStringList{"-n"} << "" << -1 << false;
        QTest::newRow("bad number") << QStringList{"-n", "douze", "f.hlp"} << "" << -1 << false;
        QTest::newRow("no file") << QStringList{"-n", "3"} << "" << 3 << false;
        QTest::newRow("nothing") << QStringList{} << "" << -1 << false;
    }

    void viewerArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        QFETCH(int, context);
        QFETCH(bool, ok);
        const HelpRequest request = parseHelpArguments(arguments);
        QCOMPARE(request.error.isEmpty(), ok);
        if (!ok)
            return;
        QCOMPARE(request.file, file);
        QCOMPARE(request.context.value_or(-1), context);
    }

    void helpViewerCommandsRoundTripThroughTheViewerArguments_data()
    {
        QTest::addColumn<int>("context");
        QTest::newRow("whole file") << -1;
        QTest::newRow("topic 14") << 14;
    }

    void helpViewerCommandsRoundTripThroughTheViewerArguments()
    {
        QFETCH(int, context);
        FakeLauncher launcher;
        LauncherHelpViewer viewer(launcher);
        const QString file = QStringLiteral("/opt/Kinovue ST/Kinovue.hlp");
        if (context < 0)
            viewer.showFile(file);
        else
            viewer.showTopic(file, context);
        QCOMPARE(launcher.commands.size(), 1);
        const LaunchCommand &command = launcher.commands.first();
        QCOMPARE(command.program, QStringLiteral("winhelp.exe"));
        const HelpRequest request = parseHelpArguments(command.arguments);
        QCOMPARE(request.file, file);
        QCOMPARE(request.context.value_or(-1), context);
    }

    void viewerThatCannotStartIsNotFatal()
    {
        FakeLauncher launcher;
        launcher.statusByProgram.insert(QStringLiteral("winhelp.exe"), LaunchStatus::FileNotFound);
        LauncherHelpViewer viewer(launcher);
        viewer.showTopic(QStringLiteral("/kv/Kinovue.hlp"), 1);
        viewer.showFile(QStringLiteral("/kv/Kinovue.hlp"));
        QCOMPARE(launcher.started.size(), 2);
    }
};

KV_TEST_MAIN(TestHelpFile)
#include "tst_helpfile.moc"
