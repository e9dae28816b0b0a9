// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How a frame looks to a person with a colour-vision deficiency.
//
// The three dichromacies follow the physiological model of Machado, Oliveira
// and Fernandes at full severity; achromatopsia keeps the luminance alone.
// Both act on light, not on the sRGB bytes: each pixel is decoded to linear
// light, mixed by a 3x3 matrix, and encoded back, through tables only.
#include <QImage>
#include <QRect>
#include <QString>

#include <array>
#include <cstdint>

namespace Irisonde {

enum class EVision : uint8_t { Normal, Protanopia, Deuteranopia, Tritanopia, Achromatopsia };
inline constexpr int32_t VisionCount = 5;

// The name the pupil reads: "Vision normale", "Protanopie", ...
[[nodiscard]] QString VisionName(EVision vision);
// The view of a stored index; an index out of range gives normal vision.
[[nodiscard]] EVision VisionFromIndex(int32_t index);

class TColourVision {
public:
    explicit TColourVision(EVision vision = EVision::Normal);

    [[nodiscard]] EVision Vision() const { return m_vision; }
    void SetVision(EVision vision);

    // The colour as this view shows it (alpha kept).
    [[nodiscard]] QRgb Seen(QRgb colour) const;

    // `area` (clipped to the image) replaced by its view, in one pass.
    // Formats: BGR888, RGB32, ARGB32 and ARGB32_Premultiplied (alpha kept;
    // premultiplied pixels are simulated on their straight colour). False,
    // and nothing changed, for a null image or another format.
    [[nodiscard]] bool Apply(QImage &image, const QRect &area) const;
    // The view of `area` of `source` written into the same area of `target`,
    // which must have the same size and format; the source is only read.
    // Normal vision copies the bytes unchanged.
    [[nodiscard]] bool Apply(const QImage &source, QImage &target, const QRect &area) const;

    // The light tables, open to their tests: a byte's linear light 0..1,
    // and the byte of a linear light (clamped to 0..1) as the view encodes it.
    [[nodiscard]] static float DecodeByte(uint8_t value);
    [[nodiscard]] static uint8_t EncodeLight(float linear);

private:
    void Run(const uint8_t *source, qsizetype sourceStride, uint8_t *target, qsizetype targetStride,
             QImage::Format format, const QRect &area) const;

    EVision m_vision;
    std::array<float, 9> m_matrix{}; // row-major, linear R, G, B in and out
};

} // namespace Irisonde
