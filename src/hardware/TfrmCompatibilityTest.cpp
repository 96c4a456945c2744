#include "hardware/TfrmCompatibilityTest.h"

#include "engine/AppState.h"
#include "engine/LiveSettings.h"
#include "hardware/MIXER_e.h"
#include "hardware/MasterLevel.h"
#include "hardware/PrepareSoundCard.h"
#include "hardware/SliderScale.h"
#include "platform/Platform.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>

namespace tavo::hardware {

namespace {

template <typename T> T* named(T* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* l = named(new QLabel(text, parent), name);
    l->setGeometry(geometry);
    return l;
}

constexpr int kEndpointMaximum = 1000;
constexpr int kQuietest = -60;

// The level field: a whole number from -60 to 0; anything else is 0.
int levelOf(const QString& text) {
    bool whole = false;
    const int value = text.trimmed().toInt(&whole);
    return whole ? std::clamp(value, kQuietest, 0) : 0;
}

} // namespace

const QString TfrmCompatibilityTest::kOn = QStringLiteral("Ein");
const QString TfrmCompatibilityTest::kOff = QStringLiteral("Aus");
const QString TfrmCompatibilityTest::kWarning = QStringLiteral(
    "Je nach Hardware kann dieser Test sehr laute Töne im Kopfhörer erzeugen.\nBITTE NEHMEN SIE "
    "DEN KOPFHÖRER AB, wenn sie den Testton einschalten, und setzen Sie ihn DANN wieder auf und "
    "erhöhen falls nötig langsam den Pegel.");
const QString TfrmCompatibilityTest::kWaveZeroSteps = QStringLiteral(
    "Your soundcard is reporting zero possible levels on the wave volume control and is "
    "therefore not compatible with this program, sorry. Please try another sound card.");
const QString TfrmCompatibilityTest::kMasterZeroSteps = QStringLiteral(
    "Your soundcard is reporting zero possible levels on the master volume control and is "
    "therefore not compatible with this program, sorry. Please try another sound card.");

TfrmCompatibilityTest::TfrmCompatibilityTest(CalibrationDialogContext context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), context_(std::move(context)),
      tone_(*context_.platform.wave, *context_.platform.pump) {
    setObjectName(QStringLiteral("frmCompatibilityTest"));
    setWindowTitle(QStringLiteral("Hardware Compatibility Test"));
    setModal(false);
    buildControls();
    FormCreate();
}

TfrmCompatibilityTest::~TfrmCompatibilityTest() = default;

void TfrmCompatibilityTest::buildControls() {
    setFixedSize(560, 400);
    Label9 = label(this, "Label9", QString(), QRect(12, 6, 536, 18));

    lblWaveOut = label(this, "lblWaveOut", QStringLiteral("Wave Out"), QRect(12, 30, 90, 16));
    WaveOutSlider = makeLevelSlider(this, "WaveOutSlider", QRect(30, 50, 40, 170), 32, 4,
                                    QStringLiteral("Soundcard Output Wave Volume"));
    WaveLabel = label(this, "WaveLabel", QStringLiteral("0"), QRect(12, 224, 90, 16));
    lblWaveNote = label(this, "lblWaveNote", QString(), QRect(8, 242, 100, 46));
    lblMasterOut =
        label(this, "lblMasterOut", QStringLiteral("Master Out"), QRect(110, 30, 90, 16));
    MasterSlider = makeLevelSlider(this, "MasterSlider", QRect(128, 50, 40, 170), 1000, 100,
                                   QStringLiteral("Soundcard Output Master Volume"));
    MasterLabel = label(this, "MasterLabel", QStringLiteral("0"), QRect(110, 224, 90, 16));
    lblMasterNote = label(this, "lblMasterNote", QString(), QRect(106, 242, 100, 46));
    Label4 = label(this, "Label4", QStringLiteral("Gain Factor"), QRect(208, 30, 90, 16));
    GainSlider = makeLevelSlider(this, "GainSlider", QRect(226, 50, 40, 170), 65535, 8192,
                                 QStringLiteral("Output Gain"));
    GainLabel = label(this, "GainLabel", QStringLiteral("0"), QRect(208, 224, 90, 16));
    for (QLabel* value : {WaveLabel, MasterLabel, GainLabel}) {
        value->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    for (QLabel* note : {lblWaveNote, lblMasterNote}) {
        note->setWordWrap(true);
        note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        note->setStyleSheet(QStringLiteral("color: #a00000"));
    }

    Label7 = label(this, "Label7", QStringLiteral("Frequency"), QRect(306, 30, 90, 16));
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
    tbrFrequency->setToolTip(QStringLiteral("Test frequency"));
    Label8 = label(this, "Label8", QStringLiteral("125"), QRect(306, 224, 76, 16));
    Label8->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Label5 = label(this, "Label5", QStringLiteral("Level"), QRect(400, 30, 150, 32));
    Label5->setWordWrap(true);
    Threshold = named(new QLineEdit(QStringLiteral("0"), this), "Threshold");
    Threshold->setGeometry(400, 66, 60, 24);
    Threshold->setStyleSheet(QStringLiteral("background-color: yellow"));
    Threshold->setToolTip(QStringLiteral("Output level, relative to digital full scale."));
    Threshold->installEventFilter(this);
    lblThresholdUnit =
        label(this, "lblThresholdUnit", QStringLiteral("dB"), QRect(466, 70, 30, 16));
    rdoLeftEar = named(new QRadioButton(QStringLiteral("Links"), this), "rdoLeftEar");
    rdoLeftEar->setGeometry(400, 98, 140, 20);
    rdoLeftEar->setChecked(true);
    rdoRightEar = named(new QRadioButton(QStringLiteral("Rechts"), this), "rdoRightEar");
    rdoRightEar->setGeometry(400, 120, 140, 20);
    Label1 = label(this, "Label1", QStringLiteral("Play"), QRect(400, 146, 150, 48));
    Label1->setWordWrap(true);
    OnButton = named(new QPushButton(kOn, this), "OnButton");
    OnButton->setGeometry(400, 198, 70, 28);
    OnButton->setAutoDefault(false);
    OnButton->setToolTip(
        QStringLiteral("Take care and your headphones off when pressing this button."));
    shpLED = named(new ToneLed(this), "shpLED");
    shpLED->setGeometry(478, 202, 20, 20);
    lblSoundLeft = label(this, "lblSoundLeft", QString(), QRect(400, 232, 150, 56));
    lblSoundLeft->setWordWrap(true);
    lblSoundLeft->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Directions = label(this, "Directions", QString(), QRect(12, 296, 536, 48));
    Directions->setWordWrap(true);
    Directions->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Directions->setToolTip(
        QStringLiteral("Brief Instructions. For furter Information read your Manual."));
    btnClose = named(new QPushButton(QStringLiteral("Close"), this), "btnClose");
    btnClose->setGeometry(448, 360, 100, 28);
    btnClose->setAutoDefault(false);
    btnClose->setToolTip(QStringLiteral("Ends this test and closes the window."));

    connect(WaveOutSlider, &QSlider::valueChanged, this, [this] { WaveOutSliderChange(); });
    connect(MasterSlider, &QSlider::valueChanged, this, [this] { MasterSliderChange(); });
    connect(GainSlider, &QSlider::valueChanged, this, [this] { GainSliderChange(); });
    connect(tbrFrequency, &QSlider::valueChanged, this, [this] { tbrFrequencyChange(); });
    connect(OnButton, &QPushButton::clicked, this, [this] { OnButtonClick(); });
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });
}

