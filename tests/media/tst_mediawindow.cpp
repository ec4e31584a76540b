#include "TestMain.h"

#include "media/FakeEngine.h"
#include "media/MediaWindow.h"

#include <QMenu>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolButton>

// The media window's logic over the scripted engine: every behaviour here is exact, with no
// decoding and no timing.
class TestMediaWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsHiddenWithNormalSettings();
    void notificationsArriveAfterTheCallReturns_data();
    void notificationsArriveAfterTheCallReturns();
    void openingReportsMediaSizeThenMode();
    void closeEmptiesTheFileNameAndReportsIt();
    void unplayableFileReadsBackEmptyAndStaysUsable_data();
    void unplayableFileReadsBackEmptyAndStaysUsable();
    void positionInBothUnits();
    void positionWritesAreClampedIntoTheMedia_data();
    void positionWritesAreClampedIntoTheMedia();
    void zoomResizesToPictureAndBar_data();
    void zoomResizesToPictureAndBar();
    void soundTakesOnlyThePlayBar();
    void refusedCommandsHaveNoEffect_data();
    void refusedCommandsHaveNoEffect();
    void commandsNeedMedia();
    void playToTheEndReportsPlayingThenStopped();
    void repeatWrapsWithoutStopping();
    void rangePlayStopsAtItsEnd_data();
    void rangePlayStopsAtItsEnd();
    void pauseKeepsThePosition();
    void speedAndVolumeReachTheEngineWithinTheirRanges();
    void fullScreenEndsWithTheMediaOrAClick_data();
    void fullScreenEndsWithTheMediaOrAClick();
    void playBarSeeksAndToggles();
    void menuOffersFrenchEntries();
    void clickIsReportedQueued();
    void picturePaintedScaledAndBlackWithoutMedia();
    void engineChosenByContentThenName_data();
    void engineChosenByContentThenName();

private:
    QString makeFile(const QString &name, const QByteArray &content = "x");
    MediaWindow *makeWindow();
    FakeEngine *fake(MediaWindow *window);
    QStringList record(MediaWindow *window);

    std::unique_ptr<QTemporaryDir> m_dir;
    QHash<QString, FakeMedia> m_files;
    QString m_clip;  // 2000 ms, 20 frames, 80 × 60
    QString m_sound; // 1500 ms, no picture
    QString m_unplayable;
    std::vector<std::unique_ptr<MediaWindow>> m_windows;
    QStringList m_events;
};

QString TestMediaWindow::makeFile(const QString &name, const QByteArray &content)
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(content);
    return path;
}

void TestMediaWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_clip = makeFile(QStringLiteral("clip.avi"));
    m_sound = makeFile(QStringLiteral("sound.wav"));
    m_unplayable = makeFile(QStringLiteral("garbage.avi"));
    m_files = {{m_clip, {2000, 20, QSize(80, 60)}}, {m_sound, {1500, 0, QSize()}}};
    m_events.clear();
}

void TestMediaWindow::cleanup()
{
    m_windows.clear();
}

MediaWindow *TestMediaWindow::makeWindow()
{
    const QHash<QString, FakeMedia> files = m_files;
    auto factory = [files](MediaKind) {
        return std::make_unique<FakeEngine>(files);
    };
    m_windows.push_back(std::make_unique<MediaWindow>(factory));
    return m_windows.back().get();
}

FakeEngine *TestMediaWindow::fake(MediaWindow *window)
{
    return qobject_cast<FakeEngine *>(window->engine());
}

// Records each notification with the mode read when it arrives.
QStringList TestMediaWindow::record(MediaWindow *window)
{
    connect(window, &MediaWindow::mediaChanged, this, [this] { m_events << "media"; });
    connect(window, &MediaWindow::sizeChanged, this, [this] { m_events << "size"; });
    connect(window, &MediaWindow::modeChanged, this,
            [this, window] { m_events << "mode:" + window->mode(); });
    connect(window, &MediaWindow::positionChanged, this, [this] { m_events << "position"; });
    return m_events;
}

