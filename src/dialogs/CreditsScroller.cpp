#include "CreditsScroller.h"

#include "controls/PictureBox.h"
#include "core/Twips.h"

#include <QFontMetrics>
#include <QTimer>

CreditsScroller::CreditsScroller(PictureBox &viewer, PictureBox &credits, QTimer &timer,
                                 QObject *parent)
    : QObject(parent)
    , m_viewer(viewer)
    , m_credits(credits)
    , m_timer(timer)
{
    connect(&m_timer, &QTimer::timeout, this, &CreditsScroller::step);
    connect(&m_credits, &PictureBox::clicked, this, &CreditsScroller::togglePause);
}

QStringList CreditsScroller::lines()
{
    // Leading blanks centre each line in the viewing area.
    return {
        QStringLiteral("     Kinovue ST"),
        QString(),
        QStringLiteral("         Le visualiseur d'animations"),
        QStringLiteral("                  pour Windows 98"),
        QString(),
        QStringLiteral("       Animations AVI (MPEG, MOV)"),
        QStringLiteral("                Animations FLC/FLI"),
        QStringLiteral("    Création/visualisation de shows"),
        QStringLiteral("                  Musique et sons"),
        QString(),
        QStringLiteral("         Version 6.10 - Janvier 2002"),
        QString(),
        QStringLiteral("   Programme : l'équipe Kinovue ST"),
        QStringLiteral("   Aide et conseils : la même équipe"),
        QString(),
        QStringLiteral("       © L'équipe Kinovue ST, 2026"),
        QString(),
        QString(),
        QStringLiteral("            Merci"),
        QStringLiteral("          d'utiliser"),
        QStringLiteral("       Kinovue ST !"),
    };
}

void CreditsScroller::ProcDefilement()
{
    m_lignes = lines();
    Twips::place(&m_viewer, QRectF(585, 600, 4155, Twips::height(&m_viewer)));
    const int viewHeight = m_viewer.height();
    m_credits.move(0, 0);
    m_credits.resize(m_viewer.width(), m_credits.height());
    m_credits.setCurrentY(viewHeight);

    // T: the height of a line of text in the picture's own font, Verdana 10 points bold.
    QFont font = m_credits.font();
    const int textHeight = QFontMetrics(font).height();
    m_credits.resize(m_credits.width(), 42 * textHeight + 2 * viewHeight);
    for (int i = 0; i < m_lignes.size(); ++i) {
        font.setPointSize(i == 0 || i >= 18 ? 18 : 10);
        m_credits.setFont(font);
        m_credits.print(m_lignes.at(i));
    }
    m_posDefil = 0;
    m_timer.setInterval(TickMs);
    m_timer.start();
}

double CreditsScroller::wrapDistance() const
{
    return 274.0 / 500.0 * m_credits.height();
}

void CreditsScroller::step()
{
    m_credits.move(0, m_posDefil);
    m_posDefil -= 1;
    if (m_posDefil < -wrapDistance())
        m_posDefil = 0;
}

void CreditsScroller::togglePause()
{
    if (m_timer.isActive())
        m_timer.stop();
    else
        m_timer.start();
}
