#include "settings/QevIniFile.h"

#include "core/Units.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <algorithm>
#include <cstdint>

namespace zentrope {

namespace {
// A resolution of 0 or less would divide by zero; such a font is laid out as on
// a common screen.
double resolution(int pixelsPerInch)
{
    return pixelsPerInch > 0 ? pixelsPerInch : 96.0;
}
} // namespace

void FontDescription::SetSize(int points)
{
    Size = points;
    Height = clampToInt(-roundHalfEven(points * resolution(PixelsPerInch) / 72.0));
}

void FontDescription::SetHeight(int pixels)
{
    Height = pixels;
    Size = clampToInt(-roundHalfEven(pixels * 72.0 / resolution(PixelsPerInch)));
}

void TStringList::Add(const QString &s)
{
    if (!Sorted) {
        Items.append(s);
        return;
    }
    const auto at = std::upper_bound(Items.begin(), Items.end(), s, [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    Items.insert(at, s);
}

void TQevIniFile::ReadFont(const QString &section, FontDescription &font) const
{
    font.SetHeight(ReadInteger(section, QStringLiteral("FontHeight"), -17));
    const QString name = ReadString(section, QStringLiteral("FontName"), QStringLiteral("Arial"));
    if (!name.isEmpty())
        font.Name = name;
    font.SetSize(ReadInteger(section, QStringLiteral("FontSize"), 10));
    font.Color = ReadInteger(section, QStringLiteral("FontColor"), 0);
    font.Bold = ReadBool(section, QStringLiteral("FontBold"), false);
    font.Italic = ReadBool(section, QStringLiteral("FontItalic"), false);
    font.Underline = ReadBool(section, QStringLiteral("FontUnderline"), false);
    font.StrikeOut = ReadBool(section, QStringLiteral("FontStrikeout"), false);
}

void TQevIniFile::WriteFont(const QString &section, const FontDescription &font)
{
    WriteInteger(section, QStringLiteral("FontHeight"), font.Height);
    WriteString(section, QStringLiteral("FontName"), font.Name);
    WriteInteger(section, QStringLiteral("FontSize"), font.Size);
    WriteInteger(section, QStringLiteral("FontColor"), font.Color);
    WriteBool(section, QStringLiteral("FontBold"), font.Bold);
    WriteBool(section, QStringLiteral("FontItalic"), font.Italic);
    WriteBool(section, QStringLiteral("FontUnderline"), font.Underline);
    WriteBool(section, QStringLiteral("FontStrikeout"), font.StrikeOut);
}

void TQevIniFile::ReadRect(const QString &section, IniRect &rect, bool &minimized, bool &maximized) const
{
    rect.Top = ReadInteger(section, QStringLiteral("Top"), rect.Top);
    rect.Left = ReadInteger(section, QStringLiteral("Left"), rect.Left);
    rect.Bottom = ReadInteger(section, QStringLiteral("Bottom"), rect.Bottom);
    rect.Right = ReadInteger(section, QStringLiteral("Right"), rect.Right);
    minimized = ReadBool(section, QStringLiteral("Minimized"), minimized);
    maximized = ReadBool(section, QStringLiteral("Maximized"), maximized);
}

void TQevIniFile::WriteRect(const QString &section, const IniRect &rect, bool minimized, bool maximized)
{
    WriteInteger(section, QStringLiteral("Top"), rect.Top);
    WriteInteger(section, QStringLiteral("Left"), rect.Left);
    WriteInteger(section, QStringLiteral("Bottom"), rect.Bottom);
    WriteInteger(section, QStringLiteral("Right"), rect.Right);
    WriteBool(section, QStringLiteral("Minimized"), minimized);
    WriteBool(section, QStringLiteral("Maximized"), maximized);
}

namespace {
QString itemKey(const QString &prefix, int i)
{
    return prefix + QLatin1Char('_') + QString::number(i);
}

// The count and the items from one read of the section: a damaged count must
// not turn into millions of file reads, nor into a list that exhausts memory.
template <typename AddItem>
void readList(const TIniFile &ini, const QString &section, const QString &prefix, AddItem add)
{
    QHash<QString, QString> values;
    for (const auto &[key, value] : ini.ReadSectionValues(section)) {
        const QString k = key.toCaseFolded();
        if (!values.contains(k)) // the first of two equal keys is the one a read finds
            values.insert(k, value);
    }
    int32_t count = 0;
    if (!ParseIniInteger(values.value((prefix + QStringLiteral("_Count")).toCaseFolded()), count))
        count = 0;
    count = std::min(count, TQevIniFile::MaxListItems);
    for (int i = 0; i < count; ++i)
        add(values.value(itemKey(prefix, i).toCaseFolded()));
}
} // namespace

void TQevIniFile::ReadTStrings(const QString &section, const QString &prefix, QStringList &list) const
{
    list.clear();
    readList(*this, section, prefix, [&](const QString &s) { list.append(s); });
}

void TQevIniFile::WriteTStrings(const QString &section, const QString &prefix, const QStringList &list)
{
    WriteInteger(section, prefix + QStringLiteral("_Count"), static_cast<int32_t>(list.size()));
    for (int i = 0; i < list.size(); ++i)
        WriteString(section, itemKey(prefix, i), list[i]);
}

void TQevIniFile::ReadTStringList(const QString &section, const QString &prefix, TStringList &list) const
{
    list.Clear();
    readList(*this, section, prefix, [&](const QString &s) { list.Add(s); });
}

void TQevIniFile::WriteTStringList(const QString &section, const QString &prefix, const TStringList &list)
{
    WriteTStrings(section, prefix, list.Items);
}

void TQevIniFile::ReadFormPos(const QString &section, FormPosition &window) const
{
    window.SetLeft(ReadInteger(section, QStringLiteral("Left"), window.Left()));
    window.SetTop(ReadInteger(section, QStringLiteral("Top"), window.Top()));
    window.SetHeight(ReadInteger(section, QStringLiteral("Height"), window.Height()));
    window.SetWidth(ReadInteger(section, QStringLiteral("Width"), window.Width()));
    const int state = ReadInteger(section, QStringLiteral("State"), window.WindowState());
    if (state >= 0 && state <= 2)
        window.SetWindowState(static_cast<FormPosition::State>(state));
}

void TQevIniFile::WriteFormPos(const QString &section, const FormPosition &window)
{
    WriteInteger(section, QStringLiteral("Left"), window.Left());
    WriteInteger(section, QStringLiteral("Top"), window.Top());
    WriteInteger(section, QStringLiteral("Height"), window.Height());
    WriteInteger(section, QStringLiteral("Width"), window.Width());
    WriteInteger(section, QStringLiteral("State"), window.WindowState());
}

double TQevIniFile::ReadReal(const QString &section, const QString &key, double def) const
{
    const auto d =
        static_cast<int32_t>(std::clamp<int64_t>(roundHalfEven(def * 1000.0), INT32_MIN, INT32_MAX));
    return ReadInteger(section, key, d) / 1000.0;
}

void TQevIniFile::WriteReal(const QString &section, const QString &key, double value)
{
    // Values outside the storable range are clamped rather than wrapped; NaN is 0.
    const int64_t scaled = std::clamp<int64_t>(roundHalfEven(value * 1000.0), INT32_MIN, INT32_MAX);
    WriteInteger(section, key, static_cast<int32_t>(scaled));
}

QString SettingsFilePath(const QString &programDir)
{
    const QString beside = QDir(programDir).absoluteFilePath(QStringLiteral("zentrope.ini"));
    const QFileInfo file(beside);
    const QFileInfo dir(programDir);
    if (file.exists() ? file.isWritable() && dir.isWritable() : dir.isWritable())
        return beside;
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config)) // relative values are ignored by the XDG rules
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/zentrope/zentrope.ini");
}

} // namespace zentrope
