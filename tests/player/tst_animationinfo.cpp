#include "TestMain.h"
#include "WindowHarness.h"

#include "controls/ScrollBar.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "core/Twips.h"
#include "mainlayout/MainWindowLayout.h"
#include "mainwindow/FenPrin.h"
#include "player/AnimationInfo.h"

using kvtest::WindowHarness;

class AnimationInfoTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowHarness> h;
    QString m_a;
    QString m_big;
    QString m_empty;

    FenPrin *w = nullptr;

private slots:
    void init()
    {
        h = std::make_unique<WindowHarness>();
        w = h->mainWindow();
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
        QCOMPARE(AnimationInfo::informationText(QStringLiteral("C:\\A.AVI"), length,
                                                QStringLiteral("2086")),
                 QStringLiteral("C:\\A.AVI\n\nL'animation dure ") + duration
                     + QStringLiteral("\net comporte 2086 images"));
    }

    void pressOnTheFrameShowsTheMessageAndLeavesFrames()
    {
        m_a = h->addMedia(QStringLiteral("a.avi"), FakeMedia{83456, 2086, QSize(160, 120)});
        w->mciWnd1().setFileName(m_a);
        WindowHarness::settle();
        QTest::mousePress(w->panel(QStringLiteral("CadreAVI")), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(h->fakes.messages->asked.size(), 1);
        const MessageRequest &shown = h->fakes.messages->asked.first();
        QCOMPARE(shown.title, QStringLiteral("Informations sur l'animation"));
        QCOMPARE(shown.icon, MessageIcon::Information);
        QCOMPARE(shown.text, m_a
                                 + QStringLiteral("\n\nL'animation dure 1mn.23sec.456ms.\n"
                                                  "et comporte 2086 images"));
        QCOMPARE(w->mciWnd1().timeFormat(), QStringLiteral("frames"));
        QCOMPARE(w->state().NbImages, QStringLiteral("2086"));
    }

    void rightPressOnTheFrameOpensHelpTopicOne()
    {
        QTest::mousePress(w->panel(QStringLiteral("CadreAVI")), Qt::RightButton, {}, QPoint(3, 3));
        QCOMPARE(h->fakes.help->calls.size(), 1);
        QCOMPARE(h->fakes.help->calls.first().context, 1);
        QVERIFY(h->fakes.messages->asked.isEmpty());
    }

    void noMessageWithoutMediaOrLength()
    {
        QTest::mousePress(w->panel(QStringLiteral("CadreAVI")), Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(h->fakes.messages->asked.isEmpty());
        m_empty = h->addMedia(QStringLiteral("empty.avi"), FakeMedia{0, 0, QSize(160, 120)});
        w->mciWnd1().setFileName(m_empty);
        WindowHarness::settle();
        QTest::mousePress(w->panel(QStringLiteral("CadreAVI")), Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(h->fakes.messages->asked.isEmpty());
        QCOMPARE(w->mciWnd1().timeFormat(), QStringLiteral("ms"));
    }

    void pictureTooLargeForTheScreenFallsBackToZoom100()
    {
        const QSizeF screen = w->layout().screenTwips();
        // Wide enough at zoom 400 to pass the screen less its margin.
        const int pixels = int(screen.width() / 15 / 4) + 10;
        m_big = h->addMedia(QStringLiteral("big.avi"),
                            FakeMedia{1000, 10, QSize(pixels, pixels / 2)});
        w->mciWnd1().setFileName(m_big);
        WindowHarness::settle();
        w->mciWnd1().setZoom(400);
        WindowHarness::settle();
        QCOMPARE(w->mciWnd1().zoom(), 100);
        QCOMPARE(w->panel(QStringLiteral("ZoomText"))->caption(), QStringLiteral("100"));
        QCOMPARE(w->get<ScrollBar>(QStringLiteral("VSZoom"))->value(), 100);
    }

    void sizeChangesDuringFullScreenMoveNothing()
    {
        m_a = h->addMedia(QStringLiteral("a.avi"), FakeMedia{5000, 50, QSize(160, 120)});
        w->mciWnd1().setFileName(m_a);
        WindowHarness::settle();
        const QRectF frame = Twips::rect(w->control(QStringLiteral("CadreAVI")));
        w->state().PleinEcran = true;
        w->mciWnd1().setZoom(300);
        WindowHarness::settle();
        QCOMPARE(Twips::rect(w->control(QStringLiteral("CadreAVI"))), frame);
    }

    void openingEnablesTheSettingsButtonAndKeepsTheName()
    {
        QVERIFY(!w->button(QStringLiteral("CmdReglMCI"))->isEnabled());
        m_a = h->addMedia(QStringLiteral("a.avi"), FakeMedia{5000, 50, QSize(160, 120)});
        w->mciWnd1().setFileName(m_a);
        WindowHarness::settle();
        QVERIFY(w->button(QStringLiteral("CmdReglMCI"))->isEnabled());
        w->mciWnd1().sendCommand(QStringLiteral("close"));
        WindowHarness::settle();
        QVERIFY(!w->button(QStringLiteral("CmdReglMCI"))->isEnabled());
        QCOMPARE(w->state().NomAnimation, m_a);
    }
};

KV_TEST_MAIN(AnimationInfoTest)
#include "tst_animationinfo.moc"
