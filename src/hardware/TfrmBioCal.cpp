#include "hardware/TfrmBioCal.h"

#include "engine/AppState.h"
#include "hardware/CalibrationStamp.h"
#include "hardware/MIXER_e.h"
#include "hardware/MasterLevel.h"
#include "hardware/PrepareSoundCard.h"
#include "hardware/SliderScale.h"
#include "platform/Platform.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

namespace tavo::hardware {

TfrmBioCal::TfrmBioCal(CalibrationDialogContext context,
                       std::function<void(const QString& comment)> handOver)
    : CalibrationDialog(std::move(context), "frmBioCal", tr("Calibration by Ear"), QSize(560, 480)),
      handOver_(std::move(handOver)) {
    buildControls();
    FormCreate();
}

TfrmBioCal::~TfrmBioCal() = default;

void TfrmBioCal::buildControls() {
    Label7 =
        makeLabel(this, "Label7", tr("Windows Volume Control (Soundcard)"), QRect(12, 4, 360, 18));
    GainBox = named(new QFrame(this), "GainBox");
    GainBox->setGeometry(250, 20, 110, 230);
    GainBox->setFrameShape(QFrame::Box);
    buildLevelSliders(12, 130, GainBox, 8, 24);

    Label5 = makeLabel(this, "Label5", tr("Tone Generator"), QRect(380, 200, 168, 18));
    buildToneControls(QRect(380, 222, 60, 24), QPoint(380, 252),
                      tr("Switches Test Tone On and Off"));
    Threshold->installEventFilter(this);
    Label6 = makeLabel(this, "Label6", QStringLiteral("dB"), QRect(446, 226, 30, 16));
    lblFreqSide = makeLabel(this, "lblFreqSide", QString(), QRect(380, 282, 168, 18));
    Image1 = named(new HeadphonesPicture(this), "Image1");
    Image1->setGeometry(380, 23, 161, 168);

    lblInstructions =
        makeLabel(this, "lblInstructions", tr("Instructions"), QRect(12, 300, 300, 18));
    QFont bold = lblInstructions->font();
    bold.setBold(true);
    lblInstructions->setFont(bold);
    Directions = makeLabel(this, "Directions", tr("Directions"), QRect(12, 320, 536, 48));
    Directions->setWordWrap(true);
    Directions->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label9 = makeLabel(this, "Label9",
                       tr("When you have found the hearing threshold, click on 'next' to "
                          "proceed to the next frequency."),
                       QRect(12, 368, 536, 48));
    Label9->setWordWrap(true);
    Label9->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (QLabel* l : {Directions, Label9}) {
        l->setToolTip(tr("Brief Instructions. For furter Information read your "
                         "Manual."));
    }

    Previous = named(new QPushButton(tr("<- Previous"), this), "Previous");
    Previous->setGeometry(12, 440, 100, 28);
    Previous->setAutoDefault(false);
    Next = named(new QPushButton(tr("Next ->"), this), "Next");
    Next->setGeometry(448, 440, 100, 28);
    Next->setAutoDefault(false);
    Next->setToolTip(tr("Click here when you are satisfied with the mixer settings"));
    connect(Previous, &QPushButton::clicked, this, [this] { PreviousClick(); });
    connect(Next, &QPushButton::clicked, this, [this] { NextClick(); });
}

void TfrmBioCal::FormCreate() {
    OnButton->setText(onText());
    lblInstructions->setText(tr("Anleitung"));
    Label5->setText(tr("Tongenerator"));
    Label7->setText(tr("Windows Lautstärkeregler (Soundkarte)"));
    Previous->setText(tr("<- Zurück"));
    Next->setText(tr("Weiter ->"));
    setWindowTitle(tr("Kalibrierung nach Gehör"));
    Directions->setText(
        tr("Geben Sie Ihre bekannte Hörschwelle im gelben Feld ein, starten Sie den Testton und "
           "stellen Sie die Lautstärke mit den Schiebereglers genau auf Ihre Hörschwelle "
           "zwischen hörbar und unhörbar ein. Der Gain-Faktor (falls bei Ihrer Soundkarte "
           "vorhanden) sollte dabei so niedrig wie möglich sein, um das Eigenrauschen der Karte "
           "zu minimieren."));
}

// Each showing starts the procedure afresh.
void TfrmBioCal::FormActivate() {
    auto& state = context_.state;
    auto& mixer = context_.mixer;
    platform::Message ask{
        tr("Haben Sie ein Audiogramm von einem aktuellen Hörtest (z.B. von einem Hörtest bei einem "
           "Ohrenarzt), den Sie als Referenz benutzen können? Ist dies nicht der Fall, ist es zu "
           "empfehlen das gesunde Gehör einer jungen Person als Referenz zu verwenden."),
        {},
        platform::MessageType::Confirmation,
        platform::MessageButtons::YesNo,
        11};
    KnownThresholdMode = context_.platform.messages->show(ask) == platform::MessageAnswer::Yes;
    Threshold->setText(QStringLiteral("0"));
    Threshold->setVisible(KnownThresholdMode);
    Label6->setVisible(KnownThresholdMode);

    CalibrationEar = engine::kLeftEar;
    CalibrationSlot = 1;
    setWindowTitle(tr("Kalibrierung per Gehör - Linker Kanal %1 Hz")
                       .arg(QString::number(state.TestFrequencies[1])));

    setUpSliders();
    // The directions for the mode and the card. The text without a known
    // threshold but with a gain control has always begun with a blank.
    const auto directions = [](bool knownThreshold, bool gain) -> QString {
        if (!gain) {
            return knownThreshold ? tr("Geben Sie Ihre bekannte Hörschwelle im gelben Feld ein, "
                                       "starten Sie den Tongenerator und stellen Sie die "
                                       "Lautstärke mit den Schiebereglers genau auf Ihre "
                                       "Hörschwelle zwischen hörbar und unhörbar ein.")
                                  : tr("Starten Sie den Tongenerator und stellen Sie die "
                                       "Lautstärke mit den Schiebereglers genau auf Ihre "
                                       "Hörschwelle zwischen hörbar und unhörbar ein.");
        }
        return knownThreshold ? tr("Geben Sie Ihre bekannte Hörschwelle im gelben Feld ein, "
                                   "starten Sie den Tongenerator und stellen Sie die Lautstärke "
                                   "mit den Schiebereglers genau auf Ihre Hörschwelle zwischen "
                                   "hörbar und unhörbar ein. Der Gain-Faktor sollte dabei so "
                                   "niedrig wie möglich sein, um den Rauschabstand zu verbessern.")
                              : tr(" Starten Sie den Tongenerator und stellen Sie die Lautstärke "
                                   "mit den Schiebereglers genau auf Ihre Hörschwelle zwischen "
                                   "hörbar und unhörbar ein. Der Gain-Faktor sollte dabei so "
                                   "niedrig wie möglich sein, um den Rauschabstand zu verbessern.");
    };
    Directions->setText(directions(KnownThresholdMode, gainShown_));
    Directions->adjustSize();
    Directions->resize(536, Directions->heightForWidth(536));
    Label9->move(Label9->x(), Directions->geometry().bottom() + 1);

    MasterSliderChange();
    WaveOutSliderChange();
    GainSliderChange();
    PrepareSoundCard(state, mixer);

    // A check of the loaded calibration starts from it; a new one from zero.
    const bool recheck = state.CalibrationLoaded && !state.NewCalibrationMode;
    for (int ear = 0; ear < engine::kEars; ++ear) {
        for (int k = 0; k < 11; ++k) {
            auto& point =
                state.NewCalibration[static_cast<std::size_t>(ear)][static_cast<std::size_t>(k)];
            const auto& loaded =
                state.Calibration[static_cast<std::size_t>(ear)][static_cast<std::size_t>(k + 1)];
            point.WaveSteps = recheck ? loaded.WaveSteps : 0;
            point.MasterSteps = recheck ? loaded.MasterSteps : 0;
            point.GainSteps = recheck ? loaded.GainSteps : 0;
            point.Reference = recheck ? loaded.Reference : 0.0;
        }
    }
    Preparepage();
}

// The sliders' ranges from the card's controls; on the mixer path the
// master slider shows what the card holds.
void TfrmBioCal::setUpSliders() {
    auto& mixer = context_.mixer;
    if (endpointPath()) {
        setUpEndpointMaster();
    } else {
        setUpSlider(MasterSlider, lblMasterNote, mixer.MasterVolume, true);
    }
    setUpSlider(WaveOutSlider, lblWaveNote, mixer.WaveOutVolume, false);
    gainShown_ = mixer.OutputGain.Present && mixer.OutputGain.Maximum > 0 &&
                 usableForSlider(mixer.OutputGain);
    for (QWidget* w : std::initializer_list<QWidget*>{GainBox, GainSlider, GainLabel, Label4}) {
        w->setVisible(gainShown_);
    }
    if (gainShown_) {
        setUpSlider(GainSlider, nullptr, mixer.OutputGain, false);
    }
}

engine::TCalibrationPoint& TfrmBioCal::pagePoint() {
    return context_.state.NewCalibration[static_cast<std::size_t>(CalibrationEar)]
                                        [static_cast<std::size_t>(CalibrationSlot - 1)];
}

// A page starts from its own point once that has a master value; a right-ear
// page otherwise from the left ear at the same frequency, a left-ear page
// from the previous frequency.
const engine::TCalibrationPoint& TfrmBioCal::startingPoint() const {
    const auto& table = context_.state.NewCalibration;
    const auto index = static_cast<std::size_t>(CalibrationSlot - 1);
    const auto& own = table[static_cast<std::size_t>(CalibrationEar)][index];
    if (own.MasterSteps > 0) {
        return own;
    }
    if (CalibrationEar == engine::kRightEar) {
        return table[engine::kLeftEar][index];
    }
    if (CalibrationSlot > 1) {
        return table[engine::kLeftEar][index - 1];
    }
    return own;
}

void TfrmBioCal::setSliderValues(const engine::TCalibrationPoint& point) {
    const QSignalBlocker blockMaster(MasterSlider);
    const QSignalBlocker blockWave(WaveOutSlider);
    const QSignalBlocker blockGain(GainSlider);
    MasterSlider->setValue(point.MasterSteps);
    WaveOutSlider->setValue(point.WaveSteps);
    GainSlider->setValue(point.GainSteps);
}

void TfrmBioCal::Preparepage() {
    auto& state = context_.state;
    const QString frequency =
        QString::number(state.TestFrequencies[static_cast<std::size_t>(CalibrationSlot)]);
    const bool left = CalibrationEar == engine::kLeftEar;
    setToneChannels(engine::ChannelGains::forEar(CalibrationEar));
    setWindowTitle((left ? tr("Kalibrierung per Gehör- Linkes Ohr %1 Hz")
                         : tr("Kalibrierung per Gehör- Rechtes Ohr %1 Hz"))
                       .arg(frequency));
    lblFreqSide->setText((left ? tr("Linkes Ohr %1 Hz") : tr("Rechtes Ohr %1 Hz")).arg(frequency));

    // Copied first: the chosen point may be the page's own, which the
    // handlers below write.
    const engine::TCalibrationPoint start = startingPoint();
    setSliderValues(start);
    WaveOutSliderChange();
    MasterSliderChange();
    GainSliderChange();

    const bool first = left && CalibrationSlot == 1;
    Previous->setText(first ? tr("Abbrechen") : tr("<- Zurück"));
    Previous->setToolTip(first ? tr("Kalibrierung abbrechen")
                               : tr("Zurück zur vorherigen Frequenz"));
}

void TfrmBioCal::WaveOutSliderChange() {
    pagePoint().WaveSteps = applyWave();
}

void TfrmBioCal::MasterSliderChange() {
    pagePoint().MasterSteps = applyMaster();
}

void TfrmBioCal::GainSliderChange() {
    auto& mixer = context_.mixer;
    if (!gainShown_) {
        return;
    }
    const int v = GainSlider->value();
    const std::int64_t value = *mixer.OutputGain.StepUnit() * v;
    if (mixer.OutputGain.Uniform) {
        mixer.SetUnsignedLevel(mixer.OutputGain, value, value);
    } else {
        // Only the page's ear.
        const std::int64_t ear = CalibrationEar;
        mixer.SetUnsignedLevel(mixer.OutputGain, value * (1 - ear), value * ear);
    }
    GainLabel->setText(QString::number(v));
    pagePoint().GainSteps = v;
}

void TfrmBioCal::OnButtonClick() {
    if (OnButton->text() != onText()) {
        stopTone();
        return;
    }
    // The tone plays 60 dB below the known threshold; above 60 it would have
    // to be louder than full scale, which the card cannot play (a clipped
    // tone is not louder, only distorted).
    const int threshold = takeLevelField(kLowestKnownThreshold, kHighestKnownThreshold);
    const auto& state = context_.state;
    startTone(state.TestFrequencies[static_cast<std::size_t>(CalibrationSlot)], threshold - 60.0);
}

void TfrmBioCal::ThresholdKeyDown(int key) {
    // Enter while the tone plays: the new threshold is heard at once.
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && OnButton->text() != onText()) {
        OnButtonClick();
        OnButtonClick();
    }
}

