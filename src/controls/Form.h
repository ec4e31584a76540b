#pragma once

#include "controls/Pictogram.h"
#include "core/ColourRole.h"

#include <QHash>
#include <QList>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <functional>

class ZarnBttn;
class ZarnPanel;

enum class ControlKind { Button, Panel, Label, Line, VScrollBar, HScrollBar, Picture };

// The colour roles a control is painted in; None leaves that colour as it is.
struct RoleColours
{
    ColourRole::Role start = ColourRole::None;     // gradientcolorstart
    ColourRole::Role end = ColourRole::None;       // gradientcolorend
    ColourRole::Role fore = ColourRole::None;      // forecolor
    ColourRole::Role highlight = ColourRole::None; // highlightcolor
    ColourRole::Role back = ColourRole::None;      // backcolor

    bool any() const;
};

// One line of a window's layout table: design name, kind, container (empty for the window
// itself), twips rectangle relative to the container, caption, hover hint and colour roles.
struct ControlSpec
{
    QString name;
    ControlKind kind = ControlKind::Button;
    QString container;
    QRectF rect;
    QString caption;
    QString hint;
    bool visible = true;
    bool enabled = true;
    Pictogram picture = Pictogram::None;
    RoleColours roles;

    // Table rows read as one expression: layoutRow(...).in("Fond").gradient(Deb, Fin).
    ControlSpec &in(const char *containerName);
    ControlSpec &titled(const QString &text);
    ControlSpec &hinted(const QString &text);
    ControlSpec &showing(Pictogram pictogram);
    ControlSpec &hidden();
    ControlSpec &disabled();
    ControlSpec &gradient(ColourRole::Role startRole, ColourRole::Role endRole);
    ControlSpec &startRole(ColourRole::Role role);
    ControlSpec &endRole(ColourRole::Role role);
    ControlSpec &text(ColourRole::Role foreRole, ColourRole::Role highlightRole = ColourRole::None);
    ControlSpec &background(ColourRole::Role backRole);
};

// A row of a layout table at a twips rectangle.
ControlSpec layoutRow(const char *name, ControlKind kind, double left, double top, double width,
                      double height);
// A frame strip: a button that only paints its gradient.
ControlSpec strip(const char *name, double left, double top, double width, double height);

// A borderless top-level window of the program, built from a layout table. Every control's
// objectName is its design name.
class Form : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(quint32 backcolor READ backColor WRITE setBackColor)

public:
    explicit Form(const QString &name, QWidget *parent = nullptr);

    // Builds the controls of the table, in order, each inside its container.
    void build(const QList<ControlSpec> &table);
    // Adds a control made elsewhere (a media window, a list) under a design name.
    QWidget *add(QWidget *control, const QString &name, const QString &container,
                 const QRectF &rect);

    QWidget *control(const QString &name) const;
    // A control the window's code relies on: a missing name or another kind is a programming
    // error, reported at once when the window is built rather than at the first click.
    template<class T> T *require(const QString &name) const
    {
        T *found = qobject_cast<T *>(control(name));
        if (!found)
            missingControl(name);
        return found;
    }
    template<class T> T *get(const QString &name) const { return qobject_cast<T *>(control(name)); }
    ZarnBttn *button(const QString &name) const;
    ZarnPanel *panel(const QString &name) const;
    // The controls in the order they were built (for colour tables and the inspect tool).
    QList<QWidget *> controls() const { return m_order; }

    // The hover hint of a control ("" when it has none).
    static QString hint(const QWidget *control);
    static void setHint(QWidget *control, const QString &hint);

    // Window size in twips.
    void setTwipsSize(double width, double height);
    double twipsWidth() const;
    double twipsHeight() const;

    // Gives a control made elsewhere its colour roles; the window's own background takes
    // the role set by setBackRole.
    void setRoles(const QString &name, const RoleColours &roles);
    void setBackRole(ColourRole::Role role) { m_backRole = role; }
    // Paints every control and the window's background in its roles.
    void paintRoles(const std::function<quint32(ColourRole::Role)> &colourOf);

    // The window's own background colour (0x00BBGGRR), seen between its controls.
    quint32 backColor() const;
    void setBackColor(quint32 colour);

private:
    QWidget *make(const ControlSpec &row, QWidget *parent);
    [[noreturn]] void missingControl(const QString &name) const;

    QHash<QString, QWidget *> m_byName;
    QList<QWidget *> m_order;
    QList<std::pair<QString, RoleColours>> m_roles;
    ColourRole::Role m_backRole = ColourRole::None;
};
