#pragma once

#include "app/dialogs/CatalogDialog.h"
#include "envelope/ReturnAddressCatalog.h"

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zentrope {

class MemoControl;
class TDlgNewReturnAddress;
class TQevIniFile;

// "Define Return Addresses": the editor of the return address catalog. The
// list box and the main window's picker are refilled from the catalog, index
// for index; the dialog reports its changes through its signals. The entry
// selected in its list is the catalog's current one.
class TDlgReturnAddresses : public CatalogDialog {
    Q_OBJECT
public:
    TDlgReturnAddresses(ReturnAddressCatalog &catalog, TQevIniFile &settings,
                        std::function<TDlgNewReturnAddress &()> nameDialog, QWidget *parent = nullptr);

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

    // Shows the catalog as the session loaded it.
    void FormCreate(QObject *Sender);
    void FormActivate(QObject *Sender);
    void ListAddressesKeyUp(QObject *Sender);
    void ListAddressesMouseUp(QObject *Sender);
    void AddBtnClick(QObject *Sender);
    void RenameBtnClick(QObject *Sender);
    void DeleteBtnClick(QObject *Sender);
    void DefaultBtnClick(QObject *Sender);
    void MemoDetailsChange(QObject *Sender);

    // The main window's "Return Addresses..." command, with the picker's
    // current entry selected; returns the modal result.
    int ShowCatalog(int picked);
    void ShowDetails();
    void ShowDefault();
    // Writes the catalog to section "ReturnAddresses" (after Add, Rename and at shutdown).
    void SaveAddresses();
    // Laid out for its texts and font each time it opens.
    void setVisible(bool visible) override;

signals:
    // The catalog's entries changed: the picker is refilled.
    void catalogChanged();
    // The entry at index is shown: the picker selects it and shows it.
    void addressShown(int index);
    // The selected entry's lines changed: the return address box follows.
    void detailsChanged();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;
    int CatalogCount() const override { return FCatalog.Count(); }
    void SetCatalogCurrent(int index) override { FCatalog.SetCurrentIndex(index); }
    void ListKeyUp() override;
    void ListMouseUp() override;

private:
    void CreateControls();
    void FillList(int selected);

    ReturnAddressCatalog &FCatalog;
    TQevIniFile &FSettings;
    // Made at its first use.
    std::function<TDlgNewReturnAddress &()> FNameDialog;
    bool FShown = false;
};

} // namespace zentrope
