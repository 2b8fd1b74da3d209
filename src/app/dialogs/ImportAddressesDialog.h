#pragma once

#include "contacts/ContactImport.h"
#include "platform/Topics.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace zentrope {

class ContactPickerModel;

// The picker of Import Addresses: the contacts of one file with a tick box
// each, a search over names, organisations and addresses, the address each
// contact is imported with (another one can be chosen below the list) and the
// country the envelopes are sent from. The caller takes ImportedText() when
// the user confirms. It says how the file was read (contacts read, skipped
// and why), and a CSV file can be read again in another character set.
class ImportAddressesDialog : public QDialog {
    Q_OBJECT
public:
    // `import` is what was read from `fileName`; `homeCountry` is an ISO code.
    ImportAddressesDialog(QWidget *parent, const QString &fileName, ContactImport import,
                          const QString &homeCountry);

    ContactPickerModel &Model() const { return *m_model; }
    // The envelopes of the ticked contacts, an empty line between them.
    QString ImportedText() const;
    // The contact whose address ComboBoxAddress shows; -1 for none.
    int CurrentContact() const;
    // Makes a contact the current one, as a click on its row does.
    void SetCurrentContact(int contact);

    static constexpr int HelpTopic = Topic::ImportAddresses;

    QLabel *LabelSearch = nullptr;
    QLineEdit *EditSearch = nullptr;
    QTableView *ListContacts = nullptr;
    QPushButton *ButtonAll = nullptr;
    QPushButton *ButtonNone = nullptr;
    QLabel *LabelAddress = nullptr;
    QComboBox *ComboBoxAddress = nullptr;
    QLabel *LabelHomeCountry = nullptr;
    QComboBox *ComboBoxHomeCountry = nullptr;
    QLabel *LabelCharset = nullptr;
    QComboBox *ComboBoxCharset = nullptr; // CSV files only
    QLabel *LabelRead = nullptr;
    QLabel *LabelStatus = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;
    QPushButton *HelpBtn = nullptr;

private:
    void CreateControls();
    // The address row follows the current contact.
    void ShowCurrentAddresses();
    void AddressChosen(int address);
    void HomeCountryChosen();
    void CharsetChosen();
    void UpdateStatus();
    bool eventFilter(QObject *watched, QEvent *event) override;

    ContactPickerModel *m_model = nullptr;
    ContactImport m_import;
};

} // namespace zentrope
