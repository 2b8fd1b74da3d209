#pragma once

#include <QByteArray>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <memory>

class QPainter;

namespace zentrope {

// A Windows metafile (WMF, standard or with the 22-byte placeable header),
// replayed record by record on any QPainter. Drawing goes through the painter
// as vectors, so a picture stays sharp at the printer's resolution.
//
// Loading checks the header and that every record lies inside the file; what
// fails throws ZentropeError("Metafile is not valid."). Playing never throws:
// records the player does not know, or whose sizes, counts or offsets do not
// fit, are skipped.
class Metafile {
public:
    Metafile();
    ~Metafile();
    Metafile(const Metafile &);
    Metafile &operator=(const Metafile &);

    // Largest file that is read at all.
    static constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;

    static Metafile fromData(const QByteArray &data);
    // Also throws "Cannot open file <name>." when the file cannot be read.
    static Metafile fromFile(const QString &fileName);

    bool isNull() const { return !d; }
    bool isPlaceable() const;
    // The placeable header's checksum matched (a wrong one is tolerated).
    bool checksumValid() const;
    // The logical rectangle that fills the target when played: the placeable
    // bounding box, else the picture's first window, else what it draws.
    QRectF frame() const;
    // Size in inches when the header says (placeable files), else empty.
    QSizeF sizeInches() const;

    // Plays the picture so that its frame fills target (in the painter's
    // current coordinates). Output is clipped to target; the painter's state
    // is restored afterwards.
    void play(QPainter &painter, const QRectF &target) const;

    struct Data;

private:
    std::shared_ptr<const Data> d;
};

} // namespace zentrope
