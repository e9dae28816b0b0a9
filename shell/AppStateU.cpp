// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/AppStateU.h"

#include "imaging/RecolourU.h"
#include "imaging/ResourceU.h"

#include <QApplication>
#include <QMessageBox>
#include <QPixmap>

namespace Irisonde {

namespace App {

namespace {

// A logo on the button face: its corner colour is its background.
QImage LogoOnFace(const char *name)
{
    QImage img = LoadResourceBitmap(QString::fromLatin1(name));
    if (!img.isNull())
        Irisonde::ReplaceBitmapColour(img, img.pixelColor(0, 0), QApplication::palette().color(QPalette::Button));
    return img;
}

QImage Bullet(const char *name)
{
    QImage img = LoadResourceBitmap(QString::fromLatin1(name));
    Irisonde::ReplaceBitmapColour(img, QColor(128, 128, 0), QColor(192, 192, 192));
    return img;
}

} // namespace

QColor TipColour()
{
    return {255, 255, 235};
}

const QImage &Logo()
{
    static const QImage logo = LogoOnFace("Logo");
    return logo;
}

const QImage &MiniLogo()
{
    static const QImage logo = LogoOnFace("MiniLogo");
    return logo;
}

const QImage &PuceR()
{
    static const QImage bullet = Bullet("PuceR");
    return bullet;
}

const QImage &PuceB()
{
    static const QImage bullet = Bullet("PuceB");
    return bullet;
}

const QImage &Motif()
{
    static const QImage tile = LoadResourceBitmap(QStringLiteral("Motif"));
    return tile;
}

const QCursor &LinkCursor()
{
    // The pointing hand "C_Main"; its hot spot is the tip of the finger.
    static const QCursor cursor = [] {
        const QPixmap hand(QStringLiteral(":/res/C_Main.png"));
        return hand.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(hand, 6, 0);
    }();
    return cursor;
}

void ShowWarning(const QString &text, QWidget *parent)
{
    QApplication::beep();
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Avertissement"), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace App

} // namespace Irisonde
