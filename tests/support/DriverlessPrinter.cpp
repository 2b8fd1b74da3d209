#include "support/DriverlessPrinter.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace zentrope::test {

namespace {

// A loopback address and port, or -1; with port 0 a free port is found.
int loopbackSocket(int port, bool connectTo)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(quint16(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof a;
    const bool ok = connectTo ? ::connect(fd, reinterpret_cast<sockaddr *>(&a), size) == 0
                              : ::bind(fd, reinterpret_cast<sockaddr *>(&a), size) == 0 &&
                                    ::getsockname(fd, reinterpret_cast<sockaddr *>(&a), &size) == 0;
    ::close(fd);
    return ok ? ntohs(a.sin_port) : -1;
}

// A test that dies takes its servers along.
void dieWithParent(QProcess &p)
{
    p.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

void stop(QProcess &p)
{
    if (p.state() == QProcess::NotRunning)
        return;
    p.terminate();
    if (!p.waitForFinished(5000))
        p.kill();
    p.waitForFinished(5000);
}

} // namespace

DriverlessPrinter::~DriverlessPrinter()
{
    stop(m_printer);
    stop(m_bus);
}

bool DriverlessPrinter::start(CupsServer &cups, const QString &queue, QString *error, bool *missing)
{
    const QString eve = QStandardPaths::findExecutable(
        QStringLiteral("ippeveprinter"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")});
    const QString bus = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    *missing = eve.isEmpty() || bus.isEmpty();
    if (*missing) {
        *error =
            QStringLiteral("ippeveprinter (cups-ipp-utils) or dbus-daemon (dbus-daemon) is not installed");
        return false;
    }
    const QString spool = m_dir.path() + QStringLiteral("/spool");
    const QString command = m_dir.path() + QStringLiteral("/print-command");
    QFile script(command);
    if (!m_dir.isValid() || !QDir().mkpath(spool) || !script.open(QIODevice::WriteOnly) ||
        script.write("#!/bin/sh\nenv | grep '^IPP_' > \"$1.part\" && mv \"$1.part\" \"$1.attributes\"\n") <
            0 ||
        !script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        *error = QStringLiteral("cannot prepare ") + m_dir.path();
        return false;
    }
    script.close();

    dieWithParent(m_bus);
    m_bus.start(bus,
                {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
    QString address;
    if (m_bus.waitForStarted(5000) && m_bus.waitForReadyRead(10000))
        address = QString::fromLocal8Bit(m_bus.readLine()).trimmed();
    if (address.isEmpty()) {
        *error = QStringLiteral("dbus-daemon gave no address: ") +
                 QString::fromLocal8Bit(m_bus.readAllStandardError());
        return false;
    }

    const int port = loopbackSocket(0, false);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), address);
    m_printer.setProcessEnvironment(env);
    m_printer.setProcessChannelMode(QProcess::MergedChannels);
    dieWithParent(m_printer);
    m_printer.start(eve, {QStringLiteral("-p"), QString::number(port), QStringLiteral("-r"),
                          QStringLiteral("off"), QStringLiteral("-a"),
                          QStringLiteral(ZENTROPE_SOURCE_DIR "/tests/support/driverless-printer.conf"),
                          QStringLiteral("-d"), spool, QStringLiteral("-k"), QStringLiteral("-c"), command,
                          QStringLiteral("Zentrope Driverless")});
    const QDeadlineTimer deadline(15000);
    while (loopbackSocket(port, true) < 0) {
        if (m_printer.state() == QProcess::NotRunning || deadline.hasExpired()) {
            *error =
                QStringLiteral("ippeveprinter did not start: ") + QString::fromLocal8Bit(m_printer.readAll());
            return false;
        }
        QThread::msleep(50);
    }

    QString out;
    const QString uri = QStringLiteral("ipp://127.0.0.1:%1/ipp/print").arg(port);
    if (!cups.runClient(QStringLiteral("/usr/sbin/lpadmin"),
                        {QStringLiteral("-p"), queue, QStringLiteral("-v"), uri, QStringLiteral("-m"),
                         QStringLiteral("everywhere"), QStringLiteral("-E")},
                        &out)) {
        *error = QStringLiteral("lpadmin -m everywhere: %1\n%2").arg(out, cups.logTail());
        return false;
    }
    // cupsd asks the printer and writes the queue's PPD after lpadmin returns.
    const QDeadlineTimer written(30000);
    const QString ready = QStringLiteral("Printer \"%1\" is now available.").arg(queue);
    while (cups.ppdPath(queue).isEmpty() || !cups.logTail(500).contains(ready)) {
        if (written.hasExpired()) {
            *error = QStringLiteral("no PPD made for the driverless queue:\n") + cups.logTail();
            return false;
        }
        QThread::msleep(50);
    }
    return true;
}

QList<QMap<QString, QString>> DriverlessPrinter::jobs() const
{
    QList<QMap<QString, QString>> jobs;
    const QDir spool(m_dir.path() + QStringLiteral("/spool"));
    // Job files are named after the job number: "3-title.pwg".
    QFileInfoList files = spool.entryInfoList({QStringLiteral("*.attributes")}, QDir::Files);
    std::sort(files.begin(), files.end(), [](const QFileInfo &a, const QFileInfo &b) {
        return a.fileName().section(QLatin1Char('-'), 0, 0).toInt() <
               b.fileName().section(QLatin1Char('-'), 0, 0).toInt();
    });
    for (const QFileInfo &info : files) {
        QFile f(info.filePath());
        if (!f.open(QIODevice::ReadOnly))
            continue;
        QMap<QString, QString> job;
        for (const QByteArray &line : f.readAll().split('\n')) {
            const qsizetype eq = line.indexOf('=');
            if (eq > 4)
                job.insert(QString::fromLatin1(line.mid(4, eq - 4))
                               .toLower()
                               .replace(QLatin1Char('_'), QLatin1Char('-')),
                           QString::fromUtf8(line.mid(eq + 1)));
        }
        job.insert(QStringLiteral("document"), info.filePath().chopped(int(sizeof(".attributes") - 1)));
        jobs.append(job);
    }
    return jobs;
}

bool DriverlessPrinter::waitForJobs(int count, int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    while (jobs().size() < count) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(50);
    }
    return true;
}

} // namespace zentrope::test
