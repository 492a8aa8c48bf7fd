// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/Printing.h"

#include <algorithm>

#include <QPageLayout>
#include <QPagedPaintDevice>

#include "canvas/Surface.h"
#include "files/PlatformServices.h"

namespace {

constexpr double kTwipsPerInch = 1440.0;

} // namespace

QRectF printPlacement(QSizeF pictureInches, QSizeF printableInches)
{
    if (pictureInches.isEmpty() || printableInches.isEmpty())
        return QRectF();
    if (pictureInches.width() <= printableInches.width() &&
        pictureInches.height() <= printableInches.height())
        return QRectF(QPointF(0, 0), pictureInches);
    const double scale = std::min(printableInches.width() / pictureInches.width(),
                                  printableInches.height() / pictureInches.height());
    return QRectF(QPointF(0, 0), pictureInches * scale);
}

bool landscapeFor(QSizeF pictureInches)
{
    return pictureInches.width() > pictureInches.height();
}

QSizeF canvasInches(const Surface& canvas)
{
    const QSize pixels = canvas.sizePx();
    return QSizeF(pixels.width() * canvas.twipsPerPixel() / kTwipsPerInch,
                  pixels.height() * canvas.twipsPerPixel() / kTwipsPerInch);
}

bool printCanvas(const Surface& canvas, PlatformServices& services)
{
    return services.print(canvas.persistentImage(), canvasInches(canvas));
}

QRectF placeOnSheet(QPagedPaintDevice& sheet, QSizeF pictureInches)
{
    sheet.setPageOrientation(landscapeFor(pictureInches) ? QPageLayout::Landscape : QPageLayout::Portrait);
    return printPlacement(pictureInches, sheet.pageLayout().paintRect(QPageLayout::Inch).size());
}
