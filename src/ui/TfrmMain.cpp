#include "ui/TfrmMain.h"

#include "archive/TestArchiver.h"
#include "engine/AppState.h"
#include "engine/ColourValue.h"
#include "engine/Evaluation.h"
#include "engine/ProductInfo.h"
#include "engine/StartupRules.h"
#include "platform/Platform.h"
#include "storage/CalibrationFile.h"
#include "storage/SettingsTable.h"
#include "storage/TestFileCommands.h"
#include "storage/TfrmSettings.h"
#include "ui/AudiogramPainter.h"
#include "ui/HelpKey.h"
#include "ui/MainWindowParts.h"
#include "ui/ScreenSaverFilter.h"
#include "ui/TestCommand.h"
#include "ui/TfrmArchive.h"
#include "ui/TfrmFitCheck.h"
#include "ui/TfrmPassword.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>

#include <algorithm>

namespace tavo::ui {

namespace {

using parts::named;
using parts::pixelFont;

// A box that the window's paint handler draws.
class PaintBoxWidget final : public QWidget {
public:
    PaintBoxWidget(QWidget* parent, std::function<void(QPainter&)> paint)
        : QWidget(parent), paint_(std::move(paint)) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paint_(painter);
    }

private:
    std::function<void(QPainter&)> paint_;
};

QAction* menuItem(QMenu* menu, const char* name, const QString& caption,
                  const QKeySequence& shortcut = {}) {
    auto* action = named(menu->addAction(caption), name);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
    }
    return action;
}

} // namespace

