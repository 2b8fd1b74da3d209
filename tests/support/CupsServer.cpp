#include "support/CupsServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <netinet/in.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <type_traits>
#include <unistd.h>
#include <vector>

namespace zentrope::test {

const QString CupsServer::RawA = QStringLiteral("ZentropeA");
const QString CupsServer::RawB = QStringLiteral("ZentropeB");
const QString CupsServer::Ppd = QStringLiteral("ZentropePpd");
const QString CupsServer::Feed = QStringLiteral("ZentropeFeed");
const QString CupsServer::Strict = QStringLiteral("ZentropeStrict");

namespace {

const char *const kCupsd = "/usr/sbin/cupsd";

QString findTool(const QString &name)
{
    for (const char *dir : {"/usr/sbin/", "/usr/bin/", "/sbin/", "/bin/"}) {
        const QString p = QString::fromLatin1(dir) + name;
        if (QFileInfo(p).isExecutable())
            return p;
    }
    return {};
}

// libcups caches the server name per thread on its first call, so setting
// CUPS_SERVER alone does not redirect a process that already asked CUPS
// something (e.g. an earlier test built the main window). cupsSetServer()
// replaces the cached name; it is looked up at run time so the tests need no
// CUPS development files.
void setLibCupsServer(const QByteArray &server)
{
    using SetServer = void (*)(const char *);
    static SetServer fn = [] {
        void *lib = ::dlopen("libcups.so.2", RTLD_NOW | RTLD_NOLOAD);
        if (!lib)
            lib = ::dlopen("libcups.so.2", RTLD_NOW);
        return lib ? reinterpret_cast<SetServer>(::dlsym(lib, "cupsSetServer")) : nullptr;
    }();
    if (fn)
        fn(server.isEmpty() ? nullptr : server.constData());
}

bool writeFile(const QString &path, const QByteArray &text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text) == text.size();
}

// The few calls of libcups's IPP interface that reading a job's attributes
// needs, looked up at run time like cupsSetServer().
struct LibCupsIpp {
    using Ipp = void;
    using Attr = void;
    Ipp *(*newRequest)(int op) = nullptr;
    Attr *(*addString)(Ipp *, int group, int tag, const char *name, const char *lang,
                       const char *value) = nullptr;
    Attr *(*addBoolean)(Ipp *, int group, const char *name, char value) = nullptr;
    Ipp *(*doRequest)(void *http, Ipp *request, const char *resource) = nullptr;
    Attr *(*first)(Ipp *) = nullptr;
    Attr *(*next)(Ipp *) = nullptr;
    const char *(*name)(Attr *) = nullptr;
    int (*group)(Attr *) = nullptr;
    size_t (*toString)(Attr *, char *buffer, size_t size) = nullptr;
    void (*release)(Ipp *) = nullptr;

    static const LibCupsIpp *get()
    {
        static const LibCupsIpp api = [] {
            LibCupsIpp a;
            void *lib = ::dlopen("libcups.so.2", RTLD_NOW);
            if (!lib)
                return a;
            const auto sym = [lib](auto &fn, const char *symbol) {
                fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(::dlsym(lib, symbol));
            };
            sym(a.newRequest, "ippNewRequest");
            sym(a.addString, "ippAddString");
            sym(a.addBoolean, "ippAddBoolean");
            sym(a.doRequest, "cupsDoRequest");
            sym(a.first, "ippFirstAttribute");
            sym(a.next, "ippNextAttribute");
            sym(a.name, "ippGetName");
            sym(a.group, "ippGetGroupTag");
            sym(a.toString, "ippAttributeString");
            sym(a.release, "ippDelete");
            return a;
        }();
        const bool complete = api.newRequest && api.addString && api.addBoolean && api.doRequest &&
                              api.first && api.next && api.name && api.group && api.toString && api.release;
        return complete ? &api : nullptr;
    }
};

// A loopback listener standing in for one printer's network port.
struct Listener {
    QString queue;
    int fd = -1;
    int port = 0;
    QString jobDir;
};

struct Connection {
    int fd = -1;
    size_t listener = 0;
    QByteArray data;
};

} // namespace

