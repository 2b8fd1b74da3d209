#pragma once

#include "contacts/Csv.h"
#include "contacts/CsvContacts.h"
#include "platform/Topics.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace zentrope {

// Asks which column of a CSV file with an unknown header holds each part of an
// address, starting from a guess, and shows the first contact's envelope as
// the chosen columns make it. A part may take up to three columns (first and
// last name, street and house number): its "+" button adds another choice.
class ImportColumnsDialog : public QDialog {
    Q_OBJECT
public:
    ImportColumnsDialog(QWidget *parent, const QString &fileName, const CsvTable &table,
                        const ColumnMapping &guess, const QString &homeCountry);

    // The most columns one part takes.
    static constexpr int MaxColumns = 3;

    ColumnMapping Mapping() const;
    // Chooses a column (-1 for none) for one part, as the user would; with
    // several, the part takes them all in this order.
    void SetColumn(QList<int> ColumnMapping::*part, int column);
    void SetColumns(QList<int> ColumnMapping::*part, const QList<int> &columns);

    static constexpr int HelpTopic = Topic::ImportAddresses;

    QLabel *LabelIntro = nullptr;
    // The first choice of each part; ComboFor gives the others ("ComboBoxName2").
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

    // The n-th choice (from 0) of a part, and its "+" button.
    QComboBox *ComboFor(QList<int> ColumnMapping::*part, int n = 0) const;
    QToolButton *MoreButtonFor(QList<int> ColumnMapping::*part) const;

private:
    struct PartRow {
        QComboBox *Combos[MaxColumns] = {};
        QToolButton *More = nullptr;
    };
    const PartRow *RowFor(QList<int> ColumnMapping::*part) const;
    void ShowMore(PartRow &row);
    void UpdatePreview();

    PartRow m_rows[std::size(ColumnMappingParts)];
    const CsvTable &m_table;
    QString m_home;
};

} // namespace zentrope
