#include "hardware/CalibrationDialog.h"

#include "engine/AppState.h"
#include "hardware/MIXER_e.h"
#include "hardware/MasterLevel.h"
#include "hardware/SliderScale.h"
#include "platform/Platform.h"
#include "storage/Settings.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

#include <algorithm>

namespace tavo::hardware {

namespace {

constexpr int kEndpointMaximum = 1000;

constexpr char kOnText[] = QT_TRANSLATE_NOOP("tavo::hardware::CalibrationDialog", "Ein");
constexpr char kOffText[] = QT_TRANSLATE_NOOP("tavo::hardware::CalibrationDialog", "Aus");

} // namespace

const QString CalibrationDialog::kOn = QString::fromUtf8(kOnText);
const QString CalibrationDialog::kOff = QString::fromUtf8(kOffText);

QString CalibrationDialog::onText() {
    return tr(kOnText);
}

QString CalibrationDialog::offText() {
    return tr(kOffText);
}

CalibrationDialog::CalibrationDialog(CalibrationDialogContext context, const char* objectName,
                                     const QString& layoutCaption, QSize size)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), context_(std::move(context)),
      tone_(*context_.platform.wave, *context_.platform.pump) {
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(layoutCaption);
    setModal(false);
    setFixedSize(size);
    toneWatch_ = new QTimer(this);
    toneWatch_->setInterval(200);
    connect(toneWatch_, &QTimer::timeout, this, [this] { watchTone(); });
}

CalibrationDialog::~CalibrationDialog() = default;

