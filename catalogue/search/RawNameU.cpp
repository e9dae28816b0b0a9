// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/search/RawNameU.h"

namespace Irisonde {

namespace {

constexpr char16_t EscapeBase = 0xDC00;
constexpr char16_t Replacement = 0xFFFD;

bool Continuation(char c) { return (uchar(c) & 0xC0) == 0x80; }

// The length of the UTF-8 sequence that `lead` begins, 0 for no lead byte.
int SequenceLength(uchar lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

bool Escaped(QChar c) { return c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF; }

} // namespace

QString DecodeRawName(const QByteArray &bytes)
{
    const QString plain = QString::fromUtf8(bytes);
    if (!plain.contains(QChar(Replacement)) || plain.toUtf8() == bytes)
        return plain;
    QString out;
    out.reserve(bytes.size());
    qsizetype i = 0;
    while (i < bytes.size()) {
        const int len = SequenceLength(uchar(bytes[i]));
        bool valid = len > 0 && i + len <= bytes.size();
        for (int j = 1; valid && j < len; ++j)
            valid = Continuation(bytes[i + j]);
        if (valid) {
            // Overlong forms and encoded surrogates pass the checks above;
            // the decoder refuses them, and they do not come back the same.
            const QByteArray seq = bytes.mid(i, len);
            const QString decoded = QString::fromUtf8(seq);
            if (decoded.toUtf8() == seq) {
                out += decoded;
                i += len;
                continue;
            }
        }
        out += QChar(char16_t(EscapeBase + uchar(bytes[i])));
        ++i;
    }
    return out;
}

QByteArray EncodeRawName(const QString &name)
{
    if (!HasRawBytes(name))
        return name.toUtf8();
    QByteArray out;
    qsizetype run = 0; // start of the text not yet written
    for (qsizetype i = 0; i < name.size(); ++i) {
        const bool paired = i > 0 && name[i - 1].isHighSurrogate();
        if (!Escaped(name[i]) || paired)
            continue;
        out += QStringView(name).mid(run, i - run).toUtf8();
        out += char(name[i].unicode() - EscapeBase);
        run = i + 1;
    }
    out += QStringView(name).mid(run).toUtf8();
    return out;
}

bool HasRawBytes(const QString &name)
{
    for (qsizetype i = 0; i < name.size(); ++i)
        if (Escaped(name[i]) && !(i > 0 && name[i - 1].isHighSurrogate()))
            return true;
    return false;
}

QString ShownName(const QString &name)
{
    if (!HasRawBytes(name))
        return name;
    QString out = name;
    for (qsizetype i = 0; i < out.size(); ++i)
        if (Escaped(out[i]) && !(i > 0 && name[i - 1].isHighSurrogate()))
            out[i] = QChar(Replacement);
    return out;
}

bool NameLost(const QString &name) { return name.contains(QChar(Replacement)); }

} // namespace Irisonde
