// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workshops/SynthU.h"

#include "workshops/RepaintU.h"

#include "shell/BevelU.h"
#include "shell/PaintBoxU.h"
#include "shell/CheckBoxU.h"
#include "workshops/state/SynthState.h"
#include "imaging/ColourProbeU.h"
#include "imaging/WheelU.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>

namespace Irisonde {

namespace {

constexpr int MinOuterWidth = 460;
constexpr int MinOuterHeight = 360;
constexpr int DesignClientW = 592;
constexpr int DesignClientH = 413;
// The screen's top-left; the strip lies under it at the same left.
constexpr int ZoneLeft = TSynthState::AreaLeft;
constexpr int ZoneTop = TSynthState::AreaTop;
// The toolbar's three columns, one per disc: a bar, and right of it a label
// above a read-only edit.
constexpr std::array<int, 3> BarLefts{184, 260, 336};
constexpr int BarTop = 5, BarW = 21, BarH = 80;
constexpr int BarMax = TSynthState::PercentBarMax, BarSmallStep = 2, BarLargeStep = 20;
constexpr int TextGap = 26; // bar's left to its label's and edit's
constexpr int LabelTop = 4;
constexpr int EditTop = 24, EditW = 41, EditH = 22;
constexpr int CheckLeft = 7, LinkCheckTop = 35, EtenduCheckTop = 55, CheckW = 133, CheckH = 17;
constexpr int Bevel3Left = 174, Bevel1Left = 410;
constexpr int BevelTop = 2, BevelW = 2, BevelH = 89;

// Draws `image` at the top-left of a paint box, or the background colour
// while there is none.
void DrawOrFill(QPainter &p, TDibPlus *image, const QColor &back, const QRect &area)
{
    if (image && image->HasStore())
        image->Draw(p, 0, 0);
    else
        p.fillRect(area, back);
}

} // namespace

TSynthF::TSynthF(TProgram &program, const TWorkshopRow &row, const TSynthTexts &texts, std::unique_ptr<TSynthState> s,
                 QWidget *parent)
    : TWorkshopF(program, row, PanelHeight, false, parent), m_state(std::move(s)), m_texts(texts)
{
    resize(DesignClientW, DesignClientH);

    const QColor back = (m_state->BackColour() & 0xFFFFFF) ? Qt::white : Qt::black;
    m_zone = new TPaintBox(this, QRect(ZoneLeft, ZoneTop, 100, 100), [this, back](QPainter &p) {
        DrawOrFill(p, m_state->FrameLayer(), back, m_zone->rect());
    });
    m_zone->setObjectName(QStringLiteral("Zone"));
    m_stripZone = new TPaintBox(this, QRect(ZoneLeft, ZoneTop + 100, 100, m_state->StripHeight()), [this, back](QPainter &p) {
        DrawOrFill(p, m_state->StripImage(), back, m_stripZone->rect());
    });
    m_stripZone->setObjectName(texts.stripName);
    m_zone->setAccessibleName(texts.zoneSpoken);
    m_zone->SetDescriber([this] { return ZoneDescription(); });
    m_stripZone->setAccessibleName(texts.stripSpoken);
    AddPictureArea(m_zone);
    for (QWidget *z : {static_cast<QWidget *>(m_zone), static_cast<QWidget *>(m_stripZone)}) {
        z->setAttribute(Qt::WA_OpaquePaintEvent);
        AddWheelArea(z); // the wheel acts wherever the pointer is on the pictures
    }

    m_panel2 = ToolBarFrame();
    m_panel2->setObjectName(QStringLiteral("Panel2"));
    const std::array<QString, 4> editNames{QString(), QStringLiteral("Redit"), QStringLiteral("GEdit"), QStringLiteral("BEdit")};
    std::array<QLineEdit *, 4> edits{};
    for (int k = 1; k <= 3; ++k) {
        m_labs[k] = new QLabel(texts.labTexts[k - 1], m_panel2);
        m_labs[k]->setObjectName(texts.labNames[k - 1]);
        const int column = BarLefts[size_t(k - 1)];
        m_labs[k]->move(column + TextGap, LabelTop);
        m_labs[k]->adjustSize();

        m_bars[k] = new QScrollBar(Qt::Vertical, m_panel2);
        m_bars[k]->setObjectName(texts.barNames[k - 1]);
        m_bars[k]->setGeometry(column, BarTop, BarW, BarH);
        m_bars[k]->setRange(0, BarMax);
        m_bars[k]->setSingleStep(BarSmallStep);
        m_bars[k]->setPageStep(BarLargeStep);
        m_bars[k]->setToolTip(texts.barHints[k - 1]);
        connect(m_bars[k], &QScrollBar::valueChanged, this, [this, k] { BarChange(k); });

        edits[k] = new QLineEdit(QStringLiteral(" 100 %"), m_panel2);
        edits[k]->setObjectName(editNames[k]);
        edits[k]->setGeometry(column + TextGap, EditTop, EditW, EditH);
        edits[k]->setReadOnly(true);
        edits[k]->setFocusPolicy(Qt::NoFocus); // a figure to read, not a Tab stop
        edits[k]->setAccessibleName(QStringLiteral("Pourcentage de ") + texts.labTexts[k - 1].toLower());
    }
    m_rEdit = edits[1];
    m_gEdit = edits[2];
    m_bEdit = edits[3];

    m_linkCheck = new QCheckBox(QStringLiteral(" Lier les 3 composantes"), m_panel2);
    m_linkCheck->setObjectName(QStringLiteral("LinkCheck"));
    // Wide enough for the caption in the platform's font, whatever its box.
    m_linkCheck->setGeometry(CheckLeft, LinkCheckTop, std::max(CheckW, m_linkCheck->sizeHint().width()), CheckH);
    m_linkCheck->setToolTip(texts.linkHint);
    // The link takes effect at the next bar change: nothing to redraw.
    connect(m_linkCheck, &QCheckBox::toggled, this, [this](bool linked) { m_state->SetLink(linked); });
    m_etenduCheck = new QCheckBox(QStringLiteral(" Synthèse étendue"), m_panel2);
    m_etenduCheck->setObjectName(QStringLiteral("EtenduCheck"));
    m_etenduCheck->setGeometry(CheckLeft, EtenduCheckTop, CheckW, CheckH);
    m_etenduCheck->setToolTip(texts.etenduHint);
    connect(m_etenduCheck, &QCheckBox::toggled, this, &TSynthF::EtenduCheckClick);

    m_bevel3 = MakeBevel(m_panel2, "Bevel3", QRect(Bevel3Left, BevelTop, BevelW, BevelH));
    m_bevel1 = MakeBevel(m_panel2, "Bevel1", QRect(Bevel1Left, BevelTop, BevelW, BevelH));
}

TSynthF::~TSynthF() = default;

void TSynthF::ResetControls()
{
    m_state->ResetState();
    SetBarsQuietly(0);
    for (int k = 1; k <= 3; ++k)
        m_bars[k]->setEnabled(false);
    m_linkCheck->setEnabled(false);
    Irisonde::SetCheckSilently(*m_linkCheck, false);
    Irisonde::SetCheckSilently(*m_etenduCheck, false);
    ShowPercentages();
}

void TSynthF::ShowPercentages()
{
    const std::array<QLineEdit *, 4> edits{nullptr, m_rEdit, m_gEdit, m_bEdit};
    for (int k = 1; k <= 3; ++k) {
        const QString percent = QString::number(m_state->Disc(k).Percent) + QStringLiteral(" %");
        edits[k]->setText(QStringLiteral(" ") + percent);
        m_bars[k]->setAccessibleName(m_texts.labTexts[size_t(k - 1)] + QStringLiteral(" : ") + percent);
    }
    m_zone->DescriptionChanged();
}

QString TSynthF::PlacesDescription() const
{
    // Where the discs stand, as the pupil moves them: left to right, and
    // which of them overlap.
    const auto name = [this](int k) { return QStringLiteral("le ") + m_texts.discSpoken[size_t(k - 1)]; };
    std::array<int, 3> order{1, 2, 3};
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) { return m_state->Disc(a).X < m_state->Disc(b).X; });
    QString said = QStringLiteral("De gauche à droite : ") + name(order[0]) + QStringLiteral(", ") + name(order[1])
                 + QStringLiteral(", ") + name(order[2]) + QStringLiteral(". ");
    const TSynthState::TOverlaps o = m_state->Overlaps();
    if (o.All)
        return said + QStringLiteral("Les trois disques se superposent en leur milieu.");
    static constexpr std::array<std::pair<int, int>, 3> pairs{{{1, 2}, {1, 3}, {2, 3}}};
    QStringList parts;
    for (size_t i = 0; i < pairs.size(); ++i)
        if (o.Pairs[i])
            parts << name(pairs[i].first) + QStringLiteral(" chevauche ") + name(pairs[i].second);
    for (int k = 1; k <= 3; ++k) {
        bool alone = true;
        for (size_t i = 0; i < pairs.size(); ++i)
            alone = alone && !(o.Pairs[i] && (pairs[i].first == k || pairs[i].second == k));
        if (alone)
            parts << name(k) + QStringLiteral(" est à l'écart des autres");
    }
    QString rest = parts.join(QStringLiteral(", ")) + QStringLiteral(".");
    rest[0] = rest[0].toUpper();
    return said + rest;
}

