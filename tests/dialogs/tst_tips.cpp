#include "TestMain.h"
#include "WindowHarness.h"

#include "controls/ZarnBttn.h"
#include "dialogs/Conseils.h"

#include <QCheckBox>
#include <QTemporaryDir>

using kvtest::WindowHarness;

namespace {

const QString TipsKey
    = FakeSettingsStore::path(QStringLiteral("Kinovue ST"), QStringLiteral("Conseils du jour"),
                              QStringLiteral("Conseil au démarrage"));

// The tips dialog loaded from a program folder holding these bytes as Conseils.txt, or none
// when bytes is null.
Conseils *loadTips(WindowHarness &h, const QTemporaryDir &dir, const QByteArray &bytes)
{
    if (!bytes.isNull()) {
        QFile file(dir.filePath(QStringLiteral("Conseils.txt")));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    h.fakes.platform.programFolder = dir.path();
    auto *tips = new Conseils(h.context);
    tips->load();
    return tips;
}

void clickNext(Conseils *tips)
{
    ZarnBttn *next = tips->button(QStringLiteral("CmdNextTip"));
    QTest::mouseClick(next, Qt::LeftButton, {}, next->rect().center());
}

} // namespace

class TipsTest : public QObject
{
    Q_OBJECT

private slots:
    void randomFirstTipThenFileOrderWrapping_data()
    {
        QTest::addColumn<double>("random");
        QTest::addColumn<QStringList>("sequence");
        QTest::newRow("first line") << 0.0 << QStringList{"un", "deux", "trois", "un"};
        QTest::newRow("second line") << 0.5 << QStringList{"deux", "trois", "un", "deux"};
        QTest::newRow("last line") << 0.99 << QStringList{"trois", "un", "deux", "trois"};
    }

    void randomFirstTipThenFileOrderWrapping()
    {
        QFETCH(double, random);
        QFETCH(QStringList, sequence);
        QTemporaryDir dir;
        WindowHarness h;
        h.fakes.random->sequence = {random};
        auto *tips = loadTips(h, dir, "un\ndeux\ntrois\n");
        QStringList seen{tips->tipText()};
        for (int i = 0; i < 3; ++i) {
            clickNext(tips);
            seen << tips->tipText();
        }
        QCOMPARE(seen, sequence);
    }

    void emptyLineIsATipOfItsOwnAndOldCodePageReads()
    {
        QTemporaryDir dir;
        WindowHarness h;
        h.fakes.random->sequence = {0.0};
        auto *tips = loadTips(h, dir, "premi\xe8re\r\n\r\n\x80 trois\r\n");
        QCOMPARE(tips->tips().count(), 3);
        QCOMPARE(tips->tipText(), QStringLiteral("première"));
        clickNext(tips);
        QCOMPARE(tips->tipText(), QString());
        clickNext(tips);
        QCOMPARE(tips->tipText(), QStringLiteral("€ trois"));
    }

    void missingFileShowsTheMessageAndNextDoesNothing()
    {
        QTemporaryDir dir;
        WindowHarness h;
        auto *tips = loadTips(h, dir, QByteArray());
        const QString message = QStringLiteral(
            "Le fichier Conseils.txt n'a pas été trouvé.\r\n\r\nVous n'auriez pas dû le supprimer "
            "du dossier de Kinovue ST");
        QCOMPARE(tips->tipText(), message);
        clickNext(tips);
        QCOMPARE(tips->tipText(), message);
    }

    void emptyFileShowsNoTip()
    {
        QTemporaryDir dir;
        WindowHarness h;
        auto *tips = loadTips(h, dir, "");
        QVERIFY(tips->tips().isEmpty());
        QCOMPARE(tips->tipText(), QString());
    }

    void checkBoxWritesAtOnce()
    {
        WindowHarness h;
        auto *tips = new Conseils(h.context);
        tips->load();
        auto *box = tips->get<QCheckBox>(QStringLiteral("chkLoadTipsAtStartup"));
        QVERIFY(box->isChecked());
        QVERIFY(h.fakes.settings->writes.isEmpty());
        box->click();
        QCOMPARE(h.fakes.settings->values.value(TipsKey), QStringLiteral("Non"));
        QCOMPARE(h.general.ConseilDemarrage, QStringLiteral("Non"));
        box->click();
        QCOMPARE(h.fakes.settings->values.value(TipsKey), QStringLiteral("Oui"));
    }

    void okUnloadsTheDialog()
    {
        WindowHarness h;
        auto *tips = new Conseils(h.context);
        tips->load();
        tips->show();
        QCOMPARE(h.windows.count(), 1);
        ZarnBttn *ok = tips->button(QStringLiteral("CmdOK"));
        QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
        QCOMPARE(h.windows.count(), 0);
        QCOMPARE(tips->size(), QSize(392, 240));
    }
};

KV_TEST_MAIN(TipsTest)
#include "tst_tips.moc"
