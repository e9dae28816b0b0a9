// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Internal to the metafile player: the raster callbacks of the device layer
// (block fills, bitmap records, text, regions).

struct _wmfFunctionReference; // libwmf's own, in C

namespace Irisonde {

// Fills the raster entries of the player's function table.
void InstallWmfDeviceRaster(_wmfFunctionReference *fr);

} // namespace Irisonde
