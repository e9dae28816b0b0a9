// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's carried resources (bitmaps, cursor, metafile, text), compiled
// in under ":/res/" from the files of resources/.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace Irisonde {

// The bytes of the resource file `fileName` ("Trace.wmf", "TIPS.lignes"...);
// empty when there is no such resource.
[[nodiscard]] QByteArray LoadResourceBytes(const QString &fileName);

// The bitmap resource `name` ("Logo" reads "Logo.bmp") as loaded, null if missing.
[[nodiscard]] QImage LoadResourceBitmap(const QString &name);

} // namespace Irisonde
