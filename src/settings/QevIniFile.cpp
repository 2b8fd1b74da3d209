#include "settings/QevIniFile.h"

#include "core/Units.h"
#include "settings/IniSection.h"

#include <QDir>
#include <QFileInfo>
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
} // namespace

void TQevIniFile::ReadTStrings(const QString &section, const QString &prefix, QStringList &list) const
{
    // One read of the file: a damaged count must not turn into a list that
    // exhausts memory.
    list = ReadList(section, prefix, MaxListItems);
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
    for (const QString &s : ReadList(section, prefix, MaxListItems))
        list.Add(s);
}

void TQevIniFile::WriteTStringList(const QString &section, const QString &prefix, const TStringList &list)
{
    WriteTStrings(section, prefix, list.Items);
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
    WriteInteger(section, key, IniRealValue(value));
}

bool ProgramIsInstalled(const QString &programDir)
{
    const auto canonical = [](const QString &path) {
        const QString c = QFileInfo(path).canonicalFilePath();
        return c.isEmpty() ? QDir::cleanPath(QFileInfo(path).absoluteFilePath()) : c;
    };
    const QString dir = canonical(programDir);
    if (dir == QLatin1String("/usr") || dir.startsWith(QLatin1String("/usr/")))
        return true;
#ifdef ZENTROPE_INSTALL_BINDIR
    if (dir == canonical(QStringLiteral(ZENTROPE_INSTALL_BINDIR)))
        return true;
#endif
    // An install to any other prefix, or a package unpacked somewhere: the
    // program in <prefix>/bin, its desktop entry in <prefix>/share.
    return QFileInfo(dir).fileName() == QLatin1String("bin") &&
           QFileInfo::exists(dir + QStringLiteral("/../share/applications/zentrope.desktop"));
}

QString SettingsFilePath(const QString &programDir)
{
    const QString beside = QDir(programDir).absoluteFilePath(QStringLiteral("zentrope.ini"));
    const QFileInfo file(beside);
    const QFileInfo dir(programDir);
    // An installed program never writes beside itself, even where it could
    // (run as root): nothing there would own or remove the file.
    if (!ProgramIsInstalled(programDir) &&
        (file.exists() ? file.isFile() && file.isWritable() && dir.isWritable() : dir.isWritable()))
        return beside;
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config)) // relative values are ignored by the XDG rules
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/zentrope/zentrope.ini");
}

} // namespace zentrope
