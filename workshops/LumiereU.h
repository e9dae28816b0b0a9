// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The light-and-colour-vision workshop window " Lumière, filtres et vision
// des couleurs": a light (white, up to three single wavelengths, or a
// screen's three LEDs) through a coloured filter, its spectrum, the three
// kinds of cones that each sum it, and the colour perceived beside a stored
// comparison. TLumiereScreen computes and places everything; this window
// turns the pupil's events into calls on it and draws it.
#include "shell/WorkshopU.h"
#include "workshops/state/LumiereScreen.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace Irisonde {

class TPaintBox;

class TLumiereF : public TWorkshopF {
    Q_OBJECT
public:
    TLumiereF(TProgram &program, const TWorkshopRow &row, QWidget *parent = nullptr);

    [[nodiscard]] const TLumiereScreen &Screen() const { return m_screen; }

protected:
    void FormShow() override;
    [[nodiscard]] QSize LeastOuterSize() const override { return {660, 420}; }
    [[nodiscard]] QImage CopyImage() const override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void PictureMouseDown(const QMouseEvent &event) override;
    void PictureMouseMove(const QMouseEvent &event) override;
    void PictureMouseUp(const QMouseEvent &event) override;
    // 1, 2, 3, the arrows, + and -, the space bar; false for any other key.
    [[nodiscard]] bool PictureKeyPress(const QKeyEvent &key) override;
    // After a key, the probe reads the colour perceived.
    [[nodiscard]] TProbeSpot KeyProbeSpot() const override;
    // The frame's colour-vision view: the cones it lacks are drawn absent.
    void VisionChosen(EVision vision) override;

private:
    void PlaceZone();
    // What an operation changed repainted, the controls brought to the
    // state and, when anything changed, the sentence renewed.
    void ShowChange(const TDamage &damage);
    // The controls set from the state without their handlers running.
    void ShowControls();
    void LightChosen(int index);
    void FilterChosen(int index);

    TLumiereScreen m_screen;
    // The cone sensitivities drawn for the size and the view they were made
    // for: they change with nothing else.
    QImage m_curves;
    QSize m_curvesSize;
    EVision m_curvesVision = EVision::Normal;
    // Tests and the scripts find these by the object names given where they
    // are made ("Zone", "LightCombo", "NmSpin1"...).
    TPaintBox *m_zone;
    QLabel *m_lightLab;
    QLabel *m_filterLab;
    QComboBox *m_lightCombo;
    QComboBox *m_filterCombo;
    QPushButton *m_compareBout;
    // Source k at index k - 1.
    std::array<QCheckBox *, 3> m_sourceChecks{};
    std::array<QSpinBox *, 3> m_nmSpins{};
    std::array<QSpinBox *, 3> m_percentSpins{};
};

} // namespace Irisonde
