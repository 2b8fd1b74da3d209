#include "batch/ScriptRun.h"

#include "batch/ScriptCommand.h"
#include "batch/ScriptFailure.h"
#include "contacts/ContactImport.h"
#include "contacts/Country.h"
#include "contacts/Envelopes.h"
#include "core/FileName.h"
#include "core/WholeFileWriter.h"
#include "document/AddressFile.h"
#include "document/AddressLines.h"
#include "document/EnvelopeComposer.h"
#include "envelope/EnvelopeSizeCatalog.h"
#include "envelope/FeedProfile.h"
#include "envelope/ReturnAddressCatalog.h"
#include "envelope/StandardEnvelopes.h"
#include "print/EnvelopeJob.h"
#include "print/PrintChoices.h"
#include "print/PrinterDevice.h"
#include "print/PrinterSettings.h"
#include "print/page/EnvelopeDesign.h"
#include "settings/ProgramSettings.h"
#include "settings/QevIniFile.h"
#include "shell/ProgramLanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace zentrope {

namespace {

// Standard error is for the one line that tells a failure: Qt's own notes
// (a missing runtime folder and the like) stay out of it.
void writeLine(FILE *stream, const QString &text)
{
    // A file name in the text goes out with the bytes it has on disk.
    const QByteArray bytes = EncodeFileName(text);
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

void quietQt(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        writeLine(stderr, QStringLiteral("zentrope: %1\n").arg(message));
}

// "<where>: <problem>", unless the problem names the file already.
QString about(const QString &where, const QString &problem)
{
    return problem.contains(where) ? problem : QStringLiteral("%1: %2").arg(where, problem);
}

// The address text of a file or of standard input, read as address files are.
QString readAddresses(const QString &input)
{
    const bool standardInput = input == QLatin1String("-");
    const QString where =
        standardInput ? QCoreApplication::translate("zentrope::ScriptRun", "standard input") : input;
    AddressText text;
    try {
        if (standardInput) {
            QFile in;
            if (!in.open(stdin, QIODevice::ReadOnly))
                throw ZentropeError(
                    QCoreApplication::translate("zentrope::ScriptRun", "Cannot read standard input."));
            // One byte more than fits tells a text that is too long.
            text = DecodeAddressText(in.read(AddressFileCapacity + 1));
        } else {
            if (!AddressFileExists(input))
                throw ZentropeError(
                    QCoreApplication::translate("zentrope::ScriptRun", "Cannot find file \"%1\".")
                        .arg(input));
            text = ReadAddressFile(input);
        }
    } catch (const ZentropeError &e) {
        throw ScriptFailure(ScriptBadInput, about(where, e.message()));
    }
    if (SplitEnvelopes(text.Text).EnvelopeCount() == 0)
        throw ScriptFailure(ScriptBadInput, about(where, NoAddressMessage()));
    return text.Text;
}

// Every contact of a vCard or CSV file that has a postal address, one
// envelope each, laid out for the home country of the locale.
QString importAddresses(const QString &file, const TQevIniFile &ini)
{
    ContactImport contacts;
    try {
        contacts = ReadContactFile(file, &ini);
    } catch (const ZentropeError &e) {
        throw ScriptFailure(ScriptBadInput, about(file, e.message()));
    }
    // Without a window nobody can say which column is which.
    if (contacts.NeedsMapping)
        throw ScriptFailure(
            ScriptBadInput,
            about(file, QCoreApplication::translate("zentrope::ScriptRun",
                                                    "the columns of this CSV file are unknown; import it "
                                                    "once in the window to choose them.")));
    // How the file was read, on standard error beside any failure.
    writeLine(stderr, QStringLiteral("zentrope: %1\n")
                          .arg(about(file, ReadReport(int(contacts.Contacts.size()), contacts.Counts))));
    const QString text = ImportedText(contacts.Contacts, DefaultChoices(contacts.Contacts),
                                      HomeCountryCode(QLocale::system()));
    if (SplitEnvelopes(text).EnvelopeCount() == 0)
        throw ScriptFailure(ScriptBadInput, about(file, NoAddressMessage()));
    return text;
}

// The entry of a catalog whose name matches, ignoring case; the first in
// catalog order when two do.
template <typename Entries, typename Name>
int findByName(const Entries &entries, const QString &wanted, Name name)
{
    for (size_t i = 0; i < entries.size(); ++i)
        if (name(entries[i]).compare(wanted, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

// A size of the catalog by name, else a standard envelope by its short or
// PWG name, taken for this run only (the settings are never written).
int chosenSize(EnvelopeSizeCatalog &sizes, const QString &wanted, const QString &settings)
{
    const int size = findByName(sizes.Entries(), wanted, [](const EnvelopeSize &e) { return e.Name; });
    if (size >= 0)
        return size;
    if (const StandardEnvelope *standard = FindStandardEnvelope(wanted))
        return sizes.Add(standard->ShortName, standard->Dimension());
    QStringList accepted;
    for (const EnvelopeSize &e : sizes.Entries())
        accepted << QStringLiteral("\"%1\"").arg(e.Name);
    QStringList standards;
    for (const StandardEnvelope &e : StandardEnvelopes())
        standards << QStringLiteral("\"%1\" (%2)").arg(e.ShortName, e.PwgName);
    throw ScriptFailure(ScriptBadUsage,
                        QCoreApplication::translate("zentrope::ScriptRun",
                                                    "--size: no envelope size \"%1\" in %2. Accepted, in any "
                                                    "letter case: %3; the standard sizes %4.")
                            .arg(wanted, settings, accepted.join(QStringLiteral(", ")),
                                 standards.join(QStringLiteral(", "))));
}

// The envelope the main window would start with from these settings, with
// the command's choices over it and the given text in its address box. Only reads.
struct ScriptEnvelope {
    EnvelopeSizeCatalog Sizes;
    ReturnAddressCatalog ReturnAddresses;
    EnvelopeComposer Composer{Sizes, ReturnAddresses};
};

void compose(ScriptEnvelope &envelope, TQevIniFile &ini, const ScriptCommand &command, const QString &text)
{
    const ProgramSettings options(ini);
    EnvelopeComposer &composer = envelope.Composer;

    int size = envelope.Sizes.Load(ini);
    if (command.Size)
        size = chosenSize(envelope.Sizes, *command.Size, ini.FileName());
    composer.selectSize(size);
    if (!composer.size())
        throw ScriptFailure(ScriptBadUsage, QCoreApplication::translate("zentrope::ScriptRun",
                                                                        "No envelope size is chosen in %1.")
                                                .arg(ini.FileName()));

    int ret = envelope.ReturnAddresses.Load(ini);
    if (command.ReturnAddress) {
        ret = command.ReturnAddress->isEmpty()
                  ? -1
                  : findByName(envelope.ReturnAddresses.Entries(), *command.ReturnAddress,
                               [](const ReturnAddress &a) { return a.Description; });
        if (ret < 0 && !command.ReturnAddress->isEmpty())
            throw ScriptFailure(ScriptBadUsage, QCoreApplication::translate(
                                                    "zentrope::ScriptRun",
                                                    "--return-address: no return address \"%1\" in %2.")
                                                    .arg(*command.ReturnAddress, ini.FileName()));
    }
    composer.selectReturnAddress(ret);
    composer.readSettings(options);

    // As at the window's start: a graphic that cannot be read is left out.
    const QString graphic = options.GraphicFile();
    if (!graphic.isEmpty()) {
        const Graphic::Kind kind = Graphic::kindOf(Graphic::extensionOf(graphic));
        try {
            composer.setPicture(Graphic::load(graphic, kind));
        } catch (const ZentropeError &e) {
            writeLine(stderr, QStringLiteral("zentrope: %1\n")
                                  .arg(QCoreApplication::translate("zentrope::ScriptRun", "warning: %1: %2")
                                           .arg(graphic, e.message())));
        }
    }
    if (command.NoBarCode)
        composer.setPrintBarCode(false);
    composer.setText(text);
}

void writePdf(const ScriptCommand &command, const TQevIniFile &ini, const EnvelopeList &envelopes,
              const EnvelopeDesign &design)
{
    const bool standardOutput = command.PdfFile == QLatin1String("-");
    const QString where = standardOutput
                              ? QCoreApplication::translate("zentrope::ScriptRun", "standard output")
                              : command.PdfFile;
    try {
        // Only the "Printer Setup" size takes the printer's paper; without one
        // stored, finding it asks the printing system for its default printer.
        const QPageLayout paper =
            EnvelopeSize::IsPrinterSetupName(design.SizeName) ? StoredPaper(ini) : QPageLayout();
        const PageSource page = [&design](const QStringList &lines) {
            return MakeEnvelopePage(design, lines);
        };
        const JobPlan plan = JobPlan::All(envelopes.EnvelopeCount());
        if (standardOutput) {
            WholeFileWriter out(STDOUT_FILENO);
            WriteEnvelopePdf(out, where, envelopes, plan, page, paper);
        } else {
            WriteEnvelopePdf(command.PdfFile, envelopes, plan, page, paper);
        }
    } catch (const ZentropeError &e) {
        throw ScriptFailure(ScriptOutputFailed, about(where, e.message()));
    }
}

void print(const ScriptCommand &command, const TQevIniFile &ini, const EnvelopeList &envelopes,
           const EnvelopeDesign &design)
{
    JobPlan plan = JobPlan::All(envelopes.EnvelopeCount(), command.Copies);
    if (!command.Pages.isEmpty()) {
        plan.Envelopes = EnvelopesInRanges(command.Pages, envelopes.EnvelopeCount());
        if (plan.Envelopes.empty())
            throw ScriptFailure(ScriptBadUsage,
                                QCoreApplication::translate("zentrope::ScriptRun",
                                                            "--pages %1: the addresses make %2 envelopes.")
                                    .arg(command.Pages.toString())
                                    .arg(envelopes.EnvelopeCount()));
    }
    try {
        if (!PrinterDevice::PrintersInstalled())
            throw ZentropeError(NoPrinterMessage());
        PrinterDevice printer;
        LoadPrinterSettings(printer, ini);
        if (!command.Printer.isEmpty()) {
            const int index = int(printer.Printers().indexOf(command.Printer));
            if (index < 0)
                throw ZentropeError(
                    QCoreApplication::translate("zentrope::ScriptRun", "There is no printer \"%1\".")
                        .arg(command.Printer));
            printer.SetPrinterIndex(index);
        }
        // As after the print dialog: the program makes the copies and picks the envelopes.
        ClearPrinterChoices(printer.QtPrinter());
        // The feed profile of the printer the job goes to.
        PrintEnvelopeJob(
            printer, envelopes, plan,
            [&design](const QStringList &lines) { return MakeEnvelopePage(design, lines); }, {},
            ReadFeedProfile(ini, printer.PrinterName()));
    } catch (const ZentropeError &e) {
        throw ScriptFailure(ScriptOutputFailed, e.message());
    }
}

int run(const ScriptCommand &command)
{
    switch (command.Do) {
    case ScriptCommand::Action::Help:
    case ScriptCommand::Action::Version:
        writeLine(stdout, command.Text);
        return ScriptDone;
    case ScriptCommand::Action::Pdf:
    case ScriptCommand::Action::Print:
        break;
    }
    QString settings = command.SettingsFile;
    if (settings.isEmpty()) {
        settings = SettingsFilePath(QFileInfo(QCoreApplication::applicationFilePath()).absolutePath());
    } else {
        struct stat st {};
        if (::stat(EncodeFileName(settings).constData(), &st) != 0 || S_ISDIR(st.st_mode))
            throw ScriptFailure(
                ScriptBadInput,
                QCoreApplication::translate("zentrope::ScriptRun", "Cannot find file \"%1\".").arg(settings));
        // A FIFO or a device would be read as no settings at all.
        if (!S_ISREG(st.st_mode))
            throw ScriptFailure(ScriptBadInput, QCoreApplication::translate("zentrope::ScriptRun",
                                                                            "\"%1\" is not a regular file.")
                                                    .arg(settings));
    }
    TQevIniFile ini(QFileInfo(settings).absoluteFilePath());
    const QString text =
        command.Import.isEmpty() ? readAddresses(command.Input) : importAddresses(command.Import, ini);
    ScriptEnvelope envelope;
    compose(envelope, ini, command, text);
    const EnvelopeList envelopes = envelope.Composer.envelopes();
    const EnvelopeDesign design = envelope.Composer.design();
    if (command.Do == ScriptCommand::Action::Pdf)
        writePdf(command, ini, envelopes, design);
    else
        print(command, ini, envelopes, design);
    return ScriptDone;
}

} // namespace

int RunScript(int argc, char **argv)
{
    // Exactly as argv has them: neither the empty-argument rule of the
    // ordinary command line nor Qt's own options (-platform, -reverse, ...).
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << DecodeFileName(argv[i]);

    qInstallMessageHandler(quietQt);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int appArgc = 1;
    char *appArgv[] = {argv[0], nullptr};
    QGuiApplication app(appArgc, appArgv);
    QGuiApplication::setApplicationName(QStringLiteral("zentrope"));
    const ProgramLanguage language(ProgramLanguage::Choose(ProgramLanguage::UserPreferences()));

    try {
        return run(ParseScriptCommand(arguments));
    } catch (const ScriptFailure &e) {
        writeLine(stderr, QStringLiteral("zentrope: %1\n").arg(e.message()));
        return e.status();
    } catch (const std::exception &e) {
        writeLine(stderr, QStringLiteral("zentrope: %1\n").arg(QString::fromStdString(e.what())));
        return ScriptOutputFailed;
    }
}

} // namespace zentrope
