#include "MediaWindow.h"

#include "FullScreenView.h"
#include "MediaCommand.h"
#include "core/Logging.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSlider>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int PositionReportMs = 250;
constexpr int MinSpeed = 100;
constexpr int MaxSpeed = 4000;
constexpr int MaxVolume = 1000;
constexpr int MinZoom = 10;
constexpr int MaxZoom = 400;

qint32 saturate(qint64 value)
{
    return qint32(std::clamp<qint64>(value, std::numeric_limits<qint32>::min(),
                                     std::numeric_limits<qint32>::max()));
}

// Menu presets: (label, value).
struct Preset
{
    const char *label;
    int value;
};
constexpr Preset SpeedPresets[] = {{"x 0,25", 250}, {"x 0,5", 500}, {"Normale", 1000},
                                   {"x 1,5", 1500}, {"x 2", 2000},  {"x 4", 4000}};
constexpr Preset VolumePresets[]
    = {{"Muet", 0}, {"25 %", 250}, {"50 %", 500}, {"75 %", 750}, {"100 %", 1000}};
constexpr Preset ZoomPresets[]
    = {{"25 %", 25}, {"50 %", 50}, {"100 %", 100}, {"150 %", 150}, {"200 %", 200}, {"400 %", 400}};

} // namespace

MediaWindow::MediaWindow(QWidget *parent)
    : MediaWindow(defaultEngineFactory(), parent)
{}

MediaWindow::MediaWindow(EngineFactory factory, QWidget *parent)
    : QWidget(parent)
    , m_factory(std::move(factory))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_positionTimer = new QTimer(this);
    m_positionTimer->setInterval(PositionReportMs);
    connect(m_positionTimer, &QTimer::timeout, this, [this] {
        syncPlayBar();
        postPositionChanged();
    });
    buildPlayBar();
    m_reportedMode = mode();
    resize(SoundWidth, PlayBarHeight);
    // Hidden until a window shows it, even when its parent is shown.
    hide();
}

MediaWindow::~MediaWindow()
{
    if (m_fullScreen)
        delete m_fullScreen.data();
    if (m_engine)
        m_engine->disconnect(this);
}

void MediaWindow::setEngineFactory(EngineFactory factory)
{
    closeMedia();
    m_engine.reset();
    m_factory = std::move(factory);
}

void MediaWindow::setFileChooser(FileChooser chooser)
{
    m_fileChooser = std::move(chooser);
}

QString MediaWindow::fileName() const
{
    return m_fileName;
}

void MediaWindow::setFileName(const QString &path)
{
    const bool hadMedia = !m_fileName.isEmpty();
    // The engine's own reports while closing and opening are folded into the notifications
    // below, so that media changed comes first.
    m_inCommand = true;
    closeMedia();
    if (path.isEmpty()) {
        m_inCommand = false;
        if (hadMedia) {
            postMediaChanged();
            postSizeChanged();
        }
        reportModeIfChanged();
        return;
    }

    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        qCInfo(lcMedia) << "cannot read" << path;
    } else {
        const MediaKind kind = kindOf(path);
        if (!m_engine || m_engineKind != kind) {
            m_engine.reset();
            m_engine = m_factory ? m_factory(kind) : nullptr;
            m_engineKind = kind;
            if (m_engine)
                connectEngine();
        }
        if (!m_engine) {
            qCInfo(lcMedia) << "no engine for" << path;
        } else {
            m_engine->setSpeed(m_speed / 1000.0);
            m_engine->setVolume(m_volume / 1000.0);
            if (m_engine->open(path))
                m_fileName = info.absoluteFilePath();
            else
                qCInfo(lcMedia) << m_engine->name() << "cannot play" << path;
        }
    }

    m_inCommand = false;
    if (!m_fileName.isEmpty())
        applyZoomSize();
    syncPlayBar();
    update();
    if (hadMedia || !m_fileName.isEmpty()) {
        postMediaChanged();
        postSizeChanged();
    }
    reportModeIfChanged();
    if (!m_fileName.isEmpty())
        postPositionChanged();
}

