// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workshops/LumiereU.h"

#include "workshops/RepaintU.h"
#include "workshops/LumierePaintU.h"

#include "imaging/WheelU.h"
#include "shell/CheckBoxU.h"
#include "shell/PaintBoxU.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QWheelEvent>

namespace Irisonde {

namespace {

constexpr int DesignClientW = 720;
constexpr int DesignClientH = 480;
// The toolbar: the light and the filter with their labels, "Comparer" under
// them, then one row per source: lit or not, wavelength, strength.
constexpr int LabLeft = 108, ComboLeft = 160, ComboW = 170, ComboH = 22;
constexpr int RowLeft = 342, CheckW = 92, NmLeft = 436, NmW = 78, PercentLeft = 518, PercentW = 66, SpinH = 22;
constexpr std::array<int, 3> RowTops{5, 33, 61};

const std::array<QString, 3> LedNames{QStringLiteral("LED rouge"), QStringLiteral("LED verte"), QStringLiteral("LED bleue")};

} // namespace

TLumiereF::TLumiereF(TProgram &program, const TWorkshopRow &row, QWidget *parent)
    : TWorkshopF(program, row, TLumiereScreen::ToolbarHeight, false, parent)
{
    resize(DesignClientW, DesignClientH);

    m_zone = new TPaintBox(this, QRect(6, 4, 100, 100), [this](QPainter &p) {
        if (m_curves.isNull() || m_curvesSize != m_screen.Places().Curves.size() || m_curvesVision != m_screen.Vision()) {
            m_curves = PaintCurvesLayer(m_screen);
            m_curvesSize = m_screen.Places().Curves.size();
            m_curvesVision = m_screen.Vision();
        }
        p.translate(-m_zone->pos()); // the screen state places its parts in client coordinates
        PaintLumiereWorkshop(p, m_screen, m_curves);
    });
    m_zone->setObjectName(QStringLiteral("Zone"));
    m_zone->setAttribute(Qt::WA_OpaquePaintEvent);
    m_zone->setAccessibleName(QStringLiteral("Spectre de la lumière, cônes et couleur perçue"));
    m_zone->SetDescriber([this] { return m_screen.Describe(); });
    AddPictureArea(m_zone);
    AddWheelArea(m_zone);

    QFrame *bar = ToolBarFrame();
    bar->setObjectName(QStringLiteral("Panel1"));
    const auto label = [bar](const char *name, const QString &text, int top) {
        auto *lab = new QLabel(text, bar);
        lab->setObjectName(QLatin1String(name));
        lab->move(LabLeft, top + 4);
        lab->adjustSize();
        return lab;
    };
    const auto combo = [this, bar](const char *name, const QString &spoken, const QString &hint, int top) {
        auto *box = new QComboBox(bar);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(ComboLeft, top, ComboW, ComboH);
        box->setToolTip(hint);
        box->setAccessibleName(spoken);
        box->view()->setAccessibleName(spoken + QStringLiteral(" : les choix"));
        return box;
    };
    m_lightLab = label("LightLab", QStringLiteral("Lumière :"), RowTops[0]);
    m_lightCombo = combo("LightCombo", QStringLiteral("Lumière"),
                         QStringLiteral(" Choisir la lumière : blanche, des sources d'une seule longueur d'onde ou l'écran"), RowTops[0]);
    for (ELight light : {ELight::White, ELight::Sources, ELight::Screen})
        m_lightCombo->addItem(TLumiereState::LightName(light));
    m_filterLab = label("FilterLab", QStringLiteral("Filtre :"), RowTops[1]);
    m_filterCombo = combo("FilterCombo", QStringLiteral("Filtre"),
                          QStringLiteral(" Placer un filtre coloré entre la lumière et l'œil"), RowTops[1]);
    for (EFilter f : {EFilter::None, EFilter::Red, EFilter::Green, EFilter::Blue, EFilter::Cyan, EFilter::Magenta, EFilter::Yellow})
        m_filterCombo->addItem(TFilteredLight::FilterName(f));
    m_lightLab->setBuddy(m_lightCombo);
    m_filterLab->setBuddy(m_filterCombo);
    connect(m_lightCombo, &QComboBox::currentIndexChanged, this, &TLumiereF::LightChosen);
    connect(m_filterCombo, &QComboBox::currentIndexChanged, this, &TLumiereF::FilterChosen);

    m_compareBout = new QPushButton(QStringLiteral("Comparer"), bar);
    m_compareBout->setObjectName(QStringLiteral("CompareBout"));
    m_compareBout->setGeometry(ComboLeft, RowTops[2], 100, 24);
    m_compareBout->setToolTip(QStringLiteral(" Garder la couleur perçue pour la comparer à celle d'une autre lumière"));
    m_compareBout->setFocusPolicy(Qt::TabFocus); // a click leaves the keys on the picture
    connect(m_compareBout, &QPushButton::clicked, this, [this] { ShowChange(m_screen.Compare()); });

    for (int k = 1; k <= TLumiereState::SourceCount; ++k) {
        const size_t i = size_t(k - 1);
        const int top = RowTops[i];
        auto *check = new QCheckBox(bar);
        check->setObjectName(QStringLiteral("SourceCheck%1").arg(k));
        check->setGeometry(RowLeft, top + 1, CheckW, 20);
        check->setToolTip(QStringLiteral(" Allumer ou éteindre cette source"));
        connect(check, &QCheckBox::toggled, this, [this, k](bool on) { ShowChange(m_screen.SetSourceOn(k, on)); });
        auto *nm = new QSpinBox(bar);
        nm->setObjectName(QStringLiteral("NmSpin%1").arg(k));
        nm->setGeometry(NmLeft, top, NmW, SpinH);
        nm->setRange(TLumiereState::MinNm, TLumiereState::MaxNm);
        nm->setSuffix(QStringLiteral(" nm"));
        nm->setKeyboardTracking(false); // a figure typed counts once entered
        nm->setToolTip(QStringLiteral(" Longueur d'onde de la source, de 380 à 780 nm"));
        nm->setAccessibleName(QStringLiteral("Longueur d'onde de la source %1").arg(k));
        connect(nm, &QSpinBox::valueChanged, this, [this, k](int value) { ShowChange(m_screen.SetWavelength(k, value)); });
        auto *percent = new QSpinBox(bar);
        percent->setObjectName(QStringLiteral("PercentSpin%1").arg(k));
        percent->setGeometry(PercentLeft, top, PercentW, SpinH);
        percent->setRange(0, 100);
        percent->setSuffix(QStringLiteral(" %"));
        percent->setKeyboardTracking(false);
        percent->setToolTip(QStringLiteral(" Force de la lumière, de 0 à 100 %"));
        connect(percent, &QSpinBox::valueChanged, this, [this, k](int value) { ShowChange(m_screen.SetStrength(k, value)); });
        for (QSpinBox *spin : {nm, percent})
            spin->setFocusPolicy(Qt::StrongFocus); // not the wheel's: the wheel belongs to the picture
        m_sourceChecks[i] = check;
        m_nmSpins[i] = nm;
        m_percentSpins[i] = percent;
    }
}

void TLumiereF::FormShow()
{
    m_screen.Reset();
    (void)m_screen.SetVision(Vision()); // the view stays for the run
    PlaceZone();
    ShowControls();
    m_zone->update();
    m_zone->DescriptionChanged();
}

void TLumiereF::PlaceZone()
{
    m_screen.Place(width(), height());
    m_zone->setGeometry(m_screen.Places().Zone);
}

void TLumiereF::resizeEvent(QResizeEvent *event)
{
    TWorkshopF::resizeEvent(event);
    PlaceZone();
    m_zone->update();
}

QImage TLumiereF::CopyImage() const
{
    return m_zone->grab().toImage();
}

void TLumiereF::ShowControls()
{
    const TLumiereState &s = m_screen.State();
    const ELight light = s.Light();
    {
        const QSignalBlocker quietLight(m_lightCombo), quietFilter(m_filterCombo);
        m_lightCombo->setCurrentIndex(int(light));
        m_filterCombo->setCurrentIndex(int(s.Filter()));
    }
    for (int k = 1; k <= TLumiereState::SourceCount; ++k) {
        const size_t i = size_t(k - 1);
        QCheckBox *check = m_sourceChecks[i];
        QSpinBox *nm = m_nmSpins[i], *percent = m_percentSpins[i];
        const QSignalBlocker quietCheck(check), quietNm(nm), quietPercent(percent);
        // The white has one strength and no wavelength; the LEDs their
        // strengths and fixed peaks; the sources all three.
        const bool row = light != ELight::White || k == 1;
        check->setText(light == ELight::Sources ? QStringLiteral("Source %1").arg(k)
                       : light == ELight::Screen ? LedNames[i]
                                                 : (k == 1 ? QStringLiteral("Blanche") : QStringLiteral("Source %1").arg(k)));
        check->setChecked(light == ELight::Sources ? s.Source(k).On : row);
        check->setEnabled(light == ELight::Sources);
        check->setVisible(row);
        nm->setValue(light == ELight::Screen ? int(TFilteredLight::LedPeakNm[i]) : s.Source(k).Wavelength);
        nm->setEnabled(light == ELight::Sources);
        nm->setVisible(light != ELight::White);
        const double strength = light == ELight::Sources ? s.Source(k).Strength
                              : light == ELight::Screen  ? s.LedStrength(k)
                                                         : s.WhiteStrength();
        percent->setValue(qRound(strength));
        percent->setVisible(row);
        const QString spoken = QStringLiteral("Force de ") + (light == ELight::Screen ? QStringLiteral("la ") + LedNames[i]
                                                              : light == ELight::White ? QStringLiteral("la lumière blanche")
                                                                                       : QStringLiteral("la source %1").arg(k));
        if (percent->accessibleName() != spoken) // a new name is announced, even the same
            percent->setAccessibleName(spoken);
    }
}

void TLumiereF::ShowChange(const TDamage &damage)
{
    ShowControls();
    if (damage.IsEmpty())
        return;
    (void)RepaintDamage(damage, *m_zone);
    m_zone->DescriptionChanged();
}

void TLumiereF::LightChosen(int index)
{
    ShowChange(m_screen.ChooseLight(ELight(index)));
}

void TLumiereF::FilterChosen(int index)
{
    ShowChange(m_screen.ChooseFilter(EFilter(index)));
}

void TLumiereF::VisionChosen(EVision vision)
{
    ShowChange(m_screen.SetVision(vision));
}

TWorkshopF::TProbeSpot TLumiereF::KeyProbeSpot() const
{
    return {m_zone, m_screen.Places().Patch.center() - m_zone->pos()};
}

void TLumiereF::PictureMouseDown(const QMouseEvent &event)
{
    if (event.button() == Qt::LeftButton)
        ShowChange(m_screen.Press(event.position().toPoint() + m_zone->pos()));
}

void TLumiereF::PictureMouseMove(const QMouseEvent &event)
{
    if (event.buttons() & Qt::LeftButton)
        ShowChange(m_screen.DragTo(event.position().toPoint() + m_zone->pos()));
}

void TLumiereF::PictureMouseUp(const QMouseEvent &)
{
    m_screen.Release();
}

bool TLumiereF::PictureKeyPress(const QKeyEvent &key)
{
    if (const int k = ChoiceKey(key)) {
        ShowChange(m_screen.Select(k));
        return true;
    }
    if (const QPoint step = ArrowStep(key); !step.isNull()) {
        // Left and right along the spectrum; up and down the strength by 1 %
        // (10 with Shift), finer than + and -, to match two lights closely.
        ShowChange(step.x() != 0 ? m_screen.Move(step.x()) : m_screen.ChangeStrength(-step.y()));
        return true;
    }
    if (const int sign = PlusMinus(key)) {
        ShowChange(m_screen.ChangeStrength(sign * TLumiereState::StrengthStep));
        return true;
    }
    if (key.key() == Qt::Key_Space) {
        ShowChange(m_screen.ToggleSelected());
        return true;
    }
    return false;
}

void TLumiereF::wheelEvent(QWheelEvent *event)
{
    ShowChange(m_screen.Wheel(WheelDelta(event->angleDelta())));
    event->accept();
}

} // namespace Irisonde
