#pragma once

#include "settings/QevIniFile.h"

#include <QString>

namespace zentrope {

// The program's own keys in the settings file, each read with its default in
// one place. Written at the moment they change, key by key.
class ProgramSettings {
public:
    explicit ProgramSettings(TQevIniFile &ini) : m_ini(ini) {}

    // Section "Options".
    QString GraphicFile(const QString &def = QString()) const;
    void SetGraphicFile(const QString &fileName);
    // The command line that edits the graphic; the picture's name follows it.
    QString GraphicEditor() const;
    void SetGraphicEditor(const QString &commandLine);
    bool PrintBarCode() const;
    void SetPrintBarCode(bool on);
    bool FormatToolbar() const;
    void SetFormatToolbar(bool on);
    bool ShowHints() const;
    void SetShowHints(bool on);
    // The folder of the last PDF export.
    QString PdfFolder() const;
    void SetPdfFolder(const QString &folder);
    // The envelope size picked when the program last closed.
    void SetEnvelopeSizeIndex(int index);
    // The folder contacts were last imported from; empty before the first import.
    QString ImportFolder() const;
    void SetImportFolder(const QString &folder);

    // Sections "ReturnAddressFont" and "EnvelopeFont": `font` brings the
    // defaults and the resolution its size holds at.
    void ReadAddressFont(bool returnAddress, FontDescription &font) const;
    void WriteAddressFont(bool returnAddress, const FontDescription &font);
    static QString AddressFontSection(bool returnAddress);

    // Section "Position": the window's sides over `rect` and its state.
    void ReadPosition(IniRect &rect, bool &minimized, bool &maximized) const;
    void WritePosition(const IniRect &rect, bool minimized, bool maximized);

    TQevIniFile &File() const { return m_ini; }

private:
    TQevIniFile &m_ini;
};

} // namespace zentrope