void TfrmCompatibilityTest::FormCreate() {
    Label7->setText(QStringLiteral("Frequenz"));
    Label5->setText(QStringLiteral("Tonpegel, relativ zum Maximalpegel"));
    Label1->setText(QStringLiteral("Testton auf Hörschwellenpegel abspielen"));
    Directions->setText(
        QStringLiteral("Geben Sie Werte von 0 bis -60 in das gelbe Feld ein, um Soundkarte und "
                       "Kopfhörer zu testen. Selbst bei -60dB sollten alle Frequenzen in einem "
                       "ruhigen Raum noch hörbar sein."));
    // Whichever channel is chosen: the text has always said "left".
    lblSoundLeft->setText(QStringLiteral("Der Ton sollte nur aus dem linken Kanal kommen."));
    btnClose->setText(QStringLiteral("Schließen"));
    OnButton->setText(kOn);
}

bool TfrmCompatibilityTest::endpointPath() const {
    return context_.state.UseEndpointVolume;
}

int TfrmCompatibilityTest::selectedSlot() const {
    return 12 - tbrFrequency->value();
}

void TfrmCompatibilityTest::showFromCommand() {
    disablesMainWindow_ = true;
    if (context_.mainWindow != nullptr) {
        context_.mainWindow->setEnabled(false);
    }
    show();
}

void TfrmCompatibilityTest::showBesideMainWindow() {
    disablesMainWindow_ = false;
    show();
}

// A slider showing the card's current value of a control; a control the
// dialog cannot compute with leaves it disabled, with the reason under it.
void TfrmCompatibilityTest::setUpFromControl(QSlider* slider, QLabel* note,
                                             TMixUnsignedControl& control, bool usable) {
    const QSignalBlocker block(slider);
    slider->setEnabled(usable);
    if (!usable) {
        setSliderRange(slider, 0);
        if (note != nullptr) {
            note->setText(control.Present
                              ? QStringLiteral("Der Regler meldet 0 Stufen.")
                              : QStringLiteral("Die Soundkarte hat diesen Regler nicht."));
        }
        return;
    }
    if (note != nullptr) {
        note->clear();
    }
    setSliderRange(slider, static_cast<int>(control.Steps));
    std::uint32_t left = 0;
    std::uint32_t right = 0;
    context_.mixer.GetUnsignedLevel(control, left, right);
    slider->setValue(shownValueForControl(control, left));
}

