#include "Label.h"

#include "controls/SkinPaint.h"
#include "core/Colour.h"

Label::Label(QWidget *parent)
    : QLabel(parent)
{
    setFont(SkinPaint::captionFont());
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground, true);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setForeColor(m_fore);
}

void Label::setForeColor(quint32 colour)
{
    m_fore = colour;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, Colour::toQColor(colour));
    setPalette(colours);
    update();
}
