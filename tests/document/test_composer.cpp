#include "core/Error.h"
#include "document/EnvelopeComposer.h"
#include "document/OldFileList.h"
#include "support/TestEnv.h"

#include <QFile>
#include <QTextCursor>
#include <deque>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace zentrope;
using namespace zentrope::test;

namespace {

// Answers the composer's questions from a script and keeps what it was asked.
class ScriptedPrompts : public ComposerPrompts {
public:
    std::deque<Answer> answers;
    std::deque<QString> fileNames; // an empty one cancels
    QStringList asked;             // "confirm: ...", "inform: ...", "warn: ...", "save as: <offered>"

    Answer confirm(const QString &question) override
    {
        asked << QStringLiteral("confirm: ") + question;
        const Answer a = answers.empty() ? Answer::Cancel : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return a;
    }
    void inform(const QString &text) override { asked << QStringLiteral("inform: ") + text; }
    void warn(const QString &text) override { asked << QStringLiteral("warn: ") + text; }
    QString saveFileName(const QString &current) override
    {
        asked << QStringLiteral("save as: ") + current;
        const QString f = fileNames.empty() ? QString() : fileNames.front();
        if (!fileNames.empty())
            fileNames.pop_front();
        return f;
    }
};

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

class ComposerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = freshDir(QStringLiteral("composer"));
        ini = std::make_unique<TQevIniFile>(dir + QStringLiteral("/zentrope.ini"));
        sizes.Load(*ini);
        returns.Load(*ini);
        recent = std::make_unique<TOldFileList>(*ini);
        composer.setPrompts(&prompts);
        composer.setRecentFiles(recent.get());
    }
    void type(const QString &text)
    {
        // As the user types: an edit of the document, which marks it modified.
        QTextCursor(composer.addressDocument()).insertText(text);
    }

    QString dir;
    std::unique_ptr<TQevIniFile> ini;
    EnvelopeSizeCatalog sizes;
    ReturnAddressCatalog returns;
    std::unique_ptr<TOldFileList> recent;
    ScriptedPrompts prompts;
    EnvelopeComposer composer{sizes, returns};
};

} // namespace

TEST_F(ComposerTest, TheSaveQuestionAndItsRollback)
{
    // Not modified: no question, the action goes on.
    EXPECT_TRUE(composer.querySaveChanges());
    EXPECT_TRUE(prompts.asked.isEmpty());

    type(QStringLiteral("Jane Doe"));
    ASSERT_TRUE(composer.modified());
    prompts.answers = {ComposerPrompts::Answer::Cancel, ComposerPrompts::Answer::No};
    EXPECT_FALSE(composer.newDocument());
    EXPECT_EQ(composer.addressText(), QStringLiteral("Jane Doe"));
    EXPECT_TRUE(composer.newDocument());
    EXPECT_EQ(prompts.asked,
              QStringList(2, QStringLiteral("confirm: Save changes to envelope file \"Untitled\"?")));
    EXPECT_TRUE(composer.addressText().isEmpty());
    EXPECT_FALSE(composer.modified());
    EXPECT_EQ(composer.title(), QStringLiteral("Zentrope"));

    // Yes, then a Save As the user cancels: the pending action stops and the
    // document is named as it was.
    const QString file = dir + QStringLiteral("/aunt.env");
    ASSERT_TRUE(QFile(file).open(QIODevice::WriteOnly));
    ASSERT_TRUE(composer.open(file, true));
    EXPECT_EQ(composer.title(), QStringLiteral("Zentrope - %1 (read-only)").arg(file));
    EXPECT_EQ(recent->Items.value(0), file);
    type(QStringLiteral("Bob"));
    prompts.asked.clear();
    prompts.answers = {ComposerPrompts::Answer::Yes};
    EXPECT_FALSE(composer.clear());
    EXPECT_EQ(
        prompts.asked,
        (QStringList{
            QStringLiteral("confirm: Save changes to envelope file \"%1\"?").arg(file),
            QStringLiteral("inform: File \"%1\" is marked read-only. Save changes in a new file.").arg(file),
            QStringLiteral("save as: ")}));
    EXPECT_EQ(composer.fileName(), file);
    EXPECT_TRUE(composer.readOnly());
    EXPECT_EQ(composer.addressText(), QStringLiteral("Bob"));
    EXPECT_TRUE(composer.modified());

    // A Save As that cannot write keeps the old name, the text and the flag.
    prompts.fileNames = {dir + QStringLiteral("/no/such/folder/x.env")};
    EXPECT_THROW(composer.saveAs(), ZentropeError);
    EXPECT_EQ(composer.fileName(), file);
    EXPECT_TRUE(composer.readOnly());
    EXPECT_EQ(composer.title(), QStringLiteral("Zentrope - %1 (read-only)").arg(file));
    EXPECT_TRUE(composer.modified());
}

