#include "FilePreview.h"

#include "app/AppContext.h"
#include "controls/Form.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "controls/files/FileList.h"
#include "core/Duration.h"
#include "core/Logging.h"
#include "core/Twips.h"
#include "media/MediaWindow.h"
#include "sounds/FenMCIState.h"
#include "sounds/FileManagerMode.h"

#include <QDir>

namespace {

// Where the preview rests with no file, and its limits inside the frame FondAnim.
constexpr double RestLeft = 5250;
constexpr double RestTop = 2460;
constexpr double RestWidth = 2295;
constexpr double MaxHeight = 2250;
constexpr double MaxWidth = 2295;
constexpr double Inset = 30;

} // namespace

FilePreview::FilePreview(Form &window, FenMCIState &state, const FileManagerMode &mode,
                         MediaWindow &media, AppContext &context)
    : QObject(&window)
    , m_window(window)
    , m_state(state)
    , m_mode(mode)
    , m_media(media)
    , m_context(context)
    , m_files(window.require<FileList>(QStringLiteral("Fichier1")))
    , m_title(window.require<ZarnBttn>(QStringLiteral("CmdDeplaceFen")))
    , m_status(window.require<ZarnBttn>(QStringLiteral("Forme7")))
    , m_copy(window.require<ZarnBttn>(QStringLiteral("CmdCopier")))
    , m_delete(window.require<ZarnBttn>(QStringLiteral("CmdSupprim")))
    , m_frame(window.require<ZarnPanel>(QStringLiteral("FondAnim")))
{
    connect(m_files, &FileList::click, this, &FilePreview::fileClicked);
    connect(m_files, &FileList::doubleClick, this, &FilePreview::fileDoubleClicked);
    connect(&m_media, &MediaWindow::mediaChanged, this, &FilePreview::mediaChanged);
    connect(&m_media, &MediaWindow::sizeChanged, this, &FilePreview::sizeChanged);
}

void FilePreview::choose()
{
    m_context.general.FichierChoisi
        = Platform::joinPath(m_files->path(), m_files->fileName(), QDir::separator());
}

void FilePreview::fileClicked()
{
    if (m_files->fileName().isEmpty())
        return;
    choose();
    m_media.sendCommand(QStringLiteral("close"));
    m_media.setFileName(m_context.general.FichierChoisi);
    // Renamed or deleted since the listing, or unreadable: the steps after end here.
    if (m_media.fileName().isEmpty()) {
        qCDebug(lcApp) << "file manager cannot open" << m_context.general.FichierChoisi;
        return;
    }
    m_media.show();
    m_copy->setEnabled(true);
    m_delete->setEnabled(true);
    if (m_state.JouerOuverture)
        m_media.sendCommand(QStringLiteral("play"));

    m_media.setTimeFormat(QStringLiteral("ms"));
    const Duration length = Duration::split(m_media.length());
    if (m_mode.animations) {
        m_media.setTimeFormat(QStringLiteral("frames"));
        m_state.ImagesFichier = m_media.length();
    }
    m_state.DureeMn = length.minutes;
    m_state.DureeSec = length.seconds;
    m_state.DureeMs = length.milliseconds;
    m_status->setCaption(m_mode.statusText(m_state));
}

void FilePreview::fileDoubleClicked()
{
    if (m_files->fileName().isEmpty())
        return;
    choose();
    m_media.setFileName(m_context.general.FichierChoisi);
    // A file gone or unreadable since the listing keeps the window open, as a click does.
    if (m_media.fileName().isEmpty())
        return;
    emit closeRequested();
}

void FilePreview::setPlayOnOpen(bool play)
{
    m_state.JouerOuverture = play;
    m_frame->setBorderStyle(play ? 2 : 1);
    m_media.show();
}

void FilePreview::mediaChanged()
{
    if (m_media.fileName().isEmpty()) {
        m_title->setCaption(QStringLiteral("Ouverture"));
        m_status->setCaption(QString());
        Twips::move(&m_media, RestLeft, RestTop);
        Twips::setWidth(&m_media, RestWidth);
        return;
    }
    m_title->setCaption(QStringLiteral("Ouverture - ") + m_media.fileName().toLower());
    m_status->setCaption(m_mode.statusText(m_state));
    fitPreview(Twips::height(&m_media));
}

void FilePreview::sizeChanged()
{
    if (m_media.fileName().isEmpty()) {
        Twips::move(&m_media, RestLeft, RestTop);
        Twips::setWidth(&m_media, RestWidth);
        return;
    }
    const double height = std::min(Twips::height(&m_media), MaxHeight);
    fitPreview(height);
}

void FilePreview::fitPreview(double heightForTop)
{
    // An animation is centred in the frame by the height it had before the limits.
    const double top = m_mode.animations
                           ? Twips::top(m_frame) + (Twips::height(m_frame) - heightForTop) / 2
                           : RestTop;
    if (Twips::height(&m_media) > MaxHeight)
        Twips::setHeight(&m_media, MaxHeight);
    if (Twips::width(&m_media) > MaxWidth)
        Twips::setWidth(&m_media, MaxWidth);
    Twips::setLeft(&m_media, Twips::left(m_frame) + Inset);
    Twips::setTop(&m_media, top);
}
