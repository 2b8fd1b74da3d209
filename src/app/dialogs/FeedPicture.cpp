#include "app/dialogs/FeedPicture.h"

#include "app/controls/Scale.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace zentrope {

namespace {

// The envelope as it is read, 1.0 wide and `ratio` high: its front with the
// return address, the stamp and the address, or its back with the flap.
void drawEnvelope(QPainter &p, double ratio, bool back, const QColor &ink)
{
    const QRectF e(0, 0, 1.0, ratio);
    p.setBrush(Qt::white);
    p.setPen(QPen(ink, 0));
    p.drawRect(e);
    if (back) {
        QPainterPath flap;
        flap.moveTo(0, 0);
        flap.lineTo(0.5, ratio * 0.55);
        flap.lineTo(1.0, 0);
        p.setBrush(Qt::NoBrush);
        p.drawPath(flap);
        return;
    }
    p.setBrush(ink);
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(0.05, ratio * (0.08 + i * 0.09), 0.25 - i * 0.03, ratio * 0.04));
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(0.45, ratio * (0.55 + i * 0.1), 0.35 - i * 0.05, ratio * 0.05));
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRectF(0.86, ratio * 0.07, 0.1, ratio * 0.25));
}

} // namespace

FeedPicture::FeedPicture(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ImageFeed"));
    setMinimumSize(Scale::dp(QSize(180, 150)));
}

void FeedPicture::setProfile(const FeedProfile &profile, bool landscapePaper)
{
    m_profile = profile;
    m_landscapePaper = landscapePaper;
    update();
}

QSize FeedPicture::sizeHint() const
{
    return Scale::dp(QSize(220, 180));
}

void FeedPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paint(p, rect(), m_profile, m_landscapePaper);
}

void FeedPicture::paint(QPainter &p, const QRectF &area, const FeedProfile &profile, bool landscapePaper)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Its own colours, like the envelope on the main window: paper stays white.
    const QColor ink(40, 40, 40);
    p.fillRect(area, QColor(235, 235, 235));

    // The printer's slot along the top, with the direction of the feed.
    const double margin = std::min(area.width(), area.height()) * 0.06;
    const QRectF slot(area.left() + margin, area.top() + margin, area.width() - 2 * margin,
                      area.height() * 0.12);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 90, 90));
    p.drawRoundedRect(slot, 3, 3);
    // The caption goes below the tray.
    QFont f = p.font();
    f.setPixelSize(std::max(9, int(area.height() * 0.07)));
    const double captionHeight = f.pixelSize() * 1.5;
    const QRectF tray(slot.left() + slot.width() * 0.05, slot.bottom(), slot.width() * 0.9,
                      area.bottom() - margin - captionHeight - slot.bottom());
    p.setBrush(QColor(250, 250, 250));
    p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DashLine));
    p.drawRect(tray);

    // On printer paper the printer's orientation decides the feed.
    const bool longFirst =
        profile.Paper == FeedProfile::EnvelopePaper ? profile.LongEdgeFirst : !landscapePaper;
    const bool turn = profile.Paper == FeedProfile::EnvelopePaper && profile.Turn180;
    const double ratio = 0.45; // an envelope about as long as a #10 or DL
    // The envelope's footprint in the tray: across the feed its long side when
    // it enters long edge first.
    const double across = tray.width() * (longFirst ? 0.8 : 0.8 * ratio);
    const double along = longFirst ? across * ratio : across / ratio;
    const double room = tray.width() - across;
    const double x = tray.left() + (profile.Edge == FeedProfile::EdgeLeft     ? 0
                                    : profile.Edge == FeedProfile::EdgeCentre ? room / 2
                                                                              : room);
    const QRectF foot(x, tray.top() + tray.height() * 0.04, across, std::min(along, tray.height() * 0.92));

    // The front as the printer prints it, turned so that the leading edge is
    // at the top; face down the user sees the back, mirrored.
    p.save();
    p.translate(foot.topLeft());
    const double s = longFirst ? foot.width() : foot.height();
    if (profile.FaceDown) {
        p.translate(foot.width(), 0);
        p.scale(-1, 1);
    }
    if (longFirst && !turn) {
        p.scale(s, s);
    } else if (longFirst) {
        p.translate(foot.width(), foot.height());
        p.rotate(180);
        p.scale(s, s);
    } else if (!turn) {
        // The right edge (the stamp end) leads: turned counter-clockwise.
        p.translate(0, foot.height());
        p.rotate(-90);
        p.scale(s, s);
    } else {
        p.translate(foot.width(), 0);
        p.rotate(90);
        p.scale(s, s);
    }
    drawEnvelope(p, ratio, profile.FaceDown, ink);
    p.restore();

    // The arrow of the feed, beside the envelope.
    p.setPen(QPen(ink, 2));
    const double ax = foot.center().x() < tray.center().x() ? tray.right() - margin : tray.left() + margin;
    p.drawLine(QPointF(ax, foot.bottom()), QPointF(ax, slot.bottom() + margin));
    p.drawLine(QPointF(ax, slot.bottom() + margin), QPointF(ax - margin / 2, slot.bottom() + 1.6 * margin));
    p.drawLine(QPointF(ax, slot.bottom() + margin), QPointF(ax + margin / 2, slot.bottom() + 1.6 * margin));

    p.setPen(ink);
    p.setFont(f);
    const QString caption = profile.FaceDown ? tr("Face down") : tr("Face up");
    p.drawText(QRectF(tray.left(), tray.bottom(), tray.width(), captionHeight), Qt::AlignCenter, caption);
    p.restore();
}

} // namespace zentrope
