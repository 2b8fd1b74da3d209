#include "barcode/Postnet.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace zentrope;

namespace {
std::string zip(const QStringList &lines)
{
    return ExtractZipCode(lines).toStdString();
}
} // namespace

TEST(Postnet, ExtractZipCodeForms)
{
    EXPECT_EQ(zip({}), "");
    EXPECT_EQ(zip({"Jane Doe", "Anytown, ST 12345"}), "123455");
    EXPECT_EQ(zip({"1742 Elm Street", "Anytown, ST 12345-6789"}), "123456789429");
    // Exactly ten characters is enough for the ZIP+4 window.
    EXPECT_EQ(zip({"12345-6789"}), "1234567895");
    // Nine digits without a hyphen are a five-digit code.
    EXPECT_EQ(zip({"Anytown ST 123456789"}), "567895");
    // Nine characters is the bound, not five.
    EXPECT_EQ(zip({"NY 12345"}), "");
    EXPECT_EQ(zip({"12345"}), "");
    EXPECT_EQ(zip({"NYC 12345"}), "123455");
    // A letter in the add-on: neither form.
    EXPECT_EQ(zip({"Anytown, ST 12345-67A9"}), "");
    EXPECT_EQ(zip({"Anytown, ST 1234X-6789"}), "");
    // Only the last line counts.
    EXPECT_EQ(zip({"Anytown, ST 12345", "USA"}), "");
}

TEST(Postnet, TrailingBlanksAreTrimmedButNotTabs)
{
    EXPECT_EQ(zip({"Anytown, ST 12345   "}), "123455");
    EXPECT_EQ(zip({"Anytown, ST 12345-6789 "}), "1234567895");
    EXPECT_EQ(zip({"Anytown, ST 12345\t"}), "");
    // Blanks count toward the nine-character bound only before trimming.
    EXPECT_EQ(zip({"NY 12345     "}), "");
}

TEST(Postnet, DeliveryPointRule)
{
    const QString last = QStringLiteral("Anytown, ST 12345-6789");
    EXPECT_EQ(zip({"Elm Street 1742", last}), "1234567895");
    EXPECT_EQ(zip({"7 Elm Street", last}), "1234567895");     // one digit
    EXPECT_EQ(zip({"17B Elm Street", last}), "1234567895");   // letter in the first word
    EXPECT_EQ(zip({" 1742 Elm Street", last}), "1234567895"); // starts with a blank
    EXPECT_EQ(zip({"1742", last}), "1234567895");             // no blank at all
    EXPECT_EQ(zip({"17 Elm Street", last}), "123456789177");  // 45 + 8 = 53 -> 7
    // The line is used untrimmed, only its first blank matters; a tab is not a blank.
    EXPECT_EQ(zip({"1742\tElm Street", last}), "1234567895");
    // Only the ZIP+4 form takes delivery-point digits.
    EXPECT_EQ(zip({"1742 Elm Street", "Anytown, ST 12345"}), "123455");
}

TEST(Postnet, CheckDigitAndDigitHelpers)
{
    QString d = QStringLiteral("12345");
    AddCheckDigit(d);
    EXPECT_EQ(d, QStringLiteral("123455"));
    d = QStringLiteral("55555");
    AddCheckDigit(d);
    EXPECT_EQ(d, QStringLiteral("555555"));
    d = QStringLiteral("00000");
    AddCheckDigit(d);
    EXPECT_EQ(d, QStringLiteral("000000")); // 10 becomes 0
    d.clear();
    AddCheckDigit(d);
    EXPECT_EQ(d, QStringLiteral("0"));

    EXPECT_TRUE(IsAllDigits(QString()));
    EXPECT_TRUE(IsAllDigits(QStringLiteral("0123456789")));
    EXPECT_FALSE(IsAllDigits(QStringLiteral("12 3")));
    // Digits of other scripts are not digits here.
    EXPECT_FALSE(IsAllDigits(QString::fromUtf8("١٢٣")));
    EXPECT_FALSE(IsAllDigits(QString::fromUtf8("１２３")));
    EXPECT_EQ(DigitValue(u'7'), 7);
    EXPECT_EQ(DigitValue(u'x'), 0);
    EXPECT_EQ(DigitValue(QChar(0x0663)), 0);
}

TEST(Postnet, EncodeBarCounts)
{
    EXPECT_EQ(EncodePostnet(QStringLiteral("123455")), QStringLiteral("1"
                                                                      "00011"
                                                                      "00101"
                                                                      "00110"
                                                                      "01001"
                                                                      "01010"
                                                                      "01010"
                                                                      "1"));
    EXPECT_EQ(EncodePostnet(QStringLiteral("123456789429")).size(), 62);
    EXPECT_EQ(EncodePostnet(QStringLiteral("1234567895")).size(), 52);
    EXPECT_EQ(EncodePostnet(QStringLiteral("1-2 3")), EncodePostnet(QStringLiteral("123")));
    EXPECT_EQ(EncodePostnet(QString()), QStringLiteral("11"));
    // Every digit has exactly two tall bars.
    for (int v = 0; v < 10; ++v) {
        const QString bars = EncodePostnet(QString::number(v)).mid(1, 5);
        EXPECT_EQ(bars.count(u'1'), 2) << v;
    }
}

namespace {
// zint's dump prints two rows of hex bytes: the tall tops, then every bar, with
// one module of space between bars.
QString zintPattern(const QString &zint, const QString &digits)
{
    QProcess p;
    p.start(zint, {QStringLiteral("-b"), QStringLiteral("40"), QStringLiteral("--dump"), QStringLiteral("-d"),
                   digits});
    if (!p.waitForFinished(10000) || p.exitCode() != 0)
        return QStringLiteral("zint failed");
    const QStringList rows = QString::fromLatin1(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    if (rows.size() != 2)
        return QStringLiteral("unexpected dump");
    auto bits = [](const QString &row) {
        QString out;
        for (const QString &byte : row.split(u' ', Qt::SkipEmptyParts))
            out += QStringLiteral("%1").arg(byte.toUInt(nullptr, 16), 8, 2, QChar(u'0'));
        return out;
    };
    const QString top = bits(rows[0]), all = bits(rows[1]);
    QString pattern;
    for (qsizetype m = 0; m < all.size(); m += 2)
        if (all[m] == u'1')
            pattern += top[m];
    return pattern;
}
} // namespace

TEST(Postnet, MatchesZintForRandomCodes)
{
    const QString zint = QStandardPaths::findExecutable(QStringLiteral("zint"));
    if (zint.isEmpty())
        GTEST_SKIP() << "zint is not installed";
    QRandomGenerator rng(20261209);
    const int lengths[] = {5, 9, 11};
    for (int i = 0; i < 1000; ++i) {
        QString digits;
        const int len = lengths[i % 3];
        for (int k = 0; k < len; ++k)
            digits += QChar(u'0' + rng.bounded(10));
        QString withCheck = digits;
        AddCheckDigit(withCheck);
        ASSERT_EQ(EncodePostnet(withCheck).toStdString(), zintPattern(zint, digits).toStdString())
            << digits.toStdString();
    }
}
