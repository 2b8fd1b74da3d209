#include "AppFixture.h"

#include "app/controls/Controls.h"
#include "app/dialogs/DlgEnvelopeSizes.h"
#include "app/dialogs/DlgNewEnvelopeSize.h"
#include "app/dialogs/DlgNewReturnAddress.h"
#include "app/dialogs/DlgReturnAddresses.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace zentrope;
using namespace zentrope::test;

namespace {

// Answers the name dialog: checks its caption and text, then types a name and
// presses OK, or presses Cancel when name is null.
void answerName(const QString &caption, const QString &current, const QString &name)
{
    Prompt::push([=](QDialog &d) {
        EXPECT_EQ(d.windowTitle(), caption);
        QLineEdit *edit = d.findChild<QLineEdit *>();
        EXPECT_EQ(edit->text(), current);
        if (name.isNull()) {
            d.findChild<QPushButton *>("CancelBtn")->click();
        } else {
            edit->clear();
            QTest::keyClicks(edit, name);
            d.findChild<QPushButton *>("OKBtn")->click();
        }
        return d.result();
    });
}

// Answers a delete confirmation: Help first (it must leave the question open
// and open its topic), then the given button.
void answerDelete(const QString &text, int topic, int button, QList<int> &helped)
{
    Prompt::push([=, &helped](QDialog &d) {
        auto *m = qobject_cast<MessageDialog *>(&d);
        EXPECT_NE(m, nullptr);
        if (!m)
            return int(QDialog::Rejected);
        EXPECT_EQ(m->text(), text);
        EXPECT_EQ(m->kind(), Prompt::Kind::Confirmation);
        EXPECT_EQ(m->buttons(), Prompt::Yes | Prompt::No | Prompt::Help);
        const int before = helped.size();
        d.findChild<QPushButton *>("ButtonHelp")->click();
        EXPECT_EQ(helped.size(), before + 1);
        if (helped.size() > before) {
            EXPECT_EQ(helped.last(), topic);
        }
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.result(), 0);
        return button;
    });
}

