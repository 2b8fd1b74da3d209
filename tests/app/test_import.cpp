#include "AppFixture.h"

#include "app/controls/Controls.h"
#include "app/dialogs/ImportAddressesDialog.h"
#include "app/dialogs/ImportColumnsDialog.h"
#include "app/help/HelpWindow.h"
#include "contacts/ContactPickerModel.h"
#include "contacts/CsvContacts.h"
#include "document/AddressFile.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <functional>

using namespace zentrope;
using namespace zentrope::test;

namespace {

class ImportTest : public AppFixture {
protected:
    MemoControl *memo() { return find<MemoControl>("MemoAddress"); }

    void import() { find("FileImportAddresses")->trigger(); }

    static void answerFile(const QString &path)
    {
        Prompt::push([path](QDialog &d) {
            EXPECT_EQ(d.objectName().toStdString(), "ImportFileDialog");
            auto *fd = qobject_cast<QFileDialog *>(&d);
            if (!fd)
                return int(QDialog::Rejected);
            fd->selectFile(path);
            return int(QDialog::Accepted);
        });
    }

    // The picker, sending from `home`; the answerer works it and returns its result.
    static void answerPicker(const QString &home, std::function<int(ImportAddressesDialog &)> work)
    {
        Prompt::push([home, work](QDialog &d) {
            auto *picker = qobject_cast<ImportAddressesDialog *>(&d);
            EXPECT_NE(picker, nullptr) << "expected the picker, got " << d.objectName().toStdString();
            if (!picker)
                return int(QDialog::Rejected);
            picker->ComboBoxHomeCountry->setCurrentIndex(picker->ComboBoxHomeCountry->findData(home));
            return work(*picker);
        });
    }

