#include "envelope/LengthUnit.h"

#include "envelope/EnvelopeDimension.h"
#include "envelope/EnvelopeSizeCatalog.h"
#include "envelope/StandardEnvelopes.h"
#include "settings/QevIniFile.h"
#include "support/TestEnv.h"

#include <QFile>
#include <cmath>
#include <gtest/gtest.h>

using namespace zentrope;
using namespace zentrope::test;

TEST(Units, DefaultFromTheLocaleAndTheSetting)
{
    EXPECT_EQ(DefaultLengthUnit(QLocale::c()), LengthUnit::Inches);
    EXPECT_EQ(DefaultLengthUnit(QLocale(QStringLiteral("C"))), LengthUnit::Inches);
    EXPECT_EQ(DefaultLengthUnit(QLocale(QStringLiteral("POSIX"))), LengthUnit::Inches);
    for (const char *name : {"en_US", "es_US", "en_LR", "my_MM"})
        EXPECT_EQ(DefaultLengthUnit(QLocale(QString::fromLatin1(name))), LengthUnit::Inches) << name;
    for (const char *name : {"de_DE", "en_GB", "en_CA", "fr_FR", "ja_JP", "en_AU"})
        EXPECT_EQ(DefaultLengthUnit(QLocale(QString::fromLatin1(name))), LengthUnit::Millimetres) << name;

    const QString path = freshDir(QStringLiteral("units")) + QStringLiteral("/zentrope.ini");
    TQevIniFile ini(path);
    const QLocale us(QStringLiteral("en_US")), de(QStringLiteral("de_DE"));
    EXPECT_EQ(ReadLengthUnit(ini, us), LengthUnit::Inches);
    EXPECT_EQ(ReadLengthUnit(ini, de), LengthUnit::Millimetres);
    WriteLengthUnit(ini, LengthUnit::Millimetres);
    EXPECT_EQ(ini.ReadString(QStringLiteral("Options"), QStringLiteral("Units"), {}), QStringLiteral("1"));
    EXPECT_EQ(ReadLengthUnit(ini, us), LengthUnit::Millimetres);
    WriteLengthUnit(ini, LengthUnit::Inches);
    EXPECT_EQ(ini.ReadString(QStringLiteral("Options"), QStringLiteral("Units"), {}), QStringLiteral("0"));
    EXPECT_EQ(ReadLengthUnit(ini, de), LengthUnit::Inches);
    // A damaged value is as good as none.
    for (const char *bad : {"2", "-1", "mm", ""}) {
        ini.WriteString(QStringLiteral("Options"), QStringLiteral("Units"), QString::fromLatin1(bad));
        EXPECT_EQ(ReadLengthUnit(ini, de), LengthUnit::Millimetres) << bad;
        EXPECT_EQ(ReadLengthUnit(ini, QLocale::c()), LengthUnit::Inches) << bad;
    }
}

