#include "batch/ScriptCommand.h"

#include "batch/ScriptFailure.h"
#include "print/PrintChoices.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstring>

namespace zentrope {

namespace {

// The most copies the print dialog offers.
constexpr int kMaxCopies = 999;

QString programVersion()
{
    return QStringLiteral("Zentrope %1 (Qt %2)")
        .arg(QLatin1String(ZENTROPE_VERSION), QString::fromLatin1(qVersion()));
}

[[noreturn]] void badUsage(const QString &message)
{
    throw ScriptFailure(ScriptBadUsage, message);
}

} // namespace

bool IsScriptCommandLine(int argc, char **argv)
{
    if (argc > 1 && argv[1] && argv[1][0] == '-' && argv[1][1] == '-')
        return true;
    // Help and the version answer anywhere, without a window or a display;
    // a file of one of these names is ./-v.
    for (int i = 1; i < argc && argv[i] && *argv[i]; ++i)
        for (const char *option : {"-h", "-v", "--help", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

ScriptCommand ParseScriptCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "zentrope::ScriptCommand", "Writes envelopes to a PDF file or prints them, without a window.\n"
                                   "Empty lines separate the addresses, one envelope each."));
    // Qt's own help option would offer Qt's options too, which a script never takes.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("zentrope::ScriptCommand", "Show this help."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("zentrope::ScriptCommand", "Show the versions of Zentrope and Qt."));
    const QCommandLineOption pdf(
        QStringLiteral("pdf"),
        QCoreApplication::translate("zentrope::ScriptCommand",
                                    "Write the envelopes to a PDF file, one page each."),
        QCoreApplication::translate("zentrope::ScriptCommand", "file"));
    const QCommandLineOption print(
        QStringLiteral("print"),
        QCoreApplication::translate("zentrope::ScriptCommand",
                                    "Print as Print Envelope does, without a dialog."));
    const QCommandLineOption printer(
        QStringLiteral("printer"),
        QCoreApplication::translate("zentrope::ScriptCommand",
                                    "With --print: the printer (else the one used last)."),
        QCoreApplication::translate("zentrope::ScriptCommand", "name"));
    const QCommandLineOption copies(
        QStringLiteral("copies"),
        QCoreApplication::translate("zentrope::ScriptCommand",
                                    "With --print: copies of each envelope, 1 to 999."),
        QCoreApplication::translate("zentrope::ScriptCommand", "n"));
    const QCommandLineOption pages(
        QStringLiteral("pages"),
        QCoreApplication::translate("zentrope::ScriptCommand",
                                    "With --print: the envelopes to print, e.g. 1,3-5."),
        QCoreApplication::translate("zentrope::ScriptCommand", "list"));
    const QCommandLineOption size(
        QStringLiteral("size"),
        QCoreApplication::translate("zentrope::ScriptCommand",
                                    "The envelope size of this name, or a standard one by its short or "
                                    "PWG name (DL, \"US #10\", iso_c5_162x229mm); in any letter case."),
        QCoreApplication::translate("zentrope::ScriptCommand", "name"));
    const QCommandLineOption returnAddress(
        QStringLiteral("return-address"),
        QCoreApplication::translate("zentrope::ScriptCommand",
                                    "The return address of this name; \"\" for none."),
        QCoreApplication::translate("zentrope::ScriptCommand", "name"));
    const QCommandLineOption noBarCode(
        QStringLiteral("no-barcode"),
        QCoreApplication::translate("zentrope::ScriptCommand", "Print no postal bar code."));
    const QCommandLineOption import(
        QStringLiteral("import"),
        QCoreApplication::translate("zentrope::ScriptCommand",
                                    "Take every contact with an address from a vCard or CSV file."),
        QCoreApplication::translate("zentrope::ScriptCommand", "file"));
    const QCommandLineOption settings(
        QStringLiteral("settings"),
        QCoreApplication::translate("zentrope::ScriptCommand",
                                    "Read the settings from this file (never written)."),
        QCoreApplication::translate("zentrope::ScriptCommand", "file"));
    for (const QCommandLineOption &o : {help, version, pdf, print, printer, copies, pages, size,
                                        returnAddress, noBarCode, import, settings})
        parser.addOption(o);
    parser.addPositionalArgument(
        QCoreApplication::translate("zentrope::ScriptCommand", "file"),
        QCoreApplication::translate("zentrope::ScriptCommand",
                                    "The address file; - or none reads standard input."),
        QCoreApplication::translate("zentrope::ScriptCommand", "[file|-]"));

    if (!parser.parse(arguments))
        badUsage(parser.errorText());

    ScriptCommand c;
    if (parser.isSet(help)) {
        c.Do = ScriptCommand::Action::Help;
        // The usage line names both ways of running, not the path the program was started by.
        const QString text = parser.helpText();
        c.Text = QCoreApplication::translate("zentrope::ScriptCommand",
                                             "Usage: zentrope --pdf OUT.pdf [options] [file|-]\n"
                                             "       zentrope --print [options] [file|-]\n") +
                 text.mid(text.indexOf(QLatin1Char('\n')) + 1);
        return c;
    }
    if (parser.isSet(version)) {
        c.Do = ScriptCommand::Action::Version;
        c.Text = programVersion() + QLatin1Char('\n');
        return c;
    }
    if (parser.isSet(pdf) == parser.isSet(print))
        badUsage(QCoreApplication::translate("zentrope::ScriptCommand",
                                             "Give either --pdf FILE or --print (see --help)."));
    if (parser.isSet(pdf)) {
        c.Do = ScriptCommand::Action::Pdf;
        c.PdfFile = parser.value(pdf);
        if (c.PdfFile.isEmpty())
            badUsage(QCoreApplication::translate("zentrope::ScriptCommand",
                                                 "--pdf needs the name of the PDF file."));
        for (const QCommandLineOption &o : {printer, copies, pages})
            if (parser.isSet(o))
                badUsage(QCoreApplication::translate("zentrope::ScriptCommand",
                                                     "--%1 goes with --print, not with --pdf.")
                             .arg(o.names().constFirst()));
    } else {
        c.Do = ScriptCommand::Action::Print;
    }

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        badUsage(QCoreApplication::translate("zentrope::ScriptCommand",
                                             "One address file at most, not %1 (a file named --x is ./--x).")
                     .arg(files.size()));
    if (parser.isSet(import)) {
        c.Import = parser.value(import);
        if (c.Import.isEmpty())
            badUsage(QCoreApplication::translate("zentrope::ScriptCommand",
                                                 "--import needs the name of a vCard or CSV file."));
        if (!files.isEmpty())
            badUsage(QCoreApplication::translate("zentrope::ScriptCommand",
                                                 "Give an address file or --import, not both."));
    } else {
        c.Input = files.isEmpty() ? QStringLiteral("-") : files.constFirst();
        if (c.Input.isEmpty())
            badUsage(QCoreApplication::translate("zentrope::ScriptCommand",
                                                 "The address file has an empty name."));
    }

    c.Printer = parser.value(printer);
    if (parser.isSet(printer) && c.Printer.isEmpty())
        badUsage(
            QCoreApplication::translate("zentrope::ScriptCommand", "--printer needs the name of a printer."));
    if (parser.isSet(copies)) {
        bool ok = false;
        c.Copies = parser.value(copies).trimmed().toInt(&ok);
        if (!ok || c.Copies < 1 || c.Copies > kMaxCopies)
            badUsage(QCoreApplication::translate("zentrope::ScriptCommand",
                                                 "--copies %1: give a number from 1 to %2.")
                         .arg(parser.value(copies))
                         .arg(kMaxCopies));
    }
    if (parser.isSet(pages)) {
        c.Pages = ParsePageList(parser.value(pages));
        if (c.Pages.isEmpty())
            badUsage(
                QCoreApplication::translate("zentrope::ScriptCommand",
                                            "--pages %1: give envelope numbers and ranges such as 1,3-5.")
                    .arg(parser.value(pages)));
    }
    if (parser.isSet(size))
        c.Size = parser.value(size);
    if (parser.isSet(returnAddress))
        c.ReturnAddress = parser.value(returnAddress);
    c.NoBarCode = parser.isSet(noBarCode);
    c.SettingsFile = parser.value(settings);
    if (parser.isSet(settings) && c.SettingsFile.isEmpty())
        badUsage(QCoreApplication::translate("zentrope::ScriptCommand",
                                             "--settings needs the name of a settings file."));
    return c;
}

} // namespace zentrope
