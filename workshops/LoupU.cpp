// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workshops/LoupU.h"

#include "workshops/RepaintU.h"

#include "shell/BevelU.h"
#include "shell/PaintBoxU.h"
#include "shell/SpinButtonU.h"

#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <functional>

namespace Irisonde {

namespace {

constexpr int DesignClientW = 547;
constexpr int DesignClientH = 406;

} // namespace

TLoupF::TLoupF(TProgram &program, const TWorkshopRow &row, QWidget *parent)
    : TPictureWorkshopF(program, row, 93, QStringLiteral(" Loupe sur un écran de télévision"), parent)
{
    resize(DesignClientW, DesignClientH);

    m_zone = new TPaintBox(this, QRect(TLoupState::ZoneLeft, TLoupState::ZoneTop, 0, 0), [this](QPainter &p) {
        TDibPlus *screen = m_state.ScreenImage();
        if (screen && screen->HasStore())
            screen->Draw(p, 0, 0);
        else
            p.fillRect(m_zone->rect(), Qt::black);
    });
    m_zone->setObjectName(QStringLiteral("Zone"));
    m_zone->setAttribute(Qt::WA_OpaquePaintEvent);
    AddWheelArea(m_zone);
    m_zone->setAccessibleName(QStringLiteral("Écran de télévision et sa loupe"));
    m_zone->SetDescriber([this] { return m_state.Describe(); });
    AddPictureArea(m_zone);

    m_panel1 = ToolBarFrame();
    m_panel1->setObjectName(QStringLiteral("Panel1"));
    StretchCheck()->move(8, 69);

    m_zoomSpin = new TSpinButton(m_panel1, QRect(182, 7, 19, 30));
    m_zoomSpin->setObjectName(QStringLiteral("ZoomSpin"));
    m_zoomSpin->setToolTip(QStringLiteral(" Ajuster le facteur de grossissement"));
    m_zoomSpin->SetSpoken(QStringLiteral("Grossir davantage"), QStringLiteral("Grossir moins"));
    connect(m_zoomSpin, &TSpinButton::UpClick, this, [this] { Act([this] { return m_state.ChangeZoomLevel(1); }); });
    connect(m_zoomSpin, &TSpinButton::DownClick, this, [this] { Act([this] { return m_state.ChangeZoomLevel(-1); }); });
    m_tailleSpin = new TSpinButton(m_panel1, QRect(182, 51, 19, 30));
    m_tailleSpin->setObjectName(QStringLiteral("TailleSpin"));
    m_tailleSpin->setToolTip(QStringLiteral(" Ajuster la taille de la loupe"));
    m_tailleSpin->SetSpoken(QStringLiteral("Agrandir la loupe"), QStringLiteral("Réduire la loupe"));
    connect(m_tailleSpin, &TSpinButton::UpClick, this,
            [this] { Act([this] { return m_state.ChangeMagSize(TLoupState::MagSizeStep); }); });
    connect(m_tailleSpin, &TSpinButton::DownClick, this,
            [this] { Act([this] { return m_state.ChangeMagSize(-TLoupState::MagSizeStep); }); });

    m_facteurLab = new QLabel(QStringLiteral("Facteur de grossissement\nBouton droit ( Ctrl ) ou molette de la souris"), m_panel1);
    m_facteurLab->setObjectName(QStringLiteral("FacteurLab"));
    m_facteurLab->move(207, 8);
    m_facteurLab->adjustSize();
    m_tailleLab = new QLabel(QStringLiteral("Taille de la loupe\nShift + molette de la souris"), m_panel1);
    m_tailleLab->setObjectName(QStringLiteral("Taillelab"));
    m_tailleLab->move(207, 52);
    m_tailleLab->adjustSize();

    m_bevel1 = MakeBevel(m_panel1, "Bevel1", QRect(174, 2, 2, 89));
    m_bevel2 = MakeBevel(m_panel1, "Bevel2", QRect(418, 2, 2, 89));
}

TDibPlus *TLoupF::PictureImage() const
{
    return m_state.PictureImage();
}

void TLoupF::PictureShow()
{
    // Size and centre as at every opening; the zoom level as last left.
    (void)m_state.Show(width(), height());
}

void TLoupF::PictureClose()
{
    m_state.Close();
}

void TLoupF::LayoutZones(int clientWidth, int clientHeight)
{
    m_zone->setGeometry(m_state.LayoutZones(clientWidth, clientHeight).Zone);
}

void TLoupF::PictureDrawn()
{
    m_state.RenderMagnifier();
    m_zone->update();
}

QImage TLoupF::CopyImage() const
{
    return m_state.CopyImage();
}

void TLoupF::Act(const std::function<TDamage()> &action)
{
    if (IsShowing())
        (void)RepaintDamage(action(), *m_zone);
}

bool TLoupF::PictureKeyPress(const QKeyEvent &key)
{
    // "+" needs Shift on French and US keyboards: the key that types it
    // changes the level whatever the modifiers; the size has its own keys.
    const int sign = PlusMinus(key);
    const QPoint step = ArrowStep(key);
    const int page = key.key() == Qt::Key_PageUp ? 1 : key.key() == Qt::Key_PageDown ? -1 : 0;
    if (step.isNull() && !sign && !page)
        return false;
    Act([&] {
        if (!step.isNull())
            return m_state.MoveMagnifier(m_state.MagX() + step.x(), m_state.MagY() + step.y());
        if (sign)
            return m_state.ChangeZoomLevel(sign);
        return m_state.ChangeMagSize(page * TLoupState::MagSizeStep);
    });
    m_zone->DescriptionChanged();
    return true;
}

TWorkshopF::TProbeSpot TLoupF::KeyProbeSpot() const
{
    return {m_zone, QPoint(m_state.MagX(), m_state.MagY())};
}

void TLoupF::wheelEvent(QWheelEvent *event)
{
    Act([&] { return m_state.MouseWheel(event->angleDelta(), event->modifiers()); });
    event->accept();
}

void TLoupF::PictureMouseDown(const QMouseEvent &event)
{
    const QPoint at = event.position().toPoint();
    Act([&] { return m_state.MouseDown(event.button(), event.modifiers(), at.x(), at.y()); });
}

void TLoupF::PictureMouseMove(const QMouseEvent &event)
{
    const QPoint at = event.position().toPoint();
    Act([&] { return m_state.MouseMove(event.buttons(), at.x(), at.y()); });
}

} // namespace Irisonde
