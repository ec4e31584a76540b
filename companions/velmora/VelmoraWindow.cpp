#include "VelmoraWindow.h"

#include "FlicView.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "core/Colour.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QSlider>
#include <QVBoxLayout>

namespace {

const QString WindowTitle = QStringLiteral("Kinovue ST - Animations FLC et FLI");

} // namespace

VelmoraWindow::VelmoraWindow(const SkinColours &colours, QWidget *parent)
    : QWidget(parent)
    , m_colours(colours)
{
    setWindowTitle(WindowTitle);
    setAcceptDrops(true);
    resize(620, 470);

    m_back = new ZarnPanel(this);
    m_back->setObjectName(QStringLiteral("FondVelmora"));
    m_back->setGradientSens(-1);
    m_back->setBackColor(m_colours.windowBack);
    m_back->setBorderStyle(1);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_back);

    m_view = new FlicView(m_back);
    m_view->setObjectName(QStringLiteral("ImageFLI"));
    m_view->setBackground(Colour::toQColor(m_colours.viewBack));

    const QString textStyle = QStringLiteral("color: %1; font-weight: bold;")
                                  .arg(Colour::toQColor(m_colours.otherText).name());
    m_name = new QLabel(tr("Aucune animation"), m_back);
    m_name->setObjectName(QStringLiteral("LblFichier"));
    m_name->setStyleSheet(textStyle);
    m_counter = new QLabel(m_back);
    m_counter->setObjectName(QStringLiteral("LblImage"));
    m_counter->setStyleSheet(textStyle);
    m_speedText = new QLabel(m_back);
    m_speedText->setObjectName(QStringLiteral("LblVitesse"));
    m_speedText->setStyleSheet(textStyle);

    m_position = new QSlider(Qt::Horizontal, m_back);
    m_position->setObjectName(QStringLiteral("SldPosition"));
    m_position->setToolTip(tr("Position dans l'animation"));
    m_speed = new QSlider(Qt::Horizontal, m_back);
    m_speed->setObjectName(QStringLiteral("SldVitesse"));
    m_speed->setRange(10, 400);
    m_speed->setSingleStep(10);
    m_speed->setPageStep(50);
    m_speed->setValue(100);
    m_speed->setFixedWidth(140);
    m_speed->setToolTip(tr("Vitesse de lecture"));

    m_open = addButton(QStringLiteral("CmdOuvrir"), Pictogram::Open, tr("Ouvrir"),
                       tr("Ouvrir une animation FLC ou FLI"));
    m_play = addButton(QStringLiteral("CmdLecture"), Pictogram::Play, tr("Lecture"), tr("Lecture"));
    m_stop = addButton(QStringLiteral("CmdArret"), Pictogram::Stop, tr("Arrêt"),
                       tr("Arrêt et retour au début"));
    m_previous = addButton(QStringLiteral("CmdImagePrec"), Pictogram::StepBack, tr("Précédente"),
                           tr("Image précédente"));
    m_next = addButton(QStringLiteral("CmdImageSuiv"), Pictogram::StepForward, tr("Suivante"),
                       tr("Image suivante"));
    m_loop = addButton(QStringLiteral("CmdBoucle"), Pictogram::Loop, tr("Une fois"),
                       tr("Lecture en boucle ou une seule fois"));
    m_close = addButton(QStringLiteral("CmdFermer"), Pictogram::Close, tr("Fermer"),
                        tr("Fermer le module"));

    auto *info = new QHBoxLayout;
    info->addWidget(m_name, 1);
    info->addWidget(m_counter);
    auto *buttons = new QHBoxLayout;
    for (ZarnBttn *button : {m_open, m_play, m_stop, m_previous, m_next, m_loop})
        buttons->addWidget(button);
    buttons->addStretch(1);
    auto *speed = new QVBoxLayout;
    speed->addWidget(m_speedText, 0, Qt::AlignHCenter);
    speed->addWidget(m_speed);
    buttons->addLayout(speed);
    buttons->addWidget(m_close);
    auto *column = new QVBoxLayout(m_back);
    column->setContentsMargins(10, 10, 10, 10);
    column->addWidget(m_view, 1);
    column->addLayout(info);
    column->addWidget(m_position);
    column->addLayout(buttons);

    connect(m_open, &ZarnBttn::clicked, this, &VelmoraWindow::chooseFile);
    connect(m_play, &ZarnBttn::clicked, this, &VelmoraWindow::playOrPause);
    connect(m_stop, &ZarnBttn::clicked, this, &VelmoraWindow::stopPlay);
    connect(m_previous, &ZarnBttn::clicked, this, [this] { step(-1); });
    connect(m_next, &ZarnBttn::clicked, this, [this] { step(1); });
    connect(m_loop, &ZarnBttn::clicked, this, &VelmoraWindow::toggleLoop);
    connect(m_close, &ZarnBttn::clicked, this, &QWidget::close);
    connect(m_speed, &QSlider::valueChanged, this, &VelmoraWindow::setSpeedPercent);
    connect(m_position, &QSlider::valueChanged, this, [this](int frame) {
        if (frame != m_engine.positionFrame())
            m_engine.seekFrame(frame);
    });
    connect(&m_engine, &MediaEngine::frameChanged, this, &VelmoraWindow::showFrame);
    connect(&m_engine, &MediaEngine::stateChanged, this, &VelmoraWindow::showState);

    setSpeedPercent(100);
    showFrame();
    showState();
}

