// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/SplashU.h"

#include "IrisondeConfig.h"
#include "shell/AppStateU.h"
#include "shell/PaintBoxU.h"

#include <QApplication>
#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace Irisonde {

namespace {

constexpr int kClientWidth = 366;
constexpr int kClientHeight = 228;
constexpr int kBevel = 5;
constexpr int kLineTops[] = {76, 100, 116, 132};

// The four centred lines, as painted and as a screen reader reads them.
QStringList Lines(const QString &programTitle)
{
    return {QStringLiteral(IRISONDE_FAMILY_LINE), programTitle, QStringLiteral("Pour Windows 95, 98 et NT."),
            QStringLiteral(IRISONDE_AUTHOR_WEB)};
}

} // namespace

TSplashF::TSplashF(const QString &programTitle, QWidget *parent, std::chrono::milliseconds stay)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_programTitle(programTitle)
{
    setObjectName(QStringLiteral("SplashF"));
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    setFont(f);
    setFixedSize(kClientWidth, kClientHeight);

    m_panel1 = new QFrame(this);
    m_panel1->setObjectName(QStringLiteral("Panel1"));
    m_panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_panel1->setLineWidth(kBevel);
    m_panel1->setGeometry(0, 0, kClientWidth, kClientHeight);

    m_zone = new TPaintBox(m_panel1, QRect(kBevel, kBevel, kClientWidth - 2 * kBevel, kClientHeight - 2 * kBevel),
                         [this](QPainter &p) { ZonePaint(p); });
    m_zone->setObjectName(QStringLiteral("Zone"));
    m_zone->installEventFilter(this);
    m_zone->setAccessibleName(QStringLiteral("Logo et présentation d'Irisonde"));
    setAccessibleName(QStringLiteral("Présentation d'Irisonde"));

    m_stopTimer = new QTimer(this);
    m_stopTimer->setObjectName(QStringLiteral("StopTimer"));
    m_stopTimer->setInterval(stay);
    // A coarse timer may fire a twentieth early; seven seconds are promised.
    m_stopTimer->setTimerType(Qt::PreciseTimer);
    connect(m_stopTimer, &QTimer::timeout, this, &TSplashF::StopTimerTimer);
}

void TSplashF::ShowAtStartup()
{
    show();
    m_stopTimer->start();
    // Painted now: the event loop does not run until every window is made.
    // Input waits, so that a click is taken only once the program runs.
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_zone->repaint();
}

void TSplashF::ShowAbout()
{
    if (isVisible()) {
        m_stopTimer->stop();
        raise();
        activateWindow();
        return;
    }
    m_stopTimer->stop();
    setAccessibleName(QStringLiteral("À propos d'Irisonde"));
    exec();
}

void TSplashF::ZoneClick()
{
    m_stopTimer->stop();
    close();
}

void TSplashF::StopTimerTimer()
{
    m_stopTimer->stop();
    close();
}

bool TSplashF::eventFilter(QObject *watched, QEvent *event)
{
    // A click is a press and a release on the box.
    if (watched == m_zone && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_zone->rect().contains(mouse->position().toPoint()))
            ZoneClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TSplashF::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
        // The title is known only once the settings are read.
        m_zone->setAccessibleDescription(Lines(m_programTitle).join(QLatin1Char('\n')));
    }
    QDialog::showEvent(event);
}

void TSplashF::hideEvent(QHideEvent *event)
{
    // However the window goes (click, timer, Escape), no close may follow.
    m_stopTimer->stop();
    QDialog::hideEvent(event);
}

void TSplashF::ZonePaint(QPainter &p) const
{
    const int w = m_zone->width();
    const QColor face = QApplication::palette().color(QPalette::Button);
    p.setPen(face);
    p.setBrush(face);
    p.drawRect(0, 0, w - 1, m_zone->height() - 1);
    p.drawImage(18, 18, App::Logo());

    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(8);
    p.setFont(font);
    p.setPen(Qt::black);
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(face);
    const QFontMetrics metrics(font, m_zone);
    const QStringList lines = Lines(m_programTitle);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // Integer division truncates toward zero, also for a line wider than the box.
        const int left = (w - metrics.horizontalAdvance(lines[i])) / 2;
        p.drawText(left, kLineTops[i] + metrics.ascent(), lines[i]);
    }
}

} // namespace Irisonde
