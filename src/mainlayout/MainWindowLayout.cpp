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

namespace {

void withControl(const Form &window, const char *name, const std::function<void(QWidget *)> &f)
{
    if (QWidget *control = window.control(QString::fromUtf8(name)))
        f(control);
}

} // namespace

MainWindowLayout::MainWindowLayout(Form &window, FenPrinState &state, MediaWindow &media)
    : QObject(&window)
    , m_window(window)
    , m_state(state)
    , m_media(media)
{}

bool MainWindowLayout::hasMedia() const
{
    return !m_media.fileName().isEmpty();
}

QSizeF MainWindowLayout::screenTwips()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
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
    withControl(m_window, "CmdFond", [](QWidget *w) { w->setEnabled(true); });

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

    for (const char *name : {"Forme2", "Forme4", "FondRéglages2", "FondSons2"})
        withControl(m_window, name, [H](QWidget *w) { Twips::setHeight(w, H - 3450); });
    withControl(m_window, "PSeqAVI2", [H](QWidget *w) { Twips::setHeight(w, H - 3150); });
    for (const char *name : {"Forme5", "Forme7", "Forme6"})
        withControl(m_window, name, [W](QWidget *w) { Twips::setWidth(w, W); });
    withControl(m_window, "Forme7", [H](QWidget *w) { Twips::setTop(w, H - 315); });
    withControl(m_window, "Forme6", [H](QWidget *w) { Twips::setTop(w, H - 630); });
    withControl(m_window, "CmdDeplaceFen", [W](QWidget *w) { Twips::setWidth(w, W - 600); });
    withControl(m_window, "CmdReduire", [W](QWidget *w) { Twips::setLeft(w, W - 600); });
    withControl(m_window, "CmdFermer", [W](QWidget *w) { Twips::setLeft(w, W - 300); });

    if (hasMedia()) {
        m_media.hide();
        const QPointF at = paneTopLeft(W, H, pane.width(), pane.height());
        Twips::move(&m_media, at.x(), at.y());
        withControl(m_window, "CadreAVI", [at](QWidget *w) {
            Twips::move(w, at.x() - FrameMargin, at.y() - FrameMargin);
        });
        placeBarAndPicture();
        m_media.show();
        m_media.raise();
        placeRightBands();
    } else {
        placeDefaultPane();
        withControl(m_window, "Forme3", [](QWidget *w) { Twips::setLeft(w, RightBandLeft); });
        withControl(m_window, "Forme4", [](QWidget *w) { Twips::setLeft(w, RightBandLeft); });
    }
    m_inStep = false;
}

void MainWindowLayout::placeBarAndPicture()
{
    QWidget *frame = m_window.control(QStringLiteral("CadreAVI"));
    if (!frame)
        return;
    const QSizeF size = Twips::rect(frame).size();
    withControl(m_window, "ButAVI", [size](QWidget *w) {
        const QPointF at = barTopLeft(size, Twips::width(w));
        Twips::move(w, at.x(), at.y());
    });
    withControl(m_window, "CPAVI", [size](QWidget *w) {
        const QSizeF area = pictureArea(size);
        Twips::resize(w, area.width(), area.height());
    });
}

void MainWindowLayout::placeDefaultPane()
{
    const QRectF pane = Twips::rect(&m_media);
    Twips::place(&m_media,
                 QRectF(DefaultPane.left(), DefaultPane.top(), DefaultPane.width(), pane.height()));
    withControl(m_window, "CadreAVI", [](QWidget *w) { Twips::place(w, DefaultFrame); });
    placeBarAndPicture();
}

void MainWindowLayout::placeRightBands()
{
    const double W = m_window.twipsWidth();
    withControl(m_window, "Forme3", [W](QWidget *w) { Twips::setLeft(w, W - Twips::width(w)); });
    withControl(m_window, "Forme4", [W](QWidget *w) { Twips::setLeft(w, W - Twips::width(w)); });
}

void MainWindowLayout::fitFrame()
{
    const QRectF pane = Twips::rect(&m_media);
    const QPointF at
        = paneTopLeft(m_window.twipsWidth(), m_window.twipsHeight(), pane.width(), pane.height());
    Twips::move(&m_media, at.x(), at.y());
    withControl(m_window, "CadreAVI",
                [&](QWidget *w) { Twips::place(w, frameAround(at, pane.width(), pane.height())); });
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
        withControl(m_window, "Forme3", [](QWidget *w) { Twips::setLeft(w, RightBandLeft); });
        withControl(m_window, "Forme4", [](QWidget *w) { Twips::setLeft(w, RightBandLeft); });
    }
    withControl(m_window, "CmdFond", [](QWidget *w) { w->setEnabled(true); });
    centreOnScreen();
    m_window.raise();
    m_window.activateWindow();
}
