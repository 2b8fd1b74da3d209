#include "print/PrinterSettings.h"
#include "settings/QevIniFile.h"
#include "support/CupsServer.h"
#include "support/TestEnv.h"

#include <QLocale>
#include <QPageSize>
#include <QPrinterInfo>
#include <gtest/gtest.h>

using namespace zentrope;
using namespace zentrope::test;

// The paper a PDF takes for the "Printer Setup" size.
TEST(StoredPaper, TheStoredPaperThenTheDefaultPrintersThenTheCountrys)
{
    TQevIniFile ini(freshDir(QStringLiteral("paper")) + QStringLiteral("/zentrope.ini"));
    const QString printer = QStringLiteral("Printer");
    ini.WriteInteger(printer, QStringLiteral("PaperSize"), 256);
    ini.WriteInteger(printer, QStringLiteral("PaperWidth"), 2413);
    ini.WriteInteger(printer, QStringLiteral("PaperLength"), 1048);
    QSizeF mm = StoredPaper(ini).fullRect(QPageLayout::Millimeter).size();
    EXPECT_NEAR(mm.width(), 241.3, 0.5);
    EXPECT_NEAR(mm.height(), 104.8, 0.5);

    ini.WriteInteger(printer, QStringLiteral("PaperSize"), 9); // A4
    ini.WriteInteger(printer, QStringLiteral("Orientation"), 2);
    const QPageLayout a4 = StoredPaper(ini);
    EXPECT_EQ(a4.pageSize().id(), QPageSize::A4);
    EXPECT_EQ(a4.orientation(), QPageLayout::Landscape);
    EXPECT_EQ(a4.margins(), QMarginsF());

    ini.EraseSection(printer);
    const QLocale::Territory here = QLocale::system().territory();
    const QPageSize::PageSizeId country =
        here == QLocale::UnitedStates || here == QLocale::Canada ? QPageSize::Letter : QPageSize::A4;
    if (CupsServer *cups = CupsServer::shared()) {
        // A queue with a driver has a default paper; a raw queue has none.
        ASSERT_TRUE(cups->setDefaultQueue(CupsServer::Ppd));
        const QPageSize own = QPrinterInfo::defaultPrinter().defaultPageSize();
        const QPageLayout paper = StoredPaper(ini);
        ASSERT_TRUE(cups->setDefaultQueue(CupsServer::RawB));
        ASSERT_TRUE(own.isValid());
        EXPECT_TRUE(paper.pageSize().isEquivalentTo(own));
        EXPECT_EQ(StoredPaper(ini).pageSize().id(), country);
    }
    ScopedNoPrinters none;
    EXPECT_EQ(StoredPaper(ini).pageSize().id(), country);
    EXPECT_EQ(StoredPaper(ini).orientation(), QPageLayout::Portrait);
}
