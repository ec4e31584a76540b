#include "TestMain.h"
#include "WindowHarness.h"

#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "core/Twips.h"
#include "multiview/FenMultivu.h"
#include "multiview/PaneSelection.h"

using kvtest::WindowHarness;

// The multi-view window on fake engines, with a stand-in for the file manager that leaves
// `m_chosen` in FichierChoisi as the real one does.
class MultiviewTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowHarness> h;
    FenPrin *m_main = nullptr;
    FenMultivu *w = nullptr;
    QString m_chosen;
    bool m_standIn = false;

    void click(QWidget *control) { QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, 5)); }
    void clickButton(const char *name) { click(w->button(QString::fromUtf8(name))); }
    QString title() const { return w->button(QStringLiteral("CmdDeplaceFen"))->caption(); }
    QString infoLine() const { return w->button(QStringLiteral("Forme7"))->caption(); }
    bool fileCommandsEnabled() const
    {
        return w->button(QStringLiteral("CmdInfoAnim"))->isEnabled()
               && w->button(QStringLiteral("CmdRecupG"))->isEnabled()
               && w->button(QStringLiteral("CmdRecupF"))->isEnabled();
    }
    // Selects pane k and loads the file through CmdFicMCI, the file manager left out.
    void load(int k, const QString &path)
    {
        if (!m_standIn) {
            disconnect(&w->selection(), &PaneSelection::fileManagerRequested, nullptr, nullptr);
            connect(&w->selection(), &PaneSelection::fileManagerRequested, this,
                    [this] { h->general.FichierChoisi = m_chosen; });
            m_standIn = true;
        }
        click(&w->pane(k).panel());
        m_chosen = path;
        clickButton("CmdFicMCI");
        WindowHarness::settle();
    }
    QString media(const char *name, qint64 ms, qint64 frames, QSize size = {160, 120})
    {
        return h->addMedia(QString::fromUtf8(name), FakeMedia{ms, frames, size});
    }

