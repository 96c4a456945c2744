#pragma once

#include "storage/Settings.h"

#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;
class QTreeView;
class QFileSystemModel;

namespace tavo::engine {
struct AppState;
}
namespace tavo::platform {
struct Platform;
class SettingsStore;
} // namespace tavo::platform

namespace tavo::storage {

class MixerDevices;
class SettingsHost;

struct SettingRow;

// The settings dialog. It shows the program's Settings value and writes
// every edit back into it as it happens, so a change applies at once; the
// test, the audiogram and the calibration read the value. The stored copy is
// read into the value at creation and at Cancel, and written at OK.
class TfrmSettings final : public QDialog {
    Q_OBJECT
public:
    TfrmSettings(engine::AppState& state, Settings& settings, platform::Platform& platform,
                 platform::SettingsStore& store, SettingsHost& host, MixerDevices& mixer,
                 QWidget* parent = nullptr);
    ~TfrmSettings() override;

    // The colour dialog; replaceable for tests. Gets the starting colour,
    // gives the chosen one or nothing when cancelled.
    std::function<std::optional<QColor>(const QColor&)> pickColour;

    // True after a first start asked for the hardware settings; the program
    // runs the settings command once all windows exist.
    bool firstStartPending() const { return firstStartPending_; }
    void clearFirstStartPending() { firstStartPending_ = false; }

    void OKClick();
    void CancelClick();
    void ChangeClick();
    void btnChooseCalClick();
    void Button1Click();
    void Button2Click();
    void SettingsPagesChange();
    bool joystickTimerActive() const;
    // The indicator's colour (red while a controller button is down).
    std::uint32_t lightColour() const { return lightColour_; }
    // Turns the page control without it counting as the user's page change.
    void selectPage(QWidget* page);

    // The settings the dialog shows and edits.
    const Settings& settings() const { return settings_; }

    QTabWidget* SettingsPages = nullptr;
    QWidget* TestProcedure = nullptr;
    QWidget* SoundCard = nullptr;
    QWidget* FileHandling = nullptr;
    QWidget* GraphSettings = nullptr;
    QWidget* TabSheet1 = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* Cancel = nullptr;

    QGroupBox* GroupBox1 = nullptr;
    QCheckBox* Check125 = nullptr;
    QCheckBox* Check250 = nullptr;
    QCheckBox* Check500 = nullptr;
    QCheckBox* Check750 = nullptr;
    QCheckBox* Check1000 = nullptr;
    QCheckBox* Check1500 = nullptr;
    QCheckBox* Check2000 = nullptr;
    QCheckBox* Check3000 = nullptr;
    QCheckBox* Check4000 = nullptr;
    QCheckBox* Check6000 = nullptr;
    QCheckBox* Check8000 = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    QLineEdit* BeepTimeEdit = nullptr;
    QLineEdit* PauseTimeEdit = nullptr;
    QLineEdit* LevelStep = nullptr;
    QLineEdit* LevelStart = nullptr;
    QLineEdit* TestTimeEdit = nullptr;
    QLineEdit* ReverseEdit = nullptr;
    QGroupBox* Miscanelleous = nullptr;
    QCheckBox* Trial = nullptr;
    QCheckBox* FirstEar = nullptr;
    QCheckBox* cboNewFreq0dB = nullptr;
    QCheckBox* cboNewSide0dB = nullptr;
    QCheckBox* chkPraxisabweichung = nullptr;
    QCheckBox* chkDisableSS = nullptr;
    QCheckBox* chkShowLevel = nullptr;
    // The windows' language from the next start (item data: the stored code).
    QLabel* lblLanguage = nullptr;
    QComboBox* cbxLanguage = nullptr;
    QLabel* lblLanguageNote = nullptr;

