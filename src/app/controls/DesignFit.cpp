#include "app/controls/DesignFit.h"

#include "app/controls/Scale.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QWidget>

namespace zentrope {

namespace {
const char *const kDesign = "zentropeDesignSize";
const char *const kPartner = "zentropeDesignPartner";
const char *const kKeepWidth = "zentropeDesignKeepWidth";
const char *const kKeepHeight = "zentropeDesignKeepHeight";

// The room a control needs beyond its design: all of its text where it shows
// one; a box without a caption keeps its designed width, but a larger font
// may need a taller box.
QSize textRoom(const QWidget *w)
{
    if (const auto *group = qobject_cast<const QGroupBox *>(w))
        return group->minimumSizeHint(); // the title and the controls inside
    if (qobject_cast<const QLabel *>(w) || qobject_cast<const QAbstractButton *>(w) ||
        qobject_cast<const QComboBox *>(w))
        return w->sizeHint();
    if (w->sizePolicy().verticalPolicy() == QSizePolicy::Fixed)
        return {0, w->sizeHint().height()};
    return {};
}
} // namespace

void SetDesignSize(QWidget *control, int width, int height)
{
    control->setProperty(kDesign, QSize(width, height));
}

void KeepDesignWidth(QWidget *control)
{
    control->setProperty(kKeepWidth, true);
}

void KeepDesignHeight(QWidget *control)
{
    control->setProperty(kKeepHeight, true);
}

void ShareDesignPlace(QWidget *a, QWidget *b)
{
    a->setProperty(kPartner, QVariant::fromValue<QObject *>(b));
    b->setProperty(kPartner, QVariant::fromValue<QObject *>(a));
}

void FitToDesign(QWidget *window, QSize design)
{
    const QList<QWidget *> controls = window->findChildren<QWidget *>();
    // Children before their parents: a group's minimum takes in its controls'.
    for (auto it = controls.crbegin(); it != controls.crend(); ++it) {
        QWidget *w = *it;
        const QVariant designed = w->property(kDesign);
        if (!designed.isValid())
            continue;
        QSize least = Scale::dp(designed.toSize()).expandedTo(textRoom(w));
        if (const auto *partner = qobject_cast<QWidget *>(w->property(kPartner).value<QObject *>()))
            least = least.expandedTo(textRoom(partner));
        w->setMinimumSize(least);
        if (w->property(kKeepWidth).toBool())
            w->setMaximumWidth(least.width());
        if (w->property(kKeepHeight).toBool())
            w->setMaximumHeight(least.height());
    }
    QLayout *layout = window->layout();
    if (!layout)
        return;
    layout->invalidate();
    layout->activate();
    window->setFixedSize(layout->totalMinimumSize().expandedTo(Scale::dp(design)));
}

} // namespace zentrope
