// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window the additive and subtractive synthesis workshops share: a
// screen (`Zone`) where the pupil drags three discs, a strip under it
// (projectors or brushes), and in the toolbar panel three intensity bars with
// their labels and read-only edits, the "link" and "extended" check boxes.
// All computing is done by the workshop's state (TSynthState); this window
// turns events into calls on it and shows its pictures.
#include "shell/WorkshopU.h"
#include "imaging/ColourProbeU.h"
#include "workshops/state/Damage.h"

#include <array>
#include <memory>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace Irisonde {

class TPaintBox;
class TSynthState;

// What differs between the two windows' controls, quoted texts included.
struct TSynthTexts {
    QString stripName;                  // "ProjoZone", "PinceauZone"
    std::array<QString, 3> labNames;    // "Label1".., "CLab"..
    std::array<QString, 3> labTexts;    // "Rouge".., "Cyan"..
    std::array<QString, 3> barNames;    // "rBar".., "CBar"..
    std::array<QString, 3> barHints;
    QString linkHint;
    QString etenduHint;
    // What a screen reader says of the pictures.
    QString zoneSpoken;                // "Écran de la synthèse additive"
    QString stripSpoken;               // "Les trois projecteurs"
    std::array<QString, 3> discSpoken; // "disque rouge".., "tache cyan"..
    QString offSpoken;                 // a disc at 0 %: "éteint"
};

class TSynthF : public TWorkshopF {
    Q_OBJECT
public:
    TSynthF(TProgram &program, const TWorkshopRow &row, const TSynthTexts &texts, std::unique_ptr<TSynthState> state,
            QWidget *parent = nullptr);
    ~TSynthF() override;

    static constexpr int PanelHeight = 93; // the toolbar panel, Panel2

    [[nodiscard]] const TSynthState &Synth() const { return *m_state; }

    // What the screen shows, in a sentence: each disc's strength, the
    // radius and the disc the keys move.
    [[nodiscard]] QString PlacesDescription() const;
    [[nodiscard]] QString ZoneDescription() const;

protected:
    void FormShow() override;
    void FormClose() override;
    void FormResize();
    [[nodiscard]] QImage CopyImage() const override;

    [[nodiscard]] QRect FocusFrameRect(const QWidget *area) const override;
    [[nodiscard]] QSize LeastOuterSize() const override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void PictureMouseDown(const QMouseEvent &event) override;
    void PictureMouseMove(const QMouseEvent &event) override;
    void PictureMouseUp(const QMouseEvent &event) override;
    // 1, 2, 3, the arrows, + and -; false for any other key.
    [[nodiscard]] bool PictureKeyPress(const QKeyEvent &key) override;
    // The probe on the disc the keys move; over the screen it names the
    // mixture of a corner colour of the RGB cube.
    [[nodiscard]] TProbeSpot KeyProbeSpot() const override;
    [[nodiscard]] QString ProbeMore(const QWidget *area, QRgb shown) const override;
    [[nodiscard]] QString ProbeMoreLongest() const override;

private:
    void ResetControls();
    void ShowPercentages();
    void BarChange(int k);
    void EtenduCheckClick();
    // What an operation of the state changed, repainted.
    void Repaint(const TDamage &damage);
    // The radius changed by `delta`, as the right button, the wheel and the
    // keys do; the screen and its sentence follow when it changed.
    void ChangeRadius(int delta);
    void PlaceZones();
    // The program itself moves all three bars: no bar's handler runs.
    void SetBarsQuietly(int value);
    [[nodiscard]] ESynthesis Synthesis() const;

    std::unique_ptr<TSynthState> m_state;
    TSynthTexts m_texts;
    bool m_open = false;
    // Controls, found by tests under their layout names (object names);
    // index 1..3 of the arrays as the discs.
    TPaintBox *m_zone;
    TPaintBox *m_stripZone;
    QFrame *m_panel2; // the frame's toolbar, which holds every control below
    std::array<QLabel *, 4> m_labs{};
    std::array<QScrollBar *, 4> m_bars{};
    QLineEdit *m_rEdit, *m_gEdit, *m_bEdit;
    QCheckBox *m_linkCheck;
    QCheckBox *m_etenduCheck;
    QFrame *m_bevel3, *m_bevel1;
};

} // namespace Irisonde