void TfrmCompatibilityTest::FormShow() {
    auto& mixer = context_.mixer;
    auto& messages = *context_.platform.messages;
    messages.show(kWarning, {}, platform::MessageType::Warning);
    Label9->setText(
        QStringLiteral("Aktive Soundkarte: ") +
        (context_.settings != nullptr ? context_.settings->waveOutDeviceText() : QString()));
    if (mixer.WaveOutVolume.Steps == 0) {
        messages.show(kWaveZeroSteps);
    }
    setUpFromControl(WaveOutSlider, lblWaveNote, mixer.WaveOutVolume,
                     usableForSlider(mixer.WaveOutVolume));
    if (!endpointPath()) {
        if (mixer.MasterVolume.Steps == 0) {
            messages.show(kMasterZeroSteps);
        }
        setUpFromControl(MasterSlider, lblMasterNote, mixer.MasterVolume,
                         usableForSlider(mixer.MasterVolume));
    } else {
        // The system level keeps the slider's own range and position.
        const QSignalBlocker block(MasterSlider);
        MasterSlider->setEnabled(true);
        setSliderRange(MasterSlider, kEndpointMaximum);
        MasterSlider->setTickInterval(100);
        lblMasterNote->clear();
    }
    const bool gain = mixer.OutputGain.Present;
    for (QWidget* w : std::initializer_list<QWidget*>{GainSlider, GainLabel, Label4}) {
        w->setVisible(gain);
    }
    if (gain) {
        setUpFromControl(GainSlider, nullptr, mixer.OutputGain, usableForSlider(mixer.OutputGain));
        GainSliderChange();
    }
    MasterSliderChange();
    WaveOutSliderChange();
    PrepareSoundCard(context_.state, mixer);
}

void TfrmCompatibilityTest::WaveOutSliderChange() {
    auto& mixer = context_.mixer;
    const int v = WaveOutSlider->value();
    if (const auto unit = mixer.WaveOutVolume.StepUnit(); unit && WaveOutSlider->isEnabled()) {
        mixer.SetUnsignedLevel(mixer.WaveOutVolume, *unit * v, *unit * v);
    }
    WaveLabel->setText(QString::number(v));
}

void TfrmCompatibilityTest::MasterSliderChange() {
    auto& mixer = context_.mixer;
    const int v = MasterSlider->value();
    if (endpointPath()) {
        ApplyMasterLevel(context_.endpoint ? context_.endpoint() : nullptr, v);
    } else if (const auto unit = mixer.MasterVolume.StepUnit(); unit && MasterSlider->isEnabled()) {
        mixer.SetUnsignedLevel(mixer.MasterVolume, *unit * v, *unit * v);
    }
    MasterLabel->setText(QString::number(v));
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
    if (OnButton->text() == kOff) {
        // The channel stays as it was chosen when the tone was switched on.
        tone_.stop();
        startTone();
    }
}

void TfrmCompatibilityTest::ThresholdExit() {
    Threshold->setText(QString::number(levelOf(Threshold->text())));
}

void TfrmCompatibilityTest::startTone() {
    const auto& state = context_.state;
    const int device = context_.settings != nullptr ? context_.settings->waveOutDevice() : 0;
    if (!tone_.start(state, state.TestFrequencies[static_cast<std::size_t>(selectedSlot())],
                     levelOf(Threshold->text()), device)) {
        toneOff();
        context_.platform.messages->show(
            QStringLiteral("Der Testton kann nicht abgespielt werden: die Soundkarte ist nicht "
                           "verfügbar."),
            {}, platform::MessageType::Error);
        return;
    }
    rdoLeftEar->setEnabled(false);
    rdoRightEar->setEnabled(false);
    shpLED->setOn(true);
    OnButton->setText(kOff);
}

void TfrmCompatibilityTest::toneOff() {
    rdoLeftEar->setEnabled(true);
    rdoRightEar->setEnabled(true);
    shpLED->setOn(false);
    OnButton->setText(kOn);
    tone_.stop();
}

void TfrmCompatibilityTest::OnButtonClick() {
    if (OnButton->text() != kOn) {
        toneOff();
        return;
    }
    auto& state = context_.state;
    state.LeftChannelGain = rdoLeftEar->isChecked() ? 1 : 0;
    state.RightChannelGain = rdoRightEar->isChecked() ? 1 : 0;
    startTone();
}

void TfrmCompatibilityTest::btnCloseClick() {
    close();
}

void TfrmCompatibilityTest::FormClose() {
    if (OnButton->text() != kOn || tone_.playing()) {
        toneOff();
    }
    if (context_.mainWindow != nullptr) {
        context_.mainWindow->setEnabled(true);
    }
}

void TfrmCompatibilityTest::reject() {
    // Escape closes the window as its button does, never just hides it.
    close();
}

void TfrmCompatibilityTest::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TfrmCompatibilityTest::closeEvent(QCloseEvent* event) {
    // Not QDialog's: that would reject, and rejecting here means Escape's
    // button, not closing.
    FormClose();
    event->accept();
}

bool TfrmCompatibilityTest::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Threshold && event->type() == QEvent::FocusOut) {
        ThresholdExit();
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tavo::hardware