    QGroupBox* GroupBox2 = nullptr;
    QComboBox* WaveOutDevice = nullptr;
    QComboBox* MixerDevice = nullptr;
    QPushButton* Button2 = nullptr;
    QGroupBox* GroupBox7 = nullptr;
    QRadioButton* rdoCTRL = nullptr;
    QRadioButton* rdoJoystick = nullptr;
    QLabel* Label26 = nullptr;
    QLabel* Label25 = nullptr;
    QFrame* light = nullptr;
    QPushButton* Button1 = nullptr;

    QComboBox* DriveList = nullptr;
    QTreeView* DirectoryList = nullptr;
    QLabel* DirectoryLabel = nullptr;

    QGroupBox* GroupBox6 = nullptr;
    QCheckBox* ShowReversals = nullptr;
    QCheckBox* ShowThresholds = nullptr;
    QCheckBox* MarkSuspicious = nullptr;
    QCheckBox* Reject1st = nullptr;
    QCheckBox* RealTimeCalc = nullptr;
    QGroupBox* GroupBox5 = nullptr;
    QComboBox* ColourList = nullptr;
    QFrame* ColourSample = nullptr;
    QPushButton* Change = nullptr;

    QCheckBox* chkLoadCal = nullptr;
    QPushButton* btnChooseCal = nullptr;
    QLabel* Label24 = nullptr;
    QCheckBox* chkPrintCal = nullptr;

    QWidget* ArchivePage = nullptr;
    QRadioButton* rdoArchiveLocal = nullptr;
    QRadioButton* rdoArchiveServer = nullptr;
    QLabel* lblArchivePath = nullptr;
    QLineEdit* edtArchiveHost = nullptr;
    QLineEdit* edtArchivePort = nullptr;
    QLineEdit* edtArchiveDatabase = nullptr;
    QLineEdit* edtArchiveUser = nullptr;
    QComboBox* cbxArchiveSslMode = nullptr;
    QLabel* lblArchiveNote = nullptr;
    QPushButton* btnArchiveCheck = nullptr;

    QCheckBox* chkRetest1000 = nullptr;
    QWidget* ReportPage = nullptr;
    QLineEdit* edtDefaultExposure = nullptr;
    QLineEdit* edtWantedLevel = nullptr;
    // Opens the archive the page names and says whether it answers.
    void btnArchiveCheckClick();

    // Escape: the same as Cancel.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTestProcedurePage();
    void buildSoundCardPage();
    void buildFileHandlingPage();
    void buildGraphSettingsPage();
    void buildCalibrationPage();
    void buildArchivePage();
    void buildReportPage();
    // The server's fields only when the archive is on a server.
    void showArchiveChoice();
    void enableArchiveFields();
    void connectHandlers();
    void FormCreate();
    void FormActivate();
    void setGermanTexts();
    void fillDeviceLists();
    // The stored settings into the value and the controls (creation, Cancel).
    void readStored();
    // The value into the controls, with the effects of a user's change.
    void loadControls();
    void loadControl(const SettingRow& row);
    // Every control writes its edits back into the value.
    void connectWriteBack();
    void enableFrequencyBoxes();
    // First start: show the hardware settings (behind the password).
    void firstStart();
    void checkField(QLineEdit* field);
    void showJoystickItems();
    void setLight(std::uint32_t colour);
    void openMixer(int index);
    void joystickTick();
    void fillSample(std::uint32_t colour);
    // A desktop tool the Hardware page's buttons start, with its arguments.
    struct ToolProgram {
        QString name;
        QStringList arguments;
    };
    // Starts the first installed of the candidates; says so when none is
    // installed or it does not start. `purpose` names what it opens.
    void startProgram(const QString& purpose, const QList<ToolProgram>& candidates);

    engine::AppState& state_;
    Settings& settings_;
    platform::Platform& platform_;
    platform::SettingsStore& store_;
    SettingsHost& host_;
    MixerDevices& mixer_;
    QTimer* joystickTimer_ = nullptr;
    QColor lastPicked_;
    bool firstStartPending_ = false;
    bool ownDialogOpen_ = false;
    int openedMixer_ = -1;
    std::uint32_t lightColour_ = 0;
    QFileSystemModel* directories_ = nullptr;
};

} // namespace tavo::storage