QString TSynthF::ZoneDescription() const
{
    QStringList discs;
    for (int k = 1; k <= 3; ++k) {
        const int percent = m_state->Disc(k).Percent;
        discs << m_texts.discSpoken[size_t(k - 1)] + QStringLiteral(" : ")
                     + (percent == 0 ? m_texts.offSpoken : QString::number(percent) + QStringLiteral(" %"));
    }
    QString said = discs.join(QStringLiteral(", "));
    said[0] = said[0].toUpper();
    return said + QStringLiteral(". ") + PlacesDescription() + QStringLiteral(" Rayon : ") + QString::number(m_state->DiscRadius())
         + QStringLiteral(" pixels. Le clavier déplace le ") + m_texts.discSpoken[size_t(m_state->KeyDisc() - 1)]
         + QStringLiteral(" (touches 1, 2, 3 pour choisir, flèches pour déplacer, + et - pour le rayon).");
}

void TSynthF::Repaint(const TDamage &damage)
{
    for (QWidget *area : {static_cast<QWidget *>(m_zone), static_cast<QWidget *>(m_stripZone)})
        (void)RepaintDamage(damage, *area);
}

void TSynthF::SetBarsQuietly(int value)
{
    for (int k = 1; k <= 3; ++k) {
        const QSignalBlocker quiet(m_bars[k]);
        m_bars[k]->setValue(value);
    }
}

