#include "AppFixture.h"

#include "app/controls/Controls.h"
#include "barcode/BarCode.h"
#include "platform/Contrast.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QToolButton>

using namespace zentrope;
using namespace zentrope::test;

namespace {

// A dark desktop: light text on dark fields and buttons.
QPalette darkPalette()
{
    QPalette p(QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(role, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x7f, 0x7f, 0x7f));
    return p;
}

// The desktop palette for the length of a test, whatever it asserts.
struct DesktopPalette {
    explicit DesktopPalette(const QPalette &p) : saved(QApplication::palette())
    {
        QApplication::setPalette(p);
    }
    ~DesktopPalette() { QApplication::setPalette(saved); }
    QPalette saved;
};

// Of the pixels of `area` that stand out from the background at all, the share
// that reaches the readable contrast against it.
double readableShare(const QImage &img, const QRect &area, const QColor &background)
{
    int drawn = 0, readable = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const double c = ContrastRatio(img.pixelColor(x, y), background);
            if (c < 1.2)
                continue;
            ++drawn;
            if (c >= ReadableContrast)
                ++readable;
        }
    return drawn ? double(readable) / drawn : 0.0;
}

// A glyph's source drawn directly at a size in pixels.
QImage svgAt(const QString &file, int pixels)
{
    QImage img(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QSvgRenderer svg(file);
    QPainter p(&img);
    svg.render(&p, QRectF(0, 0, pixels, pixels));
    return img;
}

QString glyphFile(const QToolButton *b)
{
    QString name = b->objectName().mid(int(qstrlen("SpeedButton"))).toLower();
    if (name.startsWith(QLatin1String("file")))
        name = name.mid(4);
    return QStringLiteral(":/zentrope/icons/%1.svg").arg(name);
}

// The strongest contrast any pixel of `area` reaches against the background.
double bestContrast(const QImage &img, const QRect &area, const QColor &background)
{
    double best = 1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            best = std::max(best, ContrastRatio(img.pixelColor(x, y), background));
    return best;
}

} // namespace

// Readability on a dark desktop; the envelope stays paper.

using DarkPalette = AppFixture;

