// Printing: the page is a picture of the main window's client area as it is
// on the screen, with white backgrounds, at the size the window has on a
// 96-pixels-per-inch screen.

#include "engine/AppState.h"
#include "platform/Platform.h"
#include "storage/Settings.h"
#include "ui/TfrmMain.h"

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace tavo::ui {

namespace {

constexpr double kDesignDpi = 96.0;
constexpr std::uint32_t kWhite = 0xFFFFFF;
// The widest picture a portrait A4 or Letter page shows in full at 96
// pixels per inch (about 8 inches of printable width).
constexpr int kFullyPrinted = 760;
// Screen pixels are printed as blocks of at most 4 x 4 printer pixels
// (enough for sharp edges; a larger picture only costs memory).
constexpr int kMostBlocks = 4;

} // namespace

QPrinter& TfrmMain::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setDocName(tr("Audiogramm"));
        // The window is wider than a portrait page: landscape shows it all.
        printer_->setPageOrientation(QPageLayout::Landscape);
    }
    return *printer_;
}

void TfrmMain::PrinterSetup1Click() {
    // Its outcome only chooses the printer the next print goes to.
    if (runPrinterSetup) {
        runPrinterSetup(printer());
    }
}

void TfrmMain::inPrintedLook(const std::function<void(QWidget& client)>& draw) {
    const storage::Settings& settings = context_.settings;
    const std::uint32_t audiogram = audiogramColour_;
    const std::uint32_t window = windowColour_;
    setAudiogramAreaColour(kWhite);
    setAudiogramGroupColour(kWhite);
    setWindowColour(kWhite);

    // The calibration line sits after the date line, where even a page that
    // cuts the window off at its right edge shows it in full.
    lblCalFilename->setVisible(settings.printCalibrationFileName);
    const int left = lblDateTime->geometry().right() + 24;
    const int width = std::max(100, kFullyPrinted - left);
    lblCalFilename->setGeometry(left, lblDateTime->y(), width, lblCalFilename->height());
    lblCalFilename->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblCalFilename->setText(
        QFontMetrics(lblCalFilename->font())
            .elidedText(tr("Dateiname Kalibierung: %1").arg(settings.calibrationFileName),
                        Qt::ElideMiddle, width));

    printing_ = true;
    draw(*centralWidget());
    printing_ = false;

    // The window as it was, whatever became of the drawing.
    setAudiogramAreaColour(audiogram);
    setAudiogramGroupColour(audiogram);
    setWindowColour(window);
    lblCalFilename->hide();
}

QImage TfrmMain::pagePicture() {
    QImage picture;
    inPrintedLook([&picture](QWidget& client) {
        picture = QImage(client.size(), QImage::Format_RGB32);
        picture.fill(Qt::white);
        client.render(&picture);
    });
    return picture;
}

void TfrmMain::Print1Click() {
    if (!runPrinterSetup || !runPrinterSetup(printer())) {
        return;
    }
    const QImage picture = pagePicture();
    bool printed = false;
    {
        QPainter page;
        if (page.begin(&printer())) {
            const double dpiX = printer_->logicalDpiX();
            const double dpiY = printer_->logicalDpiY();
            QSize size(qRound(picture.width() * dpiX / kDesignDpi),
                       qRound(picture.height() * dpiY / kDesignDpi));
            // A page narrower (or shorter) than the picture gets all of it,
            // made smaller, never a picture cut off at the right.
            const QSize printable =
                printer_->pageLayout().paintRectPixels(printer_->resolution()).size();
            if (size.width() > printable.width() || size.height() > printable.height()) {
                size = size.scaled(printable, Qt::KeepAspectRatio);
            }
            // Qt stores a colour picture in a PDF (and so in a CUPS job) as a
            // JPEG, which smears every one-pixel line and hatch of the
            // audiogram. Each screen pixel made a block of pixels first keeps
            // the edges sharp on the page.
            const int blocks =
                std::clamp(qRound(std::min(dpiX, dpiY) / kDesignDpi), 1, kMostBlocks);
            const QImage sharp = picture.scaled(picture.size() * blocks, Qt::IgnoreAspectRatio,
                                                Qt::FastTransformation);
            // The painter's origin is the printable area's upper left.
            page.drawImage(QRect(QPoint(0, 0), size), sharp);
            printed = page.end();
        }
    }
    if (!printed) {
        context_.platform.messages->show(
            tr("Der Ausdruck ist fehlgeschlagen. Bitte prüfen Sie den Drucker."), {},
            platform::MessageType::Error);
    }
}

} // namespace tavo::ui
