// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window's client area: the heading, the activity links with their
// bullets (one per workshop row, then help, catalogue and quit), the two
// bevels and the status panel, over the tiled Motif.
#include <QWidget>
#include <span>
#include <vector>

class QFrame;
class QLabel;

namespace Irisonde {

class TSuperLab;
struct TWorkshopRow;

class TMainClient : public QWidget {
    Q_OBJECT
public:
    explicit TMainClient(std::span<const TWorkshopRow> rows, QWidget *parent = nullptr);

    // The links from top to bottom: the rows' in table order, then
    // HelpLink, BrowserLink and QuitLink.
    enum : int { HelpLink = 0, BrowserLink = 1, QuitLink = 2 };
    [[nodiscard]] const std::vector<TSuperLab *> &Links() const { return m_links; }
    // Where the link of a row is in Links(), or of one of the three others.
    [[nodiscard]] TSuperLab *OtherLink(int which) const { return m_links[m_links.size() - 3 + std::size_t(which)]; }
    [[nodiscard]] QLabel *ModeLab() const { return m_modeLab; }
    [[nodiscard]] QLabel *WarningLab() const { return m_warningLab; }

protected:
    void paintEvent(QPaintEvent *event) override; // PaintBackground
    void resizeEvent(QResizeEvent *event) override;

private:
    QLabel *m_label1;
    std::vector<TSuperLab *> m_links;
    QFrame *m_bevel1;
    QFrame *m_bevel2;
    QFrame *m_panel1;
    QLabel *m_modeLab;
    QLabel *m_warningLab;
};

// Arial at a size in pixels (Liberation Sans has Arial's metrics).
[[nodiscard]] QFont ArialPx(int pixels, bool bold = false, bool italic = false);

} // namespace Irisonde
