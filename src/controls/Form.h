#pragma once

#include "controls/Pictogram.h"

#include <QHash>
#include <QList>
#include <QRectF>
#include <QString>
#include <QWidget>

class ZarnBttn;
class ZarnPanel;

enum class ControlKind { Button, Panel, Label, Line, VScrollBar, HScrollBar };

// One line of a window's layout table: design name, kind, container (empty for the window
// itself), twips rectangle relative to the container, caption and hover hint.
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
};

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

    // The window's own background colour (0x00BBGGRR), seen between its controls.
    quint32 backColor() const;
    void setBackColor(quint32 colour);

private:
    QWidget *make(const ControlSpec &row, QWidget *parent);

    QHash<QString, QWidget *> m_byName;
    QList<QWidget *> m_order;
};
