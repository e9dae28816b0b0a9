// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The tips text and the arithmetic of the tip number, apart from the window so
// that both can be checked without a display.
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace Irisonde {

namespace Tips {

// The carried resource "TIPS" of type "LIGNES".
inline const QString kResourceFile = QStringLiteral("TIPS.lignes");

// Windows-1252 bytes as text. Done here rather than by the platform's codecs,
// which do not know this code page everywhere; the five bytes the code page
// leaves undefined become the control characters of the same number, as
// Windows itself decodes them.
[[nodiscard]] QString DecodeWindows1252(QByteArrayView bytes);

// The tip lines of a resource: each line ends with CR LF, the line "FIN" ends
// the list and is not a tip. Reading never passes the last byte: a resource
// without "FIN" gives every line it holds, its unterminated tail included.
[[nodiscard]] QStringList ParseTips(QByteArrayView resource);

// The tips of the program's own resource; empty if the build lacks it.
[[nodiscard]] QStringList LoadTips();

// The tip after `index`, back to the first past the last.
[[nodiscard]] std::int32_t NextTipIndex(std::int32_t index, qsizetype count);
// The tip before `index`, on to the last below the first.
[[nodiscard]] std::int32_t PredTipIndex(std::int32_t index, qsizetype count);
// A stored number brought into range for showing: beyond the last tip, or
// negative (a damaged store), it restarts at the first tip.
[[nodiscard]] std::int32_t ShownTipIndex(std::int32_t stored, qsizetype count);

// "Astuce n° 3 sur 16" for the tip numbered 2 of 16.
[[nodiscard]] QString NumeroText(std::int32_t index, qsizetype count);

} // namespace Tips

} // namespace Irisonde