TEST_F(ComposerTest, SaveAsAsksAgainOverAReadOnlyFileAndWritesCrLf)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes read-only files";
    const QString locked = dir + QStringLiteral("/locked.env");
    const QString chosen = dir + QStringLiteral("/new.env");
    ASSERT_TRUE(QFile(locked).open(QIODevice::WriteOnly));
    ASSERT_EQ(chmod(QFile::encodeName(locked).constData(), 0444), 0);
    type(QStringLiteral("Jane Doe\nAnytown"));
    prompts.fileNames = {locked, chosen};
    EXPECT_TRUE(composer.save());
    EXPECT_EQ(
        prompts.asked,
        (QStringList{
            QStringLiteral("save as: "),
            QStringLiteral("warn: File \"%1\" is marked read-only. Save changes in a new file.").arg(locked),
            QStringLiteral("save as: ")}));
    EXPECT_EQ(readBytes(chosen), QByteArray("Jane Doe\r\nAnytown"));
    EXPECT_EQ(composer.fileName(), chosen);
    EXPECT_EQ(composer.title(), QStringLiteral("Zentrope - ") + chosen);
    EXPECT_FALSE(composer.modified());
    EXPECT_EQ(recent->Items.value(0), chosen);
    // A missing file is reported and changes nothing.
    prompts.asked.clear();
    EXPECT_FALSE(composer.open(dir + QStringLiteral("/gone.env"), false));
    EXPECT_EQ(prompts.asked, QStringList{QStringLiteral("warn: Cannot find file \"%1/gone.env\".").arg(dir)});
    EXPECT_EQ(composer.fileName(), chosen);
}

TEST_F(ComposerTest, TheDesignHoldsCopiesOfTheChosenEntries)
{
    EXPECT_THROW(composer.design(), ZentropeError) << "no size is chosen";
    const int small = sizes.Add(QStringLiteral("Tiny"), TEnvelopeDimension{5, 3, 0});
    composer.selectSize(small);
    composer.selectReturnAddress(0);
    sizes.SetDimensionFromControls(small, QStringLiteral("7"), QStringLiteral("4"), QStringLiteral("0"));
    returns.SetLines(0, {QStringLiteral("Changed")});
    const EnvelopeDesign d = composer.design();
    EXPECT_EQ(d.SizeName, QStringLiteral("Tiny"));
    EXPECT_EQ(d.Dimension.Width, 5.0) << "a later edit of the catalog does not reach the chosen copy";
    EXPECT_EQ(d.ReturnLines, (QStringList{QStringLiteral("Your Name"), QStringLiteral("123 Main St."),
                                          QStringLiteral("Somewhere, XX 98765")}));
    // Choosing again takes the catalog as it is now; outside it chooses none.
    composer.selectSize(small);
    EXPECT_EQ(composer.design().Dimension.Width, 7.0);
    composer.selectSize(99);
    EXPECT_EQ(composer.sizeIndex(), -1);
    EXPECT_FALSE(composer.size().has_value());
}
