#include "app/controls/Controls.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QStyle>
#include <QPainter>
#include <QTextBlock>

namespace zentrope {

MemoControl::MemoControl(QWidget *parent) : QPlainTextEdit(parent)
{
    // Tab and Shift+Tab move on to the next control, as in any other field;
    // Ctrl+Tab types a tab.
    setTabChangesFocus(true);
}

void MemoControl::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Tab && e->modifiers() == Qt::ControlModifier) {
        if (!isReadOnly())
            insertPlainText(QStringLiteral("\t"));
        e->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

QString MemoControl::text() const
{
    QString t = document()->toRawText();
    t.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    t.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return t;
}

void MemoControl::setText(const QString &text)
{
    setPlainText(text);
}

bool MemoControl::modified() const
{
    return document()->isModified();
}

void MemoControl::setModified(bool on)
{
    document()->setModified(on);
}

int MemoControl::lineCount() const
{
    const QTextDocument *d = document();
    int n = d->blockCount();
    if (d->lastBlock().text().isEmpty())
        --n;
    return n;
}

bool MemoControl::event(QEvent *e)
{
    if (e->type() == QEvent::ShortcutOverride) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() == Qt::Key_Tab && k->modifiers() == Qt::ControlModifier) {
            e->accept(); // the box's own key, before any window shortcut
            return true;
        }
        const QKeySequence seq(k->keyCombination());
        for (const QKeySequence &y : m_yielded) {
            if (y.matches(seq) == QKeySequence::ExactMatch) {
                e->ignore(); // the menu's shortcut takes the key
                return true;
            }
        }
    }
    return QPlainTextEdit::event(e);
}

void MemoControl::mousePressEvent(QMouseEvent *e)
{
    QPlainTextEdit::mousePressEvent(e);
    // A click is the left button's; the other buttons open menus or paste.
    if (e->button() == Qt::LeftButton)
        emit clicked();
}

void MemoControl::mouseReleaseEvent(QMouseEvent *e)
{
    QPlainTextEdit::mouseReleaseEvent(e);
    emit mouseReleased();
}

void MemoControl::mouseDoubleClickEvent(QMouseEvent *e)
{
    QPlainTextEdit::mouseDoubleClickEvent(e);
    emit doubleClicked();
}

ImageControl::ImageControl(QWidget *parent) : QWidget(parent)
{
}

void ImageControl::setPicture(const QImage &image)
{
    m_picture = image;
    m_painter = nullptr;
    update();
}

void ImageControl::setStretch(bool on)
{
    m_stretch = on;
    update();
}

void ImageControl::setPainter(std::function<void(QPainter &, const QRect &)> painter)
{
    m_painter = std::move(painter);
    update();
}

void ImageControl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_painter) {
        m_painter(p, rect());
        return;
    }
    if (m_picture.isNull())
        return;
    if (m_stretch) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), m_picture);
    } else {
        p.drawImage(QPoint(0, 0), m_picture);
    }
}

void ImageControl::mouseReleaseEvent(QMouseEvent *e)
{
    QWidget::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
}

void ImageControl::mouseDoubleClickEvent(QMouseEvent *e)
{
    QWidget::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton)
        emit doubleClicked();
}

void PickerCombo::showPopup()
{
    emit popupOpened();
    // The list as wide as its longest entry; the box keeps its designed width.
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + 2 * view()->frameWidth() +
                            style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    QComboBox::showPopup();
}

StatusPanel::StatusPanel(const QString &caption, QWidget *parent) : QLabel(caption, parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTextFormat(Qt::PlainText);
}

void ResizePanel::resizeEvent(QResizeEvent *e)
{
    QFrame::resizeEvent(e);
    emit resized();
}

} // namespace zentrope
