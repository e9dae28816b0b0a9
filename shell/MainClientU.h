// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window's client area: the heading, the nine activity links with
// their bullets, the two bevels and the status panel, over the tiled Motif.
#include <QWidget>
#include <array>

class QFrame;
class QLabel;

namespace Irisonde {

class TSuperLab;

class TMainClient : public QWidget {
    Q_OBJECT
public:
    explicit TMainClient(QWidget *parent = nullptr);

    // What the main window drives: the links (LinkLab1 .. LinkLab9 at index
    // 0 .. 8) and the two labels of the status panel.
    [[nodiscard]] const std::array<TSuperLab *, 9> &Links() const { return m_linkLab; }
    [[nodiscard]] QLabel *ModeLab() const { return m_modeLab; }
    [[nodiscard]] QLabel *WarningLab() const { return m_warningLab; }

protected:
    void paintEvent(QPaintEvent *event) override; // PaintBackground
    void resizeEvent(QResizeEvent *event) override;

private:
    QLabel *m_label1;
    std::array<TSuperLab *, 9> m_linkLab{};
    QFrame *m_bevel1;
    QFrame *m_bevel2;
    QFrame *m_panel1;
    QLabel *m_modeLab;
    QLabel *m_warningLab;
};

// Arial at a size in pixels (Liberation Sans has Arial's metrics).
[[nodiscard]] QFont ArialPx(int pixels, bool bold = false, bool italic = false);

} // namespace Irisonde
