// Printing a loaded test for real: into a PDF file through Qt's PDF printer
// (the page rendered back with pdftoppm and probed where the window shows
// the grid and the thresholds), into the tests' CUPS queue, and a job that
// cannot be made. The window's colours come back every time.

#include "engine/AppState.h"
#include "engine/ColourValue.h"
#include "storage/TfrmSettings.h"
#include "support/TestFiles.h"
#include "support/TestPlatform.h"
#include "ui/TfrmMain.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <cstdlib>

using namespace tavo;

namespace {

struct Program {
    Program() {
        sim.settingsFromEarlierStart();
        const QString file = testsupport::writeRealisticTest(sim.folder);
        windows = ui::createWindows(state, sim.bundle, sim.services(), {file});
        main().show();
        main().resize(1100, 680);
        QCoreApplication::processEvents();
        sim.messages->clear();
    }
    ui::TfrmMain& main() { return *windows->main; }
    // The window's colours as its boxes show them.
    std::vector<QColor> colours() {
        return {main().pbxAudiogram->palette().color(QPalette::Window),
                main().grpGraph->palette().color(QPalette::Window),
                main().centralWidget()->palette().color(QPalette::Window)};
    }
    testsupport::TestPlatform sim;
    engine::AppState state;
    std::unique_ptr<ui::ProgramWindows> windows;
};

std::optional<QString> run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return std::nullopt;
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

int distance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

// Of the picture's pixels in `area` that have the colour, the share the
// page shows at the same place (shifted by `offset`, give or take a pixel
// for the page's resampling) in a colour nearer to it than to white.
double shareOnPage(const QImage& picture, const QImage& page, const QRect& area, QRgb colour,
                   QPoint offset, int* count = nullptr) {
    const QRgb white = qRgb(255, 255, 255);
    int wanted = 0;
    int found = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (picture.pixel(x, y) != colour) {
                continue;
            }
            ++wanted;
            bool seen = false;
            for (int dy = -1; dy <= 1 && !seen; ++dy) {
                for (int dx = -1; dx <= 1 && !seen; ++dx) {
                    const QPoint at = QPoint(x + dx, y + dy) + offset;
                    seen = page.rect().contains(at) &&
                           (colour == white ? distance(page.pixel(at), white) < 60
                                            : distance(page.pixel(at), colour) <
                                                  distance(page.pixel(at), white));
                }
            }
            found += seen ? 1 : 0;
        }
    }
    if (count != nullptr) {
        *count = wanted;
    }
    return wanted == 0 ? 0.0 : static_cast<double>(found) / wanted;
}

bool anyDark(const QImage& page, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (page.rect().contains(x, y) && qGray(page.pixel(x, y)) < 100) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

TEST(Printing, APdfPageShowsTheWindowOnWhiteAndTheColoursComeBack) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) {
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed; scripts/test installs it";
    }
    for (const bool withCalibrationLine : {true, false}) {
        Program program;
        auto& main = program.main();
        // As narrow as the window gets: a landscape page shows it unscaled.
        main.resize(1024, 680);
        QCoreApplication::processEvents();
        ASSERT_TRUE(program.state.Record.ResultsValid);
        program.windows->settings->chkPrintCal->setChecked(withCalibrationLine);
        const auto before = program.colours();
        const QImage picture = main.pagePicture();
        EXPECT_EQ(program.colours(), before);
        const QString pdf = program.sim.folder.filePath(QStringLiteral("seite.pdf"));
        QRect printable; // at 96 pixels per inch
        main.runPrinterSetup = [&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            // Whole pixels at 96 per inch, so the page can be compared pixel
            // for pixel (the default margins put it between pixels).
            printer.setPageMargins(QMarginsF(12.0, 12.0, 12.0, 12.0), QPageLayout::Point);
            printable = printer.pageLayout().paintRectPixels(96);
            return true;
        };
        main.Print1Click();
        SCOPED_TRACE(withCalibrationLine);
        EXPECT_TRUE(program.sim.messages->shown().empty());
        EXPECT_EQ(program.colours(), before);
        EXPECT_FALSE(main.lblCalFilename->isVisible());

        const auto info = run(QStringLiteral("pdfinfo"), {pdf});
        ASSERT_TRUE(info.has_value());
        EXPECT_TRUE(info->contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
        // Landscape unless the user chooses otherwise.
        EXPECT_TRUE(info->contains(QRegularExpression(QStringLiteral("Page size:\\s+842 x 595"))))
            << info->toStdString();
        const QString png = program.sim.folder.filePath(QStringLiteral("seite"));
        ASSERT_TRUE(run(QStringLiteral("pdftoppm"),
                        {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
                         QStringLiteral("-singlefile"), pdf, png})
                        .has_value());
        const QImage page(png + QStringLiteral(".png"));
        ASSERT_FALSE(page.isNull());

        // The grid (colour slot 2) and the first run's thresholds (slot 5)
        // where the window draws them, on a white ground: the whole
        // audiogram box, both ears.
        const QPoint origin = printable.topLeft();
        const QRect audiogram = QRect(main.pbxAudiogram->mapTo(main.centralWidget(), QPoint(0, 0)),
                                      main.pbxAudiogram->size());
        ASSERT_TRUE(printable.translated(-origin).contains(audiogram));
        int gridPixels = 0;
        int thresholdPixels = 0;
        EXPECT_GT(shareOnPage(picture, page, audiogram,
                              engine::toQColor(program.windows->settingsValue.colours[2]).rgb(),
                              origin, &gridPixels),
                  0.9);
        EXPECT_GT(shareOnPage(picture, page, audiogram,
                              engine::toQColor(program.windows->settingsValue.colours[5]).rgb(),
                              origin, &thresholdPixels),
                  0.8);
        EXPECT_GT(gridPixels, 1000);
        EXPECT_GT(thresholdPixels, 20);
        EXPECT_GT(shareOnPage(picture, page, audiogram, qRgb(255, 255, 255), origin), 0.95);

        // The calibration line, only when asked for, in full on the page.
        const QRect line = main.lblCalFilename->geometry().translated(origin);
        EXPECT_LT(line.right(), page.width());
        EXPECT_EQ(anyDark(page, line), withCalibrationLine);
    }
}

