// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/BrowseSlotsU.h"

#include "catalogue/BrowseU.h"
#include "catalogue/ThumbBoxU.h"
#include "catalogue/search/RawNameU.h"

#include <QAccessible>
#include <QApplication>
#include <QFrame>
#include <QLabel>

namespace Irisonde {

QColor TBrowseSlots::ButtonFace() { return QApplication::palette().color(QPalette::Button); }

void TBrowseSlots::Create(TBrowserF &owner)
{
    for (int k = 1; k <= TBrowseState::SlotCount; ++k) {
        TThumbSlot &slot = m_slots[std::size_t(k - 1)];
        slot.SlotPanel = std::make_unique<QFrame>(&owner);
        slot.SlotPanel->setObjectName(QStringLiteral("SlotPanel%1").arg(k));
        slot.SlotPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        slot.SlotPanel->setLineWidth(2);
        slot.SlotPanel->setAutoFillBackground(true);
        slot.NameLab = new QLabel(slot.SlotPanel.get());
        slot.ThumbBox = new TThumbBox(owner, k, slot.SlotPanel.get());
        slot.ThumbBox->move(5, 4);
        SetPanelColour(k, false);
        slot.SlotPanel->show();
    }
    SetFocusSlot(1);
}

void TBrowseSlots::Release()
{
    for (TThumbSlot &slot : m_slots) {
        slot.NameLab = nullptr;
        slot.ThumbBox = nullptr;
        slot.SlotPanel.reset();
    }
}

void TBrowseSlots::Layout(const TBrowseState &browse)
{
    for (int k = 1; k <= TBrowseState::SlotCount; ++k) {
        TThumbSlot &slot = m_slots[std::size_t(k - 1)];
        if (!slot.SlotPanel)
            continue;
        slot.SlotPanel->setGeometry(browse.SlotRect(k));
        slot.NameLab->move(6, browse.NameLabTop());
        slot.NameLab->clear();
        slot.ThumbBox->resize(browse.Thumb(), browse.Thumb());
    }
}

void TBrowseSlots::SetCaption(int k, const TBrowseState &browse, const QFontMetrics &metrics)
{
    QLabel *lab = m_slots[std::size_t(k - 1)].NameLab;
    if (!lab)
        return;
    const TSlotCaption c = browse.SlotCaption(k, [&](const QString &s) { return metrics.horizontalAdvance(s); });
    lab->setText(c.Text);
    lab->adjustSize();
    lab->move(c.Left, browse.NameLabTop());
    // The caption may be cut short; the picture's name is said in full.
    const QString file = browse.SlotFile(k);
    const QString name =
        QStringLiteral("Case %1 : %2").arg(k).arg(file.isEmpty() ? QStringLiteral("pas d'image") : ShownName(TBrowseState::FileName(file)));
    QWidget *box = m_slots[std::size_t(k - 1)].ThumbBox;
    if (box->accessibleName() != name)
        box->setAccessibleName(name);
}

void TBrowseSlots::SetPanelColour(int k, bool selected)
{
    if (k < 1 || k > TBrowseState::SlotCount || !m_slots[std::size_t(k - 1)].SlotPanel)
        return;
    QFrame &panel = *m_slots[std::size_t(k - 1)].SlotPanel;
    QPalette p = panel.palette();
    p.setColor(QPalette::Window, selected ? QColor(0, 0, 255) : ButtonFace());
    panel.setPalette(p);
    if (QWidget *box = m_slots[std::size_t(k - 1)].ThumbBox) {
        QAccessible::State changed;
        changed.selected = true;
        QAccessibleStateChangeEvent event(box, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void TBrowseSlots::SetFocusSlot(int k)
{
    if (k < 1 || k > TBrowseState::SlotCount)
        return;
    m_focusSlot = k;
    for (int j = 1; j <= TBrowseState::SlotCount; ++j)
        if (QWidget *box = m_slots[std::size_t(j - 1)].ThumbBox)
            box->setFocusPolicy(j == k ? Qt::StrongFocus : Qt::ClickFocus);
}

QWidget *TBrowseSlots::Box(int k) const
{
    if (k < 1 || k > TBrowseState::SlotCount)
        return nullptr;
    return m_slots[std::size_t(k - 1)].ThumbBox;
}

} // namespace Irisonde
