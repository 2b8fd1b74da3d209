#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

namespace zentrope {

// A horizontal bar with its percentage written on it. The percentage drops
// its fraction ((position - minimum) * 100 / (maximum - minimum)) and is 0
// for an empty range, where QProgressBar would round and turn into a busy
// indicator.
class ProgressGauge : public QWidget {
    Q_OBJECT
public:
    explicit ProgressGauge(QWidget *parent = nullptr);

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int value() const { return m_value; }
    void setMinimum(int v);
    void setMaximum(int v);
    void setValue(int v);
    int percentDone() const;
    // "%d%%" with the percentage done.
    QString text() const;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    int m_minimum = 0;
    int m_maximum = 100;
    int m_value = 50;
};

// The window a print job shows while it produces pages: which copy of which
// envelope, the share of pages done, and Cancel, which stops the job after
// the current page. Created hidden once; the job shows and hides it.
class TFormPrintStatus : public QDialog {
    Q_OBJECT
public:
    explicit TFormPrintStatus(QWidget *parent = nullptr);

    QLabel *PanelStatic = nullptr;
    QLabel *PanelProgress = nullptr;
    ProgressGauge *Gauge = nullptr;
    QPushButton *CancelBtn = nullptr;

    // True while the job may go on; the job sets it, Cancel clears it.
    bool ContinuePrinting = true;

    // For the job: sets ContinuePrinting, a gauge of `maximum` pages at 0, and
    // shows the window centred and on top without waiting for it.
    void Start(int maximum);
    void SetProgress(int pages);
    int Progress() const;
    void SetCopyText(int copy, int envelope);

    void CancelBtnClick(QObject *Sender);

    // At most one repaint per this many milliseconds while a job runs; the
    // texts and the gauge hold every value at once.
    static constexpr int RepaintInterval = 30;

protected:
    // Escape presses Cancel; the window itself stays until the job hides it.
    void reject() override;
    void closeEvent(QCloseEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    bool event(QEvent *e) override;

private:
    // Called before a change: holds the repaints back when the window was
    // painted less than RepaintInterval ago, until that time is up. The
    // job's last change (its last page, or any change after Cancel) is
    // painted at once.
    void PaceRepaints(bool last);
    void ReleaseRepaints();

    QElapsedTimer m_painted;
    QTimer *m_release = nullptr;
    bool m_held = false;
};

} // namespace zentrope