void TfrmBioCal::NextClick() {
    stopTone();
    auto& point = pagePoint();
    point.WaveSteps = WaveOutSlider->value();
    point.MasterSteps = MasterSlider->value();
    point.Reference = 0.0;
    ++CalibrationSlot;
    if (CalibrationSlot == 12) {
        if (CalibrationEar == engine::kLeftEar) {
            CalibrationEar = engine::kRightEar;
            CalibrationSlot = 1;
        } else {
            CalibrationSlot = 11;
            finish();
            return;
        }
    }
    Preparepage();
}

void TfrmBioCal::PreviousClick() {
    stopTone();
    if (CalibrationEar == engine::kLeftEar && CalibrationSlot == 1) {
        close(); // abandoned: nothing is handed on
        return;
    }
    --CalibrationSlot;
    if (CalibrationSlot == 0) {
        CalibrationEar = engine::kLeftEar;
        CalibrationSlot = 11;
    }
    Preparepage();
}

void TfrmBioCal::finish() {
    auto& state = context_.state;
    const auto stamp = calibrationStamp(QDateTime::currentDateTime());
    state.NewCalibrationDate = stamp.date;
    state.NewCalibrationTime = stamp.time;
    state.NewCalibrationPending = true;
    // Closed first, so that the main window it enables is disabled again by
    // the information dialog that follows.
    close();
    if (handOver_) {
        // The comment goes into the calibration file: it stays as written,
        // whatever language the program shows.
        handOver_(QStringLiteral("Calibration by Ear"));
    }
}

void TfrmBioCal::FormClose() {
    stopTone();
    enableMainWindow();
}

void TfrmBioCal::reject() {
    PreviousClick();
}

bool TfrmBioCal::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Threshold && event->type() == QEvent::KeyPress) {
        ThresholdKeyDown(static_cast<QKeyEvent*>(event)->key());
    }
    // Leaving the field shows the threshold the tone will be made for.
    if (watched == Threshold && event->type() == QEvent::FocusOut) {
        takeLevelField(kLowestKnownThreshold, kHighestKnownThreshold);
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tavo::hardware
