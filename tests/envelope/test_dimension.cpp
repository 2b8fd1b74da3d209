#include "envelope/EnvelopeDimension.h"
#include "settings/QevIniFile.h"
#include "support/TestEnv.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace zentrope;
using namespace zentrope::test;

namespace {

QString iniWith(const QByteArray &body)
{
    const QString path = freshDir(QStringLiteral("dimension")) + QStringLiteral("/zentrope.ini");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(body);
    return path;
}

} // namespace

TEST(EnvelopeDimension, ReadFallsBackKeyByKey)
{
    TEnvelopeDimension fresh;
    EXPECT_EQ(fresh.Width, 6.0);
    EXPECT_EQ(fresh.Height, 4.0);
    EXPECT_EQ(fresh.Indent, 0.0);

    TQevIniFile empty(iniWith(""));
    TEnvelopeDimension d;
    d.Width = d.Height = d.Indent = 99;
    d.ReadINI(empty, "Envelopes", "Envelope1");
    EXPECT_EQ(d.Width, 6.0);
    EXPECT_EQ(d.Height, 4.0);
    EXPECT_EQ(d.Indent, 0.0);

    // Only the height is there; a hand-edited decimal point is not thousandths.
    TQevIniFile partial(
        iniWith("[Envelopes]\nEnvelope1_Height=3500\nEnvelope2_Width=9.5\nEnvelope2_Indent=-250\n"));
    d.ReadINI(partial, "Envelopes", "Envelope1");
    EXPECT_EQ(d.Width, 6.0);
    EXPECT_EQ(d.Height, 3.5);
    EXPECT_EQ(d.Indent, 0.0);
    d.ReadINI(partial, "Envelopes", "Envelope2");
    EXPECT_EQ(d.Width, 6.0);
    EXPECT_EQ(d.Height, 4.0);
    EXPECT_EQ(d.Indent, -0.25);
}

TEST(EnvelopeDimension, WritesWholeThousandthsInOrder)
{
    const QString path = iniWith("");
    {
        TQevIniFile ini(path);
        TEnvelopeDimension d;
        d.Width = 9.4996;
        d.Height = 4.125;
        d.Indent = -0.25;
        d.WriteINI(ini, "Envelopes", "Envelope3");
    }
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("[Envelopes]\nEnvelope3_Width=9500\nEnvelope3_Height=4125\n"
                                      "Envelope3_Indent=-250\n"));
    TEnvelopeDimension back;
    back.ReadINI(TQevIniFile(path), "Envelopes", "Envelope3");
    EXPECT_EQ(back.Width, 9.5);
    EXPECT_EQ(back.Height, 4.125);
    EXPECT_EQ(back.Indent, -0.25);
}

TEST(EnvelopeDimension, ShowsTwoDecimals)
{
    QString w, h, i;
    TEnvelopeDimension().SetValueForControls(w, h, i);
    EXPECT_EQ(w, "6.00");
    EXPECT_EQ(h, "4.00");
    EXPECT_EQ(i, "0.00");

    TEnvelopeDimension d;
    d.Width = 9.5;
    d.Height = 12.25;
    d.Indent = -0.25;
    d.SetValueForControls(w, h, i);
    EXPECT_EQ(w, "9.50");
    EXPECT_EQ(h, "12.25");
    EXPECT_EQ(i, "-0.25");
    // Display only: the record keeps its value.
    d.Width = 1234567.891;
    d.SetValueForControls(w, h, i);
    EXPECT_EQ(w, "1234567.89") << "no digit grouping";
    EXPECT_EQ(d.Width, 1234567.891);
}

TEST(EnvelopeDimension, TakesNumbersFromTheBoxes)
{
    TEnvelopeDimension d;
    d.GetValueFromControls("", "  4.125", "-0.25");
    EXPECT_EQ(d.Width, 0.0) << "an empty box is 0";
    EXPECT_EQ(d.Height, 4.125);
    EXPECT_EQ(d.Indent, -0.25);

    struct Case {
        const char *text;
        double value;
    } cases[] = {
        {"9.50 ", 9.5},   // trailing blank: a number, not 950
        {" 9.50\t", 9.5}, // blanks around it
        {"9,5", 9.5},     // a decimal comma
        {"+1.5e1", 15.0}, // sign and exponent
        {"2E-1", 0.2},
        {".5", 0.5},
        {"7", 7.0},
        {"9.5in", 0.0}, // malformed: 0, not the digits read so
                        // far
        {"9.50.1", 0.0},
        {"1 2", 0.0},
        {"--1", 0.0},
        {"e5", 0.0},
        {"1e", 0.0},
        {"1e999", 0.0}, // out of range is not a usable size
        {"   ", 0.0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TEnvelopeDimension::ParseValue(QString::fromLatin1(c.text)), c.value)
            << '"' << c.text << '"';
}

TEST(EnvelopeDimension, PrinterSizeFromWholeMillimetres)
{
    TEnvelopeDimension d;
    d.Indent = 0.75;
    d.GetPrinterSize(203, 266);
    EXPECT_NEAR(d.Width, 7.992, 0.0005);
    EXPECT_NEAR(d.Height, 10.472, 0.0005);
    EXPECT_EQ(d.Indent, 0.0);
}
