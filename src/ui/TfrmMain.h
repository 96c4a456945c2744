#pragma once

#include "engine/TestServices.h"
#include "storage/SettingsHost.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QAction;
class QImage;
class QFileDialog;
class QPrinter;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPainter;
class QRadioButton;

namespace tavo::archive {
class Archivist;
class TestArchiver;
} // namespace tavo::archive
namespace tavo::engine {
struct AppState;
struct ListenerDescription;
struct TestRecord;
class TfrmTest;
} // namespace tavo::engine
namespace tavo::hardware {
class MIXER_e;
class TfrmBioCal;
class TfrmCompatibilityTest;
} // namespace tavo::hardware
namespace tavo::platform {
struct Platform;
class EndpointVolume;
} // namespace tavo::platform

namespace tavo::storage {
struct Settings;
class TfrmCalibrationInfo;
class TfrmSettings;
} // namespace tavo::storage

namespace tavo::ui {

class HelpKey;
class ScreenSaverFilter;
class TestCommand;
class TfrmArchive;
class TfrmFitCheck;
class TfrmPassword;

// What the main window is given when it is created.
struct MainWindowContext {
    engine::AppState& state;
    // The program's settings (the settings dialog edits them).
    const storage::Settings& settings;
    platform::Platform& platform;
    // The program's command-line parameters (without the program name and
    // the program's own options).
    QStringList parameters;
    // Opens a test file named on the command line; nothing: the window's
    // own ReadFile.
    std::function<void(const QString& fileName)> readTestFile;
};

// The main window: menus, the audiogram area, the threshold table and the
// test data box. Its creation work (FormCreate) decides the master-volume
// path, checks for a wave-output device and opens a test file named on the
// command line.
class TfrmMain final : public QMainWindow, public storage::SettingsHost, public engine::TestHost {
    Q_OBJECT
public:
    explicit TfrmMain(MainWindowContext context, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The dialogs the commands open; they are created after the main window.
    void attachDialogs(storage::TfrmSettings* settings, TfrmPassword* password);

    // The real-time window and the mixer layer the hearing test plays
    // through; nothing detaches them (before those go).
    void attachTestWindow(engine::TfrmTest* window, hardware::MIXER_e* mixer);
    // The windows of the Calibration menu; nothing detaches them.
    void attachCalibrationWindows(storage::TfrmCalibrationInfo* information,
                                  hardware::TfrmBioCal* byEar,
                                  hardware::TfrmCompatibilityTest* compatibility);

    // The New Test command, once the test window is attached.
    TestCommand* testCommand() const { return testCommand_.get(); }
    // A simulated listener for the New Test command; the examiner's presses
    // go to the test window's button.
    void attachListener(const engine::ListenerDescription& listener, std::uint64_t seed = 1);

    // The archivist every New Test hands its results to (not a test with a
    // simulated listener: it examined nobody); nothing: none. Sends the
    // tests still waiting at once.
    void attachArchivist(archive::Archivist* archivist);

    // F1: the manual at the section of the active window.
    HelpKey* helpKey() const { return helpKey_; }

    // The endpoint volume obtained at start-up, if any.
    platform::EndpointVolume* endpointVolume() const { return EndpointVolume.get(); }

    // Commands.
    void New1Click();
    void Open1Click();
    void Save1Click(); // Save As, also from the audiogram menu
    void Print1Click();
    void PrinterSetup1Click();
    void Retest1Click() {} // does nothing
    void Exit1Click();
    void Options1Click();  // the settings, behind the password
    void Settings1Click(); // the graph settings, without the password
    void NewTest1Click();  // the hearing test
    // The Calibration menu.
    void SubjCal1Click();           // new calibration by ear, after the compatibility question
    void SubjRecal1Click();         // check or recalibrate by ear
    void LoadCalibration1Click();   // load a calibration file
    void CalInfo1Click();           // calibration information
    void TestCompatibility1Click(); // hardware compatibility test
    // The Archive menu.
    void Results1Click();      // the archive window
    void TakeOverFile1Click(); // test files into the archive
    // Shows an archived test as if read from its file (asking about unsaved
    // results first); false when it is not shown.
    bool showArchivedTest(const QByteArray& fileBytes);
    // "Hörtest → Prüfbericht…": the fit-check report of the test shown.
    void Report1Click();
    // The report window, once opened.
    TfrmFitCheck* fitCheckWindow() const { return fitCheckWindow_.get(); }
    // The archive window, once opened.
    TfrmArchive* archiveWindow() const { return archiveWindow_.get(); }
    // The test files "Datei übernehmen…" takes; replaceable for tests.
    std::function<QStringList()> runTakeOverDialog;
    // The enabling rules of the menus, applied when a menu opens and before
    // a shortcut acts (not while a test runs: then every command is refused).
    void File1Click();
    void Calibration2Click();
    void PopupMenu1Popup();
    void applyMenuRules();

    // The file dialogs, replaceable for tests. Open gives the chosen file;
    // Save As is given the proposed name and gives the chosen name and
    // whether the "ASCII-Text" filter was chosen. Nothing: cancelled.
    struct SaveChoice {
        QString fileName;
        bool textFilter = false;
    };
    std::function<std::optional<QString>()> runOpenDialog;
    std::function<std::optional<SaveChoice>(const QString& proposed)> runSaveDialog;
    // The printer set-up dialog on the program's printer; false: cancelled.
    std::function<bool(QPrinter& printer)> runPrinterSetup;
    // What the printed page shows, as a picture at 96 pixels per inch: the
    // client area with white backgrounds and, if asked for, the calibration
    // file's line. The window looks as before afterwards.
    QImage pagePicture();
    // Made when first needed: it asks the print system for its printers.
    QPrinter& printer();
    // Whether the results of a finished test wait to be saved (closing asks):
    // the record's own flag.
    bool unsavedResults() const;

    QFileDialog* dlgOpen = nullptr;
    QFileDialog* dlgSave = nullptr;

    // What the settings dialog asks of the main window.
    void repaintAudiogram() override;
    void repaintTestWindowGraph() override;
    std::uint32_t audiogramAreaColour() const override { return audiogramColour_; }
    void setAudiogramAreaColour(std::uint32_t colour) override;
    void setAudiogramGroupColour(std::uint32_t colour) override;
    std::uint32_t windowColour() const override { return windowColour_; }
    void setWindowColour(std::uint32_t colour) override;
    bool calibrationMenuEnabled() const override;
    void setMainWindowEnabled(bool enabled) override { setEnabled(enabled); }
    void restoreMainWindow() override;
    std::optional<QString> chooseCalibrationFile(QWidget* over) override;
    // The calibration open dialog; replaceable for tests.
    std::function<std::optional<QString>(QWidget* over)> runCalOpenDialog;
    // Repaints the real-time window's graph (set once that window exists).
    std::function<void()> repaintTestGraph;

    // The file operations the commands call. ReadFile reads a test file into
    // the data box and both runs, then recomputes the summary figures and
    // repaints; WriteFile and WriteAsciiFile return the reason a save failed
    // (empty: saved). ReadCal loads a calibration file through the
    // calibration information dialog, which shows its texts.
    bool ReadFile(const QString& fileName);
    QString WriteFile(const QString& fileName);
    QString WriteAsciiFile(const QString& fileName);
    bool ReadCal(const QString& fileName);
    void setCalibrationReader(std::function<bool(const QString& fileName)> reader);

    // Shows OSPL, OSPR and APV as the results stand.
    void CalcAVP() override;

    // The command line of a later start of the program: the window comes to
    // the front and opens the test or calibration file it names (asking
    // about unsaved results first; refused while a test runs).
    void openFromAnotherStart(const QStringList& words);

    // The dialogs that keep the main window disabled while they are shown
    // (the settings, the password, the calibration windows). The window is
    // enabled exactly when none of them holds it, whatever order their show,
    // hide and activation events come in.
    void holdWhileShown(QWidget* dialog);
    bool heldByDialog() const;

    // Edit notifications that set the window title.
    void txtTestNameChange();
    void txtTestLocationChange();

    // The controls other parts read and write.
    QMenu* File1 = nullptr;
    QMenu* Calibration2 = nullptr;
    QMenu* Test1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* New1 = nullptr;
    QAction* Open1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* Print1 = nullptr;
    QAction* PrinterSetup1 = nullptr;
    QAction* Options1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* EarCalibration1 = nullptr;
    QAction* LoadCalibration1 = nullptr;
    QAction* CheckorRecalibratebyEar1 = nullptr;
    QAction* CalInfo1 = nullptr;
    QAction* TestCompatibility1 = nullptr;
    QAction* NewTest1 = nullptr;
    QAction* Retest2 = nullptr;
    QAction* ViewResults2 = nullptr;
    QAction* SaveAs1 = nullptr;
    QAction* Settings1 = nullptr;
    QMenu* Archive1 = nullptr;
    QAction* Results1 = nullptr;
    QAction* TakeOverFile1 = nullptr;
    QAction* Report1 = nullptr;

    QGroupBox* grpGraph = nullptr;
    QWidget* pbxAudiogram = nullptr;
    QGroupBox* grpThreshold = nullptr;
    QWidget* pbxResults = nullptr;
    QGroupBox* grpData = nullptr;
    QLabel* lblFirstName = nullptr;
    QLineEdit* txtTestName = nullptr;
    QLabel* lblTestLoc = nullptr;
    QLineEdit* txtTestLocation = nullptr;
    QLabel* txtOSPL = nullptr;
    QLabel* txtOSPR = nullptr;
    QLabel* txtAPV = nullptr;
    QCheckBox* chkErstpruefung = nullptr;
    QCheckBox* chkScreening = nullptr;
    QRadioButton* rdoOK = nullptr;
    QRadioButton* rdoNOK = nullptr;
    QLabel* imgLogo = nullptr;
    QLabel* lblDateTime = nullptr;
    QLabel* lblCalFilename = nullptr;

Q_SIGNALS:
    // The window was closed: the program ends.
    void closed();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildArchiveMenu();
    // What the archivist could not do, shown once no test runs.
    void archiveReported(const QString& message);
    void showArchiveMessage();
    void buildResultsArea();
    void buildDataBox();
    // The record's data box into the fields (their edits go back into it).
    void showDataBox();
    // A test read from a file (or the archive) becomes the window's record,
    // with nothing to save.
    void showRecord(engine::TestRecord record);
    void FormCreate();
    void FormResize();
    void buildFileDialogs();
    // Puts the window into its printed look while `draw` runs.
    void inPrintedLook(const std::function<void(QWidget& client)>& draw);
    // Closing: false when the user chose to keep the program open (the
    // question about unsaved results).
    bool mayClose();
    bool testRunning() const;
    // An edit of the data box after a test or a save: the results wait to be
    // saved again.
    void dataBoxEdited();
    void setGermanCaptions();
    // Refuses every menu command and shortcut while a test runs, and gives
    // each back its earlier state afterwards.
    void setCommandsEnabled(bool enabled);
    // The paint handler of the two paint boxes: draws the box being painted
    // and sets the date line.
    void pbxAudiogramPaint(QPainter* audiogram, QPainter* table);

    MainWindowContext context_;
    storage::TfrmSettings* settings_ = nullptr;
    TfrmPassword* password_ = nullptr;
    std::uint32_t audiogramColour_;
    std::uint32_t windowColour_;
    std::function<bool(const QString& fileName)> calibrationReader_;
    ScreenSaverFilter* screenSaverFilter_ = nullptr;
    HelpKey* helpKey_ = nullptr;
    std::unique_ptr<platform::EndpointVolume> EndpointVolume;
    archive::Archivist* archivist_ = nullptr;
    std::unique_ptr<archive::TestArchiver> testArchiver_;
    QString archiveMessage_;
    std::unique_ptr<TfrmArchive> archiveWindow_;
    std::unique_ptr<TfrmFitCheck> fitCheckWindow_;
    TfrmFitCheck& fitCheckWindowMade();
    std::unique_ptr<TestCommand> testCommand_;
    engine::TfrmTest* testWindow_ = nullptr;
    storage::TfrmCalibrationInfo* calibrationInfo_ = nullptr;
    hardware::TfrmBioCal* bioCal_ = nullptr;
    hardware::TfrmCompatibilityTest* compatibility_ = nullptr;
    std::vector<std::pair<QAction*, bool>> refusedCommands_;
    // The dialogs that may hold the main window, and whether each holds it
    // while shown now: the compatibility test only when its own command
    // opened it (beside a calibration's question the window stays usable),
    // the settings not when the password opened them (the password's closing
    // gives the window back).
    std::vector<std::pair<QPointer<QWidget>, bool>> holders_;
    void setHolds(QWidget* dialog, bool holds);
    void applyHold();
    std::unique_ptr<QPrinter> printer_;
    // While the page is drawn: the audiogram paints on white, as on paper.
    bool printing_ = false;
    // The window was closed while a test ran: close once it has stopped.
    bool closeAfterTest_ = false;
};

} // namespace tavo::ui
