// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/PageThumbsU.h"

#include "catalogue/BrowseControlsU.h"
#include "catalogue/BrowseSlotsU.h"
#include "catalogue/search/RawNameU.h"

#include <QTimer>
#include <QWidget>

namespace Irisonde {

TPageThumbs::TPageThumbs(TBrowseState &browse, const TBrowseSlots &pageSlots, QWidget &window, std::function<void(int)> arrived)
    : m_browse(browse), m_slots(pageSlots), m_window(window), m_arrived(std::move(arrived))
{
    connect(&m_pool, &TThumbPool::Ready, this, &TPageThumbs::Ready);
}

TPageThumbs::~TPageThumbs() = default;

QString TPageThumbs::UnreadableNameMessage(const QString &path)
{
    return QStringLiteral("Le nom du fichier « %1 » ne peut pas être lu dans le codage des caractères du système : "
                          "le programme ne peut pas l'ouvrir. Renommez ce fichier pour l'ouvrir dans un atelier.")
        .arg(ShownName(path));
}

void TPageThumbs::Request(bool shown)
{
    m_shown = shown;
    m_page = m_pool.NewPage();
    m_thumbs.Clear();
    m_browse.ForgetPicSizes();
    if (!shown)
        return;
    for (int k = 1; k <= TBrowseState::SlotCount; ++k) {
        const QString path = m_browse.SlotFile(k);
        if (!path.isEmpty())
            m_pool.Request(k, path, m_browse.Thumb());
    }
}

bool TPageThumbs::Pending() const
{
    for (int k = 1; k <= TBrowseState::SlotCount; ++k)
        if (!m_browse.SlotFile(k).isEmpty() && m_thumbs.Waiting(k))
            return true;
    return false;
}

void TPageThumbs::Draw(int k, QPainter &canvas) const
{
    m_thumbs.DrawThumb(canvas, m_browse, k, TBrowseSlots::ButtonFace());
}

void TPageThumbs::Release()
{
    Request(false);
    if (m_warning)
        m_warning->close();
    m_thumbs.Release();
    m_faults.clear();
}

void TPageThumbs::Ready(int page, int k, const TThumbImage &thumb)
{
    if (!m_shown || page != m_page)
        return; // for a page no longer shown
    const bool report = m_thumbs.Accept(m_browse, k, thumb);
    if (QWidget *box = m_slots.Box(k))
        box->update();
    if (m_arrived)
        m_arrived(k);
    if (!report)
        return;
    if (m_faults.isEmpty())
        QTimer::singleShot(0, this, &TPageThumbs::ReportFaults);
    const QString path = m_browse.SlotFile(k);
    m_faults.append(NameLost(path) ? UnreadableNameMessage(path) : PictureFaultMessage(thumb.Fault, path));
}

void TPageThumbs::ReportFaults()
{
    // One box at a time; what comes meanwhile waits for it to close.
    if (m_faults.isEmpty() || !m_shown || m_warning)
        return;
    const QString text = m_faults.join(QStringLiteral("\n\n"));
    m_faults.clear();
    m_warning = TBrowseControls::Warn(text, &m_window);
    connect(m_warning, &QObject::destroyed, this, [this] { QTimer::singleShot(0, this, &TPageThumbs::ReportFaults); });
}

} // namespace Irisonde