QString MediaWindow::timeFormat() const
{
    return m_frames ? QStringLiteral("frames") : QStringLiteral("ms");
}

void MediaWindow::setTimeFormat(const QString &format)
{
    const QString word = format.trimmed().toLower();
    if (word == QLatin1String("frames"))
        m_frames = true;
    else if (word == QLatin1String("ms"))
        m_frames = false;
    else
        qCInfo(lcMedia) << "unknown time format" << format;
}

qint32 MediaWindow::length() const
{
    if (m_fileName.isEmpty())
        return 0;
    return saturate(m_frames ? m_engine->frameCount() : m_engine->lengthMs());
}

qint32 MediaWindow::position() const
{
    if (m_fileName.isEmpty())
        return 0;
    return saturate(m_frames ? m_engine->positionFrame() : m_engine->positionMs());
}

void MediaWindow::setPosition(qint32 position)
{
    if (m_fileName.isEmpty())
        return;
    const qint64 clamped = std::clamp<qint64>(position, 0, length());
    if (m_frames)
        m_engine->seekFrame(clamped);
    else
        m_engine->seekMs(clamped);
    syncPlayBar();
    postPositionChanged();
}

bool MediaWindow::setPositionText(const QString &text)
{
    bool ok = false;
    const qint32 value = text.trimmed().toInt(&ok);
    if (!ok) {
        qCInfo(lcMedia) << "position is not a number:" << text;
        return false;
    }
    setPosition(value);
    return true;
}

qint64 MediaWindow::toMs(qint64 position) const
{
    if (!m_frames)
        return position;
    const qint64 frames = m_engine->frameCount();
    if (frames <= 0)
        return 0;
    return std::llround(double(position) * m_engine->lengthMs() / frames);
}

MediaWindow::Mode MediaWindow::mode() const
{
    if (m_fileName.isEmpty() || !m_engine)
        return Mode::NotReady;
    switch (m_engine->state()) {
    case MediaEngine::State::Closed:
        return Mode::NotReady;
    case MediaEngine::State::Stopped:
        return Mode::Stopped;
    case MediaEngine::State::Playing:
        return Mode::Playing;
    case MediaEngine::State::Paused:
        return Mode::Paused;
    }
    return Mode::Open;
}

QString MediaWindow::modeName() const
{
    switch (mode()) {
    case Mode::NotReady:
        return QStringLiteral("not ready");
    case Mode::Open:
        return QStringLiteral("open");
    case Mode::Stopped:
        return QStringLiteral("stopped");
    case Mode::Playing:
        return QStringLiteral("playing");
    case Mode::Paused:
        return QStringLiteral("paused");
    }
    return {};
}

int MediaWindow::speed() const
{
    return m_speed;
}

void MediaWindow::setSpeed(int thousandths)
{
    m_speed = std::clamp(thousandths, MinSpeed, MaxSpeed);
    if (m_engine)
        m_engine->setSpeed(m_speed / 1000.0);
}

int MediaWindow::volume() const
{
    return m_volume;
}

void MediaWindow::setVolume(int level)
{
    m_volume = std::clamp(level, 0, MaxVolume);
    if (m_engine)
        m_engine->setVolume(m_volume / 1000.0);
}

int MediaWindow::zoom() const
{
    return m_zoom;
}

void MediaWindow::setZoom(int percent)
{
    m_zoom = std::clamp(percent, MinZoom, MaxZoom);
    if (m_fileName.isEmpty())
        return;
    applyZoomSize();
    postSizeChanged();
}

bool MediaWindow::setZoomText(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok) {
        qCInfo(lcMedia) << "zoom is not a number:" << text;
        return false;
    }
    setZoom(value);
    return true;
}

void MediaWindow::applyZoomSize()
{
    const int bar = m_showPlayBar ? PlayBarHeight : 0;
    const QSize natural = naturalSize();
    if (natural.isEmpty()) {
        resize(SoundWidth, bar);
        return;
    }
    const int w = std::max(1, int(std::lround(natural.width() * m_zoom / 100.0)));
    const int h = std::max(1, int(std::lround(natural.height() * m_zoom / 100.0)));
    resize(w, h + bar);
}

