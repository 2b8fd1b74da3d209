#pragma once

#include "envelope/ReturnAddressCatalog.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zentrope {

class MemoControl;

// "Define Return Addresses": the return address catalog and its editor. The
// catalog lives here from start-up to shutdown; the list box and the main
// window's picker are refilled from it, index for index.
class TDlgReturnAddresses : public QDialog {
    Q_OBJECT
public:
    // Loads the catalog and fills the main window's return address picker.
    explicit TDlgReturnAddresses(QWidget *parent = nullptr);
    ~TDlgReturnAddresses() override;

    QLabel *LabelReturnAddresses = nullptr;
    QListWidget *ListAddresses = nullptr;
    QLabel *LabelDefaultReturn = nullptr;
    QLineEdit *EditDefault = nullptr;
    QLabel *LabelDetails = nullptr;
    MemoControl *MemoDetails = nullptr;
    QPushButton *AddBtn = nullptr;
    QPushButton *RenameBtn = nullptr;
    QPushButton *DeleteBtn = nullptr;
    QPushButton *DefaultBtn = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *HelpBtn = nullptr;

    bool Updating = false; // ShowDetails is filling MemoDetails

    // The catalog entry at index (the main window's picker mirrors the
    // catalog); nullptr outside the catalog.
    const ReturnAddress *Address(int index) const { return FCatalog.At(index); }
    int Count() const { return FCatalog.Count(); }
    int DefaultIndex() const { return FCatalog.DefaultIndex; }
    TReturnAddressCatalog &Catalog() { return FCatalog; }
    const TReturnAddressCatalog &Catalog() const { return FCatalog; }
    // The list box's selected position (-1 for none).
    int SelectedIndex() const;

    void FormCreate(QObject *Sender);
    void FormActivate(QObject *Sender);
    void ListAddressesKeyUp(QObject *Sender);
    void ListAddressesMouseUp(QObject *Sender);
    void AddBtnClick(QObject *Sender);
    void RenameBtnClick(QObject *Sender);
    void DeleteBtnClick(QObject *Sender);
    void DefaultBtnClick(QObject *Sender);
    void MemoDetailsChange(QObject *Sender);

    // The main window's "Return Addresses..." command; returns the modal result.
    int ShowCatalog();
    void ShowDetails();
    void ShowDefault();
    // Writes the catalog to section "ReturnAddresses" (after Add, Rename and at shutdown).
    void SaveAddresses();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    void CreateControls();
    void FillList(int selected);

    TReturnAddressCatalog FCatalog;
};

} // namespace zentrope
