#include "support/DriverQueues.h"

#include <QFile>
#include <QRegularExpression>
#include <QtEndian>
#include <cstring>

namespace zentrope::test {

namespace {

QString rawDevice(CupsServer &cups)
{
    QString out;
    cups.runClient(QStringLiteral("/usr/bin/lpstat"), {QStringLiteral("-v"), CupsServer::RawA}, &out);
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("(socket://\\S+)")).match(out);
    return m.hasMatch() ? m.captured(1) : QString();
}

} // namespace

bool AddDriverQueue(CupsServer &cups, const QString &name, const QString &model, bool rasterOut,
                    QString *error)
{
    const QString device = rawDevice(cups);
    QString out;
    const QStringList common{QStringLiteral("-p"), name, QStringLiteral("-v"), device, QStringLiteral("-E")};
    if (device.isEmpty() || !cups.runClient(QStringLiteral("/usr/sbin/lpadmin"),
                                            common + QStringList{QStringLiteral("-m"), model}, &out)) {
        *error = QStringLiteral("lpadmin -m %1: %2\n%3").arg(model, out, cups.logTail());
        return false;
    }
    if (!rasterOut)
        return true;
    QFile ppd(cups.ppdPath(name));
    if (!ppd.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("no PPD for ") + name;
        return false;
    }
    QString text = QString::fromLatin1(ppd.readAll());
    ppd.close();
    text.replace(QRegularExpression(QStringLiteral("\\*cupsFilter2?:[^\\n]*\\n")), QString());
    text.replace(QStringLiteral("*PCFileName:"),
                 QStringLiteral("*cupsFilter: \"application/vnd.cups-raster 0 -\"\n*PCFileName:"));
    const QString changed = cups.directory() + QStringLiteral("/") + name + QStringLiteral("-raster.ppd");
    QFile f(changed);
    if (!f.open(QIODevice::WriteOnly) || f.write(text.toLatin1()) < 0) {
        *error = QStringLiteral("cannot write ") + changed;
        return false;
    }
    f.close();
    if (!cups.runClient(QStringLiteral("/usr/sbin/lpadmin"),
                        common + QStringList{QStringLiteral("-P"), changed}, &out)) {
        *error = QStringLiteral("lpadmin -P %1: %2").arg(changed, out);
        return false;
    }
    return true;
}

QMap<QString, QString> PostScriptFeatures(const QString &file)
{
    QMap<QString, QString> features;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return features;
    static const QRegularExpression begin(QStringLiteral("^%%BeginFeature: \\*(\\S+) (\\S+)"));
    while (!f.atEnd()) {
        const QString line = QString::fromLatin1(f.readLine()).trimmed();
        const QRegularExpressionMatch m = begin.match(line);
        if (!m.hasMatch())
            continue;
        // PageRegion sets the size as PageSize does, without choosing a tray.
        QString key = m.captured(1);
        if (key == QLatin1String("PageRegion") || key == QLatin1String("CustomPageSize"))
            key = QStringLiteral("PageSize");
        const QString value =
            m.captured(1) == QLatin1String("CustomPageSize") ? QStringLiteral("Custom") : m.captured(2);
        if (!features.contains(key))
            features.insert(key, value);
    }
    return features;
}

QMap<QString, QString> RasterHeader(const QString &file)
{
    // cups_page_header2_t as it follows the four-byte sync word: 256 bytes
    // of strings, then 32-bit words in the stream's byte order.
    QMap<QString, QString> header;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return header;
    const QByteArray data = f.read(4 + 1796);
    if (data.size() < 4 + 1796)
        return header;
    const QByteArray sync = data.left(4);
    bool little;
    if (sync == "3SaR" || sync == "2SaR" || sync == "tBaR")
        little = true;
    else if (sync == "RaS3" || sync == "RaS2" || sync == "RaSt")
        little = false;
    else
        return header;
    const auto word = [&](int index) {
        const uchar *p = reinterpret_cast<const uchar *>(data.constData()) + 4 + 256 + 4 * index;
        return little ? qFromLittleEndian<quint32>(p) : qFromBigEndian<quint32>(p);
    };
    // Word indices after the strings: ManualFeed 16, MediaPosition 17,
    // PageSize 24..25, cupsPageSize (floats) 43..44; cupsPageSizeName is the
    // last 64 bytes.
    header.insert(QStringLiteral("ManualFeed"), QString::number(word(16)));
    header.insert(QStringLiteral("MediaPosition"), QString::number(word(17)));
    header.insert(QStringLiteral("PageSize"), QStringLiteral("%1x%2").arg(word(24)).arg(word(25)));
    header.insert(QStringLiteral("cupsPageSizeName"),
                  QString::fromLatin1(data.mid(4 + 1732, 64).constData()));
    const auto real = [&](int index) {
        const quint32 bits = word(index);
        float v;
        std::memcpy(&v, &bits, sizeof v);
        return QString::number(double(v), 'f', 0);
    };
    header.insert(QStringLiteral("cupsPageSize"), QStringLiteral("%1x%2").arg(real(43), real(44)));
    return header;
}

} // namespace zentrope::test
