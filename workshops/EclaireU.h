// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The scene-lighting workshop window " Eclairage d'une scène": a picture lit
// by a projector, as a spot the pupil drags or wholly, in a light set by
// three bars or eight colour buttons; the same picture unlit beside it and
// the projector, aimed at the spot, under it. TEclaireState does the
// computing; this window turns events into calls on it and paints its images.
#include "workshops/PictureWorkshopU.h"
#include "workshops/state/EclaireState.h"

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QScrollBar;
class QToolButton;

namespace Irisonde {

class TPaintBox;

class TEclaireF : public TPictureWorkshopF {
    Q_OBJECT
public:
    TEclaireF(TProgram &program, const TWorkshopRow &row, QWidget *parent = nullptr);

    [[nodiscard]] const TEclaireState &State() const { return m_state; }

protected:
    [[nodiscard]] TDibPlus *PictureImage() const override;
    void LayoutZones(int clientWidth, int clientHeight) override;
    void PictureDrawn() override;
    void PictureShow() override;
    void PictureClose() override;
    [[nodiscard]] QImage CopyImage() const override;

    [[nodiscard]] QRect FocusFrameRect(const QWidget *area) const override;
    void wheelEvent(QWheelEvent *event) override;
    void PictureMouseDown(const QMouseEvent &event) override;
    void PictureMouseMove(const QMouseEvent &event) override;
    // The arrows, + and -; false for any other key.
    [[nodiscard]] bool PictureKeyPress(const QKeyEvent &key) override;
    // The probe at the spot's middle.
    [[nodiscard]] TProbeSpot KeyProbeSpot() const override;

private:
    // Factors full, bars at the top, the boxes unticked, " 100 %".
    void ResetControls();
    void ShowPercentages();
    // `bar`: 0 red, 1 green, 2 blue.
    void BarChange(int bar);
    void CoulBoutClick(int button);
    void FullSizeCheckClick();
    // The bars brought to `positions` without their handlers running.
    void SetBarsQuietly(const std::array<int32_t, 3> &positions);
    // The bars brought to the factors, then the percentages.
    void ShowBars();
    // What an operation of the state changed, repainted.
    void Repaint(const TDamage &damage);
    // The same, and the scene's sentence when something changed.
    void ShowChange(const TDamage &damage);

    TEclaireState m_state;

    // Tests and the scripts find these by the object names given where they
    // are made ("Zone", "RBar", "Redit"...).
    TPaintBox *m_zone;
    TPaintBox *m_projoZone;
    TPaintBox *m_originZone;
    QLabel *m_blancLab;
    QFrame *m_panel1; // the frame's toolbar, which holds every control below
    QCheckBox *m_linkCheck;
    QCheckBox *m_fullSizeCheck;
    QScrollBar *m_rBar, *m_gBar, *m_bBar;
    QLabel *m_label1, *m_label2, *m_label3;
    QLineEdit *m_rEdit, *m_gEdit, *m_bEdit;
    // RBout, gBout, bBout, grBout, cBout, mBout, yBout, wBout: the order of
    // TEclaireState::ColourButtons.
    std::array<QToolButton *, 8> m_colourBouts{};
    QFrame *m_bevel1, *m_bevel2;
};

} // namespace Irisonde
