#include "AppFixture.h"

#include "app/controls/Controls.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

using namespace zentrope;
using namespace zentrope::test;

class DropTest : public AppFixture {
protected:
    // Drags files from a file manager onto a widget and lets the drop be handled.
    // A file manager offers the names as text too.
    bool drop(QWidget *target, const QStringList &files)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString &f : files)
            urls << QUrl::fromLocalFile(f);
        data.setUrls(urls);
        data.setText(files.join(u'\n'));
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropEvent(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &dropEvent);
        QApplication::processEvents();
        return dropEvent.isAccepted();
    }
};

TEST_F(DropTest, SeveralFilesOnAModifiedDocumentAskAboutTheFilesThenTheSave)
{
    const QString a = writeFile(dir + QStringLiteral("/a.env"), "First");
    const QString b = writeFile(dir + QStringLiteral("/b.env"), "Second");
    const QString c = writeFile(dir + QStringLiteral("/c.txt"), "Third");
    start();
    int helpTopic = 0;
    Prompt::helpHandler() = [&](int topic) { helpTopic = topic; };
    auto *memo = find<MemoControl>("MemoAddress");
    memo->setFocus();
    QTest::keyClicks(memo, QStringLiteral("Typed by hand"));
    ASSERT_TRUE(memo->modified());

    Prompt::push([&](QDialog &d) {
        auto *m = qobject_cast<MessageDialog *>(&d);
        EXPECT_NE(m, nullptr);
        if (!m)
            return int(Prompt::Ok);
        EXPECT_EQ(m->text(),
                  QStringLiteral("3 files were selected, but Zentrope will only open the first one."));
        EXPECT_EQ(m->kind(), Prompt::Kind::Information);
        EXPECT_EQ(m->buttons(), int(Prompt::Ok));
        m->press(Prompt::Help); // F1 reaches the topic
        return int(Prompt::Ok);
    });
    answerMessage(Prompt::Cancel, QStringLiteral("Save changes to envelope file \"Untitled\"?"));
    ASSERT_TRUE(drop(main, {a, b, c}));
    EXPECT_EQ(helpTopic, 20034);
    EXPECT_EQ(Prompt::pending(), 0);
    EXPECT_EQ(memo->text(), QStringLiteral("Typed by hand"));
    EXPECT_TRUE(memo->modified());
    EXPECT_TRUE(main->Composer().fileName().isEmpty());
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Zentrope"));

    // Answering No opens the first file.
    answerMessage(Prompt::Ok);
    answerMessage(Prompt::No);
    ASSERT_TRUE(drop(main, {a, b, c}));
    EXPECT_EQ(main->Composer().fileName(), a);
    EXPECT_EQ(memo->text(), QStringLiteral("First"));
}

TEST_F(DropTest, OneFileOpensAtOnceWhereverItIsDropped)
{
    const QString a = writeFile(dir + QStringLiteral("/dropped one.env"), "Dropped\r\nAddress");
    const QString b = writeFile(dir + QStringLiteral("/b.env"), "Other");
    start();
    auto *memo = find<MemoControl>("MemoAddress");
    // Onto the window, then onto the address box, which must not take the
    // file's name as text.
    ASSERT_TRUE(drop(main, {a}));
    EXPECT_EQ(main->Composer().fileName(), a);
    EXPECT_EQ(memo->text(), QStringLiteral("Dropped\nAddress"));
    ASSERT_TRUE(drop(memo->viewport(), {b}));
    EXPECT_EQ(main->Composer().fileName(), b);
    EXPECT_EQ(memo->text(), QStringLiteral("Other"));
    EXPECT_FALSE(memo->modified());

    // Text dragged from elsewhere is still the address box's own business.
    QMimeData text;
    text.setText(QStringLiteral("x"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(main, &enter);
    EXPECT_FALSE(enter.isAccepted());
    QDragEnterEvent enterMemo(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(memo->viewport(), &enterMemo);
    EXPECT_TRUE(enterMemo.isAccepted());
}
