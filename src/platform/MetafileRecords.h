#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QtEndian>
#include <optional>
#include <unordered_map>
#include <vector>

namespace zentrope {

namespace wmf {

// The records the player knows, by the low byte of their function number; the
// high byte only hints at the parameter count and files do not all keep it.
constexpr quint8 SetBkColor = 0x01;
constexpr quint8 SetBkMode = 0x02;
constexpr quint8 SetMapMode = 0x03;
constexpr quint8 SetPolyFillMode = 0x06;
constexpr quint8 SetTextColor = 0x09;
constexpr quint8 SetWindowOrg = 0x0B;
constexpr quint8 SetWindowExt = 0x0C;
constexpr quint8 SetViewportOrg = 0x0D;
constexpr quint8 SetViewportExt = 0x0E;
constexpr quint8 OffsetWindowOrg = 0x0F;
constexpr quint8 ScaleWindowExt = 0x10;
constexpr quint8 OffsetViewportOrg = 0x11;
constexpr quint8 ScaleViewportExt = 0x12;
constexpr quint8 LineTo = 0x13;
constexpr quint8 MoveTo = 0x14;
constexpr quint8 ExcludeClipRect = 0x15;
constexpr quint8 IntersectClipRect = 0x16;
constexpr quint8 Arc = 0x17;
constexpr quint8 Ellipse = 0x18;
constexpr quint8 Pie = 0x1A;
constexpr quint8 Rectangle = 0x1B;
constexpr quint8 RoundRect = 0x1C;
constexpr quint8 PatBlt = 0x1D;
constexpr quint8 SaveDC = 0x1E;
constexpr quint8 SetPixel = 0x1F;
constexpr quint8 TextOut = 0x21;
constexpr quint8 Polygon = 0x24;
constexpr quint8 Polyline = 0x25;
constexpr quint8 RestoreDC = 0x27;
constexpr quint8 SelectObject = 0x2D;
constexpr quint8 SetTextAlign = 0x2E;
constexpr quint8 Chord = 0x30;
constexpr quint8 ExtTextOut = 0x32;
constexpr quint8 PolyPolygon = 0x38;
constexpr quint8 DibBitBlt = 0x40;
constexpr quint8 DibStretchBlt = 0x41;
constexpr quint8 DibCreatePatternBrush = 0x42;
constexpr quint8 StretchDib = 0x43;
constexpr quint8 DeleteObject = 0xF0;
constexpr quint8 CreatePalette = 0xF7;
constexpr quint8 CreatePatternBrush = 0xF9;
constexpr quint8 CreatePenIndirect = 0xFA;
constexpr quint8 CreateFontIndirect = 0xFB;
constexpr quint8 CreateBrushIndirect = 0xFC;
constexpr quint8 CreateRegion = 0xFF;

// One record: where its parameters start in the file and how many words they are.
struct Record {
    qsizetype offset; // first parameter byte
    quint32 words;    // parameter words
    quint16 function;
    quint8 kind() const { return quint8(function & 0xFF); }
};

// The parameters of one record, read as little-endian words; reads past the
// record give 0, and callers check the counts they rely on with has().
struct Params {
    const uchar *p;
    quint32 n;
    bool has(quint64 words) const { return words <= n; }
    quint16 u(quint32 i) const { return i < n ? qFromLittleEndian<quint16>(p + 2 * qsizetype(i)) : 0; }
    qint16 s(quint32 i) const { return qint16(u(i)); }
    quint32 u32(quint32 i) const { return quint32(u(i)) | (quint32(u(i + 1)) << 16); }
    const char *bytes(quint32 word) const { return reinterpret_cast<const char *>(p) + 2 * qsizetype(word); }
    qsizetype byteCount(quint32 word) const { return word < n ? 2 * qsizetype(n - word) : 0; }
    QColor color(quint32 i) const
    {
        const quint16 rg = u(i), b = u(i + 1);
        return QColor(rg & 0xFF, rg >> 8, b & 0xFF);
    }
};

// A decoded bitmap of a DIB record.
struct Dib {
    QImage image;
    bool bottomUp = true;
};

// The packed bitmap of a DIB record starts at this parameter word; -1 when the
// record has none.
int dibWord(const Record &r);

} // namespace wmf

// A metafile's bytes split into records: the placeable header when there is
// one, the standard header, and every record up to the end record, each checked
// to lie inside the data. The bitmaps of DIB records are decoded here once, not
// at every repaint. What does not fit throws ZentropeError("Metafile is not valid.").
class MetafileRecords {
public:
    static MetafileRecords read(const QByteArray &bytes);
    [[noreturn]] static void throwInvalid();
    // The message of a file that is no metafile we can play.
    static QString invalidText();

    const std::vector<wmf::Record> &records() const { return m_records; }
    wmf::Params params(const wmf::Record &r) const
    {
        return wmf::Params{reinterpret_cast<const uchar *>(m_bytes.constData()) + r.offset, r.words};
    }
    // The bitmap of the record with this index; nullptr when it has none.
    const wmf::Dib *dib(size_t index) const;

    bool placeable() const { return m_placeable; }
    bool checksumOk() const { return m_checksumOk; }
    // The placeable header's bounding box (empty without the header).
    QRectF placeableBox() const { return m_box; }
    QSizeF inches() const { return m_inches; }
    // The picture's first window origin and non-empty extent, when it sets an
    // extent (the origin defaults to 0, 0).
    std::optional<QRectF> firstWindow() const;

private:
    qsizetype readPlaceableHeader();
    void readRecords(qsizetype at);
    void decodeBitmaps();

    QByteArray m_bytes;
    std::vector<wmf::Record> m_records;
    bool m_placeable = false;
    bool m_checksumOk = false;
    QRectF m_box;
    QSizeF m_inches;
    std::unordered_map<size_t, wmf::Dib> m_dibs; // by record index
};

} // namespace zentrope
