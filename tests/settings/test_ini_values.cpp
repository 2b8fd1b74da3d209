// The typed encodings of the settings file: integers, booleans, reals, fonts,
// rectangles, string lists and the read limit.
#include "settings/QevIniFile.h"
#include "support/TestEnv.h"

#include <QFile>
#include <gtest/gtest.h>
#include <cmath>
#include <limits>

using namespace zentrope;

namespace {

// A settings file holding exactly the given text.
QString iniWith(const QByteArray &text)
{
    const QString path = test::freshDir("values") + QStringLiteral("/zentrope.ini");
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    return path;
}

QString stored(const QString &value)
{
    return iniWith("[S]\nk=\"" + value.toUtf8() + "\"\n"); // quoted: blanks survive the read
}

} // namespace

TEST(IniInteger, TextRules)
{
    struct Case {
        const char *text;
        int32_t expected;
    };
    const int32_t def = 77;
    const Case cases[] = {
        {"0x1F", 31},
        {"0X1f", 31},
        {"$1F", 31},
        {"$1f", 31},
        {"$FFFFFFFF", -1},
        {"0xFFFFFFFF", -1},
        {"$80000000", INT32_MIN},
        {"-2147483648", INT32_MIN},
        {"2147483647", INT32_MAX},
        {"+5", 5},
        {"-17", -17},
        {"007", 7},
        {"   42", 42},
        {"$000000001F", 31},
        // Everything below breaks a rule and gives the default.
        {"0x", def},
        {"0X", def},
        {"$", def},
        {"12a", def},
        {"2147483648", def},
        {"-2147483649", def},
        {"-$10", def},
        {"+$10", def},
        {"$100000000", def},
        {"$-1", def},
        {"-", def},
        {"+", def},
        {"1.5", def},
        {"1e3", def},
        {"true", def},
        {"", def},
        {" 0x1F", def}, // the 0x rewrite looks at the first two characters only
        {"0x-1", def},
        {"1 2", def},
        {"\xD9\xA3", def}, // a non-ASCII digit
    };
    for (const Case &c : cases) {
        TIniFile ini(stored(QString::fromUtf8(c.text)));
        EXPECT_EQ(ini.ReadInteger("S", "k", def), c.expected) << "text: " << c.text;
    }
    TIniFile missing(stored("1"));
    EXPECT_EQ(missing.ReadInteger("S", "other", -5), -5);

    // Writing is plain signed decimal.
    TIniFile ini(test::freshDir("int") + "/zentrope.ini");
    for (int32_t v : {0, 10, -17, INT32_MIN, INT32_MAX}) {
        ini.WriteInteger("S", "k", v);
        EXPECT_EQ(ini.ReadString("S", "k", ""), QString::number(v));
        EXPECT_EQ(ini.ReadInteger("S", "k", 1), v);
    }
}

TEST(IniBool, NonZeroIsTrueAndNumbersOnly)
{
    EXPECT_TRUE(TIniFile(stored("2")).ReadBool("S", "k", false));
    EXPECT_TRUE(TIniFile(stored("-1")).ReadBool("S", "k", false));
    EXPECT_TRUE(TIniFile(stored("$10")).ReadBool("S", "k", false));
    EXPECT_FALSE(TIniFile(stored("0")).ReadBool("S", "k", true));
    EXPECT_FALSE(TIniFile(stored("true")).ReadBool("S", "k", false));
    EXPECT_TRUE(TIniFile(stored("true")).ReadBool("S", "k", true));
    EXPECT_TRUE(TIniFile(stored("1")).ReadBool("S", "missing", true));

    TIniFile ini(test::freshDir("bool") + "/zentrope.ini");
    ini.WriteBool("S", "a", true);
    ini.WriteBool("S", "b", false);
    EXPECT_EQ(ini.ReadString("S", "a", ""), QStringLiteral("1"));
    EXPECT_EQ(ini.ReadString("S", "b", ""), QStringLiteral("0"));
}

