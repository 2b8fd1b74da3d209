#pragma once

#include "support/CupsServer.h"

#include <QMap>
#include <QString>

namespace zentrope::test {

// Queues of the private CUPS server driven by real printer drivers (the PPDs
// Debian's driver packages install). Their device is the listener of the raw
// queue CupsServer::RawA, so what the driver made for the printer arrives in
// receivedFiles(CupsServer::RawA).
//
// Adds (or replaces) queue `name` with `model`, a PPD name as `lpinfo -m`
// lists it ("drv:///brlaser.drv/br5370.ppd", "openprinting-ppds:0/..."). With
// rasterOut the driver's last filter is dropped, so the device receives the
// CUPS raster the driver would have turned into the printer's language.
bool AddDriverQueue(CupsServer &cups, const QString &name, const QString &model, bool rasterOut,
                    QString *error);

// The %%BeginFeature settings of a PostScript job ("PageSize" -> "Env10",
// "InputSlot" -> "Tray1", "ManualFeed" -> "True"), the first of each; a
// PageRegion counts as the PageSize, a CustomPageSize as PageSize "Custom".
QMap<QString, QString> PostScriptFeatures(const QString &file);

// The first page header of a CUPS raster stream: "cupsPageSize" ("297x684"),
// "PageSize", "MediaPosition", "ManualFeed"; empty when the file is no raster.
QMap<QString, QString> RasterHeader(const QString &file);

} // namespace zentrope::test
