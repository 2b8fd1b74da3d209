#pragma once

#include "envelope/FeedProfile.h"

#include <QWidget>

namespace zentrope {

// How to put the envelope into the printer, seen from above in front of the
// printer: the slot at the top, the envelope where it lies across the tray,
// the edge that enters first towards the slot, its front (address and stamp)
// when it goes in face up and its back (the flap) when face down.
class FeedPicture : public QWidget {
    Q_OBJECT
public:
    explicit FeedPicture(QWidget *parent = nullptr);

    // The profile shown; on printer paper the printer's orientation decides
    // which edge enters first (landscape: short edge, the right one).
    void setProfile(const FeedProfile &profile, bool landscapePaper);
    QSize sizeHint() const override;

    // Draws the picture into a rectangle (the widget, and tests on an image).
    static void paint(QPainter &painter, const QRectF &area, const FeedProfile &profile, bool landscapePaper);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    FeedProfile m_profile;
    bool m_landscapePaper = false;
};

} // namespace zentrope
