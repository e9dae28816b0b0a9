// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/ColourVisionU.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace Irisonde {

namespace {

// The simulation matrices of G. M. Machado, M. M. Oliveira and L. A. F.
// Fernandes, "A Physiologically-based Model for Simulation of Color Vision
// Deficiency", IEEE Transactions on Visualization and Computer Graphics
// 15(6), 2009: the severity 1.0 (dichromat) matrices, row by row, acting on
// linear R, G, B. Each row sums to 1, so that white and greys stay as they are.
constexpr std::array<float, 9> Protanopia = {
    0.152286f, 1.052583f, -0.204868f, //
    0.114503f, 0.786281f, 0.099216f,  //
    -0.003882f, -0.048116f, 1.051998f,
};
constexpr std::array<float, 9> Deuteranopia = {
    0.367322f, 0.860646f, -0.227968f, //
    0.280085f, 0.672501f, 0.047413f,  //
    -0.011820f, 0.042940f, 0.968881f,
};
constexpr std::array<float, 9> Tritanopia = {
    1.255528f, -0.076749f, -0.178779f, //
    -0.078411f, 0.930809f, 0.147602f,  //
    0.004733f, 0.691367f, 0.303900f,
};
// No cone colour left: the luminance of Rec. 709 / sRGB on all three channels.
constexpr std::array<float, 9> Achromatopsia = {
    0.2126f, 0.7152f, 0.0722f, //
    0.2126f, 0.7152f, 0.0722f, //
    0.2126f, 0.7152f, 0.0722f,
};
constexpr std::array<float, 9> Identity = {1, 0, 0, 0, 1, 0, 0, 0, 1};

// The encoding table's steps of linear light: 4096 entries of a byte, so
// that it stays in the first-level cache. Its steepest part (12.92 below
// 0.0031308) moves 0.8 of a byte per step, so the rounding of the step and
// of the byte together stay within one byte of the exact curve.
constexpr int32_t EncodeSteps = 4095;

struct TLightTables {
    std::array<float, 256> Decode{};
    std::array<uint8_t, EncodeSteps + 1> Encode{};
};

const TLightTables &Tables()
{
    static const TLightTables tables = [] {
        TLightTables t;
        for (size_t i = 0; i < t.Decode.size(); ++i) {
            const double v = double(i) / 255.0;
            t.Decode[i] = float(v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
        }
        for (size_t i = 0; i < t.Encode.size(); ++i) {
            const double l = double(i) / EncodeSteps;
            const double v = l <= 0.0031308 ? 12.92 * l : 1.055 * std::pow(l, 1.0 / 2.4) - 0.055;
            t.Encode[i] = uint8_t(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
        }
        return t;
    }();
    return tables;
}

// Where blue, green, red and alpha lie in a pixel of `Size` bytes. The
// 32-bit formats hold a native 0xAARRGGBB word.
template <int32_t Size>
struct TLayout {
    static constexpr bool Little = Q_BYTE_ORDER == Q_LITTLE_ENDIAN;
    static constexpr int32_t B = Size == 3 || Little ? 0 : 3;
    static constexpr int32_t G = Size == 3 || Little ? 1 : 2;
    static constexpr int32_t R = Size == 3 || Little ? 2 : 1;
    static constexpr int32_t A = Little ? 3 : 0;
};

// Light levels and table steps of a run of pixels, kept in the first-level
// cache so that the matrix stage runs over plain arrays the compiler turns
// into vector code, between the two table stages. A pixel equal to the one
// before it (the flat areas of a workshop's pictures) is not worked out
// again: only the first of a row of equal pixels enters the arrays.
constexpr int32_t Chunk = 256;

// The encoding table's step of a mixed light, which the matrices keep
// within -0.3..1.3: rounded, then brought into the table. Integer bounds
// rather than float ones, so that the stage has no branch and vectorises.
inline int32_t Step(float linear)
{
    const auto i = int32_t(linear * float(EncodeSteps) + 0.5f);
    return std::min(std::max(i, 0), EncodeSteps);
}

inline QRgb ReadWord(const uint8_t *p)
{
    QRgb w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

inline void WriteWord(uint8_t *p, QRgb w) { std::memcpy(p, &w, sizeof w); }

// The table stages gain most from the gathers of AVX2: a copy of the pass
// compiled for it is chosen at load time where the processor has it.
#if defined(__GNUC__) && defined(__x86_64__) && defined(__linux__)
#define IRISONDE_VISION_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define IRISONDE_VISION_CLONES
#endif

// One row of `count` pixels from s to d (which may be the same row).
// A pixel's bytes as one number, to find a pixel equal to the one before.
template <int32_t Size>
inline uint32_t PixelKey(const uint8_t *px)
{
    if constexpr (Size == 4)
        return ReadWord(px);
    else
        return uint32_t(px[0]) | uint32_t(px[1]) << 8 | uint32_t(px[2]) << 16;
}

// One row of `count` pixels from s to d (which may be the same row).
template <int32_t Size, bool Premultiplied>
IRISONDE_VISION_CLONES void ViewRow(const uint8_t *s, uint8_t *d, int32_t count, const std::array<float, 9> &m, const TLightTables &t)
{
    using L = TLayout<Size>;
    alignas(32) float r[Chunk], g[Chunk], b[Chunk];
    alignas(32) int32_t ri[Chunk], gi[Chunk], bi[Chunk];
    int32_t entry[Chunk]; // each pixel's place in the arrays
    const float m0 = m[0], m1 = m[1], m2 = m[2], m3 = m[3], m4 = m[4], m5 = m[5], m6 = m[6], m7 = m[7], m8 = m[8];
    for (int32_t at = 0; at < count; at += Chunk) {
        const int32_t k = std::min(Chunk, count - at);
        const uint8_t *p = s + ptrdiff_t(at) * Size;
        uint8_t *q = d + ptrdiff_t(at) * Size;
        int32_t n = 0;
        uint32_t last = 0;
        for (int32_t i = 0; i < k; ++i) {
            const uint8_t *px = p + ptrdiff_t(i) * Size;
            const uint32_t key = PixelKey<Size>(px);
            if (n > 0 && key == last) {
                entry[i] = n - 1;
                continue;
            }
            last = key;
            entry[i] = n;
            if constexpr (Premultiplied) {
                // A see-through pixel is simulated on its own colour.
                if (px[L::A] != 255) {
                    const QRgb c = qUnpremultiply(ReadWord(px));
                    r[n] = t.Decode[size_t(qRed(c))], g[n] = t.Decode[size_t(qGreen(c))];
                    b[n] = t.Decode[size_t(qBlue(c))];
                    ++n;
                    continue;
                }
            }
            r[n] = t.Decode[px[L::R]], g[n] = t.Decode[px[L::G]], b[n] = t.Decode[px[L::B]];
            ++n;
        }
        for (int32_t i = 0; i < n; ++i) {
            const float lr = r[i], lg = g[i], lb = b[i];
            const float o0 = m0 * lr + m1 * lg + m2 * lb;
            const float o1 = m3 * lr + m4 * lg + m5 * lb;
            const float o2 = m6 * lr + m7 * lg + m8 * lb;
            ri[i] = Step(o0), gi[i] = Step(o1), bi[i] = Step(o2);
        }
        for (int32_t i = 0; i < k; ++i) {
            const uint8_t *px = p + ptrdiff_t(i) * Size;
            uint8_t *out = q + ptrdiff_t(i) * Size;
            const auto e = size_t(entry[i]);
            const uint8_t cr = t.Encode[size_t(ri[e])], cg = t.Encode[size_t(gi[e])], cb = t.Encode[size_t(bi[e])];
            if constexpr (Size == 4) {
                const uint8_t a = px[L::A];
                if (Premultiplied && a != 255) {
                    WriteWord(out, qPremultiply(qRgba(cr, cg, cb, a)));
                    continue;
                }
                out[L::A] = a;
            }
            out[L::R] = cr, out[L::G] = cg, out[L::B] = cb;
        }
    }
}

bool Supported(QImage::Format format)
{
    return format == QImage::Format_BGR888 || format == QImage::Format_RGB32 || format == QImage::Format_ARGB32
           || format == QImage::Format_ARGB32_Premultiplied;
}

} // namespace

QString VisionName(EVision vision)
{
    switch (vision) {
    case EVision::Normal:
        break;
    case EVision::Protanopia:
        return QStringLiteral("Protanopie");
    case EVision::Deuteranopia:
        return QStringLiteral("Deutéranopie");
    case EVision::Tritanopia:
        return QStringLiteral("Tritanopie");
    case EVision::Achromatopsia:
        return QStringLiteral("Achromatopsie");
    }
    return QStringLiteral("Vision normale");
}

EVision VisionFromIndex(int32_t index)
{
    return index >= 0 && index < VisionCount ? EVision(index) : EVision::Normal;
}

TColourVision::TColourVision(EVision vision) : m_vision(EVision::Normal) { SetVision(vision); }

void TColourVision::SetVision(EVision vision)
{
    m_vision = vision;
    switch (vision) {
    case EVision::Normal:
        m_matrix = Identity;
        break;
    case EVision::Protanopia:
        m_matrix = Protanopia;
        break;
    case EVision::Deuteranopia:
        m_matrix = Deuteranopia;
        break;
    case EVision::Tritanopia:
        m_matrix = Tritanopia;
        break;
    case EVision::Achromatopsia:
        m_matrix = Achromatopsia;
        break;
    }
}

float TColourVision::DecodeByte(uint8_t value) { return Tables().Decode[value]; }

uint8_t TColourVision::EncodeLight(float linear)
{
    // The same steps as the pixel stage.
    // Out-of-range and not-a-number lights bounded before the conversion.
    const float l = linear > 0.0f ? std::min(linear, 1.0f) : 0.0f;
    return Tables().Encode[size_t(Step(l))];
}

QRgb TColourVision::Seen(QRgb colour) const
{
    // The pixel stage itself on one straight-alpha pixel.
    uint8_t px[4];
    WriteWord(px, colour);
    Run(px, 4, px, 4, QImage::Format_ARGB32, QRect(0, 0, 1, 1));
    return ReadWord(px);
}

bool TColourVision::Apply(QImage &image, const QRect &area) const
{
    if (image.isNull() || !Supported(image.format()))
        return false;
    const QRect r = area.intersected(image.rect());
    if (r.isEmpty() || m_vision == EVision::Normal)
        return true;
    uint8_t *bits = image.bits();
    Run(bits, image.bytesPerLine(), bits, image.bytesPerLine(), image.format(), r);
    return true;
}

bool TColourVision::Apply(const QImage &source, QImage &target, const QRect &area) const
{
    if (source.isNull() || !Supported(source.format()) || target.format() != source.format()
        || target.size() != source.size())
        return false;
    const QRect r = area.intersected(source.rect());
    if (r.isEmpty())
        return true;
    // bits() first: should the target share the source's store, it detaches
    // here and the source keeps its pixels.
    uint8_t *out = target.bits();
    Run(source.constBits(), source.bytesPerLine(), out, target.bytesPerLine(), source.format(), r);
    return true;
}

void TColourVision::Run(const uint8_t *source, qsizetype sourceStride, uint8_t *target, qsizetype targetStride,
                        QImage::Format format, const QRect &area) const
{
    const int32_t size = format == QImage::Format_BGR888 ? 3 : 4;
    const auto offset = ptrdiff_t(area.left()) * size;
    const TLightTables &t = Tables();
    for (int32_t y = area.top(); y <= area.bottom(); ++y) {
        const uint8_t *s = source + ptrdiff_t(y) * sourceStride + offset;
        uint8_t *d = target + ptrdiff_t(y) * targetStride + offset;
        if (m_vision == EVision::Normal) {
            if (s != d)
                std::memcpy(d, s, size_t(area.width()) * size_t(size));
        } else if (size == 3)
            ViewRow<3, false>(s, d, area.width(), m_matrix, t);
        else if (format == QImage::Format_ARGB32_Premultiplied)
            ViewRow<4, true>(s, d, area.width(), m_matrix, t);
        else
            ViewRow<4, false>(s, d, area.width(), m_matrix, t);
    }
}

} // namespace Irisonde
