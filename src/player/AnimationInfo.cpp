#include "AnimationInfo.h"

#include "app/AppContext.h"
#include "app/SharedProcedures.h"
#include "controls/Form.h"
#include "controls/ScrollBar.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "core/Duration.h"
#include "core/Twips.h"
#include "mainlayout/FenPrinState.h"
#include "mainlayout/MainWindowLayout.h"
#include "mainlayout/PaneGeometry.h"
#include "media/MediaWindow.h"
#include "player/SettingsPanel.h"
#include "player/Transport.h"

AnimationInfo::AnimationInfo(Form &window, FenPrinState &state, MediaWindow &media,
                             MainWindowLayout &layout, Transport &transport,
                             SettingsPanel &settings, AppContext &context)
    : QObject(&window)
    , m_window(window)
    , m_state(state)
    , m_media(media)
    , m_layout(layout)
    , m_transport(transport)
    , m_settings(settings)
    , m_context(context)
{
    connect(&media, &MediaWindow::mediaChanged, this, &AnimationInfo::onMediaChanged);
    connect(&media, &MediaWindow::sizeChanged, this, &AnimationInfo::onSizeChanged);
    connect(window.require<ZarnPanel>(QStringLiteral("CadreAVI")), &ZarnPanel::mouseDown, this,
            [this](const ControlMouse &mouse) {
                if (mouse.button == 2)
                    SharedProcedures::showHelpTopic(m_context, 1);
                else
                    showInformation();
            });
}

void AnimationInfo::onMediaChanged()
{
    const QString name = m_media.fileName();
    if (!name.isEmpty()) {
        m_layout.fitFrame();
        m_settings.allowOpening(true);
        m_layout.placeRightBands();
        m_state.NomAnimation = name;
    } else {
        m_layout.defaultLayout();
        m_settings.allowOpening(false);
        m_layout.resizeStep();
    }
}

void AnimationInfo::onSizeChanged()
{
    if (m_state.PleinEcran)
        return;
    const QSizeF screen = m_layout.screenTwips();
    QRectF pane = Twips::rect(&m_media);
    if (pane.width() > screen.width() - PaneGeometry::WindowMarginWidth
        || pane.height() > screen.height() - PaneGeometry::WindowMarginHeight) {
        m_media.setZoom(100);
        m_settings.showZoom(m_media.zoom());
        pane = Twips::rect(&m_media);
    }
    if (!m_window.isMinimized() && !m_window.isMaximized()) {
        const QSizeF grown = PaneGeometry::grownForNotification(
            m_window.twipsWidth(), m_window.twipsHeight(), pane.width(), pane.height());
        if (grown != QSizeF(m_window.twipsWidth(), m_window.twipsHeight()))
            m_layout.setWindowSize(grown.width(), grown.height());
        m_layout.centreOnScreen();
    }
    if (!m_media.fileName().isEmpty()) {
        m_layout.fitFrame();
        m_layout.placeRightBands();
    } else {
        m_transport.showBar(false);
        m_media.hide();
        m_layout.defaultLayout();
        m_layout.resizeStep();
    }
}

QString AnimationInfo::informationText(const QString &name, qint32 lengthMs, const QString &frames)
{
    return name + QStringLiteral("\n\nL'animation dure ") + Duration::split(lengthMs).text(u'.')
           + QStringLiteral("\n") + Duration::framesText(frames);
}

void AnimationInfo::showInformation()
{
    if (m_media.fileName().isEmpty())
        return;
    m_media.setTimeFormat(QStringLiteral("ms"));
    const qint32 length = m_media.length();
    if (length == 0)
        return;
    m_media.setTimeFormat(QStringLiteral("frames"));
    m_state.NbImages = QString::number(m_media.length());
    MessageRequest request;
    request.icon = MessageIcon::Information;
    request.buttons = MessageButtons::Ok;
    request.title = QStringLiteral("Informations sur l'animation");
    request.text = informationText(m_state.NomAnimation, length, m_state.NbImages);
    m_context.platform.messages->ask(request);
}
