#include "support/PdfProbe.h"

#include "support/TestEnv.h"

#include <QRegularExpression>
#include <QStringList>
#include <map>
#include <vector>

namespace zentrope::test {

namespace {
// The POSTNET digits' bar groups (1 tall, 0 short), as USPS publishes them.
const char *const kDigits[] = {"11000", "00011", "00101", "00110", "01001",
                               "01010", "01100", "10001", "10010", "10100"};
} // namespace

PdfInfo pdfInfo(const QString &pdf, int page)
{
    const QString n = QString::number(page);
    const QString out =
        runOutput(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), n, QStringLiteral("-l"), n, pdf});
    PdfInfo info;
    const auto field = [&](const QString &name) {
        const QRegularExpression re(QStringLiteral("^%1:\\s*(.*)$").arg(name),
                                    QRegularExpression::MultilineOption);
        return re.match(out).captured(1).trimmed();
    };
    bool ok = false;
    info.Pages = field(QStringLiteral("Pages")).toInt(&ok);
    if (!ok)
        info.Pages = -1;
    info.Title = field(QStringLiteral("Title"));
    const auto m = QRegularExpression(QStringLiteral("([\\d.]+) x ([\\d.]+) pts"))
                       .match(field(QStringLiteral("Page +%1 size").arg(page)));
    if (m.hasMatch())
        info.PageSize = {m.captured(1).toDouble(), m.captured(2).toDouble()};
    return info;
}

int pdfPages(const QString &pdf)
{
    return pdfInfo(pdf).Pages;
}

QString pageText(const QString &pdf, int page)
{
    const QString n = QString::number(page);
    return runOutput(QStringLiteral("pdftotext"), {QStringLiteral("-f"), n, QStringLiteral("-l"), n,
                                                   QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

QString decodeBarCode(const QImage &img)
{
    struct Bar {
        int x, top, bottom;
    };
    std::map<int, std::vector<Bar>> byBottom;
    auto darkAt = [&](int x, int y) { return qGray(img.pixel(x, y)) < 128; };
    for (int x = 0; x < img.width(); ++x) {
        int y = 0;
        while (y < img.height()) {
            if (!darkAt(x, y)) {
                ++y;
                continue;
            }
            const int top = y;
            while (y < img.height() && darkAt(x, y))
                ++y;
            const int h = y - top;
            // A bar's column, with light columns beside it a few dots away.
            if ((h >= 13 && h <= 17) || (h >= 36 && h <= 40))
                byBottom[y - 1].push_back({x, top, y - 1});
        }
    }
    for (auto &[bottom, cols] : byBottom) {
        // Merge neighbouring columns into bars.
        std::vector<Bar> bars;
        for (const Bar &c : cols) {
            if (!bars.empty() && c.x - bars.back().x <= 6 && c.top == bars.back().top)
                continue;
            bars.push_back(c);
        }
        if (bars.size() < 32)
            continue;
        QString pattern;
        for (const Bar &b : bars)
            pattern += (bottom - b.top + 1) > 25 ? u'1' : u'0';
        if (pattern.front() != u'1' || pattern.back() != u'1' || (pattern.size() - 2) % 5 != 0)
            continue;
        QString digits;
        for (int k = 1; k + 5 <= pattern.size() - 1; k += 5) {
            const QString group = pattern.mid(k, 5);
            int value = -1;
            for (int v = 0; v < 10; ++v)
                if (QLatin1String(kDigits[v]) == group)
                    value = v;
            if (value < 0)
                return QStringLiteral("bad group ") + group;
            digits += QChar(u'0' + value);
        }
        return digits;
    }
    return {};
}

QImage renderPage(const QString &pdf, int page, const QString &dir)
{
    const QString n = QString::number(page);
    const QString prefix = dir + QStringLiteral("/page") + n;
    runOutput(QStringLiteral("pdftoppm"),
              {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-gray"),
               QStringLiteral("-singlefile"), QStringLiteral("-f"), n, QStringLiteral("-l"), n, pdf, prefix});
    return QImage(prefix + QStringLiteral(".pgm"));
}

} // namespace zentrope::test
