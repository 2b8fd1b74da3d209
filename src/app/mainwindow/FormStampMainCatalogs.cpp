#include "app/mainwindow/FormStampMain.h"

#include "app/controls/Controls.h"
#include "app/dialogs/DlgEnvelopeSizes.h"
#include "app/dialogs/DlgReturnAddresses.h"

#include <QComboBox>

namespace zentrope {

// The main window's side of the envelope size and return address catalogs:
// the two pickers mirror the catalogs index for index and are refilled from
// them, never bound to them.

void TFormStampMain::UpdateEnvelopeSizeCombo()
{
    // The chosen size is found again by its name, ignoring case; its record
    // is copied anew, since the dialog may have changed it.
    const QString remembered =
        ComboBoxEnvelopeSize->currentIndex() >= 0 ? ComboBoxEnvelopeSize->currentText() : QString();
    ComboBoxEnvelopeSize->clear();
    for (const EnvelopeSize &e : FSession.EnvelopeSizes.Entries())
        ComboBoxEnvelopeSize->addItem(e.Name);
    int match = -1;
    for (int i = 0; i < ComboBoxEnvelopeSize->count() && match < 0; ++i) {
        if (ComboBoxEnvelopeSize->itemText(i).compare(remembered, Qt::CaseInsensitive) == 0)
            match = i;
    }
    ComboBoxEnvelopeSize->setCurrentIndex(match);
    // The same index may name a record the dialog has changed.
    FComposer->selectSize(match);
}

void TFormStampMain::SelectEnvelopeSize(int index)
{
    if (index >= 0 && index < ComboBoxEnvelopeSize->count()) {
        ComboBoxEnvelopeSize->setCurrentIndex(index);
        FComposer->selectSize(index);
    }
}

void TFormStampMain::FillReturnAddressCombo()
{
    ComboBoxReturnAddress->clear();
    for (const ReturnAddress &a : FSession.ReturnAddresses.Entries())
        ComboBoxReturnAddress->addItem(a.Description);
    // The catalog's current entry: the one selected in its list.
    ComboBoxReturnAddress->setCurrentIndex(FSession.ReturnAddresses.CurrentIndex());
    ShowReturnAddress();
}

void TFormStampMain::SelectReturnAddress(int index)
{
    if (index >= 0 && index < ComboBoxReturnAddress->count())
        ComboBoxReturnAddress->setCurrentIndex(index);
    ShowReturnAddress();
}

void TFormStampMain::ShowReturnAddress()
{
    const int i = ComboBoxReturnAddress->currentIndex();
    FComposer->selectReturnAddress(i < ComboBoxReturnAddress->count() ? i : -1);
}

void TFormStampMain::ComboBoxReturnAddressChange(QObject *)
{
    ShowReturnAddress();
}

void TFormStampMain::OptionsEnvelopeClick(QObject *)
{
    // Closing the dialog reactivates the main window, which refreshes the pickers.
    if (FDialogs.EnvelopeSizes)
        FDialogs.EnvelopeSizes().EditEnvelopeSizes(FComposer->sizeIndex());
    // The sizes may have changed in place.
    ScheduleFitCheck();
}

void TFormStampMain::OptionsReturnAddressesClick(QObject *)
{
    if (FDialogs.ReturnAddresses)
        FDialogs.ReturnAddresses().ShowCatalog(ComboBoxReturnAddress->currentIndex());
}

} // namespace zentrope