void TestMediaWindow::startsHiddenWithNormalSettings()
{
    QWidget parent;
    MediaWindow window(MediaWindow::EngineFactory{}, &parent);
    parent.show();
    QVERIFY(!window.isVisible());
    QCOMPARE(window.speed(), 1000);
    QCOMPARE(window.volume(), 1000);
    QCOMPARE(window.zoom(), 100);
    QCOMPARE(window.mode(), QStringLiteral("not ready"));
    QVERIFY(window.showPlayBar());
    QCOMPARE(window.length(), 0);
}

void TestMediaWindow::notificationsArriveAfterTheCallReturns_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QByteArray>("signal");
    QTest::newRow("open: media changed") << "open" << QByteArray(SIGNAL(mediaChanged()));
    QTest::newRow("open: size changed") << "open" << QByteArray(SIGNAL(sizeChanged()));
    QTest::newRow("open: mode changed") << "open" << QByteArray(SIGNAL(modeChanged()));
    QTest::newRow("position write") << "position" << QByteArray(SIGNAL(positionChanged()));
    QTest::newRow("zoom write") << "zoom" << QByteArray(SIGNAL(sizeChanged()));
    QTest::newRow("play") << "play" << QByteArray(SIGNAL(modeChanged()));
    QTest::newRow("close") << "close" << QByteArray(SIGNAL(mediaChanged()));
}

void TestMediaWindow::notificationsArriveAfterTheCallReturns()
{
    QFETCH(QString, action);
    QFETCH(QByteArray, signal);
    MediaWindow *window = makeWindow();
    if (action != QLatin1String("open")) {
        window->setFileName(m_clip);
        QCoreApplication::processEvents();
    }
    QSignalSpy spy(window, signal.constData());
    QVERIFY(spy.isValid());
    if (action == QLatin1String("open"))
        window->setFileName(m_clip);
    else if (action == QLatin1String("position"))
        window->setPosition(500);
    else if (action == QLatin1String("zoom"))
        window->setZoom(200);
    else
        QVERIFY(window->sendCommand(action));
    QCOMPARE(spy.count(), 0);
    QTRY_VERIFY(spy.count() >= 1);
}

void TestMediaWindow::openingReportsMediaSizeThenMode()
{
    MediaWindow *window = makeWindow();
    record(window);
    window->setFileName(m_clip);
    QCOMPARE(window->fileName(), QFileInfo(m_clip).absoluteFilePath());
    QCOMPARE(window->mode(), QStringLiteral("stopped"));
    QCoreApplication::processEvents();
    QCOMPARE(m_events, (QStringList{"media", "size", "mode:stopped", "position"}));
}

void TestMediaWindow::closeEmptiesTheFileNameAndReportsIt()
{
    MediaWindow *window = makeWindow();
    window->setFileName(m_clip);
    QCoreApplication::processEvents();
    record(window);

    QVERIFY(window->sendCommand(QStringLiteral("close")));
    QCOMPARE(window->fileName(), QString());
    QCOMPARE(window->mode(), QStringLiteral("not ready"));
    QCOMPARE(window->length(), 0);
    QVERIFY(window->naturalSize().isEmpty());
    QCoreApplication::processEvents();
    QCOMPARE(m_events, (QStringList{"media", "size", "mode:not ready"}));

    // Closing again changes nothing and reports nothing.
    m_events.clear();
    QVERIFY(window->sendCommand(QStringLiteral("close")));
    QCoreApplication::processEvents();
    QCOMPARE(m_events, QStringList());
}

void TestMediaWindow::unplayableFileReadsBackEmptyAndStaysUsable_data()
{
    QTest::addColumn<QString>("which");
    QTest::newRow("missing file") << "missing";
    QTest::newRow("file the engine refuses") << "unplayable";
    QTest::newRow("folder") << "folder";
}

