#pragma once

#include <QDialog>
#include <QFont>
#include <cstdint>

class QComboBox;
class QFontDialog;
class QListWidget;
class QPushButton;

namespace zentrope {

// The font dialog of the address fonts: scalable faces, any size, the effects
// underline and strike-out, and a colour from the sixteen basic colours (the
// colour is the settings file's colour number: red in the lowest byte).
class AddressFontDialog : public QDialog {
    Q_OBJECT
public:
    explicit AddressFontDialog(QWidget *parent = nullptr);

    void setCurrentFont(const QFont &font);
    QFont currentFont() const;
    void setColor(int32_t color);
    int32_t color() const;

    QFontDialog *FontChooser = nullptr;
    QListWidget *ListFamilies = nullptr; // each family once, in place of the chooser's own list
    QComboBox *ComboBoxColor = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;

private:
    void ReplaceFamilyList();
};

} // namespace zentrope