TEST(IniReal, ThousandthsRoundedHalfToEven)
{
    TQevIniFile ini(test::freshDir("real") + "/zentrope.ini");
    const struct {
        double value;
        const char *text;
    } writes[] = {{4.125, "4125"},
                  {9.5, "9500"},
                  {0.1234, "123"},
                  {0.0125, "12"},
                  {0.0135, "14"},
                  {-0.0125, "-12"},
                  {-2.5, "-2500"},
                  {0.0, "0"},
                  {1e12, "2147483647"},
                  {-1e12, "-2147483648"},
                  {std::numeric_limits<double>::infinity(), "2147483647"},
                  {std::numeric_limits<double>::quiet_NaN(), "0"}};
    for (const auto &w : writes) {
        ini.WriteReal("Envelopes", "x", w.value);
        EXPECT_EQ(ini.ReadString("Envelopes", "x", ""), QString::fromLatin1(w.text)) << w.value;
    }

    EXPECT_DOUBLE_EQ(TQevIniFile(stored("4125")).ReadReal("S", "k", 0), 4.125);
    EXPECT_DOUBLE_EQ(TQevIniFile(stored("0x3E8")).ReadReal("S", "k", 0), 1.0);
    EXPECT_DOUBLE_EQ(TQevIniFile(stored("-1")).ReadReal("S", "k", 0), -0.001);
    EXPECT_DOUBLE_EQ(TQevIniFile(stored("junk")).ReadReal("S", "k", 6.0), 6.0);
    // A missing key gives the default rounded to thousandths, halves to even.
    TQevIniFile empty(stored("1"));
    EXPECT_DOUBLE_EQ(empty.ReadReal("S", "none", 1), 1.0);
    EXPECT_DOUBLE_EQ(empty.ReadReal("S", "none", 0.0125), 0.012);
    EXPECT_DOUBLE_EQ(empty.ReadReal("S", "none", 1e300), 2147483.647);
    EXPECT_DOUBLE_EQ(empty.ReadReal("S", "none", std::nan("")), 0.0);
}

TEST(IniFont, ReadOrderAndDefaults)
{
    // Only FontHeight stored: the size default governs the height.
    FontDescription f;
    f.PixelsPerInch = 120;
    f.Name = QStringLiteral("Courier");
    f.Bold = f.Italic = f.Underline = f.StrikeOut = true;
    f.Color = 255;
    TQevIniFile(iniWith("[EnvelopeFont]\nFontHeight=-40\n")).ReadFont("EnvelopeFont", f);
    EXPECT_EQ(f.Name, QStringLiteral("Arial"));
    EXPECT_EQ(f.Size, 10);
    EXPECT_EQ(f.Height, -17); // 10 pt at 120 ppi
    EXPECT_EQ(f.Color, 0);
    EXPECT_FALSE(f.Bold || f.Italic || f.Underline || f.StrikeOut);

    // An empty stored name keeps the face; a long one is kept whole.
    FontDescription g;
    g.PixelsPerInch = 96;
    g.Name = QStringLiteral("Liberation Serif");
    TQevIniFile(iniWith("[F]\nFontName=\nFontSize=12\nFontColor=-2147483643\nFontItalic=1\n"))
        .ReadFont("F", g);
    EXPECT_EQ(g.Name, QStringLiteral("Liberation Serif"));
    EXPECT_EQ(g.Size, 12);
    EXPECT_EQ(g.Height, -16);
    EXPECT_EQ(g.Color, -2147483643); // a system colour: the top bit set
    EXPECT_TRUE(g.Italic);
    EXPECT_FALSE(g.Bold);
    const QString longName = QStringLiteral("A Font Family Name Longer Than Thirty-One Characters");
    TQevIniFile(iniWith("[F]\nFontName=" + longName.toUtf8() + "\n")).ReadFont("F", g);
    EXPECT_EQ(g.Name, longName);

    // Hostile sizes and resolutions saturate instead of wrapping or dividing by zero.
    FontDescription h;
    h.PixelsPerInch = 0;
    TQevIniFile(iniWith("[F]\nFontSize=2147483647\n")).ReadFont("F", h);
    EXPECT_EQ(h.Height, INT32_MIN);
    h.SetHeight(INT32_MIN);
    EXPECT_EQ(h.Size, 1610612736); // 96 ppi stands in for 0
}

