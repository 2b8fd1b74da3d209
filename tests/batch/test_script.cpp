#include "barcode/Postnet.h"
#include "envelope/EnvelopeSizeCatalog.h"
#include "envelope/FeedProfile.h"
#include "envelope/ReturnAddressCatalog.h"
#include "envelope/StandardEnvelopes.h"
#include "settings/ProgramSettings.h"
#include "settings/QevIniFile.h"
#include "support/CupsServer.h"
#include "support/PdfProbe.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zentrope;
using namespace zentrope::test;

namespace {

const QByteArray kThree = "Alice Able\r\n12 First Ave\r\nAlbany, NY 12207-1234\r\n\r\n"
                          "Bob Baker\r\n345 Second St\r\nBoston, MA 02118\r\n\r\n"
                          "Carol Cole\r\n67 Third Rd\r\nChicago, IL 60601-7890\r\n";

struct Result {
    int status = -1;
    QString out;
    QString err;
};

// The real program, a copy in a folder of its own (where its own settings
// file would be), run with a settings file of the test's making.
class ScriptTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString built = QStringLiteral(ZENTROPE_BINARY_DIR "/src/zentrope");
        if (!QFile::exists(built))
            GTEST_SKIP() << "the program is not built: " << built.toStdString();
        for (const char *tool : {"pdfinfo", "pdftotext", "pdftoppm", "pdffonts"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                GTEST_SKIP() << tool << " is not installed";
        dir = freshDir(QStringLiteral("script"));
        ASSERT_TRUE(QDir().mkpath(dir + QStringLiteral("/bin")));
        exe = dir + QStringLiteral("/bin/zentrope");
        ASSERT_TRUE(QFile::copy(built, exe));
        addresses = writeFile(dir + QStringLiteral("/three.env"), kThree);

        // A black logo, a second return address and a size without an area.
        QImage logo(32, 32, QImage::Format_RGB32);
        logo.fill(Qt::black);
        logoFile = dir + QStringLiteral("/logo.bmp");
        ASSERT_TRUE(logo.save(logoFile, "BMP"));
        settings = dir + QStringLiteral("/settings.ini");
        TQevIniFile ini(settings);
        ProgramSettings(ini).SetGraphicFile(logoFile);
        ReturnAddressCatalog returns;
        returns.Load(ini);
        returns.SetLines(returns.Add(QStringLiteral("Office")),
                         {QStringLiteral("Zentrope Office"), QStringLiteral("1 Stamp Row")});
        returns.Save(ini);
        EnvelopeSizeCatalog sizes;
        sizes.Load(ini);
        TEnvelopeDimension flat;
        flat.Width = 0;
        sizes.Add(QStringLiteral("Flat"), flat);
        sizes.Save(ini);
    }

    Result run(const QStringList &args, const QByteArray &input = {},
               QProcessEnvironment env = QProcessEnvironment::systemEnvironment())
    {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(exe, args);
        p.write(input);
        p.closeWriteChannel();
        Result r;
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
            return r;
        }
        r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
        r.err = QString::fromLocal8Bit(p.readAllStandardError());
        return r;
    }

    QString dir, exe, addresses, logoFile, settings;
};

bool dark(const QImage &img, int x, int y)
{
    return qGray(img.pixel(x, y)) < 128;
}

} // namespace

