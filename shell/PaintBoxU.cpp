#include "shell/PaintBoxU.h"

#include <QPainter>

TPaintBox::TPaintBox(QWidget *parent, const QRect &geometry, Painter p)
    : QWidget(parent), paint(std::move(p))
{
    setGeometry(geometry);
}

void TPaintBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (paint)
        paint(painter);
}
