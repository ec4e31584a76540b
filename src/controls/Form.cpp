#include "Form.h"

#include "controls/Label.h"
#include "controls/Line.h"
#include "controls/ScrollBar.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "core/Colour.h"
#include "core/Logging.h"
#include "core/Twips.h"

#include <QVariant>

namespace {

constexpr char HintProperty[] = "kvHint";

} // namespace

Form::Form(const QString &name, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(name);
    setAutoFillBackground(true);
}

void Form::build(const QList<ControlSpec> &table)
{
    for (const ControlSpec &row : table) {
        QWidget *container = this;
        if (!row.container.isEmpty()) {
            container = control(row.container);
            if (!container) {
                qCWarning(lcControls) << objectName() << ": container" << row.container << "of"
                                      << row.name << "not found; placed on the window";
                container = this;
            }
        }
        QWidget *widget = make(row, container);
        add(widget, row.name, row.container, row.rect);
        if (!row.hint.isEmpty())
            setHint(widget, row.hint);
        widget->setEnabled(row.enabled);
        widget->setVisible(row.visible);
    }
}

QWidget *Form::make(const ControlSpec &row, QWidget *parent)
{
    switch (row.kind) {
    case ControlKind::Button: {
        auto *button = new ZarnBttn(parent);
        button->setCaption(row.caption);
        button->setPicture(row.picture);
        return button;
    }
    case ControlKind::Panel: {
        auto *panel = new ZarnPanel(parent);
        panel->setCaption(row.caption);
        return panel;
    }
    case ControlKind::Label: {
        auto *label = new Label(parent);
        label->setText(row.caption);
        return label;
    }
    case ControlKind::Line:
        return new Line(parent);
    case ControlKind::VScrollBar:
        return new ScrollBar(Qt::Vertical, parent);
    case ControlKind::HScrollBar:
        return new ScrollBar(Qt::Horizontal, parent);
    }
    return new QWidget(parent);
}

QWidget *Form::add(QWidget *control, const QString &name, const QString &container,
                   const QRectF &rect)
{
    if (!control)
        return nullptr;
    QWidget *parent = this;
    if (!container.isEmpty()) {
        if (QWidget *found = Form::control(container))
            parent = found;
        else
            qCWarning(lcControls) << objectName() << ": container" << container << "of" << name
                                  << "not found; placed on the window";
    }
    // setParent() hides a widget; one made elsewhere keeps a hide() it was given.
    const bool hidden
        = control->testAttribute(Qt::WA_WState_ExplicitShowHide) && control->isHidden();
    if (control->parentWidget() != parent)
        control->setParent(parent);
    control->setObjectName(name);

    QRectF twips = rect;
    // A line of no thickness in the table would have no pixel to paint.
    if (qobject_cast<Line *>(control)) {
        if (twips.width() >= twips.height())
            twips.setHeight(std::max(twips.height(), Twips::PerPixel));
        else
            twips.setWidth(std::max(twips.width(), Twips::PerPixel));
    }
    Twips::place(control, twips);
    control->setVisible(!hidden);

    if (!m_byName.contains(name))
        m_order.append(control);
    else
        m_order.replace(m_order.indexOf(m_byName.value(name)), control);
    m_byName.insert(name, control);
    return control;
}

QWidget *Form::control(const QString &name) const
{
    return m_byName.value(name, nullptr);
}

ZarnBttn *Form::button(const QString &name) const
{
    return get<ZarnBttn>(name);
}

ZarnPanel *Form::panel(const QString &name) const
{
    return get<ZarnPanel>(name);
}

QString Form::hint(const QWidget *control)
{
    if (!control)
        return {};
    return control->property(HintProperty).toString();
}

void Form::setHint(QWidget *control, const QString &hint)
{
    if (control)
        control->setProperty(HintProperty, hint);
}

void Form::setTwipsSize(double width, double height)
{
    Twips::resize(this, width, height);
}

double Form::twipsWidth() const
{
    return Twips::width(this);
}

double Form::twipsHeight() const
{
    return Twips::height(this);
}

quint32 Form::backColor() const
{
    return Colour::fromQColor(palette().color(QPalette::Window));
}

void Form::setBackColor(quint32 colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Colour::toQColor(colour));
    setPalette(colours);
    update();
}