bool MediaWindow::showPlayBar() const
{
    return m_showPlayBar;
}

void MediaWindow::setShowPlayBar(bool show)
{
    if (m_showPlayBar == show)
        return;
    m_showPlayBar = show;
    m_playBar->setVisible(show);
    layoutPlayBar();
    if (!m_fileName.isEmpty()) {
        applyZoomSize();
        postSizeChanged();
    }
    update();
}

int MediaWindow::borderStyle() const
{
    return m_borderStyle;
}

void MediaWindow::setBorderStyle(int style)
{
    m_borderStyle = style;
    update();
}

bool MediaWindow::sendCommand(const QString &text)
{
    const std::optional<MediaCommand> command = MediaCommand::parse(text);
    if (!command) {
        qCInfo(lcMedia) << "command refused:" << text;
        return false;
    }
    if (command->kind == MediaCommand::Kind::Close) {
        if (!m_fileName.isEmpty())
            setFileName(QString());
        return true;
    }
    if (m_fileName.isEmpty()) {
        qCInfo(lcMedia) << "no media for" << text;
        return false;
    }
    execute(*command);
    return true;
}

void MediaWindow::execute(const MediaCommand &command)
{
    // Engine reports made while obeying a command are folded into one mode notification,
    // which every play, pause and stop raises (a "stop" when already stopped included).
    m_inCommand = true;
    switch (command.kind) {
    case MediaCommand::Kind::Pause:
        m_engine->pause();
        break;
    case MediaCommand::Kind::Stop:
        m_repeating = false;
        m_engine->stop();
        endFullScreen();
        break;
    case MediaCommand::Kind::Close:
        break;
    case MediaCommand::Kind::Play:
        if (command.from) {
            const qint64 from = std::clamp<qint64>(*command.from, 0, length());
            if (m_frames)
                m_engine->seekFrame(from);
            else
                m_engine->seekMs(from);
            postPositionChanged();
        }
        m_repeating = command.repeat;
        if (command.fullScreen)
            startFullScreen();
        else
            endFullScreen();
        if (command.isBackward())
            m_engine->playBackward(toMs(*command.to));
        else
            m_engine->play(command.to ? toMs(*command.to) : -1, command.repeat);
        break;
    }
    m_inCommand = false;
    // A play that ended at once (already at its end) has closed the full screen already.
    if (m_fullScreen && m_engine->state() != MediaEngine::State::Playing)
        endFullScreen();
    syncPlayBar();
    m_reportedMode = mode();
    postModeChanged();
}

void MediaWindow::closeMedia()
{
    endFullScreen();
    m_repeating = false;
    if (m_engine && !m_fileName.isEmpty())
        m_engine->close();
    m_positionTimer->stop();
    if (m_fileName.isEmpty())
        return;
    m_fileName.clear();
    resize(SoundWidth, m_showPlayBar ? PlayBarHeight : 0);
}

QSize MediaWindow::naturalSize() const
{
    if (m_fileName.isEmpty())
        return {};
    return m_engine->naturalSize();
}

QString MediaWindow::engineName() const
{
    return m_fileName.isEmpty() ? QString() : m_engine->name();
}

MediaEngine *MediaWindow::engine() const
{
    return m_fileName.isEmpty() ? nullptr : m_engine.get();
}

bool MediaWindow::isFullScreenPlaying() const
{
    return !m_fullScreen.isNull();
}

QSize MediaWindow::sizeHint() const
{
    const int bar = m_showPlayBar ? PlayBarHeight : 0;
    const QSize natural = naturalSize();
    if (natural.isEmpty())
        return {SoundWidth, bar};
    return {natural.width() * m_zoom / 100, natural.height() * m_zoom / 100 + bar};
}

void MediaWindow::connectEngine()
{
    MediaEngine *engine = m_engine.get();
    // A new picture repaints the picture alone, not the play bar beneath it.
    connect(engine, &MediaEngine::frameChanged, this, [this] { update(pictureRect()); });
    connect(engine, &MediaEngine::stateChanged, this, &MediaWindow::onEngineStateChanged);
    connect(engine, &MediaEngine::ended, this, &MediaWindow::onEngineEnded);
}

