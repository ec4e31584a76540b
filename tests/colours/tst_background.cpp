#include "TestMain.h"
#include "WindowHarness.h"

#include "app/LoadedWindows.h"
#include "colours/FenColors.h"
#include "colours/FenFond.h"
#include "colours/GradientBands.h"
#include "controls/PictureBox.h"
#include "controls/ScrollBar.h"
#include "controls/ZarnBttn.h"
#include "core/Colour.h"
#include "mainwindow/FenPrin.h"

#include <QTimer>

using kvtest::WindowHarness;

namespace {

void press(QWidget *w, Qt::MouseButton button, int y = -1)
{
    QTest::mousePress(w, button, {}, y < 0 ? w->rect().center() : QPoint(10, y));
    QTest::mouseRelease(w, button, {}, y < 0 ? w->rect().center() : QPoint(10, y));
}

quint32 pixel(QWidget *w, int y, int x = 5)
{
    return Colour::fromQColor(w->grab().toImage().pixelColor(x, y));
}

// Pixel row of band i of a gradient pressed at y.
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
    // Opens the chooser with a right press on the background button; act runs while it is open.
    void choose(const std::function<void(FenColors &)> &act)
    {
        bool ran = false;
        QTimer::singleShot(0, w, [&] {
            auto *chooser = qobject_cast<FenColors *>(h->windows.find("FenColors"));
            QVERIFY(chooser && chooser->isVisible());
            act(*chooser);
            ran = true;
        });
        QTest::mousePress(w->button("CmdFond"), Qt::RightButton);
        QVERIFY(ran);
        QVERIFY(!h->windows.find("FenColors"));
    }

private slots:
    void init()
    {
        h = std::make_unique<WindowHarness>();
        w = h->mainWindow();
    }
    void cleanup() { h.reset(); }

    void slidersMixTheBackgroundColour_data()
    {
        QTest::addColumn<QList<int>>("moves"); // red, green, blue; -1 leaves it
        QTest::addColumn<QString>("closing");
        QTest::addColumn<quint32>("colour");
        QTest::addColumn<QList<int>>("shared");
        const QList<int> none{-1, -1, -1};
        QTest::newRow("first opening, all black")
            << none << "CmdOK" << 0x0u << QList{255, 255, 255};
        QTest::newRow("red at the top")
            << QList{0, -1, -1} << "CmdOK" << 0x0000FFu << QList{0, 255, 255};
        QTest::newRow("mix") << QList{55, 155, 5} << "CmdOK" << Colour::bgr(200, 100, 250)
                             << QList{55, 155, 5};
        QTest::newRow("cancelled")
            << QList{0, 100, -1} << "CmdAnnul" << 0x123456u << QList{0, 100, 255};
        QTest::newRow("closed by the desktop")
            << QList{-1, 0, -1} << "" << 0x123456u << QList{255, 0, 255};
    }
    void slidersMixTheBackgroundColour()
    {
        QFETCH(QList<int>, moves);
        QFETCH(QString, closing);
        QFETCH(quint32, colour);
        QFETCH(QList<int>, shared);
        h->general.CouleurFondEcran = 0x123456;
        choose([&](FenColors &chooser) {
            for (int k = 0; k < 3; ++k) {
                auto *slider = chooser.require<ScrollBar>(QStringLiteral("VSlide%1").arg(k + 1));
                auto *preview = chooser.require<PictureBox>(QStringLiteral("Image%1").arg(k + 1));
                QCOMPARE(slider->value(), 255);
                QCOMPARE(pixel(preview, 5), 0u);
                if (moves[k] >= 0)
                    slider->setValue(moves[k]);
                const int intensity = 255 - slider->value();
                QCOMPARE(pixel(preview, 5),
                         Colour::bgr(k == 0 ? intensity : 0, k == 1 ? intensity : 0,
                                     k == 2 ? intensity : 0));
            }
            QCOMPARE(pixel(chooser.require<PictureBox>("Image4"), 50, 50),
                     Colour::bgr(255 - chooser.require<ScrollBar>("VSlide1")->value(),
                                 255 - chooser.require<ScrollBar>("VSlide2")->value(),
                                 255 - chooser.require<ScrollBar>("VSlide3")->value()));
            if (closing.isEmpty())
                chooser.close();
            else
                QTest::mouseClick(chooser.button(closing), Qt::LeftButton);
        });
        QCOMPARE(h->general.CouleurFondEcran, colour);
        QCOMPARE((QList{h->general.CurseurRouge, h->general.CurseurVert, h->general.CurseurBleu}),
                 shared);
        choose([&](FenColors &chooser) {
            QCOMPARE(chooser.require<ScrollBar>("VSlide2")->value(), shared[1]);
            QTest::mouseClick(chooser.button("CmdAnnul"), Qt::LeftButton);
        });
    }

    void okRightPressOpensHelpTopic13()
    {
        choose([&](FenColors &chooser) {
            QTest::mousePress(chooser.button("CmdOK"), Qt::RightButton);
            QCOMPARE(h->fakes.help->calls.size(), 1);
            QCOMPARE(h->fakes.help->calls[0].context, 13);
            chooser.close();
        });
    }

