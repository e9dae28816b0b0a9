// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The tip-of-the-day texts and the bulb bitmap of the tip window.
// The texts are carried as Windows-1252 lines ended by CR LF and closed by the
// line "FIN", the form the tip window reads.
#include "ResGen.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <cstdio>

namespace {

const char16_t *const kTips[] = {
    u"Dans les ateliers de synthèse, faites glisser un disque de lumière ou une tache d'encre en gardant "
    u"le bouton gauche de la souris enfoncé. Observez la couleur qui apparaît là où les disques se chevauchent.",

    u"Un clic avec le bouton droit de la souris agrandit les disques de lumière et les taches d'encre ; "
    u"gardez la touche Ctrl enfoncée pendant le clic droit pour les rétrécir. Le même geste règle le cercle "
    u"lumineux de l'éclairage d'une scène.",

    u"La molette de la souris change aussi la taille des disques, des taches et du cercle lumineux : "
    u"tournez-la vers l'avant pour agrandir, vers vous pour rétrécir. Dans la télévision à la loupe, elle "
    u"change le grossissement.",

    u"Dans l'atelier « La télévision à la loupe », tournez la molette en gardant la touche Maj (Shift) "
    u"enfoncée pour changer la taille de la loupe. Faites glisser la loupe sur l'image pour l'examiner.",

    u"Cochez la case « Synthèse étendue » pour régler l'intensité de chaque projecteur de 0 à 100 % avec les "
    u"trois barres de défilement. Un rouge et un vert à moitié allumés ne donnent plus du jaune vif, mais un "
    u"jaune sombre, l'olive.",

    u"En synthèse étendue, la case « Lier les 3 composantes » fait bouger les trois barres ensemble : les "
    u"trois lumières gardent la même intensité, et le blanc de leur mélange devient gris, puis noir.",

    u"Dans l'atelier « Eclairage d'une scène », les huit petits boutons de couleur donnent d'un seul clic une "
    u"lumière rouge, verte, bleue, cyan, magenta, jaune, grise ou blanche. Comparez l'aspect des objets sous "
    u"chacune d'elles.",

    u"Les ateliers qui montrent une image acceptent vos propres images : cliquez sur le bouton « Ouvrir un "
    u"fichier image » et choisissez un fichier bitmap (.bmp) ou un métafichier (.wmf). Le bouton voisin "
    u"revient à l'image par défaut.",

    u"La case « Déformer et adapter l'image » étire l'image pour qu'elle occupe toute la place disponible. "
    u"Sans elle, l'image garde ses proportions : elle n'est ni écrasée ni allongée.",

    u"Dans l'atelier d'impression, cochez ou décochez les cases Cyan, Magenta, Jaune et Noire pour recomposer "
    u"l'image avec les seules encres choisies. Comparez aussi la quadrichromie et la trichromie, qui se passe "
    u"de l'encre noire.",

    u"Le bouton « Copier l'image dans le presse-papiers » de chaque atelier y place l'image affichée. Collez-la "
    u"ensuite dans un traitement de texte ou un logiciel de dessin pour illustrer votre compte rendu.",

    u"Le catalogue (menu Fichier, « Cataloguer les images ») présente les images d'un dossier en pages de "
    u"vignettes. Choisissez le dossier avec « Parcourir », lancez « Rechercher », puis changez de page avec "
    u"la molette.",

    u"Le menu Options, « Préférences », permet de ne plus afficher l'écran de démarrage ni cette astuce au "
    u"démarrage, et de couper les bulles d'aide des ateliers. Ces choix sont gardés pour les séances "
    u"suivantes.",

    u"Laissez le pointeur de la souris immobile un court instant sur un bouton ou une barre d'un atelier : "
    u"une bulle d'aide explique son rôle. Le bouton d'aide de la barre du bas ouvre la page d'aide de "
    u"l'atelier.",

    u"En synthèse soustractive, chaque encre retire une part de la lumière blanche : le cyan absorbe le rouge, "
    u"le magenta absorbe le vert et le jaune absorbe le bleu. Superposez les trois taches pour obtenir du noir.",

    u"Dans la télévision à la loupe, montez le grossissement : à partir du troisième niveau, chaque point de "
    u"l'image devient trois bandes lumineuses, rouge, verte et bleue, comme sur un véritable écran.",
};

// Tips the window must fit: long enough to say something, short enough for
// the panel.
constexpr int kShortest = 136;
constexpr int kLongest = 268;

// Windows-1252 byte of a character; -1 when the code page has none.
int Cp1252(char16_t c)
{
    static const char16_t high[32] = {
        0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
        0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
    };
    if (c == 13 || c == 10)
        return -1; // a line break would split the tip
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (high[i] == c)
            return 0x80 + i;
    return -1;
}

QByteArray TipsText()
{
    QByteArray out;
    int number = 0;
    for (const char16_t *tip : kTips) {
        ++number;
        const QString text = QString::fromUtf16(tip);
        if (text.size() < kShortest || text.size() > kLongest) {
            std::fprintf(stderr, "tip %d is %lld characters long\n", number, static_cast<long long>(text.size()));
            return {};
        }
        for (const QChar ch : text) {
            const int b = Cp1252(ch.unicode());
            if (b < 0) {
                std::fprintf(stderr, "tip %d: U+%04X has no Windows-1252 byte\n", number, ch.unicode());
                return {};
            }
            out.append(static_cast<char>(b));
        }
        out.append("\r\n");
    }
    out.append("FIN\r\n");
    return out;
}

// One bulb in a 19 x 17 cell. Drawn without antialiasing so that the red
// background stays pure and can be replaced exactly.
void DrawBulb(QPainter &p, int left, bool lit)
{
    const QColor glass = lit ? QColor(255, 240, 64) : QColor(200, 200, 200);
    const QColor outline = lit ? QColor(128, 96, 0) : QColor(96, 96, 96);
    p.setPen(outline);
    p.setBrush(glass);
    p.drawEllipse(left + 5, 1, 9, 9);
    // The neck narrowing to the base.
    p.drawPolygon(QPolygon({QPoint(left + 7, 9), QPoint(left + 12, 9), QPoint(left + 11, 12), QPoint(left + 8, 12)}));
    p.setPen(QColor(64, 64, 64));
    p.setBrush(QColor(128, 128, 128));
    p.drawRect(left + 8, 12, 3, 3);
    p.drawPoint(left + 9, 16);
    if (lit) {
        // Rays around the lit glass, and a highlight on it.
        p.setPen(QColor(255, 255, 0));
        p.drawLine(left + 1, 5, left + 3, 5);
        p.drawLine(left + 16, 5, left + 18, 5);
        p.drawLine(left + 2, 1, left + 3, 2);
        p.drawLine(left + 17, 1, left + 16, 2);
        p.drawLine(left + 2, 9, left + 3, 8);
        p.drawLine(left + 17, 9, left + 16, 8);
        p.setPen(Qt::white);
        p.drawPoint(left + 8, 4);
        p.drawPoint(left + 8, 5);
    }
}

QByteArray TipsBitmap()
{
    QImage img(38, 17, QImage::Format_RGB32);
    img.fill(QColor(255, 0, 0));
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, false);
        DrawBulb(p, 0, true);
        DrawBulb(p, 19, false);
    }
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    if (!img.convertToFormat(QImage::Format_RGB888).save(&buf, "BMP"))
        return {};
    return bytes;
}

const resgen::Register tipsText("TIPS.lignes", TipsText);
const resgen::Register tipsBitmap("Tips.bmp", TipsBitmap);

} // namespace
