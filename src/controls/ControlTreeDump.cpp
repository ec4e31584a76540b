#include "ControlTreeDump.h"

#include "controls/Form.h"
#include "core/Colour.h"
#include "core/Twips.h"

#include <QJsonObject>
#include <QVariant>

#include <array>

namespace {

constexpr std::array ColourProperties{"gradientcolorstart", "gradientcolorend", "forecolor",
                                      "highlightcolor",     "backcolor",        "borderstyle"};

QString captionOf(const QWidget *widget)
{
    for (const char *name : {"caption", "text"}) {
        const QVariant value = widget->property(name);
        if (value.isValid())
            return value.toString();
    }
    return widget->windowTitle();
}

QJsonObject describe(const QWidget *widget, const QString &container)
{
    const QRectF twips = Twips::rect(widget);
    QJsonObject entry{
        {QStringLiteral("name"), widget->objectName()},
        {QStringLiteral("class"), QString::fromLatin1(widget->metaObject()->className())},
        {QStringLiteral("container"), container},
        {QStringLiteral("left"), twips.left()},
        {QStringLiteral("top"), twips.top()},
        {QStringLiteral("width"), twips.width()},
        {QStringLiteral("height"), twips.height()},
        // The control's own flags: the window may not be on screen when it is dumped.
        {QStringLiteral("visible"), !widget->isHidden()},
        {QStringLiteral("enabled"), !widget->testAttribute(Qt::WA_ForceDisabled)},
        {QStringLiteral("caption"), captionOf(widget)},
        {QStringLiteral("tooltip"), Form::hint(widget)},
    };
    for (const char *name : ColourProperties) {
        const QVariant value = widget->property(name);
        if (value.isValid())
            entry.insert(QString::fromLatin1(name), value.toLongLong());
    }
    return entry;
}

} // namespace

QJsonArray dumpControlTree(const Form &form)
{
    QJsonArray tree;
    QJsonObject window = describe(&form, QString());
    window.insert(QStringLiteral("backcolor"),
                  qint64(Colour::fromQColor(form.palette().color(QPalette::Window))));
    tree.append(window);

    QList<QWidget *> named = form.controls();
    // Named widgets that did not come through the table (made inside a control) follow.
    const QList<QWidget *> descendants = form.findChildren<QWidget *>();
    for (QWidget *widget : descendants) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || named.contains(widget))
            continue;
        named.append(widget);
    }
    for (const QWidget *widget : named) {
        const QWidget *parent = widget->parentWidget();
        tree.append(describe(widget, parent ? parent->objectName() : QString()));
    }
    return tree;
}
