#include "shell/PaintBoxU.h"

#include <QPainter>

namespace Irisonde {

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

} // namespace Irisonde