TEST_F(DarkPalette, ToolbarCaptionsHintsAndTheEnvelopeStayReadable)
{
    // System colours: the destination in the window text colour, the return
    // address in the button text colour.
    const QString buttonText = QString::number(int32_t(0x80000012));
    TQevIniFile(iniPath).WriteString(QStringLiteral("ReturnAddressFont"), QStringLiteral("FontColor"),
                                     buttonText);
    TQevIniFile(iniPath).WriteString(QStringLiteral("EnvelopeFont"), QStringLiteral("FontColor"),
                                     QString::number(int32_t(0x80000008)));
    start();
    auto *memo = find<MemoControl>("MemoAddress");
    memo->setText(QStringLiteral("Jane Doe\n1742 Elm Street\nAnytown, ST 12345-6789"));
    // Every glyph enabled: a selection in the address box, text on the clipboard.
    QGuiApplication::clipboard()->setText(QStringLiteral("x"));
    memo->selectAll();
    emit memo->mouseReleased();
    QWidget *bar = find<QWidget>("PanelStandardToolbar");
    const QList<QToolButton *> glyphs = bar->findChildren<QToolButton *>();
    ASSERT_EQ(glyphs.size(), 10);
    const QList<QToolButton *> styles = {find<QToolButton>("SpeedButtonBold"),
                                         find<QToolButton>("SpeedButtonItalic"),
                                         find<QToolButton>("SpeedButtonUnderline")};
    const QColor navy(0, 0, 128);

    // A light desktop: the glyphs exactly as their sources draw them, navy captions.
    for (QToolButton *b : glyphs) {
        SCOPED_TRACE(b->objectName().toStdString());
        EXPECT_TRUE(b->isEnabled());
        EXPECT_EQ(
            b->icon().pixmap(QSize(22, 22)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
            svgAt(glyphFile(b), 22));
    }
    for (QToolButton *b : styles)
        EXPECT_EQ(b->palette().color(QPalette::Active, QPalette::ButtonText), navy);

    {
        const DesktopPalette dark(darkPalette());
        QApplication::processEvents();
        const QImage window = find<QWidget>("CentralWidget")->grab().toImage();
        const QColor ground = window.pixelColor(bar->width() - 4, 4);
        EXPECT_EQ(ground, QColor(0x2a, 0x2a, 0x2a)) << "the window's background follows the desktop";

        // Most of each glyph's drawing reads against the toolbar (a glyph drawn
        // in dark grey alone, as the scissors were, scores 0).
        for (QToolButton *b : glyphs) {
            SCOPED_TRACE(b->objectName().toStdString());
            EXPECT_GE(readableShare(window, b->geometry(), ground), 0.5);
        }
        // The white sheets of the envelope, copy and paste glyphs keep their
        // outlines and the lines inside in dark ink (drawn light, as they were,
        // they melted into solid white shapes with few dark pixels left).
        for (const char *name :
             {"SpeedButtonCopy", "SpeedButtonPaste", "SpeedButtonSize", "SpeedButtonReturnAddresses"}) {
            const QImage img = find<QToolButton>(name)->icon().pixmap(QSize(22, 22)).toImage();
            int opaque = 0, lines = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    const QColor c = img.pixelColor(x, y);
                    if (c.alpha() < 200)
                        continue;
                    ++opaque;
                    lines += ContrastRatio(c, Qt::white) >= 3.0;
                }
            ASSERT_GT(opaque, 0) << name;
            EXPECT_GE(double(lines) / opaque, 0.3) << name << ": " << lines << " of " << opaque;
        }
        // The style captions: still a navy hue, light enough to read; a
        // disabled button keeps the desktop's grey.
        const QPoint format = find<QWidget>("PanelFormatToolbar")->pos();
        for (QToolButton *b : styles) {
            SCOPED_TRACE(b->objectName().toStdString());
            ASSERT_TRUE(b->isEnabled());
            const QColor caption = b->palette().color(QPalette::Active, QPalette::ButtonText);
            EXPECT_GE(ContrastRatio(caption, ground), ReadableContrast);
            EXPECT_NEAR(caption.hslHue(), navy.hslHue(), 2);
            EXPECT_GE(bestContrast(window, b->geometry().translated(format), ground), ReadableContrast);
            EXPECT_EQ(b->palette().color(QPalette::Disabled, QPalette::ButtonText), QColor(0x7f, 0x7f, 0x7f));
        }
        // The hint line.
        auto *hints = find<QLabel>("PanelHints");
        hints->setText(QStringLiteral(" Print envelope"));
        const QImage hint = hints->grab().toImage();
        EXPECT_GE(bestContrast(hint, hint.rect(), hint.pixelColor(hint.width() - 4, hint.height() / 2)),
                  ReadableContrast);

        // The envelope is paper: white, black address text, black bars, a dark stamp frame.
        auto *panel = find<QWidget>("PanelEnvelope");
        const QImage paper = panel->grab().toImage();
        EXPECT_EQ(paper.pixelColor(2, paper.height() - 2), QColor(Qt::white));
        // Window text on paper is black.
        EXPECT_EQ(memo->palette().color(QPalette::Active, QPalette::Text), QColor(Qt::black));
        EXPECT_EQ(memo->palette().color(QPalette::Active, QPalette::Base), QColor(Qt::white));
        // A font change after the palette's keeps the system colour it had.
        auto *ret = find<MemoControl>("MemoReturnAddress");
        QTest::mouseClick(ret->viewport(), Qt::LeftButton);
        find<QToolButton>("SpeedButtonBold")->click();
        EXPECT_EQ(ini("ReturnAddressFont", "FontColor"), buttonText);
        EXPECT_EQ(ret->palette().color(QPalette::Active, QPalette::Text), QColor(0xee, 0xee, 0xee));
        memo->moveCursor(QTextCursor::Start); // no selection colours
        const QImage text = memo->grab().toImage();
        EXPECT_GE(bestContrast(text, text.rect(), Qt::white), 15.0);
        const QImage &strip = find<ImageControl>("ImageZipBarCode")->picture();
        EXPECT_EQ(strip.pixelColor(strip.width() - 1, 0), QColor(Qt::white));
        EXPECT_EQ(bestContrast(strip, strip.rect(), Qt::white), 21.0);
        const QRect stamp = find<QWidget>("ImageStamp")->geometry();
        // Its dashed frame, one pixel in from the picture's second column.
        EXPECT_GE(bestContrast(paper, QRect(stamp.left() + 2, stamp.top() + 3, 1, 58), Qt::white),
                  ReadableContrast);
    }

    // Back to the light desktop: as before.
    QApplication::processEvents();
    for (QToolButton *b : styles)
        EXPECT_EQ(b->palette().color(QPalette::Active, QPalette::ButtonText), navy);
    EXPECT_EQ(memo->palette().color(QPalette::Active, QPalette::Text),
              QApplication::palette().color(QPalette::Active, QPalette::Text));
    EXPECT_EQ(find<QWidget>("PanelEnvelope")->palette().color(QPalette::Window),
              QApplication::palette().color(QPalette::Base));
}

// High-density screens: the glyphs and the bar code strip in the screen's own pixels.

using HighDensity = AppFixture;

