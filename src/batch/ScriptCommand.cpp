#include "batch/ScriptCommand.h"

#include "batch/ScriptFailure.h"
#include "print/PrintChoices.h"

#include <QCommandLineParser>
#include <QCoreApplication>

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
    return argc > 1 && argv[1] && argv[1][0] == '-' && argv[1][1] == '-';
}

ScriptCommand ParseScriptCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes envelopes to a PDF file or prints them, without a window.\n"
                       "Empty lines separate the addresses, one envelope each."));
    // Qt's own help option would offer Qt's options too, which a script never takes.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the versions of Zentrope and Qt."));
    const QCommandLineOption pdf(QStringLiteral("pdf"),
                                 QStringLiteral("Write the envelopes to a PDF file, one page each."),
                                 QStringLiteral("file"));
    const QCommandLineOption print(QStringLiteral("print"),
                                   QStringLiteral("Print as Print Envelope does, without a dialog."));
    const QCommandLineOption printer(QStringLiteral("printer"),
                                     QStringLiteral("With --print: the printer (else the one used last)."),
                                     QStringLiteral("name"));
    const QCommandLineOption copies(QStringLiteral("copies"),
                                    QStringLiteral("With --print: copies of each envelope, 1 to 999."),
                                    QStringLiteral("n"));
    const QCommandLineOption pages(QStringLiteral("pages"),
                                   QStringLiteral("With --print: the envelopes to print, e.g. 1,3-5."),
                                   QStringLiteral("list"));
    const QCommandLineOption size(QStringLiteral("size"),
                                  QStringLiteral("The envelope size of this name, in any letter case."),
                                  QStringLiteral("name"));
    const QCommandLineOption returnAddress(QStringLiteral("return-address"),
                                           QStringLiteral("The return address of this name; \"\" for none."),
                                           QStringLiteral("name"));
    const QCommandLineOption noBarCode(QStringLiteral("no-barcode"),
                                       QStringLiteral("Print no postal bar code."));
    const QCommandLineOption import(QStringLiteral("import"),
                                    QStringLiteral("Take every contact with an address from a vCard or CSV file."),
                                    QStringLiteral("file"));
    const QCommandLineOption settings(QStringLiteral("settings"),
                                      QStringLiteral("Read the settings from this file (never written)."),
                                      QStringLiteral("file"));
    for (const QCommandLineOption &o :
         {help, version, pdf, print, printer, copies, pages, size, returnAddress, noBarCode, import, settings})
        parser.addOption(o);
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("The address file; - or none reads standard input."),
                                 QStringLiteral("[file|-]"));

    if (!parser.parse(arguments))
        badUsage(parser.errorText());

    ScriptCommand c;
    if (parser.isSet(help)) {
        c.Do = ScriptCommand::Action::Help;
        // The usage line names both ways of running, not the path the program was started by.
        const QString text = parser.helpText();
        c.Text = QStringLiteral("Usage: zentrope --pdf OUT.pdf [options] [file|-]\n"
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
        badUsage(QStringLiteral("Give either --pdf FILE or --print (see --help)."));
    if (parser.isSet(pdf)) {
        c.Do = ScriptCommand::Action::Pdf;
        c.PdfFile = parser.value(pdf);
        if (c.PdfFile.isEmpty())
            badUsage(QStringLiteral("--pdf needs the name of the PDF file."));
        for (const QCommandLineOption &o : {printer, copies, pages})
            if (parser.isSet(o))
                badUsage(
                    QStringLiteral("--%1 goes with --print, not with --pdf.").arg(o.names().constFirst()));
    } else {
        c.Do = ScriptCommand::Action::Print;
    }

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        badUsage(QStringLiteral("One address file at most, not %1 (a file named --x is ./--x).")
                     .arg(files.size()));
    if (parser.isSet(import)) {
        c.Import = parser.value(import);
        if (c.Import.isEmpty())
            badUsage(QStringLiteral("--import needs the name of a vCard or CSV file."));
        if (!files.isEmpty())
            badUsage(QStringLiteral("Give an address file or --import, not both."));
    } else {
        c.Input = files.isEmpty() ? QStringLiteral("-") : files.constFirst();
        if (c.Input.isEmpty())
            badUsage(QStringLiteral("The address file has an empty name."));
    }

    c.Printer = parser.value(printer);
    if (parser.isSet(printer) && c.Printer.isEmpty())
        badUsage(QStringLiteral("--printer needs the name of a printer."));
    if (parser.isSet(copies)) {
        bool ok = false;
        c.Copies = parser.value(copies).trimmed().toInt(&ok);
        if (!ok || c.Copies < 1 || c.Copies > kMaxCopies)
            badUsage(QStringLiteral("--copies %1: give a number from 1 to %2.")
                         .arg(parser.value(copies))
                         .arg(kMaxCopies));
    }
    if (parser.isSet(pages)) {
        c.Pages = ParsePageList(parser.value(pages));
        if (c.Pages.isEmpty())
            badUsage(QStringLiteral("--pages %1: give envelope numbers and ranges such as 1,3-5.")
                         .arg(parser.value(pages)));
    }
    if (parser.isSet(size))
        c.Size = parser.value(size);
    if (parser.isSet(returnAddress))
        c.ReturnAddress = parser.value(returnAddress);
    c.NoBarCode = parser.isSet(noBarCode);
    c.SettingsFile = parser.value(settings);
    if (parser.isSet(settings) && c.SettingsFile.isEmpty())
        badUsage(QStringLiteral("--settings needs the name of a settings file."));
    return c;
}

} // namespace zentrope
