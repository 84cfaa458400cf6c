#include "calculator/calculatorwindowview.h"
#include "calculator/frmmain.h"
#include "controls/clock.h"
#include "controls/printscale.h"

#include <QFile>

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The calculator's window image on A4 paper, in the orientations a user may pick.
class PrintedWindowImage : public testing::TestWithParam<QPageLayout::Orientation> {};

TEST_P(PrintedWindowImage, FitsTheA4PrintableArea)
{
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("printout.pdf"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(GetParam());
    const double dpi = printer.resolution();
    const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());

    for (const QSize image : {QSize(1072, 760), QSize(1400, 1900), QSize(3000, 200)}) {
        const double scale = PrintScale(image, printable.size(), dpi);
        EXPECT_LE(scale, dpi / 96.0);
        EXPECT_LE(image.width() * scale, printable.width() + 1e-6) << image.width();
        EXPECT_LE(image.height() * scale, printable.height() + 1e-6) << image.height();
        // As large as fits: one side touches the printable area's edge.
        const bool touches =
            image.width() * scale > printable.width() - 1 || image.height() * scale > printable.height() - 1;
        EXPECT_TRUE(touches || scale == dpi / 96.0) << image.width();
    }
    // A small image prints at its size on the screen.
    EXPECT_DOUBLE_EQ(PrintScale(QSize(300, 200), printable.size(), dpi), dpi / 96.0);
}

INSTANTIATE_TEST_SUITE_P(A4, PrintedWindowImage, testing::Values(QPageLayout::Portrait, QPageLayout::Landscape));

// Print Setup's choice (here a PDF file on A5 landscape, as the print dialog's "Print to File"
// leaves it) is what Print prints on.
TEST(PrintSetup, ItsChoiceIsWhatPrintUses)
{
    QTemporaryDir folder;
    TFixedClock clock{46363, -60};
    TFrmMain form{clock};
    CalculatorWindowView view{form};
    form.FormCreate();
    QPrinter& chosen = view.printer();
    chosen.setOutputFormat(QPrinter::PdfFormat);
    chosen.setOutputFileName(folder.filePath("chosen.pdf"));
    chosen.setPageSize(QPageSize(QPageSize::A5));
    chosen.setPageOrientation(QPageLayout::Landscape);
    form.Print1.click();
    QFile printout(folder.filePath("chosen.pdf"));
    ASSERT_TRUE(printout.open(QIODevice::ReadOnly));
    // A5 landscape: 595 x 420 points.
    const QByteArray pdf = printout.readAll();
    const QByteArray mediaBox = pdf.mid(pdf.indexOf("/MediaBox"), 37);
    EXPECT_EQ(mediaBox, "/MediaBox [0 0 595.000000 420.000000]") << mediaBox.toStdString();
}

}  // namespace
