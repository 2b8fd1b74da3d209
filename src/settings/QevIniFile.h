#pragma once

#include "settings/IniFile.h"

#include <QStringList>
#include <memory>

namespace zentrope {

// A font as the settings file knows it: a plain description without widgets.
// The window code converts it to and from QFont at the screen's resolution.
struct FontDescription {
    int Height = -17; // pixels; negative for a character height
    QString Name = QStringLiteral("Arial");
    int Size = 10;     // points
    int32_t Color = 0; // red in the lowest byte, then green, then blue
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    int PixelsPerInch = 96; // resolution that ties Size and Height

    void SetSize(int points);   // recomputes Height
    void SetHeight(int pixels); // recomputes Size
};

// Sides in screen pixels as the caller gives them (Right = Left + Width).
struct IniRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// A string list that may keep itself sorted; its add puts an item in order.
class TStringList {
public:
    bool Sorted = false;
    QStringList Items;
    void Add(const QString &s);
    void Clear() { Items.clear(); }
    int Count() const { return static_cast<int>(Items.size()); }
};

class TQevIniFile : public TIniFile {
public:
    using TIniFile::TIniFile;

    void ReadFont(const QString &section, FontDescription &font) const;
    void WriteFont(const QString &section, const FontDescription &font);
    void ReadRect(const QString &section, IniRect &rect, bool &minimized, bool &maximized) const;
    void WriteRect(const QString &section, const IniRect &rect, bool minimized, bool maximized);
    void ReadTStrings(const QString &section, const QString &prefix, QStringList &list) const;
    void WriteTStrings(const QString &section, const QString &prefix, const QStringList &list);
    void ReadTStringList(const QString &section, const QString &prefix, TStringList &list) const;
    void WriteTStringList(const QString &section, const QString &prefix, const TStringList &list);
    double ReadReal(const QString &section, const QString &key, double def) const;
    void WriteReal(const QString &section, const QString &key, double value);

    // A list read gives at most this many items, whatever count a damaged file
    // claims; the program never writes lists anywhere near as long.
    static constexpr int32_t MaxListItems = 65536;
};

// Whether the program in that folder is installed rather than run from its
// own unpacked folder or build folder: the folder is under /usr, is the
// folder the build installs the program to, or is the "bin" folder of a
// prefix whose share folder holds the program's desktop entry.
bool ProgramIsInstalled(const QString &programDir);

// Where "zentrope.ini" lives: beside a program that is not installed when that
// file can be written (or is absent and its folder can be written), otherwise
// in the user's configuration folder.
QString SettingsFilePath(const QString &programDir);

} // namespace zentrope