TEST_F(ScriptTest, PdfOfAnAddressFileWithoutADisplay)
{
    const QByteArray before = [&] {
        QFile f(settings);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    const QDateTime modified = QFileInfo(settings).lastModified();
    const QStringList settingsFolder = QDir(dir).entryList(QDir::Files);
    // A display that does not answer and a platform that needs one.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":99"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    const QString pdf = dir + QStringLiteral("/out.pdf");
    const Result r = run({QStringLiteral("--pdf"), pdf, addresses, QStringLiteral("--settings"), settings,
                          QStringLiteral("--size"), QStringLiteral("business #10"),
                          QStringLiteral("--return-address"), QStringLiteral("OFFICE")},
                         {}, env);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();

    const PdfInfo info = pdfInfo(pdf, 3);
    EXPECT_EQ(info.Pages, 3);
    EXPECT_EQ(info.Title, QStringLiteral("Zentrope Envelope"));
    EXPECT_EQ(info.PageSize, QSizeF(648, 288)) << "9 x 4 in, landscape";
    const char *names[] = {"Alice Able", "Bob Baker", "Carol Cole"};
    for (int p = 1; p <= 3; ++p) {
        const QString text = pageText(pdf, p);
        EXPECT_TRUE(text.contains(QLatin1String(names[p - 1]))) << p << text.toStdString();
        EXPECT_TRUE(text.contains(QLatin1String("Zentrope Office"))) << p;
        EXPECT_FALSE(text.contains(QLatin1String(names[p % 3]))) << p;
    }
    // Every font embedded: the "emb" column of pdffonts.
    const QStringList fonts = runOutput(QStringLiteral("pdffonts"), {pdf}).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(fonts.size(), 3);
    const qsizetype emb = fonts[0].indexOf(QLatin1String("emb"));
    for (const QString &font : fonts.mid(2))
        EXPECT_EQ(font.mid(emb, 3), QStringLiteral("yes")) << font.toStdString();

    // The logo fills the square inch at the corner; the bars read back.
    const QImage page1 = renderPage(pdf, 1, dir);
    ASSERT_FALSE(page1.isNull());
    EXPECT_TRUE(dark(page1, 10, 10) && dark(page1, 290, 290) && !dark(page1, 310, 150));
    EXPECT_EQ(decodeBarCode(page1), ExtractZipCode({"12 First Ave", "Albany, NY 12207-1234"}));
    EXPECT_EQ(decodeBarCode(renderPage(pdf, 2, dir)), QStringLiteral("021188"));

    // The settings are read, never written; nothing is registered.
    QFile f(settings);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
    EXPECT_EQ(QFileInfo(settings).lastModified(), modified);
    QStringList now = QDir(dir).entryList(QDir::Files);
    now.removeAll(QStringLiteral("out.pdf"));
    now.removeAll(QStringLiteral("page1.pgm"));
    now.removeAll(QStringLiteral("page2.pgm"));
    EXPECT_EQ(now, settingsFolder);
    EXPECT_FALSE(QFile::exists(qEnvironmentVariable("XDG_DATA_HOME") +
                               QStringLiteral("/applications/zentrope.desktop")));

    // Without --settings: the program's own file, which does not exist and is not made.
    ASSERT_EQ(run({QStringLiteral("--pdf"), pdf, addresses}).status, 0);
    EXPECT_TRUE(pageText(pdf, 1).contains(QLatin1String("Your Name")));
    EXPECT_FALSE(QFile::exists(dir + QStringLiteral("/bin/zentrope.ini")));
    EXPECT_EQ(QDir(dir + QStringLiteral("/bin")).entryList(QDir::Files),
              QStringList{QStringLiteral("zentrope")});
}

// libcups and its many dependencies are opened at the first printing call, so
// a PDF is written without them.
TEST_F(ScriptTest, PdfLoadsNoPrintingLibrary)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
    const QString pdf = dir + QStringLiteral("/plain.pdf");
    const Result r =
        run({QStringLiteral("--pdf"), pdf, addresses, QStringLiteral("--settings"), settings}, {}, env);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QLatin1String("libQt6Gui"))) << "the loader's trace is read";
    EXPECT_FALSE(r.err.contains(QLatin1String("libcups"))) << r.err.toStdString();
    EXPECT_EQ(pdfInfo(pdf, 3).Pages, 3);
}

