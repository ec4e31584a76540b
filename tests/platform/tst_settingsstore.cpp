#include "TestMain.h"

#include "platform/desktop/QSettingsStore.h"
#include "platform/fake/FakePlatform.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>

namespace {
const QString App = QStringLiteral("Kinovue ST");
const QString Colours = QStringLiteral("Couleurs de l'interface");
} // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void storedTextComesBackExactly_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("gradient start") << Colours << "Début du dégradé"
                                        << "&H808000";
        QTest::newRow("gradient end") << Colours << "Fin du dégradé"
                                      << "14737632";
        QTest::newRow("button text") << Colours << "Texte des boutons"
                                     << "8421376";
        QTest::newRow("apostrophes in key") << Colours << "'Lumière' des boutons"
                                            << "14614380";
        QTest::newRow("other texts") << Colours << "Autres textes"
                                     << "&HFFFFFF";
        QTest::newRow("window background") << Colours << "Fond des fenêtres"
                                           << "8421376";
        QTest::newRow("commas and dots in key") << Colours << "Visualisation, dossiers, etc."
                                                << "13816320";
        QTest::newRow("hints") << "Affichage des info-bulles"
                               << "Valeur"
                               << "Non";
        QTest::newRow("tips") << "Conseils du jour"
                              << "Conseil au démarrage"
                              << "Oui";
        QTest::newRow("empty value") << "Conseils du jour"
                                     << "Conseil au démarrage"
                                     << "";
        QTest::newRow("value with commas") << "S"
                                           << "K"
                                           << "a, b,c";
        QTest::newRow("value with quotes and semicolon") << "S"
                                                         << "K"
                                                         << "\"x\"; y = z";
        QTest::newRow("slashes stay in the key") << "A/B"
                                                 << "C\\D/E"
                                                 << "v";
        QTest::newRow("percent in key") << "S"
                                        << "100% sûr"
                                        << "%41";
    }

    void storedTextComesBackExactly()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        {
            QSettingsStore store(m_dir->path());
            store.write(App, section, key, value);
        }
        // A fresh store reads what is on disk, not what one object remembers.
        QSettingsStore reader(m_dir->path());
        QCOMPARE(reader.read(App, section, key, QStringLiteral("fallback")), value);
    }

    void slashedKeysDoNotMeetPlainOnes()
    {
        QSettingsStore store(m_dir->path());
        store.write(App, QStringLiteral("A/B"), QStringLiteral("C"), QStringLiteral("slashed"));
        QCOMPARE(store.read(App, QStringLiteral("A"), QStringLiteral("B/C"), QStringLiteral("-")),
                 QStringLiteral("-"));
    }

    void fileLivesWhereQSettingsPutsIt()
    {
        QSettingsStore store(m_dir->path());
        store.write(App, Colours, QStringLiteral("Autres textes"), QStringLiteral("1"));
        QVERIFY(QFile::exists(m_dir->path() + "/Kinovue ST/Kinovue ST.ini"));
        QCOMPARE(store.fileOf(App), m_dir->path() + "/Kinovue ST/Kinovue ST.ini");
    }

    void absentKeyGivesFallbackAndWritesNothing_data()
    {
        QTest::addColumn<bool>("storeExists");
        QTest::newRow("no store at all") << false;
        QTest::newRow("store with other keys") << true;
    }

    void absentKeyGivesFallbackAndWritesNothing()
    {
        QFETCH(bool, storeExists);
        QSettingsStore store(m_dir->path());
        if (storeExists)
            store.write(App, QStringLiteral("Conseils du jour"),
                        QStringLiteral("Conseil au démarrage"), QStringLiteral("Non"));
        const QString file = store.fileOf(App);
        const QByteArray before = readAll(file);

        QCOMPARE(store.read(App, Colours, QStringLiteral("Début du dégradé"),
                            QStringLiteral("&H808000")),
                 QStringLiteral("&H808000"));
        QCOMPARE(store.read(App, QStringLiteral("Affichage des info-bulles"),
                            QStringLiteral("Valeur"), QStringLiteral("Oui")),
                 QStringLiteral("Oui"));

        QCOMPARE(QFile::exists(file), storeExists);
        QCOMPARE(readAll(file), before);
    }

    void damagedStoreGivesTheFallbacks_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("folderInItsPlace");
        QTest::newRow("binary garbage") << QByteArray("\x00\xff[\x01=\x02\n\xfe\xfd", 10) << false;
        QTest::newRow("broken sections") << QByteArray("[[[\n=\n]]]=x\n[Couleurs") << false;
        QTest::newRow("a folder where the file should be") << QByteArray() << true;
    }

    void damagedStoreGivesTheFallbacks()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, folderInItsPlace);
        QSettingsStore store(m_dir->path());
        const QString file = store.fileOf(App);
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        if (folderInItsPlace) {
            QVERIFY(QDir().mkpath(file));
        } else {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        QCOMPARE(
            store.read(App, Colours, QStringLiteral("Fin du dégradé"), QStringLiteral("&HE0E0E0")),
            QStringLiteral("&HE0E0E0"));
        QCOMPARE(store.read(App, QStringLiteral("Conseils du jour"),
                            QStringLiteral("Conseil au démarrage"), QStringLiteral("Oui")),
                 QStringLiteral("Oui"));
    }

    void applicationsAreKeptApart()
    {
        QSettingsStore store(m_dir->path());
        store.write(App, QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("ours"));
        store.write(QStringLiteral("Autre"), QStringLiteral("S"), QStringLiteral("K"),
                    QStringLiteral("theirs"));
        store.removeApplication(QStringLiteral("Autre"));
        QCOMPARE(store.read(App, QStringLiteral("S"), QStringLiteral("K"), QString()),
                 QStringLiteral("ours"));
    }

    void removeApplicationClearsEveryKey()
    {
        QSettingsStore store(m_dir->path());
        store.write(App, Colours, QStringLiteral("Fin du dégradé"), QStringLiteral("1"));
        store.write(App, QStringLiteral("Affichage des info-bulles"), QStringLiteral("Valeur"),
                    QStringLiteral("Non"));
        store.write(App, QStringLiteral("Conseils du jour"), QStringLiteral("Conseil au démarrage"),
                    QStringLiteral("Non"));

        store.removeApplication(App);

        QSettingsStore fresh(m_dir->path());
        QCOMPARE(fresh.read(App, Colours, QStringLiteral("Fin du dégradé"), QStringLiteral("d")),
                 QStringLiteral("d"));
        QCOMPARE(fresh.read(App, QStringLiteral("Affichage des info-bulles"),
                            QStringLiteral("Valeur"), QStringLiteral("Oui")),
                 QStringLiteral("Oui"));
        QCOMPARE(fresh.read(App, QStringLiteral("Conseils du jour"),
                            QStringLiteral("Conseil au démarrage"), QStringLiteral("Oui")),
                 QStringLiteral("Oui"));
        QVERIFY(!QFile::exists(fresh.fileOf(App)));
    }

    void writeAfterRemovalStoresThatKeyAlone()
    {
        QSettingsStore store(m_dir->path());
        store.write(App, Colours, QStringLiteral("Autres textes"), QStringLiteral("1"));
        store.removeApplication(App);
        store.write(App, QStringLiteral("Affichage des info-bulles"), QStringLiteral("Valeur"),
                    QStringLiteral("Oui"));
        QCOMPARE(store.read(App, Colours, QStringLiteral("Autres textes"), QStringLiteral("d")),
                 QStringLiteral("d"));
        QCOMPARE(store.read(App, QStringLiteral("Affichage des info-bulles"),
                            QStringLiteral("Valeur"), QString()),
                 QStringLiteral("Oui"));
    }

    void removingAnEmptyStoreIsSilent()
    {
        QSettingsStore store(m_dir->path());
        store.removeApplication(App);
        store.removeApplication(App);
        QVERIFY(!QFile::exists(store.fileOf(App)));
        QVERIFY(QDir(m_dir->path()).isEmpty());
    }

    void unwritableFolderSaysSoOnce()
    {
        // A file where the application's folder should be: nothing can be written there.
        writeFile(m_dir->path() + "/Kinovue ST", {});
        FakeMessageBox messages;
        QSettingsStore store(m_dir->path(), &messages);
        store.write(App, "S", "K", "v");
        store.write(App, "S", "L", "w");
        QCOMPARE(store.read(App, "S", "K", "d"), QStringLiteral("d"));
        QCOMPARE(messages.asked.size(), 1);
        QVERIFY(messages.asked.first().text.contains("ne peuvent pas être enregistrées"));
    }

    void unreadableFileIsSetAsideNotOverwritten_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("20 KB of plain text")
            << QByteArray("des mots sans signe égal\n").repeated(800);
        QTest::newRow("binary") << QByteArray("\x00\xff[\x01=\x02\n\xfe\xfd", 10);
        QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
        QTest::newRow("UTF-16") << QByteArray(
            utf16(u"[Conseils du jour]\nConseil au démarrage=Non\n"));
        QTest::newRow("larger than any file we write")
            << "[Conseils du jour]\nConseil au d\xc3\xa9marrage=Non\n"
                   + QByteArray("; commentaire\n")
                         .repeated(QSettingsStore::LargestReadable / 14 + 1);
    }

    void unreadableFileIsSetAsideNotOverwritten()
    {
        QFETCH(QByteArray, content);
        const QString file = m_dir->path() + "/Kinovue ST/Kinovue ST.ini";
        writeFile(file, content);
        FakeMessageBox messages;
        QSettingsStore store(m_dir->path(), &messages);
        // The message lets other events run: by then the fresh file must hold the change.
        QString whenTold;
        messages.onAsk = [&](const MessageRequest &) {
            whenTold = QSettingsStore(m_dir->path())
                           .read(App, "Conseils du jour", "Conseil au démarrage", {});
        };
        QCOMPARE(store.read(App, "Conseils du jour", "Conseil au démarrage", "Oui"), "Oui");
        QElapsedTimer clock;
        clock.start();
        store.write(App, "Conseils du jour", "Conseil au démarrage", "Oui");
        store.write(App, Colours, "Autres textes", "255");
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));

        QCOMPARE(readAll(file + ".illisible"), content);
        QCOMPARE(store.read(App, "Conseils du jour", "Conseil au démarrage", {}), "Oui");
        QCOMPARE(store.read(App, Colours, "Autres textes", {}), "255");
        QCOMPARE(messages.asked.size(), 1);
        QVERIFY(messages.asked.first().text.contains("illisible"));
        QCOMPARE(whenTold, "Oui");

        // A second unreadable file does not replace the first one kept.
        writeFile(file, "\x01");
        QSettingsStore(m_dir->path()).write(App, "S", "K", "v");
        QCOMPARE(readAll(file + ".illisible"), content);
        QCOMPARE(readAll(file + ".illisible2"), "\x01");
    }

    void handEditedFileKeepsEveryOtherLine()
    {
        const QString file = m_dir->path() + "/Kinovue ST/Kinovue ST.ini";
        const QByteArray before = "; mes couleurs\n[Couleurs de l'interface]\n; le fond\n"
                                  "Fond des fen\xc3\xaatres=255\nAutres%20textes=&HFFFFFF\n\n"
                                  "[Autre]\nk=v ; gard\xc3\xa9"
                                  "e\n";
        writeFile(file, before);
        QSettingsStore store(m_dir->path());
        store.write(App, Colours, "Fond des fenêtres", "65280");
        store.write(App, Colours, "Autres textes", "0");
        store.write(App, "Conseils du jour", "Conseil au démarrage", "Non");

        // Changed in place, one line each; comments and the other section as they were.
        const QList<QByteArray> was = before.split('\n');
        const QList<QByteArray> now = readAll(file).split('\n');
        QCOMPARE(now.size(), was.size() + 3);
        for (int line : {0, 1, 2, 5, 6, 7})
            QCOMPARE(now.at(line), was.at(line));
        QSettingsStore reader(m_dir->path());
        QCOMPARE(reader.read(App, Colours, "Fond des fenêtres", {}), "65280");
        QCOMPARE(reader.read(App, Colours, "Autres textes", {}), "0");
        QCOMPARE(reader.read(App, "Conseils du jour", "Conseil au démarrage", {}), "Non");
    }

    void handEditedListValueReadsAsText()
    {
        QDir().mkpath(m_dir->path() + "/Kinovue ST");
        QFile file(m_dir->path() + "/Kinovue ST/Kinovue ST.ini");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[S]\nK=un, deux\n");
        file.close();
        QSettingsStore store(m_dir->path());
        QCOMPARE(store.read(App, QStringLiteral("S"), QStringLiteral("K"), QString()),
                 QStringLiteral("un, deux"));
    }

private:
    static void writeFile(const QString &path, const QByteArray &content)
    {
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }

    static QByteArray readAll(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

KV_TEST_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
