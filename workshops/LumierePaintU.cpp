// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workshops/LumierePaintU.h"

#include "workshops/state/LumiereScreen.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>

#include <algorithm>
#include <array>

namespace Irisonde {

namespace {

// A dark ground, so that the colours of the wavelengths stand out as light.
const QColor Ground(28, 28, 34);
const QColor Ink(225, 225, 225);
const QColor Faint(110, 110, 120);
const std::array<QColor, 3> ConeColours{QColor(235, 90, 70), QColor(90, 205, 90), QColor(100, 130, 255)};
const std::array<QString, 3> ConeNames{QStringLiteral("L"), QStringLiteral("M"), QStringLiteral("S")};

// The painter with the paint event's region: what lies wholly outside it is
// not drawn at all (laying out a text costs more than filling a strip).
struct TDraw {
    QPainter &p;
    QRegion clip; // empty: everything
    [[nodiscard]] bool Wants(const QRect &r) const { return clip.isEmpty() || clip.intersects(r); }
    void Text(const QRect &r, int flags, const QString &text) const
    {
        if (Wants(r))
            p.drawText(r, flags, text);
    }
};

QColor ToQColor(TRgb8 c)
{
    return QColor(c.R, c.G, c.B);
}

QString Code(TRgb8 c)
{
    return QStringLiteral("R %1  V %2  B %3   %4").arg(c.R).arg(c.G).arg(c.B).arg(c.Hex());
}

void Title(const TDraw &d, const QRect &place, const QString &text)
{
    d.p.setPen(Ink);
    d.Text(place.adjusted(6, 3, -6, 0), Qt::AlignLeft | Qt::AlignTop, text);
}

void PaintPlot(const TDraw &d, const TLumiereScreen &screen)
{
    QPainter &p = d.p;
    const TLumierePlaces &at = screen.Places();
    const TLumiereState &s = screen.State();
    const QRect &band = at.Band;
    p.fillRect(at.Plot, Ground);
    QString title = QStringLiteral("Spectre de la lumière");
    if (s.Filter() != EFilter::None)
        title += QStringLiteral(" après le filtre ") + TFilteredLight::FilterName(s.Filter());
    Title(d, at.Plot, title);

    const int base = band.bottom();
    const auto top = [&](double height) { return base - int(height * (band.height() - 1)); };
    if (s.Light() == ELight::Sources) {
        // The chosen source last, so that its label reads over a close one.
        std::array<int32_t, TLumiereState::SourceCount> order{1, 2, 3};
        std::stable_partition(order.begin(), order.end(), [&](int32_t k) { return k != s.Selected(); });
        for (const int32_t k : order) {
            const TLightSource &source = s.Source(k);
            const int x = screen.XOf(source.Wavelength);
            const bool chosen = k == s.Selected();
            // Its number under the foot, the one the keys 1-2-3 choose; the
            // chosen one framed.
            const QRect number(x - 7, base + 3, 15, 14);
            p.setPen(chosen ? Ink : Faint);
            d.Text(number, Qt::AlignCenter, QString::number(k));
            if (chosen)
                p.drawRect(number.adjusted(0, 0, -1, -1));
            if (!source.On) {
                p.fillRect(QRect(x, band.top(), 1, band.height()), Faint.darker(150));
                continue;
            }
            const int lineTop = top(screen.LineHeight(k));
            p.fillRect(QRect(QPoint(x - 1, lineTop), QPoint(x + 1, base)), ToQColor(TWavelengthColour::WavelengthColour(source.Wavelength)));
            p.setPen(chosen ? Ink : Faint);
            d.Text(QRect(x - 30, lineTop - 16, 60, 14), Qt::AlignCenter, QStringLiteral("%1 nm").arg(source.Wavelength));
        }
    } else {
        for (const TPlotSample &sample : s.PlotSamples()) {
            const int x0 = screen.XOf(sample.Wavelength - 2.5), x1 = screen.XOf(sample.Wavelength + 2.5);
            const int y = top(screen.SampleHeight(sample));
            if (y < base)
                p.fillRect(QRect(QPoint(std::max(x0, band.left()), y), QPoint(std::min(x1, band.right()), base)),
                           ToQColor(sample.Colour));
        }
    }
    if (s.Filter() != EFilter::None) {
        // The filter's transmission, 100 % at the top of the band.
        QPainterPath curve;
        for (int x = band.left(); x <= band.right(); x += 2) {
            const QPointF point(x, top(TFilteredLight::Transmission(s.Filter(), screen.NmAt(x))));
            if (x == band.left())
                curve.moveTo(point);
            else
                curve.lineTo(point);
        }
        p.setPen(QPen(Ink, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawPath(curve);
    }
    // The wavelength scale.
    p.setPen(Faint);
    p.drawLine(band.left(), base + 1, band.right(), base + 1);
    for (int nm = 400; nm <= 750; nm += 50) {
        const int x = screen.XOf(nm);
        p.drawLine(x, base + 1, x, base + 4);
        d.Text(QRect(x - 30, base + 17, 60, 14), Qt::AlignCenter, nm == 750 ? QStringLiteral("750 nm") : QString::number(nm));
    }
}

// Where each source meets the curves: what each cone takes of it.
void PaintMarkers(QPainter &p, const TLumiereScreen &screen)
{
    const TLumiereState &s = screen.State();
    if (s.Light() != ELight::Sources)
        return;
    const QRect inner = screen.Places().Curves.adjusted(0, 18, 0, -4);
    for (int32_t k = 1; k <= TLumiereState::SourceCount; ++k)
        if (s.Source(k).On) {
            const int x = screen.XOf(s.Source(k).Wavelength);
            p.fillRect(QRect(x, inner.top(), 1, inner.height()), ToQColor(TWavelengthColour::WavelengthColour(s.Source(k).Wavelength)));
        }
}

void PaintBars(const TDraw &d, const TLumiereScreen &screen)
{
    QPainter &p = d.p;
    const TConeResponse &cones = screen.State().Cones();
    const std::array<double, 3> values{cones.L, cones.M, cones.S};
    const std::array<bool, 3> present = screen.ConesPresent();
    p.fillRect(screen.Places().Bars, Ground);
    for (int32_t c = 0; c < 3; ++c) {
        const QRect row = screen.BarRow(c), track = screen.BarTrack(c);
        p.setPen(Ink);
        d.Text(row.adjusted(6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Cônes ") + ConeNames[size_t(c)]);
        if (!present[size_t(c)]) {
            p.setPen(QPen(Faint, 1, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(track.adjusted(0, 0, -1, -1));
            d.Text(track, Qt::AlignCenter, QStringLiteral("absents (") + VisionName(screen.Vision()).toLower() + QStringLiteral(")"));
            continue;
        }
        const double value = values[size_t(c)];
        p.fillRect(QRect(track.topLeft(), QPoint(screen.BarEnd(value), track.bottom())), ConeColours[size_t(c)]);
        p.setPen(Faint);
        p.drawLine(screen.BarEnd(100), track.top() - 2, screen.BarEnd(100), track.bottom() + 2);
        p.setPen(Ink);
        d.Text(screen.BarFigure(c), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("%1 %").arg(qRound(value)));
    }
}

// A colour with its code, and the mark of a colour beyond the screen.
void PaintSwatch(const TDraw &d, const QRect &place, const QString &title, const TDisplayColour &colour, const QString &note)
{
    QPainter &p = d.p;
    p.fillRect(place, Ground);
    Title(d, place, title);
    const QRect swatch = place.adjusted(10, 22, -10, -58);
    p.fillRect(swatch, ToQColor(colour.Rgb));
    p.setPen(Ink);
    d.Text(QRect(place.left() + 6, swatch.bottom() + 4, place.width() - 12, 16), Qt::AlignCenter, Code(colour.Rgb));
    if (colour.OutOfGamut) {
        p.setPen(QPen(QColor(255, 170, 40), 2, Qt::DashLine));
        p.drawRect(swatch.adjusted(-3, -3, 2, 2));
        p.setPen(QColor(255, 170, 40));
        d.Text(QRect(place.left() + 6, swatch.bottom() + 20, place.width() - 12, 16), Qt::AlignCenter,
                   QStringLiteral("hors des couleurs de l'écran"));
    }
    p.setPen(Faint);
    d.Text(QRect(place.left() + 6, swatch.bottom() + 36, place.width() - 12, 16), Qt::AlignCenter, note);
}

} // namespace

void PaintLumiereWorkshop(QPainter &p, const TLumiereScreen &screen, const QImage &curves)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    p.setFont(font);
    const TLumierePlaces &at = screen.Places();
    // Only the parts the damage reaches: its rectangles are often far apart
    // (a line's strip, a bar's end, the patch), their bounding box is not.
    // The paint event's region is the engine's system clip, in the device's
    // pixels (a backing store's, with the area's offset in it).
    const QRegion clip = p.paintEngine() ? p.deviceTransform().inverted().map(p.paintEngine()->systemClip()) : QRegion();
    const TDraw d{p, clip};
    const auto wanted = [&](const QRect &part) { return d.Wants(part); };
    // The gaps between the parts, each part filling its own ground.
    const QRegion gaps = QRegion(at.Zone) - at.Plot - at.Curves - at.Bars - at.Patch - at.Compare;
    for (const QRect &gap : gaps)
        p.fillRect(gap, QColor(60, 60, 66));
    if (wanted(at.Plot))
        PaintPlot(d, screen);
    if (wanted(at.Curves)) {
        p.drawImage(at.Curves.topLeft(), curves);
        PaintMarkers(p, screen);
    }
    if (wanted(at.Bars))
        PaintBars(d, screen);
    const TLumiereState &s = screen.State();
    if (wanted(at.Patch))
        PaintSwatch(d, at.Patch, QStringLiteral("Couleur perçue"), s.Colour(), TWavelengthColour::HueName(s.Colour().Rgb));
    if (wanted(at.Compare)) {
        if (const auto &m = s.Comparison()) {
            PaintSwatch(d, at.Compare, QStringLiteral("Comparaison"), m->Colour, m->Light);
        } else {
            p.fillRect(at.Compare, Ground);
            Title(d, at.Compare, QStringLiteral("Comparaison"));
            p.setPen(Faint);
            d.Text(at.Compare.adjusted(8, 20, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                       QStringLiteral("« Comparer » garde ici la couleur perçue."));
        }
    }
}

QImage PaintCurvesLayer(const TLumiereScreen &screen)
{
    const TLumierePlaces &at = screen.Places();
    QImage layer(at.Curves.size(), QImage::Format_RGB32);
    if (layer.isNull())
        return layer;
    QPainter p(&layer);
    p.translate(-at.Curves.topLeft());
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    p.setFont(font);
    p.fillRect(at.Curves, Ground);
    Title(TDraw{p, {}}, at.Curves, QStringLiteral("Sensibilité des trois sortes de cônes"));
    const QRect inner = at.Curves.adjusted(0, 18, 0, -4);
    const std::array<bool, 3> present = screen.ConesPresent();
    p.setRenderHint(QPainter::Antialiasing, true);
    for (size_t c = 0; c < 3; ++c) {
        QPainterPath curve;
        double peak = 0;
        int peakX = 0;
        for (int32_t i = 0; i < ColourMatchTables::Count; ++i) {
            const double v = ColourMatchTables::ConesLms2000[size_t(i)][c];
            const QPointF point(screen.XOf(ColourMatchTables::WavelengthAt(i)), inner.bottom() - v * (inner.height() - 1));
            if (i == 0)
                curve.moveTo(point);
            else
                curve.lineTo(point);
            if (v > peak) {
                peak = v;
                peakX = int(point.x());
            }
        }
        p.setPen(present[c] ? QPen(ConeColours[c], 2) : QPen(Faint, 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawPath(curve);
        p.drawText(QRect(peakX + 6, inner.top() + 2, 20, 14), Qt::AlignLeft | Qt::AlignVCenter, ConeNames[c]);
    }
    return layer;
}

} // namespace Irisonde
