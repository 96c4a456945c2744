#pragma once

#include "storage/FileOutput.h"

#include <QDialog>

#include <functional>

class QFileDialog;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tavo::engine {
struct AppState;
}
namespace tavo::storage {
struct Settings;
}
namespace tavo::platform {
class Messages;
}

namespace tavo::storage {

// What the calibration information dialog is given when it is created.
struct CalibrationInfoContext {
    CalibrationInfoContext(engine::AppState& appState, platform::Messages& messageBoxes,
                           QWidget* mainWindowToDisable = nullptr)
        : state(appState), messages(messageBoxes), mainWindow(mainWindowToDisable) {}

    engine::AppState& state;
    platform::Messages& messages;
    // Disabled while the dialog is shown; may be absent.
    QWidget* mainWindow = nullptr;
    // The start-up load's two settings; absent: the settings' design values.
    const Settings* settings = nullptr;
    // The product name of the open mixer device; absent: empty.
    std::function<QString()> soundCardName;
    // Asks where to save a new calibration (empty: not saved); absent: the
    // dialog's own save dialog CalSave.
    std::function<QString()> chooseSaveFile;
    // Where saves write; absent: the real file system.
    FileOutputFactory fileOutput;
};

// The calibration information dialog. After a calibration by ear
// (NewCalibrationPending) it takes the descriptive texts, applies the new
// calibration and offers to save it; otherwise it shows the loaded
// calibration's description read-only. Created once at start-up, where it
// loads the start-up calibration file; shown and hidden, never recreated.
class TfrmCalibrationInfo final : public QDialog {
    Q_OBJECT
public:
    explicit TfrmCalibrationInfo(CalibrationInfoContext context, QWidget* parent = nullptr);
    ~TfrmCalibrationInfo() override;

    // Reads a calibration file into the application state and the four text
    // fields. A file that cannot be read or is refused is reported and
    // changes nothing. Returns whether the calibration was loaded.
    bool ReadCal(const QString& fileName);

    // Where the sound-card name of a new calibration comes from.
    void setSoundCardName(std::function<QString()> soundCardName) {
        context_.soundCardName = std::move(soundCardName);
    }

    // Where a new calibration is saved (empty: not saved) instead of asking
    // with CalSave.
    void setSaveFileChooser(std::function<QString()> chooser) {
        context_.chooseSaveFile = std::move(chooser);
    }

    // Chooses the mode from NewCalibrationPending; runs at every activation.
    void FormActivate();
    void OKSaveClick();
    void CancelClick();

    QLineEdit* Person = nullptr;
    QLineEdit* Headphones = nullptr;
    QLineEdit* Soundcard = nullptr;
    QLineEdit* Comment = nullptr;
    QLabel* DateStamp = nullptr;
    QPushButton* OKSave = nullptr;
    QPushButton* Cancel = nullptr;
    QFileDialog* CalSave = nullptr;

public Q_SLOTS:
    // Escape: Cancel, while the Cancel button is shown.
    void reject() override;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void FormCreate();
    void FormClose();
    QString runCalSave();
    void setMainWindowEnabled(bool enabled);

    CalibrationInfoContext context_;
};

} // namespace tavo::storage
