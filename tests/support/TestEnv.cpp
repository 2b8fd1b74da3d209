#include "support/TestEnv.h"

#include <QDir>
#include <QFileInfo>
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
    const QString dir = QDir::cleanPath(QString::fromUtf8(ZENTROPE_SOURCE_DIR) + QStringLiteral("/../shared/corpus"));
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

} // namespace zentrope::test
