#include "TestMain.h"

#include "media/FakeEngine.h"
#include "media/MediaWindow.h"

#include <QMenu>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWindow>

// The media window's logic over the scripted engine: exact, with no decoding and no timing.
class TestMediaWindow : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_clip = makeFile("clip.avi");
        m_sound = makeFile("sound.wav");
        m_unplayable = makeFile("garbage.avi");
        m_files = {{m_clip, {2000, 20, QSize(80, 60)}}, {m_sound, {1500, 0, QSize()}}};
        m_events.clear();
    }
    void cleanup() { m_windows.clear(); }

    void startsHiddenWithNormalSettings()
    {
        QWidget parent;
        MediaWindow window(MediaWindow::EngineFactory{}, &parent);
        parent.show();
        QVERIFY(!window.isVisible());
        QCOMPARE(window.speed(), 1000);
        QCOMPARE(window.volume(), 1000);
        QCOMPARE(window.zoom(), 100);
        QCOMPARE(window.mode(), MediaWindow::Mode::NotReady);
        QVERIFY(window.showPlayBar());
        QCOMPARE(window.length(), 0);
    }

    // Each notification is queued: it arrives after the call that caused it has returned.
    void notificationsArriveAfterTheCallReturns_data()
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
        QTest::newRow("click") << "click" << QByteArray(SIGNAL(mouseClicked()));
    }
    void notificationsArriveAfterTheCallReturns()
    {
        QFETCH(QString, action);
        QFETCH(QByteArray, signal);
        MediaWindow *window = makeWindow();
        if (action != "open") {
            window->setFileName(m_clip);
            QCoreApplication::processEvents();
        }
        QSignalSpy spy(window, signal.constData());
        if (action == "open")
            window->setFileName(m_clip);
        else if (action == "position")
            window->setPosition(500);
        else if (action == "zoom")
            window->setZoom(200);
        else if (action == "click") {
            window->show();
            QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(10, 10));
        } else
            QVERIFY(window->sendCommand(action));
        QCOMPARE(spy.count(), 0);
        QTRY_COMPARE(spy.count(), 1);
    }

    // The notifications of an open and a close, in order, with the mode read on arrival.
    void openAndCloseReportInOrder()
    {
        MediaWindow *window = makeWindow();
        record(window);
        window->setFileName(m_clip);
        QCOMPARE(window->fileName(), QFileInfo(m_clip).absoluteFilePath());
        QCOMPARE(window->mode(), MediaWindow::Mode::Stopped);
        QCoreApplication::processEvents();
        QCOMPARE(m_events, (QStringList{"media", "size", "mode:stopped", "position"}));

        m_events.clear();
        QVERIFY(window->sendCommand(QStringLiteral("close")));
        QCOMPARE(window->fileName(), QString());
        QCOMPARE(window->length(), 0);
        QVERIFY(window->naturalSize().isEmpty());
        QCoreApplication::processEvents();
        QCOMPARE(m_events, (QStringList{"media", "size", "mode:not ready"}));
        // Closing again, or commands with no media, change and report nothing.
        m_events.clear();
        QVERIFY(window->sendCommand(QStringLiteral("close")));
        QVERIFY(!window->sendCommand(QStringLiteral("play")));
        QVERIFY(!window->sendCommand(QStringLiteral("stop")));
        QCoreApplication::processEvents();
        QCOMPARE(m_events, QStringList());
    }

    void unplayableFileReadsBackEmptyAndStaysUsable_data()
    {
        QTest::addColumn<QString>("which");
        QTest::newRow("missing file") << "missing";
        QTest::newRow("file the engine refuses") << "unplayable";
        QTest::newRow("folder") << "folder";
    }
    void unplayableFileReadsBackEmptyAndStaysUsable()
    {
        QFETCH(QString, which);
        const QString path = which == "missing"  ? m_dir->filePath("nowhere.avi")
                             : which == "folder" ? m_dir->path()
                                                 : m_unplayable;
        MediaWindow *window = makeWindow();
        window->setFileName(m_clip);
        window->setFileName(path);
        QCOMPARE(window->fileName(), QString());
        QCOMPARE(window->mode(), MediaWindow::Mode::NotReady);
        QVERIFY(!window->sendCommand(QStringLiteral("play")));
        window->setFileName(m_clip);
        QVERIFY(window->sendCommand(QStringLiteral("play")));
        QCOMPARE(window->mode(), MediaWindow::Mode::Playing);
    }

    // Positions read and written in the unit in force, clamped into the media.
    void positionsInEitherUnit_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("written");
        QTest::addColumn<qint32>("readBack");
        QTest::addColumn<qint32>("readInMs");
        QTest::newRow("frames") << "FRAMES"
                                << "15" << 15 << 1500;
        QTest::newRow("ms") << "ms"
                            << "700" << 700 << 700;
        QTest::newRow("ms before the start") << "ms"
                                             << "-500" << 0 << 0;
        QTest::newRow("ms past the end") << "ms"
                                         << "13000" << 2000 << 2000;
        QTest::newRow("frames past the end") << "frames"
                                             << "250" << 20 << 2000;
        QTest::newRow("unknown unit keeps ms") << "seconds"
                                               << "3" << 3 << 3;
        QTest::newRow("text that is no number") << "ms"
                                                << "abc" << 0 << 0;
    }
    void positionsInEitherUnit()
    {
        QFETCH(QString, format);
        QFETCH(QString, written);
        QFETCH(qint32, readBack);
        QFETCH(qint32, readInMs);
        MediaWindow *window = makeWindow();
        window->setFileName(m_clip);
        window->setTimeFormat(format);
        QCOMPARE(window->length(), window->timeFormat() == "frames" ? 20 : 2000);
        QCOMPARE(window->setPositionText(written), written != "abc");
        QCOMPARE(window->position(), readBack);
        window->setTimeFormat(QStringLiteral("ms"));
        QCOMPARE(window->position(), readInMs);
    }

    void zoomResizesToPictureAndBar_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<bool>("bar");
        QTest::addColumn<QSize>("size");
        const int bar = MediaWindow::PlayBarHeight;
        QTest::newRow("100 with bar") << 100 << true << QSize(80, 60 + bar);
        QTest::newRow("100 without bar") << 100 << false << QSize(80, 60);
        QTest::newRow("50 with bar") << 50 << true << QSize(40, 30 + bar);
        QTest::newRow("below 10 is 10") << 5 << false << QSize(8, 6);
        QTest::newRow("above 400 is 400") << 999 << true << QSize(320, 240 + bar);
    }
    void zoomResizesToPictureAndBar()
    {
        QFETCH(int, zoom);
        QFETCH(bool, bar);
        QFETCH(QSize, size);
        MediaWindow *window = makeWindow();
        window->setShowPlayBar(bar);
        window->setFileName(m_clip);
        QVERIFY(window->setZoomText(QString::number(zoom)));
        QCOMPARE(window->size(), size);
        QCOMPARE(window->zoom(), std::clamp(zoom, 10, 400));
        // Hiding or showing the bar afterwards takes or gives back its height.
        window->setShowPlayBar(!bar);
        QCOMPARE(window->height(), size.height() + (bar ? -1 : 1) * MediaWindow::PlayBarHeight);
        // A sound takes the bar alone, whatever the zoom, and has no frames.
        window->setShowPlayBar(true);
        window->setFileName(m_sound);
        QCOMPARE(window->size(), QSize(MediaWindow::SoundWidth, MediaWindow::PlayBarHeight));
        window->setTimeFormat(QStringLiteral("frames"));
        QCOMPARE(window->length(), 0);
    }

    // Commands and clock steps ("+ms") on the 2 s clip of 20 frames, and where they leave it.
    void commandsPlayTheMedia_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("position"); // in the unit in force
        QTest::addColumn<int>("wraps");
        using L = QStringList;
        QTest::newRow("playing") << L{"play", "+1200"} << "playing" << 1200 << 0;
        QTest::newRow("to the end") << L{"play", "+2400"} << "stopped" << 2000 << 0;
        QTest::newRow("repeat wraps") << L{"play repeat", "+2500"} << "playing" << 500 << 1;
        QTest::newRow("backward to the start, half way")
            << L{"frames", "play from 20 to 0", "+500"} << "playing" << 15 << 0;
        QTest::newRow("backward to the start")
            << L{"frames", "play from 20 to 0", "+5000"} << "stopped" << 0 << 0;
        QTest::newRow("forward range")
            << L{"frames", "play from 5 to 10", "+500", "+5000"} << "stopped" << 10 << 0;
        QTest::newRow("pause holds") << L{"play", "+300", "pause", "+300"} << "paused" << 300 << 0;
        QTest::newRow("play after pause goes on")
            << L{"play", "+300", "pause", "play", "+300"} << "playing" << 600 << 0;
        QTest::newRow("double speed") << L{"speed 2000", "play", "+600"} << "playing" << 1200 << 0;
        for (const char *refused : {"play from  to 0", "play from x", "rewind", ""})
            QTest::newRow(qPrintable(QStringLiteral("refused: \"%1\"").arg(refused)))
                << L{"play", "+700", "!" + QString(refused)} << "playing" << 700 << 0;
    }
    void commandsPlayTheMedia()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, mode);
        QFETCH(int, position);
        QFETCH(int, wraps);
        MediaWindow *window = makeWindow();
        window->setFileName(m_clip);
        for (const QString &step : std::as_const(steps)) {
            QCoreApplication::processEvents();
            if (step.startsWith('+'))
                fake(window)->advance(step.mid(1).toLongLong());
            else if (step == "frames")
                window->setTimeFormat(step);
            else if (step.startsWith("speed "))
                window->setSpeed(step.mid(6).toInt());
            else if (step.startsWith('!')) {
                record(window);
                QVERIFY(!window->sendCommand(step.mid(1)));
            } else
                QVERIFY2(window->sendCommand(step), qPrintable(step));
        }
        QCoreApplication::processEvents();
        QCOMPARE(window->modeName(), mode);
        QCOMPARE(window->position(), position);
        QCOMPARE(fake(window)->wraps(), wraps);
        QCOMPARE(m_events, QStringList()); // a refused command reports nothing
    }

    // Every start and end is reported, and a stop when already stopped too: a slideshow
    // stopped between two files relies on it to rewind.
    void modesAreReportedAsTheyChange()
    {
        MediaWindow *window = makeWindow();
        window->setFileName(m_clip);
        QCoreApplication::processEvents();
        QStringList modes;
        connect(window, &MediaWindow::modeChanged, this, [&] { modes << window->modeName(); });
        for (const char *step : {"play repeat", "+2500", "stop", "play", "+5000", "stop"}) {
            if (step[0] == '+')
                fake(window)->advance(QByteArray(step + 1).toLongLong());
            else
                QVERIFY(window->sendCommand(step));
            QCoreApplication::processEvents();
        }
        QCOMPARE(modes, (QStringList{"playing", "stopped", "playing", "stopped", "stopped"}));
    }

    void speedAndVolumeReachTheEngineWithinTheirRanges_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("volume");
        QTest::addColumn<double>("engineSpeed");
        QTest::addColumn<double>("engineVolume");
        QTest::newRow("inside") << 2000 << 250 << 2.0 << 0.25;
        QTest::newRow("below") << 50 << -1 << 0.1 << 0.0;
        QTest::newRow("above") << 9000 << 1500 << 4.0 << 1.0;
    }
    void speedAndVolumeReachTheEngineWithinTheirRanges()
    {
        QFETCH(int, speed);
        QFETCH(int, volume);
        QFETCH(double, engineSpeed);
        QFETCH(double, engineVolume);
        MediaWindow *window = makeWindow();
        window->setSpeed(speed);
        window->setVolume(volume);
        window->setFileName(m_clip);
        QCOMPARE(window->speed(), int(engineSpeed * 1000));
        QCOMPARE(window->volume(), int(engineVolume * 1000));
        QCOMPARE(fake(window)->speed(), engineSpeed);
        QCOMPARE(fake(window)->volume(), engineVolume);
    }

    void fullScreenEndsWithTheMediaOrAClick_data()
    {
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<QString>("gesture");
        QTest::newRow("end of the media") << false << "";
        QTest::newRow("click while repeating") << true << "click";
        QTest::newRow("Escape while repeating") << true << "escape";
        QTest::newRow("desktop close while repeating") << true << "close";
    }
    void fullScreenEndsWithTheMediaOrAClick()
    {
        QFETCH(bool, repeat);
        QFETCH(QString, gesture);
        MediaWindow *window = makeWindow();
        window->setFileName(m_clip);
        QVERIFY(window->sendCommand(repeat ? "play fullscreen repeat" : "play fullscreen"));
        QVERIFY(window->isFullScreenPlaying());
        QWidget *view = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->objectName() == "MediaFullScreen" && top->isVisible())
                view = top;
        }
        QVERIFY(view);
        QVERIFY(view->windowFlags() & Qt::FramelessWindowHint);
        fake(window)->advance(5000);
        QCOMPARE(window->isFullScreenPlaying(), repeat);
        if (gesture == "click")
            QTest::mouseClick(view, Qt::LeftButton);
        else if (gesture == "escape")
            QTest::keyClick(view, Qt::Key_Escape);
        else if (gesture == "close")
            view->windowHandle()->close();
        QVERIFY(!window->isFullScreenPlaying());
        QCOMPARE(window->mode(), MediaWindow::Mode::Stopped);
    }

    void playBarSeeksAndToggles()
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
        QCOMPARE(window->mode(), MediaWindow::Mode::Playing);
        fake(window)->advance(200);
        QTRY_COMPARE(slider->value(), 1700);
        button->click();
        QCOMPARE(window->mode(), MediaWindow::Mode::Stopped);
        // At the end the button plays again from the start.
        window->setPosition(2000);
        button->click();
        QCOMPARE(window->position(), 0);
        QCOMPARE(window->mode(), MediaWindow::Mode::Playing);
    }

    void menuOffersFrenchEntries()
    {
        MediaWindow *window = makeWindow();
        window->setFileName(m_clip);
        auto *menu = window->findChild<QMenu *>(QStringLiteral("MediaMenu"));
        QVERIFY(menu);
        emit menu->aboutToShow();
        QStringList titles;
        for (QAction *action : menu->actions())
            titles << action->text();
        QCOMPARE(titles, (QStringList{"Ouvrir...", "Fermer", "Vitesse", "Volume", "Zoom"}));
        for (QAction *action : menu->actions().at(2)->menu()->actions()) {
            if (action->text() == "x 2")
                action->trigger();
        }
        QCOMPARE(window->speed(), 2000);
        // With a chooser, "Ouvrir..." opens what it gives.
        window->setFileChooser([this] { return m_sound; });
        emit menu->aboutToShow();
        menu->actions().first()->trigger();
        QCOMPARE(window->fileName(), QFileInfo(m_sound).absoluteFilePath());
    }

    void picturePaintedScaledAndBlackWithoutMedia()
    {
        MediaWindow *window = makeWindow();
        window->setShowPlayBar(false);
        window->resize(40, 30);
        QCOMPARE(QColor(window->grab().toImage().pixel(20, 15)), QColor(Qt::black));
        window->setFileName(m_clip);
        window->setZoom(200);
        const QImage shown = window->grab().toImage();
        QCOMPARE(shown.size(), QSize(160, 120));
        const QRgb expected = fake(window)->frame().pixel(0, 0);
        QCOMPARE(shown.pixel(5, 5), expected);
        QCOMPARE(shown.pixel(155, 115), expected);
    }

    void engineChosenByContentThenName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("kind");
        const QByteArray flc = QByteArray("\x80\x00\x00\x00\x12\xaf", 6) + QByteArray(122, '\0');
        QTest::newRow("flc by name") << "a.flc" << QByteArray("junk") << int(MediaKind::Flic);
        QTest::newRow("fli by name, any case")
            << "A.FLI" << QByteArray("junk") << int(MediaKind::Flic);
        QTest::newRow("flic content under another name") << "a.dat" << flc << int(MediaKind::Flic);
        QTest::newRow("midi by name") << "a.mid" << QByteArray("junk") << int(MediaKind::Midi);
        QTest::newRow("rmi by name") << "a.rmi" << QByteArray("junk") << int(MediaKind::Midi);
        QTest::newRow("midi content")
            << "song.bin" << QByteArray("MThd\0\0\0\6", 8) << int(MediaKind::Midi);
        QTest::newRow("riff rmid content")
            << "song.wav" << QByteArray("RIFF\4\0\0\0RMIDdata", 16) << int(MediaKind::Midi);
        QTest::newRow("riff avi stays with mpv")
            << "a.avi" << QByteArray("RIFF\x12\xaf\0\0AVI LIST", 16) << int(MediaKind::Mpv);
        QTest::newRow("anything else") << "a.mov" << QByteArray("junk") << int(MediaKind::Mpv);
    }
    void engineChosenByContentThenName()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(int, kind);
        QCOMPARE(int(MediaWindow::kindOf(makeFile(name, content))), kind);
    }

