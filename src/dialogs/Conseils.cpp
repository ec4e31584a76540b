#include "Conseils.h"

#include "app/AppContext.h"
#include "app/HoverHints.h"
#include "app/LoadedWindows.h"
#include "app/Preferences.h"
#include "app/SettingsKeys.h"
#include "app/WindowDrag.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "core/Colour.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace {

ControlSpec row(const char *name, ControlKind kind, double l, double t, double w, double h,
                const QString &caption = {}, const QString &hint = {})
{
    ControlSpec s;
    s.name = QString::fromUtf8(name);
    s.kind = kind;
    s.rect = QRectF(l, t, w, h);
    s.caption = caption;
    s.hint = hint;
    return s;
}

ControlSpec strip(const char *name, double l, double t, double w, double h)
{
    ControlSpec s = row(name, ControlKind::Button, l, t, w, h);
    s.enabled = false;
    return s;
}

} // namespace

Conseils::Conseils(AppContext &context, QWidget *parent)
    : Form(QStringLiteral("Conseils"), parent)
    , m_context(context)
{
    setWindowTitle(QStringLiteral("Kinovue ST - Conseil du jour"));
    build({
        row("CmdDeplaceFen", ControlKind::Button, 0, 0, 5880, 315,
            QStringLiteral("Kinovue ST - Conseil du jour"),
            QStringLiteral("Déplacement de la fenêtre")),
        strip("Forme1", 0, 300, 5880, 315),
        strip("Forme2", 0, 600, 600, 1200),
        strip("Forme3", 0, 1800, 600, 1170),
        strip("Forme4", 5280, 600, 600, 1200),
        strip("Forme5", 5280, 1800, 600, 1170),
        row("Picture1", ControlKind::Panel, 600, 600, 4695, 1650),
        row("CmdOK", ControlKind::Button, 600, 2250, 2340, 480, QStringLiteral("OK")),
        row("CmdNextTip", ControlKind::Button, 2940, 2250, 2340, 480,
            QStringLiteral("Conseil suivant")),
        row("Label1", ControlKind::Panel, 600, 2730, 4680, 255),
        strip("Forme6", 0, 2970, 5880, 315),
        strip("Forme7", 0, 3285, 5880, 315),
    });
    panel(QStringLiteral("Picture1"))->setGradientSens(-1);
    panel(QStringLiteral("Label1"))->setGradientSens(-1);

    m_tipText = new QLabel;
    m_tipText->setWordWrap(true);
    m_tipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_tipText->setFont(QFont(QStringLiteral("Verdana"), 9));
    add(m_tipText, QStringLiteral("lblTipText"), QStringLiteral("Picture1"),
        QRectF(540, 180, 3855, 1275));
    auto *icon = new ZarnBttn;
    icon->setPicture(Pictogram::Info);
    icon->setEnabled(false);
    add(icon, QStringLiteral("ImgConseil"), QStringLiteral("Picture1"), QRectF(60, 180, 420, 420));

    m_startup = new QCheckBox(QStringLiteral("Afficher les conseils à l'ouverture"));
    add(m_startup, QStringLiteral("chkLoadTipsAtStartup"), {}, QRectF(1575, 2760, 3675, 195));

    new WindowDrag(button(QStringLiteral("CmdDeplaceFen")));
    HoverHints::install(*this, context.general);
    connect(button(QStringLiteral("CmdOK")), &ZarnBttn::clicked, this,
            [this] { m_context.windows.unload(this); });
    connect(button(QStringLiteral("CmdNextTip")), &ZarnBttn::clicked, this, [this] {
        if (m_tips.isEmpty())
            return;
        m_tips.next();
        showCurrentTip();
    });
    connect(m_startup, &QCheckBox::clicked, this, &Conseils::startupChoiceClicked);
}

void Conseils::load()
{
    m_context.windows.add(this);
    applyColours();
    setTwipsSize(5880, 3600);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
    Preferences(*m_context.platform.settings, m_context.general).readTips();
    m_startup->setChecked(m_context.general.ConseilDemarrage == SettingsKeys::Yes);
    const QString path
        = Platform::joinPath(m_context.platform.programFolder, QStringLiteral("Conseils.txt"));
    if (m_tips.load(path)) {
        m_tips.pickRandom(*m_context.platform.random);
        showCurrentTip();
    } else {
        m_tipText->setText(TipsBook::missingFileMessage());
    }
}

QString Conseils::tipText() const
{
    return m_tipText->text();
}

void Conseils::showCurrentTip()
{
    if (!m_tips.isEmpty())
        m_tipText->setText(m_tips.currentTip());
}

void Conseils::startupChoiceClicked()
{
    m_context.general.ConseilDemarrage
        = m_startup->isChecked() ? SettingsKeys::Yes : SettingsKeys::No;
    Preferences(*m_context.platform.settings, m_context.general).writeTips();
}

void Conseils::applyColours()
{
    const General &g = m_context.general;
    const quint32 deb = g.colour(General::DebDegrade);
    const quint32 fin = g.colour(General::FinDegrade);
    for (const char *name : {"CmdDeplaceFen", "CmdOK", "Forme2", "Forme4", "Forme6"}) {
        ZarnBttn *b = button(QString::fromUtf8(name));
        b->setGradientColorStart(deb);
        b->setGradientColorEnd(fin);
    }
    for (const char *name : {"CmdNextTip", "Forme1", "Forme3", "Forme5", "Forme7"}) {
        ZarnBttn *b = button(QString::fromUtf8(name));
        b->setGradientColorStart(fin);
        b->setGradientColorEnd(deb);
    }
    for (const char *name : {"CmdDeplaceFen", "CmdOK", "CmdNextTip"}) {
        ZarnBttn *b = button(QString::fromUtf8(name));
        b->setForeColor(g.colour(General::TexteBoutons));
        b->setHighlightColor(g.colour(General::Lumiere));
    }
    const QColor fond = Colour::toQColor(g.colour(General::FondFenetres));
    const QColor visu = Colour::toQColor(g.colour(General::Visu));
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, fond);
    setPalette(windowPalette);
    setAutoFillBackground(true);
    panel(QStringLiteral("Label1"))->setBackColor(g.colour(General::FondFenetres));
    panel(QStringLiteral("Picture1"))->setBackColor(g.colour(General::Visu));

    QPalette tipPalette = m_tipText->palette();
    tipPalette.setColor(QPalette::WindowText, Colour::toQColor(g.colour(General::AutresTextes)));
    tipPalette.setColor(QPalette::Window, visu);
    m_tipText->setPalette(tipPalette);
    m_tipText->setAutoFillBackground(true);
    // The box lets the plain strip behind it show through, in the window's colour.
    QPalette boxPalette = m_startup->palette();
    boxPalette.setColor(QPalette::Window, fond);
    boxPalette.setColor(QPalette::WindowText, Colour::toQColor(g.colour(General::AutresTextes)));
    m_startup->setPalette(boxPalette);
    m_startup->setAutoFillBackground(false);
}
