#include "support/PdfProbe.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace zentrope::test;

namespace {

struct Output {
    int status = -1;
    QString out, err;
};

// The real program with the given locale variables and no others.
Output runIn(const QString &exe, const QStringList &locale, const QStringList &args)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *var : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        env.remove(QString::fromLatin1(var));
    for (const QString &setting : locale)
        env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(exe, args);
    Output r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.status = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

} // namespace

// The script options speak the locale's language (LANGUAGE first, the C
// locale and unknown languages English), Qt's own messages included; the
// print job's title stays what it is.
TEST(TranslationsTest, ScriptOptionsFollowTheLocale)
{
    const QString built = QStringLiteral(ZENTROPE_BINARY_DIR "/src/zentrope");
    if (!QFile::exists(built))
        GTEST_SKIP() << "the program is not built: " << built.toStdString();
    const QString dir = freshDir(QStringLiteral("translations"));
    const QString exe = dir + QStringLiteral("/zentrope");
    ASSERT_TRUE(QFile::copy(built, exe));
    const QStringList help{QStringLiteral("--help")};

    const struct {
        QStringList locale;
        const char *usage;
    } cases[] = {
        {{"LANG=de_DE.UTF-8"}, "Aufruf: zentrope --pdf AUSGABE.pdf [Optionen] [Datei|-]\n"},
        {{"LANG=es_ES.UTF-8"}, "Uso: zentrope --pdf SALIDA.pdf [opciones] [archivo|-]\n"},
        {{"LANG=de_DE.UTF-8", "LANGUAGE=pt:fr"}, "Utilisation\u00a0: zentrope --pdf SORTIE.pdf"},
        {{"LANG=C", "LANGUAGE=de"}, "Usage: zentrope --pdf OUT.pdf"},
        {{"LANG=de_DE.UTF-8", "LC_MESSAGES=C.UTF-8"}, "Usage: zentrope --pdf OUT.pdf"},
        {{"LANG=xx_YY.UTF-8"}, "Usage: zentrope --pdf OUT.pdf"},
    };
    for (const auto &c : cases) {
        const Output r = runIn(exe, c.locale, help);
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_TRUE(r.out.startsWith(QString::fromUtf8(c.usage))) << c.locale.join(u' ').toStdString() << "\n"
                                                                  << r.out.toStdString();
    }

    const QStringList german{QStringLiteral("LANG=de_DE.UTF-8")};
    Output r = runIn(exe, german, help);
    EXPECT_TRUE(r.out.contains(QStringLiteral("--pdf <Datei>"))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("Diese Hilfe anzeigen."))) << r.out.toStdString();
    if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm"))) {
        EXPECT_TRUE(r.out.contains(QStringLiteral("Optionen:"))) << "Qt's own text\n" << r.out.toStdString();
    }
    r = runIn(exe, german,
              {QStringLiteral("--pdf"), dir + QStringLiteral("/out.pdf"), dir + QStringLiteral("/none.env")});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err, QStringLiteral("zentrope: Die Datei „%1/none.env“ wurde nicht gefunden.\n").arg(dir));

    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        GTEST_SKIP() << "pdfinfo is not installed";
    const QString addresses = writeFile(dir + QStringLiteral("/one.env"), "Jane Doe\r\n1 Main St\r\n");
    const QString pdf = dir + QStringLiteral("/out.pdf");
    r = runIn(exe, german,
              {QStringLiteral("--pdf"), pdf, addresses, QStringLiteral("--settings"),
               writeFile(dir + QStringLiteral("/settings.ini"), "")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(pdfInfo(pdf, 1).Title, QStringLiteral("Zentrope Envelope"));
}