void TSynthF::BarChange(int k)
{
    const TDamage damage = m_state->BarChange(k, {m_bars[1]->value(), m_bars[2]->value(), m_bars[3]->value()});
    if (m_state->Linked())
        SetBarsQuietly(m_bars[k]->value());
    Repaint(damage);
    ShowPercentages();
}

void TSynthF::EtenduCheckClick()
{
    const bool extended = m_etenduCheck->isChecked();
    const TDamage damage = m_state->SetExtended(extended);
    m_linkCheck->setEnabled(extended); // off, its tick and the link stay
    for (int k = 1; k <= 3; ++k)
        m_bars[k]->setEnabled(extended);
    if (!extended) {
        SetBarsQuietly(0);
        ShowPercentages();
    }
    Repaint(damage);
}

void TSynthF::FormShow()
{
    ResetControls();
    m_state->Show(width(), height());
    m_open = true;
    PlaceZones();
    m_zone->update();
    m_stripZone->update();
}

void TSynthF::FormClose()
{
    m_open = false;
    m_state->Close();
}

void TSynthF::PlaceZones()
{
    m_zone->setGeometry(m_state->ScreenPlace());
    m_stripZone->setGeometry(m_state->StripPlace());
}

QSize TSynthF::LeastOuterSize() const
{
    // Room for three discs of the least radius side by side.
    return {MinOuterWidth, MinOuterHeight};
}

