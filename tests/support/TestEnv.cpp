#include "support/TestEnv.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUuid>
#include <unistd.h>

namespace zentrope::test {

namespace {
QString &root()
{
    static QString r;
    return r;
}
} // namespace

void setRootDir(const QString &dir)
{
    root() = dir;
}

QString rootDir()
{
    return root();
}

QString corpusDir()
{
    const QString dir =
        QDir::cleanPath(QString::fromUtf8(ZENTROPE_SOURCE_DIR) + QStringLiteral("/../shared/corpus"));
    return QFileInfo(dir).isDir() ? dir : QString();
}

QString freshDir(const QString &name)
{
    const QString dir = rootDir() + QStringLiteral("/t/") + name + QLatin1Char('-') +
                        QUuid::createUuid().toString(QUuid::Id128).left(8);
    QDir().mkpath(dir);
    return dir;
}

bool runningAsRoot()
{
    return ::geteuid() == 0;
}

QString runOutput(const QString &program, const QStringList &args, int timeoutMs)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(timeoutMs))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
    return path;
}

QString contactSample(const char *name)
{
    return QStringLiteral(ZENTROPE_SOURCE_DIR "/tests/contacts/data/") + QString::fromUtf8(name);
}

} // namespace zentrope::test
