#include "AppFixture.h"

#include "app/controls/Controls.h"
#include "app/dialogs/FontDialog.h"
#include "print/PrinterDevice.h"
#include "support/CupsServer.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QRegularExpression>
#include <QPrinter>
#include <QProcess>
#include <QToolButton>

using namespace zentrope;
using namespace zentrope::test;

namespace {

class FontsTest : public AppFixture {
protected:
    // Chooses an entry of a toolbar list as the user does.
    void choose(const char *combo, const QString &text)
    {
        auto *c = find<QComboBox>(combo);
        const int i = c->findText(text, Qt::MatchFixedString);
        ASSERT_GE(i, 0) << text.toStdString();
        c->setCurrentIndex(i);
        emit c->activated(i);
    }
    void clickInto(const char *memo)
    {
        auto *m = find<MemoControl>(memo);
        QTest::mouseClick(m->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    }
    // The next font dialog: sets a font and colour and answers with the result.
    static void answerFontDialog(const QFont &font, int32_t color, int result)
    {
        Prompt::push([=](QDialog &d) {
            auto *dlg = qobject_cast<AddressFontDialog *>(&d);
            EXPECT_NE(dlg, nullptr) << "expected the font dialog";
            if (dlg) {
                EXPECT_TRUE(dlg->FontChooser->testOption(QFontDialog::ScalableFonts));
                dlg->setCurrentFont(font);
                dlg->setColor(color);
            }
            return result;
        });
    }
};

} // namespace

TEST_F(FontsTest, SizeAndNameFromTheToolbarGoToTheActiveBoxOnly)
{
    start();
    ASSERT_EQ(main->Composer().activeAddress(), aaDestination);
    choose("ComboBoxFontSize", QStringLiteral("14"));
    EXPECT_EQ(find<MemoControl>("MemoAddress")->font().pointSize(), 14);
    EXPECT_EQ(ini("EnvelopeFont", "FontSize"), QStringLiteral("14"));
    // The whole font is written, height at the design resolution.
    EXPECT_EQ(ini("EnvelopeFont", "FontHeight"), QStringLiteral("-23"));
    EXPECT_EQ(ini("EnvelopeFont", "FontName"), QStringLiteral("Arial"));
    EXPECT_EQ(ini("EnvelopeFont", "FontBold"), QStringLiteral("0"));
    EXPECT_EQ(ini("ReturnAddressFont", "FontSize"), QStringLiteral("<absent>"));
    EXPECT_EQ(find<MemoControl>("MemoReturnAddress")->font().pointSize(), 10);

    clickInto("MemoReturnAddress");
    ASSERT_EQ(main->Composer().activeAddress(), aaReturn);
    EXPECT_EQ(find<QComboBox>("ComboBoxFontSize")->currentText(), QStringLiteral("10"));
    choose("ComboBoxFontName", QStringLiteral("Liberation Serif"));
    EXPECT_EQ(find<MemoControl>("MemoReturnAddress")->font().family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(ini("ReturnAddressFont", "FontName"), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(ini("ReturnAddressFont", "FontSize"), QStringLiteral("10"));
    EXPECT_EQ(ini("EnvelopeFont", "FontName"), QStringLiteral("Arial"));

    // No selection in a list changes nothing.
    auto *size = find<QComboBox>("ComboBoxFontSize");
    size->setCurrentIndex(-1);
    emit size->activated(-1);
    EXPECT_EQ(ini("ReturnAddressFont", "FontSize"), QStringLiteral("10"));
}

TEST_F(FontsTest, StyleButtonsToggleOneStyleOfTheActiveBox)
{
    start();
    clickInto("MemoReturnAddress");
    auto *bold = find<QToolButton>("SpeedButtonBold");
    auto *underline = find<QToolButton>("SpeedButtonUnderline");
    ASSERT_TRUE(bold->isEnabled());
    ASSERT_FALSE(bold->isChecked());
    QTest::mouseClick(bold, Qt::LeftButton);
    EXPECT_TRUE(find<MemoControl>("MemoReturnAddress")->font().bold());
    EXPECT_EQ(ini("ReturnAddressFont", "FontBold"), QStringLiteral("1"));
    EXPECT_EQ(ini("EnvelopeFont", "FontBold"), QStringLiteral("<absent>"));
    QTest::mouseClick(underline, Qt::LeftButton);
    EXPECT_EQ(ini("ReturnAddressFont", "FontUnderline"), QStringLiteral("1"));
    EXPECT_EQ(ini("ReturnAddressFont", "FontBold"), QStringLiteral("1"));

    // The destination's own state shows after a click there.
    clickInto("MemoAddress");
    EXPECT_FALSE(bold->isChecked());
    EXPECT_FALSE(underline->isChecked());
    EXPECT_FALSE(find<MemoControl>("MemoAddress")->font().bold());

    // Back in the return address, a second click removes bold and keeps underline.
    clickInto("MemoReturnAddress");
    EXPECT_TRUE(bold->isChecked());
    QTest::mouseClick(bold, Qt::LeftButton);
    EXPECT_FALSE(find<MemoControl>("MemoReturnAddress")->font().bold());
    EXPECT_TRUE(find<MemoControl>("MemoReturnAddress")->font().underline());
    EXPECT_EQ(ini("ReturnAddressFont", "FontBold"), QStringLiteral("0"));
    EXPECT_EQ(ini("ReturnAddressFont", "FontUnderline"), QStringLiteral("1"));

    QTest::mouseClick(find<QToolButton>("SpeedButtonItalic"), Qt::LeftButton);
    EXPECT_TRUE(find<MemoControl>("MemoReturnAddress")->font().italic());
    EXPECT_EQ(ini("ReturnAddressFont", "FontItalic"), QStringLiteral("1"));
}

TEST_F(FontsTest, WithNoActiveAddressTheToolbarIsDisabledAndChangesNothing)
{
    start();
    auto *sizes = find<QComboBox>("ComboBoxEnvelopeSize");
    emit sizes->activated(sizes->currentIndex());
    ASSERT_EQ(main->Composer().activeAddress(), aaNone);
    for (const char *name : {"SpeedButtonBold", "SpeedButtonItalic", "SpeedButtonUnderline"})
        EXPECT_FALSE(find<QToolButton>(name)->isEnabled()) << name;
    EXPECT_FALSE(find<QComboBox>("ComboBoxFontName")->isEnabled());
    EXPECT_FALSE(find<QComboBox>("ComboBoxFontSize")->isEnabled());

    const QFont dest = find<MemoControl>("MemoAddress")->font();
    const QFont ret = find<MemoControl>("MemoReturnAddress")->font();
    QTest::mouseClick(find<QToolButton>("SpeedButtonBold"), Qt::LeftButton);
    // Even a handler reached some other way does nothing.
    find<QToolButton>("SpeedButtonItalic")->setChecked(true);
    emit find<QToolButton>("SpeedButtonItalic")->clicked();
    choose("ComboBoxFontSize", QStringLiteral("18"));
    choose("ComboBoxFontName", QStringLiteral("Liberation Mono"));
    EXPECT_EQ(find<MemoControl>("MemoAddress")->font(), dest);
    EXPECT_EQ(find<MemoControl>("MemoReturnAddress")->font(), ret);
    EXPECT_EQ(ini("EnvelopeFont", "FontSize"), QStringLiteral("<absent>"));
    EXPECT_EQ(ini("ReturnAddressFont", "FontSize"), QStringLiteral("<absent>"));
}

TEST_F(FontsTest, DialogChangesItsOwnBoxAndKeepsEffectsAndColourAcrossARestart)
{
    start();
    clickInto("MemoReturnAddress");
    ASSERT_EQ(main->Composer().activeAddress(), aaReturn);

    // Cancel changes nothing.
    answerFontDialog(QFont(QStringLiteral("Liberation Mono"), 19), 0x0000FF, QDialog::Rejected);
    find<QAction>("M_Font")->trigger();
    EXPECT_EQ(ini("EnvelopeFont", "FontName"), QStringLiteral("<absent>"));
    EXPECT_EQ(find<MemoControl>("MemoAddress")->font().family(), QStringLiteral("Arial"));

    QFont chosen(QStringLiteral("Liberation Serif"), 16);
    chosen.setBold(true);
    chosen.setStrikeOut(true);
    answerFontDialog(chosen, 0x0000FF, QDialog::Accepted); // red
    find<QAction>("M_Font")->trigger();
    EXPECT_EQ(find<MemoControl>("MemoAddress")->font().family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(find<MemoControl>("MemoAddress")->font().pointSize(), 16);
    EXPECT_TRUE(find<MemoControl>("MemoAddress")->font().strikeOut());
    EXPECT_EQ(find<MemoControl>("MemoAddress")->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_EQ(ini("EnvelopeFont", "FontName"), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(ini("EnvelopeFont", "FontSize"), QStringLiteral("16"));
    EXPECT_EQ(ini("EnvelopeFont", "FontBold"), QStringLiteral("1"));
    EXPECT_EQ(ini("EnvelopeFont", "FontStrikeout"), QStringLiteral("1"));
    EXPECT_EQ(ini("EnvelopeFont", "FontColor"), QStringLiteral("255"));
    // The return address, though active, is untouched.
    EXPECT_EQ(ini("ReturnAddressFont", "FontName"), QStringLiteral("<absent>"));
    EXPECT_EQ(find<MemoControl>("MemoReturnAddress")->font().family(), QStringLiteral("Arial"));
    // The toolbar still shows the return address's font until the next update.
    EXPECT_EQ(find<QComboBox>("ComboBoxFontSize")->currentText(), QStringLiteral("10"));
    EXPECT_FALSE(find<QToolButton>("SpeedButtonBold")->isChecked());
    clickInto("MemoAddress");
    EXPECT_EQ(find<QComboBox>("ComboBoxFontSize")->currentText(), QStringLiteral("16"));
    EXPECT_TRUE(find<QToolButton>("SpeedButtonBold")->isChecked());

    // The menu item of the return address changes that one.
    answerFontDialog(QFont(QStringLiteral("Liberation Mono"), 24), 0x008000, QDialog::Accepted);
    find<QAction>("OptionsFontReturnAddress")->trigger();
    EXPECT_EQ(ini("ReturnAddressFont", "FontSize"), QStringLiteral("24"));
    EXPECT_EQ(ini("ReturnAddressFont", "FontColor"), QString::number(0x008000));
    EXPECT_EQ(ini("EnvelopeFont", "FontSize"), QStringLiteral("16"));
    // A toolbar change keeps what only the dialog offers.
    QTest::mouseClick(find<QToolButton>("SpeedButtonUnderline"), Qt::LeftButton);
    EXPECT_EQ(ini("EnvelopeFont", "FontStrikeout"), QStringLiteral("1"));
    EXPECT_EQ(ini("EnvelopeFont", "FontColor"), QStringLiteral("255"));

    shutdown();
    start();
    const QFont f = find<MemoControl>("MemoAddress")->font();
    EXPECT_EQ(f.family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(f.pointSize(), 16);
    EXPECT_TRUE(f.bold() && f.strikeOut() && f.underline());
    EXPECT_EQ(find<MemoControl>("MemoAddress")->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_EQ(find<MemoControl>("MemoReturnAddress")->font().pointSize(), 24);
    EXPECT_EQ(find<MemoControl>("MemoReturnAddress")->palette().color(QPalette::Text), QColor(0, 128, 0));
    // 24 points is not among the toolbar's sizes.
    clickInto("MemoReturnAddress");
    EXPECT_EQ(find<QComboBox>("ComboBoxFontSize")->currentIndex(), -1);
}

TEST_F(FontsTest, FaceListNamesEachFamilyOnceAndShowsTheSubstitutedDefault)
{
    start();
    auto *names = find<QComboBox>("ComboBoxFontName");
    QStringList items;
    for (int i = 0; i < names->count(); ++i)
        items << names->itemText(i);
    // Every family once, under its plain name, never with a foundry tag.
    for (QString f : QFontDatabase::families()) {
        f.remove(QRegularExpression(QStringLiteral("\\s*\\[[^\\]]*\\]$")));
        EXPECT_EQ(items.count(f), 1) << f.toStdString();
    }
    EXPECT_TRUE(items.filter(QStringLiteral("[")).isEmpty()) << items.join(u',').toStdString();
    for (int i = 1; i < items.size(); ++i)
        EXPECT_LE(QString::compare(items[i - 1], items[i], Qt::CaseInsensitive), 0)
            << items[i - 1].toStdString() << " before " << items[i].toStdString();

    // The default face, drawn as Liberation Sans, is listed and selected; the
    // font dialog confirmed without another face keeps it.
    clickInto("MemoAddress");
    EXPECT_EQ(names->currentText(), QStringLiteral("Arial"));
    Prompt::push([](QDialog &) { return int(QDialog::Accepted); });
    find<QAction>("OptionsFontAddress")->trigger();
    EXPECT_EQ(ini("EnvelopeFont", "FontName"), QStringLiteral("Arial"));
    EXPECT_EQ(find<MemoControl>("MemoAddress")->font().family(), QStringLiteral("Arial"));

    // The style buttons are navy while usable, the style's grey when disabled.
    auto *bold = find<QToolButton>("SpeedButtonBold");
    EXPECT_EQ(bold->palette().color(QPalette::Active, QPalette::ButtonText), QColor(0, 0, 128));
    EXPECT_EQ(bold->palette().color(QPalette::Disabled, QPalette::ButtonText),
              QApplication::palette().color(QPalette::Disabled, QPalette::ButtonText));
}

TEST_F(FontsTest, SystemColourNumberIsShownAndWrittenBack)
{
    // Window text, as the platform's colour number with the top bit set.
    TQevIniFile(iniPath).WriteInteger("ReturnAddressFont", "FontColor", -2147483640);
    start();
    EXPECT_EQ(find<MemoControl>("MemoReturnAddress")->palette().color(QPalette::Text),
              QApplication::palette().color(QPalette::Text));
    clickInto("MemoReturnAddress");
    QTest::mouseClick(find<QToolButton>("SpeedButtonBold"), Qt::LeftButton);
    EXPECT_EQ(ini("ReturnAddressFont", "FontColor"), QStringLiteral("-2147483640"));
}

TEST_F(FontsTest, PrintedEnvelopeUsesTheChosenFonts)
{
    ZENTROPE_REQUIRE_CUPS(cups);
    start();
    Printer().Reset();
    cups->clearReceived();
    QFont chosen(QStringLiteral("Liberation Mono"), 20);
    answerFontDialog(chosen, 0x0000FF, QDialog::Accepted); // red
    find<QAction>("OptionsFontAddress")->trigger();
    clickInto("MemoReturnAddress");
    QTest::mouseClick(find<QToolButton>("SpeedButtonItalic"), Qt::LeftButton);
    find<MemoControl>("MemoAddress")->setText(QStringLiteral("Alice Able\n12 First Ave\nAlbany, NY 12207"));

    // The print dialog, where the user asks for colour.
    Prompt::push([this](QDialog &) {
        Printer().QtPrinter().setColorMode(QPrinter::Color);
        return int(QDialog::Accepted);
    });
    find<QAction>("FilePrintEnvelope")->trigger();
    const QString queue = Printer().PrinterName();
    ASSERT_TRUE(cups->waitForJobs(queue, 1)) << cups->logTail().toStdString();
    const QString pdf = cups->receivedFiles(queue).value(0);
    ASSERT_FALSE(pdf.isEmpty());

    const QString fonts = runOutput(QStringLiteral("pdffonts"), {pdf});
    EXPECT_TRUE(fonts.contains(QLatin1String("LiberationMono"))) << fonts.toStdString();
    EXPECT_TRUE(fonts.contains(QLatin1String("LiberationSans-Italic"))) << fonts.toStdString();
    // Red ink for the destination address only; the return address, in the
    // first inch of the page, stays black.
    const QString prefix = dir + QStringLiteral("/page");
    runOutput(QStringLiteral("pdftoppm"),
              {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-singlefile"), pdf, prefix});
    const QImage img(prefix + QStringLiteral(".ppm"));
    ASSERT_FALSE(img.isNull());
    int redTop = 0, redBelow = 0, blackTop = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            const bool red = c.red() > 180 && c.green() < 100 && c.blue() < 100;
            const bool black = c.red() < 100 && c.green() < 100 && c.blue() < 100;
            if (y < 100) {
                redTop += red;
                blackTop += black;
            } else {
                redBelow += red;
            }
        }
    EXPECT_GT(redBelow, 20);
    EXPECT_EQ(redTop, 0);
    EXPECT_GT(blackTop, 20);
}
