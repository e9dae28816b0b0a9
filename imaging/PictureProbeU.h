// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The kind and natural size of a picture file, read without drawing it (for
// the catalogue's thumbnails and captions).
#include "imaging/PictureU.h"
#include <QSize>
#include <QString>

namespace Irisonde {

// `kind` from the file's content (from its name when the content says
// nothing) and `naturalSize` from its headers, or from decoding it small
// where the format tells no size before; the fault the loader would report
// otherwise. `kind` stays as it was for a file of no kind the program reads.
[[nodiscard]] EPictureFault ProbePictureFile(const QString &path, Irisonde::EPictureKind &kind, QSize &naturalSize);

} // namespace Irisonde