    void pressPaintsBandsFromItsHeight_data()
    {
        QTest::addColumn<QList<int>>("sliders");
        QTest::addColumn<int>("button");
        QTest::addColumn<quint32>("first");
        QTest::addColumn<quint32>("last");
        const QList<int> start{255, 255, 255};
        QTest::newRow("left, first opening") << start << int(Qt::LeftButton) << 0x0u << 0xFF0000u;
        QTest::newRow("right, first opening") << start << int(Qt::RightButton) << 0x0u << 0xFF0000u;
        QTest::newRow("left, red at the top")
            << QList{0, 255, 255} << int(Qt::LeftButton) << 0x0000FFu << 0xFF00FFu;
        QTest::newRow("right ignores red")
            << QList{0, 255, 255} << int(Qt::RightButton) << 0x0u << 0xFF0000u;
        QTest::newRow("right, green and blue")
            << QList{0, 55, 155} << int(Qt::RightButton) << Colour::bgr(200, 100, 0)
            << Colour::bgr(200, 100, 255);
        QTest::newRow("middle, red and green")
            << QList{0, 55, 155} << int(Qt::MiddleButton) << Colour::bgr(255, 200, 0)
            << Colour::bgr(255, 200, 255);
    }
    void pressPaintsBandsFromItsHeight()
    {
        QFETCH(QList<int>, sliders);
        QFETCH(int, button);
        QFETCH(quint32, first);
        QFETCH(quint32, last);
        h->general.CouleurFondEcran = 0x00FF00;
        QTest::mouseClick(w->button("CmdFond"), Qt::LeftButton);
        FenFond *f = fond();
        QVERIFY(f && f->isVisible());
        h->general.CurseurRouge = sliders[0];
        h->general.CurseurVert = sliders[1];
        h->general.CurseurBleu = sliders[2];
        press(f, Qt::MouseButton(button), 0);
        QCOMPARE(pixel(f, bandRow(f, 0, 0)), first);
        QCOMPARE(pixel(f, bandRow(f, 0, 255)), last);
        QCOMPARE(pixel(f, bandRow(f, 0, 100)), (first & 0xFFFF) | (100u << 16));

        // A second press lower down paints over from there; above it the first one stays.
        h->general.CurseurRouge = h->general.CurseurVert = 0;
        const int y = f->height() / 2;
        press(f, Qt::LeftButton, y);
        QCOMPARE(pixel(f, y - 1), (first & 0xFFFF) | (quint32(127) << 16));
        QCOMPARE(pixel(f, bandRow(f, y, 0)), 0x00FFFFu);
        QCOMPARE(pixel(f, f->height() - 1), 0x00FFFFu | (quint32(127) << 16));
    }

    void hidingAndShowingGivesThePlainColourBack()
    {
        h->general.CouleurFondEcran = 0x00FF00;
        QTest::mouseClick(w->button("CmdFond"), Qt::LeftButton);
        press(fond(), Qt::LeftButton, 0);
        QCOMPARE(pixel(fond(), 0), 0u);
        QTest::mouseClick(w->button("CmdFond"), Qt::LeftButton);
        QVERIFY(!fond());
        QTest::mouseClick(w->button("CmdFond"), Qt::LeftButton);
        QCOMPARE(pixel(fond(), 10), 0x00FF00u);
    }

    void acceptingWhileHiddenLoadsWithoutShowing()
    {
        choose([](FenColors &chooser) {
            chooser.require<ScrollBar>("VSlide1")->setValue(0);
            QTest::mouseClick(chooser.button("CmdOK"), Qt::LeftButton);
        });
        QVERIFY(fond() && fond()->isHidden());
        QTest::mouseClick(w->button("CmdFond"), Qt::LeftButton);
        QVERIFY(fond()->isVisible());
        QCOMPARE(pixel(fond(), 10), 0x0000FFu);
    }

    void acceptingWhileShownReplacesTheGradient()
    {
        QTest::mouseClick(w->button("CmdFond"), Qt::LeftButton);
        h->general.CurseurRouge = 0;
        press(fond(), Qt::LeftButton, 0);
        QCOMPARE(pixel(fond(), fond()->height() - 1), 0xFF00FFu);
        choose([](FenColors &chooser) {
            chooser.require<ScrollBar>("VSlide2")->setValue(0);
            QTest::mouseClick(chooser.button("CmdOK"), Qt::LeftButton);
        });
        QVERIFY(fond()->isVisible());
        QCOMPARE(pixel(fond(), fond()->height() - 1), 0x00FFFFu);
    }

    void minimisingUnloadsRestoringShowsAgain()
    {
        QTest::mouseClick(w->button("CmdFond"), Qt::LeftButton);
        QVERIFY(fond());
        w->setWindowState(Qt::WindowMinimized);
        QVERIFY(!fond());
        w->setWindowState(Qt::WindowNoState);
        QVERIFY(fond() && fond()->isVisible());
    }
};

KV_TEST_MAIN(BackgroundTest)
#include "tst_background.moc"