struct CupsServer::Impl {
    QString dir;
    QString socket;
    QString defaultQueue;
    pid_t cupsd = -1;
    QByteArray previousServer;
    bool hadPreviousServer = false;

    std::vector<Listener> listeners;
    int stopPipe[2] = {-1, -1};
    std::thread thread;
    mutable std::mutex mutex;
    std::map<QString, QStringList> received;
    std::map<QString, int> sequence;

    bool openListener(const QString &queue, QString *error)
    {
        Listener l;
        l.queue = queue;
        l.fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (l.fd < 0) {
            *error = QStringLiteral("socket: ") + QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = 0;
        socklen_t len = sizeof a;
        if (::bind(l.fd, reinterpret_cast<sockaddr *>(&a), sizeof a) != 0 || ::listen(l.fd, 8) != 0 ||
            ::getsockname(l.fd, reinterpret_cast<sockaddr *>(&a), &len) != 0) {
            *error = QStringLiteral("listen on 127.0.0.1: ") + QString::fromLocal8Bit(std::strerror(errno));
            ::close(l.fd);
            return false;
        }
        l.port = ntohs(a.sin_port);
        l.jobDir = dir + QStringLiteral("/jobs/") + queue;
        QDir().mkpath(l.jobDir);
        listeners.push_back(l);
        return true;
    }

    void finishJob(const Connection &c)
    {
        const Listener &l = listeners[c.listener];
        std::lock_guard lock(mutex);
        const int n = ++sequence[l.queue];
        const QString path = l.jobDir + QStringLiteral("/job-%1.bin").arg(n, 3, 10, QLatin1Char('0'));
        const QString part = path + QStringLiteral(".part");
        // Renamed into place so a waiting test never sees a half-written job.
        if (writeFile(part, c.data) && QFile::rename(part, path))
            received[l.queue].append(path);
    }

    void serve()
    {
        std::vector<Connection> conns;
        for (;;) {
            std::vector<pollfd> fds;
            fds.push_back({stopPipe[0], POLLIN, 0});
            for (const Listener &l : listeners)
                fds.push_back({l.fd, POLLIN, 0});
            for (const Connection &c : conns)
                fds.push_back({c.fd, POLLIN, 0});
            if (::poll(fds.data(), fds.size(), -1) < 0) {
                if (errno == EINTR)
                    continue;
                break;
            }
            if (fds[0].revents)
                break;
            for (size_t i = 0; i < listeners.size(); ++i) {
                if (fds[1 + i].revents & POLLIN) {
                    const int c = ::accept4(listeners[i].fd, nullptr, nullptr, SOCK_CLOEXEC);
                    if (c >= 0)
                        conns.push_back({c, i, {}});
                }
            }
            const size_t base = 1 + listeners.size();
            std::vector<Connection> still;
            for (size_t i = 0; i < conns.size(); ++i) {
                Connection &c = conns[i];
                bool done = false;
                if (i + base < fds.size() && fds[i + base].revents) {
                    char buf[65536];
                    const ssize_t n = ::read(c.fd, buf, sizeof buf);
                    if (n > 0)
                        c.data.append(buf, n);
                    else if (n == 0 || (errno != EINTR && errno != EAGAIN))
                        done = true;
                }
                if (done) {
                    ::close(c.fd);
                    finishJob(c);
                } else {
                    still.push_back(std::move(c));
                }
            }
            conns = std::move(still);
        }
        for (Connection &c : conns)
            ::close(c.fd);
    }

    QString config() const
    {
        // Every request is logged, and the log never rotated, so benchmarks
        // can count what a job asks.
        return QStringLiteral("Listen %1\n"
                              "LogLevel info\n"
                              "AccessLogLevel all\n"
                              "MaxLogSize 0\n"
                              "WebInterface No\n"
                              "Browsing No\n"
                              "BrowseLocalProtocols none\n"
                              "DefaultShared No\n"
                              "DefaultAuthType None\n"
                              "MaxJobs 0\n"
                              "PreserveJobFiles No\n"
                              // Finished jobs keep their attributes, which tests read back.
                              "PreserveJobHistory Yes\n"
                              "JobRetryInterval 1\n"
                              "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                              "<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n"
                              "<Policy default>\n"
                              "  JobPrivateAccess all\n  JobPrivateValues none\n"
                              "  SubscriptionPrivateAccess all\n  SubscriptionPrivateValues none\n"
                              "  <Limit All>\n    Order deny,allow\n    Allow all\n  </Limit>\n"
                              "</Policy>\n"
                              "DefaultPolicy default\n")
            .arg(socket);
    }

    QString filesConfig() const
    {
        return QStringLiteral("ServerRoot %1\n"
                              "RequestRoot %1/spool\n"
                              "TempDir %1/spool/tmp\n"
                              "CacheDir %1/cache\n"
                              "StateDir %1/state\n"
                              "ErrorLog %1/log/error_log\n"
                              "AccessLog %1/log/access_log\n"
                              "PageLog %1/log/page_log\n"
                              "Printcap %1/printcap\n"
                              "ServerBin %1/bin\n"
                              "DataDir /usr/share/cups\n"
                              "DocumentRoot /usr/share/cups/doc-root\n"
                              "FileDevice No\n"
                              "Sandboxing Relaxed\n")
            .arg(dir);
    }

    // The system's programs with one backend more: "strict" (strict-backend.sh).
    bool makeServerBin(QString *error) const
    {
        const QString system = QStringLiteral("/usr/lib/cups");
        const QString bin = dir + QStringLiteral("/bin");
        bool ok = QDir().mkpath(bin + QStringLiteral("/backend"));
        for (const QString &name : QDir(system).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
            if (name != QLatin1String("backend"))
                ok = ok && QFile::link(system + QLatin1Char('/') + name, bin + QLatin1Char('/') + name);
        const QString backends = system + QStringLiteral("/backend");
        for (const QString &name : QDir(backends).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
            ok = ok &&
                 QFile::link(backends + QLatin1Char('/') + name, bin + QStringLiteral("/backend/") + name);
        const QString strict = bin + QStringLiteral("/backend/strict");
        ok = ok &&
             QFile::copy(QStringLiteral(ZENTROPE_SOURCE_DIR "/tests/support/strict-backend.sh"), strict) &&
             QFile::setPermissions(strict, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                               QFile::ExeOther);
        if (!ok)
            *error = QStringLiteral("cannot set up the server's programs in %1").arg(bin);
        return ok;
    }

    bool cupsdAlive()
    {
        if (cupsd <= 0)
            return false;
        int status = 0;
        if (::waitpid(cupsd, &status, WNOHANG) == cupsd) {
            cupsd = -1;
            return false;
        }
        return true;
    }

    bool socketAnswers() const
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return false;
        sockaddr_un a{};
        a.sun_family = AF_UNIX;
        const QByteArray p = QFile::encodeName(socket);
        std::memcpy(a.sun_path, p.constData(), std::min<size_t>(p.size(), sizeof a.sun_path - 1));
        const bool ok = ::connect(fd, reinterpret_cast<sockaddr *>(&a), sizeof a) == 0;
        ::close(fd);
        return ok;
    }

    bool spawnCupsd(QString *error)
    {
        const QByteArray conf = QFile::encodeName(dir + QStringLiteral("/cupsd.conf"));
        const QByteArray files = QFile::encodeName(dir + QStringLiteral("/cups-files.conf"));
        const QByteArray out = QFile::encodeName(dir + QStringLiteral("/log/cupsd.out"));
        const pid_t parent = ::getpid();
        const pid_t pid = ::fork();
        if (pid < 0) {
            *error = QStringLiteral("fork failed");
            return false;
        }
        if (pid == 0) {
            // Child: only async-signal-safe calls until exec. The server dies
            // with the test process even if that crashes.
            ::prctl(PR_SET_PDEATHSIG, SIGTERM);
            if (::getppid() != parent)
                ::_exit(127);
            const int fd = ::open(out.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd >= 0) {
                ::dup2(fd, 1);
                ::dup2(fd, 2);
            }
            ::execl(kCupsd, kCupsd, "-f", "-c", conf.constData(), "-s", files.constData(),
                    static_cast<char *>(nullptr));
            ::_exit(127);
        }
        cupsd = pid;
        for (int i = 0; i < 200; ++i) {
            if (!cupsdAlive()) {
                *error = QStringLiteral("cupsd exited at start");
                return false;
            }
            if (socketAnswers())
                return true;
            ::usleep(50 * 1000);
        }
        *error = QStringLiteral("cupsd did not open its socket within 10 s");
        return false;
    }
};

CupsServer *CupsServer::shared(QString *whyNot)
{
    static std::unique_ptr<CupsServer> server;
    static QString failure;
    static bool tried = false;
    if (!tried) {
        tried = true;
        auto s = std::make_unique<CupsServer>();
        if (s->start(&failure))
            server = std::move(s);
    }
    if (!server && whyNot)
        *whyNot = failure;
    return server.get();
}

CupsServer::CupsServer() : d(std::make_unique<Impl>())
{
}

CupsServer::~CupsServer()
{
    stop();
}

bool CupsServer::running() const
{
    return d->cupsd > 0;
}

QString CupsServer::socketPath() const
{
    return d->socket;
}

QString CupsServer::directory() const
{
    return d->dir;
}

QStringList CupsServer::queueNames() const
{
    return {RawA, RawB, Ppd, Feed, Strict};
}

QString CupsServer::defaultQueue() const
{
    return d->defaultQueue;
}

QString CupsServer::ppdPath(const QString &queue) const
{
    const QString p = d->dir + QStringLiteral("/ppd/") + queue + QStringLiteral(".ppd");
    return QFileInfo::exists(p) ? p : QString();
}

bool CupsServer::start(QString *error)
{
    QString dummy;
    if (!error)
        error = &dummy;
    if (running())
        return true;
    if (!QFileInfo(QString::fromLatin1(kCupsd)).isExecutable()) {
        *error = QStringLiteral("%1 not installed").arg(QString::fromLatin1(kCupsd));
        return false;
    }
    if (findTool(QStringLiteral("lpadmin")).isEmpty()) {
        *error = QStringLiteral("lpadmin not installed");
        return false;
    }

    // A folder of its own outside the test root: when the suite runs as root,
    // cupsd runs its backends as user lp, who must be able to reach the spool.
    QByteArray tmpl = QFile::encodeName(QDir::tempPath() + QStringLiteral("/zentrope-cups-XXXXXX"));
    if (!::mkdtemp(tmpl.data())) {
        *error = QStringLiteral("cannot create a temporary folder");
        return false;
    }
    ::chmod(tmpl.constData(), 0755);
    d->dir = QFile::decodeName(tmpl);
    d->socket = d->dir + QStringLiteral("/cups.sock");
    for (const char *sub : {"spool/tmp", "cache", "state", "log", "ppd"})
        QDir().mkpath(d->dir + QLatin1Char('/') + QLatin1String(sub));

    if (!writeFile(d->dir + QStringLiteral("/cupsd.conf"), d->config().toUtf8()) ||
        !writeFile(d->dir + QStringLiteral("/cups-files.conf"), d->filesConfig().toUtf8())) {
        *error = QStringLiteral("cannot write the server configuration");
        stop();
        return false;
    }
    if (!d->makeServerBin(error)) {
        stop();
        return false;
    }

    for (const QString &q : queueNames()) {
        if (!d->openListener(q, error)) {
            stop();
            return false;
        }
    }
    if (::pipe2(d->stopPipe, O_CLOEXEC) != 0) {
        *error = QStringLiteral("pipe failed");
        stop();
        return false;
    }
    d->thread = std::thread([this] { d->serve(); });

    if (!d->spawnCupsd(error)) {
        *error += QStringLiteral("\n") + logTail();
        stop();
        return false;
    }

    d->hadPreviousServer = qEnvironmentVariableIsSet("CUPS_SERVER");
    d->previousServer = qgetenv("CUPS_SERVER");
    const QByteArray server = QFile::encodeName(d->socket);
    qputenv("CUPS_SERVER", server);
    // The default printer must be the server's, not one named by the caller's
    // environment.
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    setLibCupsServer(server);

    const QString lpadmin = findTool(QStringLiteral("lpadmin"));
    for (const Listener &l : d->listeners) {
        QStringList args{QStringLiteral("-p"), l.queue, QStringLiteral("-v"),
                         QStringLiteral("socket://127.0.0.1:%1").arg(l.port)};
        if (l.queue == Strict)
            args[3] = QStringLiteral("strict://127.0.0.1:%1/Letter,na_letter_8.5x11in,A4,iso_a4_210x297mm")
                          .arg(l.port);
        if (l.queue == Ppd)
            // Option1 is the PPD's duplex unit, off unless declared installed.
            args << QStringLiteral("-m") << QStringLiteral("drv:///sample.drv/generic.ppd")
                 << QStringLiteral("-o") << QStringLiteral("Option1=True");
        else if (l.queue == Feed || l.queue == Strict)
            args << QStringLiteral("-P")
                 << QStringLiteral(ZENTROPE_SOURCE_DIR "/tests/support/EnvelopeFeed.ppd");
        args << QStringLiteral("-o") << QStringLiteral("printer-is-shared=false") << QStringLiteral("-o")
             << QStringLiteral("printer-error-policy=abort-job") << QStringLiteral("-E");
        QString out;
        if (!runClient(lpadmin, args, &out)) {
            *error =
                QStringLiteral("lpadmin %1 failed: %2\n%3").arg(args.join(QLatin1Char(' ')), out, logTail());
            stop();
            return false;
        }
    }
    if (!setDefaultQueue(RawB, error)) {
        stop();
        return false;
    }
    return true;
}

bool CupsServer::setDefaultQueue(const QString &queue, QString *error)
{
    QString out;
    if (!runClient(findTool(QStringLiteral("lpadmin")), {QStringLiteral("-d"), queue}, &out)) {
        if (error)
            *error = QStringLiteral("lpadmin -d %1 failed: %2").arg(queue, out);
        return false;
    }
    d->defaultQueue = queue;
    return true;
}

bool CupsServer::runClient(const QString &program, const QStringList &args, QString *output) const
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), d->socket);
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    const bool finished = p.waitForFinished(30000);
    if (!finished)
        p.kill();
    if (output)
        *output = QString::fromLocal8Bit(p.readAll());
    return finished && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

