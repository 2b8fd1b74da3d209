#include "platform/PaperPalette.h"

#include "platform/Contrast.h"

namespace zentrope {

QPalette PaperPalette(const QPalette &desktop)
{
    QPalette p = desktop;
    const QColor base = desktop.color(QPalette::Active, QPalette::Base);
    const QColor text = desktop.color(QPalette::Active, QPalette::Text);
    const bool light = RelativeLuminance(base) > 0.5 && ContrastRatio(text, base) >= ReadableContrast;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        if (light) {
            p.setColor(group, QPalette::Window, desktop.color(group, QPalette::Base));
            continue;
        }
        p.setColor(group, QPalette::Window, Qt::white);
        p.setColor(group, QPalette::Base, Qt::white);
        // Disabled text keeps the desktop's grey.
        if (group != QPalette::Disabled) {
            p.setColor(group, QPalette::Text, Qt::black);
            p.setColor(group, QPalette::WindowText, Qt::black);
        }
    }
    return p;
}

} // namespace zentrope
