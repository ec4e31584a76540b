#include "TestMain.h"
#include "WindowHarness.h"

#include "controls/ZarnBttn.h"
#include "core/Twips.h"
#include "mainlayout/MainWindowLayout.h"
#include "mainlayout/PaneGeometry.h"
#include "mainwindow/FenPrin.h"

using kvtest::WindowHarness;

class LayoutTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowHarness> h;
    QString m_a;

    FenPrin *w = nullptr;

    QRectF at(const char *name) const { return Twips::rect(w->control(QString::fromUtf8(name))); }
    QSizeF windowSize() const { return {w->twipsWidth(), w->twipsHeight()}; }

    void open(const QSize &pixels)
    {
        m_a = h->addMedia(QStringLiteral("a.avi"), FakeMedia{10000, 100, pixels});
        w->mciWnd1().setFileName(m_a);
        WindowHarness::settle();
    }

private slots:
    void init()
    {
        h = std::make_unique<WindowHarness>();
        w = h->mainWindow();
    }

    void cleanup() { h.reset(); }

    void restoreArithmeticFromTheDesign_data()
    {
        QTest::addColumn<QSizeF>("window");
        QTest::addColumn<QSizeF>("pane");
        QTest::addColumn<QSizeF>("restored");
        QTest::newRow("small pane keeps the minimum")
            << QSizeF(9000, 7000) << QSizeF(4000, 3000) << QSizeF(8460, 5670);
        QTest::newRow("large pane")
            << QSizeF(12000, 9000) << QSizeF(7000, 5000) << QSizeF(9955, 7490);
    }

    void restoreArithmeticFromTheDesign()
    {
        QFETCH(QSizeF, window);
        QFETCH(QSizeF, pane);
        QFETCH(QSizeF, restored);
        QCOMPARE(PaneGeometry::restoredForPane(window.width(), window.height(), pane.width(),
                                               pane.height()),
                 restored);
    }

    void resizeGrowsToHoldThePane()
    {
        QCOMPARE(PaneGeometry::grownForPane(8460, 5670, 4000, 3000), QSizeF(8460, 5670));
        QCOMPARE(PaneGeometry::grownForPane(5000, 4000, 4000, 3000), QSizeF(6955, 5250));
    }

    void fractionalTwipsArePlacedExactly()
    {
        // A 3045-twip pane in an 8460-twip window: (8460 - 3045) / 2 + 585 = 3292.5.
        const QPointF pane = PaneGeometry::paneTopLeft(8460, 5670, 3045, 2000);
        QCOMPARE(pane, QPointF(3292.5, 1655));
        QCOMPARE(PaneGeometry::barTopLeft(QSizeF(4875, 3855), 3060), QPointF(907.5, 3225));
    }

    void defaultLayoutAtLoad()
    {
        QCOMPARE(windowSize(), QSizeF(8460, 5670));
        QCOMPARE(w->size(), QSize(564, 378));
        QCOMPARE(at("CadreAVI"), QRectF(2340, 900, 4875, 3855));
        QCOMPARE(at("CPAVI").size(), QSizeF(4395, 2955));
        QCOMPARE(at("ButAVI").topLeft(), QPointF(907.5, 3225));
        QCOMPARE(at("Forme6").top(), 5040.0);
        QCOMPARE(at("Forme7").top(), 5355.0);
        QCOMPARE(at("CmdFermer").left(), 8160.0);
    }

    void withoutMediaAnySizeChangeSnapsBack()
    {
        w->layout().setWindowSize(10000, 8000);
        QCOMPARE(windowSize(), QSizeF(8460, 5670));
        QCOMPARE(at("CadreAVI"), QRectF(2340, 900, 4875, 3855));
        QCOMPARE(at("Forme3").left(), 7860.0);
    }

    void lowerPanelsEndOnTheSameLine()
    {
        open(QSize(480, 360)); // 7200 x 5400 twips: the window grows
        const double H = w->twipsHeight();
        QVERIFY(H > 5670);
        for (const char *name : {"Forme2", "Forme4", "FondRéglages2", "FondSons2", "PSeqAVI2"})
            QCOMPARE(at(name).bottom(), H - 630);
        QCOMPARE(at("Forme7").top(), H - 315);
        QCOMPARE(at("CmdReduire").left(), w->twipsWidth() - 600);
    }

    void largePictureGrowsTheWindowAndCentresThePane()
    {
        open(QSize(480, 360));
        const QRectF pane = Twips::rect(&w->mciWnd1());
        QCOMPARE(pane.size(), QSizeF(7200, 5400));
        QVERIFY(w->twipsWidth() >= 7200 + 2955);
        QVERIFY(w->twipsHeight() >= 5400 + 2490);
        const double W = w->twipsWidth();
        const double H = w->twipsHeight();
        QCOMPARE(pane.topLeft(), QPointF((W - 7200) / 2 + 585, (H - 5400) / 2 - 180));
        QCOMPARE(at("CadreAVI"), QRectF(pane.left() - 240, pane.top() - 240, 7680, 6300));
        QCOMPARE(at("Forme3").left(), W - 600);
        QCOMPARE(at("CPAVI").size(), QSizeF(7200, 5400));
    }

    void windowNeverShrinksOnASizeChange()
    {
        open(QSize(480, 360));
        const QSizeF big = windowSize();
        w->mciWnd1().setZoom(50);
        WindowHarness::settle();
        QCOMPARE(windowSize(), big);
    }

    void restoreShrinksToThePaneThenCentres()
    {
        open(QSize(480, 360));
        w->layout().setWindowSize(13000, 11000);
        w->layout().restore();
        QCOMPARE(windowSize(), QSizeF(7200 + 2955, 5400 + 2490));
        const QSizeF screen = w->layout().screenTwips();
        QCOMPARE(Twips::rect(w).topLeft(), QPointF((screen.width() - w->twipsWidth()) / 2,
                                                   (screen.height() - w->twipsHeight()) / 2));
    }

    void closingTheMediaSnapsBackFromMaximised()
    {
        open(QSize(480, 360));
        w->showMaximized();
        WindowHarness::settle();
        w->mciWnd1().sendCommand(QStringLiteral("close"));
        WindowHarness::settle();
        QVERIFY(!w->isMaximized());
        QCOMPARE(windowSize(), QSizeF(8460, 5670));
        QVERIFY(!w->button(QStringLiteral("CmdReglMCI"))->isEnabled());
    }
};

KV_TEST_MAIN(LayoutTest)
#include "tst_layout.moc"
