#include "TestMain.h"

#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "core/Colour.h"
#include "core/Twips.h"

#include <QImage>
#include <QSignalSpy>

namespace {

constexpr quint32 Red = 0x0000FF;
constexpr quint32 Blue = 0xFF0000;
constexpr quint32 Green = 0x00FF00;
constexpr quint32 Yellow = 0x00FFFF;

QImage render(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// How many pixels of an image have (nearly) a given colour.
int countNear(const QImage &image, const QColor &colour, int tolerance = 40)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green())
                    + std::abs(c.blue() - colour.blue())
                < tolerance)
                ++count;
        }
    }
    return count;
}

void sendMouse(QWidget &widget, QEvent::Type type, Qt::MouseButton button, QPoint at,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), button, held, modifiers);
    QApplication::sendEvent(&widget, &event);
}

// A button or a panel, 40 × 32; both report the mouse the same way.
std::unique_ptr<QWidget> makeControl(const QString &kind)
{
    std::unique_ptr<QWidget> control;
    if (kind == QLatin1String("panel"))
        control = std::make_unique<ZarnPanel>();
    else
        control = std::make_unique<ZarnBttn>();
    control->resize(40, 32);
    return control;
}

// A flat black button with a red caption, to look for the caption's ink.
void captionButton(ZarnBttn &control, const QString &caption)
{
    control.resize(120, 30);
    control.setGradientColorStart(0);
    control.setGradientColorEnd(0);
    control.setForeColor(Red);
    control.setCaption(caption);
}

} // namespace