TEST(IniFont, WriteOrderAndRoundTrip)
{
    TQevIniFile ini(test::freshDir("font") + "/zentrope.ini");
    FontDescription f;
    f.PixelsPerInch = 120;
    f.Name = QStringLiteral("Liberation Sans Narrow");
    f.SetSize(14);
    f.Color = 0x00FF8000;
    f.Bold = true;
    f.StrikeOut = true;
    ini.WriteFont("ReturnAddressFont", f);
    EXPECT_EQ(ini.ReadSectionKeys("ReturnAddressFont"),
              QStringList({"FontHeight", "FontName", "FontSize", "FontColor", "FontBold", "FontItalic",
                           "FontUnderline", "FontStrikeout"}));
    EXPECT_EQ(ini.ReadString("ReturnAddressFont", "FontHeight", ""), QStringLiteral("-23"));
    EXPECT_EQ(ini.ReadString("ReturnAddressFont", "FontBold", ""), QStringLiteral("1"));
    EXPECT_EQ(ini.ReadString("ReturnAddressFont", "FontItalic", ""), QStringLiteral("0"));

    FontDescription back;
    back.PixelsPerInch = 120;
    ini.ReadFont("ReturnAddressFont", back);
    EXPECT_EQ(back.Name, f.Name);
    EXPECT_EQ(back.Size, 14);
    EXPECT_EQ(back.Height, -23);
    EXPECT_EQ(back.Color, f.Color);
    EXPECT_TRUE(back.Bold && back.StrikeOut);
    EXPECT_FALSE(back.Italic || back.Underline);
}

TEST(IniRect, KeysOrderAndPassedInDefaults)
{
    TQevIniFile ini(test::freshDir("rect") + "/zentrope.ini");
    ini.WriteRect("Position", IniRect{-8, 20, 1930, 1050}, false, true);
    EXPECT_EQ(ini.ReadSectionKeys("Position"),
              QStringList({"Top", "Left", "Bottom", "Right", "Minimized", "Maximized"}));
    EXPECT_EQ(ini.ReadString("Position", "Left", ""), QStringLiteral("-8"));

    IniRect r{1, 2, 3, 4};
    bool minimized = true, maximized = false;
    ini.ReadRect("Position", r, minimized, maximized);
    EXPECT_EQ(r.Left, -8);
    EXPECT_EQ(r.Top, 20);
    EXPECT_EQ(r.Right, 1930);
    EXPECT_EQ(r.Bottom, 1050);
    EXPECT_FALSE(minimized);
    EXPECT_TRUE(maximized);

    // Only Left stored: every other side and both flags keep what was passed in.
    TQevIniFile partial(iniWith("[Position]\nLeft=300\n"));
    IniRect p{10, 11, 510, 411};
    bool mn = true, mx = true;
    partial.ReadRect("Position", p, mn, mx);
    EXPECT_EQ(p.Left, 300);
    EXPECT_EQ(p.Top, 11);
    EXPECT_EQ(p.Right, 510);
    EXPECT_EQ(p.Bottom, 411);
    EXPECT_TRUE(mn && mx);
}