    // Tests and help find every control of a dialog by its name.
    static void expectNamedControls(const QDialog &d)
    {
        for (const QWidget *w : d.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            EXPECT_FALSE(w->objectName().isEmpty()) << w->metaObject()->className();
    }

    static int pressOk(ImportAddressesDialog &picker)
    {
        EXPECT_TRUE(picker.OKBtn->isEnabled());
        QTest::mouseClick(picker.OKBtn, Qt::LeftButton);
        return picker.result();
    }
};

} // namespace

TEST_F(ImportTest, PickerAppendsTheTickedEnvelopesAsOneUndoableStep)
{
    start();
    memo()->setFocus();
    QTest::keyClicks(memo(), QStringLiteral("Existing"));

    answerFile(contactSample("google.csv"));
    answerPicker(QStringLiteral("US"), [](ImportAddressesDialog &p) {
        ContactPickerModel &m = p.Model();
        EXPECT_EQ(p.windowTitle(), QStringLiteral("Import Addresses - google.csv"));
        expectNamedControls(p);
        EXPECT_EQ(m.rowCount(), 5);
        EXPECT_EQ(p.LabelStatus->text(), QStringLiteral("4 envelopes to add."));
        // Alan Turing has no postal address: listed, greyed, not tickable.
        EXPECT_FALSE(m.flags(m.index(3, 0)) & Qt::ItemIsEnabled);
        EXPECT_EQ(m.data(m.index(3, 2)).toString(), QStringLiteral("No postal address"));

        QTest::mouseClick(p.ButtonNone, Qt::LeftButton);
        EXPECT_EQ(m.TickedCount(), 0);
        EXPECT_FALSE(p.OKBtn->isEnabled());

        // Search, then tick the one contact found with the space bar.
        QTest::keyClicks(p.EditSearch, QStringLiteral("berlin"));
        EXPECT_EQ(m.rowCount(), 1);
        p.ListContacts->setFocus();
        p.SetCurrentContact(2);
        QTest::keyClick(p.ListContacts, Qt::Key_Space);
        EXPECT_TRUE(m.Ticked(2));
        EXPECT_EQ(p.LabelStatus->text(), QStringLiteral("1 of 5 contacts listed. 1 envelope to add."));
        p.EditSearch->clear();
        EXPECT_EQ(m.rowCount(), 5);
        EXPECT_TRUE(m.Ticked(2)) << "the search keeps ticks";

        // Ada's preferred home address is shown; her work address is chosen instead.
        p.SetCurrentContact(0);
        EXPECT_TRUE(p.ComboBoxAddress->isEnabled());
        EXPECT_EQ(p.ComboBoxAddress->count(), 2);
        EXPECT_EQ(p.ComboBoxAddress->currentIndex(), 1);
        EXPECT_EQ(p.ComboBoxAddress->itemText(0),
                  QStringLiteral("Work: 350 Fifth Avenue, New York, NY 10118"));
        p.ComboBoxAddress->setFocus();
        QTest::keyClick(p.ComboBoxAddress, Qt::Key_Up);
        EXPECT_EQ(m.ChosenAddress(0), 0);
        EXPECT_TRUE(m.Ticked(0)) << "choosing an address ticks the contact";
        EXPECT_EQ(p.LabelStatus->text(), QStringLiteral("2 envelopes to add."));
        return pressOk(p);
    });
    import();

    const QString imported = QStringLiteral("Ada Lovelace\nAnalytical Engines Ltd\n350 Fifth Avenue\n"
                                            "New York, NY 10118\n\nKonrad Zuse\nKarl-Marx-Allee 1\n"
                                            "10178 Berlin\nGERMANY");
    EXPECT_EQ(memo()->text(), QStringLiteral("Existing\n\n") + imported);
    EXPECT_TRUE(memo()->modified());
    EXPECT_EQ(find<StatusPanel>("PanelModified")->text(), QStringLiteral(" Modified"));
    EXPECT_TRUE(find("FilePrintEnvelope")->isEnabled());
    EXPECT_EQ(ini(QStringLiteral("Options"), QStringLiteral("ImportFolder")),
              QStringLiteral(ZENTROPE_SOURCE_DIR "/tests/contacts/data"));

    // One undo takes the whole import back.
    QTest::keyClick(memo(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(memo()->text(), QStringLiteral("Existing"));

    // The next import starts in the folder of the last one; Help shows the page.
    Prompt::push([](QDialog &d) {
        auto *fd = qobject_cast<QFileDialog *>(&d);
        EXPECT_EQ(fd ? fd->directory().absolutePath() : QString(),
                  QStringLiteral(ZENTROPE_SOURCE_DIR "/tests/contacts/data"));
        if (fd)
            fd->selectFile(contactSample("iphone-3.0.vcf"));
        return int(QDialog::Accepted);
    });
    answerPicker(QStringLiteral("US"), [this](ImportAddressesDialog &p) {
        QTest::mouseClick(p.HelpBtn, Qt::LeftButton);
        HelpWindow *help = session->Help().Window();
        EXPECT_NE(help, nullptr);
        EXPECT_EQ(help ? help->currentTopic() : 0, 21010);
        QTest::mouseClick(p.CancelBtn, Qt::LeftButton);
        return p.result();
    });
    import();
    EXPECT_EQ(memo()->text(), QStringLiteral("Existing"));
}

TEST_F(ImportTest, FilesThatAreNoContactListsSaySo)
{
    start();
    const QString notes = writeFile(dir + QStringLiteral("/notes.txt"), "Just a line of text\nand another\n");
    answerFile(notes);
    answerMessage(Prompt::Ok, notes + QStringLiteral(" is neither a vCard nor a CSV file."));
    import();

    // Damaged contacts are skipped and counted; the rest can be imported.
    // Damaged contacts are skipped and counted, damaged lines passed over;
    // the rest can be imported.
    answerFile(contactSample("damaged.vcf"));
    answerPicker(QStringLiteral("US"), [](ImportAddressesDialog &p) {
        EXPECT_EQ(p.LabelRead->text(),
                  QStringLiteral("Contacts read: 4. Skipped: 2 not closed, 1 without a name or an address. "
                                 "Damaged lines passed over: 2."));
        EXPECT_FALSE(p.ComboBoxCharset->isVisibleTo(&p)) << "a vCard names its own character sets";
        QTest::mouseClick(p.CancelBtn, Qt::LeftButton);
        return p.result();
    });
    import();

    const QString empty =
        writeFile(dir + QStringLiteral("/empty.vcf"), "BEGIN:VCARD\r\nVERSION:3.0\r\nEND:VCARD\r\n");
    answerFile(empty);
    answerMessage(Prompt::Ok, empty + QStringLiteral(" holds no contacts. Contacts read: 0. Skipped: 1 "
                                                     "without a name or an address."));
    import();

    EXPECT_EQ(memo()->text(), QString());
    EXPECT_FALSE(memo()->modified());

    // The box holds no more than an address file may.
    const QString line = QString(79, QLatin1Char('x')) + QLatin1Char('\n');
    const QString full = line.repeated(int(AddressFileCapacity / 81)); // with CR LF: 81 bytes a line
    memo()->setText(full);
    answerFile(contactSample("vcard-4.0.vcf"));
    answerPicker(QStringLiteral("US"), pressOk);
    answerMessage(Prompt::Ok, QStringLiteral("Text exceeds memo capacity."));
    import();
    EXPECT_EQ(memo()->text().size(), full.size());
}

TEST_F(ImportTest, ReturnAcceptsAndACsvFileIsReadInTheCharacterSetChosen)
{
    start();
    answerFile(contactSample("thunderbird-1251.csv"));
    answerPicker(QStringLiteral("US"), [](ImportAddressesDialog &p) {
        EXPECT_TRUE(p.OKBtn->isDefault());
        EXPECT_TRUE(p.ComboBoxCharset->isVisibleTo(&p));
        // Read as Windows-1252 the name is gibberish; the user names the character set.
        EXPECT_NE(p.Model().Contacts()[0].NameLine(), QStringLiteral("Ольга Смирнова"));
        p.ComboBoxCharset->setFocus();
        const int cyrillic =
            p.ComboBoxCharset->findData(QStringLiteral("windows-1251"), Qt::UserRole, Qt::MatchFixedString);
        EXPECT_GT(cyrillic, 0);
        p.ComboBoxCharset->setCurrentIndex(cyrillic);
        emit p.ComboBoxCharset->activated(cyrillic);
        EXPECT_EQ(p.Model().Contacts()[0].NameLine(), QStringLiteral("Ольга Смирнова"));
        // Return in the search field goes on to the list; Space there ticks;
        // Return in the list accepts.
        p.EditSearch->setFocus();
        QTest::keyClick(p.EditSearch, Qt::Key_Return);
        EXPECT_EQ(p.result(), 0);
        EXPECT_EQ(p.focusWidget(), p.ListContacts);
        QTest::keyClick(p.ListContacts, Qt::Key_Space);
        EXPECT_FALSE(p.Model().Ticked(0));
        QTest::keyClick(p.ListContacts, Qt::Key_Space);
        EXPECT_TRUE(p.Model().Ticked(0));
        QTest::keyClick(p.ListContacts, Qt::Key_Return);
        return p.result();
    });
    import();
    EXPECT_EQ(memo()->text(),
              QStringLiteral("Ольга Смирнова\nНЕВСКИЙ ПР., Д. 28\nСАНКТ-ПЕТЕРБУРГ\n191186\nRUSSIA"));
}

TEST_F(ImportTest, UnknownColumnsAreAskedForOnceAndRemembered)
{
    const QByteArray header = "Mitglied;Strasse;Hausnummer;PLZ;Ort;Bemerkung\n";
    const QString first =
        writeFile(dir + QStringLiteral("/club.csv"), header + "Hans Meier;Lindenweg;3;80331;M\xC3\xBC"
                                                              "nchen;Kassenwart\n");
    const QString second =
        writeFile(dir + QStringLiteral("/club2.csv"), header + "Erika Muster;Am Markt;1;10115;Berlin;\n");
    start();

    answerFile(first);
    Prompt::push([](QDialog &d) {
        auto *c = qobject_cast<ImportColumnsDialog *>(&d);
        EXPECT_NE(c, nullptr) << "expected the columns dialog, got " << d.objectName().toStdString();
        if (!c)
            return int(QDialog::Rejected);
        expectNamedControls(*c);
        // The guess from the German headers; the name column is unknown.
        EXPECT_EQ(c->ComboBoxName->currentData().toInt(), -1);
        EXPECT_EQ(c->ComboBoxStreet->currentData().toInt(), 1);
        EXPECT_EQ(c->ComboBoxPostalCode->currentData().toInt(), 3);
        EXPECT_EQ(c->ComboBoxCity->currentData().toInt(), 4);
        EXPECT_EQ(c->ComboBoxStreet->currentText(), QStringLiteral("Strasse (Lindenweg)"));
        c->ComboBoxName->setCurrentIndex(c->ComboBoxName->findData(0));
        // The house number joins the street: "+" adds a second column to it.
        QComboBox *number = c->ComboFor(&ColumnMapping::Street, 1);
        EXPECT_NE(number, nullptr);
        if (!number)
            return int(QDialog::Rejected);
        EXPECT_EQ(number->objectName(), QStringLiteral("ComboBoxStreet2"));
        EXPECT_FALSE(number->isVisibleTo(c));
        QTest::mouseClick(c->MoreButtonFor(&ColumnMapping::Street), Qt::LeftButton);
        EXPECT_TRUE(number->isVisibleTo(c));
        number->setCurrentIndex(number->findData(2));
        EXPECT_EQ(c->Mapping().Street, QList<int>({1, 2}));
        // The first envelope as these columns make it (laid out for the desktop's country).
        EXPECT_TRUE(c->MemoPreview->toPlainText().startsWith(QStringLiteral("Hans Meier\nLindenweg 3\n")))
            << c->MemoPreview->toPlainText().toStdString();
        QTest::mouseClick(c->OKBtn, Qt::LeftButton);
        return c->result();
    });
    answerPicker(QStringLiteral("DE"), pressOk);
    import();
    EXPECT_EQ(memo()->text(), QStringLiteral("Hans Meier\nLindenweg 3\n80331 München"));
    const QStringList cells = QString::fromUtf8(header).trimmed().split(QLatin1Char(';'));
    EXPECT_EQ(ini(QString::fromLatin1(ImportMappingSection), ImportMappingKey(cells)),
              QStringLiteral("0,-1,1+2,-1,4,-1,3,-1"));

    // The next file with the same columns, even after a restart, goes straight to the picker.
    memo()->setModified(false);
    shutdown();
    start();
    answerFile(second);
    answerPicker(QStringLiteral("DE"), pressOk);
    import();
    EXPECT_EQ(memo()->text(), QStringLiteral("Erika Muster\nAm Markt 1\n10115 Berlin"));
}
