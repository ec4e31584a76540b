#include "TestMain.h"
#include "WindowHarness.h"

#include "controls/PictureBox.h"
#include "controls/ZarnBttn.h"
#include "core/Colour.h"
#include "dialogs/Apropos.h"
#include "dialogs/CreditsScroller.h"

#include <QTimer>

class AboutTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<kvtest::WindowHarness> h;
    Apropos *about = nullptr;
    PictureBox *viewer = nullptr;
    PictureBox *credits = nullptr;

    // Rows of a picture, as drawn, holding a pixel of the credits' text colour.
    QList<int> textRows(QWidget *picture, int shift = 0) const
    {
        const QImage shown = picture->grab().toImage();
        const QColor ink = Colour::toQColor(h->general.colour(General::AutresTextes));
        QList<int> rows;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                if (shown.pixelColor(x, y) == ink && y - shift >= 0
                    && y - shift < viewer->height()) {
                    rows << y - shift;
                    break;
                }
            }
        }
        return rows;
    }

private slots:
    void init()
    {
        h = std::make_unique<kvtest::WindowHarness>();
        about = new Apropos(h->context);
        about->load();
        viewer = about->require<PictureBox>("Image1");
        credits = about->require<PictureBox>("Image2");
        about->minuterie1().stop(); // ticked by hand
    }
    void cleanup() { h.reset(); }

    void creditsRiseFromBelowAndJumpBack()
    {
        const int V = viewer->height();
        QFont font(QStringLiteral("Verdana"), 10);
        font.setBold(true);
        QCOMPARE(credits->height(), 42 * QFontMetrics(font).height() + 2 * V);
        QVERIFY(textRows(viewer).last() < 33); // the icon alone

        for (int i = 0; i <= V / 2; ++i)
            about->scroller().step();
        QCOMPARE(credits->y(), -V / 2);
        const QList<int> seen = textRows(viewer);
        QVERIFY(!seen.isEmpty() && seen.first() >= V / 2 && seen.first() < V / 2 + 10);
        QCOMPARE(seen, textRows(credits, V / 2));

        const double wrap = 274.0 / 500.0 * credits->height();
        int ticks = V / 2 + 1;
        for (; about->scroller().PosDefil() != 0 && ticks < 10000; ++ticks)
            about->scroller().step();
        QCOMPARE(ticks, int(std::floor(wrap)) + 1);
        QCOMPARE(credits->y(), -int(std::floor(wrap)));
        about->scroller().step();
        QCOMPARE(credits->y(), 0);
        QVERIFY(textRows(viewer).last() < 33);
    }

    void clickPausesAndResumesFromTheSamePlace()
    {
        about->minuterie1().start();
        QTRY_VERIFY(credits->y() <= -3);
        QTest::mouseClick(credits, Qt::LeftButton);
        const int paused = credits->y();
        QTest::qWait(200);
        QCOMPARE(credits->y(), paused);
        QTest::mouseClick(credits, Qt::LeftButton);
        QTRY_VERIFY(credits->y() < paused && credits->y() >= paused - 10);
    }

    void opensFromTheMenuShowsTheSiteAndClosesByTheDesktop()
    {
        h->windows.unload(about);
        FenPrin *w = h->mainWindow();
        bool shown = false;
        QTimer::singleShot(0, w, [&] {
            auto *opened = qobject_cast<Apropos *>(h->windows.find("Apropos"));
            QVERIFY(opened && opened->isVisible() && opened->minuterie1().isActive());
            QTest::mouseClick(opened->button("CmdSite"), Qt::LeftButton);
            shown = true;
            opened->close();
        });
        QTest::mouseClick(w->button("CmdApropos"), Qt::LeftButton);
        QTest::mouseClick(w->button("CmdApropos2"), Qt::LeftButton);
        QVERIFY(shown);
        QCOMPARE(h->fakes.urls->opened, QStringList{"https://kinovue.example.org"});
        QVERIFY(!h->windows.find("Apropos"));
    }
};

KV_TEST_MAIN(AboutTest)
#include "tst_about.moc"