private slots:
    void init()
    {
        h = std::make_unique<WindowHarness>();
        m_main = h->mainWindow();
        click(m_main->button(QStringLiteral("CmdMultiVue")));
        w = qobject_cast<FenMultivu *>(h->windows.find(QStringLiteral("FenMultivu")));
        QVERIFY(w);
        m_standIn = false;
    }

    void cleanup() { h.reset(); }

    void fitting_data()
    {
        QTest::addColumn<int>("pane");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QRectF>("expected");
        // A sound's window is the play bar alone, 270 high: its top is 1012.5 below the pane's.
        QTest::newRow("270 high") << 1 << QSize() << QRectF(150, 1132.5, 2295, 270);
        QTest::newRow("larger than the pane")
            << 5 << QSize(640, 480) << QRectF(2670, 2602.5, 2295, 2250);
        QTest::newRow("narrow stays left") << 3 << QSize(60, 80) << QRectF(5190, 532.5, 900, 1470);
    }

    void fitting()
    {
        QFETCH(int, pane);
        QFETCH(QSize, picture);
        QFETCH(QRectF, expected);
        load(pane, media("a.avi", 1000, picture.isEmpty() ? 0 : 10, picture));
        QCOMPARE(Twips::rect(&w->pane(pane).media()), expected);
        QVERIFY(w->pane(pane).media().isVisible());
    }

    void titleAtMediaChange_data()
    {
        QTest::addColumn<int>("pane");
        QTest::addColumn<QString>("separator");
        QTest::newRow("pane 1") << 1 << " - 0";
        QTest::newRow("pane 3") << 3 << " - position : 0";
    }

    void titleAtMediaChange()
    {
        QFETCH(int, pane);
        QFETCH(QString, separator);
        QString atChange;
        connect(&w->pane(pane).media(), &MediaWindow::mediaChanged, this,
                [&] { atChange = title(); });
        const QString path = media("Clip.AVI", 1000, 10);
        load(pane, path);
        QCOMPARE(atChange, path.toLower() + separator);
        // The position reported next gives its own title, whatever the pane.
        QCOMPARE(title(), path.toLower() + QStringLiteral(" - position : 0"));
    }

    void informationTogglesAcrossPanes()
    {
        load(1, media("a.avi", 65040, 1626));
        load(2, media("b.avi", 2000, 50));
        load(3, media("no-frames.avi", 2000, 0));
        click(&w->pane(1).panel());
        clickButton("CmdInfoAnim");
        QCOMPARE(infoLine(),
                 QStringLiteral("L'animation dure 1mn 5sec 40ms et comporte 1626 images"));
        QCOMPARE(w->pane(1).media().timeFormat(), QStringLiteral("frames"));
        click(&w->pane(3).panel());
        clickButton("CmdInfoAnim");
        QVERIFY(!infoLine().isEmpty()); // nothing to tell: the shown text stays
        click(&w->pane(2).panel());
        QVERIFY(!infoLine().isEmpty());
        clickButton("CmdInfoAnim");
        QCOMPARE(infoLine(), QString());
        clickButton("CmdInfoAnim");
        QCOMPARE(infoLine(), QStringLiteral("L'animation dure 0mn 2sec 0ms et comporte 50 images"));
    }

    void selectionMarksOnePaneAndClearingKeepsTheTitle()
    {
        load(2, media("a.avi", 1000, 10));
        QVERIFY(fileCommandsEnabled());
        click(&w->pane(4).panel());
        QVERIFY(!fileCommandsEnabled());
        QVERIFY(w->button(QStringLiteral("CmdFicMCI"))->isEnabled());
        for (int k = 1; k <= 6; ++k)
            QCOMPARE(w->pane(k).panel().borderStyle(), k == 4 ? 2 : 1);
        click(&w->pane(2).media());
        WindowHarness::settle();
        QCOMPARE(w->selection().selected(), &w->pane(2));
        QVERIFY(fileCommandsEnabled());
        const QString shown = title();
        click(w->panel(QStringLiteral("FondFenetre")));
        QCOMPARE(w->selection().selected(), nullptr);
        QVERIFY(!w->button(QStringLiteral("CmdFicMCI"))->isEnabled());
        QVERIFY(!fileCommandsEnabled());
        QCOMPARE(w->pane(2).panel().borderStyle(), 1);
        QCOMPARE(title(), shown);
    }

    void modeChangeOfAnEmptyPaneDisablesTheFileCommands()
    {
        load(1, media("a.avi", 1000, 10));
        load(2, media("b.avi", 1000, 10));
        QVERIFY(fileCommandsEnabled());
        w->pane(1).media().sendCommand(QStringLiteral("close"));
        WindowHarness::settle();
        QVERIFY(!w->button(QStringLiteral("CmdInfoAnim"))->isEnabled());
        QVERIFY(!w->button(QStringLiteral("CmdRecupG"))->isEnabled());
        QVERIFY(!w->button(QStringLiteral("CmdRecupF"))->isEnabled());
        QVERIFY(w->pane(1).media().isHidden());
        QCOMPARE(Twips::rect(&w->pane(1).media()).topLeft(), QPointF(150, 2130));
        click(&w->pane(2).panel());
        QVERIFY(fileCommandsEnabled());
    }

    void cancelledFileManagerEmptiesTheSelectedPane()
    {
        click(&w->pane(4).panel());
        w->pane(4).media().setFileName(media("a.avi", 1000, 10));
        w->pane(4).media().show();
        WindowHarness::settle();
        QVERIFY(fileCommandsEnabled());
        QTimer::singleShot(0, this, [this] {
            auto *manager = qobject_cast<Form *>(h->windows.find(QStringLiteral("FenMCI")));
            QVERIFY(manager && manager->isVisible());
            click(manager->button(QStringLiteral("CmdAnnul")));
        });
        clickButton("CmdFicMCI");
        WindowHarness::settle();
        QVERIFY(!h->windows.find(QStringLiteral("FenMCI")));
        QVERIFY(h->general.ChoixMultivues);
        QCOMPARE(w->pane(4).media().fileName(), QString());
        QVERIFY(w->pane(4).media().isHidden());
        QCOMPARE(Twips::rect(&w->pane(4).media()).topLeft(), QPointF(150, 4590));
        QCOMPARE(title(), QStringLiteral("MultiVues"));
        QVERIFY(!fileCommandsEnabled());
    }

    void handBack_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("withFile");
        QTest::addColumn<bool>("unloaded");
        QTest::addColumn<bool>("minimised");
        QTest::newRow("close with a file") << "CmdRecupF" << true << true << false;
        QTest::newRow("keep with a file") << "CmdRecupG" << true << false << true;
        QTest::newRow("close from an empty pane") << "CmdRecupF" << false << false << false;
        QTest::newRow("close button") << "CmdFermer" << true << true << false;
    }

    void handBack()
    {
        QFETCH(QString, button);
        QFETCH(bool, withFile);
        QFETCH(bool, unloaded);
        QFETCH(bool, minimised);
        h->general.FichierRecup = QStringLiteral("/earlier.avi");
        const QString path = media("a.avi", 1000, 10);
        load(1, withFile ? path : QString());
        // Disabled on an empty pane: the click is what a program would send anyway.
        w->button(button)->setEnabled(true);
        clickButton(button.toUtf8().constData());
        const bool closing = button == QLatin1String("CmdFermer");
        QCOMPARE(h->general.FichierRecup, closing    ? QStringLiteral("/earlier.avi")
                                          : withFile ? path
                                                     : QString());
        QCOMPARE(h->windows.find(QStringLiteral("FenMultivu")) == nullptr, unloaded);
        QCOMPARE(h->general.MultivuesFermee, unloaded);
        if (!unloaded)
            QCOMPARE(w->isMinimized(), minimised);
    }

    void keptWindowHandsBackAndStaysOpenUntilClosed()
    {
        const QString path = media("a.avi", 1000, 10);
        load(2, path);
        clickButton("CmdRecupG");
        m_main->activate();
        QCOMPARE(m_main->mciWnd1().fileName(), path);
        QVERIFY(!m_main->button(QStringLiteral("CmdMultiVue"))->isEnabled());
        w->close(); // the window manager's close
        QVERIFY(!h->windows.find(QStringLiteral("FenMultivu")));
        m_main->activate();
        QVERIFY(m_main->button(QStringLiteral("CmdMultiVue"))->isEnabled());
        QCOMPARE(h->general.FichierRecup, path);
    }

    void reopeningShowsTheOpenWindowAsItWas()
    {
        h->general.MultivuesFermee = true;
        load(6, media("a.avi", 1000, 10));
        clickButton("CmdReduire");
        QVERIFY(w->isMinimized());
        m_main->activate();
        click(m_main->button(QStringLiteral("CmdMultiVue")));
        QCOMPARE(h->windows.find(QStringLiteral("FenMultivu")), static_cast<QWidget *>(w));
        QVERIFY(!w->isMinimized());
        QVERIFY(!w->pane(6).media().fileName().isEmpty());
        QCOMPARE(w->selection().selected(), &w->pane(6));
    }
};

KV_TEST_MAIN(MultiviewTest)
#include "tst_multiview.moc"
