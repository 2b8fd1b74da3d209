#pragma once

#include <QString>
#include <QStringList>

namespace zentrope {

// What the program does with its command line before the main window shows.
enum class CommandLineMode { None, Open, Print };

struct CommandLine {
    CommandLineMode Mode = CommandLineMode::None;
    QString FileName;
};

// Reads the arguments after the program name, one argv element each, exactly
// as the shell or the desktop split and unquoted them. An empty element ends
// the list.
CommandLine ParseCommandLine(const QStringList &Arguments);

} // namespace zentrope
