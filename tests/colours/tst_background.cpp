#include "TestMain.h"
#include "WindowHarness.h"

#include "colours/FenColors.h"
#include "colours/FenFond.h"
#include "colours/GradientBands.h"
#include "controls/PictureBox.h"
#include "controls/ScrollBar.h"
#include "controls/ZarnBttn.h"
#include "core/Colour.h"

#include <QTimer>
#include <QWindow>

using kvtest::WindowHarness;
using Sliders = QList<int>; // red, green, blue; -1 leaves one where it is

namespace {

quint32 pixel(QWidget *w, int y, int x = 5)
{
    return Colour::fromQColor(w->grab().toImage().pixelColor(x, y));
}

// The middle pixel row of band i of a gradient pressed at height y.
int bandRow(const QWidget *w, int y, int band)
{
    return y + int(std::lround((2 * band + 1) * w->height() / GradientBands::Units));
}

} // namespace

class BackgroundTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowHarness> h;
    FenPrin *w = nullptr;

    FenFond *fond() const { return qobject_cast<FenFond *>(h->windows.find("FenFond")); }
    void click(QWidget *target, Qt::MouseButton button = Qt::LeftButton, int y = 0)
    {
        QTest::mouseClick(target, button, {}, QPoint(10, y));
    }
    ScrollBar *slider(Form *chooser, int k)
    {
        return chooser->require<ScrollBar>(QStringLiteral("VSlide%1").arg(k + 1));
    }
    // A chooser as the background button opens it, its sliders moved.
    FenColors *chooser(const Sliders &moves)
    {
        auto *c = new FenColors(h->context);
        c->load();
        for (int k = 0; k < 3; ++k) {
            if (moves[k] >= 0)
                slider(c, k)->setValue(moves[k]);
        }
        return c;
    }

