#include "AppFixture.h"

#include "app/dialogs/DlgEnvelopeSizes.h"
#include "app/dialogs/DlgNewEnvelopeSize.h"
#include "envelope/StandardEnvelopes.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <functional>

using namespace zentrope;
using namespace zentrope::test;

namespace {

// Chooses an entry of a combo box as the user does.
void choose(QComboBox *box, int index)
{
    box->setCurrentIndex(index);
    emit box->activated(index);
}

} // namespace

// The standard envelopes in the size dialog's Add.

using StandardSizesDialog = AppFixture;

TEST_F(StandardSizesDialog, AddOffersThemAndFillsInTheirDimensions)
{
    start();
    const auto &standards = StandardEnvelopes();
    Prompt::push([&](QDialog &d) {
        auto &dlg = static_cast<TDlgEnvelopeSizes &>(d);
        // Every standard size, chosen from the list and added with the name it fills in.
        for (size_t i = 0; i < standards.size(); ++i) {
            Prompt::push([&, i](QDialog &n) {
                auto &name = static_cast<TDlgNewEnvelopeSize &>(n);
                EXPECT_EQ(n.windowTitle(), "Add Envelope Size");
                EXPECT_FALSE(name.ComboBoxStandardSize->isHidden());
                EXPECT_EQ(name.ComboBoxStandardSize->count(), int(standards.size()) + 1);
                EXPECT_EQ(name.ComboBoxStandardSize->currentText(), "Blank size");
                EXPECT_EQ(name.ComboBoxStandardSize->itemText(int(i) + 1), standards[i].Name);
                choose(name.ComboBoxStandardSize, int(i) + 1);
                EXPECT_EQ(name.EditEnvelopeSize->text(), standards[i].Name);
                name.OKBtn->click();
                return n.result();
            });
            dlg.AddBtn->click();
            EXPECT_EQ(dlg.GroupBoxDetails->title(),
                      QStringLiteral("Dimensions for \"%1\"").arg(standards[i].Name));
        }
        // The last one added, You 4 (105 x 235 mm), shows its inches.
        EXPECT_EQ(dlg.EditDetailWidth->text(), "9.25");
        EXPECT_EQ(dlg.EditDetailHeight->text(), "4.13");

        // A chosen size keeps its dimensions under a name of the user's; the
        // blank size takes back only the name the list filled in.
        Prompt::push([&](QDialog &n) {
            auto &name = static_cast<TDlgNewEnvelopeSize &>(n);
            choose(name.ComboBoxStandardSize, 2); // ISO C5
            name.EditEnvelopeSize->setText(QStringLiteral("Invitations"));
            name.OKBtn->click();
            return n.result();
        });
        dlg.AddBtn->click();
        Prompt::push([&](QDialog &n) {
            auto &name = static_cast<TDlgNewEnvelopeSize &>(n);
            choose(name.ComboBoxStandardSize, 10); // US #10
            choose(name.ComboBoxStandardSize, 0);
            EXPECT_EQ(name.EditEnvelopeSize->text(), "");
            QTest::keyClicks(name.EditEnvelopeSize, "Plain");
            choose(name.ComboBoxStandardSize, 0);
            EXPECT_EQ(name.EditEnvelopeSize->text(), "Plain");
            name.OKBtn->click();
            return n.result();
        });
        dlg.AddBtn->click();
        EXPECT_EQ(dlg.EditDetailWidth->text(), "6.00") << "the blank size, as before";

        // Rename asks for a name only, in the dialog's plain shape.
        Prompt::push([&](QDialog &n) {
            auto &name = static_cast<TDlgNewEnvelopeSize &>(n);
            EXPECT_TRUE(name.ComboBoxStandardSize->isHidden());
            EXPECT_EQ(n.size(), QSize(306, 110));
            EXPECT_EQ(name.OKBtn->geometry().top(), 70);
            name.CancelBtn->click();
            return n.result();
        });
        dlg.RenameBtn->click();
        dlg.OKBtn->click();
        return d.result();
    });
    find<QAction>("OptionsEnvelope")->trigger();

    // The sizes come back from the settings file with their dimensions, and
    // the first-run sizes and the default are untouched.
    shutdown();
    start();
    const EnvelopeSizeCatalog &catalog = session->State().EnvelopeSizes;
    ASSERT_EQ(catalog.Count(), 4 + int(standards.size()) + 2);
    EXPECT_EQ(catalog.At(catalog.FDefaultIndex)->Name, "Business #10");
    const auto sized = [&](const QString &name) -> const TEnvelopeDimension * {
        for (const EnvelopeSize &e : catalog.Entries())
            if (e.Name == name)
                return &e.Dimension;
        return nullptr;
    };
    for (const StandardEnvelope &e : standards) {
        SCOPED_TRACE(e.Name.toStdString());
        const TEnvelopeDimension *d = sized(e.Name);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->Width, e.Dimension().Width);
        EXPECT_EQ(d->Height, e.Dimension().Height);
        EXPECT_EQ(d->Indent, 0.0);
    }
    ASSERT_NE(sized("Invitations"), nullptr);
    EXPECT_EQ(sized("Invitations")->Width, 9.016);
    EXPECT_EQ(sized("Invitations")->Height, 6.378);
    ASSERT_NE(sized("Plain"), nullptr);
    EXPECT_EQ(sized("Plain")->Width, TEnvelopeDimension().Width);
    EXPECT_EQ(sized("Small")->Width, 6.0);
    EXPECT_EQ(sized("Small")->Height, 3.5);
}

