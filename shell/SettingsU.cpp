// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/SettingsU.h"

#include "shell/AppStateU.h"
#include "shell/PlacementBoundsU.h"
#include "shell/WorkshopU.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QSettings>
#include <QWidget>
#include <algorithm>
#include <array>
#include <limits>

namespace Irisonde {

namespace {

// One open store per load or save, as the registry key would be.
class TSettingsStore {
public:
    TSettingsStore() : store(QSettings::NativeFormat, QSettings::UserScope,
                             QStringLiteral("Veltrane"), QStringLiteral("Irisonde")) {}

    QString ReadString(const QString &section, const QString &name, const QString &def) const
    {
        const QVariant v = store.value(section + QLatin1Char('/') + name);
        // Only text counts: a value of another type (a list, a variant blob
        // written by something else) reads as missing.
        if (!v.isValid() || v.typeId() != QMetaType::QString)
            return def;
        return v.toString();
    }
    std::int32_t ReadInteger(const QString &section, const QString &name, std::int32_t def) const
    {
        const QString text = ReadString(section, name, QString());
        return ParseStoredInteger(text, def);
    }
    bool ReadBool(const QString &section, const QString &name, bool def) const
    {
        return ReadInteger(section, name, def ? 1 : 0) != 0;
    }
    void WriteString(const QString &section, const QString &name, const QString &value)
    {
        store.setValue(section + QLatin1Char('/') + name, value);
    }
    void WriteInteger(const QString &section, const QString &name, std::int32_t value)
    {
        WriteString(section, name, QString::number(value));
    }
    void WriteBool(const QString &section, const QString &name, bool value)
    {
        WriteString(section, name, value ? QStringLiteral("1") : QStringLiteral("0"));
    }
    QSettings store;
};

const QString kTips = QStringLiteral("Tips");
const QString kBrowser = QStringLiteral("Browser");

std::int32_t ParseDigits(QStringView digits, int base, bool negative, std::int32_t def)
{
    if (digits.isEmpty())
        return def;
    bool ok = false;
    const qulonglong magnitude = digits.toULongLong(&ok, base);
    if (!ok)
        return def;
    // Hexadecimal texts name a 32-bit pattern ("0xFFFFFFFF" is -1); decimal
    // ones must fit the signed range.
    if (base == 16) {
        if (magnitude > 0xFFFFFFFFull)
            return def;
        const auto bits = static_cast<std::uint32_t>(magnitude);
        const auto value = static_cast<std::int32_t>(bits);
        return negative ? static_cast<std::int32_t>(0u - bits) : value;
    }
    const qlonglong limit = negative ? -static_cast<qlonglong>(std::numeric_limits<std::int32_t>::min())
                                     : std::numeric_limits<std::int32_t>::max();
    if (magnitude > static_cast<qulonglong>(limit))
        return def;
    return static_cast<std::int32_t>(negative ? -static_cast<qlonglong>(magnitude) : static_cast<qlonglong>(magnitude));
}

bool AllDigits(QStringView s, int base)
{
    for (const QChar c : s) {
        const bool dec = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        const bool hex = (c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f'));
        if (!(dec || (base == 16 && hex)))
            return false;
    }
    return true;
}

} // namespace

std::int32_t ParseStoredInteger(const QString &text, std::int32_t def)
{
    if (text.size() > 2 && text[0] == QLatin1Char('0') && (text[1] == QLatin1Char('x') || text[1] == QLatin1Char('X'))) {
        const QStringView digits = QStringView(text).mid(2);
        return AllDigits(digits, 16) ? ParseDigits(digits, 16, false, def) : def;
    }
    QStringView rest(text);
    bool negative = false;
    if (!rest.isEmpty() && (rest[0] == QLatin1Char('-') || rest[0] == QLatin1Char('+'))) {
        negative = rest[0] == QLatin1Char('-');
        rest = rest.mid(1);
    }
    int base = 10;
    if (!rest.isEmpty() && rest[0] == QLatin1Char('$')) {
        base = 16;
        rest = rest.mid(1);
    }
    return AllDigits(rest, base) ? ParseDigits(rest, base, negative, def) : def;
}

TPlacement TSettings::Placement(const QString &section) const
{
    const auto it = Placements.find(section);
    return it == Placements.end() ? TPlacement() : it->second;
}

TSettings LoadSettings(const QString &programFolder, const QStringList &sections)
{
    const TSettingsStore s;
    const TPlacement def;
    TSettings settings;
    for (const QString &section : sections) {
        TPlacement *record = &settings.Placement(section);
        record->X = s.ReadInteger(section, QStringLiteral("X"), def.X);
        record->Y = s.ReadInteger(section, QStringLiteral("Y"), def.Y);
        record->W = s.ReadInteger(section, QStringLiteral("W"), def.W);
        record->H = s.ReadInteger(section, QStringLiteral("H"), def.H);
        record->Maxis = s.ReadBool(section, QStringLiteral("Maxis"), def.Maxis);
        record->SizeStored = s.store.contains(section + QStringLiteral("/W")) || s.store.contains(section + QStringLiteral("/H"));
    }
    settings.TipIndex = s.ReadInteger(kTips, QStringLiteral("TipIndex"), 0);
    settings.TipFlag = s.ReadBool(kTips, QStringLiteral("TipFlag"), true);
    settings.BullesFlag = s.ReadBool(kTips, QStringLiteral("BullesFlag"), true);
    settings.SplashFlag = s.ReadBool(kTips, QStringLiteral("SplashFlag"), true);
    settings.wThumb = s.ReadInteger(kBrowser, QStringLiteral("wThumb"), 80);
    settings.brwRecurseFlag = s.ReadBool(kBrowser, QStringLiteral("brwRecurseFlag"), true);
    settings.brwMetaFlag = s.ReadBool(kBrowser, QStringLiteral("brwMetaFlag"), true);
    settings.brwBmpFlag = s.ReadBool(kBrowser, QStringLiteral("brwBmpFlag"), true);
    settings.brwPath = s.ReadString(kBrowser, QStringLiteral("brwPath"), programFolder);
    return settings;
}

namespace {

// Every setting written into a fresh store object, as text; `clean` first
// drops whatever the store held. The store's status after writing.
QSettings::Status WriteEverySetting(const TSettings &settings, bool clean)
{
    TSettingsStore s;
    if (clean)
        s.store.clear();
    for (const auto &[section, placement] : settings.Placements) {
        const TPlacement *record = &placement;
        // A maximised window is stored without its normal bounds.
        const bool m = record->Maxis;
        s.WriteInteger(section, QStringLiteral("X"), m ? 0 : record->X);
        s.WriteInteger(section, QStringLiteral("Y"), m ? 0 : record->Y);
        s.WriteInteger(section, QStringLiteral("W"), m ? -1 : record->W);
        s.WriteInteger(section, QStringLiteral("H"), m ? -1 : record->H);
        s.WriteBool(section, QStringLiteral("Maxis"), m);
    }
    s.WriteInteger(kTips, QStringLiteral("TipIndex"), settings.TipIndex);
    s.WriteBool(kTips, QStringLiteral("TipFlag"), settings.TipFlag);
    s.WriteBool(kTips, QStringLiteral("BullesFlag"), settings.BullesFlag);
    s.WriteBool(kTips, QStringLiteral("SplashFlag"), settings.SplashFlag);
    s.WriteInteger(kBrowser, QStringLiteral("wThumb"), settings.wThumb);
    s.WriteBool(kBrowser, QStringLiteral("brwRecurseFlag"), settings.brwRecurseFlag);
    s.WriteBool(kBrowser, QStringLiteral("brwMetaFlag"), settings.brwMetaFlag);
    s.WriteBool(kBrowser, QStringLiteral("brwBmpFlag"), settings.brwBmpFlag);
    s.WriteString(kBrowser, QStringLiteral("brwPath"), settings.brwPath);
    s.store.sync();
    return s.store.status();
}

} // namespace

QString SaveSettings(const TSettings &settings)
{
    const TSettingsStore s;
    // The store writes its file in one go at sync(); find out beforehand
    // whether its folder can be made and the file replaced, so that the
    // message names the failure the way the registry would have.
    const QFileInfo file(s.store.fileName());
    if (!QDir().mkpath(file.absolutePath()) || !QFileInfo(file.absolutePath()).isWritable())
        return QStringLiteral("Erreur de création de la clé %1").arg(QStringLiteral("MainF"));
    const QString dataError = QStringLiteral("Erreur à définition des données pour '%1'").arg(QStringLiteral("X"));
    if (file.exists() && (!file.isFile() || !file.isWritable()))
        return dataError;

    QSettings::Status status = WriteEverySetting(settings, false);
    if (status == QSettings::FormatError) {
        // The store read the file again before writing and met content it
        // could not read (a damaged file, read as defaults at start): no
        // failure of the writing, which the status no longer tells apart.
        // Written again from a clean store, the unreadable content is gone;
        // only a file still unreadable after that was not written.
        status = WriteEverySetting(settings, true);
    }
    return status == QSettings::NoError ? QString() : dataError;
}


TPlacement GetPlacement(const QWidget &window)
{
    // Widths and heights are outer sizes, frame included. A maximised window
    // also keeps its normal bounds, though they are not stored for it.
    const QRect frame = Irisonde::OuterRect(window);
    const QRect inner = window.geometry();
    TPlacement p;
    p.Maxis = window.isMaximized();
    if (p.Maxis) {
        const QRect n = window.normalGeometry();
        p.X = n.x() - (inner.x() - frame.x());
        p.Y = n.y() - (inner.y() - frame.y());
        p.W = n.width() + frame.width() - inner.width();
        p.H = n.height() + frame.height() - inner.height();
    } else {
        p.X = frame.x();
        p.Y = frame.y();
        p.W = frame.width();
        p.H = frame.height();
    }
    // A record never keeps a size its window could not come back with.
    const QRect bounded = Irisonde::BoundedOuterRect(window, {p.X, p.Y, p.W, p.H});
    p.W = bounded.width();
    p.H = bounded.height();
    return p;
}

namespace {

// Applies a record's in-range fields, the sizes as outer sizes; the client
// area at least `leastClient`.
void ApplyBounds(QWidget &window, const TPlacement &p, QSize leastClient)
{
    // A workshop's least size depends on its frame, known by now or never.
    if (auto *workshop = qobject_cast<TWorkshopF *>(&window))
        workshop->KeepLeastSize();
    const QRect frame = Irisonde::OuterRect(window);
    const QRect inner = window.geometry();
    const int extraW = frame.width() - inner.width();
    const int extraH = frame.height() - inner.height();
    const int left = p.X >= 0 ? p.X : frame.x();
    const int top = p.Y >= 0 ? p.Y : frame.y();
    const int width = std::max(p.W > 0 ? p.W : frame.width(), leastClient.width() + extraW);
    const int height = std::max(p.H > 0 ? p.H : frame.height(), leastClient.height() + extraH);
    // Whatever the store held, the window fits its screen and shows its
    // title bar there.
    const QRect bounded = Irisonde::BoundedOuterRect(window, {left, top, width, height});
    window.move(bounded.topLeft());
    window.resize(qMax(1, bounded.width() - extraW), qMax(1, bounded.height() - extraH));
}

} // namespace

void SetPlacement(QWidget &window, const TPlacement &p, QSize leastClient)
{
    if (p.Maxis) {
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
        return;
    }
    const QSize least = leastClient.expandedTo(QSize(0, 0));
    ApplyBounds(window, p, least);
    // Until a window has been framed by the window manager, its frame is
    // unknown and outer bounds cannot be met: the window would come back
    // off by its frame at every run. The record is applied again once the
    // frame is known, however late the window manager frames it.
    if (!Irisonde::IsFramed(window))
        Irisonde::WhenFramed(window, [&window, p, least] { ApplyBounds(window, p, least); });
}

namespace {

// The titles are kept out of plain sight in the binary: each byte of their
// UTF-8 form is mixed with a running key at compile time.
template <std::size_t N>
struct Scrambled {
    std::array<unsigned char, N> bytes{};
};

constexpr unsigned char KeyAt(std::size_t i) { return static_cast<unsigned char>(0xA5 ^ (i * 29 + 7)); }

template <std::size_t N>
consteval Scrambled<N> Scramble(const char (&plain)[N])
{
    Scrambled<N> s;
    for (std::size_t i = 0; i < N; ++i)
        s.bytes[i] = static_cast<unsigned char>(static_cast<unsigned char>(plain[i]) ^ KeyAt(i));
    return s;
}

template <std::size_t N>
QString Unscramble(const Scrambled<N> &s)
{
    QByteArray plain;
    for (std::size_t i = 0; i + 1 < N; ++i)
        plain.append(static_cast<char>(s.bytes[i] ^ KeyAt(i)));
    return QString::fromUtf8(plain);
}

constexpr auto kDisplayTitle = Scramble("Irisonde - Couleurs et perception visuelle");
constexpr auto kShortTitle = Scramble("Irisonde");

} // namespace

void RestoreTitles(TAppState &state)
{
    state.DisplayTitle = Unscramble(kDisplayTitle);
    state.ShortTitle = Unscramble(kShortTitle);
}

QString PluralS(const QString &word, int count)
{
    return count < 2 ? word : word + QLatin1Char('s');
}

} // namespace Irisonde