ZarnBttn *VelmoraWindow::addButton(const QString &name, Pictogram picture, const QString &caption,
                                   const QString &hint)
{
    auto *button = new ZarnBttn(m_back);
    button->setObjectName(name);
    button->setPicture(picture);
    button->setCaption(caption);
    button->setToolTip(hint);
    button->setGradientColorStart(m_colours.gradientStart);
    button->setGradientColorEnd(m_colours.gradientEnd);
    button->setForeColor(m_colours.buttonText);
    button->setHighlightColor(m_colours.buttonLight);
    button->setFixedSize(74, 58);
    return button;
}

bool VelmoraWindow::openFile(const QString &path)
{
    if (!m_engine.open(path)) {
        m_name->setText(tr("Aucune animation"));
        showFrame();
        showState();
        QMessageBox::warning(
            this, WindowTitle,
            tr("Impossible de lire l'animation «\u00A0%1\u00A0».").arg(QFileInfo(path).fileName()));
        return false;
    }
    m_folder = QFileInfo(path).absolutePath();
    const QSize size = m_engine.naturalSize();
    m_name->setText(
        tr("%1 (%2 × %3)").arg(QFileInfo(path).fileName()).arg(size.width()).arg(size.height()));
    m_position->setRange(0, int(m_engine.frameCount() - 1));
    m_engine.setSpeed(m_speed->value() / 100.0);
    showFrame();
    m_engine.play(-1, m_looping);
    return true;
}

void VelmoraWindow::chooseFile()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Ouvrir une animation FLC/FLI"), m_folder, tr("Animations FLC/FLI (*.flc *.fli)"));
    if (!path.isEmpty())
        openFile(path);
}

void VelmoraWindow::playOrPause()
{
    if (m_engine.state() == MediaEngine::State::Playing) {
        m_engine.pause();
        return;
    }
    if (m_engine.positionMs() >= m_engine.lengthMs())
        m_engine.seekFrame(0);
    m_engine.play(-1, m_looping);
}

void VelmoraWindow::stopPlay()
{
    m_engine.stop();
    m_engine.seekFrame(0);
}

void VelmoraWindow::step(int frames)
{
    if (m_engine.state() == MediaEngine::State::Playing)
        m_engine.pause();
    m_engine.seekFrame(m_engine.positionFrame() + frames);
}

void VelmoraWindow::toggleLoop()
{
    m_looping = !m_looping;
    m_loop->setCaption(m_looping ? tr("En boucle") : tr("Une fois"));
    // A play under way takes the new choice from where it is.
    if (m_engine.state() == MediaEngine::State::Playing)
        m_engine.play(-1, m_looping);
}

void VelmoraWindow::setSpeedPercent(int percent)
{
    m_speedText->setText(tr("Vitesse\u00A0: %1\u00A0%").arg(percent));
    m_engine.setSpeed(percent / 100.0);
}

void VelmoraWindow::showFrame()
{
    m_view->setPicture(m_engine.frame());
    const qint64 count = m_engine.frameCount();
    m_counter->setText(count > 0 ? tr("Image %1 / %2").arg(m_engine.positionFrame() + 1).arg(count)
                                 : tr("Image 0 / 0"));
    const QSignalBlocker blocker(m_position);
    m_position->setValue(int(m_engine.positionFrame()));
}

void VelmoraWindow::showState()
{
    const bool open = m_engine.state() != MediaEngine::State::Closed;
    const bool playing = m_engine.state() == MediaEngine::State::Playing;
    m_play->setPicture(playing ? Pictogram::Pause : Pictogram::Play);
    m_play->setCaption(playing ? tr("Pause") : tr("Lecture"));
    m_play->setToolTip(playing ? tr("Pause") : tr("Lecture"));
    for (QWidget *control : {static_cast<QWidget *>(m_play), static_cast<QWidget *>(m_stop),
                             static_cast<QWidget *>(m_previous), static_cast<QWidget *>(m_next),
                             static_cast<QWidget *>(m_position)})
        control->setEnabled(open);
}

void VelmoraWindow::dragEnterEvent(QDragEnterEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile())
        event->acceptProposedAction();
}

void VelmoraWindow::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    openFile(urls.first().toLocalFile());
}

void VelmoraWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        playOrPause();
        break;
    case Qt::Key_Left:
        step(-1);
        break;
    case Qt::Key_Right:
        step(1);
        break;
    default:
        QWidget::keyPressEvent(event);
        break;
    }
}