private:
    QString makeFile(const QString &name, const QByteArray &content = "x")
    {
        QFile file(m_dir->filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(content);
        return file.fileName();
    }
    MediaWindow *makeWindow()
    {
        m_windows.push_back(std::make_unique<MediaWindow>(
            [files = m_files](MediaKind) { return std::make_unique<FakeEngine>(files); }));
        return m_windows.back().get();
    }
    static FakeEngine *fake(MediaWindow *window)
    {
        return qobject_cast<FakeEngine *>(window->engine());
    }
    // Records each notification with the mode read when it arrives.
    void record(MediaWindow *window)
    {
        connect(window, &MediaWindow::mediaChanged, this, [this] { m_events << "media"; });
        connect(window, &MediaWindow::sizeChanged, this, [this] { m_events << "size"; });
        connect(window, &MediaWindow::modeChanged, this,
                [this, window] { m_events << "mode:" + window->modeName(); });
        connect(window, &MediaWindow::positionChanged, this, [this] { m_events << "position"; });
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QHash<QString, FakeMedia> m_files;
    QString m_clip;  // 2000 ms, 20 frames, 80 × 60
    QString m_sound; // 1500 ms, no picture
    QString m_unplayable;
    std::vector<std::unique_ptr<MediaWindow>> m_windows;
    QStringList m_events;
};

KV_TEST_MAIN(TestMediaWindow)
#include "tst_mediawindow.moc"
