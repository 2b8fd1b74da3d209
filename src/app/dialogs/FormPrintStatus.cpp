#include "app/dialogs/FormPrintStatus.h"

#include "app/prompt/Guard.h"
#include "app/controls/Scale.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

namespace zentrope {

ProgressGauge::ProgressGauge(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Gauge"));
}

void ProgressGauge::setMinimum(int v)
{
    m_minimum = v;
    update();
}

void ProgressGauge::setMaximum(int v)
{
    m_maximum = v;
    update();
}

void ProgressGauge::setValue(int v)
{
    m_value = v;
    update();
}

int ProgressGauge::percentDone() const
{
    const qint64 range = qint64(m_maximum) - m_minimum;
    if (range == 0)
        return 0;
    return int((qint64(m_value) - m_minimum) * 100 / range);
}

QString ProgressGauge::text() const
{
    return QString::asprintf("%d%%", percentDone());
}

void ProgressGauge::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, Qt::white);
    const int filled = int(qint64(r.width()) * std::clamp(percentDone(), 0, 100) / 100);
    p.fillRect(QRect(r.left(), r.top(), filled, r.height()), QColor(0, 255, 255)); // aqua
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignCenter, text());
    p.setPen(palette().color(QPalette::Mid));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

TFormPrintStatus::TFormPrintStatus(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormPrintStatus"));
    setWindowTitle(QStringLiteral("Zentrope"));
    // A dialog frame with a title only: no system menu, minimize, maximize or close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
    setFixedSize(Scale::dp(QSize(317, 165)));

    QFont f = font();
    f.setPixelSize(Scale::dp(14));
    f.setBold(true);
    setFont(f);

    const auto panel = [this](const char *name, const QString &text, int top) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        l->setAlignment(Qt::AlignCenter);
        l->setGeometry(Scale::dp(0, top, 317, 36));
        return l;
    };
    PanelStatic = panel("PanelStatic", tr("Zentrope is printing..."), 0);
    PanelProgress = panel("PanelProgress", tr("Copy X of Envelope X"), 36);

    Gauge = new ProgressGauge(this);
    Gauge->setGeometry(Scale::dp(0, 72, 317, 32));

    CancelBtn = new QPushButton(tr("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(Scale::dp(110, 118, 95, 33));
    CancelBtn->setAutoDefault(false);
    connect(CancelBtn, &QPushButton::clicked, this, Guard([this] { CancelBtnClick(CancelBtn); }));

    m_release = new QTimer(this);
    m_release->setSingleShot(true);
    connect(m_release, &QTimer::timeout, this, [this] { ReleaseRepaints(); });
}

void TFormPrintStatus::Start(int maximum)
{
    ReleaseRepaints();
    m_painted.invalidate();
    ContinuePrinting = true;
    Gauge->setMinimum(0);
    Gauge->setMaximum(maximum);
    Gauge->setValue(0);
    // Application-modal while the job runs: Cancel works, and nothing else can
    // close or change the main window under the job.
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
}

void TFormPrintStatus::SetProgress(int pages)
{
    PaceRepaints(pages >= Gauge->maximum());
    Gauge->setValue(pages);
}

int TFormPrintStatus::Progress() const
{
    return Gauge->value();
}

void TFormPrintStatus::SetCopyText(int copy, int envelope)
{
    PaceRepaints(false);
    PanelProgress->setText(tr("Copy %1 of Envelope %2").arg(copy).arg(envelope));
}

void TFormPrintStatus::CancelBtnClick(QObject *)
{
    ContinuePrinting = false;
}

void TFormPrintStatus::reject()
{
    CancelBtn->click();
}

void TFormPrintStatus::closeEvent(QCloseEvent *e)
{
    // Only the job hides this window; a close request counts as Cancel.
    if (!isVisible()) {
        QDialog::closeEvent(e);
        return;
    }
    e->ignore();
    CancelBtn->click();
}

void TFormPrintStatus::PaceRepaints(bool last)
{
    // Pages come faster than anyone reads them, and painting the window for
    // each one costs more than the page.
    if (last || !ContinuePrinting || !isVisible()) {
        ReleaseRepaints();
        return;
    }
    if (m_held || !m_painted.isValid() || m_painted.hasExpired(RepaintInterval))
        return;
    m_held = true;
    setUpdatesEnabled(false);
    m_release->start(int(RepaintInterval - m_painted.elapsed()));
}

void TFormPrintStatus::ReleaseRepaints()
{
    m_release->stop();
    if (m_held) {
        m_held = false;
        // Repaints the whole window with the values of now.
        setUpdatesEnabled(true);
    }
}

bool TFormPrintStatus::event(QEvent *e)
{
    if (e->type() == QEvent::UpdateRequest && updatesEnabled())
        m_painted.start();
    return QDialog::event(e);
}

void TFormPrintStatus::hideEvent(QHideEvent *e)
{
    ReleaseRepaints();
    QDialog::hideEvent(e);
}

void TFormPrintStatus::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

} // namespace zentrope
