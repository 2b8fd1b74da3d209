#include "AppFixture.h"

#include "app/controls/Controls.h"
#include "app/dialogs/DlgEnvelopeSizes.h"
#include "app/dialogs/DlgNewEnvelopeSize.h"
#include "app/dialogs/DlgNewReturnAddress.h"
#include "app/dialogs/DlgReturnAddresses.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <utility>
#include <vector>

using namespace zentrope;
using namespace zentrope::test;

namespace {

using Pairs = std::vector<std::pair<QString, QString>>;

// A whole section as (key, value) in file order.
Pairs section(const QString &path, const QString &name)
{
    TIniFile ini(path);
    Pairs out;
    for (const QString &key : ini.ReadSectionKeys(name))
        out.emplace_back(key, ini.ReadString(name, key, QString()));
    return out;
}

QStringList items(QComboBox *combo)
{
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

// Answers the name dialog of Add or Rename with a typed name and OK.
void answerName(const QString &name)
{
    Prompt::push([name](QDialog &d) {
        QLineEdit *edit = d.findChild<QLineEdit *>();
        EXPECT_NE(edit, nullptr);
        if (edit) {
            edit->clear();
            QTest::keyClicks(edit, name);
        }
        d.findChild<QPushButton *>("OKBtn")->click();
        return d.result();
    });
}

} // namespace

using CatalogsTest = AppFixture;

TEST_F(CatalogsTest, FirstRunShowsBuiltInsAndShutdownWritesBothSectionsWhole)
{
    start();
    auto *sizes = find<QComboBox>("ComboBoxEnvelopeSize");
    EXPECT_EQ(items(sizes), QStringList({"Business #10", "Greeting Card", "Printer Setup", "Small"}));
    EXPECT_EQ(sizes->currentText(), "Business #10");
    auto *returns = find<QComboBox>("ComboBoxReturnAddress");
    EXPECT_EQ(items(returns), QStringList({"home"}));
    EXPECT_EQ(returns->currentIndex(), 0);
    EXPECT_EQ(find<MemoControl>("MemoReturnAddress")->text(), "Your Name\n123 Main St.\nSomewhere, XX 98765");
    EXPECT_TRUE(section(iniPath, "Envelopes").empty());
    shutdown();

    const Pairs envelopes = {{"Count", "4"},
                             {"GraphicX", "1000"},
                             {"GraphicY", "1000"},
                             {"Default", "1"},
                             {"Envelope1", "Business #10"},
                             {"Envelope1_Width", "9000"},
                             {"Envelope1_Height", "4000"},
                             {"Envelope1_Indent", "0"},
                             {"Envelope2", "Greeting Card"},
                             {"Envelope2_Width", "7000"},
                             {"Envelope2_Height", "5000"},
                             {"Envelope2_Indent", "0"},
                             {"Envelope3", "Printer Setup"},
                             {"Envelope3_Width", "0"},
                             {"Envelope3_Height", "0"},
                             {"Envelope3_Indent", "0"},
                             {"Envelope4", "Small"},
                             {"Envelope4_Width", "6000"},
                             {"Envelope4_Height", "3500"},
                             {"Envelope4_Indent", "0"}};
    EXPECT_EQ(section(iniPath, "Envelopes"), envelopes);
    const Pairs addresses = {{"Count", "1"},
                             {"Default", "1"},
                             {"Description1", "home"},
                             {"Address1_Count", "3"},
                             {"Address1_0", "Your Name"},
                             {"Address1_1", "123 Main St."},
                             {"Address1_2", "Somewhere, XX 98765"}};
    EXPECT_EQ(section(iniPath, "ReturnAddresses"), addresses);
}

TEST_F(CatalogsTest, SizePickerKeepsItsNameAcrossRefillIgnoringCase)
{
    start();
    auto *picker = find<QComboBox>("ComboBoxEnvelopeSize");
    EnvelopeSizeCatalog &catalog = session->State().EnvelopeSizes;
    picker->setCurrentIndex(3); // Small
    catalog.Rename(3, "SMALL");
    catalog.Add("Aaa"); // moves every index down by one
    main->FormActivate(main);
    EXPECT_EQ(picker->currentIndex(), 4);
    EXPECT_EQ(picker->currentText(), "SMALL");
    // The picker names the catalog's sizes, index for index.
    for (int i = 0; i < picker->count(); ++i)
        EXPECT_EQ(picker->itemText(i), session->State().EnvelopeSizes.At(i)->Name);
    // A name that is gone leaves no selection (and nothing else is chosen).
    catalog.Rename(4, "Tiny");
    main->UpdateEnvelopeSizeCombo();
    EXPECT_EQ(picker->currentIndex(), -1);
    EXPECT_EQ(session->State().EnvelopeSizes.At(picker->currentIndex()), nullptr);
}

TEST_F(CatalogsTest, ReturnAddressPickerChoiceLastsUntilTheNextActivation)
{
    {
        TQevIniFile s(iniPath);
        s.WriteInteger("ReturnAddresses", "Count", 2);
        s.WriteInteger("ReturnAddresses", "Default", 2);
        s.WriteString("ReturnAddresses", "Description1", "work");
        s.WriteTStrings("ReturnAddresses", "Address1", {"ACME", "1 Road"});
        s.WriteString("ReturnAddresses", "Description2", "Home");
        s.WriteTStrings("ReturnAddresses", "Address2", {"Me"});
    }
    start();
    auto *picker = find<QComboBox>("ComboBoxReturnAddress");
    auto *memo = find<MemoControl>("MemoReturnAddress");
    // Sorted: Home, work; the stored default (the second entry written) is work.
    EXPECT_EQ(items(picker), QStringList({"Home", "work"}));
    EXPECT_EQ(picker->currentIndex(), 1);
    EXPECT_EQ(memo->text(), "ACME\n1 Road");

    picker->setCurrentIndex(0);
    emit picker->activated(0);
    EXPECT_EQ(memo->text(), "Me");
    // The dialog opens on the entry picked in the main window.
    Prompt::push([](QDialog &d) {
        auto &dlg = static_cast<TDlgReturnAddresses &>(d);
        EXPECT_EQ(dlg.ListAddresses->currentRow(), 0);
        EXPECT_EQ(dlg.LabelDetails->text(), "Return address for \"Home\"");
        EXPECT_EQ(dlg.EditDefault->text(), "work");
        return int(QDialog::Rejected);
    });
    find<QAction>("OptionsReturnAddresses")->trigger();
    EXPECT_EQ(picker->currentIndex(), 0);

    // A choice made only in the picker gives way to the catalog's selection.
    session->ReturnAddressesDialog()->ListAddresses->setCurrentRow(1);
    main->FormActivate(main);
    EXPECT_EQ(picker->currentIndex(), 1);
    EXPECT_EQ(memo->text(), "ACME\n1 Road");
}

TEST_F(CatalogsTest, FailedWriteDuringAddEndsTheCommandAndKeepsTheCatalog)
{
    ZENTROPE_REQUIRE_UNPRIVILEGED();
    start();
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup);
    const QString message = QStringLiteral("Unable to write to ") + iniPath;

