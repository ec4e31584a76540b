#include "PlayWindow.h"

#include "core/ScaleToFit.h"

#include <QFileInfo>
#include <QPainter>

PlayWindow::PlayWindow(QWidget *parent)
    : QWidget(parent)
{
    setWindowFlag(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::BlankCursor);
    connect(&m_engine, &MediaEngine::frameChanged, this, [this] { update(); });
    connect(&m_engine, &MediaEngine::ended, this, &PlayWindow::playedOnce);
}

bool PlayWindow::open(const QString &path)
{
    if (!m_engine.open(path))
        return false;
    setWindowTitle(QStringLiteral("Play - %1").arg(QFileInfo(path).fileName()));
    return true;
}

void PlayWindow::start(int loops)
{
    // 65535, the largest count the program passes, stands for no end.
    m_endless = loops <= 0 || loops >= 65535;
    m_loopsLeft = std::max(loops, 1);
    // An endless play loops inside the engine, with no seam at the ring frame.
    m_engine.play(-1, m_endless);
}

void PlayWindow::playedOnce()
{
    if (--m_loopsLeft > 0) {
        m_engine.seekFrame(0);
        m_engine.play(-1, false);
        return;
    }
    emit finished();
}

void PlayWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    paintScaledToFit(painter, m_engine.frame(), rect());
}

void PlayWindow::keyPressEvent(QKeyEvent *)
{
    m_engine.stop();
    emit finished();
}

void PlayWindow::mousePressEvent(QMouseEvent *)
{
    m_engine.stop();
    emit finished();
}
