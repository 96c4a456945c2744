#include "hardware/TfrmCompatibilityTest.h"

#include "engine/AppState.h"
#include "engine/DeviceList.h"
#include "hardware/MIXER_e.h"
#include "hardware/PrepareSoundCard.h"
#include "platform/Platform.h"
#include "storage/Settings.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <algorithm>

namespace tavo::hardware {

namespace {

constexpr int kQuietest = -60;

// The messages as written here; they are shown translated.
constexpr char kWarningText[] = QT_TRANSLATE_NOOP(
    "tavo::hardware::TfrmCompatibilityTest",
    "Je nach Hardware kann dieser Test sehr laute Töne im Kopfhörer erzeugen.\nBITTE NEHMEN SIE "
    "DEN KOPFHÖRER AB, wenn sie den Testton einschalten, und setzen Sie ihn DANN wieder auf und "
    "erhöhen falls nötig langsam den Pegel.");
constexpr char kWaveZeroStepsText[] = QT_TRANSLATE_NOOP(
    "tavo::hardware::TfrmCompatibilityTest",
    "Your soundcard is reporting zero possible levels on the wave volume control and is "
    "therefore not compatible with this program, sorry. Please try another sound card.");
constexpr char kMasterZeroStepsText[] = QT_TRANSLATE_NOOP(
    "tavo::hardware::TfrmCompatibilityTest",
    "Your soundcard is reporting zero possible levels on the master volume control and is "
    "therefore not compatible with this program, sorry. Please try another sound card.");

} // namespace

const QString TfrmCompatibilityTest::kWarning = QString::fromUtf8(kWarningText);
const QString TfrmCompatibilityTest::kWaveZeroSteps = QString::fromUtf8(kWaveZeroStepsText);
const QString TfrmCompatibilityTest::kMasterZeroSteps = QString::fromUtf8(kMasterZeroStepsText);

TfrmCompatibilityTest::TfrmCompatibilityTest(CalibrationDialogContext context)
    : CalibrationDialog(std::move(context), "frmCompatibilityTest",
                        tr("Hardware Compatibility Test"), QSize(560, 400)) {
    buildControls();
    FormCreate();
}

TfrmCompatibilityTest::~TfrmCompatibilityTest() = default;

void TfrmCompatibilityTest::buildControls() {
    Label9 = makeLabel(this, "Label9", QString(), QRect(12, 6, 536, 18));
    buildLevelSliders(12, 110, this, 208, 30);

    Label7 = makeLabel(this, "Label7", tr("Frequency"), QRect(306, 30, 90, 16));
    tbrFrequency = named(new QSlider(Qt::Vertical, this), "tbrFrequency");
    tbrFrequency->setGeometry(324, 50, 40, 170);
    // Position 1 (8000 Hz) at the top, 11 (125 Hz) at the bottom.
    tbrFrequency->setInvertedAppearance(true);
    tbrFrequency->setInvertedControls(true);
    tbrFrequency->setTickPosition(QSlider::TicksBothSides);
    tbrFrequency->setRange(1, 11);
    tbrFrequency->setTickInterval(2);
    tbrFrequency->setPageStep(1);
    tbrFrequency->setValue(11);
    tbrFrequency->setToolTip(tr("Test frequency"));
    Label8 = makeLabel(this, "Label8", QStringLiteral("125"), QRect(306, 224, 76, 16));
    Label8->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Label5 = makeLabel(this, "Label5", tr("Level"), QRect(400, 30, 150, 32));
    Label5->setWordWrap(true);
    buildToneControls(QRect(400, 66, 60, 24), QPoint(400, 198),
                      tr("Take care and your headphones off when pressing this "
                         "button."));
    Threshold->setToolTip(tr("Output level, relative to digital full scale."));
    Threshold->installEventFilter(this);
    lblThresholdUnit =
        makeLabel(this, "lblThresholdUnit", QStringLiteral("dB"), QRect(466, 70, 30, 16));
    rdoLeftEar = named(new QRadioButton(tr("Links"), this), "rdoLeftEar");
    rdoLeftEar->setGeometry(400, 98, 140, 20);
    rdoLeftEar->setChecked(true);
    rdoRightEar = named(new QRadioButton(tr("Rechts"), this), "rdoRightEar");
    rdoRightEar->setGeometry(400, 120, 140, 20);
    Label1 = makeLabel(this, "Label1", tr("Play"), QRect(400, 146, 150, 48));
    Label1->setWordWrap(true);
    lblSoundLeft = makeLabel(this, "lblSoundLeft", QString(), QRect(400, 232, 150, 56));
    lblSoundLeft->setWordWrap(true);
    lblSoundLeft->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Directions = makeLabel(this, "Directions", QString(), QRect(12, 296, 536, 48));
    Directions->setWordWrap(true);
    Directions->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Directions->setToolTip(tr("Brief Instructions. For furter Information read your Manual."));
    btnClose = named(new QPushButton(tr("Close"), this), "btnClose");
    btnClose->setGeometry(448, 360, 100, 28);
    btnClose->setAutoDefault(false);
    btnClose->setToolTip(tr("Ends this test and closes the window."));

    connect(tbrFrequency, &QSlider::valueChanged, this, [this] { tbrFrequencyChange(); });
    connect(rdoRightEar, &QRadioButton::toggled, this, [this] { showChannelHint(); });
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });
}

