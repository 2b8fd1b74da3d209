#pragma once

#include "app/dialogs/CatalogDialog.h"
#include "envelope/EnvelopeSizeCatalog.h"
#include "envelope/LengthUnit.h"
#include "platform/CornerGraphic.h"

#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zentrope {

class TDlgNewEnvelopeSize;
class TQevIniFile;

// "Define Envelope Sizes": the editor of the envelope size catalog. The list
// box and the main window's picker are refilled from the catalog, index for
// index; the dialog reports its changes through its signals.
class TDlgEnvelopeSizes : public CatalogDialog {
    Q_OBJECT
public:
    TDlgEnvelopeSizes(EnvelopeSizeCatalog &catalog, TQevIniFile &settings, const CornerGraphic &graphic,
                      std::function<TDlgNewEnvelopeSize &()> nameDialog, QWidget *parent = nullptr);

    QLabel *LabelSizes = nullptr;
    QListWidget *ListBoxEnvelopes = nullptr;
    QLabel *LabelDefaultSize = nullptr;
    QLineEdit *EditDefault = nullptr;
    QGroupBox *GroupBoxDetails = nullptr;
    QLineEdit *EditDetailWidth = nullptr;
    QLabel *LabelX1 = nullptr;
    QLineEdit *EditDetailHeight = nullptr;
    QLabel *LabelIndent = nullptr;
    QLineEdit *EditDetailIndent = nullptr;
    QGroupBox *GroupBoxGraphic = nullptr;
    QLineEdit *EditGraphicWidth = nullptr;
    QLabel *LabelX2 = nullptr;
    QLineEdit *EditGraphicHeight = nullptr;
    QLabel *LabelUnits = nullptr;
    QComboBox *ComboBoxUnits = nullptr; // "Inches", "Millimetres"
    QPushButton *AddBtn = nullptr;
    QPushButton *RenameBtn = nullptr;
    QPushButton *SetupBtn = nullptr;
    QPushButton *DeleteBtn = nullptr;
    QPushButton *DefaultBtn = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *HelpBtn = nullptr;

    bool FUpdating = false; // ShowEnvelopeDetails is filling the boxes
    // Of the size and graphic boxes: from the settings file, or the locale's.
    LengthUnit FUnit = LengthUnit::Inches;

    // --- Handlers ------------------------------------------------------------------------------
    // Shows the catalog as the session loaded it.
    void FormCreate(QObject *Sender);
    void FormActivate(QObject *Sender);
    void ListBoxEnvelopesKeyUp(QObject *Sender);
    void ListBoxEnvelopesMouseUp(QObject *Sender);
    void EditDetailDimensionsChange(QObject *Sender);
    void EditGraphicDimensionChange(QObject *Sender);
    // The unit chosen: the boxes show their lengths in it, and it is stored.
    void ComboBoxUnitsChange(QObject *Sender);
    void DefaultBtnClick(QObject *Sender);
    void AddBtnClick(QObject *Sender);
    void RenameBtnClick(QObject *Sender);
    void DeleteBtnClick(QObject *Sender);
    void SetupBtnClick(QObject *Sender);
    void OKBtnClick(QObject *Sender);

    void ShowDefaultEnvelope();
    void ShowEnvelopeDetails();
    // Writes the catalog to section "Envelopes" (after Add, Rename and at shutdown).
    void SaveEnvelopes();
    // The main window's "Envelope Sizes..." command: shows the dialog modally
    // with the picker's current size selected.
    void EditEnvelopeSizes(int current);
    // Laid out for its texts and font each time it opens.
    void setVisible(bool visible) override;

signals:
    // The catalog's entries changed: the picker is refilled.
    void catalogChanged();
    // The size at index is shown: the picker selects it too.
    void envelopeShown(int index);
    // Setup on the "Printer Setup" size asks for the printer setup.
    void printSetupRequested();

protected:
    void showEvent(QShowEvent *e) override;
    int CatalogCount() const override { return FCatalog.Count(); }
    void SetCatalogCurrent(int index) override { FCatalog.SetCurrentIndex(index); }
    void ListKeyUp() override;
    void ListMouseUp() override;

private:
    void CreateControls();
    void FillList(int selected);
    // FUnit in the units list and the boxes' hints.
    void ShowUnit();
    void ShowGraphicSize();

    EnvelopeSizeCatalog &FCatalog;
    TQevIniFile &FSettings;
    const CornerGraphic &FGraphic;
    // Made at its first use.
    std::function<TDlgNewEnvelopeSize &()> FNameDialog;
};

} // namespace zentrope
