#include "platform/MetafileRecords.h"

#include "core/Error.h"
#include "platform/PictureReader.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>

namespace zentrope {

namespace {

constexpr quint32 PlaceableKey = 0x9AC6CDD7u;
constexpr qsizetype PlaceableHeaderBytes = 22;
constexpr qsizetype HeaderBytes = 18;
constexpr qsizetype RecordHeaderBytes = 6;
// Limits that keep a hostile file from exhausting memory or time.
constexpr qint64 MaxDibPixels = 16 * 1024 * 1024;      // one bitmap record
constexpr qint64 MaxTotalDibPixels = 64 * 1024 * 1024; // all bitmaps of a file

} // namespace

namespace wmf {

int dibWord(const Record &r)
{
    switch (r.kind()) {
    case DibBitBlt:
        return r.words > quint32(r.function >> 8) ? 8 : -1;
    case DibStretchBlt:
        return r.words > quint32(r.function >> 8) ? 10 : -1;
    case StretchDib:
        return 11;
    case DibCreatePatternBrush:
        return 2;
    default:
        return -1;
    }
}

} // namespace wmf

QString MetafileRecords::invalidText()
{
    return QCoreApplication::translate("zentrope::Metafile", "Metafile is not valid.");
}

void MetafileRecords::throwInvalid()
{
    throw ZentropeError(invalidText());
}

MetafileRecords MetafileRecords::read(const QByteArray &bytes)
{
    MetafileRecords m;
    m.m_bytes = bytes;
    const qsizetype at = m.readPlaceableHeader();
    m.readRecords(at);
    m.decodeBitmaps();
    return m;
}

// Returns where the standard header starts.
qsizetype MetafileRecords::readPlaceableHeader()
{
    const auto *p = reinterpret_cast<const uchar *>(m_bytes.constData());
    if (m_bytes.size() < PlaceableHeaderBytes || qFromLittleEndian<quint32>(p) != PlaceableKey)
        return 0;
    m_placeable = true;
    quint16 sum = 0;
    for (int i = 0; i < 10; ++i)
        sum ^= qFromLittleEndian<quint16>(p + 2 * i);
    m_checksumOk = sum == qFromLittleEndian<quint16>(p + 20);
    const qint16 left = qFromLittleEndian<qint16>(p + 6), top = qFromLittleEndian<qint16>(p + 8);
    const qint16 right = qFromLittleEndian<qint16>(p + 10), bottom = qFromLittleEndian<qint16>(p + 12);
    const quint16 inch = qFromLittleEndian<quint16>(p + 14);
    m_box = QRectF(left, top, double(right) - left, double(bottom) - top);
    if (inch > 0 && m_box.width() != 0 && m_box.height() != 0)
        m_inches = QSizeF(std::abs(m_box.width()) / inch, std::abs(m_box.height()) / inch);
    return PlaceableHeaderBytes;
}

void MetafileRecords::readRecords(qsizetype at)
{
    const auto *p = reinterpret_cast<const uchar *>(m_bytes.constData());
    const qsizetype size = m_bytes.size();
    if (size - at < HeaderBytes)
        throwInvalid();
    const quint16 type = qFromLittleEndian<quint16>(p + at);
    const quint16 headerWords = qFromLittleEndian<quint16>(p + at + 2);
    const quint16 version = qFromLittleEndian<quint16>(p + at + 4);
    if ((type != 1 && type != 2) || headerWords != 9 || (version != 0x0100 && version != 0x0300))
        throwInvalid();
    at += HeaderBytes;
    // Every record must lie inside the file; the end record or the end of the
    // data closes the list, and bytes after the end record are ignored.
    while (size - at >= RecordHeaderBytes) {
        const quint32 words = qFromLittleEndian<quint32>(p + at);
        const quint16 function = qFromLittleEndian<quint16>(p + at + 4);
        if (function == 0)
            break;
        if (words < 3 || qint64(words) * 2 > size - at)
            throwInvalid();
        m_records.push_back(wmf::Record{at + RecordHeaderBytes, words - 3, function});
        at += qsizetype(words) * 2;
    }
}

void MetafileRecords::decodeBitmaps()
{
    qint64 pixels = 0;
    for (size_t i = 0; i < m_records.size(); ++i) {
        const wmf::Record &r = m_records[i];
        const int w = wmf::dibWord(r);
        if (w < 0 || quint32(w) >= r.words)
            continue;
        const wmf::Params a = params(r);
        if (r.kind() == wmf::DibCreatePatternBrush && a.u(0) == 3)
            continue; // an old-style bitmap, not a packed DIB
        const quint16 usage = r.kind() == wmf::StretchDib              ? a.u(2)
                              : r.kind() == wmf::DibCreatePatternBrush ? a.u(1)
                                                                       : 0;
        if (usage == 1)
            continue; // palette indexes need the playing device's palette
        const QImage image = picture::decodeDib(a.bytes(quint32(w)), a.byteCount(quint32(w)),
                                                std::min(MaxDibPixels, MaxTotalDibPixels - pixels));
        if (image.isNull())
            continue;
        pixels += qint64(image.width()) * image.height();
        const qint32 headerHeight =
            a.byteCount(quint32(w)) >= 12 && qFromLittleEndian<quint32>(a.bytes(quint32(w))) >= 40
                ? qFromLittleEndian<qint32>(a.bytes(quint32(w)) + 8)
                : 1;
        m_dibs.emplace(i, wmf::Dib{image, headerHeight > 0});
    }
}

const wmf::Dib *MetafileRecords::dib(size_t index) const
{
    const auto it = m_dibs.find(index);
    return it == m_dibs.end() ? nullptr : &it->second;
}

std::optional<QRectF> MetafileRecords::firstWindow() const
{
    std::optional<QPointF> org, ext;
    for (const wmf::Record &r : m_records) {
        const wmf::Params a = params(r);
        if (r.kind() == wmf::SetWindowOrg && a.has(2) && !org)
            org = QPointF(a.s(1), a.s(0));
        if (r.kind() == wmf::SetWindowExt && a.has(2) && !ext && a.s(0) != 0 && a.s(1) != 0)
            ext = QPointF(a.s(1), a.s(0));
        if (org && ext)
            break;
    }
    if (!ext)
        return std::nullopt;
    const QPointF o = org.value_or(QPointF(0, 0));
    return QRectF(o.x(), o.y(), ext->x(), ext->y());
}

} // namespace zentrope
