#include "settings/ProgramSettings.h"

namespace zentrope {

namespace {
const QString kOptions = QStringLiteral("Options");
const QString kGraphFile = QStringLiteral("GraphFile");
const QString kGraphicEditor = QStringLiteral("GraphicEditor");
const QString kPrintBarCode = QStringLiteral("PrintBarCode");
const QString kFormatToolbar = QStringLiteral("FormatToolbar");
const QString kShowHints = QStringLiteral("ShowHints");
const QString kSize = QStringLiteral("Size");
const QString kImportFolder = QStringLiteral("ImportFolder");
const QString kPdfFolder = QStringLiteral("PdfFolder");
const QString kPosition = QStringLiteral("Position");
} // namespace

QString ProgramSettings::GraphicFile(const QString &def) const
{
    return m_ini.ReadString(kOptions, kGraphFile, def);
}

void ProgramSettings::SetGraphicFile(const QString &fileName)
{
    m_ini.WriteString(kOptions, kGraphFile, fileName);
}

QString ProgramSettings::GraphicEditor() const
{
    return m_ini.ReadString(kOptions, kGraphicEditor, QStringLiteral("xdg-open"));
}

void ProgramSettings::SetGraphicEditor(const QString &commandLine)
{
    m_ini.WriteString(kOptions, kGraphicEditor, commandLine);
}

bool ProgramSettings::PrintBarCode() const
{
    return m_ini.ReadBool(kOptions, kPrintBarCode, true);
}

void ProgramSettings::SetPrintBarCode(bool on)
{
    m_ini.WriteBool(kOptions, kPrintBarCode, on);
}

bool ProgramSettings::FormatToolbar() const
{
    return m_ini.ReadBool(kOptions, kFormatToolbar, true);
}

void ProgramSettings::SetFormatToolbar(bool on)
{
    m_ini.WriteBool(kOptions, kFormatToolbar, on);
}

bool ProgramSettings::ShowHints() const
{
    return m_ini.ReadBool(kOptions, kShowHints, true);
}

void ProgramSettings::SetShowHints(bool on)
{
    m_ini.WriteBool(kOptions, kShowHints, on);
}

QString ProgramSettings::PdfFolder() const
{
    return m_ini.ReadString(kOptions, kPdfFolder, QString());
}

void ProgramSettings::SetPdfFolder(const QString &folder)
{
    m_ini.WriteString(kOptions, kPdfFolder, folder);
}

void ProgramSettings::SetEnvelopeSizeIndex(int index)
{
    m_ini.WriteInteger(kOptions, kSize, index);
}

QString ProgramSettings::ImportFolder() const
{
    return m_ini.ReadString(kOptions, kImportFolder, QString());
}

void ProgramSettings::SetImportFolder(const QString &folder)
{
    m_ini.WriteString(kOptions, kImportFolder, folder);
}

QString ProgramSettings::AddressFontSection(bool returnAddress)
{
    return returnAddress ? QStringLiteral("ReturnAddressFont") : QStringLiteral("EnvelopeFont");
}

void ProgramSettings::ReadAddressFont(bool returnAddress, FontDescription &font) const
{
    m_ini.ReadFont(AddressFontSection(returnAddress), font);
}

void ProgramSettings::WriteAddressFont(bool returnAddress, const FontDescription &font)
{
    m_ini.WriteFont(AddressFontSection(returnAddress), font);
}

void ProgramSettings::ReadPosition(IniRect &rect, bool &minimized, bool &maximized) const
{
    m_ini.ReadRect(kPosition, rect, minimized, maximized);
}

void ProgramSettings::WritePosition(const IniRect &rect, bool minimized, bool maximized)
{
    m_ini.WriteRect(kPosition, rect, minimized, maximized);
}

} // namespace zentrope