TEST_F(ScriptTest, StandardInputAndTheChoicesOverTheSettings)
{
    // Windows-1252 text, no return address, no bar code, the small size.
    const QByteArray latin =
        "J\xfcrgen Gr\xfc\xdf\r\nHauptstr. 1\r\n\r\n\r\nZo\xeb Ray\r\nDover, DE 19901-1234\r\n";
    const QString pdf = dir + QStringLiteral("/in.pdf");
    Result r = run({QStringLiteral("--pdf"), pdf, QStringLiteral("-"), QStringLiteral("--settings"), settings,
                    QStringLiteral("--return-address"), QString(), QStringLiteral("--no-barcode"),
                    QStringLiteral("--size"), QStringLiteral("SMALL")},
                   latin);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(pdfInfo(pdf).Pages, 2);
    EXPECT_EQ(pdfInfo(pdf).PageSize, QSizeF(432, 252));
    const QString first = pageText(pdf, 1);
    EXPECT_TRUE(first.contains(QStringLiteral("J\u00fcrgen Gr\u00fc\u00df"))) << first.toStdString();
    EXPECT_FALSE(first.contains(QLatin1String("Your Name")));
    EXPECT_TRUE(decodeBarCode(renderPage(pdf, 2, dir)).isEmpty());

    // "Printer Setup" on a PDF is the stored paper: A4, turned.
    {
        TQevIniFile ini(settings);
        ini.WriteInteger(QStringLiteral("Printer"), QStringLiteral("PaperSize"), 9);
        ini.WriteInteger(QStringLiteral("Printer"), QStringLiteral("Orientation"), 2);
    }
    r = run({QStringLiteral("--pdf"), pdf, QStringLiteral("--settings"), settings, QStringLiteral("--size"),
             QStringLiteral("printer setup")},
            kThree);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QSizeF a4 = pdfInfo(pdf).PageSize;
    EXPECT_NEAR(a4.width(), 841.89, 0.5);
    EXPECT_NEAR(a4.height(), 595.28, 0.5);
    EXPECT_EQ(pdfInfo(pdf).Pages, 3);
}