TEST(Units, MillimetresReadBackAsTyped)
{
    constexpr auto MM = LengthUnit::Millimetres;
    // Every standard size through the settings file: a metric size shows its
    // stated millimetres, an inch size its millimetres to a tenth.
    const QString path = freshDir(QStringLiteral("units-mm")) + QStringLiteral("/zentrope.ini");
    {
        TQevIniFile ini(path);
        EnvelopeSizeCatalog c;
        c.Load(ini); // the first-run sizes
        for (const StandardEnvelope &e : StandardEnvelopes()) {
            // Typed in millimetres, as a user would copy them from the name.
            const double k = e.Unit == QPageSize::Millimeter ? 1.0 : 25.4;
            TEnvelopeDimension d;
            d.GetValueFromControls(FormatLength(e.LongSide * k / 25.4, MM),
                                   QString::number(e.ShortSide * k, 'f', 1), QStringLiteral("0"), MM);
            c.Add(e.Name, d);
        }
        EXPECT_EQ(c.At(c.FDefaultIndex)->Name, QStringLiteral("Business #10")) << "Add keeps the default";
        c.Save(ini);
    }
    TQevIniFile ini(path);
    EnvelopeSizeCatalog back;
    back.Load(ini);
    for (const StandardEnvelope &e : StandardEnvelopes()) {
        SCOPED_TRACE(e.Name.toStdString());
        const EnvelopeSize *s = nullptr;
        for (const EnvelopeSize &x : back.Entries())
            if (x.Name == e.Name)
                s = &x;
        ASSERT_TRUE(s);
        QString w, h, indent;
        s->Dimension.SetValueForControls(w, h, indent, MM);
        const double k = e.Unit == QPageSize::Millimeter ? 1.0 : 25.4;
        EXPECT_EQ(w, QString::number(e.LongSide * k, 'f', 1));
        EXPECT_EQ(h, QString::number(e.ShortSide * k, 'f', 1));
        EXPECT_EQ(indent, QStringLiteral("0.0"));
        if (e.Unit == QPageSize::Millimeter) {
            EXPECT_EQ(std::lround(s->Dimension.Width * 1000), e.LongThousandths);
            EXPECT_EQ(std::lround(s->Dimension.Height * 1000), e.ShortThousandths);
        }
    }

    // Every tenth of a millimetre up to a metre lands on whole thousandths of
    // an inch (what the file keeps) and shows as typed.
    for (int tenths = -100; tenths <= 10000; ++tenths) {
        const QString typed = QString::number(tenths / 10.0, 'f', 1);
        const double inches = ParseLength(typed, MM);
        ASSERT_EQ(inches, std::round(inches * 1000) / 1000) << typed.toStdString();
        ASSERT_EQ(FormatLength(inches, MM), tenths == 0 ? QStringLiteral("0.0") : typed)
            << typed.toStdString();
    }
    EXPECT_EQ(ParseLength(QStringLiteral("162"), MM), 6.378);
    EXPECT_EQ(FormatLength(6.378, MM), QStringLiteral("162.0"));
    EXPECT_EQ(ParseLength(QStringLiteral(" 110,5 "), MM), 4.350);
    EXPECT_EQ(FormatLength(4.350, MM), QStringLiteral("110.5"));
    for (const char *bad : {"", "  ", "abc", "1..2", "12 mm", "1,2,3"})
        EXPECT_EQ(ParseLength(QString::fromLatin1(bad), MM), 0.0) << bad;
    EXPECT_EQ(FormatLength(-0.001, MM), QStringLiteral("0.0"));

    // An inch size seen in millimetres keeps its exact inches while its boxes
    // still show them; a changed box takes the typed millimetres.
    TEnvelopeDimension ten = StandardEnvelopes()[9].Dimension(); // 9.5 x 4.125 in
    QString w, h, indent;
    ten.SetValueForControls(w, h, indent, MM);
    EXPECT_EQ(w, QStringLiteral("241.3"));
    EXPECT_EQ(h, QStringLiteral("104.8"));
    ten.GetValueFromControls(QStringLiteral("241.3"), h, QStringLiteral("12.7"), MM);
    EXPECT_EQ(ten.Width, 9.5);
    EXPECT_EQ(ten.Height, 4.125);
    EXPECT_EQ(ten.Indent, 0.5);
    ten.GetValueFromControls(QStringLiteral("241.4"), h, indent, MM);
    EXPECT_EQ(ten.Width, 9.504);
    EXPECT_EQ(ten.Height, 4.125);

    // Inches behave exactly as the boxes always did.
    for (const char *text : {"9.5", " 4,125 ", "abc", "", "1e1", "-0.001"}) {
        const QString t = QString::fromLatin1(text);
        EXPECT_EQ(ParseLength(t, LengthUnit::Inches), TEnvelopeDimension::ParseValue(t)) << text;
        EXPECT_EQ(ParseLength(t, LengthUnit::Inches, 4.125), TEnvelopeDimension::ParseValue(t)) << text;
    }
    for (double v : {9.5, 4.125, 0.0, -0.001, 1234.5678})
        EXPECT_EQ(FormatLength(v, LengthUnit::Inches), TEnvelopeDimension::FormatValue(v));
}
