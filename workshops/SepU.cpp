// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workshops/SepU.h"

#include "workshops/RepaintU.h"

#include "shell/AppStateU.h"
#include "shell/CheckBoxU.h"
#include "shell/PaintBoxU.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <cstddef>

namespace Irisonde {

namespace {

QCheckBox *MakeBox(const TSepControl &c, QWidget *panel)
{
    auto *box = new QCheckBox(c.Caption.toString(), panel);
    box->setObjectName(c.Name.toString());
    if (!c.Hint.isEmpty())
        box->setToolTip(c.Hint.toString());
    box->move(c.Place);
    box->adjustSize();
    return box;
}

QLabel *MakeLabel(QStringView name, QStringView caption, QWidget *parent)
{
    auto *label = new QLabel(caption.toString(), parent);
    label->setObjectName(name.toString());
    label->adjustSize(); // centring uses the label's real width
    return label;
}

} // namespace

TSepF::TSepF(TProgram &program, const TWorkshopRow &row, const TSeparation &table, QWidget *parent)
    : TPictureWorkshopF(program, row, table.ToolbarHeight, table.BaseCaption.toString(), parent), m_state(table)
{
    resize(table.InitialClient);

    for (int cell = 0; cell < SepCellCount; ++cell) {
        const TSepCell &c = table.Cells[std::size_t(cell)];
        auto *zone = new TPaintBox(this, QRect(), [this, cell](QPainter &p) { PaintCell(p, cell); });
        zone->setObjectName(c.ZoneName.toString());
        zone->setAttribute(Qt::WA_OpaquePaintEvent, c.Kind != ESepCell::Logo);
        zone->setVisible(c.Kind != ESepCell::Empty);
        m_zones[std::size_t(cell)] = zone;
        if (c.Kind == ESepCell::Logo) {
            zone->setAccessibleName(QStringLiteral("Logo d'Irisonde"));
        } else if (c.Kind != ESepCell::Empty) {
            zone->setAccessibleName(c.Label.trimmed().toString());
            zone->SetDescriber([this, cell] { return CellDescription(cell); });
            AddPictureArea(zone);
        }
        if (c.Kind != ESepCell::Logo && c.Kind != ESepCell::Empty && !c.LabelName.isEmpty())
            m_labs[std::size_t(cell)] = MakeLabel(c.LabelName, c.Label, this);
    }

    m_panel1 = ToolBarFrame();
    m_panel1->setObjectName(QStringLiteral("Panel1"));
    StretchCheck()->move(table.StretchBox.Place);
    m_label1 = MakeLabel(table.ModeLabel.Name, table.ModeLabel.Caption, m_panel1);
    m_label1->move(table.ModeLabel.Place);
    m_label2 = MakeLabel(table.InkLabel.Name, table.InkLabel.Caption, m_panel1);
    m_label2->move(table.InkLabel.Place);

    const std::size_t modes = std::min(table.Modes.size(), std::size_t(SepMaxModes));
    for (std::size_t m = 0; m < modes; ++m) {
        m_modeChecks.push_back(MakeBox(table.Modes[m].Box, m_panel1));
        // A caption such as "Activée" says what it turns on only beside its
        // group's label: a screen reader hears both.
        m_modeChecks.back()->setAccessibleName(table.ModeLabel.Caption.toString().remove(QLatin1Char(':')).trimmed()
                                               + QStringLiteral(" : ") + table.Modes[m].Box.Caption.trimmed().toString());
        connect(m_modeChecks.back(), &QCheckBox::toggled, this, [this, m] { ModeCheckClick(int(m)); });
    }
    const std::size_t inks = std::min(table.Inks.size(), std::size_t(SepMaxInks));
    for (std::size_t i = 0; i < inks; ++i) {
        m_inkChecks.push_back(MakeBox(table.Inks[i].Box, m_panel1));
        connect(m_inkChecks.back(), &QCheckBox::toggled, this, [this, i] { RecomposeCheck(int(i)); });
    }
}

TDibPlus *TSepF::PictureImage() const
{
    return m_state.PictureImage();
}

void TSepF::LayoutZones(int clientWidth, int clientHeight)
{
    // The state clears every flag; the boxes follow it.
    m_state.LayoutZones(clientWidth, clientHeight);
    for (std::size_t c = 0; c < m_zones.size(); ++c)
        m_zones[c]->setGeometry(m_state.CellRect(int32_t(c)));
    PlaceLabels();
    ShowBoxes();
}

void TSepF::PlaceLabels()
{
    std::array<int32_t, SepCellCount> widths{};
    for (std::size_t c = 0; c < m_labs.size(); ++c)
        widths[c] = m_labs[c] ? m_labs[c]->width() : 0;
    const std::array<QPoint, SepCellCount> places = m_state.PlaceLabels(widths);
    for (std::size_t c = 0; c < m_labs.size(); ++c)
        if (m_labs[c])
            m_labs[c]->move(places[c]);
}

void TSepF::PictureDrawn()
{
    // Whatever changed the picture (layout, stretch box, either picture
    // button, even a cancelled or failed opening), the plates on show no
    // longer belong to it.
    ResetModes();
}

void TSepF::PictureClose()
{
    m_state.Close();
}

QImage TSepF::CopyImage() const
{
    return m_state.CopyImage();
}

void TSepF::ResetModes()
{
    m_state.ResetModes();
    ShowBoxes();
    RepaintCells();
}

void TSepF::ModeCheckClick(int mode)
{
    if (mode < 0 || std::size_t(mode) >= m_modeChecks.size())
        return;
    const TDamage damage = m_state.ModeCheckClick(mode, m_modeChecks[std::size_t(mode)]->isChecked());
    ShowBoxes(); // the other modes go off
    // Only the panes that changed are repainted, but every pane's sentence
    // names the mode, even a blank pane's.
    for (TPaintBox *zone : m_zones) {
        (void)RepaintDamage(damage, *zone);
        zone->DescriptionChanged();
    }
}

void TSepF::RecomposeCheck(int ink)
{
    if (ink < 0 || std::size_t(ink) >= m_inkChecks.size())
        return;
    const TDamage damage = m_state.RecomposeCheck(ink, m_inkChecks[std::size_t(ink)]->isChecked());
    ShowBoxes();
    for (std::size_t c = 0; c < m_zones.size(); ++c)
        if (Table().Cells[c].Kind == ESepCell::Recomposed) {
            (void)RepaintDamage(damage, *m_zones[c]);
            m_zones[c]->DescriptionChanged();
        }
}

void TSepF::ShowBoxes()
{
    for (std::size_t m = 0; m < m_modeChecks.size(); ++m)
        SetCheckSilently(*m_modeChecks[m], m_state.ModeFlags()[m]);
    for (std::size_t i = 0; i < m_inkChecks.size(); ++i)
        SetCheckSilently(*m_inkChecks[i], m_state.InkFlags()[i]);
}

void TSepF::RepaintCells()
{
    for (TPaintBox *zone : m_zones) {
        zone->update();
        zone->DescriptionChanged();
    }
}

QString TSepF::CellDescription(int cell) const
{
    if (Table().Cells[std::size_t(cell)].Kind == ESepCell::Picture)
        return windowTitle().trimmed();
    const TSepCell &c = Table().Cells[std::size_t(cell)];
    const int32_t mode = m_state.ActiveMode();
    if (mode < 0)
        return QStringLiteral("Vide : cochez une case pour séparer l'image.");
    const QString modeName = Table().Modes[std::size_t(mode)].Box.Caption.trimmed().toString().toLower();
    if (c.Kind == ESepCell::Plate)
        return m_state.PlateInUse(c.Plate) ? QStringLiteral("Affiché.")
                                           : QStringLiteral("Vide : la ") + modeName + QStringLiteral(" n'a pas cette composante.");
    QStringList inks;
    for (std::size_t i = 0; i < Table().Inks.size(); ++i)
        if (m_state.InkFlags()[i] && m_state.PlateInUse(int32_t(i)))
            inks << Table().Inks[i].Box.Caption.trimmed().toString().toLower();
    if (inks.isEmpty())
        return QStringLiteral("Vide : aucune composante n'est cochée pour recomposer l'image.");
    return QStringLiteral("Recomposée à partir de ") + (inks.size() == 1 ? QStringLiteral("la composante ") : QStringLiteral("des composantes "))
         + inks.join(QStringLiteral(", ")) + QStringLiteral(".");
}

void TSepF::PaintCell(QPainter &p, int cell)
{
    if (Table().Cells[std::size_t(cell)].Kind == ESepCell::Logo) {
        p.drawImage(0, 0, App::Logo());
        return;
    }
    TDibPlus *image = m_state.CellImage(cell);
    if (image && image->HasStore())
        image->Draw(p, 0, 0);
    else
        p.fillRect(m_zones[std::size_t(cell)]->rect(), palette().window());
}

} // namespace Irisonde
