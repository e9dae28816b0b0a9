// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A picture file read whole into memory by the reader of one family, with
// the guards each of them needs before it reads: a file gone since it was
// chosen, a folder or device in its place, one that cannot be read, one too
// large to be read at all.
#include "imaging/PictureFaultU.h"

#include <QByteArray>
#include <QString>

namespace Irisonde {

// The family's own messages for a missing file and for what is not a file.
struct TWholeFileFaults {
    EPictureFault Missing;
    EPictureFault NotAFile;
};

// Reads `path` whole into `bytes` when it is a readable file of at most
// `maxBytes`; otherwise `bytes` is left alone and the fault says why
// (`faults`' own, Unreadable or TooLarge).
[[nodiscard]] EPictureFault ReadWholeFile(const QString &path, qint64 maxBytes, const TWholeFileFaults &faults,
                                          QByteArray &bytes);

} // namespace Irisonde
