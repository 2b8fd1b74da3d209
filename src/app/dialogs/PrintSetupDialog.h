#pragma once

#include "platform/Topics.h"

#include <QDialog>
#include <QList>
#include <QPageSize>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zentrope {

class PrinterDevice;

// Print Setup: the installed printers, then the chosen printer's page setup
// (paper, orientation) and the options Qt carries to it (two-sided printing,
// colour). It starts from the current printer and its settings and changes
// them only through Apply(), which the caller runs when the user confirms.
class PrintSetupDialog : public QDialog {
    Q_OBJECT
public:
    explicit PrintSetupDialog(PrinterDevice &printer, QWidget *parent = nullptr);

    QComboBox *ComboBoxPrinter = nullptr;
    QLabel *LabelPrinterStatus = nullptr;
    QComboBox *ComboBoxPaperSize = nullptr;
    QRadioButton *RadioButtonPortrait = nullptr;
    QRadioButton *RadioButtonLandscape = nullptr;
    QComboBox *ComboBoxDuplex = nullptr;
    QComboBox *ComboBoxColor = nullptr;
    QPushButton *OkBtn = nullptr;
    QPushButton *CancelBtn = nullptr;
    QPushButton *HelpBtn = nullptr;
    QPushButton *EnvelopeFeedBtn = nullptr;

    static constexpr int HelpTopic = Topic::PrintSetup;

    // Makes the chosen printer current with the chosen settings.
    void Apply();
    // Tests and callers: choose a printer by name as the user would.
    bool SelectPrinter(const QString &name);
    bool SelectPaper(QPageSize::PageSizeId id);

signals:
    // Envelope Feed was pressed: the profile of the printer chosen in the
    // dialog (not yet applied) is to be edited; landscape as the dialog has it.
    void envelopeFeedRequested(const QString &printer, bool landscape);

private:
    void FillPrinterOptions(const QString &printer, const QPageSize &wanted);

    PrinterDevice &m_printer;
    QList<QPageSize> m_sizes; // entry i of ComboBoxPaperSize
};

} // namespace zentrope
