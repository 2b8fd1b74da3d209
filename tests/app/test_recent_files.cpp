#include "AppFixture.h"

#include "app/controls/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QMenu>

using namespace zentrope;
using namespace zentrope::test;

namespace {

class RecentFilesTest : public AppFixture {
protected:
    QString file(const QString &name, const QByteArray &bytes = "Address")
    {
        const QString path = dir + QLatin1Char('/') + name;
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        return path;
    }

    void open(const QString &path)
    {
        Prompt::push([path](QDialog &d) {
            auto *fd = qobject_cast<QFileDialog *>(&d);
            if (!fd)
                return int(QDialog::Rejected);
            fd->findChild<QCheckBox *>(QStringLiteral("ReadOnlyCheckBox"))->setChecked(false);
            fd->selectFile(path);
            return int(QDialog::Accepted);
        });
        find("FileOpen")->trigger();
    }

    // The File menu's items after the separator: (objectName, caption).
    QList<QPair<QString, QString>> recentItems()
    {
        QList<QPair<QString, QString>> out;
        const QList<QAction *> items = find<QMenu>("FileMenu")->actions();
        const qsizetype k = items.indexOf(find("FileOldFileBreak"));
        EXPECT_GE(k, 0);
        for (qsizetype i = k + 1; i < items.size(); ++i)
            out.append({items[i]->objectName(), items[i]->text()});
        return out;
    }

    static QStringList history(QFileDialog *d)
    {
        QStringList out;
        auto *c = d->findChild<QComboBox *>(QStringLiteral("RecentFilesComboBox"));
        for (int i = 0; c && i < c->count(); ++i)
            out << c->itemText(i);
        return out;
    }

    QStringList stored()
    {
        QStringList out;
        const int n =
            ini(QStringLiteral("OldFiles"), QStringLiteral("File_Count"), QStringLiteral("0")).toInt();
        for (int i = 0; i < n; ++i)
            out << ini(QStringLiteral("OldFiles"), QStringLiteral("File_%1").arg(i));
        return out;
    }
};

} // namespace

TEST_F(RecentFilesTest, NewestSixInMenuSettingsAndDialogs)
{
    start();
    EXPECT_EQ(main->findChild<QFileDialog *>(), nullptr); // made at their first use
    EXPECT_TRUE(recentItems().isEmpty());
    EXPECT_EQ(find<QMenu>("FileMenu")->actions().last(), find("FileOldFileBreak"));

    QStringList paths;
    for (int i = 1; i <= 7; ++i) {
        paths << file(QStringLiteral("Letter%1.env").arg(i));
        open(paths.last());
    }
    const QStringList newest{paths[6], paths[5], paths[4], paths[3], paths[2], paths[1]};
    EXPECT_EQ(stored(), newest);
    EXPECT_EQ(ini(QStringLiteral("OldFiles"), QStringLiteral("File_Count")), QStringLiteral("6"));
    const auto items = recentItems();
    ASSERT_EQ(items.size(), 6);
    EXPECT_EQ(items[0], qMakePair(QStringLiteral("OldFile1"), "&1 " + paths[6]));
    EXPECT_EQ(items[5], qMakePair(QStringLiteral("OldFile6"), "&6 " + paths[1]));
    EXPECT_EQ(history(find<QFileDialog>("OpenFileDialog")), newest);
    EXPECT_EQ(find<QFileDialog>("OpenFileDialog")->history().value(0), dir);

    // Reopening from the menu moves the entry to the top without a duplicate.
    find("OldFile4")->trigger();
    EXPECT_EQ(main->Composer().fileName(), paths[3]);
    EXPECT_EQ(main->windowTitle(), "Zentrope - " + paths[3]);
    EXPECT_EQ(stored(), (QStringList{paths[3], paths[6], paths[5], paths[4], paths[2], paths[1]}));
    EXPECT_EQ(recentItems().size(), 6);
    EXPECT_EQ(recentItems()[0].second, "&1 " + paths[3]);
    EXPECT_EQ(recentItems()[1].second, "&2 " + paths[6]);

    // Save As adds its name too, and a new run shows the list it left.
    find<MemoControl>("MemoAddress")->insertPlainText(QStringLiteral("!"));
    const QString saved = dir + QStringLiteral("/Saved.env");
    const QStringList listed = stored();
    Prompt::push([saved, listed](QDialog &d) {
        EXPECT_EQ(history(qobject_cast<QFileDialog *>(&d)), listed);
        qobject_cast<QFileDialog *>(&d)->selectFile(saved);
        return int(QDialog::Accepted);
    });
    find("FileSaveAs")->trigger();
    EXPECT_EQ(stored().value(0), saved);
    const QStringList before = stored();
    shutdown();
    start();
    ASSERT_EQ(recentItems().size(), 6);
    EXPECT_EQ(recentItems()[0].second, "&1 " + saved);
    Prompt::push([before](QDialog &d) {
        EXPECT_EQ(history(qobject_cast<QFileDialog *>(&d)), before);
        return int(QDialog::Rejected);
    });
    find("FileOpen")->trigger();
}

TEST_F(RecentFilesTest, AmpersandNamesReopenFromTheirItem)
{
    start();
    const QString path = file(QStringLiteral("a&b.env"), "Ampersand");
    open(path);
    emit find("FileNew")->triggered();
    ASSERT_EQ(recentItems().size(), 1);
    EXPECT_EQ(recentItems()[0].second, QStringLiteral("&1 %1/a&&b.env").arg(dir));
    find("OldFile1")->trigger();
    EXPECT_EQ(main->Composer().fileName(), path);
    EXPECT_EQ(find<MemoControl>("MemoAddress")->text(), QStringLiteral("Ampersand"));
}

TEST_F(RecentFilesTest, DeletedEntryWarnsAndModifiedDocumentAsksFirst)
{
    start();
    const QString gone = file(QStringLiteral("gone.env"), "Gone");
    const QString current = file(QStringLiteral("current.env"), "Current");
    open(gone);
    open(current);
    QFile::remove(gone);
    const QStringList before = stored();

    answerMessage(Prompt::Ok, QStringLiteral("Cannot find file \"%1\".").arg(gone));
    find("OldFile2")->trigger();
    EXPECT_EQ(stored(), before);
    EXPECT_EQ(recentItems().size(), 2);
    EXPECT_EQ(main->Composer().fileName(), current);
    EXPECT_EQ(main->windowTitle(), "Zentrope - " + current);
    EXPECT_EQ(find<MemoControl>("MemoAddress")->text(), QStringLiteral("Current"));

    // Modified: the question first; Cancel opens nothing.
    find<MemoControl>("MemoAddress")->insertPlainText(QStringLiteral("Edited "));
    answerMessage(Prompt::Cancel, QStringLiteral("Save changes to envelope file \"%1\"?").arg(current));
    find("OldFile2")->trigger();
    EXPECT_EQ(stored(), before);
    EXPECT_EQ(find<MemoControl>("MemoAddress")->text(), QStringLiteral("Edited Current"));

    // A later Save still writes the current file.
    find("FileSave")->trigger();
    QFile f(current);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("Edited Current"));
}