void MediaWindow::onEngineStateChanged()
{
    if (m_engine && m_engine->state() == MediaEngine::State::Playing)
        m_positionTimer->start();
    else
        m_positionTimer->stop();
    syncPlayBar();
    if (!m_inCommand)
        reportModeIfChanged();
}

void MediaWindow::onEngineEnded()
{
    m_repeating = false;
    endFullScreen();
    syncPlayBar();
    postPositionChanged();
    if (!m_inCommand)
        reportModeIfChanged();
}

void MediaWindow::startFullScreen()
{
    if (m_fullScreen)
        return;
    auto *view = new FullScreenView(m_engine.get());
    view->setAttribute(Qt::WA_DeleteOnClose);
    connect(view, &FullScreenView::interrupted, this, [this] {
        // The user ends the full-screen play: back in the window, stopped.
        m_repeating = false;
        m_engine->stop();
        endFullScreen();
        syncPlayBar();
        m_reportedMode = mode();
        postModeChanged();
    });
    m_fullScreen = view;
    if (QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        view->setGeometry(screen->geometry());
    view->showFullScreen();
    view->activateWindow();
    view->setFocus();
}

void MediaWindow::endFullScreen()
{
    if (!m_fullScreen)
        return;
    FullScreenView *view = m_fullScreen.data();
    m_fullScreen.clear();
    view->dismiss();
    update();
}

void MediaWindow::reportModeIfChanged()
{
    const Mode now = mode();
    if (now == m_reportedMode)
        return;
    m_reportedMode = now;
    postModeChanged();
}

void MediaWindow::postMediaChanged()
{
    QMetaObject::invokeMethod(this, &MediaWindow::mediaChanged, Qt::QueuedConnection);
}

void MediaWindow::postModeChanged()
{
    QMetaObject::invokeMethod(this, &MediaWindow::modeChanged, Qt::QueuedConnection);
}

void MediaWindow::postPositionChanged()
{
    QMetaObject::invokeMethod(this, &MediaWindow::positionChanged, Qt::QueuedConnection);
}

void MediaWindow::postSizeChanged()
{
    QMetaObject::invokeMethod(this, &MediaWindow::sizeChanged, Qt::QueuedConnection);
}

void MediaWindow::postMouseClicked()
{
    QMetaObject::invokeMethod(this, &MediaWindow::mouseClicked, Qt::QueuedConnection);
}

QRect MediaWindow::pictureRect() const
{
    QRect area = rect();
    if (m_showPlayBar)
        area.setBottom(area.bottom() - PlayBarHeight);
    return area;
}

void MediaWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = pictureRect();
    QImage image;
    if (m_engine && !m_fileName.isEmpty() && !m_fullScreen && area.isValid())
        image = m_engine->frame();
    // An opaque picture covers the whole area: filling it black first would double the
    // pixels written at each frame.
    if (image.isNull() || image.hasAlphaChannel())
        painter.fillRect(area, Qt::black);
    if (!image.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(area, image);
    }
    if (m_borderStyle != 0) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void MediaWindow::resizeEvent(QResizeEvent *)
{
    layoutPlayBar();
}

void MediaWindow::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    postMouseClicked();
}

