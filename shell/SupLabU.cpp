// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/SupLabU.h"

#include "shell/AccessibleU.h"
#include "shell/AppStateU.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace Irisonde {

namespace {

// A screen reader is to meet the label as what it is, a link that opens an
// activity, and to be able to follow it; a plain label would be read as text.
class TSuperLabAccess : public QAccessibleWidget {
public:
    explicit TSuperLabAccess(TSuperLab *lab) : QAccessibleWidget(lab, QAccessible::Link) {}

    [[nodiscard]] TSuperLab *Lab() const { return static_cast<TSuperLab *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        // The captions carry trailing blanks that only served the layout.
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return Lab()->text().trimmed();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction())
            emit Lab()->clicked();
    }
};

} // namespace

QCursor CursorFromId(TCursorId id)
{
    switch (id) {
    case TCursorId::LinkHand: return App::LinkCursor();
    case TCursorId::HourGlass: return QCursor(Qt::WaitCursor);
    case TCursorId::HandPoint: return QCursor(Qt::PointingHandCursor);
    case TCursorId::Cross: return QCursor(Qt::CrossCursor);
    case TCursorId::IBeam: return QCursor(Qt::IBeamCursor);
    case TCursorId::Busy: return QCursor(Qt::BusyCursor);
    case TCursorId::WhatsThis: return QCursor(Qt::WhatsThisCursor);
    case TCursorId::SizeAll: return QCursor(Qt::SizeAllCursor);
    case TCursorId::Default: break;
    }
    // A number no layout uses is the arrow too.
    return QCursor(Qt::ArrowCursor);
}

TSuperLab::TSuperLab(QWidget *parent) : QLabel(parent)
{
    InstallAccessible<TSuperLab, TSuperLabAccess>();
    resize(65, 65);
}

void TSuperLab::SetCursorId(TCursorId id)
{
    m_cursorId = id;
    setCursor(CursorFromId(id));
}

void TSuperLab::SetFontColour(const QColor &c)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, c);
    setPalette(p);
}

QColor TSuperLab::FontColour() const
{
    return palette().color(QPalette::WindowText);
}

void TSuperLab::MouseEnter()
{
    if (m_hovering || !m_linkEnabled)
        return;
    m_hovering = true;
    m_savedCursor = m_cursorId;
    SetCursorId(m_linkCursor);
    m_savedColour = FontColour();
    SetFontColour(m_linkColour);
}

void TSuperLab::MouseLeave()
{
    // Switched off while hovered, the label keeps the link look until a
    // later leave finds it switched on again.
    if (!m_hovering || !m_linkEnabled)
        return;
    m_hovering = false;
    SetCursorId(m_savedCursor);
    SetFontColour(m_savedColour);
}

void TSuperLab::enterEvent(QEnterEvent *event)
{
    QLabel::enterEvent(event);
    MouseEnter();
}

void TSuperLab::leaveEvent(QEvent *event)
{
    QLabel::leaveEvent(event);
    MouseLeave();
}

void TSuperLab::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void TSuperLab::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a press and a release of the left button on the label.
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

} // namespace Irisonde