class TestSkinnedControls : public QObject
{
    Q_OBJECT

private slots:
    void mouseDownReportsButtonShiftAndTwips_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("shift");
        QTest::newRow("left") << "button" << Qt::LeftButton << int(Qt::NoModifier) << 1 << 0;
        QTest::newRow("right") << "button" << Qt::RightButton << int(Qt::NoModifier) << 2 << 0;
        QTest::newRow("middle") << "button" << Qt::MiddleButton << int(Qt::NoModifier) << 4 << 0;
        QTest::newRow("right with shift")
            << "button" << Qt::RightButton << int(Qt::ShiftModifier) << 2 << 1;
        QTest::newRow("left with ctrl and alt")
            << "button" << Qt::LeftButton << int(Qt::ControlModifier | Qt::AltModifier) << 1 << 6;
        QTest::newRow("panel, right")
            << "panel" << Qt::RightButton << int(Qt::NoModifier) << 2 << 0;
    }
    void mouseDownReportsButtonShiftAndTwips()
    {
        QFETCH(QString, kind);
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, modifiers);
        QFETCH(int, code);
        QFETCH(int, shift);
        const auto control = makeControl(kind);
        QSignalSpy downs(control.get(), SIGNAL(mouseDown(ControlMouse)));
        QVERIFY(downs.isValid());
        sendMouse(*control, QEvent::MouseButtonPress, button, QPoint(10, 20),
                  Qt::KeyboardModifiers(modifiers));
        QCOMPARE(downs.count(), 1);
        const auto mouse = downs.at(0).at(0).value<ControlMouse>();
        QCOMPARE(mouse.button, code);
        QCOMPARE(mouse.shift, shift);
        QCOMPARE(mouse.x, 150.0);
        QCOMPARE(mouse.y, 300.0);
    }
    void clickNeedsLeftPressAndReleaseInside_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("releaseAt");
        QTest::addColumn<int>("clicks");
        QTest::newRow("left inside") << "button" << Qt::LeftButton << QPoint(5, 5) << 1;
        QTest::newRow("left released outside") << "button" << Qt::LeftButton << QPoint(200, 5) << 0;
        QTest::newRow("right inside") << "button" << Qt::RightButton << QPoint(5, 5) << 0;
        QTest::newRow("panel, left inside") << "panel" << Qt::LeftButton << QPoint(5, 5) << 1;
        QTest::newRow("panel, right inside") << "panel" << Qt::RightButton << QPoint(5, 5) << 0;
    }
    void clickNeedsLeftPressAndReleaseInside()
    {
        QFETCH(QString, kind);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, releaseAt);
        QFETCH(int, clicks);
        const auto control = makeControl(kind);
        QSignalSpy clicked(control.get(), SIGNAL(clicked()));
        sendMouse(*control, QEvent::MouseButtonPress, button, QPoint(5, 5));
        QCOMPARE(clicked.count(), 0);
        sendMouse(*control, QEvent::MouseButtonRelease, button, releaseAt);
        QCOMPARE(clicked.count(), clicks);
        if (auto *pressable = qobject_cast<ZarnBttn *>(control.get()))
            QVERIFY(!pressable->isPressed());
    }

    void disabledButtonIgnoresTheMouse()
    {
        QWidget window;
        auto *control = new ZarnBttn(&window);
        control->setGeometry(0, 0, 40, 32);
        control->setEnabled(false);
        QSignalSpy downs(control, &ZarnBttn::mouseDown);
        QSignalSpy moves(control, &ZarnBttn::mouseMove);
        QSignalSpy clicked(control, &ZarnBttn::clicked);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseMove(control, QPoint(5, 5));
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mousePress(control, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(downs.count(), 0);
        QCOMPARE(moves.count(), 0);
        QCOMPARE(clicked.count(), 0);
        QVERIFY(!control->isHovered());
    }

    void everyMoveIsReported()
    {
        ZarnBttn control;
        control.resize(40, 32);
        QVERIFY(control.hasMouseTracking());
        QSignalSpy moves(&control, &ZarnBttn::mouseMove);
        sendMouse(control, QEvent::MouseMove, Qt::NoButton, QPoint(2, 3));
        sendMouse(control, QEvent::MouseMove, Qt::NoButton, QPoint(4, 6));
        QCOMPARE(moves.count(), 2);
        const auto last = moves.at(1).at(0).value<ControlMouse>();
        QCOMPARE(last.button, 0);
        QCOMPARE(last.x, 60.0);
        QCOMPARE(last.y, 90.0);
    }

    void captionTakesHighlightUnderTheMouse()
    {
        ZarnBttn control;
        captionButton(control, QStringLiteral("Ouverture"));
        control.setHighlightColor(Yellow);
        control.setCaption(QStringLiteral("Ouverture"));

        const QImage before = render(control);
        QVERIFY(countNear(before, Colour::toQColor(Red)) > 10);
        QCOMPARE(countNear(before, Colour::toQColor(Yellow)), 0);

        sendMouse(control, QEvent::MouseMove, Qt::NoButton, QPoint(60, 15));
        QVERIFY(control.isHovered());
        QCOMPARE(control.inkColour(), Colour::toQColor(Yellow));
        const QImage over = render(control);
        QVERIFY(countNear(over, Colour::toQColor(Yellow)) > 10);
        QCOMPARE(countNear(over, Colour::toQColor(Red)), 0);

        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&control, &leave);
        QCOMPARE(control.inkColour(), Colour::toQColor(Red));
    }

    void disabledCaptionIsGreyed()
    {
        ZarnBttn control;
        captionButton(control, QStringLiteral("Arrêt"));
        control.setEnabled(false);
        const QImage image = render(control);
        QCOMPARE(countNear(image, Colour::toQColor(Red)), 0);
        QVERIFY(countNear(image, QColor(128, 128, 128)) > 10);
    }
    void gradientRunsInItsDirection_data()
    {
        QTest::addColumn<int>("sens");
        QTest::addColumn<QPoint>("startPixel");
        QTest::addColumn<QPoint>("endPixel");
        QTest::newRow("horizontal: left to right") << 0 << QPoint(1, 20) << QPoint(98, 20);
        QTest::newRow("vertical: top to bottom") << 1 << QPoint(50, 1) << QPoint(50, 38);
    }
    void gradientRunsInItsDirection()
    {
        QFETCH(int, sens);
        QFETCH(QPoint, startPixel);
        QFETCH(QPoint, endPixel);
        ZarnBttn button;
        ZarnPanel panel;
        for (QWidget *control : {static_cast<QWidget *>(&button), static_cast<QWidget *>(&panel)}) {
            control->resize(100, 40);
            control->setProperty("gradientcolorstart", Red);
            control->setProperty("gradientcolorend", Blue);
            control->setProperty("gradientsens", sens);
            const QImage image = render(*control);
            const QColor start = image.pixelColor(startPixel);
            const QColor end = image.pixelColor(endPixel);
            QVERIFY2(start.red() > 230 && start.blue() < 25, qPrintable(start.name()));
            QVERIFY2(end.blue() > 230 && end.red() < 25, qPrintable(end.name()));
            // Across the gradient the colour does not change.
            const QPoint across
                = sens == 0 ? QPoint(startPixel.x(), 38) : QPoint(98, startPixel.y());
            QCOMPARE(image.pixelColor(across), start);
        }
    }

    void disabledBandKeepsItsGradient()
    {
        ZarnBttn band;
        band.resize(60, 40);
        band.setGradientColorStart(Red);
        band.setGradientColorEnd(Green);
        const QImage enabled = render(band);
        band.setEnabled(false);
        QVERIFY(band.isBand());
        QCOMPARE(render(band), enabled);
    }

    void pressedButtonLooksDifferent()
    {
        ZarnBttn control;
        control.resize(60, 30);
        control.setCaption(QStringLiteral("OK"));
        sendMouse(control, QEvent::MouseMove, Qt::NoButton, QPoint(5, 5));
        const QImage up = render(control);
        sendMouse(control, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(5, 5));
        QVERIFY(control.isPressed());
        QVERIFY(render(control) != up);
        sendMouse(control, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(5, 5));
        QCOMPARE(render(control), up);
    }

    void longCaptionWraps()
    {
        ZarnBttn control;
        control.resize(60, 60);
        control.setGradientColorStart(0);
        control.setGradientColorEnd(0);
        control.setForeColor(0xFFFFFF);
        control.setCaption(QStringLiteral("Lumière des boutons"));
        const QImage image = render(control);
        // With wrapping, white caption pixels appear on more than one text line.
        int rowsWithText = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y).lightness() > 200) {
                    ++rowsWithText;
                    break;
                }
            }
        }
        QVERIFY2(rowsWithText > QFontMetrics(control.font()).height(),
                 qPrintable(QString::number(rowsWithText)));
    }

    void pictureButtonIsNeverBlank()
    {
        for (int value = int(Pictogram::Play); value <= int(Pictogram::HandBackClose); ++value) {
            ZarnBttn control;
            control.resize(40, 32);
            control.setGradientColorStart(0);
            control.setGradientColorEnd(0);
            control.setForeColor(0xFFFFFF);
            control.setPicture(Pictogram(value));
            const int inked = countNear(render(control), QColor(255, 255, 255), 120);
            QVERIFY2(inked > 20,
                     qPrintable(
                         QStringLiteral("pictogram %1 has %2 inked pixels").arg(value).arg(inked)));
        }
    }

    void panelWithoutGradientShowsBackcolor()
    {
        ZarnPanel display;
        display.resize(40, 25);
        display.setGradientColorStart(Red);
        display.setGradientColorEnd(Blue);
        display.setBackColor(0xD2D200);
        display.setGradientSens(-1);
        const QImage image = render(display);
        QCOMPARE(image.pixelColor(2, 2), Colour::toQColor(0xD2D200));
        QCOMPARE(image.pixelColor(37, 22), Colour::toQColor(0xD2D200));
    }

    void emphasisedBorderIsHeavierThanThin()
    {
        ZarnPanel pane;
        pane.resize(80, 60);
        pane.setGradientColorStart(0xE0E0E0);
        pane.setGradientColorEnd(0xE0E0E0);
        const QImage none = render(pane);
        pane.setBorderStyle(1);
        const QImage thin = render(pane);
        pane.setBorderStyle(2);
        const QImage thick = render(pane);

        const QColor face = Colour::toQColor(0xE0E0E0);
        const int faceNone = countNear(none, face, 10);
        const int faceThin = countNear(thin, face, 10);
        const int faceThick = countNear(thick, face, 10);
        QCOMPARE(faceNone, 80 * 60);
        QVERIFY(faceThin < faceNone);
        // The selected pane's border covers at least twice the pixels of the thin one.
        QVERIFY2(faceNone - faceThick >= 2 * (faceNone - faceThin),
                 qPrintable(QStringLiteral("%1 %2 %3").arg(faceNone).arg(faceThin).arg(faceThick)));
        // Two pixels in from the edge the thin border has ended and the emphasised one has not.
        QCOMPARE(thin.pixelColor(2, 30), face);
        QVERIFY(thick.pixelColor(2, 30).lightness() < 60);
    }
};

KV_TEST_MAIN(TestSkinnedControls)
#include "tst_skinnedcontrols.moc"
