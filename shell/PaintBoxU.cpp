// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/PaintBoxU.h"

#include "shell/AccessibleU.h"

#include "imaging/ColourVisionU.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPaintEvent>
#include <QPainter>

namespace Irisonde {

namespace {

// A picture rather than a bare client area, and its description live.
class TPaintBoxAccessible : public QAccessibleWidget {
public:
    explicit TPaintBoxAccessible(TPaintBox *box) : QAccessibleWidget(box, QAccessible::Graphic) {}
    [[nodiscard]] QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description) {
            const QString said = static_cast<const TPaintBox *>(widget())->Description();
            if (!said.isEmpty())
                return said;
        }
        return QAccessibleWidget::text(t);
    }
};

} // namespace

TPaintBox::TPaintBox(QWidget *parent, const QRect &geometry, Painter p)
    : QWidget(parent), m_paint(std::move(p))
{
    InstallAccessible<TPaintBox, TPaintBoxAccessible>();
    setGeometry(geometry);
}

void TPaintBox::DescriptionChanged()
{
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void TPaintBox::SetView(const TColourVision *view)
{
    m_view = view;
    update();
}

void TPaintBox::paintEvent(QPaintEvent *event)
{
    const QRect part = event->rect();
    if (!m_view || m_view->Vision() == EVision::Normal) {
        QPainter painter(this);
        // Made explicit, so that a large picture draws only what is repainted.
        painter.setClipRect(part);
        if (m_paint)
            m_paint(painter);
    } else {
        // The part drawn aside, then shown through the view in one pass:
        // what the workshop drew stays as it was.
        const qreal ratio = devicePixelRatioF();
        QImage aside((QSizeF(part.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        aside.setDevicePixelRatio(ratio);
        aside.fill(Qt::transparent);
        {
            QPainter painter(&aside);
            painter.translate(-part.topLeft());
            painter.setClipRect(part);
            if (m_paint)
                m_paint(painter);
        }
        (void)m_view->Apply(aside, aside.rect());
        QPainter(this).drawImage(part.topLeft(), aside);
    }
    emit Painted(part);
}

} // namespace Irisonde