// Millimetres in the size dialog.

class UnitsDialog : public AppFixture {
protected:
    void TearDown() override
    {
        QLocale::setDefault(QLocale::c());
        AppFixture::TearDown();
    }
    // Opens the size dialog and runs `body` in it.
    void inDialog(const std::function<void(TDlgEnvelopeSizes &)> &body)
    {
        Prompt::push([&](QDialog &d) {
            body(static_cast<TDlgEnvelopeSizes &>(d));
            static_cast<TDlgEnvelopeSizes &>(d).OKBtn->click();
            return d.result();
        });
        find<QAction>("OptionsEnvelope")->trigger();
    }
    static void select(TDlgEnvelopeSizes &dlg, const QString &name)
    {
        const auto items = dlg.ListBoxEnvelopes->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        dlg.ListBoxEnvelopes->setCurrentItem(items.first());
        dlg.ShowEnvelopeDetails();
    }
    static void type(QLineEdit *box, const QString &text)
    {
        box->selectAll();
        QTest::keyClicks(box, text);
        emit box->editingFinished();
    }
    static QStringList boxes(TDlgEnvelopeSizes &dlg)
    {
        return {dlg.EditDetailWidth->text(), dlg.EditDetailHeight->text(), dlg.EditDetailIndent->text()};
    }
};

TEST_F(UnitsDialog, MillimetresRoundTripAndTheCLocaleKeepsInches)
{
    // The tests' C locale: inches, as always.
    start();
    inDialog([&](TDlgEnvelopeSizes &dlg) {
        EXPECT_EQ(dlg.ComboBoxUnits->currentText(), "Inches");
        select(dlg, "Business #10");
        EXPECT_EQ(boxes(dlg), QStringList({"9.00", "4.00", "0.00"}));
        EXPECT_EQ(dlg.EditGraphicWidth->text(), "1.00");
        EXPECT_EQ(dlg.EditDetailWidth->toolTip(), "Width in inches");
        EXPECT_EQ(dlg.EditGraphicHeight->statusTip(), "Height of return address graphic in inches");
    });
    EXPECT_EQ(ini("Options", "Units"), "<absent>");

    // A graphic printed at the catalog's size, so its boxes are open.
    session->State().Graphic.GraphicLoaded = true;
    session->State().Graphic.GraphicExtension = QStringLiteral("BMP");
    inDialog([&](TDlgEnvelopeSizes &dlg) {
        choose(dlg.ComboBoxUnits, 1);
        EXPECT_EQ(dlg.EditDetailWidth->toolTip(), "Width in millimetres");
        EXPECT_EQ(dlg.EditDetailIndent->statusTip(), "Indent in millimetres");
        EXPECT_EQ(dlg.EditGraphicWidth->toolTip(), "Width of return address graphic in millimetres");
        select(dlg, "Business #10");
        EXPECT_EQ(boxes(dlg), QStringList({"228.6", "101.6", "0.0"}));
        EXPECT_EQ(dlg.EditGraphicWidth->text(), "25.4");
        // Sizes typed in millimetres read back as typed.
        select(dlg, "Small");
        type(dlg.EditDetailWidth, "220");
        type(dlg.EditDetailHeight, "110,5");
        type(dlg.EditDetailIndent, "12.7");
        type(dlg.EditGraphicWidth, "30.0");
        type(dlg.EditGraphicHeight, "25.4");
        select(dlg, "Greeting Card");
        select(dlg, "Small");
        EXPECT_EQ(boxes(dlg), QStringList({"220.0", "110.5", "12.7"}));
        EXPECT_EQ(dlg.EditGraphicWidth->text(), "30.0");
    });
    EXPECT_EQ(ini("Options", "Units"), "1");
    EXPECT_EQ(session->State().EnvelopeSizes.FGraphicY, 1.0);
    session->State().Graphic.GraphicLoaded = false;

    // Stored in thousandths of an inch, as ever; the unit is kept for the next start.
    shutdown();
    EXPECT_EQ(ini("Envelopes", "Envelope4"), "Small");
    EXPECT_EQ(ini("Envelopes", "Envelope4_Width"), "8661");
    EXPECT_EQ(ini("Envelopes", "Envelope4_Height"), "4350");
    EXPECT_EQ(ini("Envelopes", "Envelope4_Indent"), "500");
    start();
    inDialog([&](TDlgEnvelopeSizes &dlg) {
        EXPECT_EQ(dlg.ComboBoxUnits->currentText(), "Millimetres");
        select(dlg, "Small");
        EXPECT_EQ(boxes(dlg), QStringList({"220.0", "110.5", "12.7"}));
        choose(dlg.ComboBoxUnits, 0);
        EXPECT_EQ(boxes(dlg), QStringList({"8.66", "4.35", "0.50"}));
        EXPECT_EQ(dlg.EditGraphicWidth->text(), "1.18");
    });
    EXPECT_EQ(ini("Options", "Units"), "0");

    // Without a stored choice the locale decides: a German desktop measures in millimetres.
    shutdown();
    TIniFile(iniPath).WriteString(QStringLiteral("Options"), QStringLiteral("Units"), QString());
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    start();
    inDialog([&](TDlgEnvelopeSizes &dlg) { EXPECT_EQ(dlg.ComboBoxUnits->currentText(), "Millimetres"); });
}
