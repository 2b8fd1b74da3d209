#pragma once

// The envelope the page benchmarks print: a No. 10 envelope with a return
// address and a 3-line destination with ZIP+4, so the bar code is drawn too.
#include "print/page/EnvelopePage.h"

#include <QChar>
#include <QFont>
#include <QString>

namespace zentrope::bench {

inline EnvelopePage SampleEnvelopePage(int i)
{
    EnvelopePage p;
    p.Dimension.Width = 9.5;
    p.Dimension.Height = 4.125;
    p.ReturnFont.Font = QFont(QStringLiteral("Liberation Sans"), 10);
    p.ReturnLines = {QStringLiteral("Zed Sender"), QStringLiteral("9 Home Lane"),
                     QStringLiteral("Hometown, ST 54321")};
    p.AddressFont.Font = QFont(QStringLiteral("Liberation Sans"), 12);
    p.AddressLines = {QStringLiteral("Addressee %1").arg(i),
                      QStringLiteral("%1 Elm Street").arg(1700 + i % 100),
                      QStringLiteral("Anytown, ST %1-6789").arg(10000 + i * 37 % 90000, 5, 10, QChar(u'0'))};
    return p;
}

} // namespace zentrope::bench
