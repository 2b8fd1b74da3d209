#include "AppFixture.h"

#include "app/controls/Controls.h"
#include "platform/WmfBuilder.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTextStream>
#include <algorithm>

using namespace zentrope;
using namespace zentrope::test;

namespace {

class GraphicTest : public AppFixture {
protected:
    QString makeBitmap(const QString &folder, const QString &name, QSize size = QSize(20, 10))
    {
        QDir().mkpath(folder);
        QImage img(size, QImage::Format_RGB32);
        img.fill(Qt::red);
        const QString path = folder + QLatin1Char('/') + name;
        EXPECT_TRUE(img.save(path, name.endsWith(QLatin1String("ico"), Qt::CaseInsensitive) ? "ico" : "bmp"));
        return path;
    }

    QString makeMetafile(const QString &path)
    {
        WmfBuilder b;
        b.rec(0x02FA, {5, 0, 0, 0, 0}).select(0).brush(0, Qt::blue).select(1).rectangle(0, 0, 100, 100);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(b.placeable(QRect(0, 0, 100, 100)));
        return path;
    }

    // The picture dialog answered with a file, or cancelled when path is empty.
    static void choose(const QString &path)
    {
        Prompt::push([path](QDialog &d) {
            EXPECT_EQ(d.objectName(), QStringLiteral("SelectBitmapDialog"));
            EXPECT_EQ(d.windowTitle(), QStringLiteral("Select Return Address Bitmap"));
            // One caption; the extensions match in any letter case.
            auto &fd = static_cast<QFileDialog &>(d);
            EXPECT_TRUE(fd.testOption(QFileDialog::HideNameFilterDetails));
            auto *readOnly = fd.findChild<QCheckBox *>(QStringLiteral("ReadOnlyCheckBox"));
            EXPECT_TRUE(readOnly && readOnly->isVisibleTo(&fd) && readOnly->isChecked());
            EXPECT_EQ(fd.nameFilters().size(), 1);
            const QString filter = fd.nameFilters().value(0);
            const QStringList patterns =
                filter.mid(filter.lastIndexOf(u'(') + 1).chopped(1).split(u' ', Qt::SkipEmptyParts);
            for (const char *name : {"logo.bmp", "LOGO.BMP", "Logo.Ico", "mark.wMf"})
                EXPECT_TRUE(std::any_of(patterns.begin(), patterns.end(), [&](const QString &p) {
                    return QRegularExpression::fromWildcard(p, Qt::CaseSensitive)
                        .match(QLatin1String(name))
                        .hasMatch();
                })) << name;
            if (path.isEmpty())
                return int(QDialog::Rejected);
            static_cast<QFileDialog &>(d).selectFile(path);
            return int(QDialog::Accepted);
        });
    }

    void expectCommands(bool enabled)
    {
        main->UpdateMenu(main);
        for (const char *name : {"OptionsUpdateGraphic", "OptionsClearGraphic", "OptionsEditGraphic",
                                 "M_UpdateGraphic", "M_ClearGraphic", "M_EditGraphic"})
            EXPECT_EQ(find<QAction>(name)->isEnabled(), enabled) << name;
    }

    int returnLeft() { return find<MemoControl>("MemoReturnAddress")->x(); }
    ImageControl *image() { return find<ImageControl>("ImageReturnAddress"); }
};

} // namespace