void CupsServer::stop()
{
    if (d->cupsd > 0) {
        ::kill(d->cupsd, SIGTERM);
        int status = 0;
        bool gone = false;
        for (int i = 0; i < 100 && !gone; ++i) {
            gone = ::waitpid(d->cupsd, &status, WNOHANG) == d->cupsd;
            if (!gone)
                ::usleep(50 * 1000);
        }
        if (!gone) {
            ::kill(d->cupsd, SIGKILL);
            ::waitpid(d->cupsd, &status, 0);
        }
        d->cupsd = -1;
        // Later CUPS calls of this process go back where they pointed before.
        if (d->hadPreviousServer)
            qputenv("CUPS_SERVER", d->previousServer);
        else
            qunsetenv("CUPS_SERVER");
        setLibCupsServer(d->previousServer);
    }
    if (d->thread.joinable()) {
        const char c = 'x';
        [[maybe_unused]] const ssize_t n = ::write(d->stopPipe[1], &c, 1);
        d->thread.join();
    }
    for (int &fd : d->stopPipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
    for (Listener &l : d->listeners)
        if (l.fd >= 0)
            ::close(l.fd);
    d->listeners.clear();
    if (!d->dir.isEmpty() && qEnvironmentVariableIsEmpty("ZENTROPE_KEEP_CUPS"))
        QDir(d->dir).removeRecursively();
    d->dir.clear();
}

ScopedNoPrinters::ScopedNoPrinters()
    : m_previous(qgetenv("CUPS_SERVER")), m_hadPrevious(qEnvironmentVariableIsSet("CUPS_SERVER"))
{
    const QByteArray dead =
        QFile::encodeName(QDir::tempPath() + QStringLiteral("/zentrope-no-cups-%1.sock").arg(::getpid()));
    qputenv("CUPS_SERVER", dead);
    setLibCupsServer(dead);
}

ScopedNoPrinters::~ScopedNoPrinters()
{
    if (m_hadPrevious)
        qputenv("CUPS_SERVER", m_previous);
    else
        qunsetenv("CUPS_SERVER");
    setLibCupsServer(m_previous);
}

QStringList CupsServer::receivedFiles(const QString &queue) const
{
    std::lock_guard lock(d->mutex);
    const auto it = d->received.find(queue);
    return it == d->received.end() ? QStringList() : it->second;
}

int CupsServer::receivedCount(const QString &queue) const
{
    return int(receivedFiles(queue).size());
}

bool CupsServer::waitForJobs(const QString &queue, int count, int timeoutMs)
{
    for (int waited = 0;; waited += 20) {
        if (receivedCount(queue) >= count)
            return true;
        if (waited >= timeoutMs)
            return false;
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(20);
    }
}

void CupsServer::clearReceived()
{
    std::lock_guard lock(d->mutex);
    for (auto &[queue, files] : d->received)
        for (const QString &f : files)
            QFile::remove(f);
    d->received.clear();
}

QMap<QString, QString> CupsServer::lastJobAttributes(const QString &queue) const
{
    QMap<QString, QString> job;
    for (const auto &[name, value] : lastJobAttributeList(queue))
        job.insert(name, value);
    return job;
}

QList<std::pair<QString, QString>> CupsServer::lastJobAttributeList(const QString &queue) const
{
    const LibCupsIpp *ipp = LibCupsIpp::get();
    if (!ipp || !running())
        return {};
    // IPP codes (RFC 8011): the operations, the operation and job groups, value tags.
    constexpr int kGetJobAttributes = 0x0009, kGetJobs = 0x000A;
    constexpr int kOperation = 0x01, kJob = 0x02, kUri = 0x45, kKeyword = 0x44;
    setLibCupsServer(QFile::encodeName(d->socket));
    // Every job of one request, one group each.
    const auto ask = [ipp](int operation, const QByteArray &uriName, const QByteArray &uri) {
        void *request = ipp->newRequest(operation);
        ipp->addString(request, kOperation, kUri, uriName.constData(), nullptr, uri.constData());
        ipp->addString(request, kOperation, kKeyword, "which-jobs", nullptr, "all");
        ipp->addString(request, kOperation, kKeyword, "requested-attributes", nullptr, "all");
        ipp->addBoolean(request, kOperation, "my-jobs", 0);
        QList<QList<std::pair<QString, QString>>> jobs;
        void *response = ipp->doRequest(nullptr, request, "/");
        if (!response)
            return jobs;
        QList<std::pair<QString, QString>> job;
        for (void *a = ipp->first(response);; a = ipp->next(response)) {
            const char *name = a ? ipp->name(a) : nullptr;
            if (!a || !name || ipp->group(a) != kJob) {
                if (!job.isEmpty())
                    jobs << job;
                job.clear();
                if (!a)
                    break;
                continue;
            }
            char value[1024];
            ipp->toString(a, value, sizeof value);
            job.append({QString::fromUtf8(name), QString::fromUtf8(value)});
        }
        ipp->release(response);
        return jobs;
    };
    // A finished job's listing is short; its own attributes are whole.
    QString newest;
    int newestId = -1;
    for (const auto &job : ask(kGetJobs, "printer-uri", "ipp://localhost/printers/" + queue.toUtf8())) {
        QString id, uri;
        for (const auto &[name, value] : job) {
            if (name == QLatin1String("job-id"))
                id = value;
            else if (name == QLatin1String("job-uri"))
                uri = value;
        }
        if (id.toInt() > newestId) {
            newestId = id.toInt();
            newest = uri;
        }
    }
    if (newest.isEmpty())
        return {};
    const auto jobs = ask(kGetJobAttributes, "job-uri", newest.toUtf8());
    return jobs.isEmpty() ? QList<std::pair<QString, QString>>() : jobs.constFirst();
}

QString CupsServer::logTail(int lines) const
{
    QFile f(d->dir + QStringLiteral("/log/error_log"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList all = QString::fromLocal8Bit(f.readAll()).split(QLatin1Char('\n'));
    if (all.size() > lines)
        all = all.mid(all.size() - lines);
    return all.join(QLatin1Char('\n'));
}

int CupsServer::requestCount() const
{
    QFile f(d->dir + QStringLiteral("/log/access_log"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    return int(f.readAll().count('\n'));
}

} // namespace zentrope::test