// The window on a screen of twice the density, in a process of its own (the
// density is fixed when the application starts).
TEST_F(HighDensity, WindowOnAScreenOfTwiceTheDensity)
{
    if (qEnvironmentVariableIsEmpty("ZENTROPE_TEST_HIGH_DENSITY")) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZENTROPE_TEST_HIGH_DENSITY"), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=HighDensity.WindowOnAScreenOfTwiceTheDensity")});
        ASSERT_TRUE(child.waitForFinished(120000));
        const QByteArray out = child.readAll();
        EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
        EXPECT_TRUE(out.contains("[  PASSED  ] 1 test")) << out.toStdString();
        return;
    }
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0);
    start();

    // The bar code strip is drawn in the screen's pixels: twice as many, and
    // every bar edge crisp (no grey of a stretched picture).
    auto *strip = find<ImageControl>("ImageZipBarCode");
    find<MemoControl>("MemoAddress")
        ->setText(QStringLiteral("Jane Doe\n1742 Elm Street\nAnytown, ST 12345-6789"));
    const QImage &bars = strip->picture();
    EXPECT_EQ(bars.devicePixelRatio(), 2.0);
    EXPECT_EQ(bars.size(), strip->size() * 2);
    const QImage shown = strip->grab().toImage();
    EXPECT_EQ(shown.devicePixelRatio(), 2.0);
    const int row = 2 * 8 + BarCodeGeometry(240).TallHeight - 2;
    int count = 0, dark = 0;
    for (int x = 0; x < shown.width(); ++x) {
        const int g = qGray(shown.pixel(x, row));
        EXPECT_TRUE(g == 0 || g == 255) << "column " << x << " grey " << g;
        count += g == 0 && (x == 0 || qGray(shown.pixel(x - 1, row)) != 0);
        dark += g == 0;
    }
    EXPECT_EQ(count, 62);
    EXPECT_EQ(dark, 62 * BarCodeGeometry(240).BarWidth);

    // A glyph is the picture of its source at 44 pixels, not 22 stretched.
    auto *open = find<QToolButton>("SpeedButtonFileOpen");
    const QImage button = open->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(button.devicePixelRatio(), 2.0);
    QImage expected(44, 44, QImage::Format_ARGB32_Premultiplied);
    expected.fill(button.pixelColor(1, 1));
    QPainter(&expected).drawImage(0, 0, svgAt(glyphFile(open), 44));
    bool found = false;
    QImage plain = button;
    plain.setDevicePixelRatio(1);
    for (int dy = 0; dy + 44 <= plain.height() && !found; ++dy)
        for (int dx = 0; dx + 44 <= plain.width() && !found; ++dx)
            found = plain.copy(QRect(dx, dy, 44, 44)) == expected;
    EXPECT_TRUE(found);
}

// The fit of the envelopes on the chosen size, in the hint line.

using FitHint = AppFixture;

TEST_F(FitHint, TheHintLineNamesTheEnvelopeThatDoesNotFit)
{
    start();
    auto *memo = find<MemoControl>("MemoAddress");
    auto *sizes = find<QComboBox>("ComboBoxEnvelopeSize");
    auto *hints = find<QLabel>("PanelHints");
    const auto hintBecomes = [&](const QString &text) {
        return QTest::qWaitFor([&] { return hints->text() == text; }, 3000);
    };
    const QString notFit = QStringLiteral(" Envelope 2 does not fit the envelope size.");
    sizes->setCurrentIndex(sizes->findText(QStringLiteral("Business #10")));
    // Envelope 2's street line fits 9 inches less the inch kept right, not 6.
    const QString text =
        QStringLiteral("Jane Doe\nAnytown, ST 12345\n\nJohn Roe\n%1\nOtherton, ST 54321")
            .arg(QStringLiteral(
                "The Long Name Of A Building Next To The Old Mill By The River, 1742 Elm Street, Suite 400"));
    memo->setText(text);
    QTest::qWait(400);
    EXPECT_NE(hints->text(), notFit);
    sizes->setCurrentIndex(sizes->findText(QStringLiteral("Small")));
    EXPECT_TRUE(hintBecomes(notFit)) << hints->text().toStdString();

    // A passing hint covers it for a while; it comes back after.
    QStatusTipEvent over(QStringLiteral("Print envelope"));
    QApplication::sendEvent(main, &over);
    EXPECT_EQ(hints->text(), " Print envelope");
    QStatusTipEvent away{QString()};
    QApplication::sendEvent(main, &away);
    EXPECT_EQ(hints->text(), notFit);

    // Shortened, it fits; the message goes.
    const QString fitting = QString(text).remove(
        QStringLiteral("The Long Name Of A Building Next To The Old Mill By The River, "));
    memo->setText(fitting);
    EXPECT_TRUE(hintBecomes(QStringLiteral(" "))) << hints->text().toStdString();

    // A third envelope of too many lines runs past the envelope: it is named.
    memo->setText(fitting + QStringLiteral("\n\n") + QStringList(20, QStringLiteral("Line")).join(u'\n'));
    EXPECT_TRUE(hintBecomes(QStringLiteral(" Envelope 3 does not fit the envelope size.")));

    // A long document is measured in slices, to its end.
    QStringList many;
    for (int i = 1; i <= 700; ++i)
        many << QStringLiteral("Person %1\nTown, ST 12345").arg(i);
    many[649] += QStringLiteral("\n") + QStringList(20, QStringLiteral("Line")).join(u'\n');
    memo->setText(many.join(QStringLiteral("\n\n")));
    EXPECT_TRUE(hintBecomes(QStringLiteral(" Envelope 650 does not fit the envelope size.")))
        << hints->text().toStdString();
}
