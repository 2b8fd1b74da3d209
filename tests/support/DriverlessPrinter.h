#pragma once

#include "support/CupsServer.h"

#include <QList>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace zentrope::test {

// A driverless IPP Everywhere printer on 127.0.0.1: CUPS's ippeveprinter with
// the media and sources of driverless-printer.conf (envelope sizes with 4.23 mm
// margins; sources main, manual and envelope), made a queue of the private
// CUPS server with `lpadmin -m everywhere`, so CUPS builds its PPD from the
// printer's IPP attributes. ippeveprinter needs a system D-Bus even with
// DNS-SD off; a private dbus-daemon stands in for it. Both stop with this.
class DriverlessPrinter {
public:
    DriverlessPrinter() = default;
    ~DriverlessPrinter();
    DriverlessPrinter(const DriverlessPrinter &) = delete;
    DriverlessPrinter &operator=(const DriverlessPrinter &) = delete;

    // Starts the printer and adds it to `cups` as queue `queue`. False with
    // the reason in `error`; `missing` tells that a program is not installed.
    bool start(CupsServer &cups, const QString &queue, QString *error, bool *missing);

    // The IPP job attributes of each job the printer has printed, oldest first:
    // "media", "media-col" ("{media-size={x-dimension=...} media-source=...}"),
    // "media-source", "print-scaling"... as ippeveprinter hands them to its
    // print command; "document" is the file it received.
    QList<QMap<QString, QString>> jobs() const;
    // Waits (letting Qt events through) until `count` jobs have been printed.
    bool waitForJobs(int count, int timeoutMs = 60000) const;

private:
    QTemporaryDir m_dir;
    QProcess m_bus;
    QProcess m_printer;
};

} // namespace zentrope::test