TfrmMain::TfrmMain(MainWindowContext context, QWidget* parent)
    : QMainWindow(parent), context_(std::move(context)), audiogramColour_(storage::kOlive),
      windowColour_(storage::kButtonFace) {
    setObjectName(QStringLiteral("frmMain"));
    // Layout: 1016 x 634 client area at 96 dpi; opened maximized, never
    // smaller than 1024 x 600.
    resize(1016, 634);
    setMinimumSize(1024, 600);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 14));
    setWindowTitle(QStringLiteral("Vorlandt - Klarovent"));
    buildMenus();
    buildResultsArea();
    setAudiogramAreaColour(audiogramColour_);
    setAudiogramGroupColour(audiogramColour_);
    setWindowColour(windowColour_);
    runPrinterSetup = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        dialog.setWindowTitle(tr("Drucken"));
        return dialog.exec() == QDialog::Accepted;
    };
    buildFileDialogs();
    runCalOpenDialog = [this](QWidget* over) -> std::optional<QString> {
        QFileDialog dialog(over != nullptr ? over : this, storage::openCalibrationTitle(),
                           QString(), storage::calibrationFilter());
        dialog.setObjectName(QStringLiteral("dlgCalOpen"));
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(QStringLiteral("vkk"));
        // Over a window that stays on top (the settings dialog) only a
        // dialog that stays on top too is seen.
        if (over != nullptr && over->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
            dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
        }
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        return dialog.selectedFiles().constFirst();
    };
    FormCreate();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::buildMenus() {
    File1 = named(menuBar()->addMenu(tr("&File")), "File1");
    New1 = menuItem(File1, "New1", tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    Open1 = menuItem(File1, "Open1", tr("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    Save1 = menuItem(File1, "Save1", tr("&Save As..."), QKeySequence(Qt::CTRL | Qt::Key_S));
    File1->addSeparator();
    Print1 = menuItem(File1, "Print1", tr("&Print"), QKeySequence(Qt::CTRL | Qt::Key_P));
    PrinterSetup1 = menuItem(File1, "PrinterSetup1", tr("P&rinter Setup"));
    File1->addSeparator();
    Options1 = menuItem(File1, "Options1", tr("&Settings"));
    File1->addSeparator();
    Exit1 = menuItem(File1, "Exit1", tr("Exit"), QKeySequence(Qt::CTRL | Qt::Key_X));

    Calibration2 = named(menuBar()->addMenu(tr("Calibration")), "Calibration2");
    EarCalibration1 = menuItem(Calibration2, "EarCalibration1", tr("New Calibration by &Ear"),
                               QKeySequence(Qt::Key_F3));
    Calibration2->addSeparator();
    LoadCalibration1 = menuItem(Calibration2, "LoadCalibration1", tr("&Load Calibration Data"),
                                QKeySequence(Qt::Key_F2));
    CheckorRecalibratebyEar1 =
        menuItem(Calibration2, "CheckorRecalibratebyEar1", tr("Check or &Recalibrate by Ear"),
                 QKeySequence(Qt::Key_F4));
    Calibration2->addSeparator();
    CalInfo1 = menuItem(Calibration2, "CalInfo1", tr("Calibration &Information"),
                        QKeySequence(Qt::CTRL | Qt::Key_I));
    TestCompatibility1 =
        menuItem(Calibration2, "TestCompatibility1", tr("Test Hardware &Compatibility"));

    Test1 = named(menuBar()->addMenu(tr("Hearing &Test")), "Test1");
    NewTest1 = menuItem(Test1, "NewTest1", tr("&New Test"), QKeySequence(Qt::Key_F5));

    buildArchiveMenu();

    PopupMenu1 = named(new QMenu(this), "PopupMenu1");
    Retest2 = menuItem(PopupMenu1, "Retest2", tr("&Retest"));
    ViewResults2 = menuItem(PopupMenu1, "ViewResults2", tr("&View Results"));
    SaveAs1 = menuItem(PopupMenu1, "SaveAs1", tr("&Save As..."));
    PopupMenu1->addSeparator();
    Settings1 = menuItem(PopupMenu1, "Settings1", tr("&Graph Settings"));

    connect(New1, &QAction::triggered, this, [this] { New1Click(); });
    connect(Open1, &QAction::triggered, this, [this] { Open1Click(); });
    connect(Save1, &QAction::triggered, this, [this] { Save1Click(); });
    connect(SaveAs1, &QAction::triggered, this, [this] { Save1Click(); });
    connect(Print1, &QAction::triggered, this, [this] { Print1Click(); });
    connect(PrinterSetup1, &QAction::triggered, this, [this] { PrinterSetup1Click(); });
    connect(Retest2, &QAction::triggered, this, [this] { Retest1Click(); });
    connect(File1, &QMenu::aboutToShow, this, [this] { File1Click(); });
    connect(PopupMenu1, &QMenu::aboutToShow, this, [this] { PopupMenu1Popup(); });
    connect(Exit1, &QAction::triggered, this, [this] { Exit1Click(); });
    connect(Options1, &QAction::triggered, this, [this] { Options1Click(); });
    connect(Settings1, &QAction::triggered, this, [this] { Settings1Click(); });
    connect(NewTest1, &QAction::triggered, this, [this] { NewTest1Click(); });
    connect(EarCalibration1, &QAction::triggered, this, [this] { SubjCal1Click(); });
    connect(CheckorRecalibratebyEar1, &QAction::triggered, this, [this] { SubjRecal1Click(); });
    connect(LoadCalibration1, &QAction::triggered, this, [this] { LoadCalibration1Click(); });
    connect(CalInfo1, &QAction::triggered, this, [this] { CalInfo1Click(); });
    connect(TestCompatibility1, &QAction::triggered, this, [this] { TestCompatibility1Click(); });
    connect(Calibration2, &QMenu::aboutToShow, this, [this] { Calibration2Click(); });
}

void TfrmMain::buildResultsArea() {
    auto* client = named(new QWidget(this), "ClientArea");
    setCentralWidget(client);
    client->setAutoFillBackground(true);

    grpGraph = named(new QGroupBox(tr(" Audiogram "), client), "grpGraph");
    grpGraph->setGeometry(4, -3, 1002, 344);
    grpGraph->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 15));
    pbxAudiogram =
        named(new PaintBoxWidget(
                  grpGraph, [this](QPainter& painter) { pbxAudiogramPaint(&painter, nullptr); }),
              "pbxAudiogram");
    pbxAudiogram->setGeometry(20, 34, 969, 301);
    pbxAudiogram->setCursor(Qt::CrossCursor);
    pbxAudiogram->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pbxAudiogram, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(pbxAudiogram->mapToGlobal(at)); });

    grpThreshold = named(new QGroupBox(tr(" Threshold levels [dB] "), client), "grpThreshold");
    grpThreshold->setGeometry(4, 347, 1002, 78);
    pbxResults = named(
        new PaintBoxWidget(grpThreshold,
                           [this](QPainter& painter) { pbxAudiogramPaint(nullptr, &painter); }),
        "pbxResults");
    pbxResults->setGeometry(20, 17, 969, 49);

    buildDataBox();

    lblDateTime = named(new QLabel(tr("Tested on 01/01/98 at 0:00:00"), client), "lblDateTime");
    lblDateTime->move(8, 545);
    lblDateTime->adjustSize();
    lblCalFilename = named(new QLabel(QStringLiteral(".cal"), client), "lblCalFilename");
    lblCalFilename->setGeometry(446, 545, 560, 18);
    lblCalFilename->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Only a printed page shows the calibration file name.
    lblCalFilename->hide();
}

