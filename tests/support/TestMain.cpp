#include "support/TestEnv.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

#ifdef ZENTROPE_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

namespace zentrope::test {
void setRootDir(const QString &dir);
}

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QTemporaryDir root(QDir::tempPath() + QStringLiteral("/zentrope-test-XXXXXX"));
    if (!root.isValid())
        return 2;
    const QString r = root.path();
    zentrope::test::setRootDir(r);
    const auto setDir = [&](const char *var, const QString &sub) {
        QDir().mkpath(r + sub);
        qputenv(var, QFile::encodeName(r + sub));
    };
    setDir("HOME", QStringLiteral("/home"));
    setDir("XDG_CONFIG_HOME", QStringLiteral("/home/.config"));
    setDir("XDG_DATA_HOME", QStringLiteral("/home/.local/share"));
    setDir("XDG_CACHE_HOME", QStringLiteral("/home/.cache"));
    setDir("XDG_STATE_HOME", QStringLiteral("/home/.local/state"));
    setDir("XDG_RUNTIME_DIR", QStringLiteral("/run"));
    ::chmod(QFile::encodeName(r + QStringLiteral("/run")).constData(), 0700);
    qputenv("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    // No test reaches the machine's printers: CUPS is pointed at a socket that
    // nothing serves unless a test starts its own server first.
    if (qEnvironmentVariableIsEmpty("ZENTROPE_TEST_CUPS_SERVER"))
        qputenv("CUPS_SERVER", QFile::encodeName(r + QStringLiteral("/no-cups.sock")));
    else
        qputenv("CUPS_SERVER", qgetenv("ZENTROPE_TEST_CUPS_SERVER"));

    // The program run by the tests speaks English whatever the machine's
    // language: its messages are in the C locale (LC_ALL, which would win over
    // that, hands its value to LANG for the other categories).
    if (!qEnvironmentVariableIsEmpty("LC_ALL")) {
        qputenv("LANG", qgetenv("LC_ALL"));
        qunsetenv("LC_ALL");
    }
    qputenv("LC_MESSAGES", "C");
    qunsetenv("LANGUAGE");

    TestApplication app(argc, argv);
    // Whatever the machine's language, tests see the C locale's conventions
    // (lengths in inches, among others); a test that needs another sets it.
    QLocale::setDefault(QLocale::c());
    return RUN_ALL_TESTS();
}