TEST_F(ScriptTest, ExitStatusesAndOneLineOnStandardError)
{
    const QString pdf = dir + QStringLiteral("/status.pdf");
    const QString big = dir + QStringLiteral("/big.env");
    {
        QFile f(big);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(16 * 1024 * 1024, 'a') + "a");
    }
    const QString set = QStringLiteral("--settings");
    const QString fifo = dir + QStringLiteral("/settings.fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct {
        QStringList args;
        int status;
        const char *says;
    } cases[] = {
        {{QStringLiteral("--pdf"), pdf, QStringLiteral("--frobnicate")}, 2, "frobnicate"},
        {{QStringLiteral("--pdf"), pdf, QStringLiteral("--print"), addresses}, 2, "--pdf"},
        {{QStringLiteral("--pdf")}, 2, "pdf"},
        {{QStringLiteral("--pdf"), pdf, addresses, addresses}, 2, "One address file"},
        {{QStringLiteral("--pdf"), pdf, QStringLiteral("--copies"), QStringLiteral("2"), addresses},
         2,
         "--copies"},
        {{QStringLiteral("--print"), QStringLiteral("--copies"), QStringLiteral("0"), addresses},
         2,
         "--copies 0"},
        {{QStringLiteral("--print"), QStringLiteral("--pages"), QStringLiteral("2-x"), addresses},
         2,
         "--pages 2-x"},
        {{QStringLiteral("--pdf"), pdf, set, settings, QStringLiteral("--size"), QStringLiteral("Huge"),
          addresses},
         2,
         "Huge"},
        {{QStringLiteral("--pdf"), pdf, set, settings, QStringLiteral("--return-address"),
          QStringLiteral("Nobody"), addresses},
         2,
         "Nobody"},
        {{QStringLiteral("--pdf"), pdf, set, settings, dir + QStringLiteral("/none.env")}, 3, "none.env"},
        {{QStringLiteral("--pdf"), pdf, set, settings, dir}, 3, "Cannot find file"},
        {{QStringLiteral("--pdf"), pdf, set, settings, big}, 3, "big.env: Text exceeds memo capacity."},
        {{QStringLiteral("--pdf"), pdf, set, dir + QStringLiteral("/none.ini"), addresses}, 3, "none.ini"},
        {{QStringLiteral("--pdf"), dir + QStringLiteral("/no/such/folder.pdf"), set, settings, addresses},
         4,
         "folder.pdf"},
        {{QStringLiteral("--pdf"), pdf, set, settings, QStringLiteral("--size"), QStringLiteral("flat"),
          addresses},
         4,
         "no width or height"},
        // A device is written in place (and is full); a folder is no file.
        {{QStringLiteral("--pdf"), QStringLiteral("/dev/full"), set, settings, addresses},
         4,
         "/dev/full: Stream write error."},
        {{QStringLiteral("--pdf"), dir, set, settings, addresses}, 4, "Cannot create file"},
        // Settings that are no file would read as no settings at all.
        {{QStringLiteral("--pdf"), pdf, set, fifo, addresses}, 3, "is not a regular file"},
        {{QStringLiteral("--pdf"), pdf, set, QStringLiteral("/dev/null"), addresses},
         3,
         "is not a regular file"},
    };
    writeFile(pdf, "the old file");
    for (const auto &c : cases) {
        const Result r = run(c.args);
        const std::string what = c.args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(r.status, c.status) << what << "\n" << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QLatin1String(c.says))) << what << "\n" << r.err.toStdString();
        EXPECT_TRUE(r.err.startsWith(QLatin1String("zentrope: ")) && r.err.count(u'\n') == 1)
            << what << "\n"
            << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << what;
    }
    // No failure left a half-written PDF, nor replaced the old one.
    QFile old(pdf);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("the old file"));
    QStringList left = QDir(dir).entryList(QDir::Files);
    EXPECT_EQ(left.filter(QStringLiteral(".pdf")), QStringList{QStringLiteral("status.pdf")});

    // Standard input without an address.
    Result r = run({QStringLiteral("--pdf"), pdf, set, settings}, "\r\n   \r\n");
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err, QStringLiteral("zentrope: standard input: There is no address to print.\n"));

    // No printer installed.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), dir + QStringLiteral("/no-cups.sock"));
    r = run({QStringLiteral("--print"), set, settings, addresses}, {}, env);
    EXPECT_EQ(r.status, 4);
    EXPECT_TRUE(r.err.contains(QLatin1String("No printer is installed"))) << r.err.toStdString();

    // Help and version, on any platform: a line for every option.
    env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":99"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    r = run({QStringLiteral("--help")}, {}, env);
    EXPECT_EQ(r.status, 0);
    for (const char *option :
         {"--pdf <file>", "--print ", "--printer <name>", "--copies <n>", "--pages <list>", "--size <name>",
          "--return-address <name>", "--no-barcode", "--settings <file>", "--help", "--version"})
        EXPECT_TRUE(r.out.contains(QLatin1String(option))) << option << "\n" << r.out.toStdString();
    r = run({QStringLiteral("--version")}, {}, env);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, QStringLiteral("Zentrope %1 (Qt %2)\n")
                         .arg(QLatin1String(ZENTROPE_VERSION), QLatin1String(qVersion())));
}

