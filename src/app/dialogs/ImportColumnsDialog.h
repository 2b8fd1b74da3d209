#pragma once

#include "contacts/Csv.h"
#include "contacts/CsvContacts.h"
#include "platform/Topics.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zentrope {

// Asks which column of a CSV file with an unknown header holds each part of an
// address, starting from a guess, and shows the first contact's envelope as
// the chosen columns make it.
class ImportColumnsDialog : public QDialog {
    Q_OBJECT
public:
    ImportColumnsDialog(QWidget *parent, const QString &fileName, const CsvTable &table,
                        const ColumnMapping &guess, const QString &homeCountry);

    ColumnMapping Mapping() const;
    // Chooses a column (-1 for none) for one part, as the user would.
    void SetColumn(int ColumnMapping::*part, int column);

    static constexpr int HelpTopic = Topic::ImportAddresses;

    QLabel *LabelIntro = nullptr;
    QComboBox *ComboBoxName = nullptr;
    QComboBox *ComboBoxCompany = nullptr;
    QComboBox *ComboBoxStreet = nullptr;
    QComboBox *ComboBoxExtra = nullptr;
    QComboBox *ComboBoxCity = nullptr;
    QComboBox *ComboBoxRegion = nullptr;
    QComboBox *ComboBoxPostalCode = nullptr;
    QComboBox *ComboBoxCountry = nullptr;
    QPlainTextEdit *MemoPreview = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;
    QPushButton *HelpBtn = nullptr;

private:
    QComboBox *ComboFor(int ColumnMapping::*part) const;
    void UpdatePreview();

    const CsvTable &m_table;
    QString m_home;
};

} // namespace zentrope
