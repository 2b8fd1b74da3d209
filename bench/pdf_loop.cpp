// The floor of pdf_pages.py and pdf_one.py: the least a Qt program does to
// write N envelope pages with QPdfWriter, each with the return address, three
// address lines and 62 bars, as `zentrope --pdf` draws them at its defaults.
//
//     pdf_loop OUT.pdf N

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    // A program without windows, as the script options run.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int pages = std::atoi(argv[2]);
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (pages < 1 || !file.open(QIODevice::WriteOnly))
        return 1;
    QPdfWriter writer(&file);
    writer.setResolution(1200);
    writer.setPageSize(QPageSize(QSizeF(9, 4), QPageSize::Inch));
    writer.setPageMargins(QMarginsF());
    QPainter painter(&writer);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(167); // 10 points at 1200 dpi
    painter.setFont(font);
    const int line = painter.fontMetrics().height();
    for (int p = 0; p < pages; ++p) {
        if (p > 0)
            writer.newPage();
        painter.drawText(0, line, QStringLiteral("Your Name"));
        painter.drawText(0, 2 * line, QStringLiteral("123 Main St."));
        painter.drawText(0, 3 * line, QStringLiteral("Somewhere, XX 98765"));
        for (int bar = 0; bar < 62; ++bar)
            painter.fillRect(5000 + bar * 55, 3400 + (bar % 3 ? 90 : 0), 24, bar % 3 ? 60 : 150, Qt::black);
        painter.drawText(5000, 3700, QStringLiteral("Addressee %1").arg(p));
        painter.drawText(5000, 3700 + line, QStringLiteral("1700 Elm Street"));
        painter.drawText(5000, 3700 + 2 * line, QStringLiteral("Anytown, ST 10000-6789"));
    }
    return painter.end() ? 0 : 1;
}