TEST_F(ScriptTest, ShortHelpAndVersionWithoutADisplayAndStandardSizesByName)
{
    // No display to open: the window must not even be tried.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":99"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    const QString version = QStringLiteral("Zentrope %1 (Qt %2)\n")
                                .arg(QLatin1String(ZENTROPE_VERSION), QLatin1String(qVersion()));
    for (const QStringList &args : {QStringList{QStringLiteral("-v")},
                                    QStringList{QStringLiteral("/p"), addresses, QStringLiteral("-v")}}) {
        const Result r = run(args, {}, env);
        EXPECT_EQ(r.status, 0) << args.join(u' ').toStdString() << r.err.toStdString();
        EXPECT_EQ(r.out, version);
    }
    Result r = run({QStringLiteral("-h")}, {}, env);
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QLatin1String("--size <name>"))) << r.out.toStdString();

    // Standard sizes by their short or PWG names, for this run only.
    QFile ini(settings);
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray before = ini.readAll();
    ini.close();
    const QString pdf = dir + QStringLiteral("/sized.pdf");
    const struct {
        const char *name;
        const char *points;
    } sizes[] = {{"us #10", "684 x 297"},
                 {"DL", "624 x 312"},
                 {"ISO_DL_110X220MM", "624 x 312"},
                 {"monarch", "540 x 279"},
                 {"c5", "649 x 459"}};
    for (const auto &size : sizes) {
        r = run({QStringLiteral("--pdf"), pdf, QStringLiteral("--settings"), settings,
                 QStringLiteral("--size"), QLatin1String(size.name), addresses});
        EXPECT_EQ(r.status, 0) << size.name << r.err.toStdString();
        EXPECT_TRUE(runOutput(QStringLiteral("pdfinfo"), {pdf}).contains(QLatin1String(size.points)))
            << size.name << runOutput(QStringLiteral("pdfinfo"), {pdf}).toStdString();
    }
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), before) << "the catalog stays as it was";

    r = run({QStringLiteral("--pdf"), pdf, QStringLiteral("--settings"), settings, QStringLiteral("--size"),
             QStringLiteral("#10"), addresses});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.count(u'\n'), 1) << r.err.toStdString();
    for (const char *accepted :
         {"\"Flat\"", "\"US #10\" (na_number-10_4.125x9.5in)", "\"DL\" (iso_dl_110x220mm)"})
        EXPECT_TRUE(r.err.contains(QLatin1String(accepted))) << accepted << "\n" << r.err.toStdString();
}

TEST_F(ScriptTest, PrintMakesItsOwnCopiesAndLeavesCupsNothingToFilter)
{
    ZENTROPE_REQUIRE_CUPS(cups);
    cups->clearReceived();
    {
        // The stored printer and a stored copy count the script must not multiply by.
        TQevIniFile ini(settings);
        ini.WriteString(QStringLiteral("Printer"), QStringLiteral("PrinterName"), CupsServer::RawB);
        ini.WriteInteger(QStringLiteral("Printer"), QStringLiteral("Copies"), 3);
    }
    Result r = run({QStringLiteral("--print"), QStringLiteral("--settings"), settings,
                    QStringLiteral("--printer"), CupsServer::RawA, QStringLiteral("--copies"),
                    QStringLiteral("2"), QStringLiteral("--pages"), QStringLiteral("2-3"), addresses});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    ASSERT_TRUE(cups->waitForJobs(CupsServer::RawA, 1)) << cups->logTail().toStdString();
    EXPECT_FALSE(cups->waitForJobs(CupsServer::RawA, 2, 1000)) << "one job";
    EXPECT_EQ(cups->receivedCount(CupsServer::RawB), 0);
    const QString pdf = cups->receivedFiles(CupsServer::RawA).constFirst();
    ASSERT_EQ(pdfPages(pdf), 4);
    const char *names[] = {"Bob Baker", "Bob Baker", "Carol Cole", "Carol Cole"};
    for (int p = 1; p <= 4; ++p)
        EXPECT_TRUE(pageText(pdf, p).contains(QLatin1String(names[p - 1]))) << p;
    const QMap<QString, QString> job = cups->lastJobAttributes(CupsServer::RawA);
    ASSERT_FALSE(job.isEmpty());
    EXPECT_EQ(job.value(QStringLiteral("job-name")), QStringLiteral("Zentrope Envelope"));
    EXPECT_FALSE(job.contains(QStringLiteral("page-ranges")));
    EXPECT_FALSE(job.contains(QStringLiteral("copies"))) << job.value(QStringLiteral("copies")).toStdString();

    r = run({QStringLiteral("--print"), QStringLiteral("--settings"), settings, QStringLiteral("--printer"),
             QStringLiteral("Nowhere"), addresses});
    EXPECT_EQ(r.status, 4);
    EXPECT_EQ(r.err, QStringLiteral("zentrope: There is no printer \"Nowhere\".\n"));
}

