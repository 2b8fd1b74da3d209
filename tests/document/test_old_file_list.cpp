#include "core/FileName.h"
#include "document/OldFileList.h"
#include "settings/QevIniFile.h"
#include "support/TestEnv.h"

#include <QAction>
#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>

using namespace zentrope;
using namespace zentrope::test;

namespace {

class OldFileListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        iniPath = freshDir(QStringLiteral("oldfiles")) + QStringLiteral("/zentrope.ini");
        store = std::make_unique<TQevIniFile>(iniPath);
    }

    QString ini(const QString &key) const
    {
        return TIniFile(iniPath).ReadString(QStringLiteral("OldFiles"), key, QStringLiteral("<absent>"));
    }

    QString iniPath;
    std::unique_ptr<TQevIniFile> store;
};

} // namespace

TEST_F(OldFileListTest, NewestFirstSixAtMostNoDuplicatesCaseKept)
{
    TOldFileList list(*store);
    EXPECT_EQ(list.Count(), 0);
    for (int i = 1; i <= 7; ++i)
        list.OpenedFile(QStringLiteral("/home/jane/Letter%1.env").arg(i));
    ASSERT_EQ(list.Count(), 6);
    EXPECT_EQ(list.Items.first(), QStringLiteral("/home/jane/Letter7.env"));
    EXPECT_EQ(list.Items.last(), QStringLiteral("/home/jane/Letter2.env"));
    EXPECT_EQ(ini("File_Count"), QStringLiteral("6"));
    EXPECT_EQ(ini("File_0"), QStringLiteral("/home/jane/Letter7.env"));

    // Reopening moves the entry up; another spelling is another file.
    list.OpenedFile(QStringLiteral("/home/jane/Letter4.env"));
    list.OpenedFile(QStringLiteral("/home/jane/LETTER4.env"));
    EXPECT_EQ(list.Items.mid(0, 3),
              (QStringList{QStringLiteral("/home/jane/LETTER4.env"), QStringLiteral("/home/jane/Letter4.env"),
                           QStringLiteral("/home/jane/Letter7.env")}));
    EXPECT_EQ(list.Items.count(QStringLiteral("/home/jane/Letter4.env")), 1);
    EXPECT_EQ(list.Count(), 6);

    // The section is rewritten whole: a later, longer list leaves nothing stale.
    TIniFile(iniPath).WriteString(QStringLiteral("OldFiles"), QStringLiteral("File_9"),
                                  QStringLiteral("stale"));
    list.OpenedFile(QStringLiteral("/tmp/a&b.env"));
    EXPECT_EQ(ini("File_9"), QStringLiteral("<absent>"));
    EXPECT_EQ(ini("File_0"), QStringLiteral("/tmp/a&b.env"));

    // A new list reads what was written, in order.
    TOldFileList again(*store);
    EXPECT_EQ(again.Items, list.Items);
    QStringList copy{QStringLiteral("old")};
    again.UpdateOtherList(copy);
    EXPECT_EQ(copy, list.Items);
}

TEST_F(OldFileListTest, HandEditedSectionIsReadInFullUntilNextOpen)
{
    TQevIniFile s(iniPath);
    s.WriteInteger(QStringLiteral("OldFiles"), QStringLiteral("File_Count"), 8);
    for (int i = 0; i < 8; ++i)
        s.WriteString(QStringLiteral("OldFiles"), QStringLiteral("File_%1").arg(i),
                      QStringLiteral("/f%1").arg(i));
    TOldFileList list(*store);
    EXPECT_EQ(list.Count(), 8);
    list.OpenedFile(QStringLiteral("/new"));
    EXPECT_EQ(list.Items, (QStringList{"/new", "/f0", "/f1", "/f2", "/f3", "/f4"}));
    EXPECT_EQ(ini("File_6"), QStringLiteral("<absent>"));
}

TEST_F(OldFileListTest, CaptionsAndClickedNames)
{
    EXPECT_EQ(TOldFileList::Caption(0, QStringLiteral("/home/x/aunt.env")),
              QStringLiteral("&1 /home/x/aunt.env"));
    EXPECT_EQ(TOldFileList::Caption(11, QStringLiteral("/a&b/c&&d.env")),
              QStringLiteral("&12 /a&&b/c&&&&d.env"));
    QAction item(QStringLiteral("&1 /a&&b.env"));
    item.setData(QStringLiteral("/a&b.env"));
    EXPECT_EQ(TOldFileList::GetFilename(&item), QStringLiteral("/a&b.env"));
    QObject notAnItem;
    EXPECT_EQ(TOldFileList::GetFilename(&notAnItem), QString());
    EXPECT_EQ(TOldFileList::GetFilename(nullptr), QString());
}

// Names are stored exactly; one that cannot be one line of the file stays out
// and leaves the list alone.
TEST_F(OldFileListTest, NamesStoredExactlyOrLeftOut)
{
    TOldFileList list(*store);
    const QStringList odd = {QStringLiteral("/home/jane/Letter.env  "), QStringLiteral(" /tmp/lead.env"),
                             QStringLiteral("/tmp/\"quoted\""), QStringLiteral("/tmp/tab.env\t"),
                             QStringLiteral("/tmp/'q'")};
    for (const QString &name : odd)
        list.OpenedFile(name);
    TOldFileList again(*store);
    QStringList expected = odd;
    std::reverse(expected.begin(), expected.end());
    EXPECT_EQ(again.Items, expected);
    list.OpenedFile(QStringLiteral("/home/jane/Letter.env"));
    EXPECT_EQ(list.Count(), 6) << "a name with blanks is another file";

    const QByteArray before = [&] {
        QFile f(iniPath);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    const QStringList items = list.Items;
    for (const QString &bad : {QStringLiteral("/tmp/two\nlines.env"), QStringLiteral("/tmp/cr\r.env"),
                               QStringLiteral("/tmp/nul") + QChar(0), DecodeFileName("/tmp/caf\xe9.env")}) {
        EXPECT_FALSE(TOldFileList::Storable(bad));
        EXPECT_NO_THROW(list.OpenedFile(bad));
        EXPECT_EQ(list.Items, items);
    }
    QFile f(iniPath);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}
