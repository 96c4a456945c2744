#include "cli/SimulatedProgram.h"

#include "cli/Command.h"
#include "cli/InputFiles.h"
#include "hardware/MIXER_e.h"
#include "platform/FileNames.h"
#include "platform/Platform.h"
#include "platform/regfile/RegFileSettingsStore.h"
#include "platform/sim/SimEventPump.h"
#include "platform/sim/SimMessages.h"
#include "platform/sim/SimMixer.h"
#include "platform/sim/SimWaveOutput.h"
#include "storage/Registry.h"
#include "storage/TfrmCalibrationInfo.h"
#include "ui/MixerDeviceList.h"
#include "ui/Startup.h"

#include <QCoreApplication>
#include <QFile>

#include <cmath>

namespace tavo::cli {

SimulatedProgram::SimulatedProgram(
    const QString& settingsFile,
    std::optional<std::vector<platform::SimMixerDeviceDescription>> mixer) {
    const QString copy = folder_.filePath(QStringLiteral("settings.reg"));
    if (!folder_.isValid()) {
        throw Failure{QCoreApplication::translate(
            "SimulatedProgram", "Es konnte kein temporärer Ordner angelegt werden.")};
    }
    if (!settingsFile.isEmpty()) {
        if (!QFile::copy(settingsFile, copy)) {
            throw Failure{QCoreApplication::translate(
                "SimulatedProgram", "Die Einstellungen konnten nicht kopiert werden.")};
        }
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    }
    store_ = std::make_unique<platform::RegFileSettingsStore>(copy);
    if (settingsFile.isEmpty()) {
        // The design values, with the first start behind them.
        QString error;
        if (!storage::seedSettingsStore(*store_, &error) || !store_->openKey(false)) {
            throw Failure{
                QCoreApplication::translate("SimulatedProgram",
                                            "Die Einstellungen konnten nicht angelegt werden: %1")
                    .arg(error)};
        }
        store_->writeInteger(QStringLiteral("FirstRun"), 0);
        store_->closeKey();
    }

    platform_ = platform::makeVirtualPlatform();
    static_cast<platform::SimWaveOutput&>(*platform_->wave).keepLastBufferOnly(true);
    if (mixer) {
        static_cast<platform::SimMixerService&>(*platform_->mixer).devices() = std::move(*mixer);
    }
    mixer_ = std::make_unique<hardware::MIXER_e>(*platform_->mixer, *platform_->messages);
    mixerDevices_ = std::make_unique<ui::MixerDeviceList>(*mixer_);
    windows_ = ui::createWindows(state, *platform_, {*store_, *mixerDevices_, *mixer_}, {});
    // As in the program: a new calibration names the opened mixer device.
    windows_->calibrationInfo->setSoundCardName(
        [mixer = mixer_.get()] { return mixer->MixerCaps.ProductName; });
}

SimulatedProgram::~SimulatedProgram() = default;

platform::SimMessages& SimulatedProgram::messages() {
    return static_cast<platform::SimMessages&>(*platform_->messages);
}

platform::SimEventPump& SimulatedProgram::clock() {
    return static_cast<platform::SimEventPump&>(*platform_->pump);
}

void SimulatedProgram::loadCalibration(const QString& fileName) {
    // The program reports a bad calibration file in English, as a message
    // box; checked here, the user gets the tool's line.
    readCalibrationFile(fileName);
    if (!windows_->calibrationInfo->ReadCal(fileName)) {
        throw Failure{QCoreApplication::translate(
                          "SimulatedProgram", "Die Kalibrierung %1 konnte nicht geladen werden.")
                          .arg(fileName)};
    }
}

engine::ListenerDescription readListener(const QString& fileName) {
    QString error;
    auto listener = engine::loadListener(fileName, error);
    if (!listener) {
        throw Failure{error};
    }
    return *listener;
}

QString signedDecibels(double db) {
    const double shown = std::round(db * 10.0) / 10.0;
    return (shown >= 0.0 ? QStringLiteral("+") : QString()) +
           QString::number(shown == 0.0 ? 0.0 : shown, 'f', 1)
               .replace(QLatin1Char('.'), QLatin1Char(','));
}

std::vector<platform::SimMixerDeviceDescription> readMixerDescription(const QString& fileName) {
    QFile in;
    if (QString reason; !platform::openFile(fileName, QIODevice::ReadOnly, in, &reason)) {
        throw Failure{
            QCoreApplication::translate("SimulatedProgram", "%1 kann nicht gelesen werden: %2")
                .arg(fileName, reason)};
    }
    std::string error;
    // A description is a few kilobytes; anything far larger is not one.
    auto devices = platform::parseSimMixerDevices(in.read(1 << 20).toStdString(), error);
    if (!devices) {
        throw Failure{QStringLiteral("%1: %2").arg(fileName, QString::fromStdString(error))};
    }
    return *devices;
}

} // namespace tavo::cli