void TSynthF::FormResize()
{
    m_state->Resize(width(), height(), m_open);
    PlaceZones();
    m_zone->update();
    m_stripZone->update();
}

QRect TSynthF::FocusFrameRect(const QWidget *area) const
{
    // The strip belongs to the screen: the frame goes round both.
    if (area == m_zone)
        return m_zone->geometry() | m_stripZone->geometry();
    return TWorkshopF::FocusFrameRect(area);
}

void TSynthF::resizeEvent(QResizeEvent *event)
{
    TWorkshopF::resizeEvent(event);
    FormResize();
}

QImage TSynthF::CopyImage() const
{
    return m_state->CopyImage();
}

void TSynthF::wheelEvent(QWheelEvent *event)
{
    if (m_open)
        ChangeRadius(TSynthState::RadiusStep * WheelNotches(WheelDelta(event->angleDelta())));
    event->accept();
}

void TSynthF::ChangeRadius(int delta)
{
    const TDamage damage = m_state->ChangeRadius(delta);
    Repaint(damage);
    if (!damage.IsEmpty())
        m_zone->DescriptionChanged();
}

void TSynthF::PictureMouseDown(const QMouseEvent &event)
{
    const QPoint at = event.position().toPoint();
    if (event.button() == Qt::LeftButton)
        m_state->StartDrag(at.x(), at.y());
    else if (event.button() == Qt::RightButton)
        ChangeRadius(event.modifiers() & Qt::ControlModifier ? -TSynthState::RadiusStep : TSynthState::RadiusStep);
}

void TSynthF::PictureMouseMove(const QMouseEvent &event)
{
    const QPoint at = event.position().toPoint();
    Repaint(m_state->DragTo(at.x(), at.y()));
}

bool TSynthF::PictureKeyPress(const QKeyEvent &key)
{
    if (const int k = ChoiceKey(key)) {
        m_state->SetKeyDisc(k);
        m_zone->DescriptionChanged();
        return true;
    }
    if (const QPoint step = ArrowStep(key); !step.isNull()) {
        Repaint(m_state->KeyMove(step.x(), step.y()));
        return true;
    }
    if (const int sign = PlusMinus(key)) {
        ChangeRadius(sign * TSynthState::RadiusStep);
        return true;
    }
    return false;
}

TWorkshopF::TProbeSpot TSynthF::KeyProbeSpot() const
{
    const TDisc &disc = m_state->Disc(m_state->KeyDisc());
    return {m_zone, QPoint(disc.X, disc.Y)};
}

ESynthesis TSynthF::Synthesis() const
{
    // Lights add on a black screen, inks take from white paper.
    return (m_state->BackColour() & 0xFFFFFF) ? ESynthesis::Subtractive : ESynthesis::Additive;
}

QString TSynthF::ProbeMore(const QWidget *area, QRgb shown) const
{
    return area == m_zone ? MixtureName(shown, Synthesis()) : QString();
}

QString TSynthF::ProbeMoreLongest() const
{
    QString longest;
    for (const QRgb corner : {0xFF000000u, 0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFF00FFFFu, 0xFFFF00FFu, 0xFFFFFF00u, 0xFFFFFFFFu})
        if (const QString name = MixtureName(corner, Synthesis()); name.size() > longest.size())
            longest = name;
    return longest;
}

void TSynthF::PictureMouseUp(const QMouseEvent &)
{
    m_state->EndDrag();
}

} // namespace Irisonde
