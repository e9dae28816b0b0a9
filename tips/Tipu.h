// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The tip of the day: one hint about the program at a time, browsed forwards
// and backwards, with the choice of seeing it at start.
#include "shell/ShowingU.h"

#include <QDialog>
#include <QImage>
#include <QStringList>

class QCheckBox;
class QLabel;
class QPainter;
class QPushButton;

namespace Irisonde {

class TPaintBox;

struct TSettings;

class TTipF : public QDialog {
    Q_OBJECT
public:
    // The window shows and changes the tip number and flag of `settings`,
    // which outlive it.
    explicit TTipF(Irisonde::TSettings &settings, QWidget *parent = nullptr);

    // The tip list and the bulbs, as loaded for the current showing.
    [[nodiscard]] const QStringList &TipList() const { return m_tipList; }
    [[nodiscard]] const QImage &TipBitmap() const { return m_tipBitmap; }

private slots:
    void NextboutClick();
    void PredBoutClick();
    void TipCroixClick();
    void CloseBoutClick();

private:
    void FormShow();
    void FormClose();
    void ShowTip();
    void DrawTipIcon(QPainter &p) const;
    void tipBoxPaint(QPainter &p) const;

    TPaintBox *m_tipBox;
    QLabel *m_tipLab;
    QLabel *m_numeroLab;
    QCheckBox *m_tipCroix;
    QPushButton *m_closeBout;
    QPushButton *m_predBout;
    QPushButton *m_nextbout;

    Irisonde::TSettings &m_settings;
    QStringList m_tipList;
    QImage m_tipBitmap;
    TShowing m_showing;
};

} // namespace Irisonde