void TfrmCompatibilityTest::FormCreate() {
    Label7->setText(tr("Frequenz"));
    Label5->setText(tr("Tonpegel, relativ zum Maximalpegel"));
    Label1->setText(tr("Testton auf Hörschwellenpegel abspielen"));
    Directions->setText(tr("Geben Sie Werte von 0 bis -60 in das gelbe Feld ein, um Soundkarte und "
                           "Kopfhörer zu testen. Selbst bei -60dB sollten alle Frequenzen in einem "
                           "ruhigen Raum noch hörbar sein."));
    showChannelHint();
    btnClose->setText(tr("Schließen"));
    OnButton->setText(onText());
}

// The hint names the channel chosen: it said "left" also while the right
// one played, a plainly wrong instruction.
void TfrmCompatibilityTest::showChannelHint() {
    lblSoundLeft->setText(rdoRightEar->isChecked()
                              ? tr("Der Ton sollte nur aus dem rechten Kanal kommen.")
                              : tr("Der Ton sollte nur aus dem linken Kanal kommen."));
}

int TfrmCompatibilityTest::selectedSlot() const {
    return 12 - tbrFrequency->value();
}

void TfrmCompatibilityTest::showFromCommand() {
    if (context_.mainWindow != nullptr) {
        context_.mainWindow->setEnabled(false);
    }
    show();
}

void TfrmCompatibilityTest::showBesideMainWindow() {
    show();
}

void TfrmCompatibilityTest::FormShow() {
    auto& mixer = context_.mixer;
    auto& messages = *context_.platform.messages;
    messages.show(tr(kWarningText), {}, platform::MessageType::Warning);
    // The wave-output device's entry as the settings list shows it.
    const int device = context_.settings != nullptr ? context_.settings->waveOutDevice : 0;
    const QStringList entries = context_.platform.wave != nullptr
                                    ? engine::waveOutDeviceEntries(*context_.platform.wave)
                                    : QStringList();
    Label9->setText(tr("Aktive Soundkarte: %1").arg(entries.value(device)));
    if (mixer.WaveOutVolume.Steps == 0) {
        messages.show(tr(kWaveZeroStepsText));
    }
    setUpSlider(WaveOutSlider, lblWaveNote, mixer.WaveOutVolume, true);
    if (endpointPath()) {
        setUpEndpointMaster();
    } else {
        if (mixer.MasterVolume.Steps == 0) {
            messages.show(tr(kMasterZeroStepsText));
        }
        setUpSlider(MasterSlider, lblMasterNote, mixer.MasterVolume, true);
    }
    const bool gain = mixer.OutputGain.Present;
    for (QWidget* w : std::initializer_list<QWidget*>{GainSlider, GainLabel, Label4}) {
        w->setVisible(gain);
    }
    if (gain) {
        setUpSlider(GainSlider, nullptr, mixer.OutputGain, true);
        GainSliderChange();
    }
    MasterSliderChange();
    WaveOutSliderChange();
    PrepareSoundCard(context_.state, mixer);
}

void TfrmCompatibilityTest::WaveOutSliderChange() {
    applyWave();
}

void TfrmCompatibilityTest::MasterSliderChange() {
    applyMaster();
}

void TfrmCompatibilityTest::GainSliderChange() {
    auto& mixer = context_.mixer;
    if (!mixer.OutputGain.Present) {
        return;
    }
    const int v = GainSlider->value();
    // Both channels, whichever ear is chosen.
    if (const auto unit = mixer.OutputGain.StepUnit(); unit && GainSlider->isEnabled()) {
        mixer.SetUnsignedLevel(mixer.OutputGain, *unit * v, *unit * v);
    }
    GainLabel->setText(QString::number(v));
}

void TfrmCompatibilityTest::tbrFrequencyChange() {
    const auto& state = context_.state;
    Label8->setText(
        QString::number(state.TestFrequencies[static_cast<std::size_t>(selectedSlot())]));
    if (OnButton->text() == offText()) {
        playSelected();
    }
}

void TfrmCompatibilityTest::ThresholdExit() {
    takeLevelField(kQuietest, 0);
}

void TfrmCompatibilityTest::playSelected() {
    const auto& state = context_.state;
    if (startTone(state.TestFrequencies[static_cast<std::size_t>(selectedSlot())],
                  takeLevelField(kQuietest, 0))) {
        rdoLeftEar->setEnabled(false);
        rdoRightEar->setEnabled(false);
    } else {
        toneOff();
    }
}

void TfrmCompatibilityTest::toneOff() {
    rdoLeftEar->setEnabled(true);
    rdoRightEar->setEnabled(true);
    stopTone();
}

void TfrmCompatibilityTest::OnButtonClick() {
    if (OnButton->text() != onText()) {
        toneOff();
        return;
    }
    setToneChannels({rdoLeftEar->isChecked() ? 1 : 0, rdoRightEar->isChecked() ? 1 : 0});
    playSelected();
}

void TfrmCompatibilityTest::btnCloseClick() {
    close();
}

void TfrmCompatibilityTest::FormClose() {
    toneOff();
    enableMainWindow();
}

void TfrmCompatibilityTest::reject() {
    close();
}

bool TfrmCompatibilityTest::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Threshold && event->type() == QEvent::FocusOut) {
        ThresholdExit();
    }
    return CalibrationDialog::eventFilter(watched, event);
}

} // namespace tavo::hardware
