// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/WorkshopPerceptionU.h"

#include "imaging/ColourProbeU.h"
#include "shell/PaintBoxU.h"

#include <QAccessible>
#include <QBackingStore>
#include <QActionGroup>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>

namespace Irisonde {

namespace {

constexpr int ButtonWidth = 30, ButtonHeight = 26, Pitch = 32, Top = 3, ProbeTop = 32;
const QString ProbeName = QStringLiteral("Sonde de couleur (touche C pour l'entendre)");

// An eye, half of its iris in the three lights.
QIcon EyeGlyph()
{
    QPixmap pm(20, 20);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath eye;
    eye.moveTo(1.5, 10);
    eye.quadTo(10, 1.5, 18.5, 10);
    eye.quadTo(10, 18.5, 1.5, 10);
    p.setPen(QPen(QColor(40, 40, 60), 1.2));
    p.setBrush(Qt::white);
    p.drawPath(eye);
    p.setPen(Qt::NoPen);
    const QRectF iris(6, 5, 8, 10);
    p.setBrush(QColor(230, 40, 40));
    p.drawPie(iris, 90 * 16, 120 * 16);
    p.setBrush(QColor(40, 190, 60));
    p.drawPie(iris, 210 * 16, 120 * 16);
    p.setBrush(QColor(50, 80, 230));
    p.drawPie(iris, 330 * 16, 120 * 16);
    p.setBrush(QColor(20, 20, 30));
    p.drawEllipse(QPointF(10, 10), 1.8, 1.8);
    return QIcon(pm);
}

} // namespace

TWorkshopPerception::TWorkshopPerception(QWidget *window, QFrame *toolBar, More more)
    : QObject(window), m_window(window), m_more(std::move(more))
{
    m_visionBout = new QToolButton(toolBar);
    m_visionBout->setObjectName(QStringLiteral("VisionBout"));
    m_visionBout->resize(ButtonWidth, ButtonHeight);
    m_visionBout->setIcon(EyeGlyph());
    m_visionBout->setIconSize(QSize(20, 20));
    m_visionBout->setAutoRaise(true);
    m_visionBout->setToolTip(QStringLiteral(" Voir les images comme une personne dont la vision des couleurs est différente (touche V)"));
    m_visionBout->setPopupMode(QToolButton::InstantPopup);
    auto *menu = new QMenu(m_visionBout);
    menu->setObjectName(QStringLiteral("VisionMenu"));
    auto *group = new QActionGroup(menu);
    for (int32_t v = 0; v < VisionCount; ++v) {
        QAction *act = menu->addAction(VisionName(VisionFromIndex(v)));
        act->setCheckable(true);
        act->setChecked(v == 0);
        group->addAction(act);
        connect(act, &QAction::triggered, this, [this, v] { SetVision(VisionFromIndex(v)); });
        m_visionActs.append(act);
    }
    m_visionBout->setMenu(menu);
    SayVision();

    m_probeLab = new QLabel(toolBar);
    m_probeLab->setObjectName(QStringLiteral("SondeLab"));
    m_probeLab->setToolTip(QStringLiteral(" Couleur affichée sous le pointeur : rouge, vert et bleu de 0 à 255, puis en hexadécimal (touche C pour l'entendre)"));
    // Named, so that its text changing at every move is not read out.
    m_probeLab->setAccessibleName(ProbeName);
    m_probeLab->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetLongest(QString(), 2 * QFontMetrics(m_probeLab->font()).lineSpacing());
}

void TWorkshopPerception::SetLongest(const QString &longest, int height)
{
    const QFontMetrics metrics(m_probeLab->font());
    const QString more = longest.isEmpty() ? QString() : QStringLiteral("\n") + longest;
    m_twoLines = height >= (longest.isEmpty() ? 2 : 3) * metrics.lineSpacing();
    const QString widest = ProbeText(qRgb(255, 255, 255)) + more;
    m_width = metrics.boundingRect(QRect(0, 0, 4000, 4000), Qt::AlignLeft | Qt::AlignTop, widest).width() + 4;
    m_probeLab->resize(m_width, height);
}

QWidget *TWorkshopPerception::Button() const
{
    return m_visionBout;
}

QWidget *TWorkshopPerception::Probe() const
{
    return m_probeLab;
}

void TWorkshopPerception::Place(int left, int right, int saveLeft)
{
    m_visionBout->move(saveLeft - Pitch, Top);
    m_probeLab->setGeometry(left, ProbeTop, std::max(right - left, m_width), m_probeLab->height());
}

void TWorkshopPerception::SayVision()
{
    m_visionBout->setAccessibleName(QStringLiteral("Vision des couleurs : ") + VisionName(m_vision.Vision())
                                    + QStringLiteral(" (touche V)"));
}

QString TWorkshopPerception::ProbeText(QRgb colour) const
{
    return ProbeChannelText(colour) + (m_twoLines ? QStringLiteral("\n") : QStringLiteral("   ")) + ProbeHexText(colour);
}

void TWorkshopPerception::SetVision(EVision vision)
{
    if (vision == m_vision.Vision())
        return;
    m_vision.SetVision(vision);
    m_visionActs[int(vision)]->setChecked(true);
    SayVision();
    for (TPaintBox *area : std::as_const(m_areas))
        area->update(); // the probe is read again as its part repaints
    emit VisionChanged();
}

QImage TWorkshopPerception::Shown(const QImage &image) const
{
    if (image.isNull() || m_vision.Vision() == EVision::Normal)
        return image;
    QImage shown = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    (void)m_vision.Apply(shown, shown.rect());
    return shown;
}

QString TWorkshopPerception::Caption(const QString &title) const
{
    QString plain = title;
    for (int32_t v = 1; v < VisionCount; ++v) {
        const QString said = QStringLiteral(" — ") + VisionName(VisionFromIndex(v));
        if (plain.endsWith(said))
            plain.chop(said.size());
    }
    if (m_vision.Vision() == EVision::Normal)
        return plain;
    return plain + QStringLiteral(" — ") + VisionName(m_vision.Vision());
}

void TWorkshopPerception::Watch(const QList<TPaintBox *> &areas)
{
    for (TPaintBox *area : areas) {
        if (m_areas.contains(area))
            continue;
        m_areas.append(area);
        area->SetView(&m_vision);
        area->setMouseTracking(true);
        area->installEventFilter(this);
        connect(area, &TPaintBox::Painted, this, [this, area](const QRect &part) {
            if (!m_grabbing && area == m_probeArea && part.contains(m_probePoint))
                QueueProbe();
        });
    }
}

bool TWorkshopPerception::eventFilter(QObject *watched, QEvent *event)
{
    auto *area = qobject_cast<TPaintBox *>(watched);
    if (!area || !m_areas.contains(area))
        return false;
    switch (event->type()) {
    case QEvent::MouseMove:
        ProbeAt(area, static_cast<QMouseEvent *>(event)->position().toPoint());
        break;
    case QEvent::Leave:
        if (area == m_probeArea)
            ProbeAt(nullptr, {});
        break;
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (QGuiApplication::mouseButtons() != Qt::NoButton || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            break;
        if (key->key() == Qt::Key_V) {
            const int32_t step = (key->modifiers() & Qt::ShiftModifier) ? VisionCount - 1 : 1;
            SetVision(VisionFromIndex((int32_t(m_vision.Vision()) + step) % VisionCount));
            return true;
        }
        if (key->key() == Qt::Key_C) {
            Speak(area);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return false;
}

void TWorkshopPerception::ProbeAt(QWidget *area, QPoint at)
{
    m_probeArea = area;
    m_probePoint = at;
    ShowProbe();
}

std::optional<QRgb> TWorkshopPerception::ShownPixel() const
{
    if (!m_probeArea || !m_probeArea->isVisible() || !m_probeArea->rect().contains(m_probePoint))
        return std::nullopt;
    QWidget *top = m_probeArea->window();
    // The window's own pixels, as last put on the screen.
    if (QBackingStore *store = top->backingStore())
        if (const auto *image = dynamic_cast<const QImage *>(store->paintDevice())) {
            const QPoint at = (QPointF(m_probeArea->mapTo(top, m_probePoint)) * top->devicePixelRatioF()).toPoint();
            if (image->valid(at))
                return image->pixel(at);
        }
    // A platform that keeps them elsewhere: that one pixel drawn as shown.
    m_grabbing = true;
    const QImage one = m_probeArea->grab(QRect(m_probePoint, QSize(1, 1))).toImage();
    m_grabbing = false;
    if (one.isNull())
        return std::nullopt;
    return one.pixel(0, 0);
}

void TWorkshopPerception::ShowProbe()
{
    const std::optional<QRgb> colour = ShownPixel();
    if (!colour) {
        m_probeLab->clear();
        return;
    }
    QString text = ProbeText(*colour);
    if (const QString more = m_more ? m_more(m_probeArea, *colour) : QString(); !more.isEmpty())
        text += QLatin1Char('\n') + more;
    m_probeLab->setText(text);
}

void TWorkshopPerception::QueueProbe()
{
    // Once the repaint has reached the backing store.
    if (m_probeQueued)
        return;
    m_probeQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_probeQueued = false;
        ShowProbe();
    });
}

void TWorkshopPerception::Speak(QWidget *area)
{
    if (!m_probeArea)
        ProbeAt(area, area->rect().center());
    const std::optional<QRgb> colour = ShownPixel();
    if (!colour)
        return;
    QString sentence = ProbeSentence(*colour);
    if (const QString more = m_more ? m_more(m_probeArea, *colour) : QString(); !more.isEmpty())
        sentence += QLatin1Char(' ') + more;
    m_probeLab->setAccessibleName(sentence);
    // Said again even when the colour has not changed since the last time.
    if (QAccessible::isActive()) {
        QAccessibleEvent said(m_probeLab, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&said);
    }
}

} // namespace Irisonde