TEST_F(ScriptTest, ImportTakesEveryContactWithAnAddress)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C")); // home country: the United States
    const QString pdf = dir + QStringLiteral("/contacts.pdf");
    const QString contacts = QStringLiteral(ZENTROPE_SOURCE_DIR "/tests/contacts/data/iphone-3.0.vcf");
    Result r = run({QStringLiteral("--pdf"), pdf, QStringLiteral("--import"), contacts,
                    QStringLiteral("--settings"), settings},
                   {}, env);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(pdfInfo(pdf).Pages, 3);
    EXPECT_TRUE(pageText(pdf, 1).contains(QStringLiteral("Johnny Appleseed")));
    EXPECT_TRUE(pageText(pdf, 3).contains(QStringLiteral("AUSTRIA")));
    // How the file was read goes to standard error.
    EXPECT_EQ(r.err, QStringLiteral("zentrope: %1: Contacts read: 3.\n").arg(contacts));

    // A FIFO is refused at once instead of waiting for a writer.
    const QString fifo = dir + QStringLiteral("/contacts-fifo.vcf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    r = run({QStringLiteral("--pdf"), pdf, QStringLiteral("--import"), fifo, QStringLiteral("--settings"),
             settings});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err, QStringLiteral("zentrope: Cannot open file %1.\n").arg(fifo));

    // A file that holds no contacts, and an address file beside --import.
    r = run({QStringLiteral("--pdf"), pdf, QStringLiteral("--import"), logoFile, QStringLiteral("--settings"),
             settings});
    EXPECT_EQ(r.status, 3);
    EXPECT_TRUE(r.err.contains(QStringLiteral("neither a vCard nor a CSV file"))) << r.err.toStdString();
    r = run({QStringLiteral("--pdf"), pdf, QStringLiteral("--import"), contacts, addresses});
    EXPECT_EQ(r.status, 2);
}

TEST_F(ScriptTest, PrintFeedsAsTheProfileOfThePrinterItPrintsOn)
{
    ZENTROPE_REQUIRE_CUPS(cups);
    cups->clearReceived();
    QString media;
    {
        TQevIniFile ini(settings);
        EnvelopeSizeCatalog sizes;
        const EnvelopeSize *size = sizes.At(sizes.Load(ini));
        ASSERT_TRUE(size);
        media = PwgMediaName(size->Dimension.Width, size->Dimension.Height);
        FeedProfile feed;
        feed.Paper = FeedProfile::EnvelopePaper;
        feed.Source = QStringLiteral("Manual");
        WriteFeedProfile(ini, CupsServer::Feed, feed);
        // Another printer's profile, which this job must not take.
        feed.Source = QStringLiteral("Envelope");
        WriteFeedProfile(ini, CupsServer::RawA, feed);
    }
    const QStringList command{QStringLiteral("--print"),
                              QStringLiteral("--settings"),
                              settings,
                              QStringLiteral("--printer"),
                              CupsServer::Feed,
                              QStringLiteral("--pages"),
                              QStringLiteral("1"),
                              addresses};
    // Long edge first, the first-run size is wider than any sheet the queue
    // takes: nothing is sent, and the message says why.
    Result r = run(command);
    EXPECT_EQ(r.status, 4);
    EXPECT_TRUE(r.err.contains(QStringLiteral("This printer's driver offers no long-edge envelope size")) &&
                r.err.contains(CupsServer::Feed))
        << r.err.toStdString();
    EXPECT_EQ(cups->receivedCount(CupsServer::Feed), 0);
    {
        TQevIniFile ini(settings);
        FeedProfile feed = *ReadFeedProfile(ini, CupsServer::Feed);
        feed.LongEdgeFirst = false;
        WriteFeedProfile(ini, CupsServer::Feed, feed);
    }
    r = run(command);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    ASSERT_TRUE(cups->waitForJobs(CupsServer::Feed, 1)) << cups->logTail().toStdString();
    QStringList medias;
    for (const auto &[name, value] : cups->lastJobAttributeList(CupsServer::Feed))
        if (name == QLatin1String("media"))
            medias << value;
    EXPECT_EQ(medias, QStringList{media});
    const QMap<QString, QString> job = cups->lastJobAttributes(CupsServer::Feed);
    EXPECT_EQ(job.value(QStringLiteral("InputSlot")), QStringLiteral("Manual"));
    EXPECT_EQ(job.value(QStringLiteral("print-scaling")), QStringLiteral("none"));
    EXPECT_TRUE(
        pageText(cups->receivedFiles(CupsServer::Feed).constFirst(), 1).contains(QLatin1String("Alice")));
}

