#include "app/mainwindow/FormStampMain.h"

#include "app/controls/Controls.h"
#include "app/controls/Scale.h"
#include "app/prompt/Guard.h"
#include "document/AddressLines.h"
#include "print/PrinterDevice.h"
#include "print/page/EnvelopeDesign.h"
#include "print/page/EnvelopeFit.h"

#include <QComboBox>
#include <QPrinter>
#include <QTimer>
#include <algorithm>

namespace zentrope {

// Whether the envelopes of the address box fit the chosen envelope size. The
// check lays each envelope out as the printer would (EnvelopeFit.h), after a
// short pause in the changes, and remembers the findings of envelopes whose
// text and layout have not changed, so typing re-measures one envelope only.

namespace {
constexpr int FitPauseMs = 150;
constexpr int FitCacheLimit = 20000;
// Envelopes laid out in one go (about 50 us each): a large document opened
// is measured in slices, so the window keeps answering.
constexpr int FitSlice = 300;

} // namespace

void TFormStampMain::CreateFitCheck()
{
    FitTimer = new QTimer(this);
    FitTimer->setObjectName(QStringLiteral("FitTimer"));
    FitTimer->setSingleShot(true);
    FitTimer->setInterval(FitPauseMs);
    connect(FitTimer, &QTimer::timeout, this, Guard([this] { CheckEnvelopeFit(); }));
    const auto schedule = Guard([this] { ScheduleFitCheck(); });
    connect(FComposer, &EnvelopeComposer::changed, this, schedule);
}

void TFormStampMain::ScheduleFitCheck()
{
    if (FitTimer)
        FitTimer->start();
}

void TFormStampMain::CheckEnvelopeFit()
{
    int failing = 0;
    if (const std::optional<EnvelopeSize> &size = FComposer->size()) {
        EnvelopePage page = MakeEnvelopePage(FComposer->design(), {});
        // Only what the printer keeps at hand: no request goes to the print system.
        PrinterDevice &printer = Printer();
        page.DpiX = printer.DpiX() > 0 ? printer.DpiX() : 600;
        page.DpiY = printer.DpiY() > 0 ? printer.DpiY() : 600;
        if (size->IsPrinterSetup()) {
            page.PrintableWidthMM = printer.QtPrinter().widthMM();
            page.PrintableHeightMM = printer.QtPrinter().heightMM();
        }

        const auto number = [](double v) { return QString::number(v, 'g', 17); };
        const QString key = QStringList{QString::number(page.DpiX),
                                        QString::number(page.DpiY),
                                        page.SizeName,
                                        number(page.Dimension.Width),
                                        number(page.Dimension.Height),
                                        number(page.Dimension.Indent),
                                        QString::number(page.PrintableWidthMM),
                                        QString::number(page.PrintableHeightMM),
                                        QString::number(page.GraphicLoaded),
                                        QString::number(page.GraphicPixels.width()),
                                        QString::number(page.GraphicPixels.height()),
                                        number(page.GraphicX),
                                        number(page.GraphicY),
                                        page.ReturnFont.Font.toString(),
                                        page.ReturnLines.join(u'\n'),
                                        page.AddressFont.Font.toString(),
                                        QString::number(page.PrintBarCode)}
                                .join(QChar(0x1F));
        const EnvelopeList envelopes = FComposer->envelopes();
        // Findings of texts no longer in the box pile up while typing: dropped
        // now and then, never below what the document itself needs.
        if (key != FFitKey || FFitCache.size() > std::max(FitCacheLimit, 2 * envelopes.EnvelopeCount())) {
            FFitCache.clear();
            FFitKey = key;
        }
        int measured = 0;
        for (int e = 1; e <= envelopes.EnvelopeCount() && !failing; ++e) {
            page.AddressLines = envelopes.Envelope(e);
            const QString text = page.AddressLines.join(u'\n');
            auto found = FFitCache.constFind(text);
            if (found == FFitCache.constEnd()) {
                if (++measured > FitSlice) {
                    // The rest in a later turn of the event loop; what is known is kept.
                    QTimer::singleShot(0, this, Guard([this] { CheckEnvelopeFit(); }));
                    return;
                }
                found = FFitCache.insert(text, MeasureEnvelopeFit(page).Fits);
            }
            if (!found.value())
                failing = e;
        }
    }

    const QString hint = failing ? tr("Envelope %1 does not fit the envelope size.").arg(failing) : QString();
    if (hint == FFitHint)
        return;
    const bool shown = !FFitHint.isEmpty() && PanelHints->text() == QLatin1Char(' ') + FFitHint;
    FFitHint = hint;
    if (!hint.isEmpty())
        ShowHint(hint);
    else if (shown)
        ShowHint(QString());
}

} // namespace zentrope
