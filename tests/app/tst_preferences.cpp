#include "TestMain.h"
#include "WindowHarness.h"

#include "app/PreferenceCommands.h"
#include "app/Preferences.h"

using kvtest::WindowHarness;

namespace {

QString colourKey(const char *key)
{
    return FakeSettingsStore::path(QStringLiteral("Kinovue ST"),
                                   QStringLiteral("Couleurs de l'interface"),
                                   QString::fromUtf8(key));
}

const QString HintKey = FakeSettingsStore::path(QStringLiteral("Kinovue ST"),
                                                QStringLiteral("Affichage des info-bulles"),
                                                QStringLiteral("Valeur"));
const QString TipsKey
    = FakeSettingsStore::path(QStringLiteral("Kinovue ST"), QStringLiteral("Conseils du jour"),
                              QStringLiteral("Conseil au démarrage"));

} // namespace

class PreferencesTest : public QObject
{
    Q_OBJECT

private slots:
    void firstStartReadsDefaultsAndWritesNothing()
    {
        WindowHarness h;
        Preferences p(*h.fakes.platform.settings, h.general);
        p.readColours();
        p.readHints();
        p.readTips();
        QCOMPARE(h.general.colour(General::DebDegrade), 0x808000u);
        QCOMPARE(h.general.colour(General::FinDegrade), 0xE0E0E0u);
        QCOMPARE(h.general.colour(General::AutresTextes), 0xFFFFFFu);
        QCOMPARE(h.general.couleurs[General::Visu], QStringLiteral("&HD2D200"));
        QVERIFY(h.general.InfoBulles);
        QCOMPARE(h.general.ConseilDemarrage, QStringLiteral("Oui"));
        QVERIFY(h.fakes.settings->writes.isEmpty());
    }

    void colourForms_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<quint32>("colour");
        QTest::newRow("hexadecimal") << "&HD2D200" << 0xD2D200u;
        QTest::newRow("decimal digits") << "13816320" << 0xD2D200u;
        QTest::newRow("neither form falls back to the default") << "teal" << 0xD2D200u;
        QTest::newRow("empty text falls back") << "" << 0xD2D200u;
        QTest::newRow("another colour") << "255" << 0x0000FFu;
    }

    void colourForms()
    {
        QFETCH(QString, stored);
        QFETCH(quint32, colour);
        WindowHarness h;
        h.fakes.settings->values.insert(colourKey("Visualisation, dossiers, etc."), stored);
        Preferences(*h.fakes.platform.settings, h.general).readColours();
        QCOMPARE(h.general.colour(General::Visu), colour);
        QCOMPARE(h.general.couleurs[General::Visu], stored);
    }

    void hintsInLowerCaseReadAsOffThenTurnOn()
    {
        WindowHarness h;
        h.fakes.settings->values.insert(HintKey, QStringLiteral("oui"));
        Preferences(*h.fakes.platform.settings, h.general).readHints();
        QVERIFY(!h.general.InfoBulles);
        const QString caption = PreferenceCommands(h.context).toggleHints();
        QVERIFY(h.general.InfoBulles);
        QCOMPARE(caption, QStringLiteral("Affichage des info-bulles «"));
        QCOMPARE(h.fakes.settings->values.value(HintKey), QStringLiteral("Oui"));
        QCOMPARE(PreferenceCommands(h.context).toggleHints(),
                 QStringLiteral("Affichage des info-bulles"));
        QCOMPARE(h.fakes.settings->values.value(HintKey), QStringLiteral("Non"));
    }

    void emptyTipsSwitchReadsAsNoThenWritesOui()
    {
        WindowHarness h;
        h.fakes.settings->values.insert(TipsKey, QString());
        Preferences(*h.fakes.platform.settings, h.general).readTips();
        QCOMPARE(PreferenceCommands::tipsCaption(h.general.ConseilDemarrage),
                 QStringLiteral("Conseils au démarrage"));
        QCOMPARE(PreferenceCommands(h.context).toggleTipsAtStart(),
                 QStringLiteral("Conseils au démarrage «"));
        QCOMPARE(h.fakes.settings->values.value(TipsKey), QStringLiteral("Oui"));
    }

    void resetWritesDecimalDigitsInTableOrder()
    {
        WindowHarness h;
        PreferenceCommands(h.context).resetColours();
        const QStringList expected
            = {"8421376", "14737632", "8421376", "14614380", "16777215", "8421376", "13816320"};
        QStringList written;
        for (const QString &path : h.fakes.settings->writes)
            written << h.fakes.settings->values.value(path);
        QCOMPARE(written, expected);
        QCOMPARE(h.fakes.settings->writes.first(), colourKey("Début du dégradé"));
        QCOMPARE(h.fakes.settings->writes.last(), colourKey("Visualisation, dossiers, etc."));
    }

    void uninstallAsksThenRemovesTheWholeBranch()
    {
        WindowHarness h;
        h.fakes.settings->values.insert(HintKey, QStringLiteral("Non"));
        h.fakes.messages->answers.enqueue(MessageAnswer::No);
        QVERIFY(!PreferenceCommands(h.context).uninstall());
        QCOMPARE(h.fakes.settings->values.size(), 1);
        const MessageRequest &asked = h.fakes.messages->asked.first();
        QCOMPARE(asked.title, QStringLiteral("DÉSINSTALLATION"));
        QCOMPARE(asked.icon, MessageIcon::Critical);
        QCOMPARE(asked.buttons, MessageButtons::YesNo);
        QCOMPARE(asked.defaultButton, 1);
        QVERIFY(asked.text.startsWith(
            QStringLiteral("Cette opération ne devrait être effectuée que si vous souhaitez "
                           "désinstaller le programme.\nEtes-vous sûr(e)")));

        h.fakes.messages->answers.enqueue(MessageAnswer::Yes);
        QVERIFY(PreferenceCommands(h.context).uninstall());
        QVERIFY(h.fakes.settings->values.isEmpty());
        QCOMPARE(h.fakes.messages->asked.size(), 2);
        // The values in memory stay as they are.
        QVERIFY(h.general.InfoBulles);
    }
};

KV_TEST_MAIN(PreferencesTest)
#include "tst_preferences.moc"
