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
    const QString remembered =
        ComboBoxEnvelopeSize->currentIndex() >= 0 ? ComboBoxEnvelopeSize->currentText() : QString();
    ComboBoxEnvelopeSize->clear();
    for (const EnvelopeSize &e : m_session.EnvelopeSizes.Entries())
        ComboBoxEnvelopeSize->addItem(e.Name, QVariant::fromValue(e.Dimension));
    int match = -1;
    for (int i = 0; i < ComboBoxEnvelopeSize->count() && match < 0; ++i) {
        if (ComboBoxEnvelopeSize->itemText(i).compare(remembered, Qt::CaseInsensitive) == 0)
            match = i;
    }
    ComboBoxEnvelopeSize->setCurrentIndex(match);
}

void TFormStampMain::SelectEnvelopeSize(int index)
{
    if (index >= 0 && index < ComboBoxEnvelopeSize->count())
        ComboBoxEnvelopeSize->setCurrentIndex(index);
}

void TFormStampMain::FillReturnAddressCombo()
{
    ComboBoxReturnAddress->clear();
    for (const ReturnAddress &a : m_session.ReturnAddresses.Entries())
        ComboBoxReturnAddress->addItem(a.Description);
    // The catalog's current entry is the one selected in its dialog's list.
    ComboBoxReturnAddress->setCurrentIndex(
        m_dialogs.ReturnAddresses ? m_dialogs.ReturnAddresses->SelectedIndex() : -1);
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
    MemoReturnAddress->clear();
    const int i = ComboBoxReturnAddress->currentIndex();
    if (i < 0 || i >= ComboBoxReturnAddress->count())
        return;
    if (const ReturnAddress *a = m_session.ReturnAddresses.At(i))
        MemoReturnAddress->setText(a->Lines.join(QLatin1Char('\n')));
}

void TFormStampMain::ComboBoxReturnAddressChange(QObject *)
{
    ShowReturnAddress();
}

void TFormStampMain::OptionsEnvelopeClick(QObject *)
{
    // Closing the dialog reactivates the main window, which refreshes the pickers.
    if (m_dialogs.EnvelopeSizes)
        m_dialogs.EnvelopeSizes->EditEnvelopeSizes(ComboBoxEnvelopeSize->currentIndex());
    // The sizes may have changed in place.
    ScheduleFitCheck();
}

void TFormStampMain::OptionsReturnAddressesClick(QObject *)
{
    if (m_dialogs.ReturnAddresses)
        m_dialogs.ReturnAddresses->ShowCatalog(ComboBoxReturnAddress->currentIndex());
}

} // namespace zentrope
