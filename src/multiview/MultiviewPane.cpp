#include "MultiviewPane.h"

#include "controls/Form.h"
#include "controls/ZarnPanel.h"
#include "core/Duration.h"
#include "core/Twips.h"

#include <algorithm>

namespace {

constexpr double PaneWidth = 2355;
constexpr double PaneHeight = 2295;
constexpr double ColumnPitch = 2520;
constexpr double RowPitch = 2460;
constexpr double FirstLeft = 120;
constexpr double FirstTop = 120;
// Where an empty media window waits, below its panel's middle, and its first height: the
// play bar alone.
constexpr double RestingLeft = 150;
constexpr double RestingTop = 2130;
constexpr double FirstHeight = 270;

const QString Ms = QStringLiteral("ms");
const QString Frames = QStringLiteral("frames");

int column(int index)
{
    return (index - 1) % 3;
}
int row(int index)
{
    return (index - 1) / 3;
}

} // namespace

MultiviewPane::MultiviewPane(Form &window, int index, const QString &container,
                             const MediaWindow::EngineFactory &engines)
    : QObject(&window)
    , m_index(index)
{
    using enum ColourRole::Role;
    const QString panelName = QStringLiteral("FondAnim%1").arg(index);
    m_panel = new ZarnPanel;
    window.add(m_panel, panelName, container, panelRect(index));
    window.setRoles(panelName, RoleColours{DebDegrade, FinDegrade});
    m_panel->setBorderStyle(1);

    m_media = new MediaWindow(engines);
    const QPointF rest = restingPlace(index);
    window.add(m_media, QStringLiteral("MCIWnd%1").arg(index), container,
               QRectF(rest.x(), rest.y(), MaxWidth, FirstHeight));
    m_media->raise();

    connect(m_panel, &ZarnPanel::clicked, this, &MultiviewPane::clicked);
    connect(m_media, &MediaWindow::mouseClicked, this,
            [this] { emit mediaClicked(title(QStringLiteral(" - "))); });
    connect(m_media, &MediaWindow::mediaChanged, this, &MultiviewPane::onMediaChanged);
    connect(m_media, &MediaWindow::modeChanged, this, &MultiviewPane::onModeChanged);
    connect(m_media, &MediaWindow::positionChanged, this, &MultiviewPane::onPositionChanged);
    connect(m_media, &MediaWindow::sizeChanged, this, &MultiviewPane::onSizeChanged);
}

QRectF MultiviewPane::panelRect(int index)
{
    return QRectF(FirstLeft + column(index) * ColumnPitch, FirstTop + row(index) * RowPitch,
                  PaneWidth, PaneHeight);
}

QPointF MultiviewPane::restingPlace(int index)
{
    return QPointF(RestingLeft + column(index) * ColumnPitch, RestingTop + row(index) * RowPitch);
}

QString MultiviewPane::mediaChangeSeparator(int index)
{
    return index <= 2 ? QStringLiteral(" - ") : QStringLiteral(" - Position : ");
}

QRectF MultiviewPane::fitted(const QRectF &media, const QRectF &panel)
{
    const double height = std::min(media.height(), MaxHeight);
    const double width = std::min(media.width(), MaxWidth);
    return QRectF(panel.left() + Inset, panel.top() + (panel.height() - height) / 2, width, height);
}

QString MultiviewPane::informationText(qint32 lengthMs, qint32 frames)
{
    return QStringLiteral("L'animation dure ") + Duration::split(lengthMs).text(u' ')
           + Duration::framesText(QString::number(frames));
}

bool MultiviewPane::holdsFile() const
{
    return !m_media->fileName().isEmpty();
}

void MultiviewPane::setSelected(bool selected)
{
    m_panel->setBorderStyle(selected ? 2 : 1);
}

QString MultiviewPane::title(const QString &separator) const
{
    return (m_media->fileName() + separator + QString::number(m_media->position())).toLower();
}

QString MultiviewPane::information()
{
    if (!holdsFile())
        return {};
    m_media->setTimeFormat(Ms);
    const qint32 lengthMs = m_media->length();
    m_media->setTimeFormat(Frames);
    const qint32 frames = m_media->length();
    if (lengthMs == 0 || frames == 0)
        return {};
    return informationText(lengthMs, frames);
}

void MultiviewPane::fit()
{
    Twips::place(m_media, fitted(Twips::rect(m_media), Twips::rect(m_panel)));
}

void MultiviewPane::rest()
{
    const QPointF place = restingPlace(m_index);
    Twips::move(m_media, place.x(), place.y());
}

void MultiviewPane::onMediaChanged()
{
    if (!holdsFile()) {
        emit titleChanged(plainTitle());
        rest();
        return;
    }
    m_media->setTimeFormat(Frames);
    emit titleChanged(title(mediaChangeSeparator(m_index)));
    fit();
    emit fileOpened();
}

void MultiviewPane::onModeChanged()
{
    if (holdsFile())
        return;
    m_media->hide();
    emit emptied();
}

void MultiviewPane::onPositionChanged()
{
    if (!holdsFile()) {
        emit titleChanged(plainTitle());
        return;
    }
    m_media->setTimeFormat(Frames);
    emit titleChanged(title(QStringLiteral(" - Position : ")));
}

void MultiviewPane::onSizeChanged()
{
    if (holdsFile())
        fit();
    else
        rest();
}
