#pragma once

#include <QPageRanges>
#include <QString>
#include <QStringList>
#include <optional>

namespace zentrope {

// What a command line of the script options asks for.
struct ScriptCommand {
    enum class Action { Help, Version, Pdf, Print };
    Action Do = Action::Help;
    QString Text;                         // what --help or --version prints
    QString PdfFile;                      // --pdf
    QString Input;                        // the address file; "-" is standard input
    QString Import;                       // --import: a vCard or CSV file instead
    QString Printer;                      // --printer; empty: the printer used last
    int Copies = 1;                       // --copies
    QPageRanges Pages;                    // --pages; empty: every envelope
    std::optional<QString> Size;          // --size
    std::optional<QString> ReturnAddress; // --return-address; "" for none
    bool NoBarCode = false;               // --no-barcode
    QString SettingsFile;                 // --settings; empty: the program's own
};

// Whether a command line selects the script options: its first argument
// (after the program) begins with "--", or any argument is -h, -v, --help
// or --version. argv as the program got it.
bool IsScriptCommandLine(int argc, char **argv);

// Reads the script options from the arguments exactly as argv holds them, the
// program's name first. Bad usage throws ScriptFailure (ScriptBadUsage).
ScriptCommand ParseScriptCommand(const QStringList &arguments);

} // namespace zentrope
