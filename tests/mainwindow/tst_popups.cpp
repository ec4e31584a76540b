#include "TestMain.h"
#include "WindowHarness.h"

using kvtest::WindowHarness;

// The main window's pop-up menus and the slideshow's warning panel: Escape or a press elsewhere
// closes them; their own button and their inside leave them to their own clicks.
class PopUpsTest : public QObject
{
    Q_OBJECT

private slots:
    void escapeOrAPressElsewhereClosesThem_data()
    {
        QTest::addColumn<QString>("popUp");
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<bool>("open");
        const std::tuple<const char *, const char *> popUps[] = {
            {"PopUpInfos", "CmdApropos"},
            {"mnuSeqAVI", "CmdSeqAVI"},
            {"mnuSeqFLI", "CmdFLI1"},
            {"mnuWinMCI", "CmdSonMCI"},
            {"FondAvertissement", "CmdSeqAVI/right"},
        };
        for (const auto &[popUp, opener] : popUps) {
            for (const auto &[gesture, open] :
                 {std::pair{"Escape", false}, {"press elsewhere", false}, {"press inside", true}}) {
                QTest::addRow("%s, %s", popUp, gesture) << popUp << opener << gesture << open;
            }
        }
    }

    void escapeOrAPressElsewhereClosesThem()
    {
        QFETCH(QString, popUp);
        QFETCH(QString, opener);
        QFETCH(QString, gesture);
        QFETCH(bool, open);
        WindowHarness h;
        h.mainWindow();
        if (opener.endsWith("/right"))
            h.press(opener.chopped(6), Qt::RightButton);
        else
            h.click(opener);
        QVERIFY(h.shown(popUp));
        QWidget *inside = h.main->control(popUp);
        if (gesture == "Escape")
            QTest::keyClick(h.main, Qt::Key_Escape);
        else
            QTest::mousePress(gesture == "press inside" ? inside : h.main->control("Forme5"),
                              Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(h.shown(popUp), open);
    }
};

KV_TEST_MAIN(PopUpsTest)
#include "tst_popups.moc"