void TfrmMain::setGermanCaptions() {
    File1->setTitle(tr("&Datei"));
    New1->setText(tr("&Neu"));
    Open1->setText(tr("&Öffnen"));
    Save1->setText(tr("&Speichern"));
    Print1->setText(tr("&Drucken"));
    PrinterSetup1->setText(tr("&Druckereinstellungen"));
    Options1->setText(tr("&Einstellungen"));
    Calibration2->setTitle(tr("&Kalibrierung"));
    EarCalibration1->setText(tr("&Neue Kalibrierung nach Gehör"));
    LoadCalibration1->setText(tr("Kalibrierungsdaten &laden"));
    CheckorRecalibratebyEar1->setText(tr("Kalibrierung nach Gehör &testen oder wiederholen"));
    CalInfo1->setText(tr("Kalibrierungsinformationen &anzeigen"));
    TestCompatibility1->setText(tr("Kompatibilitätstest"));
    Test1->setTitle(tr("&Hörtest"));
    NewTest1->setText(tr("&Neuen Test durchführen"));

    grpGraph->setTitle(tr(" Audiogramm "));
    grpThreshold->setTitle(tr(" Hörschwellenwerte [dB] "));
    grpData->setTitle(tr(" Persönliche Daten "));
    lblFirstName->setText(tr("Testperson:"));
    lblTestLoc->setText(tr("Testort"));
}

// The main window's creation work, in its fixed order.
void TfrmMain::FormCreate() {
    auto& state = context_.state;
    auto& platform = context_.platform;

    // The master level goes through the endpoint volume when the
    // system's endpoint-volume service (a PulseAudio-compatible server)
    // answers; otherwise through the mixer's master control.
    state.UseEndpointVolume = platform.endpoint != nullptr && platform.endpoint->serverAnswers();

    // German captions.
    setGermanCaptions();

    // The screen saver stays off while a test may run.
    if (platform.screenSaver != nullptr && QCoreApplication::instance() != nullptr) {
        screenSaverFilter_ =
            new ScreenSaverFilter(state, context_.settings, *platform.screenSaver, this);
        QCoreApplication::instance()->installEventFilter(screenSaverFilter_);
        screenSaverFilter_->update();
    }
    if (QCoreApplication::instance() != nullptr) {
        helpKey_ = new HelpKey(*platform.messages, this);
        QCoreApplication::instance()->installEventFilter(helpKey_);
    }

    // An endpoint that cannot be had leaves the interface empty; the
    // master-level operation then does nothing.
    if (state.UseEndpointVolume) {
        EndpointVolume = platform.endpoint->activateDefault();
    }

    // Without a wave-output device there is nothing to test or calibrate.
    if (platform.wave == nullptr || platform.wave->deviceCount() == 0) {
        platform.messages->show(
            tr("Keine Audiokarte gefunden! Test und Kalibrierung nicht verfügbar"));
        Calibration2->setEnabled(false);
        Calibration2->menuAction()->setEnabled(false);
    }

    // A test file named on the command line.
    state.CommandLineFile = engine::joinCommandLine(context_.parameters);
    if (engine::namesTestFile(state.CommandLineFile)) {
        const QString fileName = engine::commandLineFileName(state.CommandLineFile);
        if (context_.readTestFile) {
            context_.readTestFile(fileName);
        } else {
            ReadFile(fileName);
        }
    }

    // Nothing opened: start with empty results.
    if (!state.Record.ResultsValid) {
        New1Click();
    }
    applyMenuRules();
}

