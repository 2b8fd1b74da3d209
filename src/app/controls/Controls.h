#pragma once

#include <QComboBox>
#include <QFrame>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QList>
#include <QPlainTextEdit>
#include <QWidget>
#include <functional>

namespace zentrope {

// A multi-line address box. It reports clicks and mouse releases as the main
// window's handlers need them, and lets the menu shortcuts win over its own key
// bindings (Ctrl+A is Save As, not Select All).
class MemoControl : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MemoControl(QWidget *parent = nullptr);
    // The box's text as typed: no-break spaces kept, paragraph separators as "\n".
    QString text() const;
    void setText(const QString &text);
    bool modified() const;
    void setModified(bool on);
    // Lines as the platform counts them: a last empty line does not count.
    int lineCount() const;
    void setYieldedShortcuts(QList<QKeySequence> keys) { m_yielded = std::move(keys); }

signals:
    void clicked();
    void doubleClicked();
    void mouseReleased();

protected:
    bool event(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;

private:
    QList<QKeySequence> m_yielded;
};

// An image control with a bitmap surface. The picture is drawn stretched to the
// control or at its own size at the top left; a painter function may draw
// instead (a metafile stays vector-sharp that way).
class ImageControl : public QWidget {
    Q_OBJECT
public:
    explicit ImageControl(QWidget *parent = nullptr);
    void setPicture(const QImage &image);
    const QImage &picture() const { return m_picture; }
    QImage &surface() { return m_picture; } // drawn on in place, then update()
    void setStretch(bool on);
    bool stretch() const { return m_stretch; }
    void setPainter(std::function<void(QPainter &, const QRect &)> painter);

signals:
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;

private:
    QImage m_picture;
    bool m_stretch = true;
    std::function<void(QPainter &, const QRect &)> m_painter;
};

// A drop-down list that reports the opening of its list.
class PickerCombo : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    void showPopup() override;
signals:
    void popupOpened();
};

// A lowered status panel with a caption.
class StatusPanel : public QLabel {
    Q_OBJECT
public:
    explicit StatusPanel(const QString &caption, QWidget *parent = nullptr);
};

// A panel whose resize is reported, for the envelope layout.
class ResizePanel : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;
signals:
    void resized();

protected:
    void resizeEvent(QResizeEvent *e) override;
};

} // namespace zentrope
