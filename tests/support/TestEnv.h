#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace zentrope::test {

// The private folder the whole test process lives in: HOME, the XDG folders and
// the CUPS socket point inside it, so no test touches the real home or printers.
QString rootDir();

// ../shared/corpus beside the project, or an empty string when it is absent.
QString corpusDir();

// A fresh, empty folder below rootDir() for one test.
QString freshDir(const QString &name);

bool runningAsRoot();

// The standard output of a program run to its end (empty when it does not finish).
QString runOutput(const QString &program, const QStringList &args, int timeoutMs = 60000);

// Writes bytes to a file and gives its path back.
QString writeFile(const QString &path, const QByteArray &bytes);

// A file of tests/contacts/data, the contact exports the tests read.
QString contactSample(const char *name);

} // namespace zentrope::test

// Skips the current test when the shared picture corpus is not there.
#define ZENTROPE_REQUIRE_CORPUS()                                                                            \
    do {                                                                                                     \
        if (zentrope::test::corpusDir().isEmpty())                                                           \
            GTEST_SKIP() << "picture corpus ../shared/corpus not found beside the project";                  \
    } while (0)

// Permission tests mean nothing for root, who may write anywhere.
#define ZENTROPE_REQUIRE_UNPRIVILEGED()                                                                      \
    do {                                                                                                     \
        if (zentrope::test::runningAsRoot())                                                                 \
            GTEST_SKIP() << "needs an unprivileged user (the README's test command runs as one)";            \
    } while (0)
