#include "AppFixture.h"

#include "app/controls/Controls.h"

#include <QFrame>
#include <functional>

using namespace zentrope;
using namespace zentrope::test;

namespace {

// Runs a function for every event a watched object receives.
class EventProbe : public QObject {
public:
    explicit EventProbe(std::function<void(QEvent *)> f) : m_f(std::move(f)) {}
    bool eventFilter(QObject *, QEvent *e) override
    {
        m_f(e);
        return false;
    }

private:
    std::function<void(QEvent *)> m_f;
};

class LayoutTest : public AppFixture {
protected:
    // Resizes the window so that the envelope panel's inner size is W x H.
    void panelSize(int W, int H)
    {
        QWidget *panel = find<QWidget>("PanelEnvelope");
        for (int i = 0; i < 3; ++i) {
            const QSize inner = panel->contentsRect().size();
            main->resize(main->width() + W - inner.width(), main->height() + H - inner.height());
            QApplication::processEvents();
        }
        ASSERT_EQ(panel->contentsRect().size(), QSize(W, H));
    }
    QRect geo(const char *name) { return find<QWidget>(name)->geometry(); }
};

} // namespace

TEST_F(LayoutTest, WorkedExampleWithAndWithoutGraphic)
{
    start();
    panelSize(714, 307);
    EXPECT_EQ(geo("ImageZipBarCode"), QRect(184, 113, 522, 40));
    EXPECT_EQ(geo("MemoAddress"), QRect(184, 153, 522, 146));
    EXPECT_EQ(geo("ImageStamp").left(), 626);
    EXPECT_EQ(geo("MemoReturnAddress"), QRect(0, 5, 618, 108));

    session->State().Graphic.GraphicFileName = QStringLiteral("/logo.bmp");
    emit find<ResizePanel>("PanelEnvelope")->resized();
    EXPECT_EQ(geo("MemoReturnAddress"), QRect(112, 5, 506, 108));
    EXPECT_EQ(geo("MemoAddress"), QRect(184, 153, 522, 146));
    session->State().Graphic.GraphicFileName.clear();
}

TEST_F(LayoutTest, HidingTheFormatToolbarGrowsTheBoxes)
{
    start();
    panelSize(714, 307);
    find<QAction>("OptionsFontToolbar")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(find<QWidget>("PanelEnvelope")->contentsRect().height(), 347);
    EXPECT_EQ(geo("MemoAddress"), QRect(184, 173, 522, 166));
    EXPECT_EQ(geo("ImageZipBarCode").top(), 133);
    EXPECT_EQ(geo("MemoReturnAddress").height(), 128);
}

TEST_F(LayoutTest, EveryPassStoresThePositionAndNestedPassesDoNothing)
{
    start();
    panelSize(600, 301);
    EXPECT_EQ(geo("MemoAddress").top(), 150); // an odd height truncates
    EXPECT_EQ(ini("Position", "Left").toInt(), main->x());
    EXPECT_EQ(ini("Position", "Right").toInt(), main->x() + main->width());
    EXPECT_EQ(ini("Position", "Bottom").toInt(), main->y() + main->height());

    // A panel resize while a pass runs does not start a second pass: the one
    // pass stores the position once.
    auto *panel = find<ResizePanel>("PanelEnvelope");
    auto *address = find<MemoControl>("MemoAddress");
    bool nested = false;
    int passes = 0;
    TIniFile::WriteObserver() = [&](const QString &section, const QString &key) {
        if (section == QLatin1String("Position") && key == QLatin1String("Left"))
            ++passes;
    };
    EventProbe probe([&](QEvent *e) {
        if (e->type() == QEvent::Resize && !nested) {
            nested = true;
            EXPECT_TRUE(main->State().InLayout);
            emit panel->resized();
        }
    });
    address->resize(10, 10); // any size: the pass below places it again
    address->installEventFilter(&probe);
    panel->resize(panel->width() + 2, panel->height());
    address->removeEventFilter(&probe);
    TIniFile::WriteObserver() = nullptr;
    EXPECT_TRUE(nested);
    EXPECT_EQ(passes, 1);
}

TEST_F(LayoutTest, TooSmallPanelGivesEmptyBoxesWithoutFailing)
{
    start();
    // Smaller than the window allows: the panel itself is resized.
    find<QWidget>("PanelEnvelope")->resize(150, 12);
    EXPECT_EQ(geo("MemoAddress").width(), 0);
    EXPECT_EQ(geo("MemoAddress").height(), 0);
    EXPECT_EQ(find<QWidget>("MemoAddress")->property("layoutWidth").toInt(), 150 - 184 - 8);
}

TEST_F(LayoutTest, StoredPositionSurvivesAnEarlyLayoutPass)
{
    {
        // A hidden format toolbar grows the panel while the window is still
        // being created; that must not overwrite the stored position.
        TQevIniFile s(iniPath);
        s.WriteBool("Options", "FormatToolbar", false);
        s.WriteRect("Position", IniRect{30, 40, 30 + 700, 40 + 450}, false, false);
    }
    start();
    EXPECT_EQ(main->pos(), QPoint(30, 40));
    EXPECT_EQ(main->size(), QSize(700, 450));
    EXPECT_EQ(ini("Position", "Right"), QStringLiteral("730"));
}