// A PDF reaches its target whole or not at all: on a full disk the old file
// stays; standard output and a name that is not UTF-8 get exactly the PDF.
TEST_F(ScriptTest, PdfWholeOrNotAtAll)
{
    const QStringList base = {QStringLiteral("--settings"), settings, addresses};
    for (const QString &target : {QStringLiteral("-"), QStringLiteral("/dev/stdout")}) {
        QProcess p;
        p.start(exe, QStringList{QStringLiteral("--pdf"), target} + base);
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        const QByteArray out = p.readAllStandardOutput();
        EXPECT_TRUE(out.startsWith("%PDF-")) << target.toStdString();
        const QString copy = writeFile(dir + QStringLiteral("/stdout.pdf"), out);
        EXPECT_EQ(pdfInfo(copy).Pages, 3) << target.toStdString();
    }

    // The name goes to the system byte for byte.
    QProcess named;
    named.start(QStringLiteral("sh"),
                {QStringLiteral("-c"),
                 QStringLiteral("exec \"$0\" --pdf \"$(printf '%s/caf\\351.pdf' \"$1\")\" "
                                "--settings \"$2\" \"$3\""),
                 exe, dir, settings, addresses});
    ASSERT_TRUE(named.waitForFinished(60000));
    EXPECT_EQ(named.exitCode(), 0) << named.readAllStandardError().toStdString();
    struct stat st {};
    EXPECT_EQ(::stat(QFile::encodeName(dir) + "/caf\xe9.pdf", &st), 0);
    EXPECT_FALSE(QFile::exists(dir + QStringLiteral("/caf\ufffd.pdf")));
    ::unlink(QFile::encodeName(dir) + "/caf\xe9.pdf"); // Qt could not remove it with the folder

    // A full file system: a tmpfs in a user and mount namespace.
    const QString disk = freshDir(QStringLiteral("full"));
    QProcess full;
    full.setProcessChannelMode(QProcess::MergedChannels);
    full.start(QStringLiteral("unshare"),
               {QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"),
                QStringLiteral(
                    "mount -t tmpfs -o size=64k none \"$1\" || exit 100\n"
                    "printf old > \"$1/keep.pdf\"\n"
                    "cat /dev/zero > \"$1/filler\" 2>/dev/null\n"
                    "\"$2\" --pdf \"$1/new.pdf\" --settings \"$3\" \"$4\"; echo \"new=$?\"\n"
                    "\"$2\" --pdf \"$1/keep.pdf\" --settings \"$3\" \"$4\"; echo \"keep=$?\"\n"
                    "echo \"kept=$(cat \"$1/keep.pdf\")\"; echo \"files=$(ls -A \"$1\" | tr '\\n' ' ')\""),
                QStringLiteral("sh"), disk, exe, settings, addresses});
    ASSERT_TRUE(full.waitForFinished(120000));
    if (full.exitCode() == 100)
        GTEST_SKIP() << "user and mount namespaces are not permitted here";
    const QString out = QString::fromUtf8(full.readAll());
    EXPECT_TRUE(out.contains(QStringLiteral("zentrope: %1/new.pdf: Stream write error.\nnew=4\n").arg(disk)))
        << out.toStdString();
    EXPECT_TRUE(
        out.contains(QStringLiteral("zentrope: %1/keep.pdf: Stream write error.\nkeep=4\n").arg(disk)))
        << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("kept=old\nfiles=filler keep.pdf \n"))) << out.toStdString();
}