TEST(IniStringList, CountsItemsAndStaleKeys)
{
    // Count larger than the items: missing items read as empty.
    TQevIniFile three(iniWith("[OldFiles]\nFile_Count=3\nFile_0=/home/a.env\n"));
    QStringList list{"old"};
    three.ReadTStrings("OldFiles", "File", list);
    EXPECT_EQ(list, QStringList({"/home/a.env", "", ""}));

    for (const char *count : {"-1", "0", "x", "-2147483648"}) {
        TQevIniFile ini(iniWith(QByteArray("[OldFiles]\nFile_Count=") + count + "\nFile_0=a\n"));
        ini.ReadTStrings("OldFiles", "File", list);
        EXPECT_TRUE(list.isEmpty()) << count;
    }

    // A damaged count stays bounded.
    TQevIniFile huge(iniWith("[OldFiles]\nFile_Count=2147483647\nFile_5=x\n"));
    huge.ReadTStrings("OldFiles", "File", list);
    ASSERT_EQ(list.size(), TQevIniFile::MaxListItems);
    EXPECT_EQ(list[5], QStringLiteral("x"));

    // A shorter list written over a longer one leaves the stale keys.
    TQevIniFile ini(test::freshDir("list") + "/zentrope.ini");
    ini.WriteTStrings("ReturnAddresses", "Address1", {"a", "b", "c", "d", "e"});
    ini.WriteTStrings("ReturnAddresses", "Address1", {"x", "y"});
    EXPECT_EQ(ini.ReadSectionKeys("ReturnAddresses"),
              QStringList(
                  {"Address1_Count", "Address1_0", "Address1_1", "Address1_2", "Address1_3", "Address1_4"}));
    EXPECT_EQ(ini.ReadString("ReturnAddresses", "Address1_Count", ""), QStringLiteral("2"));
    EXPECT_EQ(ini.ReadString("ReturnAddresses", "Address1_4", ""), QStringLiteral("e"));
    ini.ReadTStrings("ReturnAddresses", "Address1", list);
    EXPECT_EQ(list, QStringList({"x", "y"}));

    // Item keys are matched ignoring case, the first of two equal keys wins.
    TQevIniFile mixed(iniWith("[S]\nP_COUNT=2\np_0=first\nP_0=second\n"));
    mixed.ReadTStrings("s", "P", list);
    EXPECT_EQ(list, QStringList({"first", ""}));
}

TEST(IniStringList, SortedListAddsInOrder)
{
    TQevIniFile ini(test::freshDir("sorted") + "/zentrope.ini");
    TStringList src;
    src.Items = {"pear", "Apple", "fig"};
    ini.WriteTStringList("S", "F", src);
    EXPECT_EQ(ini.ReadSectionKeys("S"), QStringList({"F_Count", "F_0", "F_1", "F_2"}));

    TStringList sorted;
    sorted.Sorted = true;
    sorted.Items = {"stale"};
    ini.ReadTStringList("S", "F", sorted);
    EXPECT_EQ(sorted.Items, QStringList({"Apple", "fig", "pear"}));

    TStringList plain;
    ini.ReadTStringList("S", "F", plain);
    EXPECT_EQ(plain.Items, src.Items);
}

TEST(IniReadLimit, AtMost1023Characters)
{
    TIniFile ini(test::freshDir("limit") + "/zentrope.ini");
    const QString longValue = QString(1500, QLatin1Char('x')) + QStringLiteral("END");
    ini.WriteString("S", "k", longValue);
    EXPECT_EQ(ini.ReadString("S", "k", ""), longValue.left(1023));
    EXPECT_EQ(ini.ReadString("S", "missing", longValue).size(), 1023); // the default too
    ini.WriteString("S", "exact", QString(1023, QLatin1Char('y')));
    EXPECT_EQ(ini.ReadString("S", "exact", "").size(), 1023);
    // Only the read is cut: the file keeps the whole value.
    QFile f(ini.FileName());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("xEND\n"));

    // Characters, not bytes or UTF-16 halves: a pair of surrogates is never split.
    const QString emoji = QString::fromUtf8("\xF0\x9F\x93\xAE"); // one character, two UTF-16 units
    QString wide;
    for (int i = 0; i < 1100; ++i)
        wide += emoji;
    ini.WriteString("S", "wide", wide);
    const QString back = ini.ReadString("S", "wide", "");
    EXPECT_EQ(back.size(), 2 * 1023);
    EXPECT_EQ(back, wide.left(2 * 1023));
    const QString mixed = QString(1022, QLatin1Char('a')) + emoji + QStringLiteral("b");
    ini.WriteString("S", "mixed", mixed);
    EXPECT_EQ(ini.ReadString("S", "mixed", ""), QString(1022, QLatin1Char('a')) + emoji);
}