void CalibrationDialog::buildLevelSliders(int waveLeft, int masterLeft, QWidget* gainParent,
                                          int gainLeft, int top) {
    const int sliderTop = top + 20;
    const int valueTop = sliderTop + 174;
    lblWaveOut = makeLabel(this, "lblWaveOut", tr("Wave Out"), QRect(waveLeft, top, 90, 16));
    WaveOutSlider = makeLevelSlider(this, "WaveOutSlider", QRect(waveLeft + 18, sliderTop, 40, 170),
                                    32, 4, tr("Soundcard Output Wave Volume"));
    WaveLabel =
        makeLabel(this, "WaveLabel", QStringLiteral("0"), QRect(waveLeft, valueTop, 90, 16));
    lblWaveNote =
        makeLabel(this, "lblWaveNote", QString(), QRect(waveLeft - 4, valueTop + 18, 104, 46));

    lblMasterOut =
        makeLabel(this, "lblMasterOut", tr("Master Out"), QRect(masterLeft, top, 90, 16));
    MasterSlider = makeLevelSlider(this, "MasterSlider", QRect(masterLeft + 18, sliderTop, 40, 170),
                                   1000, 100, tr("Soundcard Output Master Volume"));
    MasterLabel =
        makeLabel(this, "MasterLabel", QStringLiteral("0"), QRect(masterLeft, valueTop, 90, 16));
    lblMasterNote =
        makeLabel(this, "lblMasterNote", QString(), QRect(masterLeft - 4, valueTop + 18, 104, 46));

    const int gainTop = gainParent == this ? top : 4;
    Label4 = makeLabel(gainParent, "Label4", tr("Gain Factor"), QRect(gainLeft, gainTop, 90, 16));
    GainSlider =
        makeLevelSlider(gainParent, "GainSlider", QRect(gainLeft + 18, gainTop + 20, 40, 170),
                        65535, 8192, tr("Output Gain"));
    GainLabel = makeLabel(gainParent, "GainLabel", QStringLiteral("0"),
                          QRect(gainLeft, gainTop + 194, 90, 16));

    for (QLabel* value : {WaveLabel, MasterLabel, GainLabel}) {
        value->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    for (QLabel* note : {lblWaveNote, lblMasterNote}) {
        note->setWordWrap(true);
        note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        note->setStyleSheet(QStringLiteral("color: #a00000"));
    }
    connect(WaveOutSlider, &QSlider::valueChanged, this, [this] { WaveOutSliderChange(); });
    connect(MasterSlider, &QSlider::valueChanged, this, [this] { MasterSliderChange(); });
    connect(GainSlider, &QSlider::valueChanged, this, [this] { GainSliderChange(); });
}

int CalibrationDialog::takeLevelField(int lowest, int highest) {
    bool whole = false;
    const int value = Threshold->text().trimmed().toInt(&whole);
    const int used = whole ? std::clamp(value, lowest, highest) : std::clamp(0, lowest, highest);
    Threshold->setText(QString::number(used));
    return used;
}

void CalibrationDialog::buildToneControls(const QRect& field, const QPoint& button,
                                          const QString& buttonHint) {
    Threshold = new QLineEdit(QStringLiteral("0"), this);
    Threshold->setObjectName(QStringLiteral("Threshold"));
    Threshold->setGeometry(field);
    Threshold->setStyleSheet(QStringLiteral("background-color: yellow"));
    OnButton = new QPushButton(onText(), this);
    OnButton->setObjectName(QStringLiteral("OnButton"));
    OnButton->setGeometry(QRect(button, QSize(70, 28)));
    OnButton->setAutoDefault(false);
    OnButton->setToolTip(buttonHint);
    shpLED = new ToneLed(this);
    shpLED->setObjectName(QStringLiteral("shpLED"));
    shpLED->setGeometry(QRect(button + QPoint(78, 4), QSize(20, 20)));
    connect(OnButton, &QPushButton::clicked, this, [this] { OnButtonClick(); });
}

bool CalibrationDialog::endpointPath() const {
    return context_.state.UseEndpointVolume;
}

void CalibrationDialog::setUpSlider(QSlider* slider, QLabel* note, TMixUnsignedControl& control,
                                    bool read) {
    const QSignalBlocker block(slider);
    const bool usable = usableForSlider(control);
    slider->setEnabled(usable);
    if (note != nullptr) {
        note->setText(usable            ? QString()
                      : control.Present ? tr("Der Regler meldet 0 Stufen.")
                                        : tr("Die Soundkarte hat diesen Regler nicht."));
    }
    if (!usable) {
        setSliderRange(slider, 0);
        return;
    }
    setSliderRange(slider, static_cast<int>(control.Steps));
    if (read) {
        std::uint32_t left = 0;
        std::uint32_t right = 0;
        context_.mixer.GetUnsignedLevel(control, left, right);
        slider->setValue(shownValueForControl(control, left));
    }
}

void CalibrationDialog::setUpEndpointMaster() {
    const QSignalBlocker block(MasterSlider);
    MasterSlider->setEnabled(true);
    setSliderRange(MasterSlider, kEndpointMaximum);
    MasterSlider->setTickInterval(100);
    lblMasterNote->clear();
}

int CalibrationDialog::applyWave() {
    auto& mixer = context_.mixer;
    const int v = WaveOutSlider->value();
    if (const auto unit = mixer.WaveOutVolume.StepUnit(); unit && WaveOutSlider->isEnabled()) {
        mixer.SetUnsignedLevel(mixer.WaveOutVolume, *unit * v, *unit * v);
    }
    WaveLabel->setText(QString::number(v));
    return v;
}

int CalibrationDialog::applyMaster() {
    auto& mixer = context_.mixer;
    const int v = MasterSlider->value();
    if (endpointPath()) {
        ApplyMasterLevel(context_.endpoint ? context_.endpoint() : nullptr, v);
    } else if (const auto unit = mixer.MasterVolume.StepUnit(); unit && MasterSlider->isEnabled()) {
        mixer.SetUnsignedLevel(mixer.MasterVolume, *unit * v, *unit * v);
    }
    MasterLabel->setText(QString::number(v));
    return v;
}

bool CalibrationDialog::startTone(std::int32_t frequency, double level) {
    const int device = context_.settings != nullptr ? context_.settings->waveOutDevice : 0;
    if (!tone_.start(toneChannels_, frequency, level, device)) {
        stopTone();
        context_.platform.messages->show(
            tr("Der Testton kann nicht abgespielt werden: die Soundkarte ist nicht "
               "verfügbar."),
            {}, platform::MessageType::Error);
        return false;
    }
    shpLED->setOn(true);
    OnButton->setText(offText());
    toneWatch_->start();
    return true;
}

void CalibrationDialog::watchTone() {
    if (!tone_.failed()) {
        return;
    }
    toneLost();
    context_.platform.messages->show(
        tr("Die Soundkarte antwortet nicht mehr. Der Testton wurde angehalten."), {},
        platform::MessageType::Error);
}

void CalibrationDialog::stopTone() {
    toneWatch_->stop();
    tone_.stop();
    shpLED->setOn(false);
    OnButton->setText(onText());
}

void CalibrationDialog::enableMainWindow() {
    if (context_.mainWindow != nullptr) {
        context_.mainWindow->setEnabled(true);
    }
}

void CalibrationDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        shown();
    }
}

void CalibrationDialog::closeEvent(QCloseEvent* event) {
    // Not QDialog's, which would reject: closing has handling of its own.
    closing();
    event->accept();
}

} // namespace tavo::hardware
