// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window of the separation workshops: a picture split into plates
// (printing inks, or the lights of a screen) shown in six cells of one size
// in two rows, beside the picture and the plates laid over each other again.
// The window knows no workshop of its own: its caption, help topic, panes,
// labels, boxes and their places all come from the TSeparation table it is
// made with, so that TQuadriF and TRGBF only hand it theirs. TSepState does
// the computing; this window turns clicks into calls on it, ticks its boxes
// back from the state's flags after each call, and paints the cells the
// state names.
#include "workshops/PictureWorkshopU.h"
#include "workshops/state/SepState.h"

#include <array>
#include <vector>

class QFrame;
class QLabel;

namespace Irisonde {

class TPaintBox;

class TSepF : public TPictureWorkshopF {
    Q_OBJECT
public:
    TSepF(TProgram &program, const TWorkshopRow &row, const TSeparation &table, QWidget *parent = nullptr);

    [[nodiscard]] const TSepState &State() const { return m_state; }
    [[nodiscard]] const TSeparation &Table() const { return m_state.Table(); }

protected:
    [[nodiscard]] TDibPlus *PictureImage() const override;
    void LayoutZones(int clientWidth, int clientHeight) override;
    void PictureDrawn() override;
    void PictureClose() override;
    [[nodiscard]] QImage CopyImage() const override;

private:
    // Every flag cleared, every box unticked, every pane repainted.
    void ResetModes();
    // A mode box clicked (CMYKCheckClick, CMYCheckClick, RGBCheckClick).
    void ModeCheckClick(int mode);
    // An ink box clicked.
    void RecomposeCheck(int ink);
    void PaintCell(QPainter &p, int cell);
    // What a pane shows, for a screen reader: the picture's caption, or
    // whether a plate is on show.
    [[nodiscard]] QString CellDescription(int cell) const;
    void PlaceLabels();
    // The boxes ticked as the state's flags say, without their handlers.
    void ShowBoxes();
    void RepaintCells();

    TSepState m_state;

    // Tests and the scripts find these by the object names the table gives.
    // One paint area per cell, in cell order (top row, then bottom row):
    // "OriginZone", "Zone1"..., "LogoZone" for the logo cell.
    std::array<TPaintBox *, SepCellCount> m_zones{};
    // The label centred under each pane ("Lab", "Lab1"...); null for the
    // logo and for an empty cell.
    std::array<QLabel *, SepCellCount> m_labs{};
    QFrame *m_panel1; // the frame's toolbar ("Panel1"), which holds every control below
    QLabel *m_label1; // over the mode boxes
    QLabel *m_label2; // over the ink boxes
    std::vector<QCheckBox *> m_modeChecks; // in the table's order: "CMYKCheck", "CMYCheck"
    std::vector<QCheckBox *> m_inkChecks;  // "CCheck", "MCheck"...
};

} // namespace Irisonde