void TestMediaWindow::unplayableFileReadsBackEmptyAndStaysUsable()
{
    QFETCH(QString, which);
    const QString path = which == QLatin1String("missing")  ? m_dir->filePath("nowhere.avi")
                         : which == QLatin1String("folder") ? m_dir->path()
                                                            : m_unplayable;
    MediaWindow *window = makeWindow();
    window->setFileName(m_clip);
    window->setFileName(path);
    QCOMPARE(window->fileName(), QString());
    QCOMPARE(window->mode(), QStringLiteral("not ready"));
    QVERIFY(!window->sendCommand(QStringLiteral("play")));

    window->setFileName(m_clip);
    QCOMPARE(window->fileName(), QFileInfo(m_clip).absoluteFilePath());
    QVERIFY(window->sendCommand(QStringLiteral("play")));
    QCOMPARE(window->mode(), QStringLiteral("playing"));
}

void TestMediaWindow::positionInBothUnits()
{
    MediaWindow *window = makeWindow();
    window->setFileName(m_clip);
    QCOMPARE(window->length(), 2000);
    window->setTimeFormat(QStringLiteral("FRAMES"));
    QCOMPARE(window->timeFormat(), QStringLiteral("frames"));
    QCOMPARE(window->length(), 20);

    window->setPosition(15);
    QCOMPARE(window->position(), 15);
    window->setTimeFormat(QStringLiteral("ms"));
    QCOMPARE(window->position(), 1500);

    // An unknown unit leaves the current one in force.
    window->setTimeFormat(QStringLiteral("seconds"));
    QCOMPARE(window->timeFormat(), QStringLiteral("ms"));

    QVERIFY(window->setPositionText(QStringLiteral("0")));
    QCOMPARE(window->position(), 0);
    QVERIFY(!window->setPositionText(QStringLiteral("abc")));
    QCOMPARE(window->position(), 0);
}

void TestMediaWindow::positionWritesAreClampedIntoTheMedia_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<qint32>("written");
    QTest::addColumn<qint32>("readBack");
    QTest::newRow("ms before the start") << "ms" << -500 << 0;
    QTest::newRow("ms past the end") << "ms" << 13000 << 2000;
    QTest::newRow("frames at the end") << "frames" << 20 << 20;
    QTest::newRow("frames past the end") << "frames" << 250 << 20;
}

void TestMediaWindow::positionWritesAreClampedIntoTheMedia()
{
    QFETCH(QString, format);
    QFETCH(qint32, written);
    QFETCH(qint32, readBack);
    MediaWindow *window = makeWindow();
    window->setFileName(m_clip);
    window->setTimeFormat(format);
    window->setPosition(written);
    QCOMPARE(window->position(), readBack);
}

void TestMediaWindow::zoomResizesToPictureAndBar_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<bool>("bar");
    QTest::addColumn<QSize>("size");
    const int bar = MediaWindow::PlayBarHeight;
    QTest::newRow("100 with bar") << 100 << true << QSize(80, 60 + bar);
    QTest::newRow("100 without bar") << 100 << false << QSize(80, 60);
    QTest::newRow("50 with bar") << 50 << true << QSize(40, 30 + bar);
    QTest::newRow("400 without bar") << 400 << false << QSize(320, 240);
    QTest::newRow("below 10 is 10") << 5 << false << QSize(8, 6);
    QTest::newRow("above 400 is 400") << 999 << true << QSize(320, 240 + bar);
}

void TestMediaWindow::zoomResizesToPictureAndBar()
{
    QFETCH(int, zoom);
    QFETCH(bool, bar);
    QFETCH(QSize, size);
    MediaWindow *window = makeWindow();
    window->setShowPlayBar(bar);
    window->setFileName(m_clip);
    QCoreApplication::processEvents();
    QSignalSpy sized(window, &MediaWindow::sizeChanged);
    QVERIFY(window->setZoomText(QString::number(zoom)));
    QCOMPARE(window->size(), size);
    QCOMPARE(window->zoom(), std::clamp(zoom, 10, 400));
    QCoreApplication::processEvents();
    QCOMPARE(sized.count(), 1);

    // Hiding or showing the bar afterwards takes or gives back its height.
    window->setShowPlayBar(!bar);
    const int delta = bar ? -MediaWindow::PlayBarHeight : MediaWindow::PlayBarHeight;
    QCOMPARE(window->height(), size.height() + delta);
}

