// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workshops/state/Damage.h"

#include <algorithm>

namespace Irisonde {

void TDamage::Add(const QRect &r)
{
    if (r.isEmpty())
        return;
    for (const QRect &have : m_rects)
        if (have.contains(r))
            return;
    m_rects.erase(std::remove_if(m_rects.begin(), m_rects.end(), [&r](const QRect &have) { return r.contains(have); }),
                  m_rects.end());
    m_rects.append(r);
}

void TDamage::Add(const TDamage &other)
{
    for (const QRect &r : other.m_rects)
        Add(r);
}

TDamage TDamage::Clipped(const QRect &bounds) const
{
    TDamage out;
    for (const QRect &r : m_rects)
        out.Add(r & bounds);
    return out;
}

bool TDamage::Contains(QPoint p) const
{
    return std::any_of(m_rects.begin(), m_rects.end(), [p](const QRect &r) { return r.contains(p); });
}

QRect TDamage::Bounds() const
{
    QRect out;
    for (const QRect &r : m_rects)
        out |= r;
    return out;
}

} // namespace Irisonde
