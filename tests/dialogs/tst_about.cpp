#include "TestMain.h"
#include "WindowHarness.h"

#include "app/LoadedWindows.h"
#include "controls/PictureBox.h"
#include "controls/ZarnBttn.h"
#include "core/Colour.h"
#include "dialogs/Apropos.h"
#include "dialogs/CreditsScroller.h"

#include <QTimer>

using kvtest::WindowHarness;

namespace {

// Rows of the viewing area, as drawn, that hold a pixel of the credits' text colour.
QList<int> textRows(QWidget *viewer, quint32 ink)
{
    const QImage shown = viewer->grab().toImage();
    QList<int> rows;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (Colour::fromQColor(shown.pixelColor(x, y)) == ink) {
                rows << y;
                break;
            }
        }
    }
    return rows;
}

} // namespace

class AboutTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowHarness> h;
    Apropos *about = nullptr;
    PictureBox *viewer = nullptr;
    PictureBox *credits = nullptr;
    quint32 ink = 0;

    void steps(int n)
    {
        for (int i = 0; i < n; ++i)
            about->scroller().step();
    }

private slots:
    void init()
    {
        h = std::make_unique<WindowHarness>();
        about = new Apropos(h->context);
        about->load();
        viewer = about->require<PictureBox>("Image1");
        credits = about->require<PictureBox>("Image2");
        ink = h->general.colour(General::AutresTextes);
        about->minuterie1().stop(); // the tests tick by hand, except the pause test
    }
    void cleanup() { h.reset(); }

    void creditsStartBelowTheViewingArea()
    {
        const int V = viewer->height();
        QFont font(QStringLiteral("Verdana"), 10);
        font.setBold(true);
        QCOMPARE(credits->height(), 42 * QFontMetrics(font).height() + 2 * V);
        QCOMPARE(credits->width(), viewer->width());
        // Only the icon in the top left corner is in sight.
        const QList<int> rows = textRows(viewer, ink);
        QVERIFY(!rows.isEmpty());
        QVERIFY(rows.last() < 33);
        const QStringList lines = CreditsScroller::lines();
        QCOMPARE(lines.size(), 21);
        for (int i = 0; i < lines.size(); ++i) {
            font.setPointSize(i == 0 || i >= 18 ? 18 : 10);
            QVERIFY2(QFontMetrics(font).horizontalAdvance(lines[i]) <= viewer->width(),
                     qPrintable(lines[i]));
        }
    }

    void creditsRiseOnePixelATickAndJumpBack()
    {
        const int V = viewer->height();
        steps(V / 2 + 1);
        QCOMPARE(credits->y(), -V / 2);
        // What the viewing area shows is the credits picture moved up by as much.
        QList<int> expected;
        for (int row : textRows(credits, ink)) {
            if (row - V / 2 >= 0 && row - V / 2 < V)
                expected << row - V / 2;
        }
        QVERIFY2(!expected.isEmpty() && expected.first() >= V / 2 && expected.first() < V / 2 + 10,
                 qPrintable(QString::number(expected.value(0)) + " " + QString::number(V)));
        QCOMPARE(textRows(viewer, ink), expected);

        const double wrap = about->scroller().wrapDistance();
        QCOMPARE(wrap, 274.0 / 500.0 * credits->height());
        int ticks = V / 2 + 1;
        while (about->scroller().PosDefil() != 0 && ticks < 10000) {
            about->scroller().step();
            ++ticks;
        }
        QCOMPARE(ticks, int(std::floor(wrap)) + 1);
        QCOMPARE(credits->y(), -int(std::floor(wrap)));
        steps(1);
        QCOMPARE(credits->y(), 0);
        QVERIFY(textRows(viewer, ink).last() < 33);
    }

    void clickPausesAndResumesFromTheSamePlace()
    {
        about->minuterie1().start();
        QCOMPARE(about->minuterie1().interval(), 50);
        QTRY_VERIFY(credits->y() <= -3);
        QTest::mouseClick(credits, Qt::LeftButton);
        const int paused = credits->y();
        QTest::qWait(200);
        QCOMPARE(credits->y(), paused);
        QTest::mouseClick(credits, Qt::LeftButton);
        QTRY_VERIFY(credits->y() < paused);
        QVERIFY(credits->y() >= paused - 10);
    }

    void siteButtonOpensTheAddress()
    {
        QTest::mouseClick(about->button("CmdSite"), Qt::LeftButton);
        QCOMPARE(h->fakes.urls->opened, QStringList{"https://kinovue.example.org"});
    }

    void menuItemOpensTheBoxModalAndDesktopCloseUnloadsIt()
    {
        h->windows.unload(about);
        FenPrin *w = h->mainWindow();
        bool shown = false;
        QTimer::singleShot(0, w, [&] {
            auto *opened = qobject_cast<Apropos *>(h->windows.find("Apropos"));
            shown = opened && opened->isVisible() && opened->minuterie1().isActive();
            if (opened)
                opened->close();
        });
        QTest::mouseClick(w->button("CmdApropos"), Qt::LeftButton);
        QTest::mouseClick(w->button("CmdApropos2"), Qt::LeftButton);
        QVERIFY(shown);
        QVERIFY(!h->windows.find("Apropos"));
    }
};

KV_TEST_MAIN(AboutTest)
#include "tst_about.moc"