void TestMediaWindow::soundTakesOnlyThePlayBar()
{
    MediaWindow *window = makeWindow();
    window->setFileName(m_sound);
    window->setZoom(300);
    QCOMPARE(window->size(), QSize(MediaWindow::SoundWidth, MediaWindow::PlayBarHeight));
    window->setTimeFormat(QStringLiteral("frames"));
    QCOMPARE(window->length(), 0);
}

void TestMediaWindow::refusedCommandsHaveNoEffect_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("backward with no position") << "play from  to 0";
    QTest::newRow("not a number") << "play from x";
    QTest::newRow("unknown") << "rewind";
    QTest::newRow("empty") << "";
}

void TestMediaWindow::refusedCommandsHaveNoEffect()
{
    QFETCH(QString, command);
    MediaWindow *window = makeWindow();
    window->setFileName(m_clip);
    window->sendCommand(QStringLiteral("play"));
    fake(window)->advance(700);
    QCoreApplication::processEvents();
    record(window);

    QVERIFY(!window->sendCommand(command));
    QCoreApplication::processEvents();
    QCOMPARE(window->mode(), QStringLiteral("playing"));
    QCOMPARE(window->position(), 700);
    QCOMPARE(m_events, QStringList());
}

void TestMediaWindow::commandsNeedMedia()
{
    MediaWindow *window = makeWindow();
    record(window);
    QVERIFY(!window->sendCommand(QStringLiteral("play")));
    QVERIFY(!window->sendCommand(QStringLiteral("stop")));
    QVERIFY(window->sendCommand(QStringLiteral("close")));
    QCoreApplication::processEvents();
    QCOMPARE(m_events, QStringList());
}

void TestMediaWindow::playToTheEndReportsPlayingThenStopped()
{
    MediaWindow *window = makeWindow();
    window->setFileName(m_clip);
    QCoreApplication::processEvents();
    QStringList modes;
    connect(window, &MediaWindow::modeChanged, this, [&] { modes << window->mode(); });

    QVERIFY(window->sendCommand(QStringLiteral("play")));
    QCoreApplication::processEvents();
    fake(window)->advance(1200);
    QCOMPARE(window->mode(), QStringLiteral("playing"));
    fake(window)->advance(1200);
    QCOMPARE(window->mode(), QStringLiteral("stopped"));
    QCOMPARE(window->position(), 2000);
    QCoreApplication::processEvents();
    QCOMPARE(modes, (QStringList{"playing", "stopped"}));

    // Stop when already stopped is still reported: a slideshow stopped between two files
    // relies on it to rewind.
    QVERIFY(window->sendCommand(QStringLiteral("stop")));
    QCoreApplication::processEvents();
    QCOMPARE(modes, (QStringList{"playing", "stopped", "stopped"}));
}

