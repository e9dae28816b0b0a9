// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/ThumbBoxU.h"

#include "catalogue/BrowseU.h"
#include "shell/AccessibleU.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace Irisonde {

namespace {

// The blue panel of the selected slot is a look only; a screen reader learns
// of the selection from this state.
class TThumbBoxAccess : public QAccessibleWidget {
public:
    explicit TThumbBoxAccess(TThumbBox *box) : QAccessibleWidget(box, QAccessible::Graphic) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        s.selected = static_cast<const TThumbBox *>(widget())->Selected();
        return s;
    }
};

} // namespace

TThumbBox::TThumbBox(TBrowserF &owner, int k, QWidget *parent) : QWidget(parent), m_owner(owner), m_k(k)
{
    InstallAccessible<TThumbBox, TThumbBoxAccess>();
    setFocusPolicy(Qt::ClickFocus);
}

bool TThumbBox::Selected() const { return m_owner.State().Selected == m_k; }

void TThumbBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    m_owner.DrawThumb(m_k, p);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

void TThumbBox::keyPressEvent(QKeyEvent *event)
{
    if (!m_owner.SlotKey(m_k, event->key(), event->modifiers()))
        QWidget::keyPressEvent(event);
}

void TThumbBox::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void TThumbBox::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void TThumbBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_owner.SlotClick(m_k);
}

} // namespace Irisonde