void MediaWindow::buildPlayBar()
{
    m_playBar = new QWidget(this);
    m_playBar->setObjectName(QStringLiteral("PlayBar"));
    m_playBar->setAutoFillBackground(true);

    m_playButton = new QToolButton(m_playBar);
    m_playButton->setObjectName(QStringLiteral("PlayStop"));
    m_playButton->setAutoRaise(true);
    connect(m_playButton, &QToolButton::clicked, this, [this] {
        if (m_fileName.isEmpty())
            return;
        if (m_engine->state() == MediaEngine::State::Playing) {
            sendCommand(QStringLiteral("stop"));
            return;
        }
        // From the end, the button plays the media again from its start.
        if (m_engine->positionMs() >= m_engine->lengthMs())
            m_engine->seekMs(0);
        sendCommand(QStringLiteral("play"));
    });

    m_trackBar = new QSlider(Qt::Horizontal, m_playBar);
    m_trackBar->setObjectName(QStringLiteral("TrackBar"));
    m_trackBar->setFocusPolicy(Qt::NoFocus);
    connect(m_trackBar, &QSlider::sliderPressed, this, [this] { m_trackBarDragging = true; });
    connect(m_trackBar, &QSlider::sliderReleased, this, [this] { m_trackBarDragging = false; });
    connect(m_trackBar, &QSlider::valueChanged, this, [this](int ms) {
        // Only the user's moves seek; the bar following the media does not.
        if (m_syncingTrackBar || m_fileName.isEmpty())
            return;
        m_engine->seekMs(ms);
        postPositionChanged();
    });

    m_menuButton = new QToolButton(m_playBar);
    m_menuButton->setObjectName(QStringLiteral("MenuButton"));
    m_menuButton->setArrowType(Qt::UpArrow);
    m_menuButton->setAutoRaise(true);
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("MediaMenu"));
    connect(m_menu, &QMenu::aboutToShow, this, &MediaWindow::populateMenu);
    m_menuButton->setMenu(m_menu);
    m_menuButton->setPopupMode(QToolButton::InstantPopup);
    populateMenu();
    syncPlayBar();
    layoutPlayBar();
}

void MediaWindow::populateMenu()
{
    m_menu->clear();
    QAction *open = m_menu->addAction(QStringLiteral("Ouvrir..."), this, [this] {
        if (!m_fileChooser)
            return;
        const QString path = m_fileChooser();
        if (!path.isEmpty())
            setFileName(path);
    });
    open->setEnabled(bool(m_fileChooser));
    QAction *close = m_menu->addAction(QStringLiteral("Fermer"), this,
                                       [this] { sendCommand(QStringLiteral("close")); });
    close->setEnabled(!m_fileName.isEmpty());

    auto addPresets = [this](const QString &title, const auto &presets, int current,
                             void (MediaWindow::*setter)(int)) {
        QMenu *sub = m_menu->addMenu(title);
        for (const Preset &preset : presets) {
            QAction *action
                = sub->addAction(QString::fromUtf8(preset.label), this,
                                 [this, setter, value = preset.value] { (this->*setter)(value); });
            action->setCheckable(true);
            action->setChecked(preset.value == current);
        }
    };
    addPresets(QStringLiteral("Vitesse"), SpeedPresets, m_speed, &MediaWindow::setSpeed);
    addPresets(QStringLiteral("Volume"), VolumePresets, m_volume, &MediaWindow::setVolume);
    addPresets(QStringLiteral("Zoom"), ZoomPresets, m_zoom, &MediaWindow::setZoom);
}

void MediaWindow::layoutPlayBar()
{
    if (!m_playBar)
        return;
    const int h = PlayBarHeight;
    m_playBar->setGeometry(0, height() - h, width(), h);
    m_playButton->setGeometry(0, 0, h, h);
    m_menuButton->setGeometry(std::max(h, width() - h), 0, h, h);
    m_trackBar->setGeometry(h, 0, std::max(0, width() - 2 * h), h);
}

void MediaWindow::syncPlayBar()
{
    const bool open = !m_fileName.isEmpty();
    const bool playing = open && m_engine->state() == MediaEngine::State::Playing;
    m_playButton->setEnabled(open);
    m_playButton->setIcon(
        style()->standardIcon(playing ? QStyle::SP_MediaStop : QStyle::SP_MediaPlay));
    m_playButton->setToolTip(playing ? QStringLiteral("Stop") : QStringLiteral("Lecture"));
    m_trackBar->setEnabled(open);
    if (m_trackBarDragging)
        return;
    m_syncingTrackBar = true;
    m_trackBar->setRange(0, open ? saturate(m_engine->lengthMs()) : 0);
    m_trackBar->setValue(open ? saturate(m_engine->positionMs()) : 0);
    m_syncingTrackBar = false;
}
