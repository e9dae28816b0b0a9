// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// File names as bytes. This system's names are bytes, mostly UTF-8, but a
// file copied from an old disk or archive may hold a name that is not
// (a lone 0xE9 for "é"). Such a name decoded the usual way loses its bytes
// and can no longer be opened. Here each byte that is not part of valid
// UTF-8 becomes a lone low surrogate U+DC80..U+DCFF, which no valid UTF-8
// gives, so the bytes come back exactly when the path is opened again.
#include <QByteArray>
#include <QString>

namespace Irisonde {

// The name or path of these bytes, invalid bytes kept as U+DC80 + byte.
[[nodiscard]] QString DecodeRawName(const QByteArray &bytes);
// The bytes of a name or path DecodeRawName gave (any other text: its UTF-8).
[[nodiscard]] QByteArray EncodeRawName(const QString &name);
// The name holds bytes that the system's encoding does not read.
[[nodiscard]] bool HasRawBytes(const QString &name);
// The name as it is shown: each unreadable byte drawn as U+FFFD.
[[nodiscard]] QString ShownName(const QString &name);
// The name has lost bytes already (decoded elsewhere with U+FFFD): no file
// can be opened through it any more.
[[nodiscard]] bool NameLost(const QString &name);

} // namespace Irisonde
