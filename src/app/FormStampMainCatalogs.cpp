#include "app/FormStampMain.h"

#include "app/Application.h"
#include "app/Controls.h"
#include "app/DlgEnvelopeSizes.h"
#include "app/DlgReturnAddresses.h"

#include <QComboBox>

namespace zentrope {

// The main window's side of the envelope size and return address catalogs:
// the two pickers mirror the catalogs index for index and are refilled from
// them, never bound to them.

void TFormStampMain::UpdateEnvelopeSizeCombo()
{
    if (!DlgEnvelopeSizes)
        return;
    const QString remembered =
        ComboBoxEnvelopeSize->currentIndex() >= 0 ? ComboBoxEnvelopeSize->currentText() : QString();
    ComboBoxEnvelopeSize->clear();
    for (const EnvelopeSize &e : DlgEnvelopeSizes->Catalog().Entries())
        ComboBoxEnvelopeSize->addItem(e.Name, QVariant::fromValue(e.Dimension));
    int match = -1;
    for (int i = 0; i < ComboBoxEnvelopeSize->count() && match < 0; ++i) {
        if (ComboBoxEnvelopeSize->itemText(i).compare(remembered, Qt::CaseInsensitive) == 0)
            match = i;
    }
    ComboBoxEnvelopeSize->setCurrentIndex(match);
}

void TFormStampMain::FillReturnAddressCombo()
{
    ComboBoxReturnAddress->clear();
    if (DlgReturnAddresses) {
        for (const ReturnAddress &a : DlgReturnAddresses->Catalog().Entries())
            ComboBoxReturnAddress->addItem(a.Description);
        ComboBoxReturnAddress->setCurrentIndex(DlgReturnAddresses->SelectedIndex());
    }
    ShowReturnAddress();
}

void TFormStampMain::ShowReturnAddress()
{
    MemoReturnAddress->clear();
    const int i = ComboBoxReturnAddress->currentIndex();
    if (i < 0 || i >= ComboBoxReturnAddress->count() || !DlgReturnAddresses)
        return;
    if (const ReturnAddress *a = DlgReturnAddresses->Address(i))
        MemoReturnAddress->setText(a->Lines.join(QLatin1Char('\n')));
}

void TFormStampMain::ComboBoxReturnAddressChange(QObject *)
{
    ShowReturnAddress();
}

void TFormStampMain::OptionsEnvelopeClick(QObject *)
{
    if (!DlgEnvelopeSizes)
        return;
    // Closing the dialog reactivates the main window, which refreshes the pickers.
    DlgEnvelopeSizes->EditEnvelopeSizes();
}

void TFormStampMain::OptionsReturnAddressesClick(QObject *)
{
    if (!DlgReturnAddresses)
        return;
    DlgReturnAddresses->ShowCatalog();
}

} // namespace zentrope
