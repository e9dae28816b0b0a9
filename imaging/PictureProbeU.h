// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The kind and natural size of a picture file, read without drawing it (for
// the catalogue's thumbnails and captions).
#include "imaging/PictureU.h"
#include <QSize>
#include <QString>

namespace Irisonde {

// `kind` from the extension (".bmp" or ".wmf", any case) and `naturalSize`
// from the file's headers; the fault the loader would report otherwise.
[[nodiscard]] EPictureFault ProbePictureFile(const QString &path, Irisonde::EPictureKind &kind, QSize &naturalSize);

} // namespace Irisonde