    Prompt::push([&](QDialog &d) {
        auto &dlg = static_cast<TDlgEnvelopeSizes &>(d);
        answerName("Tiny");
        answerMessage(Prompt::Ok, message);
        dlg.AddBtn->click();
        // The new size stays in memory and selected.
        EXPECT_EQ(session->State().EnvelopeSizes.Count(), 5);
        EXPECT_EQ(dlg.ListBoxEnvelopes->currentItem()->text(), "Tiny");
        return int(QDialog::Accepted);
    });
    find<QAction>("OptionsEnvelope")->trigger();
    EXPECT_TRUE(items(find<QComboBox>("ComboBoxEnvelopeSize")).contains("Tiny"));

    Prompt::push([&](QDialog &d) {
        auto &dlg = static_cast<TDlgReturnAddresses &>(d);
        answerName("Work");
        answerMessage(Prompt::Ok, message);
        dlg.AddBtn->click();
        EXPECT_EQ(session->State().ReturnAddresses.Count(), 2);
        EXPECT_EQ(dlg.ListAddresses->currentItem()->text(), "Work");
        return int(QDialog::Accepted);
    });
    find<QAction>("OptionsReturnAddresses")->trigger();
    // The next activation shows what the catalog holds.
    EXPECT_EQ(items(find<QComboBox>("ComboBoxReturnAddress")), QStringList({"home", "Work"}));

    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(ini("Envelopes", "Count"), "<absent>");
    shutdown();
    // The changes kept in memory reach the file at the next save.
    EXPECT_EQ(ini("Envelopes", "Envelope5"), "Tiny");
    EXPECT_EQ(ini("ReturnAddresses", "Description2"), "Work");
}
