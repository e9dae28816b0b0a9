// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/WorkshopOutputU.h"
#include "shell/ImagePrintU.h"
#include "shell/ImageSaveU.h"

#include <QFrame>
#include <QPainter>
#include <QShortcut>
#include <QToolButton>

#include <algorithm>

namespace Irisonde {

namespace {

constexpr int ButtonWidth = 30, ButtonHeight = 26, Pitch = 32, Top = 3, Margin = 5;

QToolButton *MakeButton(QFrame *toolBar, const char *name, const QString &hint, const QIcon &glyph)
{
    auto *b = new QToolButton(toolBar);
    b->setObjectName(QLatin1String(name));
    b->resize(ButtonWidth, ButtonHeight);
    b->setToolTip(hint);
    b->setAccessibleName(hint.trimmed());
    b->setIcon(glyph);
    b->setIconSize(QSize(20, 20));
    b->setAutoRaise(true);
    return b;
}

} // namespace

TWorkshopOutput::TWorkshopOutput(QWidget *window, QFrame *toolBar, std::function<QImage()> image, const QString &stem)
    : QObject(window), m_window(window), m_toolBar(toolBar), m_image(std::move(image)), m_stem(stem)
{
    m_saveBout = MakeButton(toolBar, "EnregistrerBout", QStringLiteral(" Enregistrer l'image dans un fichier (Ctrl+S)"), SaveGlyph());
    m_printBout = MakeButton(toolBar, "ImprimerBout", QStringLiteral(" Imprimer l'image (Ctrl+P)"), PrintGlyph());
    connect(m_saveBout, &QToolButton::clicked, this, &TWorkshopOutput::Save);
    connect(m_printBout, &QToolButton::clicked, this, &TWorkshopOutput::Print);
    auto *save = new QShortcut(QKeySequence::Save, window);
    auto *print = new QShortcut(QKeySequence::Print, window);
    connect(save, &QShortcut::activated, this, &TWorkshopOutput::Save);
    connect(print, &QShortcut::activated, this, &TWorkshopOutput::Print);
}

int TWorkshopOutput::OthersRight(int top, int bottom) const
{
    int right = 0;
    for (const QWidget *w : m_toolBar->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (w != m_saveBout && w != m_printBout && !m_lodgers.contains(w) && !w->isHidden() && w->y() <= bottom
            && w->geometry().bottom() >= top)
            right = std::max(right, w->geometry().right() + 1);
    return right;
}

int TWorkshopOutput::LeastRight() const
{
    return OthersRight() + Margin + Pitch + ButtonWidth;
}

void TWorkshopOutput::Place()
{
    // Right of everything the workshop put on the toolbar, and at its right
    // end when there is room.
    const int left = std::max(OthersRight() + Margin, m_toolBar->width() - Margin - Pitch - ButtonWidth);
    m_saveBout->move(left, Top);
    m_printBout->move(left + Pitch, Top);
}

void TWorkshopOutput::Save()
{
    SaveImageAs(m_window, m_image(), m_stem);
}

void TWorkshopOutput::Print()
{
    PrintImage(m_window, m_image(), m_window->windowTitle());
}

QIcon SaveGlyph()
{
    QPixmap pm(20, 20);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 40, 80), 1));
    p.setBrush(QColor(60, 90, 170));
    p.drawPolygon(QPolygonF({{2.5, 2.5}, {15.5, 2.5}, {17.5, 4.5}, {17.5, 17.5}, {2.5, 17.5}}));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5, 3, 9, 6));       // the label
    p.setBrush(QColor(200, 205, 215));
    p.drawRect(QRectF(5.5, 11.5, 9, 6));  // the shutter
    p.setBrush(QColor(60, 90, 170));
    p.drawRect(QRectF(11, 4, 2, 4));
    return QIcon(pm);
}

QIcon PrintGlyph()
{
    QPixmap pm(20, 20);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(40, 40, 60);
    p.setPen(QPen(ink, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5.5, 1.5, 9, 6));    // paper going in
    p.setBrush(QColor(150, 150, 160));
    p.drawRoundedRect(QRectF(1.5, 7.5, 17, 7), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5.5, 12.5, 9, 6));   // the printed sheet
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 40, 40));
    p.drawRect(QRectF(7, 14, 2, 3));
    p.setBrush(QColor(40, 190, 60));
    p.drawRect(QRectF(9, 14, 2, 3));
    p.setBrush(QColor(50, 80, 230));
    p.drawRect(QRectF(11, 14, 2, 3));
    return QIcon(pm);
}

} // namespace Irisonde