TEST_F(GraphicTest, SelectBitmapIconAndMetafile)
{
    start();
    expectCommands(false);
    EXPECT_EQ(returnLeft(), 0);

    const QString bmp = makeBitmap(dir + QStringLiteral("/my.logos"), QStringLiteral("house.bmp"));
    choose(bmp);
    find<QAction>("OptionsGraphic")->trigger();
    EXPECT_EQ(session->State().Graphic.GraphicFileName, bmp);
    EXPECT_EQ(ini("Options", "GraphFile"), bmp);
    EXPECT_TRUE(session->State().Graphic.GraphicLoaded);
    EXPECT_EQ(session->State().Graphic.GraphicExtension, QStringLiteral("BMP"));
    EXPECT_TRUE(image()->isVisible());
    EXPECT_EQ(image()->size(), QSize(96, 96));
    EXPECT_EQ(image()->picture().size(), QSize(20, 10));
    EXPECT_EQ(returnLeft(), 112);
    expectCommands(true);

    // The dialog starts in the current picture's folder, with its name.
    const QString ico = makeBitmap(dir + QStringLiteral("/icons"), QStringLiteral("logo.ico"), QSize(48, 32));
    Prompt::push([&](QDialog &d) {
        auto &fd = static_cast<QFileDialog &>(d);
        EXPECT_EQ(fd.directory().absolutePath(), dir + QStringLiteral("/my.logos"));
        fd.selectFile(ico);
        return int(QDialog::Accepted);
    });
    find<QAction>("M_SelectGraphic")->trigger();
    EXPECT_EQ(session->State().Graphic.GraphicExtension, QStringLiteral("ICO"));
    EXPECT_EQ(image()->size(), QSize(48, 32));
    EXPECT_EQ(returnLeft(), 48 + 16);

    const QString wmf = makeMetafile(dir + QStringLiteral("/logo.wmf"));
    choose(wmf);
    find<QAction>("OptionsGraphic")->trigger();
    EXPECT_EQ(session->State().Graphic.GraphicExtension, QStringLiteral("WMF"));
    EXPECT_EQ(image()->size(), QSize(96, 96));
    EXPECT_EQ(returnLeft(), 112);
    EXPECT_EQ(session->State().Graphic.GraphicPicture.kind(), Graphic::Kind::Metafile);
    const QImage shown = image()->grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(48, 48)), QColor(Qt::blue));
}

TEST_F(GraphicTest, ClearCancelAndUpdate)
{
    const QString bmp = makeBitmap(dir, QStringLiteral("logo.bmp"));
    TQevIniFile(iniPath).WriteString("Options", "GraphFile", bmp);
    start();
    EXPECT_TRUE(session->State().Graphic.GraphicLoaded);
    EXPECT_EQ(returnLeft(), 112);

    // Update reads the file again.
    makeBitmap(dir, QStringLiteral("logo.bmp"), QSize(30, 40));
    find<QAction>("OptionsUpdateGraphic")->trigger();
    EXPECT_EQ(image()->picture().size(), QSize(30, 40));
    EXPECT_TRUE(session->State().Graphic.GraphicLoaded);

    find<QAction>("M_ClearGraphic")->trigger();
    EXPECT_FALSE(image()->isVisible());
    EXPECT_FALSE(session->State().Graphic.GraphicLoaded);
    EXPECT_TRUE(session->State().Graphic.GraphicFileName.isEmpty());
    EXPECT_EQ(ini("Options", "GraphFile"), QString());
    EXPECT_EQ(returnLeft(), 0);
    expectCommands(false);

    // Cancel changes nothing, but the layout and the command state still refresh;
    // a double click on the picture is the same command.
    find<MemoControl>("MemoReturnAddress")->move(50, 5);
    find<QAction>("OptionsClearGraphic")->setEnabled(true);
    choose(QString());
    QTest::mouseDClick(image(), Qt::LeftButton);
    EXPECT_EQ(Prompt::pending(), 0);
    EXPECT_EQ(returnLeft(), 0);
    EXPECT_FALSE(find<QAction>("OptionsClearGraphic")->isEnabled());
    EXPECT_TRUE(session->State().Graphic.GraphicFileName.isEmpty());

    shutdown();
    start();
    EXPECT_FALSE(session->State().Graphic.GraphicLoaded);
    EXPECT_FALSE(image()->isVisible());
}

