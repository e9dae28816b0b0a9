// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The television-magnifier workshop window " Une loupe sur un écran de
// télévision": a picture shown as a screen and a round magnifier the pupil
// drags over it, which from the third zoom level on shows the red, green
// and blue phosphor stripes. TLoupState does the computing; this window
// turns events into calls on it and paints its screen image.
#include "workshops/PictureWorkshopU.h"
#include "workshops/state/LoupState.h"

#include <functional>

class QFrame;
class QLabel;

namespace Irisonde {

class TPaintBox;

class TSpinButton;

class TLoupF : public TPictureWorkshopF {
    Q_OBJECT
public:
    TLoupF(TProgram &program, const TWorkshopRow &row, QWidget *parent = nullptr);

    [[nodiscard]] const TLoupState &State() const { return m_state; }

protected:
    [[nodiscard]] TDibPlus *PictureImage() const override;
    void LayoutZones(int clientWidth, int clientHeight) override;
    void PictureDrawn() override;
    void PictureShow() override;
    void PictureClose() override;
    [[nodiscard]] QImage CopyImage() const override;

    void wheelEvent(QWheelEvent *event) override;
    void PictureMouseDown(const QMouseEvent &event) override;
    void PictureMouseMove(const QMouseEvent &event) override;
    // The arrows, + and - (with Shift, or Page Up and Page Down: the
    // size); false for any other key.
    [[nodiscard]] bool PictureKeyPress(const QKeyEvent &key) override;
    // The probe at the magnifier's middle.
    [[nodiscard]] TProbeSpot KeyProbeSpot() const override;

private:
    // A pupil's action on the open window; what it changed is repainted.
    void Act(const std::function<TDamage()> &action);

    TLoupState m_state;

    // Tests and the scripts find these by the object names given where they
    // are made ("Zone", "ZoomSpin", "Taillelab"...).
    TPaintBox *m_zone;
    QFrame *m_panel1; // the frame's toolbar, which holds every control below
    TSpinButton *m_zoomSpin;
    TSpinButton *m_tailleSpin;
    QLabel *m_facteurLab;
    QLabel *m_tailleLab;
    QFrame *m_bevel1, *m_bevel2;
};

} // namespace Irisonde
