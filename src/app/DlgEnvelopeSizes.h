#pragma once

#include <QDialog>

namespace zentrope {

class TDlgEnvelopeSizes : public QDialog {
    Q_OBJECT
public:
    explicit TDlgEnvelopeSizes(QWidget *parent = nullptr);
    // Writes the catalog to section "Envelopes" (the shutdown step).
    void SaveEnvelopes();
};

} // namespace zentrope
