// Writes keys to a settings file in a loop and reports each completed write on
// standard output, one index per line, so that a test can kill it at any moment
// and know which writes must have reached the file.
//   ini_writer FILE PREFIX COUNT
// With the prefix "+" it adds 1 to the key Counter of section Crash COUNT
// times instead, each a read and a write in one Transaction.
#include "core/Error.h"
#include "settings/IniFile.h"
#include "IniWriterValue.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

using namespace zentrope;

int main(int argc, char **argv)
{
    if (argc != 4)
        return 2;
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    const int count = std::atoi(argv[3]);
    TIniFile ini(QString::fromLocal8Bit(argv[1]));
    try {
        for (int i = 0; prefix == QLatin1String("+") && i < count; ++i) {
            ini.Transaction([&] {
                const QString key = QStringLiteral("Counter");
                ini.WriteInteger(QStringLiteral("Crash"), key,
                                 ini.ReadInteger(QStringLiteral("Crash"), key, 0) + 1);
            });
        }
        for (int i = 0; prefix != QLatin1String("+") && i < count; ++i) {
            ini.WriteString(QStringLiteral("Crash"), prefix + QLatin1Char('_') + QString::number(i),
                            iniWriterValue(prefix, i));
            char line[32];
            const int n = std::snprintf(line, sizeof line, "%d\n", i);
            if (::write(STDOUT_FILENO, line, n) != n)
                return 3;
        }
    } catch (const ZentropeError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