private slots:
    void init()
    {
        h = std::make_unique<WindowHarness>();
        w = h->mainWindow();
        h->general.CouleurFondEcran = 0x123456;
    }
    void cleanup() { h.reset(); }

    void slidersMixTheBackgroundColour_data()
    {
        QTest::addColumn<Sliders>("moves");
        QTest::addColumn<QString>("leave");
        QTest::addColumn<quint32>("colour");
        QTest::addColumn<Sliders>("shared");
        const auto row = [](const char *name, Sliders moves, const char *leave, quint32 colour,
                            Sliders shared) {
            QTest::newRow(name) << moves << QString(leave) << colour << shared;
        };
        row("first opening", {-1, -1, -1}, "CmdOK", 0, {255, 255, 255});
        row("red at the top", {0, -1, -1}, "CmdOK", 0xFF, {0, 255, 255});
        row("mix", {55, 155, 5}, "CmdOK", Colour::bgr(200, 100, 250), {55, 155, 5});
        row("cancelled", {0, 100, -1}, "CmdAnnul", 0x123456, {0, 100, 255});
        row("desktop close", {-1, 0, -1}, "", 0x123456, {255, 0, 255});
    }
    void slidersMixTheBackgroundColour()
    {
        QFETCH(Sliders, moves);
        QFETCH(QString, leave);
        QFETCH(quint32, colour);
        QFETCH(Sliders, shared);
        FenColors *c = chooser(moves);
        quint32 mixed = 0;
        for (int k = 0; k < 3; ++k) {
            const quint32 channel = quint32(255 - shared[k]) << (8 * k);
            QCOMPARE(pixel(c->require<PictureBox>(QStringLiteral("Image%1").arg(k + 1)), 5),
                     channel);
            mixed |= channel;
        }
        QCOMPARE(pixel(c->require<PictureBox>("Image4"), 50, 50), mixed);
        if (leave.isEmpty())
            c->close();
        else
            click(c->button(leave));
        QVERIFY(!h->windows.find("FenColors"));
        QCOMPARE(h->general.CouleurFondEcran, colour);
        QCOMPARE((Sliders{h->general.CurseurRouge, h->general.CurseurVert, h->general.CurseurBleu}),
                 shared);
        QCOMPARE(slider(chooser({-1, -1, -1}), 1)->value(), shared[1]); // where they were left
    }

    void pressPaintsBandsFromItsHeight_data()
    {
        QTest::addColumn<Sliders>("sliders");
        QTest::addColumn<int>("button");
        QTest::addColumn<quint32>("first");
        const auto row = [](const char *name, Sliders sliders, Qt::MouseButton b, quint32 first) {
            QTest::newRow(name) << sliders << int(b) << first;
        };
        row("left, first opening", {255, 255, 255}, Qt::LeftButton, 0);
        row("right, first opening", {255, 255, 255}, Qt::RightButton, 0);
        row("left, red at the top", {0, 255, 255}, Qt::LeftButton, 0xFF);
        row("right, red at the top", {0, 255, 255}, Qt::RightButton, 0);
        row("right, green and blue", {0, 55, 155}, Qt::RightButton, Colour::bgr(200, 100, 0));
        row("middle, red and green", {0, 55, 155}, Qt::MiddleButton, Colour::bgr(255, 200, 0));
    }
    void pressPaintsBandsFromItsHeight()
    {
        QFETCH(Sliders, sliders);
        QFETCH(int, button);
        QFETCH(quint32, first);
        click(w->button("CmdFond"));
        FenFond *f = fond();
        QVERIFY(f && f->isVisible());
        std::tie(h->general.CurseurRouge, h->general.CurseurVert, h->general.CurseurBleu)
            = std::tuple(sliders[0], sliders[1], sliders[2]);
        click(f, Qt::MouseButton(button), 0);
        for (quint32 band : {0u, 100u, 255u})
            QCOMPARE(pixel(f, bandRow(f, 0, band)), first | band << 16);

        // A second press lower down paints over from there; above it the first one stays.
        h->general.CurseurRouge = h->general.CurseurVert = 0;
        const int y = f->height() / 2;
        click(f, Qt::LeftButton, y);
        QCOMPARE(pixel(f, y - 1), first | 127u << 16);
        QCOMPARE(pixel(f, bandRow(f, y, 0)), 0x00FFFFu);
        QCOMPARE(pixel(f, f->height() - 1), 0x00FFFFu | 127u << 16);
    }

    void plainColourAfterAcceptingHidingOrMinimising()
    {
        // The background button's right press opens the chooser modal. Accepting while the
        // background is hidden loads it, unshown, in the new colour.
        QTimer::singleShot(0, w, [&] {
            auto *c = qobject_cast<FenColors *>(h->windows.find("FenColors"));
            QVERIFY(c && c->isVisible());
            slider(c, 0)->setValue(0);
            QTest::mousePress(c->button("CmdOK"), Qt::RightButton);
            click(c->button("CmdOK"));
        });
        QTest::mousePress(w->button("CmdFond"), Qt::RightButton);
        QCOMPARE(h->fakes.help->calls.value(0).context, 13);
        QVERIFY(fond() && fond()->isHidden());
        click(w->button("CmdFond"));
        const int bottom = fond()->height() - 1;
        QCOMPARE(pixel(fond(), bottom), 0xFFu);
        // Hiding and showing again, or a new colour, give the plain colour back.
        click(fond());
        QCOMPARE(pixel(fond(), bottom), 0xFF00FFu);
        click(w->button("CmdFond"));
        QVERIFY(!fond());
        click(w->button("CmdFond"));
        QCOMPARE(pixel(fond(), bottom), 0xFFu);
        click(fond());
        click(chooser({-1, 0, -1})->button("CmdOK"));
        QVERIFY(fond()->isVisible());
        QCOMPARE(pixel(fond(), bottom), 0x00FFFFu);
        // Minimising the main window unloads the background; restoring shows it again.
        w->setWindowState(Qt::WindowMinimized);
        QVERIFY(!fond());
        w->setWindowState(Qt::WindowNoState);
        QVERIFY(fond() && fond()->isVisible());
    }

    void desktopCloseHidesItAsTheButtonDoes()
    {
        click(w->button("CmdFond"));
        QVERIFY(fond() && fond()->isVisible());
        fond()->windowHandle()->close(); // what the window manager sends
        QVERIFY(!fond());
        click(w->button("CmdFond")); // one click shows it again
        QVERIFY(fond() && fond()->isVisible());
    }
};

KV_TEST_MAIN(BackgroundTest)
#include "tst_background.moc"
