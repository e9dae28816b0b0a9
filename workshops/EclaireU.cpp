// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workshops/EclaireU.h"

#include "workshops/RepaintU.h"

#include "imaging/ProjoU.h"
#include "shell/BevelU.h"
#include "shell/CheckBoxU.h"
#include "shell/PaintBoxU.h"
#include "imaging/WheelU.h"

#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>

namespace Irisonde {

namespace {

constexpr int DesignClientW = 612;
constexpr int DesignClientH = 413;

// The image at the top-left of a paint area, black while there is none.
void DrawOrBlack(QPainter &p, TDibPlus *image, const QRect &area)
{
    if (image && image->HasStore())
        image->Draw(p, 0, 0);
    else
        p.fillRect(area, Qt::black);
}

// A colour button's face: its light's colour in a thin black frame. A factor
// of 193 shows as 192, as the lamp does.
QIcon Swatch(const TColourButton &b)
{
    const auto level = [](int32_t f) { return f * 255 / 256; };
    QPixmap pm(14, 14);
    pm.fill(QColor(level(b.FactorR), level(b.FactorG), level(b.FactorB)));
    QPainter p(&pm);
    p.setPen(Qt::black);
    p.drawRect(0, 0, 13, 13);
    return QIcon(pm);
}

} // namespace

TEclaireF::TEclaireF(TProgram &program, const TWorkshopRow &row, QWidget *parent)
    : TPictureWorkshopF(program, row, 93, QStringLiteral(" Eclairage d'une scène"), parent)
{
    resize(DesignClientW, DesignClientH);

    m_zone = new TPaintBox(this, QRect(6, 4, 0, 0), [this](QPainter &p) {
        DrawOrBlack(p, m_state.LitImage(), m_zone->rect());
    });
    m_zone->setObjectName(QStringLiteral("Zone"));
    m_projoZone = new TPaintBox(this, QRect(6, 4, 0, TEclaireState::StripHeight), [this](QPainter &p) {
        DrawOrBlack(p, m_state.ProjoStrip(), m_projoZone->rect());
    });
    m_projoZone->setObjectName(QStringLiteral("ProjoZone"));
    m_originZone = new TPaintBox(this, QRect(0, 4, 0, 0), [this](QPainter &p) {
        DrawOrBlack(p, m_state.ScenePicture(), m_originZone->rect());
    });
    m_originZone->setObjectName(QStringLiteral("OriginZone"));
    for (QWidget *z : {static_cast<QWidget *>(m_zone), static_cast<QWidget *>(m_projoZone), static_cast<QWidget *>(m_originZone)})
    {
        z->setAttribute(Qt::WA_OpaquePaintEvent);
        AddWheelArea(z); // the wheel acts wherever the pointer is on the pictures
    }
    m_zone->setAccessibleName(QStringLiteral("Scène éclairée"));
    m_zone->SetDescriber([this] { return m_state.Describe(); });
    m_projoZone->setAccessibleName(QStringLiteral("Le projecteur, tourné vers la tache de lumière"));
    m_originZone->setAccessibleName(QStringLiteral("Scène éclairée en lumière blanche"));
    m_originZone->SetDescriber([this] { return windowTitle().trimmed(); });
    AddPictureArea(m_zone);
    AddPictureArea(m_originZone);
    m_blancLab = new QLabel(QStringLiteral("Scène éclairée en lumière blanche"), this);
    m_blancLab->setObjectName(QStringLiteral("BlancLab"));
    m_blancLab->adjustSize();

    m_panel1 = ToolBarFrame();
    m_panel1->setObjectName(QStringLiteral("Panel1"));
    const auto check = [this](const char *name, const QString &caption, const QString &hint, QPoint at) {
        auto *box = new QCheckBox(caption, m_panel1);
        box->setObjectName(QLatin1String(name));
        box->setToolTip(hint);
        box->move(at);
        box->adjustSize();
        return box;
    };
    m_linkCheck = check("LinkCheck", QStringLiteral(" Lier les 3 composantes"),
                      QStringLiteral(" Lier les trois composantes rouge, verte et bleue"), QPoint(7, 35));
    StretchCheck()->move(8, 53);
    m_fullSizeCheck = check("FullSizeCheck", QStringLiteral(" Eclairer toute la scène"),
                          QStringLiteral(" Cesser d'utiliser le cercle lumineux pour éclairer toute la scène"), QPoint(8, 71));
    // The link takes effect at the next bar change: nothing to redraw.
    connect(m_linkCheck, &QCheckBox::toggled, this, [this](bool linked) { m_state.SetLink(linked); });
    connect(m_fullSizeCheck, &QCheckBox::toggled, this, &TEclaireF::FullSizeCheckClick);

    static constexpr int columns[3] = {184, 260, 336};
    const char *barNames[3] = {"RBar", "GBar", "BBar"};
    const char *labNames[3] = {"Label1", "Label2", "Label3"};
    const char *editNames[3] = {"Redit", "GEdit", "BEdit"};
    const QString labTexts[3] = {QStringLiteral("Rouge"), QStringLiteral("Vert"), QStringLiteral("Bleu")};
    const QString barHints[3] = {QStringLiteral(" Ajuster la composante rouge de la lumière"),
                                 QStringLiteral(" Ajuster la composante verte de la lumière"),
                                 QStringLiteral(" Ajuster la composante bleue de la lumière")};
    std::array<QScrollBar *, 3> bars{};
    std::array<QLabel *, 3> labs{};
    std::array<QLineEdit *, 3> edits{};
    for (int k = 0; k < 3; ++k) {
        bars[size_t(k)] = new QScrollBar(Qt::Vertical, m_panel1);
        QScrollBar *bar = bars[size_t(k)];
        bar->setObjectName(QLatin1String(barNames[k]));
        bar->setGeometry(columns[k], 5, 21, 80);
        bar->setRange(0, TEclaireState::FullFactor); // the top is full light
        bar->setSingleStep(2);
        bar->setPageStep(20);
        bar->setToolTip(barHints[k]);
        connect(bar, &QScrollBar::valueChanged, this, [this, k] { BarChange(k); });

        labs[size_t(k)] = new QLabel(labTexts[k], m_panel1);
        labs[size_t(k)]->setObjectName(QLatin1String(labNames[k]));
        labs[size_t(k)]->move(columns[k] + 26, 4);
        labs[size_t(k)]->adjustSize();

        edits[size_t(k)] = new QLineEdit(QStringLiteral(" 100 %"), m_panel1);
        edits[size_t(k)]->setObjectName(QLatin1String(editNames[k]));
        edits[size_t(k)]->setGeometry(columns[k] + 26, 24, 41, 22);
        edits[size_t(k)]->setReadOnly(true);
        // A figure to read, not to edit: no Tab stop (a screen reader still reads it).
        edits[size_t(k)]->setFocusPolicy(Qt::NoFocus);
        edits[size_t(k)]->setAccessibleName(QStringLiteral("Pourcentage de ") + labTexts[k].toLower());
    }
    m_rBar = bars[0];
    m_gBar = bars[1];
    m_bBar = bars[2];
    m_label1 = labs[0];
    m_label2 = labs[1];
    m_label3 = labs[2];
    m_rEdit = edits[0];
    m_gEdit = edits[1];
    m_bEdit = edits[2];

    for (int i = 0; i < int(m_colourBouts.size()); ++i) {
        const TColourButton &b = TEclaireState::ColourButtons[size_t(i)];
        auto *bout = new QToolButton(m_panel1);
        bout->setObjectName(QLatin1String(b.Name));
        bout->setGeometry(b.Left, b.Top, 20, 20);
        bout->setIcon(Swatch(b));
        bout->setIconSize(QSize(14, 14));
        bout->setToolTip(QStringLiteral(" Sélectionner une couleur pour la lumière d'éclairage"));
        bout->setAccessibleName(QString::fromUtf8(b.Spoken));
        connect(bout, &QToolButton::clicked, this, [this, i] { CoulBoutClick(i); });
        m_colourBouts[size_t(i)] = bout;
    }

    // The file group | the bars | the colour buttons.
    m_bevel1 = MakeBevel(m_panel1, "Bevel1", QRect(174, 2, 2, 89));
    m_bevel2 = MakeBevel(m_panel1, "Bevel2", QRect(410, 2, 2, 89));
}

TDibPlus *TEclaireF::PictureImage() const
{
    return m_state.ScenePicture();
}

void TEclaireF::ResetControls()
{
    m_state.ResetControls();
    SetBarsQuietly({0, 0, 0});
    SetCheckSilently(*StretchCheck(), false);
    SetCheckSilently(*m_fullSizeCheck, false);
    SetCheckSilently(*m_linkCheck, false);
    ShowPercentages();
}

void TEclaireF::SetBarsQuietly(const std::array<int32_t, 3> &positions)
{
    const std::array<QScrollBar *, 3> bars{m_rBar, m_gBar, m_bBar};
    for (size_t k = 0; k < bars.size(); ++k) {
        const QSignalBlocker quiet(bars[k]);
        bars[k]->setValue(positions[k]);
    }
}

void TEclaireF::ShowPercentages()
{
    const std::array<QString, 3> texts = m_state.ShowPercentages();
    const std::array<QLineEdit *, 3> edits{m_rEdit, m_gEdit, m_bEdit};
    const std::array<QScrollBar *, 3> bars{m_rBar, m_gBar, m_bBar};
    const std::array<QLabel *, 3> labs{m_label1, m_label2, m_label3};
    for (size_t k = 0; k < 3; ++k) {
        edits[k]->setText(texts[k]);
        edits[k]->repaint();
        bars[k]->setAccessibleName(labs[k]->text() + QStringLiteral(" :") + texts[k]);
    }
    m_zone->DescriptionChanged();
}

void TEclaireF::PictureShow()
{
    ResetControls();
    m_state.Show();
}

void TEclaireF::PictureClose()
{
    m_state.Close();
}

void TEclaireF::LayoutZones(int clientWidth, int clientHeight)
{
    const TEclaireZones zones = m_state.LayoutZones(clientWidth, clientHeight);
    m_zone->setGeometry(zones.Zone);
    m_projoZone->setGeometry(zones.ProjoZone);
    m_originZone->setGeometry(zones.OriginZone);
    m_blancLab->move(zones.BlancLabLeft(m_blancLab->width()), zones.BlancLabTop);
}

void TEclaireF::PictureDrawn()
{
    m_state.RenderScene();
    m_zone->update();
    m_projoZone->update();
    m_originZone->update();
}

QImage TEclaireF::CopyImage() const
{
    return m_state.CopyImage();
}

void TEclaireF::Repaint(const TDamage &damage)
{
    for (QWidget *area : {static_cast<QWidget *>(m_zone), static_cast<QWidget *>(m_projoZone)})
        (void)RepaintDamage(damage, *area);
}

void TEclaireF::BarChange(int bar)
{
    if (!IsShowing())
        return;
    const TDamage damage = m_state.BarChange(bar, {m_rBar->value(), m_gBar->value(), m_bBar->value()});
    ShowBars();
    Repaint(damage);
}

void TEclaireF::ShowBars()
{
    SetBarsQuietly(m_state.BarPositions());
    ShowPercentages();
}

void TEclaireF::CoulBoutClick(int button)
{
    if (!IsShowing())
        return;
    const TDamage damage = m_state.ColourButtonClick(button);
    ShowBars();
    Repaint(damage);
}

void TEclaireF::FullSizeCheckClick()
{
    if (!IsShowing())
        return;
    Repaint(m_state.SetWholeScene(m_fullSizeCheck->isChecked()));
}

void TEclaireF::ShowChange(const TDamage &damage)
{
    Repaint(damage);
    if (!damage.IsEmpty())
        m_zone->DescriptionChanged();
}

void TEclaireF::PictureMouseDown(const QMouseEvent &event)
{
    const QPoint at = event.position().toPoint();
    if (event.button() == Qt::LeftButton)
        Repaint(m_state.MouseLeft(at.x(), at.y()));
    else if (event.button() == Qt::RightButton)
        ShowChange(m_state.MouseRight(event.modifiers() & Qt::ControlModifier));
}

bool TEclaireF::PictureKeyPress(const QKeyEvent &key)
{
    if (const QPoint step = ArrowStep(key); !step.isNull()) {
        Repaint(m_state.KeyMove(step.x(), step.y()));
        m_zone->DescriptionChanged();
        return true;
    }
    if (const int sign = PlusMinus(key)) {
        ShowChange(m_state.MouseRight(sign < 0));
        return true;
    }
    return false;
}

TWorkshopF::TProbeSpot TEclaireF::KeyProbeSpot() const
{
    return {m_zone, QPoint(m_state.SpotX(), m_state.SpotY())};
}

QRect TEclaireF::FocusFrameRect(const QWidget *area) const
{
    // The projector's strip belongs to the lit scene: the frame goes round both.
    if (area == m_zone)
        return m_zone->geometry() | m_projoZone->geometry();
    return TPictureWorkshopF::FocusFrameRect(area);
}

void TEclaireF::PictureMouseMove(const QMouseEvent &event)
{
    if (event.buttons() & Qt::LeftButton) {
        const QPoint at = event.position().toPoint();
        Repaint(m_state.MouseLeft(at.x(), at.y()));
    }
}

void TEclaireF::wheelEvent(QWheelEvent *event)
{
    if (IsShowing())
        ShowChange(m_state.Wheel(WheelDelta(event->angleDelta())));
    event->accept();
}

} // namespace Irisonde