void TestMediaWindow::repeatWrapsWithoutStopping()
{
    MediaWindow *window = makeWindow();
    window->setFileName(m_clip);
    QCoreApplication::processEvents();
    QSignalSpy modes(window, &MediaWindow::modeChanged);
    QVERIFY(window->sendCommand(QStringLiteral("play repeat")));
    fake(window)->advance(2500);
    QCOMPARE(window->mode(), QStringLiteral("playing"));
    QCOMPARE(window->position(), 500);
    QCOMPARE(fake(window)->wraps(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(modes.count(), 1);
}

void TestMediaWindow::rangePlayStopsAtItsEnd_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("backward");
    QTest::addColumn<int>("afterHalfSecond");
    QTest::addColumn<int>("end");
    QTest::newRow("backward to the start") << "play from 20 to 0" << true << 15 << 0;
    QTest::newRow("forward range") << "play from 5 to 10" << false << 10 << 10;
}

void TestMediaWindow::rangePlayStopsAtItsEnd()
{
    QFETCH(QString, command);
    QFETCH(bool, backward);
    QFETCH(int, afterHalfSecond);
    QFETCH(int, end);
    MediaWindow *window = makeWindow();
    window->setFileName(m_clip);
    window->setTimeFormat(QStringLiteral("frames"));
    QVERIFY(window->sendCommand(command));
    QCOMPARE(window->mode(), QStringLiteral("playing"));
    QCOMPARE(fake(window)->playingBackward(), backward);
    fake(window)->advance(500);
    QCOMPARE(window->position(), afterHalfSecond);
    fake(window)->advance(5000);
    QCOMPARE(window->position(), end);
    QCOMPARE(window->mode(), QStringLiteral("stopped"));
}

void TestMediaWindow::pauseKeepsThePosition()
{
    MediaWindow *window = makeWindow();
    window->setFileName(m_clip);
    window->sendCommand(QStringLiteral("play"));
    fake(window)->advance(300);
    QVERIFY(window->sendCommand(QStringLiteral("pause")));
    QCOMPARE(window->mode(), QStringLiteral("paused"));
    fake(window)->advance(300);
    QCOMPARE(window->position(), 300);
    QVERIFY(window->sendCommand(QStringLiteral("play")));
    fake(window)->advance(300);
    QCOMPARE(window->position(), 600);
}

void TestMediaWindow::speedAndVolumeReachTheEngineWithinTheirRanges()
{
    MediaWindow *window = makeWindow();
    window->setSpeed(2000);
    window->setVolume(250);
    window->setFileName(m_clip);
    QCOMPARE(fake(window)->speed(), 2.0);
    QCOMPARE(fake(window)->volume(), 0.25);

    window->setSpeed(50);
    QCOMPARE(window->speed(), 100);
    window->setSpeed(9000);
    QCOMPARE(window->speed(), 4000);
    window->setVolume(-1);
    QCOMPARE(window->volume(), 0);
    window->setVolume(1500);
    QCOMPARE(window->volume(), 1000);
    QCOMPARE(fake(window)->volume(), 1.0);

    // At twice the speed, one second of clock plays two seconds of media.
    window->setSpeed(2000);
    window->sendCommand(QStringLiteral("play"));
    fake(window)->advance(600);
    QCOMPARE(window->position(), 1200);
}

void TestMediaWindow::fullScreenEndsWithTheMediaOrAClick_data()
{
    QTest::addColumn<bool>("repeat");
    QTest::newRow("end of the media") << false;
    QTest::newRow("click while repeating") << true;
}

void TestMediaWindow::fullScreenEndsWithTheMediaOrAClick()
{
    QFETCH(bool, repeat);
    MediaWindow *window = makeWindow();
    window->setFileName(m_clip);
    QVERIFY(window->sendCommand(repeat ? QStringLiteral("play fullscreen repeat")
                                       : QStringLiteral("play fullscreen")));
    QVERIFY(window->isFullScreenPlaying());
    QWidget *view = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("MediaFullScreen") && top->isVisible())
            view = top;
    }
    QVERIFY(view);
    QVERIFY(view->windowFlags() & Qt::FramelessWindowHint);

    QSignalSpy modes(window, &MediaWindow::modeChanged);
    fake(window)->advance(5000);
    QCOMPARE(window->isFullScreenPlaying(), repeat);
    if (repeat)
        QTest::mouseClick(view, Qt::LeftButton);
    QVERIFY(!window->isFullScreenPlaying());
    QCOMPARE(window->mode(), QStringLiteral("stopped"));
    QTRY_VERIFY(!modes.isEmpty());
}

void TestMediaWindow::playBarSeeksAndToggles()
{
    MediaWindow *window = makeWindow();
    window->setFileName(m_clip);
    auto *slider = window->findChild<QSlider *>(QStringLiteral("TrackBar"));
    auto *button = window->findChild<QToolButton *>(QStringLiteral("PlayStop"));
    QVERIFY(slider && button);
    QCOMPARE(slider->maximum(), 2000);

    slider->setValue(1500); // as a drag does
    QCOMPARE(window->position(), 1500);

    button->click();
    QCOMPARE(window->mode(), QStringLiteral("playing"));
    fake(window)->advance(200);
    QTRY_COMPARE(slider->value(), 1700);
    button->click();
    QCOMPARE(window->mode(), QStringLiteral("stopped"));

    // At the end the button plays again from the start.
    window->setPosition(2000);
    button->click();
    QCOMPARE(window->mode(), QStringLiteral("playing"));
    QCOMPARE(window->position(), 0);
}

