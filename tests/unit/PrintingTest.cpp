// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>

#include "canvas/Surface.h"
#include "files/Printing.h"
#include "files/QtPlatformServices.h"
#include "support/PdfProbe.h"
#include "support/ScriptedServices.h"
#include "support/SurfaceCompare.h"

namespace {

// A PDF printer with an A4 page and margins of 10 mm all round, so the
// printable area is 190 x 277 mm upright and 277 x 190 mm on its side.
void setUpPdf(QPrinter& printer, const QString& path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

QImage solidBlue(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 255));
    return image;
}

constexpr double kDotsPerMm = 96 / 25.4;

} // namespace

TEST(PrintPlacement, APictureThatFitsKeepsItsTrueSizeAtTheOrigin)
{
    EXPECT_EQ(printPlacement(QSizeF(4, 3), QSizeF(8, 10.5)), QRectF(0, 0, 4, 3));
    EXPECT_EQ(printPlacement(QSizeF(8, 10.5), QSizeF(8, 10.5)), QRectF(0, 0, 8, 10.5));
}

TEST(PrintPlacement, ALargerPictureIsScaledDownWithItsProportions)
{
    // Too wide: 20 x 10 into 10 x 7.5 halves it.
    EXPECT_EQ(printPlacement(QSizeF(20, 10), QSizeF(10, 7.5)), QRectF(0, 0, 10, 5));
    // Too tall: 6 x 20 into 8 x 10 halves it.
    EXPECT_EQ(printPlacement(QSizeF(6, 20), QSizeF(8, 10)), QRectF(0, 0, 3, 10));
    // A 1920 x 1080 canvas (20 x 11.25 inches) on a landscape letter page
    // with half-inch margins (10 x 7.5): its width decides, 10 x 5.625.
    EXPECT_EQ(printPlacement(QSizeF(20, 11.25), QSizeF(10, 7.5)), QRectF(0, 0, 10, 5.625));
}

TEST(PrintPlacement, WiderThanTallGoesOnALandscapePage)
{
    EXPECT_TRUE(landscapeFor(QSizeF(20, 11.25)));
    EXPECT_FALSE(landscapeFor(QSizeF(3, 4)));
    EXPECT_FALSE(landscapeFor(QSizeF(5, 5)));
}

TEST(PrintCanvas, PrintsThePersistentImageAtTheCanvasSize)
{
    Surface canvas(QSize(480, 240), 15.0);
    canvas.setAutoRedraw(true);
    canvas.line(QPointF(0, 1500), QPointF(7000, 1500), kBlue);
    canvas.setAutoRedraw(false);
    canvas.line(QPointF(0, 2500), QPointF(7000, 2500), kGreen); // a preview only

    ScriptedServices services;
    EXPECT_TRUE(printCanvas(canvas, services));
    ASSERT_EQ(services.printed.size(), 1u);
    // 480 pixels of 15 twips are 7200 twips, 5 inches; 240 pixels 2.5 inches.
    EXPECT_EQ(services.printed[0].sizeInches, QSizeF(5, 2.5));
    EXPECT_EQ(firstDifference(services.printed[0].image, canvas.persistentImage()), QPoint(-1, -1));
    EXPECT_GT(countPixels(services.printed[0].image, kBlue), 400);
    EXPECT_EQ(countPixels(services.printed[0].image, kGreen), 0);
}

TEST(PrintCanvas, WithoutAPrinterNothingIsPrinted)
{
    Surface canvas(QSize(48, 24));
    ScriptedServices services;
    services.printerPresent = false;
    EXPECT_FALSE(printCanvas(canvas, services));
    EXPECT_TRUE(services.printed.empty());
}

namespace {

// The page printed into a fresh PDF on A4 with 10 mm margins, rendered at 96
// dots per inch, or a null image when the tools to render it are missing.
QImage printedPage(const QImage& image, QSizeF sizeInches)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("pagina.pdf");
    QPrinter printer(QPrinter::HighResolution);
    setUpPdf(printer, pdf);
    EXPECT_TRUE(printImage(printer, image, sizeInches));
    EXPECT_TRUE(startsAsPdf(pdf));
    if (!havePopplerTools())
        return QImage();
    EXPECT_EQ(pdfPageCount(pdf), 1);
    return renderFirstPage(pdf, 96);
}

} // namespace

TEST(PrintToPdf, AWideCanvasThatFitsIsPrintedAtItsTrueSizeOnALandscapePage)
{
    // 300 x 150 pixels of 15 twips: 3.125 x 1.5625 inches.
    const QImage page = printedPage(solidBlue(QSize(300, 150)), QSizeF(3.125, 1.5625));
    if (page.isNull())
        GTEST_SKIP() << "pdfinfo and pdftoppm (poppler-utils) are needed to look into the PDF";
    EXPECT_GT(page.width(), page.height()) << "landscape page";
    // At 96 dots per inch the picture is 300 x 150 dots again, 10 mm (37.8
    // dots) from the page's top-left corner.
    const QRect blue = blueBounds(page);
    EXPECT_NEAR(blue.left(), 10 * kDotsPerMm, 1.5);
    EXPECT_NEAR(blue.top(), 10 * kDotsPerMm, 1.5);
    EXPECT_NEAR(blue.width(), 300, 2);
    EXPECT_NEAR(blue.height(), 150, 2);
}

TEST(PrintToPdf, ATallCanvasThatFitsIsPrintedAtItsTrueSizeOnAnUprightPage)
{
    const QImage page = printedPage(solidBlue(QSize(150, 300)), QSizeF(1.5625, 3.125));
    if (page.isNull())
        GTEST_SKIP() << "pdfinfo and pdftoppm (poppler-utils) are needed to look into the PDF";
    EXPECT_LT(page.width(), page.height()) << "upright page";
    const QRect blue = blueBounds(page);
    EXPECT_NEAR(blue.left(), 10 * kDotsPerMm, 1.5);
    EXPECT_NEAR(blue.top(), 10 * kDotsPerMm, 1.5);
    EXPECT_NEAR(blue.width(), 150, 2);
    EXPECT_NEAR(blue.height(), 300, 2);
}

TEST(PrintToPdf, ALargerCanvasIsScaledToFitALandscapePage)
{
    // 1920 x 1080 pixels of 15 twips: 20 x 11.25 inches.
    const QImage page = printedPage(solidBlue(QSize(1920, 1080)), QSizeF(20, 11.25));
    if (page.isNull())
        GTEST_SKIP() << "pdfinfo and pdftoppm (poppler-utils) are needed to look into the PDF";
    EXPECT_GT(page.width(), page.height()) << "landscape page";
    // The printable area is 277 x 190 mm; 16:9 at 277 mm wide is 155.8 mm
    // tall, which fits, so the width decides.
    const QRect blue = blueBounds(page);
    EXPECT_NEAR(blue.left(), 10 * kDotsPerMm, 1.5);
    EXPECT_NEAR(blue.top(), 10 * kDotsPerMm, 1.5);
    EXPECT_NEAR(blue.width(), 277 * kDotsPerMm, 2);
    EXPECT_NEAR(blue.height(), 155.8125 * kDotsPerMm, 2);
}
