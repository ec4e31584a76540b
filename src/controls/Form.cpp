#include "Form.h"

#include "controls/Label.h"
#include "controls/Line.h"
#include "controls/PictureBox.h"
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

bool RoleColours::any() const
{
    return start != ColourRole::None || end != ColourRole::None || fore != ColourRole::None
           || highlight != ColourRole::None || back != ColourRole::None;
}

ControlSpec &ControlSpec::in(const char *containerName)
{
    container = QString::fromUtf8(containerName);
    return *this;
}

ControlSpec &ControlSpec::titled(const QString &text)
{
    caption = text;
    return *this;
}

ControlSpec &ControlSpec::hinted(const QString &text)
{
    hint = text;
    return *this;
}

ControlSpec &ControlSpec::showing(Pictogram pictogram)
{
    picture = pictogram;
    return *this;
}

ControlSpec &ControlSpec::hidden()
{
    visible = false;
    return *this;
}

ControlSpec &ControlSpec::disabled()
{
    enabled = false;
    return *this;
}

ControlSpec &ControlSpec::gradient(ColourRole::Role startRole, ColourRole::Role endRole)
{
    roles.start = startRole;
    roles.end = endRole;
    return *this;
}

ControlSpec &ControlSpec::startRole(ColourRole::Role role)
{
    roles.start = role;
    return *this;
}

ControlSpec &ControlSpec::endRole(ColourRole::Role role)
{
    roles.end = role;
    return *this;
}

ControlSpec &ControlSpec::text(ColourRole::Role foreRole, ColourRole::Role highlightRole)
{
    roles.fore = foreRole;
    roles.highlight = highlightRole;
    return *this;
}

ControlSpec &ControlSpec::background(ColourRole::Role backRole)
{
    roles.back = backRole;
    return *this;
}

ControlSpec layoutRow(const char *name, ControlKind kind, double left, double top, double width,
                      double height)
{
    ControlSpec s;
    s.name = QString::fromUtf8(name);
    s.kind = kind;
    s.rect = QRectF(left, top, width, height);
    return s;
}

ControlSpec strip(const char *name, double left, double top, double width, double height)
{
    return layoutRow(name, ControlKind::Button, left, top, width, height).disabled();
}

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
        if (row.roles.any())
            setRoles(row.name, row.roles);
    }
}

void Form::setRoles(const QString &name, const RoleColours &roles)
{
    for (auto &entry : m_roles) {
        if (entry.first == name) {
            entry.second = roles;
            return;
        }
    }
    m_roles.append({name, roles});
}

void Form::paintRoles(const std::function<quint32(ColourRole::Role)> &colourOf)
{
    const std::pair<ColourRole::Role RoleColours::*, const char *> properties[] = {
        {&RoleColours::start, "gradientcolorstart"}, {&RoleColours::end, "gradientcolorend"},
        {&RoleColours::fore, "forecolor"},           {&RoleColours::highlight, "highlightcolor"},
        {&RoleColours::back, "backcolor"},
    };
    for (const auto &[name, roles] : m_roles) {
        QWidget *widget = require<QWidget>(name);
        for (const auto &[member, property] : properties) {
            if (roles.*member != ColourRole::None)
                widget->setProperty(property, colourOf(roles.*member));
        }
    }
    if (m_backRole != ColourRole::None)
        setBackColor(colourOf(m_backRole));
}

void Form::missingControl(const QString &name) const
{
    qFatal("%s: no control named %s of the kind the code expects", qPrintable(objectName()),
           qPrintable(name));
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
    case ControlKind::Picture:
        return new PictureBox(parent);
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
