// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The eye's published spectral tables, sampled every 5 nm from 380 to
// 780 nm (81 rows): what the light workshop multiplies a spectrum by to find
// the response of the three kinds of cones and the colour seen. The sources
// are named beside the data in ColourMatchTables.cpp.
#include <array>
#include <cstdint>

namespace Irisonde::ColourMatchTables {

inline constexpr int32_t FirstNm = 380;
inline constexpr int32_t LastNm = 780;
inline constexpr int32_t StepNm = 5;
inline constexpr int32_t Count = (LastNm - FirstNm) / StepNm + 1;

using TTriple = std::array<double, 3>;

// x-bar, y-bar, z-bar of the CIE 1931 2-degree observer.
extern const std::array<TTriple, Count> CieXyz1931;
// L, M, S cone fundamentals of Stockman & Sharpe (2000), 2 degrees.
extern const std::array<TTriple, Count> ConesLms2000;

// The wavelength of row i, in nm.
[[nodiscard]] constexpr int32_t WavelengthAt(int32_t i) { return FirstNm + StepNm * i; }

} // namespace Irisonde::ColourMatchTables
