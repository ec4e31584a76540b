#include "TestMain.h"
#include "WindowHarness.h"

#include "controls/ScrollBar.h"
#include "core/Twips.h"
#include "mainlayout/MainWindowLayout.h"
#include "player/AnimationInfo.h"

using kvtest::WindowHarness;

// The frame around the animation: its information message, its help, its size.
class AnimationInfoTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowHarness> h;

    void open(qint64 lengthMs, qint64 frames, QSize size)
    {
        h->answer(h->addMedia(QStringLiteral("a.avi"), FakeMedia{lengthMs, frames, size}));
        h->click("CmdFiMCI");
    }

private slots:
    void init()
    {
        h = std::make_unique<WindowHarness>();
        h->mainWindow();
    }
    void cleanup() { h.reset(); }

    void informationText_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("duration");
        QTest::newRow("over a minute") << 83456 << "1mn.23sec.456ms.";
        QTest::newRow("under a minute") << 59999 << "0mn.59sec.999ms.";
        QTest::newRow("exactly a minute") << 60000 << "1mn.0sec.0ms.";
    }
    void informationText()
    {
        QFETCH(int, length);
        QFETCH(QString, duration);
        QCOMPARE(AnimationInfo::informationText("C:\\A.AVI", length, "2086"),
                 "C:\\A.AVI\n\nL'animation dure " + duration + "\net comporte 2086 images");
    }

    // A press on the frame tells the name, duration and frames, in frames from then on; a
    // right press opens help topic 1; with no animation, or one of no length, nothing is told.
    void pressOnTheFrame_data()
    {
        QTest::addColumn<qint64>("lengthMs");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("messages");
        QTest::addColumn<int>("helpCalls");
        QTest::addColumn<QString>("format");
        QTest::newRow("left press") << qint64(83456) << int(Qt::LeftButton) << 1 << 0 << "frames";
        QTest::newRow("no length") << qint64(0) << int(Qt::LeftButton) << 0 << 0 << "ms";
        QTest::newRow("no animation") << qint64(-1) << int(Qt::LeftButton) << 0 << 0 << "ms";
        QTest::newRow("right press") << qint64(83456) << int(Qt::RightButton) << 0 << 1 << "ms";
    }
    void pressOnTheFrame()
    {
        QFETCH(qint64, lengthMs);
        QFETCH(int, button);
        QFETCH(int, messages);
        QFETCH(int, helpCalls);
        QFETCH(QString, format);
        if (lengthMs >= 0)
            open(lengthMs, 2086, QSize(160, 120));
        QTest::mousePress(h->main->panel("CadreAVI"), Qt::MouseButton(button), {}, QPoint(3, 3));
        QCOMPARE(h->fakes.messages->asked.size(), messages);
        QCOMPARE(h->fakes.help->calls.size(), helpCalls);
        QCOMPARE(h->animation().timeFormat(), format);
        if (helpCalls)
            QCOMPARE(h->fakes.help->calls.first().context, 1);
        if (!messages)
            return;
        const MessageRequest &shown = h->fakes.messages->asked.first();
        QCOMPARE(shown.title, QStringLiteral("Informations sur l'animation"));
        QCOMPARE(shown.icon, MessageIcon::Information);
        QCOMPARE(shown.text,
                 h->animation().fileName()
                     + "\n\nL'animation dure 1mn.23sec.456ms.\net comporte 2086 images");
    }

    void pictureTooLargeForTheScreenFallsBackToZoom100()
    {
        // Wide enough at zoom 400 to pass the screen less its margin.
        const int pixels = int(h->main->layout().screenTwips().width() / 15 / 4) + 10;
        open(1000, 10, QSize(pixels, pixels / 2));
        h->main->get<ScrollBar>("VSZoom")->setValue(400);
        WindowHarness::settle();
        QCOMPARE(h->animation().zoom(), 100);
        QCOMPARE(h->caption("ZoomText"), QStringLiteral("100"));
        QCOMPARE(h->main->get<ScrollBar>("VSZoom")->value(), 100);
    }

    void sizeChangesDuringFullScreenMoveNothing()
    {
        open(5000, 50, QSize(160, 120));
        const QRectF frame = Twips::rect(h->main->control("CadreAVI"));
        h->click("CmdPlEcrAVI");
        h->animation().setZoom(300);
        WindowHarness::settle();
        QCOMPARE(Twips::rect(h->main->control("CadreAVI")), frame);
    }

    void settingsButtonIsThereWhileAnAnimationIsOpen()
    {
        QVERIFY(!h->enabled("CmdReglMCI"));
        open(5000, 50, QSize(160, 120));
        QVERIFY(h->enabled("CmdReglMCI"));
        h->animation().sendCommand(QStringLiteral("close"));
        WindowHarness::settle();
        QVERIFY(!h->enabled("CmdReglMCI"));
    }
};

KV_TEST_MAIN(AnimationInfoTest)
#include "tst_animationinfo.moc"