void TestMediaWindow::menuOffersFrenchEntries()
{
    MediaWindow *window = makeWindow();
    window->setFileName(m_clip);
    auto *menu = window->findChild<QMenu *>(QStringLiteral("MediaMenu"));
    QVERIFY(menu);
    emit menu->aboutToShow();
    QStringList titles;
    QMenu *speedMenu = nullptr;
    for (QAction *action : menu->actions()) {
        titles << action->text();
        if (action->text() == QLatin1String("Vitesse"))
            speedMenu = action->menu();
    }
    QCOMPARE(titles, (QStringList{"Ouvrir...", "Fermer", "Vitesse", "Volume", "Zoom"}));
    QVERIFY(speedMenu);
    for (QAction *action : speedMenu->actions()) {
        if (action->text() == QLatin1String("x 2"))
            action->trigger();
    }
    QCOMPARE(window->speed(), 2000);

    // With a chooser, "Ouvrir..." opens what it gives.
    window->setFileChooser([this] { return m_sound; });
    emit menu->aboutToShow();
    menu->actions().first()->trigger();
    QCOMPARE(window->fileName(), QFileInfo(m_sound).absoluteFilePath());
}

void TestMediaWindow::clickIsReportedQueued()
{
    MediaWindow *window = makeWindow();
    window->setFileName(m_clip);
    window->show();
    QSignalSpy clicks(window, &MediaWindow::mouseClicked);
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(clicks.count(), 0);
    QTRY_COMPARE(clicks.count(), 1);
}

void TestMediaWindow::picturePaintedScaledAndBlackWithoutMedia()
{
    MediaWindow *window = makeWindow();
    window->setShowPlayBar(false);
    window->resize(40, 30);
    QImage empty = window->grab().toImage();
    QCOMPARE(QColor(empty.pixel(20, 15)), QColor(Qt::black));

    window->setFileName(m_clip);
    window->setZoom(200);
    const QImage shown = window->grab().toImage();
    QCOMPARE(shown.size(), QSize(160, 120));
    const QRgb expected = fake(window)->frame().pixel(0, 0);
    QCOMPARE(shown.pixel(5, 5), expected);
    QCOMPARE(shown.pixel(155, 115), expected);
}

void TestMediaWindow::engineChosenByContentThenName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("kind");
    const QByteArray flc = QByteArray("\x80\x00\x00\x00\x12\xaf", 6) + QByteArray(122, '\0');
    QTest::newRow("flc by name") << "a.flc" << QByteArray("junk") << int(MediaKind::Flic);
    QTest::newRow("fli by name, any case") << "A.FLI" << QByteArray("junk") << int(MediaKind::Flic);
    QTest::newRow("flic content under another name") << "a.dat" << flc << int(MediaKind::Flic);
    QTest::newRow("midi by name") << "a.mid" << QByteArray("junk") << int(MediaKind::Midi);
    QTest::newRow("rmi by name") << "a.rmi" << QByteArray("junk") << int(MediaKind::Midi);
    QTest::newRow("midi content") << "song.bin" << QByteArray("MThd\0\0\0\6", 8)
                                  << int(MediaKind::Midi);
    QTest::newRow("riff rmid content")
        << "song.wav" << QByteArray("RIFF\4\0\0\0RMIDdata", 16) << int(MediaKind::Midi);
    QTest::newRow("riff avi stays with mpv")
        << "a.avi" << QByteArray("RIFF\x12\xaf\0\0AVI LIST", 16) << int(MediaKind::Mpv);
    QTest::newRow("anything else") << "a.mov" << QByteArray("junk") << int(MediaKind::Mpv);
}

void TestMediaWindow::engineChosenByContentThenName()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(int, kind);
    QCOMPARE(int(MediaWindow::kindOf(makeFile(name, content))), kind);
}

KV_TEST_MAIN(TestMediaWindow)
#include "tst_mediawindow.moc"