void selectRow(QListWidget *list, int row)
{
    QListWidgetItem *item = list->item(row);
    ASSERT_NE(item, nullptr);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

QStringList rows(QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

} // namespace

class CatalogDialogsTest : public AppFixture {
protected:
    void startRecordingHelp()
    {
        start();
        Prompt::helpHandler() = [this](int topic) { helped << topic; };
    }
    QList<int> helped;
};

TEST_F(CatalogDialogsTest, MadeAtTheirFirstUseWithThePickersChoiceWhileThePickersShowTheCatalogsFromTheStart)
{
    start();
    EXPECT_EQ(main->findChild<TDlgEnvelopeSizes *>(), nullptr);
    EXPECT_EQ(main->findChild<TDlgReturnAddresses *>(), nullptr);
    auto *picker = find<QComboBox>("ComboBoxEnvelopeSize");
    EXPECT_EQ(picker->currentText(), "Business #10");
    EXPECT_EQ(find<QComboBox>("ComboBoxReturnAddress")->currentText(), "home");

    // Made with another size chosen: the dialog opens on it, and its making
    // does not put the catalog's own selection into the picker.
    picker->setCurrentIndex(picker->findText("Small"));
    emit picker->activated(picker->currentIndex());
    QStringList seen;
    Prompt::push([&](QDialog &d) {
        seen << static_cast<TDlgEnvelopeSizes &>(d).ListBoxEnvelopes->currentItem()->text()
             << picker->currentText();
        return int(QDialog::Accepted);
    });
    find<QAction>("OptionsEnvelope")->trigger();
    EXPECT_EQ(seen, QStringList({"Small", "Small"}));
    EXPECT_EQ(main->Composer().design().SizeName, "Small");
    EXPECT_EQ(main->findChildren<TDlgEnvelopeSizes *>().size(), 1);
}

TEST_F(CatalogDialogsTest, SelectionInTheSizeDialogBecomesTheCurrentSize)
{
    startRecordingHelp();
    auto *picker = find<QComboBox>("ComboBoxEnvelopeSize");
    Prompt::push([&](QDialog &d) {
        auto &dlg = static_cast<TDlgEnvelopeSizes &>(d);
        EXPECT_EQ(d.windowTitle(), "Define Envelope Sizes");
        EXPECT_EQ(d.focusWidget(), dlg.OKBtn);
        EXPECT_EQ(dlg.ListBoxEnvelopes->currentRow(), 0);
        EXPECT_EQ(dlg.GroupBoxDetails->title(), "Dimensions for \"Business #10\"");
        EXPECT_EQ(dlg.EditDetailWidth->text(), "9.00");
        EXPECT_EQ(dlg.EditDetailHeight->text(), "4.00");
        EXPECT_EQ(dlg.EditDetailIndent->text(), "0.00");
        EXPECT_EQ(dlg.EditDefault->text(), "Business #10");

        // Keyboard: down to "Printer Setup", which offers Setup and no dimensions.
        QTest::keyClick(dlg.ListBoxEnvelopes, Qt::Key_Down);
        QTest::keyClick(dlg.ListBoxEnvelopes, Qt::Key_Down);
        EXPECT_EQ(picker->currentText(), "Printer Setup");
        EXPECT_TRUE(dlg.RenameBtn->isHidden());
        EXPECT_FALSE(dlg.SetupBtn->isHidden());
        EXPECT_FALSE(dlg.DeleteBtn->isEnabled());
        EXPECT_TRUE(dlg.DefaultBtn->isEnabled());
        EXPECT_TRUE(dlg.GroupBoxDetails->isHidden());
        EXPECT_TRUE(dlg.EditDetailWidth->text().isEmpty());

        // Mouse: "Small"; its boxes come back, and typing changes the shared record.
        selectRow(dlg.ListBoxEnvelopes, 3);
        EXPECT_EQ(picker->currentIndex(), 3);
        EXPECT_FALSE(dlg.GroupBoxDetails->isHidden());
        EXPECT_FALSE(dlg.RenameBtn->isHidden());
        EXPECT_TRUE(dlg.SetupBtn->isHidden());
        EXPECT_TRUE(dlg.DeleteBtn->isEnabled());
        EXPECT_EQ(dlg.EditDetailHeight->text(), "3.50");
        dlg.EditDetailWidth->selectAll();
        QTest::keyClicks(dlg.EditDetailWidth, "6,5");
        EXPECT_EQ(session->State().EnvelopeSizes.At(3)->Dimension.Width, 6.5);

        // Default makes "Small" the size selected at start-up.
        dlg.DefaultBtn->click();
        EXPECT_EQ(dlg.EditDefault->text(), "Small");
        dlg.HelpBtn->click();
        dlg.OKBtn->click();
        return d.result();
    });
    find<QAction>("OptionsEnvelope")->trigger();
    EXPECT_EQ(helped, QList<int>({20048}));
    EXPECT_EQ(picker->currentText(), "Small");
    EXPECT_EQ(session->State().EnvelopeSizes.At(picker->currentIndex())->Dimension.Width, 6.5);
    shutdown();
    EXPECT_EQ(ini("Envelopes", "Default"), "4");
    EXPECT_EQ(ini("Envelopes", "Envelope4_Width"), "6500");
}

TEST_F(CatalogDialogsTest, SizeAddRenameDeleteKeepTheDefaultAndThePicker)
{
    startRecordingHelp();
    auto *picker = find<QComboBox>("ComboBoxEnvelopeSize");
    Prompt::push([&](QDialog &d) {
        auto &dlg = static_cast<TDlgEnvelopeSizes &>(d);
        // Cancel changes nothing.
        answerName("Add Envelope Size", "", QString());
        dlg.AddBtn->click();
        EXPECT_EQ(session->State().EnvelopeSizes.Count(), 4);

        // Add before the default: selected, in the picker, saved; the default stays.
        answerName("Add Envelope Size", "", "A6");
        dlg.AddBtn->click();
        EXPECT_EQ(rows(dlg.ListBoxEnvelopes),
                  QStringList({"A6", "Business #10", "Greeting Card", "Printer Setup", "Small"}));
        EXPECT_EQ(dlg.ListBoxEnvelopes->currentRow(), 0);
        EXPECT_EQ(picker->currentIndex(), 0);
        EXPECT_EQ(picker->count(), 5);
        EXPECT_EQ(dlg.EditDefault->text(), "Business #10");
        EXPECT_EQ(session->State().EnvelopeSizes.FDefaultIndex, 1);
        EXPECT_EQ(ini("Envelopes", "Envelope1"), "A6");
        EXPECT_EQ(ini("Envelopes", "Envelope1_Width"), "6000");
        EXPECT_EQ(ini("Envelopes", "Default"), "2");

        // Rename the default: it stays the default under its new name.
        selectRow(dlg.ListBoxEnvelopes, 1);
        answerName("Rename Envelope Size", "Business #10", "Wide");
        dlg.RenameBtn->click();
        EXPECT_EQ(dlg.ListBoxEnvelopes->currentItem()->text(), "Wide");
        EXPECT_EQ(picker->currentText(), "Wide");
        EXPECT_EQ(dlg.EditDefault->text(), "Wide");
        EXPECT_EQ(dlg.EditDetailWidth->text(), "9.00");
        EXPECT_EQ(ini("Envelopes", "Envelope5"), "Wide");

        // Rename to "Printer Setup": the entry turns special.
        selectRow(dlg.ListBoxEnvelopes, 0);
        answerName("Rename Envelope Size", "A6", "Printer Setup");
        dlg.RenameBtn->click();
        EXPECT_EQ(dlg.ListBoxEnvelopes->currentRow(), 2);
        EXPECT_FALSE(dlg.SetupBtn->isHidden());
        EXPECT_FALSE(dlg.DeleteBtn->isEnabled());

        // Delete: Help keeps the question open; No keeps the size; Yes on the
        // default makes the first size the default, written at once.
        selectRow(dlg.ListBoxEnvelopes, 4);
        answerDelete("Do you want to delete envelope \"Wide\"", 0, Prompt::No, helped);
        dlg.DeleteBtn->click();
        EXPECT_EQ(session->State().EnvelopeSizes.Count(), 5);
        answerDelete("Do you want to delete envelope \"Wide\"", 0, Prompt::Yes, helped);
        dlg.DeleteBtn->click();
        EXPECT_EQ(rows(dlg.ListBoxEnvelopes),
                  QStringList({"Greeting Card", "Printer Setup", "Printer Setup", "Small"}));
        EXPECT_EQ(dlg.ListBoxEnvelopes->currentRow(), 0);
        EXPECT_EQ(picker->currentText(), "Greeting Card");
        EXPECT_EQ(dlg.EditDefault->text(), "Greeting Card");
        EXPECT_EQ(ini("Envelopes", "Count"), "4");
        return int(QDialog::Rejected);
    });
    find<QAction>("OptionsEnvelope")->trigger();
    EXPECT_EQ(picker->currentText(), "Greeting Card");
    shutdown();
    EXPECT_EQ(ini("Envelopes", "Count"), "4");
    EXPECT_EQ(ini("Envelopes", "Default"), "1");
}

TEST_F(CatalogDialogsTest, GraphicSizeBoxesAndTheOkRule)
{
    TQevIniFile(iniPath).WriteInteger("Envelopes", "GraphicX", 1126);
    start();
    TDlgEnvelopeSizes &dlg = *session->EnvelopeSizesDialog();
    EXPECT_EQ(dlg.EditGraphicWidth->text(), "1.13");
    EXPECT_EQ(session->State().EnvelopeSizes.FGraphicX, 1.126);
    // Enabled only for a loaded graphic that is not an icon.
    const struct {
        bool loaded;
        const char *extension;
        bool enabled;
    } cases[] = {{false, "BMP", false}, {true, "BMP", true}, {true, "WMF", true}, {true, "ICO", false}};
    for (const auto &c : cases) {
        session->State().Graphic.GraphicLoaded = c.loaded;
        session->State().Graphic.GraphicExtension = QString::fromLatin1(c.extension);
        dlg.ShowEnvelopeDetails();
        EXPECT_EQ(dlg.EditGraphicWidth->isEnabled(), c.enabled) << c.extension;
        EXPECT_EQ(dlg.EditGraphicHeight->isEnabled(), c.enabled) << c.extension;
        EXPECT_EQ(dlg.GroupBoxGraphic->isEnabled(), c.enabled) << c.extension;
    }
    session->State().Graphic.GraphicExtension = QStringLiteral("BMP");

    // 2 by 0 becomes 0 by 0 with OK; closing another way keeps what was typed.
    auto typeGraphic = [](TDlgEnvelopeSizes &dlg, const char *w, const char *h) {
        dlg.EditGraphicWidth->selectAll();
        QTest::keyClicks(dlg.EditGraphicWidth, QString::fromLatin1(w));
        dlg.EditGraphicHeight->selectAll();
        QTest::keyClicks(dlg.EditGraphicHeight, QString::fromLatin1(h));
    };
    Prompt::push([&](QDialog &d) {
        typeGraphic(dlg, "2", "0");
        EXPECT_EQ(session->State().EnvelopeSizes.FGraphicX, 2.0);
        EXPECT_EQ(session->State().EnvelopeSizes.FGraphicY, 0.0);
        d.reject();
        return d.result();
    });
    find<QAction>("OptionsEnvelope")->trigger();
    EXPECT_EQ(session->State().EnvelopeSizes.FGraphicX, 2.0);
    Prompt::push([&](QDialog &d) {
        dlg.OKBtn->click();
        return d.result();
    });
    find<QAction>("OptionsEnvelope")->trigger();
    EXPECT_EQ(session->State().EnvelopeSizes.FGraphicX, 0.0);
    EXPECT_EQ(dlg.EditGraphicWidth->text(), "0.00");
    Prompt::push([&](QDialog &d) {
        typeGraphic(dlg, "1.5", "0.75");
        dlg.OKBtn->click();
        return d.result();
    });
    find<QAction>("OptionsEnvelope")->trigger();
    EXPECT_EQ(session->State().EnvelopeSizes.FGraphicX, 1.5);
    EXPECT_EQ(dlg.EditGraphicHeight->text(), "0.75");
    shutdown();
    EXPECT_EQ(ini("Envelopes", "GraphicX"), "1500");
    EXPECT_EQ(ini("Envelopes", "GraphicY"), "750");
}

TEST_F(CatalogDialogsTest, TypingInTheDetailsChangesTheEnvelopeAtOnce)
{
    start();
    auto *envelopeMemo = find<MemoControl>("MemoReturnAddress");
    Prompt::push([&](QDialog &d) {
        auto &dlg = static_cast<TDlgReturnAddresses &>(d);
        EXPECT_EQ(d.windowTitle(), "Define Return Addresses");
        EXPECT_EQ(d.focusWidget(), dlg.OKBtn); // the first showing
        EXPECT_EQ(dlg.LabelDetails->text(), "Return address for \"home\"");
        EXPECT_EQ(dlg.EditDefault->text(), "home");
        dlg.MemoDetails->moveCursor(QTextCursor::End);
        QTest::keyClick(dlg.MemoDetails, Qt::Key_Return);
        EXPECT_EQ(envelopeMemo->text(), "Your Name\n123 Main St.\nSomewhere, XX 98765");
        QTest::keyClicks(dlg.MemoDetails, "USA");
        EXPECT_EQ(envelopeMemo->text(), "Your Name\n123 Main St.\nSomewhere, XX 98765\nUSA");
        EXPECT_EQ(session->State().ReturnAddresses.At(0)->Lines.size(), 4);
        dlg.OKBtn->click();
        return d.result();
    });
    find<QAction>("OptionsReturnAddresses")->trigger();
    EXPECT_EQ(envelopeMemo->text(), "Your Name\n123 Main St.\nSomewhere, XX 98765\nUSA");
    shutdown();
    EXPECT_EQ(ini("ReturnAddresses", "Address1_3"), "USA");
}

TEST_F(CatalogDialogsTest, ReturnAddressAddRenameAndDeleteTheLast)
{
    startRecordingHelp();
    auto *picker = find<QComboBox>("ComboBoxReturnAddress");
    auto *envelopeMemo = find<MemoControl>("MemoReturnAddress");
    Prompt::push([&](QDialog &d) {
        auto &dlg = static_cast<TDlgReturnAddresses &>(d);
        answerName("Add Return Address", "", "Work");
        dlg.AddBtn->click();
        EXPECT_EQ(rows(dlg.ListAddresses), QStringList({"home", "Work"}));
        EXPECT_EQ(dlg.ListAddresses->currentRow(), 1);
        EXPECT_EQ(picker->currentText(), "Work");
        EXPECT_TRUE(envelopeMemo->text().isEmpty());
        answerName("Add Return Address", "", "Aunt");
        dlg.AddBtn->click();
        EXPECT_EQ(session->State().ReturnAddresses.DefaultIndex, 1);
        EXPECT_EQ(dlg.EditDefault->text(), "home");
        EXPECT_EQ(ini("ReturnAddresses", "Default"), "2");

        // Rename the default: lines and default role go with it.
        selectRow(dlg.ListAddresses, 1);
        answerName("Rename Return Address", "home", "Zuhause");
        dlg.RenameBtn->click();
        EXPECT_EQ(dlg.ListAddresses->currentRow(), 2);
        EXPECT_EQ(dlg.EditDefault->text(), "Zuhause");
        EXPECT_EQ(picker->currentText(), "Zuhause");
        EXPECT_EQ(envelopeMemo->text(), "Your Name\n123 Main St.\nSomewhere, XX 98765");
        EXPECT_EQ(ini("ReturnAddresses", "Description3"), "Zuhause");
        EXPECT_EQ(ini("ReturnAddresses", "Address3_0"), "Your Name");

        // Delete all three; Help keeps the first question open.
        answerDelete("Do you want to delete address \"Zuhause\"", 20038, Prompt::No, helped);
        dlg.DeleteBtn->click();
        EXPECT_EQ(session->State().ReturnAddresses.Count(), 3);
        for (const char *name : {"Zuhause", "Aunt", "Work"}) {
            if (QString::fromLatin1(name) != "Zuhause")
                selectRow(dlg.ListAddresses, 0);
            answerMessage(Prompt::Yes,
                          QStringLiteral("Do you want to delete address \"%1\"").arg(QLatin1String(name)));
            dlg.DeleteBtn->click();
        }
        EXPECT_EQ(session->State().ReturnAddresses.Count(), 0);
        EXPECT_EQ(picker->count(), 0);
        EXPECT_TRUE(picker->currentText().isEmpty());
        EXPECT_TRUE(envelopeMemo->text().isEmpty());
        EXPECT_EQ(dlg.LabelDetails->text(), " ");
        for (QWidget *w :
             std::initializer_list<QWidget *>{dlg.MemoDetails, dlg.RenameBtn, dlg.DeleteBtn, dlg.DefaultBtn})
            EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();

        // The next Add gives one entry and no default, written as 2.
        answerName("Add Return Address", "", "Office");
        dlg.AddBtn->click();
        EXPECT_TRUE(dlg.EditDefault->text().isEmpty());
        EXPECT_TRUE(dlg.MemoDetails->isEnabled());
        EXPECT_EQ(ini("ReturnAddresses", "Default"), "2");
        dlg.OKBtn->click();
        return d.result();
    });
    find<QAction>("OptionsReturnAddresses")->trigger();
    EXPECT_EQ(helped, QList<int>({20038}));
    shutdown();

    // The next start makes that entry the default.
    start();
    EXPECT_EQ(find<QComboBox>("ComboBoxReturnAddress")->currentText(), "Office");
    EXPECT_EQ(session->ReturnAddressesDialog()->EditDefault->text(), "");
    Prompt::push([](QDialog &d) {
        EXPECT_EQ(static_cast<TDlgReturnAddresses &>(d).EditDefault->text(), "Office");
        return int(QDialog::Rejected);
    });
    find<QAction>("OptionsReturnAddresses")->trigger();
}
