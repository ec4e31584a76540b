#include "Slideshow.h"

#include "controls/Form.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "controls/files/FileList.h"
#include "core/Twips.h"
#include "mainlayout/FenPrinState.h"
#include "media/MediaWindow.h"
#include "player/FileSelection.h"

#include <QTimer>

Slideshow::Slideshow(Form &window, FenPrinState &state, MediaWindow &media, QTimer &timer,
                     FileSelection &files)
    : QObject(&window)
    , m_window(window)
    , m_state(state)
    , m_media(media)
    , m_timer(timer)
    , m_selection(files)
    , m_files(window.get<FileList>(QStringLiteral("Fichier1")))
{
    connect(window.button(QStringLiteral("CmdSeqAVI")), &ZarnBttn::mouseDown, this,
            [this](const ControlMouse &mouse) {
                if (mouse.button == 2)
                    showWarning();
            });
    connect(window.button(QStringLiteral("CmdOKAvertSeqAVI")), &ZarnBttn::clicked, this,
            &Slideshow::acceptWarning);
    connect(window.button(QStringLiteral("CmdAnnulAvertSeqAVI")), &ZarnBttn::clicked, this,
            &Slideshow::declineWarning);
    connect(window.button(QStringLiteral("CmdOKSeqAVI")), &ZarnBttn::clicked, this, &Slideshow::ok);
    connect(window.button(QStringLiteral("CmdAnnulSeqAVI")), &ZarnBttn::clicked, this,
            &Slideshow::cancel);
    connect(window.button(QStringLiteral("CmdSeqSTOP")), &ZarnBttn::clicked, this,
            &Slideshow::stop);
    connect(&m_timer, &QTimer::timeout, this, &Slideshow::tick);
}

void Slideshow::showWarning()
{
    QWidget *warning = m_window.control(QStringLiteral("FondAvertissement"));
    Twips::move(warning, 1800, 660);
    warning->raise();
    warning->show();
}

void Slideshow::acceptWarning()
{
    m_state.SeqPleinEcran = true;
    m_window.control(QStringLiteral("FondAvertissement"))->hide();
}

void Slideshow::declineWarning()
{
    m_state.SeqPleinEcran = false;
    m_window.control(QStringLiteral("FondAvertissement"))->hide();
}

void Slideshow::setZoom100()
{
    m_media.setZoom(100);
    m_window.panel(QStringLiteral("ZoomText"))->setCaption(QStringLiteral("100"));
}

void Slideshow::backToIdle()
{
    m_window.control(QStringLiteral("ButAVI"))->show();
    m_window.button(QStringLiteral("CmdFiMCI"))->setEnabled(true);
    m_window.button(QStringLiteral("CmdSeqAVI"))->show();
    m_window.button(QStringLiteral("CmdSeqSTOP"))->hide();
}

void Slideshow::ok()
{
    m_window.control(QStringLiteral("PSeqAVI"))->hide();
    m_window.control(QStringLiteral("PSeqAVI2"))->hide();
    if (m_state.SeqAVI) {
        m_media.setFocus();
        setZoom100();
        m_media.setFileName(m_state.FichierCourant);
        if (m_state.FichierClique) {
            m_state.FichierClique = false;
            m_media.sendCommand(m_state.SeqPleinEcran ? QStringLiteral("play fullscreen")
                                                      : QStringLiteral("play"));
            m_media.show();
        } else {
            m_state.ModeNormal = true;
            backToIdle();
        }
    } else if (m_state.SeqFLI) {
        emit flicSequenceRequested();
    }
    if (m_state.ModeListe) {
        setZoom100();
        m_media.setFileName(m_state.FichierCourant);
        m_media.sendCommand(QStringLiteral("stop"));
        for (const char *name : {"CmdSeqAVI", "CmdPlayAVI", "CmdRepetAVI", "CmdPlEcrAVI"})
            m_window.button(QString::fromUtf8(name))->setEnabled(true);
        m_window.control(QStringLiteral("ButAVI"))->show();
        m_state.ModeNormal = true;
    }
}

void Slideshow::cancel()
{
    m_window.control(QStringLiteral("PSeqAVI"))->hide();
    m_window.control(QStringLiteral("PSeqAVI2"))->hide();
    if (m_state.SeqAVI) {
        m_state.ModeNormal = true;
        backToIdle();
    }
    if (m_state.ModeListe) {
        m_media.sendCommand(QStringLiteral("close"));
        m_window.button(QStringLiteral("CmdSeqAVI"))->setEnabled(true);
    }
}

void Slideshow::tick()
{
    if (!m_state.ModeDossier && !m_state.ModeSelection)
        return;
    const int count = m_files->listCount();
    if (count == 0)
        return;
    ++m_state.IndexSeq;
    if (m_state.IndexSeq >= count)
        m_state.IndexSeq = 0;
    if (!m_state.ModeDossier && !m_files->selected(m_state.IndexSeq))
        return; // the next tick tries the next entry
    playEntry();
}

void Slideshow::playEntry()
{
    m_state.FichierCourant = m_selection.fullName(m_state.IndexSeq);
    m_media.setFileName(m_state.FichierCourant);
    m_media.sendCommand(m_state.SeqPleinEcran ? QStringLiteral("play fullscreen")
                                              : QStringLiteral("play"));
}

void Slideshow::stop()
{
    m_state.ModeNormal = true;
    m_media.sendCommand(QStringLiteral("stop"));
    for (const char *name : {"CmdPlayAVI", "CmdRepetAVI", "CmdPlEcrAVI"})
        m_window.button(QString::fromUtf8(name))->setEnabled(true);
    backToIdle();
    m_state.SeqPleinEcran = false;
}

void Slideshow::backgroundClicked()
{
    if (!m_state.SeqPleinEcran)
        return;
    m_state.SeqPleinEcran = false;
    m_state.ModeNormal = true;
    m_media.sendCommand(QStringLiteral("stop"));
    backToIdle();
}
