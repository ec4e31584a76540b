#include "Slideshow.h"

#include "controls/Form.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "controls/files/FileList.h"
#include "core/Twips.h"
#include "mainlayout/FenPrinState.h"
#include "media/MediaWindow.h"
#include "player/FileSelection.h"
#include "player/SettingsPanel.h"
#include "player/Transport.h"

#include <QTimer>

Slideshow::Slideshow(Form &window, FenPrinState &state, MediaWindow &media, QTimer &timer,
                     FileSelection &files, Transport &transport, SettingsPanel &settings)
    : QObject(&window)
    , m_state(state)
    , m_media(media)
    , m_timer(timer)
    , m_selection(files)
    , m_transport(transport)
    , m_settings(settings)
    , m_files(files.files())
    , m_stopButton(window.require<ZarnBttn>(QStringLiteral("CmdSeqSTOP")))
    , m_warning(window.require<ZarnPanel>(QStringLiteral("FondAvertissement")))
{
    auto button = [&window](const char *name) {
        return window.require<ZarnBttn>(QString::fromUtf8(name));
    };
    connect(button("CmdOKAvertSeqAVI"), &ZarnBttn::clicked, this, &Slideshow::acceptWarning);
    connect(button("CmdAnnulAvertSeqAVI"), &ZarnBttn::clicked, this, &Slideshow::declineWarning);
    connect(button("CmdOKSeqAVI"), &ZarnBttn::clicked, this, &Slideshow::ok);
    connect(button("CmdAnnulSeqAVI"), &ZarnBttn::clicked, this, &Slideshow::cancel);
    connect(m_stopButton, &ZarnBttn::clicked, this, &Slideshow::stop);
    connect(&m_timer, &QTimer::timeout, this, &Slideshow::tick);
}

void Slideshow::openPanel(bool wholeFolder)
{
    m_state.ModeNormal = false;
    m_transport.showBar(false);
    m_selection.setIdle(false);
    m_stopButton->show();
    m_state.chooseSequence(PanelSequence::SeqAVI, wholeFolder);
    m_selection.openPanel(FileSelection::AnimationPattern);
}

void Slideshow::showWarning()
{
    Twips::move(m_warning, 1800, 660);
    m_warning->raise();
    m_warning->show();
}

void Slideshow::acceptWarning()
{
    m_state.SeqPleinEcran = true;
    m_warning->hide();
}

void Slideshow::declineWarning()
{
    m_state.SeqPleinEcran = false;
    m_warning->hide();
}

void Slideshow::backToIdle()
{
    m_transport.showBar(true);
    m_selection.setIdle(true);
    m_stopButton->hide();
}

void Slideshow::ok()
{
    m_selection.hidePanel();
    if (m_state.SeqAVI()) {
        m_media.setFocus();
        m_settings.resetZoom();
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
    } else if (m_state.SeqFLI()) {
        emit flicSequenceRequested();
    }
    if (m_state.ModeListe) {
        m_settings.resetZoom();
        m_media.setFileName(m_state.FichierCourant);
        m_media.sendCommand(QStringLiteral("stop"));
        m_selection.allowSlideshow(true);
        m_transport.armForFile();
        m_state.ModeNormal = true;
    }
}

void Slideshow::cancel()
{
    m_selection.hidePanel();
    if (m_state.SeqAVI()) {
        m_state.ModeNormal = true;
        backToIdle();
    }
    if (m_state.ModeListe) {
        m_media.sendCommand(QStringLiteral("close"));
        m_selection.allowSlideshow(true);
    }
}

void Slideshow::tick()
{
    if (m_state.scope == PanelScope::None)
        return;
    const int count = m_files.listCount();
    if (count == 0)
        return;
    ++m_state.IndexSeq;
    if (m_state.IndexSeq >= count)
        m_state.IndexSeq = 0;
    if (m_state.scope == PanelScope::ModeSelection && !m_files.selected(m_state.IndexSeq))
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
    m_transport.armForFile();
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
