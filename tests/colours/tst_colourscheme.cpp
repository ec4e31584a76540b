#include "TestMain.h"
#include "WindowHarness.h"

#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "core/Twips.h"
#include "mainwindow/FenPrin.h"

using kvtest::WindowHarness;

namespace {

QString colourKey(const char *key)
{
    return FakeSettingsStore::path(QStringLiteral("Kinovue ST"),
                                   QStringLiteral("Couleurs de l'interface"),
                                   QString::fromUtf8(key));
}

quint32 prop(const QWidget *w, const char *name)
{
    return w->property(name).value<quint32>();
}

} // namespace

class ColourSchemeTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowHarness> h;
    FenPrin *w = nullptr;

    QWidget *c(const char *name) const { return w->control(QString::fromUtf8(name)); }
    void click(const char *name)
    {
        ZarnBttn *b = w->button(QString::fromUtf8(name));
        QVERIFY(b);
        w->panel(QStringLiteral("PopUpInfos"))->show();
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
    }
    void pick(quint32 colour)
    {
        FakeCommonDialog::Reply reply;
        reply.colour = colour;
        h->fakes.dialogs->replies.enqueue(reply);
    }
    void cancelNext()
    {
        FakeCommonDialog::Reply reply;
        reply.accept = false;
        h->fakes.dialogs->replies.enqueue(reply);
    }

private slots:
    void init()
    {
        h = std::make_unique<WindowHarness>();
        w = h->mainWindow();
    }

    void cleanup() { h.reset(); }

    void rolesGoToTheirControls_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("property");
        QTest::addColumn<quint32>("colour");
        QTest::newRow("Forme1 start") << "Forme1"
                                      << "gradientcolorstart" << 0x808000u;
        QTest::newRow("Forme1 end") << "Forme1"
                                    << "gradientcolorend" << 0xE0E0E0u;
        QTest::newRow("Forme2 reversed") << "Forme2"
                                         << "gradientcolorstart" << 0xE0E0E0u;
        QTest::newRow("Forme5 reversed") << "Forme5"
                                         << "gradientcolorend" << 0x808000u;
        QTest::newRow("BarrAVI reversed") << "BarrAVI"
                                          << "gradientcolorstart" << 0xE0E0E0u;
        QTest::newRow("zoom preset") << "Zoom(4)"
                                     << "gradientcolorstart" << 0x808000u;
        QTest::newRow("title caption") << "CmdFermer"
                                       << "forecolor" << 0x808000u;
        QTest::newRow("menu title") << "mnuSeqFLI"
                                    << "forecolor" << 0x808000u;
        QTest::newRow("menu item highlight") << "CmdReset"
                                             << "highlightcolor" << 0xDEFF6Cu;
        QTest::newRow("menu item caption") << "mnuAideFLI"
                                           << "forecolor" << 0xFFFFFFu;
        QTest::newRow("separator") << "Line9"
                                   << "forecolor" << 0xFFFFFFu;
        QTest::newRow("value display text") << "VolText"
                                            << "forecolor" << 0xFFFFFFu;
        QTest::newRow("value display back") << "ZoomText"
                                            << "backcolor" << 0xD2D200u;
        QTest::newRow("lower panel built-in start") << "PSeqAVI2"
                                                    << "gradientcolorstart" << 0xE0E0E0u;
        QTest::newRow("lower panel end") << "FondSons2"
                                         << "gradientcolorend" << 0x808000u;
        QTest::newRow("list back") << "Répertoire1"
                                   << "backcolor" << 0xD2D200u;
    }

    void rolesGoToTheirControls()
    {
        QFETCH(QString, control);
        QFETCH(QString, property);
        QFETCH(quint32, colour);
        QWidget *target = w->control(control);
        QVERIFY2(target, qPrintable(control));
        QCOMPARE(prop(target, property.toLatin1().constData()), colour);
    }

    void galerixKeepsItsBuiltInColours()
    {
        pick(0x0000FF);
        click("CmdAutrTxt");
        QCOMPARE(prop(c("CmdImages"), "forecolor"), 0xFFFFFFu);
        QCOMPARE(prop(c("CmdCoulDeb"), "forecolor"), 0x0000FFu);
    }

    void newEndColourSparesTheAlternativePanels()
    {
        const quint32 reglagesEnd = prop(c("FondRéglages"), "gradientcolorend");
        const quint32 sons2Start = prop(c("FondSons2"), "gradientcolorstart");
        pick(0x112233);
        click("CmdCoulFin");
        QCOMPARE(prop(c("Forme1"), "gradientcolorend"), 0x112233u);
        QCOMPARE(prop(c("Forme2"), "gradientcolorstart"), 0x112233u);
        QCOMPARE(prop(c("FondRéglages"), "gradientcolorend"), reglagesEnd);
        QCOMPARE(prop(c("FondSons2"), "gradientcolorstart"), sons2Start);
        QCOMPARE(h->fakes.settings->values.value(colourKey("Fin du dégradé")),
                 QStringLiteral("1122867"));
        QVERIFY(c("PopUpInfos")->isHidden());
    }

    void cancelWritesTheStoredTextBackUnchanged()
    {
        h->fakes.settings->values.insert(colourKey("Début du dégradé"), QStringLiteral("&H808000"));
        w->load();
        h->fakes.settings->writes.clear();
        cancelNext();
        click("CmdCoulDeb");
        QCOMPARE(h->fakes.settings->writes, QStringList{colourKey("Début du dégradé")});
        QCOMPARE(h->fakes.settings->values.value(colourKey("Début du dégradé")),
                 QStringLiteral("&H808000"));
        pick(0x808000);
        click("CmdCoulDeb");
        QCOMPARE(h->fakes.settings->values.value(colourKey("Début du dégradé")),
                 QStringLiteral("8421376"));
    }

    void pickThenCancelAnotherKeepsBoth()
    {
        pick(0x010203);
        click("CmdCoulTxt");
        cancelNext();
        click("CmdLumiere");
        QCOMPARE(h->general.colour(General::TexteBoutons), 0x010203u);
        QCOMPARE(h->general.colour(General::Lumiere), 0xDEFF6Cu);
        QCOMPARE(prop(c("CmdFermer"), "forecolor"), 0x010203u);
        for (bool flag : h->general.ModifCoul)
            QVERIFY(!flag);
        const auto &shown = h->fakes.dialogs->shown;
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.last().kind, FakeCommonDialog::Kind::Colour);
        QVERIFY(shown.last().state.cancelError);
    }

    void menuButtonShowsThenHidesTheMenu()
    {
        ZarnBttn *about = w->button(QStringLiteral("CmdApropos"));
        QVERIFY(c("PopUpInfos")->isHidden());
        QTest::mouseClick(about, Qt::LeftButton, {}, about->rect().center());
        QVERIFY(!c("PopUpInfos")->isHidden());
        QCOMPARE(Twips::rect(c("PopUpInfos")).topLeft(), QPointF(1800, 660));
        QTest::mouseClick(about, Qt::LeftButton, {}, about->rect().center());
        QVERIFY(c("PopUpInfos")->isHidden());
    }

    void resetRepaintsWithTheDefaults()
    {
        pick(0x0000FF);
        click("CmdCoulFondFen");
        QCOMPARE(w->palette().color(QPalette::Window), QColor(255, 0, 0));
        click("CmdReset");
        QCOMPARE(w->palette().color(QPalette::Window), QColor(0, 128, 128));
    }
};

KV_TEST_MAIN(ColourSchemeTest)
#include "tst_colourscheme.moc"