void TfrmMain::New1Click() {
    auto& state = context_.state;
    state.Record.Unsaved = false;
    state.Record.ResultsValid = false;
    engine::clearResult(state.Record.Test1Result);
    engine::clearResult(state.Record.Test2Result);
    if (pbxAudiogram != nullptr) {
        pbxAudiogram->update();
        pbxResults->update();
    }
}

void TfrmMain::Exit1Click() {
    close();
}

void TfrmMain::repaintAudiogram() {
    pbxAudiogram->update();
    pbxResults->update();
}

void TfrmMain::pbxAudiogramPaint(QPainter* audiogram, QPainter* table) {
    const QString dateLine = ui::pbxAudiogramPaint(
        context_.state, context_.settings,
        {{audiogram, pbxAudiogram->size()}, {table, pbxResults->size()}, printing_},
        [this] { CalcAVP(); });
    if (lblDateTime->text() != dateLine) {
        lblDateTime->setText(dateLine);
        lblDateTime->adjustSize();
    }
}

void TfrmMain::repaintTestWindowGraph() {
    if (repaintTestGraph) {
        repaintTestGraph();
    }
}

namespace {
void fillBackground(QWidget* widget, std::uint32_t colour) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, engine::toQColor(colour));
    widget->setPalette(palette);
}
} // namespace

void TfrmMain::setAudiogramAreaColour(std::uint32_t colour) {
    audiogramColour_ = colour;
    fillBackground(pbxAudiogram, colour);
    pbxAudiogram->update();
}

void TfrmMain::setAudiogramGroupColour(std::uint32_t colour) {
    fillBackground(grpGraph, colour);
}

void TfrmMain::setWindowColour(std::uint32_t colour) {
    windowColour_ = colour;
    fillBackground(centralWidget(), colour);
}

bool TfrmMain::calibrationMenuEnabled() const {
    return Calibration2->menuAction()->isEnabled();
}

void TfrmMain::restoreMainWindow() {
    if (isMinimized()) {
        showNormal();
    }
}

std::optional<QString> TfrmMain::chooseCalibrationFile(QWidget* over) {
    return runCalOpenDialog ? runCalOpenDialog(over) : std::nullopt;
}

bool TfrmMain::ReadCal(const QString& fileName) {
    return calibrationReader_ && calibrationReader_(fileName);
}

void TfrmMain::setCalibrationReader(std::function<bool(const QString& fileName)> reader) {
    calibrationReader_ = std::move(reader);
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

// Keeps the audiogram as tall as the threshold table and the data box
// allow, and the table box exactly under the audiogram box.
void TfrmMain::FormResize() {
    const QWidget* client = centralWidget();
    if (client == nullptr || grpGraph == nullptr) {
        return;
    }
    const int cw = client->width();
    const int ch = client->height();
    lblDateTime->move(lblDateTime->x(), ch - 18);
    grpData->setGeometry(grpData->x(), ch - 135, cw - 2 * grpData->x(), grpData->height());
    grpThreshold->setGeometry(grpThreshold->x(), ch - 215, cw - 2 * grpThreshold->x(),
                              grpThreshold->height());
    grpGraph->resize(cw - 2 * grpGraph->x(), ch - 219);
    pbxAudiogram->resize(grpGraph->width() - 40, grpGraph->height() - 51);
    pbxResults->resize(grpThreshold->width() - 40, pbxResults->height());
    imgLogo->move(cw - 235, imgLogo->y());
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (testRunning()) {
        // The test is still on the call stack: let it stop after its
        // current pulse, then the command closes the window for good.
        testCommand_->requestQuit();
        closeAfterTest_ = true;
        event->ignore();
        return;
    }
    if (!mayClose()) {
        // Kept open: everything goes on as before.
        event->ignore();
        return;
    }
    // FormClose: the program ends; nothing may start a test any more.
    context_.state.StopRequested = true;
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) {
        Q_EMIT closed();
    }
}

} // namespace tavo::ui
