#include "shell/CommandLine.h"

namespace zentrope {

namespace {

bool isOption(const QString &arg, QChar letter)
{
    // Only the exact two-character forms count: "/print" or "/p:" are not options.
    return arg.size() == 2 && (arg[0] == u'/' || arg[0] == u'-') &&
           (arg[1] == letter || arg[1] == letter.toUpper());
}

} // namespace

CommandLine ParseCommandLine(const QStringList &Arguments)
{
    QStringList args;
    for (const QString &a : Arguments) {
        if (a.isEmpty())
            break;
        args << a;
    }
    CommandLine result;
    if (args.size() == 1) {
        // A lone argument is always a file name, even "/p".
        result.Mode = CommandLineMode::Open;
        result.FileName = args[0];
    } else if (args.size() == 2) {
        if (isOption(args[0], u'p'))
            result.Mode = CommandLineMode::Print;
        else if (isOption(args[0], u'o'))
            result.Mode = CommandLineMode::Open;
        if (result.Mode != CommandLineMode::None)
            result.FileName = args[1];
    }
    return result;
}

} // namespace zentrope
