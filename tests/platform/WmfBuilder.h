#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QtEndian>
#include <initializer_list>
#include <vector>

namespace zentrope::test {

// Writes small metafiles record by record, for tests that need exact content.
class WmfBuilder {
public:
    // Parameters are 16-bit words in file order.
    WmfBuilder &rec(quint16 function, std::initializer_list<int> words)
    {
        return rec(function, std::vector<int>(words));
    }
    WmfBuilder &rec(quint16 function, const std::vector<int> &words)
    {
        put32(quint32(3 + words.size()));
        put16(function);
        for (int w : words)
            put16(quint16(w));
        ++m_records;
        m_max = std::max<quint32>(m_max, quint32(3 + words.size()));
        return *this;
    }
    // A record given as raw parameter bytes (padded to whole words).
    WmfBuilder &raw(quint16 function, QByteArray bytes)
    {
        if (bytes.size() % 2)
            bytes.append('\0');
        put32(quint32(3 + bytes.size() / 2));
        put16(function);
        m_body.append(bytes);
        return *this;
    }
    static std::vector<int> colorWords(QColor c) { return {c.red() | (c.green() << 8), c.blue()}; }

    WmfBuilder &window(int x, int y, int w, int h)
    {
        rec(0x020B, {y, x});
        return rec(0x020C, {h, w});
    }
    WmfBuilder &pen(int style, int width, QColor c)
    {
        auto cw = colorWords(c);
        return rec(0x02FA, {style, width, 0, cw[0], cw[1]});
    }
    WmfBuilder &brush(int style, QColor c, int hatch = 0)
    {
        auto cw = colorWords(c);
        return rec(0x02FC, {style, cw[0], cw[1], hatch});
    }
    WmfBuilder &select(int i) { return rec(0x012D, {i}); }
    WmfBuilder &remove(int i) { return rec(0x01F0, {i}); }
    WmfBuilder &rectangle(int l, int t, int r, int b) { return rec(0x041B, {b, r, t, l}); }

    QByteArray standard(quint16 objects = 16) const
    {
        QByteArray out;
        header(out, objects);
        out.append(m_body);
        appendEnd(out);
        return out;
    }
    QByteArray placeable(QRect box, quint16 inch = 1440, bool goodChecksum = true, quint16 objects = 16) const
    {
        QByteArray head(22, '\0');
        qToLittleEndian<quint32>(0x9AC6CDD7u, head.data());
        qToLittleEndian<qint16>(qint16(box.left()), head.data() + 6);
        qToLittleEndian<qint16>(qint16(box.top()), head.data() + 8);
        qToLittleEndian<qint16>(qint16(box.left() + box.width()), head.data() + 10);
        qToLittleEndian<qint16>(qint16(box.top() + box.height()), head.data() + 12);
        qToLittleEndian<quint16>(inch, head.data() + 14);
        quint16 sum = 0;
        for (int i = 0; i < 10; ++i)
            sum ^= qFromLittleEndian<quint16>(head.constData() + 2 * i);
        qToLittleEndian<quint16>(goodChecksum ? sum : quint16(sum ^ 0x5A5A), head.data() + 20);
        return head + standard(objects);
    }

private:
    void put16(quint16 v)
    {
        char b[2];
        qToLittleEndian(v, b);
        m_body.append(b, 2);
    }
    void put32(quint32 v)
    {
        char b[4];
        qToLittleEndian(v, b);
        m_body.append(b, 4);
    }
    void header(QByteArray &out, quint16 objects) const
    {
        QByteArray h(18, '\0');
        qToLittleEndian<quint16>(1, h.data());
        qToLittleEndian<quint16>(9, h.data() + 2);
        qToLittleEndian<quint16>(0x0300, h.data() + 4);
        qToLittleEndian<quint32>(quint32((18 + m_body.size() + 6) / 2), h.data() + 6);
        qToLittleEndian<quint16>(objects, h.data() + 10);
        qToLittleEndian<quint32>(m_max, h.data() + 12);
        out.append(h);
    }
    static void appendEnd(QByteArray &out)
    {
        const char end[6] = {3, 0, 0, 0, 0, 0};
        out.append(end, 6);
    }

    QByteArray m_body;
    int m_records = 0;
    quint32 m_max = 3;
};

// A white image of the given size and resolution.
inline QImage blankImage(int w, int h, double dpi = 96)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::white);
    img.setDotsPerMeterX(int(dpi / 0.0254 + 0.5));
    img.setDotsPerMeterY(int(dpi / 0.0254 + 0.5));
    return img;
}

} // namespace zentrope::test
