#include "print/page/EnvelopeFit.h"

#include <QImage>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>

using namespace zentrope;

namespace {
// A 9 x 4 envelope one inch in from the page's left edge, so that ink left
// of the envelope lands on the picture too.
EnvelopePage indentedPage()
{
    EnvelopePage p;
    p.Dimension.Width = 9.0;
    p.Dimension.Height = 4.0;
    p.Dimension.Indent = 1.0;
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSize(11);
    p.AddressFont.Font = f;
    p.ReturnFont.Font = f;
    p.ReturnLines = {QStringLiteral("Jo Sender"), QStringLiteral("Home, ST 54321")};
    p.AddressLines = {QStringLiteral("Jane Doe"), QStringLiteral("1742 Elm Street"),
                      QStringLiteral("Anytown, ST 12345-6789")};
    return p;
}

// Whether the printed page has ink outside the envelope. The page is drawn an
// inch lower, so ink above the envelope lands on the picture too. A glyph may
// reach a dot or two beyond its advance (the descender of a "J"): no overrun.
bool inkOutside(const EnvelopePage &p, const QRect &envelope)
{
    const QRect room = envelope.translated(0, 300).adjusted(-3, -3, 3, 3);
    QImage img(3600, 1800, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter painter(&img);
        painter.translate(0, 300);
        PaintEnvelopePage(painter, p);
    }
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (!room.contains(x, y) && qGray(img.pixel(x, y)) < 160)
                return true;
    return false;
}
} // namespace

TEST(Fit, TheCheckAgreesWithThePrintedInk)
{
    struct Case {
        const char *what;
        std::function<void(EnvelopePage &)> change;
        bool fits;
    } cases[] = {
        {"an ordinary envelope", [](EnvelopePage &) {}, true},
        {"trailing empty return lines", [](EnvelopePage &p) { p.ReturnLines << QString() << QString(); },
         true},
        {"a return line wider than the room right of its start",
         [](EnvelopePage &p) { p.ReturnLines << QString(150, u'W'); }, false},
        {"a return block past the bottom",
         [](EnvelopePage &p) {
             for (int i = 0; i < 30; ++i)
                 p.ReturnLines << QStringLiteral("Line");
         },
         false},
        {"a destination line wider than the envelope less an inch",
         [](EnvelopePage &p) { p.AddressLines.prepend(QString(130, u'W')); }, false},
        {"a destination block past the top",
         [](EnvelopePage &p) {
             for (int i = 0; i < 20; ++i)
                 p.AddressLines.prepend(QStringLiteral("Line"));
         },
         false},
        {"a bar code moved left on a narrow envelope", [](EnvelopePage &p) { p.Dimension.Width = 4.0; },
         true},
        {"a narrow envelope where the bar code's move pushes the lines off",
         [](EnvelopePage &p) {
             p.Dimension.Width = 3.0;
             p.Dimension.Height = 2.0;
         },
         false},
        {"the same without the bar code",
         [](EnvelopePage &p) {
             p.Dimension.Width = 3.0;
             p.Dimension.Height = 2.0;
             p.PrintBarCode = false;
             p.ReturnLines.clear();
         },
         true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EnvelopePage p = indentedPage();
        c.change(p);
        EnvelopePageLayout l;
        const EnvelopeFit fit = MeasureEnvelopeFit(p, &l);
        const QRect env(300, 0, l.EnvW, l.EnvH);
        EXPECT_EQ(l.Envelope, env);
        EXPECT_EQ(fit.Fits, c.fits);
        EXPECT_EQ(inkOutside(p, env), !c.fits);
        // The outline goes around what leaves the envelope, and only then.
        EXPECT_EQ(fit.Overrun.isNull(), c.fits);
        if (!fit.Fits) {
            EXPECT_FALSE(env.contains(fit.Overrun));
        }

        // Measuring lays out as painting does.
        QImage scratch(10, 10, QImage::Format_RGB32);
        QPainter painter(&scratch);
        const EnvelopePageLayout painted = PaintEnvelopePage(painter, p);
        EXPECT_EQ(painted.ReturnBlock, l.ReturnBlock);
        EXPECT_EQ(painted.AddressBlock, l.AddressBlock);
        EXPECT_EQ(painted.AddressOrigin, l.AddressOrigin);
        EXPECT_EQ(CheckEnvelopeFit(painted).Fits, fit.Fits);
    }
}
