#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <memory>
#include <utility>

namespace zentrope::test {

// A private CUPS server for the tests that print. cupsd runs as the current
// user with its own configuration, spool, logs and Unix socket in a temporary
// folder (no TCP port, nothing of the machine's own CUPS is read or changed).
// It serves three queues:
//   RawA  raw queue, first in the printer list (the list is sorted by name)
//   RawB  raw queue, the system default
//   Ppd   a generic PostScript PPD queue (page sizes, orientation, duplex)
//   Feed  a PPD of our own (EnvelopeFeed.ppd): Letter, A4, Env10, EnvDL,
//         EnvC5 and custom sizes, an InputSlot with Tray, Manual and Envelope;
//         it takes PDF, so its device receives the job as pdftopdf made it
//   Strict the same PPD on a printer that takes Letter and A4 only, as a
//         driverless printer may: a job on other media is cancelled at the
//         device ("Unsupported media-col"), and never reaches its listener
// Each queue's device is socket://127.0.0.1:PORT, a loopback listener of this
// fixture that saves every job it receives as one file (for the raw queues,
// the PDF that Qt sent).
//
// Use the process-wide instance: CupsServer::shared() starts it on first use
// and points CUPS_SERVER (and libcups's cached server) at it, so every later
// CUPS call of the test executable, through QPrinterInfo or QPrinter, reaches
// it. The server stops when the process ends.
class CupsServer {
public:
    static const QString RawA;
    static const QString RawB;
    static const QString Ppd;
    static const QString Feed;
    static const QString Strict;

    // The running shared server, or nullptr when it cannot run here (no cupsd,
    // or it failed to start); whyNot then says why.
    static CupsServer *shared(QString *whyNot = nullptr);

    CupsServer();
    ~CupsServer();
    CupsServer(const CupsServer &) = delete;
    CupsServer &operator=(const CupsServer &) = delete;

    bool start(QString *error);
    void stop();
    bool running() const;

    QString socketPath() const;
    QString directory() const;
    QStringList queueNames() const; // RawA, RawB, Ppd, Feed, Strict
    QString defaultQueue() const;   // RawB unless changed
    bool setDefaultQueue(const QString &queue, QString *error = nullptr);
    // The PPD file cupsd keeps for a queue (empty for raw queues).
    QString ppdPath(const QString &queue) const;

    // Jobs fully received on a queue's device, oldest first.
    QStringList receivedFiles(const QString &queue) const;
    int receivedCount(const QString &queue) const;
    // Waits (letting Qt events through) until the queue's device has received
    // at least `count` jobs since the last clearReceived(). False on timeout.
    bool waitForJobs(const QString &queue, int count, int timeoutMs = 30000);
    // Forgets (and deletes) the jobs received so far, on every queue.
    void clearReceived();

    // The attributes of the newest job the server keeps for a queue (finished
    // jobs included), each value as CUPS writes it ("2-3", "one-sided"); empty
    // when the queue has no job or the server cannot be asked.
    QMap<QString, QString> lastJobAttributes(const QString &queue) const;
    // The same job's attributes in the order the server lists them, an
    // attribute the job carries twice listed twice.
    QList<std::pair<QString, QString>> lastJobAttributeList(const QString &queue) const;

    // The end of cupsd's error log, for failure messages.
    QString logTail(int lines = 30) const;
    // Requests the server has answered since it started (its access log).
    int requestCount() const;

    // Runs lpadmin/lpstat/lpoptions-style client tools against this server.
    bool runClient(const QString &program, const QStringList &args, QString *output = nullptr) const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// While it lives, CUPS calls of this process reach a socket nothing serves,
// so the machine looks as if it had no printer installed (also after the
// shared server has started).
class ScopedNoPrinters {
public:
    ScopedNoPrinters();
    ~ScopedNoPrinters();
    ScopedNoPrinters(const ScopedNoPrinters &) = delete;
    ScopedNoPrinters &operator=(const ScopedNoPrinters &) = delete;

private:
    QByteArray m_previous;
    bool m_hadPrevious = false;
};

} // namespace zentrope::test

// Gives `var`, the running shared CUPS server, or skips the test when none can run.
#define ZENTROPE_REQUIRE_CUPS(var)                                                                           \
    QString var##WhyNot;                                                                                     \
    zentrope::test::CupsServer *var = zentrope::test::CupsServer::shared(&var##WhyNot);                      \
    if (!var)                                                                                                \
    GTEST_SKIP() << "private CUPS server unavailable: " << var##WhyNot.toStdString()
