#include "SettingsPanel.h"

#include "controls/Form.h"
#include "controls/ScrollBar.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "mainlayout/FenPrinLayout.h"
#include "mainlayout/FenPrinState.h"
#include "media/MediaWindow.h"

namespace {

void configure(ScrollBar *bar, int topEnd, int bottomEnd, int small, int large, int start)
{
    bar->setMin(topEnd);
    bar->setMax(bottomEnd);
    bar->setSmallChange(small);
    bar->setLargeChange(large);
    bar->setValue(start);
}

} // namespace

SettingsPanel::SettingsPanel(Form &window, FenPrinState &state, MediaWindow &media)
    : QObject(&window)
    , m_state(state)
    , m_media(media)
    , m_speed(window.require<ScrollBar>(QStringLiteral("VSVit")))
    , m_volume(window.require<ScrollBar>(QStringLiteral("VSVol")))
    , m_zoom(window.require<ScrollBar>(QStringLiteral("VSZoom")))
    , m_speedText(window.require<ZarnPanel>(QStringLiteral("VitText")))
    , m_volumeText(window.require<ZarnPanel>(QStringLiteral("VolText")))
    , m_zoomText(window.require<ZarnPanel>(QStringLiteral("ZoomText")))
    , m_panel(window.require<ZarnPanel>(QStringLiteral("FondRéglages")))
    , m_lowerPanel(window.require<ZarnPanel>(QStringLiteral("FondRéglages2")))
    , m_open(window.require<ZarnBttn>(QStringLiteral("CmdReglMCI")))
{
    configure(m_speed, 4000, 100, 10, 100, 1000);
    configure(m_volume, 1000, 0, 10, 100, 1000);
    configure(m_zoom, 10, 400, 1, 10, 100);
    // The design's tool tips of the two bars are fixed texts, not hover hints.
    m_speed->setToolTip(Form::hint(m_speed));
    m_volume->setToolTip(Form::hint(m_volume));

    for (ScrollBar *bar : {m_speed, m_volume, m_zoom}) {
        auto handler = bar == m_speed    ? &SettingsPanel::speedMoved
                       : bar == m_volume ? &SettingsPanel::volumeMoved
                                         : &SettingsPanel::zoomMoved;
        connect(bar, &ScrollBar::change, this, handler);
        connect(bar, &ScrollBar::scroll, this, handler);
    }
    for (int i = 0; i < 9; ++i) {
        connect(window.require<ZarnBttn>(zoomButtonName(i)), &ZarnBttn::clicked, this,
                [this, i] { preset(i); });
    }
    connect(m_open, &ZarnBttn::clicked, this, &SettingsPanel::open);
    connect(window.require<ZarnBttn>(QStringLiteral("CmdOKZoom")), &ZarnBttn::clicked, this,
            &SettingsPanel::ok);
    connect(window.require<ZarnBttn>(QStringLiteral("CmdAnnulZoom")), &ZarnBttn::clicked, this,
            &SettingsPanel::cancel);
}

void SettingsPanel::open()
{
    for (ZarnPanel *panel : {m_panel, m_lowerPanel}) {
        panel->raise();
        panel->show();
    }
    m_zoom->setValue(m_media.zoom());
    m_state.ZoomAvant = m_media.zoom();
    m_state.VitesseAvant = m_media.speed();
    m_state.VolumeAvant = m_media.volume();
}

void SettingsPanel::speedMoved()
{
    m_speedText->setCaption(QString::number(m_speed->value() / 10));
    m_media.setSpeed(m_speed->value());
}

void SettingsPanel::volumeMoved()
{
    m_volumeText->setCaption(QString::number(m_volume->value() / 10));
    m_media.setVolume(m_volume->value());
}

void SettingsPanel::zoomMoved()
{
    m_zoomText->setCaption(QString::number(m_zoom->value()));
    m_media.setZoom(m_zoom->value());
}

void SettingsPanel::preset(int index)
{
    m_media.setZoom(ZoomPresets[index]);
    m_zoom->setValue(m_media.zoom());
}

void SettingsPanel::hidePanels()
{
    m_panel->hide();
    m_lowerPanel->hide();
}

void SettingsPanel::ok()
{
    hidePanels();
    m_media.setZoom(m_zoom->value());
    m_media.setSpeed(m_speed->value());
    m_media.setVolume(m_volume->value());
}

void SettingsPanel::cancel()
{
    hidePanels();
    m_media.setZoom(m_state.ZoomAvant);
    m_media.setSpeed(m_state.VitesseAvant);
    m_media.setVolume(m_state.VolumeAvant);
    m_zoom->setValue(m_state.ZoomAvant);
    m_speed->setValue(m_state.VitesseAvant);
    m_volume->setValue(m_state.VolumeAvant);
    emit restoreRequested();
}

QString SettingsPanel::zoomCaption() const
{
    return m_zoomText->caption();
}

void SettingsPanel::resetZoom()
{
    m_media.setZoom(100);
    m_zoomText->setCaption(QStringLiteral("100"));
}

void SettingsPanel::showZoom(int zoom)
{
    m_zoom->setValue(zoom);
    m_zoomText->setCaption(QString::number(zoom));
}

void SettingsPanel::allowOpening(bool allowed)
{
    m_open->setEnabled(allowed);
}
