#include "ui/SimulatedCalibration.h"

#include "engine/AppState.h"
#include "hardware/TfrmBioCal.h"
#include "platform/Platform.h"
#include "platform/sim/SimMessages.h"
#include "platform/sim/SimSoundChain.h"
#include "storage/TfrmCalibrationInfo.h"
#include "ui/Startup.h"
#include "ui/TfrmMain.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <cmath>
#include <limits>

namespace tavo::ui {

namespace {

constexpr double kSilent = -std::numeric_limits<double>::infinity();

// The calibrating listener at one page: how far the looped tone lies above
// his threshold in the page's ear with the sliders where they are now.
class PageListener {
public:
    PageListener(const engine::ListenerDescription& listener, const platform::SimSoundChain& sound,
                 int ear, int slot)
        : listener_(listener), sound_(sound), ear_(static_cast<std::size_t>(ear)),
          index_(static_cast<std::size_t>(slot - 1)) {}

    double margin() const {
        const auto playing = sound_.playing();
        if (!playing || !(*playing)[ear_]) {
            return kSilent;
        }
        return *(*playing)[ear_] + listener_.headphones[ear_][index_] -
               listener_.thresholds[ear_][index_];
    }

private:
    const engine::ListenerDescription& listener_;
    const platform::SimSoundChain& sound_;
    std::size_t ear_;
    std::size_t index_;
};

// A setting of the two sliders and how far the tone then lies from the
// threshold.
struct Setting {
    int wave = 0;
    int master = 0;
    double margin = kSilent;

    // Closer to the threshold is better; between two as close, the audible.
    bool betterThan(const Setting& other) const {
        const double distance = std::fabs(margin);
        const double otherDistance = std::fabs(other.margin);
        if (distance != otherDistance) {
            return distance < otherDistance;
        }
        return margin >= 0.0 && other.margin < 0.0;
    }
};

// Moves the wave and master sliders, as a listener would, to where the
// tone sits closest to his threshold: for every wave position the master
// position where the tone becomes audible, or the one just below it.
Setting findThreshold(hardware::TfrmBioCal& dialog, const PageListener& listener) {
    QSlider* wave = dialog.WaveOutSlider;
    QSlider* master = dialog.MasterSlider;
    const auto probe = [&](int w, int m) {
        wave->setValue(w);
        master->setValue(m);
        return Setting{w, m, listener.margin()};
    };
    const int waveLow = wave->isEnabled() ? wave->minimum() : wave->value();
    const int waveHigh = wave->isEnabled() ? wave->maximum() : wave->value();
    const int masterLow = master->isEnabled() ? master->minimum() : master->value();
    const int masterHigh = master->isEnabled() ? master->maximum() : master->value();

    Setting best;
    bool any = false;
    const auto consider = [&](const Setting& setting) {
        if (!any || setting.betterThan(best)) {
            best = setting;
            any = true;
        }
    };
    // From the top, so that of two equally good settings the one with more
    // wave (less amplification after it) is kept.
    for (int w = waveHigh; w >= waveLow; --w) {
        const Setting loudest = probe(w, masterHigh);
        if (loudest.margin < 0.0) {
            consider(loudest);
            continue;
        }
        const Setting quietest = probe(w, masterLow);
        if (quietest.margin >= 0.0) {
            consider(quietest);
            continue;
        }
        // The tone is heard at masterHigh and not at masterLow.
        int inaudible = masterLow;
        int audible = masterHigh;
        while (audible - inaudible > 1) {
            const int middle = inaudible + (audible - inaudible) / 2;
            (probe(w, middle).margin >= 0.0 ? audible : inaudible) = middle;
        }
        consider(probe(w, inaudible));
        consider(probe(w, audible));
    }
    probe(best.wave, best.master);
    return best;
}

QString earName(int ear) {
    return ear == engine::kLeftEar
               ? QCoreApplication::translate("SimulatedCalibration", "linkes Ohr")
               : QCoreApplication::translate("SimulatedCalibration", "rechtes Ohr");
}

} // namespace

SimulatedCalibration calibrateWithSimulatedListener(ProgramWindows& windows,
                                                    platform::Platform& platform,
                                                    const engine::ListenerDescription& listener,
                                                    const QString& fileName) {
    SimulatedCalibration result;
    auto* messages = dynamic_cast<platform::SimMessages*>(platform.messages.get());
    const auto sound = platform::SimSoundChain::of(platform);
    if (messages == nullptr || !sound) {
        result.error = QCoreApplication::translate(
            "SimulatedCalibration", "Eine simulierte Kalibrierung braucht die simulierte "
                                    "Soundkarte.");
        return result;
    }
    if (listener.scale != engine::ListenerScale::HearingLevel) {
        result.error = QCoreApplication::translate(
            "SimulatedCalibration", "Der kalibrierende Hörer muss nach Hörpegel beschrieben sein "
                                    "(\"scale\": \"hearing-level\").");
        return result;
    }
    auto& dialog = *windows.bioCal;
    const auto shownBefore = messages->shown().size();
    // No compatibility test first; then whether his thresholds are known.
    messages->queueAnswer(platform::MessageAnswer::No);
    messages->queueAnswer(listener.knownAudiogram ? platform::MessageAnswer::Yes
                                                  : platform::MessageAnswer::No);
    windows.main->SubjCal1Click();
    if (!dialog.isVisible()) {
        result.error = QCoreApplication::translate(
            "SimulatedCalibration", "Die Kalibrierung nach Gehör hat sich nicht geöffnet.");
        return result;
    }
    windows.calibrationInfo->setSaveFileChooser([fileName] { return fileName; });

    for (int page = 0; page < 22 && dialog.isVisible(); ++page) {
        const int ear = dialog.CalibrationEar;
        const int slot = dialog.CalibrationSlot;
        if (listener.knownAudiogram) {
            const double known =
                listener
                    .thresholds[static_cast<std::size_t>(ear)][static_cast<std::size_t>(slot - 1)];
            dialog.Threshold->setText(QString::number(std::lround(known)));
        }
        dialog.OnButton->click();
        if (!dialog.tonePlaying()) {
            result.error =
                QCoreApplication::translate("SimulatedCalibration",
                                            "Der Ton für %1, %2 Hz ließ sich nicht einschalten.")
                    .arg(earName(ear))
                    .arg(engine::kInitialFrequencies[static_cast<std::size_t>(slot)]);
            break;
        }
        const Setting found = findThreshold(dialog, PageListener(listener, *sound, ear, slot));
        result.pages.push_back({ear, slot, found.wave, found.master, found.margin,
                                std::fabs(found.margin) <= kCalibrationTolerance});
        dialog.Next->click();
    }
    if (result.error.isEmpty() && windows.calibrationInfo->isVisible()) {
        const auto& info = *windows.calibrationInfo;
        info.Person->setText(listener.name.isEmpty() ? QStringLiteral("Simulierter Hörer")
                                                     : listener.name);
        info.Headphones->setText(QStringLiteral("Simulierter Kopfhörer"));
        info.OKSave->click();
    }
    // A message of the program's own (the device, the save) says what went
    // wrong.
    for (auto i = shownBefore; i < messages->shown().size(); ++i) {
        if (result.error.isEmpty() && messages->shown()[i].type == platform::MessageType::Error) {
            result.error = messages->shown()[i].text;
        }
    }
    if (result.error.isEmpty() &&
        (result.pages.size() != 22 || windows.calibrationInfo->isVisible())) {
        result.error = QCoreApplication::translate("SimulatedCalibration",
                                                   "Die Kalibrierung wurde nicht abgeschlossen.");
    }
    return result;
}

} // namespace tavo::ui
