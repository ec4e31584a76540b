#pragma once

#include <QObject>
#include <QStringList>

class PictureBox;
class QTimer;

// The About box's credits: printed into a tall picture that starts one viewing-area height
// below its top, then moved up one pixel a tick and sent back to its starting place once it
// has risen by 274/500 of its height. A click on the picture pauses and resumes it.
class CreditsScroller : public QObject
{
    Q_OBJECT

public:
    static constexpr int TickMs = 50;

    // viewer: the viewing area that clips the credits picture inside it.
    CreditsScroller(PictureBox &viewer, PictureBox &credits, QTimer &timer,
                    QObject *parent = nullptr);

    static QStringList lines();
    // Prints the credits and starts the scrolling.
    void ProcDefilement();
    // One tick.
    void step();
    void togglePause();

    int PosDefil() const { return m_posDefil; }
    // How far the picture rises before it jumps back, in pixels.
    double wrapDistance() const;

private:
    PictureBox &m_viewer;
    PictureBox &m_credits;
    QTimer &m_timer;
    QStringList m_lignes;
    int m_posDefil = 0;
};