TEST(Printing, APortraitPageGetsTheWholeWindowMadeSmaller) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) {
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed; scripts/test installs it";
    }
    Program program;
    auto& main = program.main();
    const QImage picture = main.pagePicture();
    const QString pdf = program.sim.folder.filePath(QStringLiteral("hoch.pdf"));
    QRect printable;
    main.runPrinterSetup = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageOrientation(QPageLayout::Portrait);
        printer.setPageMargins(QMarginsF(12.0, 12.0, 12.0, 12.0), QPageLayout::Point);
        printable = printer.pageLayout().paintRectPixels(96);
        return true;
    };
    main.Print1Click();
    const QString png = program.sim.folder.filePath(QStringLiteral("hoch"));
    ASSERT_TRUE(run(QStringLiteral("pdftoppm"),
                    {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
                     QStringLiteral("-singlefile"), pdf, png})
                    .has_value());
    const QImage page(png + QStringLiteral(".png"));
    ASSERT_FALSE(page.isNull());
    ASSERT_LT(printable.width(), picture.width());
    // The printed picture fills the printable width, with the window's
    // proportions: what is inked on the page is what is inked in the
    // picture, made smaller; its right edge (the right ear, OSPR) is there.
    const auto inkedIn = [](const QImage& image) {
        QRect inked;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) < 200) {
                    inked |= QRect(x, y, 1, 1);
                }
            }
        }
        return inked;
    };
    const QRect onPage = inkedIn(page);
    const QRect inPicture = inkedIn(picture);
    const double scale = static_cast<double>(printable.width()) / picture.width();
    EXPECT_NEAR(onPage.left(), printable.left() + inPicture.left() * scale, 3);
    EXPECT_NEAR(onPage.right(), printable.left() + inPicture.right() * scale, 3);
    EXPECT_NEAR(onPage.bottom(), printable.top() + inPicture.bottom() * scale, 3);
    // The right panel's thresholds (slot 6) are there, as small as the rest.
    const QRgb right = engine::toQColor(program.windows->settingsValue.colours[6]).rgb();
    int rightOnPage = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = page.width() / 2; x < page.width(); ++x) {
            rightOnPage += distance(page.pixel(x, y), right) < 150 ? 1 : 0;
        }
    }
    EXPECT_GT(rightOnPage, 20);
}

TEST(Printing, AJobReachesTheCupsQueue) {
    const QString queue = qEnvironmentVariable("TAVO_PRINT_QUEUE");
    const QString output = qEnvironmentVariable("TAVO_PRINT_OUTPUT");
    if (queue.isEmpty() || output.isEmpty()) {
        GTEST_SKIP() << "no print queue for the tests (scripts/test starts one as root)";
    }
    QFile::resize(output, 0);
    Program program;
    program.main().runPrinterSetup = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(queue);
        return printer.isValid();
    };
    program.main().Print1Click();
    EXPECT_TRUE(program.sim.messages->shown().empty());
    // The scheduler runs its filters, then writes the page into the file.
    // Ghostscript's prolog near the top contains "(%%EOF)" too: the job is
    // complete only when the file ends with its last "%%EOF".
    QByteArray printed;
    for (QDeadlineTimer deadline(30000); !deadline.hasExpired(); QThread::msleep(200)) {
        QFile file(output);
        if (file.open(QIODevice::ReadOnly)) {
            printed = file.readAll();
        }
        if (printed.trimmed().endsWith("%%EOF")) {
            break;
        }
    }
    EXPECT_TRUE(printed.startsWith("%!PS")) << printed.left(40).toStdString();
    EXPECT_TRUE(printed.contains("%%Pages: 1"));
}

TEST(Printing, AFailedJobIsSaidAndTheWindowIsAsBefore) {
    Program program;
    auto& main = program.main();
    const auto before = program.colours();
    main.runPrinterSetup = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QStringLiteral("/no such folder/x.pdf"));
        return true;
    };
    program.windows->settings->chkPrintCal->setChecked(true);
    main.Print1Click();
    ASSERT_EQ(program.sim.messages->shown().size(), 1u);
    EXPECT_TRUE(program.sim.messages->shown()[0].text.contains(QStringLiteral("Ausdruck")));
    EXPECT_EQ(program.colours(), before);
    EXPECT_FALSE(main.lblCalFilename->isVisible());

    // Cancelling the set-up dialog prints nothing and says nothing.
    int asked = 0;
    main.runPrinterSetup = [&](QPrinter&) {
        ++asked;
        return false;
    };
    program.sim.messages->clear();
    main.Print1Click();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(program.sim.messages->shown().empty());
}
