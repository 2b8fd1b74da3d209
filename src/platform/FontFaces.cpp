#include "platform/FontFaces.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRegularExpression>
#include <algorithm>

namespace zentrope {

namespace {
QString plainFamily(const QString &family)
{
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    return QString(family).remove(foundry);
}

QString resolvedFamily(const QString &face)
{
    return plainFamily(QFontInfo(QFont(face)).family());
}
} // namespace

QStringList ScreenFontFamilies()
{
    QStringList names;
    for (const QString &family : QFontDatabase::families()) {
        const QString plain = plainFamily(family);
        if (!names.contains(plain, Qt::CaseInsensitive))
            names << plain;
    }
    std::stable_sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

bool IsSubstitutedFace(const QString &face)
{
    if (face.trimmed().isEmpty() || QFontDatabase::hasFamily(face))
        return false;
    // A name no system knows shows the default face; compare with that.
    static const QString fallback = resolvedFamily(QStringLiteral("Zentrope No Such Face"));
    const QString drawn = resolvedFamily(face);
    return !drawn.isEmpty() && drawn.compare(fallback, Qt::CaseInsensitive) != 0;
}

} // namespace zentrope
