#pragma once

#include "envelope/EnvelopeSizeCatalog.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zentrope {

// "Define Envelope Sizes": the envelope size catalog and its editor. The
// catalog lives here from start-up to shutdown; the list box and the main
// window's picker are refilled from it, index for index.
class TDlgEnvelopeSizes : public QDialog {
    Q_OBJECT
public:
    // Loads the catalog and fills the main window's size picker with the
    // default size selected.
    explicit TDlgEnvelopeSizes(QWidget *parent = nullptr);
    ~TDlgEnvelopeSizes() override;

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
    QPushButton *AddBtn = nullptr;
    QPushButton *RenameBtn = nullptr;
    QPushButton *SetupBtn = nullptr;
    QPushButton *DeleteBtn = nullptr;
    QPushButton *DefaultBtn = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *HelpBtn = nullptr;

    bool FUpdating = false; // ShowEnvelopeDetails is filling the boxes

    // --- What the print job and the main window read ------------------------------------------
    // The catalog entry at index (the main window's picker mirrors the catalog,
    // so the current size is Envelope(ComboBoxEnvelopeSize->currentIndex()));
    // nullptr outside the catalog.
    const EnvelopeSize *Envelope(int index) const { return FCatalog.At(index); }
    int Count() const { return FCatalog.Count(); }
    double FGraphicX() const { return FCatalog.FGraphicX; }
    double FGraphicY() const { return FCatalog.FGraphicY; }
    int FDefaultIndex() const { return FCatalog.FDefaultIndex; }
    TEnvelopeSizeCatalog &Catalog() { return FCatalog; }
    const TEnvelopeSizeCatalog &Catalog() const { return FCatalog; }

    // --- Handlers ------------------------------------------------------------------------------
    void FormCreate(QObject *Sender);
    void FormActivate(QObject *Sender);
    void ListBoxEnvelopesKeyUp(QObject *Sender);
    void ListBoxEnvelopesMouseUp(QObject *Sender);
    void EditDetailDimensionsChange(QObject *Sender);
    void EditGraphicDimensionChange(QObject *Sender);
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
    // The main window's "Envelope Sizes..." command: shows the dialog modally.
    void EditEnvelopeSizes();

    // The list box's selected index (-1 for none).
    int SelectedIndex() const;

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    void CreateControls();
    void FillList(int selected);

    TEnvelopeSizeCatalog FCatalog;
};

} // namespace zentrope
