#pragma once

#include "engine/LiveSettings.h"
#include "storage/SettingsControls.h"

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

// The settings dialog. Its controls are the program's live settings: the
// test, the response button, the audiogram and the calibration read them
// through the LiveSettings view at the moment they need them. The stored
// copy is read at creation and at Cancel, and written at OK.
class TfrmSettings final : public QDialog, public SettingsControls, public engine::LiveSettings {
    Q_OBJECT
public:
    TfrmSettings(engine::AppState& state, platform::Platform& platform,
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

    // SettingsControls
    void enableFrequencyBoxes() override;
    void setChecked(const QString& control, bool checked) override;
    bool isChecked(const QString& control) const override;
    void setText(const QString& control, const QString& text) override;
    QString text(const QString& control) const override;
    void select(const QString& list, int index) override;
    int selection(const QString& list) const override;
    std::uint32_t audiogramAreaColour() const override;
    void setAudiogramAreaColour(std::uint32_t colour) override;
    std::uint32_t windowColour() const override;
    void setWindowColour(std::uint32_t colour) override;
    void firstStart() override;

    // LiveSettings
    bool disableScreenSaver() const override;
    bool reloadCalibrationAtStart() const override;
    QString calibrationFileName() const override;
    bool printCalibrationFileName() const override;
    bool testFrequency(int slot) const override;
    QString pulseDurationText() const override;
    QString pauseDurationText() const override;
    QString levelStepText() const override;
    QString levelStartText() const override;
    QString maxTestTimeText() const override;
    QString minReversalsText() const override;
    bool trialRun() const override;
    bool leftEarFirst() const override;
    bool resetLevelOnNewFrequency() const override;
    bool resetLevelOnNewSide() const override;
    bool practiceDeviation() const override;
    bool joystickResponse() const override;
    int waveOutDevice() const override;
    QString waveOutDeviceText() const override;
    bool reject1st() const override;
    bool realTimeCalc() const override;
    bool showReversals() const override;
    bool showThresholds() const override;
    bool markSuspicious() const override;

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
    void connectHandlers();
    void FormCreate();
    void FormActivate();
    void setGermanTexts();
    void fillDeviceLists();
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
