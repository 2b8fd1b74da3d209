#include "shell/CommandLine.h"

#include <gtest/gtest.h>

using namespace zentrope;

namespace {

struct Row {
    QStringList args;
    CommandLineMode mode;
    QString file;
};

std::string describe(const QStringList &args)
{
    return ("[" + args.join(QStringLiteral("|")) + "]").toStdString();
}

} // namespace

TEST(ParseCommandLineTest, ModeTable)
{
    const QString f = QStringLiteral("letters/aunt.env");
    const std::vector<Row> rows = {
        {{}, CommandLineMode::None, {}},
        {{f}, CommandLineMode::Open, f},
        // A lone option is a file name.
        {{QStringLiteral("/p")}, CommandLineMode::Open, QStringLiteral("/p")},
        {{QStringLiteral("-O")}, CommandLineMode::Open, QStringLiteral("-O")},
        {{QStringLiteral("/p"), f}, CommandLineMode::Print, f},
        {{QStringLiteral("/P"), f}, CommandLineMode::Print, f},
        {{QStringLiteral("-p"), f}, CommandLineMode::Print, f},
        {{QStringLiteral("-P"), f}, CommandLineMode::Print, f},
        {{QStringLiteral("/o"), f}, CommandLineMode::Open, f},
        {{QStringLiteral("/O"), f}, CommandLineMode::Open, f},
        {{QStringLiteral("-o"), f}, CommandLineMode::Open, f},
        {{QStringLiteral("-O"), f}, CommandLineMode::Open, f},
        // Only the exact forms are options.
        {{QStringLiteral("/x"), f}, CommandLineMode::None, {}},
        {{QStringLiteral("/print"), f}, CommandLineMode::None, {}},
        {{QStringLiteral("/p:"), f}, CommandLineMode::None, {}},
        {{QStringLiteral("p"), f}, CommandLineMode::None, {}},
        {{QStringLiteral("\\p"), f}, CommandLineMode::None, {}},
        {{f, QStringLiteral("/p")}, CommandLineMode::None, {}},
        {{QStringLiteral("/p"), f, f}, CommandLineMode::None, {}},
        {{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")},
         CommandLineMode::None,
         {}},
        // One argv element is one argument, blanks and all.
        {{QStringLiteral("/home/jane doe/My Letters/aunt.env")},
         CommandLineMode::Open,
         QStringLiteral("/home/jane doe/My Letters/aunt.env")},
        {{QStringLiteral("-p"), QStringLiteral("/tmp/two  blanks.env")},
         CommandLineMode::Print,
         QStringLiteral("/tmp/two  blanks.env")},
        // An empty element ends the list.
        {{QStringLiteral("/p"), QString(), f}, CommandLineMode::Open, QStringLiteral("/p")},
        {{QString(), f}, CommandLineMode::None, {}},
        {{QStringLiteral("/x"), f, QString(), QStringLiteral("more")}, CommandLineMode::None, {}},
        {{QStringLiteral("/o"), f, QString(), QStringLiteral("more")}, CommandLineMode::Open, f},
    };
    for (const Row &r : rows) {
        const CommandLine c = ParseCommandLine(r.args);
        EXPECT_EQ(c.Mode, r.mode) << describe(r.args);
        EXPECT_EQ(c.FileName.toStdString(), r.file.toStdString()) << describe(r.args);
    }
}