TEST_F(GraphicTest, UnreadablePictures)
{
    // At start-up a picture that cannot be read is reported once; the window
    // starts and keeps the name, so Update can load it once it is repaired.
    const QString logo = dir + QStringLiteral("/dotted.folder/logo.bmp");
    TQevIniFile(iniPath).WriteString("Options", "GraphFile", logo);
    answerMessage(Prompt::Ok, QStringLiteral("Cannot open file %1.").arg(logo));
    start();
    EXPECT_EQ(session->State().Graphic.GraphicFileName, logo);
    EXPECT_EQ(session->State().Graphic.GraphicExtension, QStringLiteral("BMP"));
    makeBitmap(dir + QStringLiteral("/dotted.folder"), QStringLiteral("logo.bmp"));
    find<QAction>("OptionsUpdateGraphic")->trigger();
    EXPECT_EQ(image()->picture().size(), QSize(20, 10));

    // A failed Select keeps the chosen name but neither loads nor lays out.
    find<QAction>("OptionsClearGraphic")->trigger();
    const QString broken = dir + QStringLiteral("/broken.bmp");
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("BM this is no bitmap at all");
    f.close();
    choose(broken);
    answerMessage(Prompt::Ok, QStringLiteral("Bitmap image is not valid."));
    find<MemoControl>("MemoReturnAddress")->move(50, 5);
    find<QAction>("OptionsGraphic")->trigger();
    EXPECT_EQ(session->State().Graphic.GraphicFileName, broken);
    EXPECT_EQ(ini("Options", "GraphFile"), broken);
    EXPECT_FALSE(session->State().Graphic.GraphicLoaded);
    EXPECT_EQ(returnLeft(), 50);

    // A name of another type is not read; the picture is shown as it was.
    const QString other = makeBitmap(dir, QStringLiteral("picture.png"));
    choose(other);
    find<QAction>("OptionsGraphic")->trigger();
    EXPECT_EQ(session->State().Graphic.GraphicExtension, QStringLiteral("PNG"));
    EXPECT_TRUE(session->State().Graphic.GraphicLoaded);
    EXPECT_TRUE(image()->isVisible());
    EXPECT_EQ(image()->picture().size(), QSize(20, 10));
}

TEST_F(GraphicTest, EditStartsTheEditorWithoutAShell)
{
    // A stand-in for xdg-open on the PATH records the arguments it was given.
    const QString bin = dir + QStringLiteral("/bin");
    QDir().mkpath(bin);
    const QString record = dir + QStringLiteral("/args.txt");
    const QString script = bin + QStringLiteral("/xdg-open");
    {
        QFile s(script);
        ASSERT_TRUE(s.open(QIODevice::WriteOnly));
        QTextStream(&s) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"" << record
                        << ".tmp\"\nmv \"" << record << ".tmp\" \"" << record << "\"\n";
    }
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", bin.toLocal8Bit() + ':' + oldPath);
    const auto recorded = [&] {
        QElapsedTimer t;
        t.start();
        while (!QFile::exists(record) && t.elapsed() < 10000)
            QTest::qWait(20);
        QFile r(record);
        r.open(QIODevice::ReadOnly);
        const QStringList lines = QString::fromUtf8(r.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        r.close();
        QFile::remove(record);
        return lines;
    };

    const QString bmp = makeBitmap(dir + QStringLiteral("/odd $(touch x) 'name'"), QStringLiteral("a b.bmp"));
    TQevIniFile(iniPath).WriteString("Options", "GraphFile", bmp);
    start();
    EXPECT_EQ(ini("Options", "GraphicEditor"), QStringLiteral("<absent>"));
    find<QAction>("OptionsEditGraphic")->trigger();
    EXPECT_EQ(recorded(), QStringList{bmp});
    EXPECT_EQ(ini("Options", "GraphicEditor"), QStringLiteral("xdg-open"));

    // An editor with its own arguments: split like a command line, the picture appended whole.
    // (A value in quotes as a whole would lose them to the settings file's own rules.)
    TQevIniFile(iniPath).WriteString("Options", "GraphicEditor",
                                     QStringLiteral("%1 \"two words\" --new").arg(script));
    find<QAction>("M_EditGraphic")->trigger();
    EXPECT_EQ(recorded(), (QStringList{QStringLiteral("two words"), QStringLiteral("--new"), bmp}));

    // An editor that cannot be started gives no message.
    TQevIniFile(iniPath).WriteString("Options", "GraphicEditor", dir + QStringLiteral("/no-such-editor"));
    find<QAction>("OptionsEditGraphic")->trigger();
    qputenv("PATH", oldPath);
}
