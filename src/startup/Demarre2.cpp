#include "Demarre2.h"

#include "app/AppContext.h"
#include "app/LoadedWindows.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace {

ControlSpec label(const char *name, const QString &text, double l, double t, double w, double h)
{
    ControlSpec s;
    s.name = QString::fromUtf8(name);
    s.kind = ControlKind::Label;
    s.rect = QRectF(l, t, w, h);
    s.caption = text;
    return s;
}

constexpr quint32 TextColour = 0xE0E0E0;

} // namespace

Demarre2::Demarre2(AppContext &context, QWidget *parent)
    : Form(QStringLiteral("Demarre2"), parent)
    , m_context(context)
{
    setWindowTitle(QStringLiteral("Démarrage"));
    ControlSpec separator;
    separator.name = QStringLiteral("Line1");
    separator.kind = ControlKind::Line;
    separator.rect = QRectF(3480, 1500 - 7.5, 6800 - 3480, 15);
    build({
        label("LblProduit", QStringLiteral("Kinovue ST"), 180, 60, 6075, 1080),
        label("LblVersion", QStringLiteral("Version 6.10 - Janvier 2002"), 3795, 1140, 3045, 285),
        label("LblAttente", QStringLiteral("Un instant, SVP..."), 5265, 1590, 1620, 240),
        separator,
    });
    QFont product(QStringLiteral("Times New Roman"));
    product.setPointSizeF(48);
    product.setBold(true);
    QFont version(QStringLiteral("Arial"));
    version.setPointSizeF(12);
    version.setBold(true);
    QFont waiting(QStringLiteral("Arial"));
    waiting.setPointSizeF(9.75);
    waiting.setBold(true);
    const std::pair<const char *, QFont> fonts[]
        = {{"LblProduit", product}, {"LblVersion", version}, {"LblAttente", waiting}};
    for (const auto &[name, font] : fonts) {
        auto *text = require<QLabel>(QString::fromUtf8(name));
        text->setFont(font);
        text->setProperty("forecolor", TextColour);
        // One line each, as drawn: a wrapped line would fall outside its box.
        text->setWordWrap(false);
    }
    require<QWidget>(QStringLiteral("Line1"))->setProperty("forecolor", TextColour);
    setTwipsSize(7065, 1950);

    m_timer.setInterval(1);
    connect(&m_timer, &QTimer::timeout, this, &Demarre2::handOver);
}

bool Demarre2::load()
{
    if (m_context.platform.instances->previousInstanceRunning()) {
        MessageRequest request;
        request.icon = MessageIcon::Exclamation;
        request.buttons = MessageButtons::YesNo;
        request.defaultButton = 1;
        request.title = QStringLiteral("Kinovue ST");
        request.text = QStringLiteral("Kinovue ST est déjà en cours d'exécution.\nSouhaitez-vous "
                                      "exécuter une nouvelle instance ?");
        if (m_context.platform.messages->ask(request) != MessageAnswer::Yes)
            return false;
    }
    m_context.windows.add(this);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->geometry();
        move(available.center() - rect().center());
    }
    show();
    m_timer.start();
    return true;
}

void Demarre2::paintEvent(QPaintEvent *)
{
    // 256 bands over 512 units of height, black at the top to pure blue at the bottom.
    QPainter painter(this);
    const double unit = height() / 512.0;
    for (int i = 0; i < 256; ++i) {
        const QRectF band(0, 2 * i * unit, width(), 2 * unit);
        painter.fillRect(band, QColor(0, 0, i));
    }
}
