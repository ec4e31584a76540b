#include "MainWindowLayout.h"

#include "controls/Form.h"
#include "core/Logging.h"
#include "core/Twips.h"
#include "mainlayout/FenPrinState.h"
#include "mainlayout/PaneGeometry.h"
#include "media/MediaWindow.h"

#include <QGuiApplication>
#include <QScreen>

using namespace PaneGeometry;

MainWindowLayout::MainWindowLayout(Form &window, FenPrinState &state, MediaWindow &media)
    : QObject(&window)
    , m_window(window)
    , m_state(state)
    , m_media(media)
    , m_frame(window.require<QWidget>(QStringLiteral("CadreAVI")))
    , m_bar(window.require<QWidget>(QStringLiteral("ButAVI")))
    , m_picture(window.require<QWidget>(QStringLiteral("CPAVI")))
    , m_background(window.require<QWidget>(QStringLiteral("CmdFond")))
    , m_titleBar(window.require<QWidget>(QStringLiteral("CmdDeplaceFen")))
    , m_minimise(window.require<QWidget>(QStringLiteral("CmdReduire")))
    , m_close(window.require<QWidget>(QStringLiteral("CmdFermer")))
    , m_bottomBand(window.require<QWidget>(QStringLiteral("Forme6")))
    , m_lowestBand(window.require<QWidget>(QStringLiteral("Forme7")))
    , m_rightBands{window.require<QWidget>(QStringLiteral("Forme3")),
                   window.require<QWidget>(QStringLiteral("Forme4"))}
{
    auto resolve = [&window](std::initializer_list<const char *> names) {
        QList<QWidget *> controls;
        for (const char *name : names)
            controls << window.require<QWidget>(QString::fromUtf8(name));
        return controls;
    };
    m_growingDown = resolve({"Forme2", "Forme4", "FondRéglages2", "FondSons2"});
    m_fileListPanel = window.require<QWidget>(QStringLiteral("PSeqAVI2"));
    m_fullWidth = resolve({"Forme5", "Forme7", "Forme6"});
}

bool MainWindowLayout::hasMedia() const
{
    return !m_media.fileName().isEmpty();
}

QSizeF MainWindowLayout::screenTwips() const
{
    // The screen the window is on, not the primary one.
    const QScreen *screen
        = m_window.screen() ? m_window.screen() : QGuiApplication::primaryScreen();
    const QSize pixels = screen ? screen->geometry().size() : QSize(1024, 768);
    return {Twips::fromPixels(pixels.width()), Twips::fromPixels(pixels.height())};
}

void MainWindowLayout::setWindowSize(double width, double height)
{
    m_window.setTwipsSize(width, height);
    resizeStep();
}

void MainWindowLayout::centreOnScreen()
{
    const QSizeF screen = screenTwips();
    Twips::move(&m_window, (screen.width() - m_window.twipsWidth()) / 2,
                (screen.height() - m_window.twipsHeight()) / 2);
}

void MainWindowLayout::resizeStep()
{
    if (m_inStep)
        return;
    if (m_window.isMinimized()) {
        emit backgroundNotWanted();
        return;
    }
    m_inStep = true;
    if (m_state.FondAffiche)
        emit backgroundWanted();
    m_background->setEnabled(true);

    double W = m_window.twipsWidth();
    double H = m_window.twipsHeight();
    const QRectF pane = Twips::rect(&m_media);
    if (hasMedia()) {
        const QSizeF grown = grownForPane(W, H, pane.width(), pane.height());
        W = grown.width();
        H = grown.height();
    } else {
        W = DefaultWidth;
        H = DefaultHeight;
    }
    if (W != m_window.twipsWidth() || H != m_window.twipsHeight())
        m_window.setTwipsSize(W, H);

    for (QWidget *w : std::as_const(m_growingDown))
        Twips::setHeight(w, H - 3450);
    Twips::setHeight(m_fileListPanel, H - 3150);
    for (QWidget *w : std::as_const(m_fullWidth))
        Twips::setWidth(w, W);
    Twips::setTop(m_lowestBand, H - 315);
    Twips::setTop(m_bottomBand, H - 630);
    Twips::setWidth(m_titleBar, W - 600);
    Twips::setLeft(m_minimise, W - 600);
    Twips::setLeft(m_close, W - 300);

    if (hasMedia()) {
        m_media.hide();
        const QPointF at = paneTopLeft(W, H, pane.width(), pane.height());
        Twips::move(&m_media, at.x(), at.y());
        Twips::move(m_frame, at.x() - FrameMargin, at.y() - FrameMargin);
        placeBarAndPicture();
        m_media.show();
        m_media.raise();
        placeRightBands();
    } else {
        placeDefaultPane();
        for (QWidget *band : m_rightBands)
            Twips::setLeft(band, RightBandLeft);
    }
    m_inStep = false;
}

void MainWindowLayout::placeBarAndPicture()
{
    const QSizeF size = Twips::rect(m_frame).size();
    const QPointF at = barTopLeft(size, Twips::width(m_bar));
    Twips::move(m_bar, at.x(), at.y());
    const QSizeF area = pictureArea(size);
    Twips::resize(m_picture, area.width(), area.height());
}

void MainWindowLayout::placeDefaultPane()
{
    const QRectF pane = Twips::rect(&m_media);
    Twips::place(&m_media,
                 QRectF(DefaultPane.left(), DefaultPane.top(), DefaultPane.width(), pane.height()));
    Twips::place(m_frame, DefaultFrame);
    placeBarAndPicture();
}

void MainWindowLayout::placeRightBands()
{
    const double W = m_window.twipsWidth();
    for (QWidget *band : m_rightBands)
        Twips::setLeft(band, W - Twips::width(band));
}

void MainWindowLayout::fitFrame()
{
    const QRectF pane = Twips::rect(&m_media);
    const QPointF at
        = paneTopLeft(m_window.twipsWidth(), m_window.twipsHeight(), pane.width(), pane.height());
    Twips::move(&m_media, at.x(), at.y());
    Twips::place(m_frame, frameAround(at, pane.width(), pane.height()));
    placeBarAndPicture();
}

void MainWindowLayout::defaultLayout()
{
    if (m_window.isMaximized())
        m_window.showNormal();
    m_window.setTwipsSize(DefaultWidth, DefaultHeight);
    placeDefaultPane();
}

void MainWindowLayout::restore()
{
    const QRectF pane = Twips::rect(&m_media);
    const QSizeF shrunk = restoredForPane(m_window.twipsWidth(), m_window.twipsHeight(),
                                          pane.width(), pane.height());
    if (m_window.isMaximized() || m_window.isMinimized())
        m_window.showNormal();
    m_window.setTwipsSize(shrunk.width(), shrunk.height());
    resizeStep();
    if (hasMedia()) {
        fitFrame();
        placeRightBands();
    } else {
        placeDefaultPane();
        for (QWidget *band : m_rightBands)
            Twips::setLeft(band, RightBandLeft);
    }
    m_background->setEnabled(true);
    centreOnScreen();
    m_window.raise();
    m_window.activateWindow();
}
