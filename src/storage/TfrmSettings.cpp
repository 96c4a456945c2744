#include "storage/TfrmSettings.h"

#include "engine/AppState.h"
#include "engine/ColourValue.h"
#include "engine/DeviceList.h"
#include "engine/Evaluation.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "storage/FieldChecks.h"
#include "storage/Registry.h"
#include "storage/SettingsHost.h"
#include "storage/SettingsTable.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace tavo::storage {

namespace {

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kBlack = 0x000000;

} // namespace

TfrmSettings::TfrmSettings(engine::AppState& state, Settings& settings,
                           platform::Platform& platform, platform::SettingsStore& store,
                           SettingsHost& host, MixerDevices& mixer, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint),
      state_(state), settings_(settings), platform_(platform), store_(store), host_(host),
      mixer_(mixer) {
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(tr("Tavo Audiometer Settings"));
    setModal(false);

    SettingsPages = named(new QTabWidget(this), "SettingsPages");
    // Every page's tab in view: the dialog grows to hold them.
    SettingsPages->setUsesScrollButtons(false);
    buildTestProcedurePage();
    buildSoundCardPage();
    buildFileHandlingPage();
    buildGraphSettingsPage();
    buildCalibrationPage();
    buildArchivePage();
    buildReportPage();

    OK = named(new QPushButton(tr("OK"), this), "OK");
    OK->setDefault(true);
    Cancel = named(new QPushButton(tr("Cancel"), this), "Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OK);
    buttons->addWidget(Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SettingsPages);
    layout->addLayout(buttons);

    joystickTimer_ = new QTimer(this);
    joystickTimer_->setInterval(50);
    pickColour = [this](const QColor& start) -> std::optional<QColor> {
        // In front of this dialog, which stays on top itself.
        QColorDialog dialog(start, this);
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
        if (dialog.exec() != QDialog::Accepted || !dialog.selectedColor().isValid()) {
            return std::nullopt;
        }
        return dialog.selectedColor();
    };
    lastPicked_ = engine::toQColor(kButtonFace);

    // The value as the dialog is given it (the design values at the
    // program's start), before any handler reacts to a change.
    loadControls();
    connectHandlers();
    connectWriteBack();
    FormCreate();
    setFixedSize(sizeHint());
}

TfrmSettings::~TfrmSettings() = default;

void TfrmSettings::connectHandlers() {
    connect(OK, &QPushButton::clicked, this, [this] { OKClick(); });
    connect(Cancel, &QPushButton::clicked, this, [this] { CancelClick(); });
    connect(Change, &QPushButton::clicked, this, [this] { ChangeClick(); });
    connect(btnChooseCal, &QPushButton::clicked, this, [this] { btnChooseCalClick(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(SettingsPages, &QTabWidget::currentChanged, this, [this] { SettingsPagesChange(); });
    connect(joystickTimer_, &QTimer::timeout, this, [this] { joystickTick(); });

    for (auto* field :
         {ReverseEdit, TestTimeEdit, BeepTimeEdit, PauseTimeEdit, LevelStep, LevelStart}) {
        field->installEventFilter(this);
    }
    // Display options act at once, also when the stored settings set them.
    for (auto* option : {ShowReversals, ShowThresholds, MarkSuspicious}) {
        connect(option, &QCheckBox::toggled, this, [this] { host_.repaintAudiogram(); });
    }
    connect(Reject1st, &QCheckBox::toggled, this, [this](bool reject) {
        engine::CalcThreshold(state_.Record.Test1Result, reject);
        engine::CalcThreshold(state_.Record.Test2Result, reject);
        host_.repaintAudiogram();
    });
    connect(rdoJoystick, &QRadioButton::toggled, this, [this] { showJoystickItems(); });
    connect(ColourList, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && index < kColourSlots) {
            fillSample(settings_.colours[static_cast<std::size_t>(index)]);
        }
    });
    // Only the user's choice opens another mixer device.
    connect(MixerDevice, &QComboBox::activated, this, [this](int index) { openMixer(index); });
}

void TfrmSettings::fillDeviceLists() {
    if (platform_.wave == nullptr || platform_.wave->deviceCount() < 1) {
        return;
    }
    WaveOutDevice->addItems(engine::waveOutDeviceEntries(*platform_.wave));
    const int mixers = mixer_.CountMixerDevices();
    for (int i = 0; i < mixers; ++i) {
        mixer_.OpenMixerDevice(i);
        MixerDevice->addItem(mixer_.openedDeviceEntry());
    }
}

void TfrmSettings::FormCreate() {
    setGermanTexts();
    showJoystickItems();
    fillDeviceLists();
    readStored();

    // The device check: a stored mixer device that is no longer there.
    const int chosen = MixerDevice->currentIndex();
    if (chosen < MixerDevice->count()) {
        openMixer(chosen);
    } else {
        platform_.messages->show(
            tr("Previously used Sound Device no longer present. Please select new Device!"));
        selectPage(SoundCard);
        host_.setMainWindowEnabled(false);
        show();
    }
}

void TfrmSettings::FormActivate() {
    if (ownDialogOpen_) {
        return;
    }
    ColourList->setCurrentIndex(0);
    fillSample(settings_.colours[0]);
    if (!host_.calibrationMenuEnabled()) {
        for (auto* list : {WaveOutDevice, MixerDevice}) {
            list->setEnabled(false);
            list->setCurrentIndex(-1);
            list->setPlaceholderText(tr("No Devices present"));
        }
    }
}

void TfrmSettings::OKClick() {
    QString error;
    if (!WriteRegistry(store_, settings_, &error)) {
        platform_.messages->show(
            tr("Die Einstellungen konnten nicht gespeichert werden.\n%1").arg(error), {},
            platform::MessageType::Error);
        return;
    }
    host_.repaintAudiogram();
    close();
}

void TfrmSettings::CancelClick() {
    readStored();
    // A mixer device chosen and then cancelled must not stay the one the
    // program drives while the list shows the stored one again.
    const int stored = MixerDevice->currentIndex();
    if (stored >= 0 && stored != openedMixer_) {
        openMixer(stored);
    }
    close();
}

void TfrmSettings::openMixer(int index) {
    mixer_.OpenMixerDevice(index);
    openedMixer_ = index;
}

void TfrmSettings::reject() {
    CancelClick();
}

void TfrmSettings::ChangeClick() {
    const int entry = ColourList->currentIndex();
    if (entry < 0 || entry >= kColourSlots || !pickColour) {
        return;
    }
    // The colour dialog's closing gives this dialog the focus back: that is
    // no new activation (which would turn the list back to its first entry).
    ownDialogOpen_ = true;
    const auto chosen = pickColour(lastPicked_);
    QTimer::singleShot(0, this, [this] { ownDialogOpen_ = false; });
    if (!chosen) {
        return;
    }
    lastPicked_ = *chosen;
    const std::uint32_t colour = engine::fromQColor(*chosen);
    settings_.colours[static_cast<std::size_t>(entry)] = colour;
    fillSample(colour);
    if (entry == kAudiogramBackgroundSlot) {
        host_.setAudiogramAreaColour(colour);
        host_.setAudiogramGroupColour(colour);
    } else if (entry == kWindowBackgroundSlot) {
        host_.setWindowColour(colour);
    } else {
        host_.repaintAudiogram();
        host_.repaintTestWindowGraph();
    }
}

void TfrmSettings::btnChooseCalClick() {
    if (const auto file = host_.chooseCalibrationFile(this)) {
        settings_.calibrationFileName = *file;
        Label24->setText(*file);
        chkLoadCal->setChecked(true);
    }
}

void TfrmSettings::startProgram(const QString& purpose, const QList<ToolProgram>& candidates) {
    // The desktop's own tool: the first of the candidates that is installed.
    QStringList tried;
    for (const auto& candidate : candidates) {
        const QString program = QStandardPaths::findExecutable(candidate.name);
        if (program.isEmpty()) {
            tried << tr("„%1“").arg(candidate.name);
            continue;
        }
        if (!QProcess::startDetached(program, candidate.arguments)) {
            platform_.messages->show(
                tr("%1 können nicht geöffnet werden: Das Programm „%2“ ließ sich "
                   "nicht starten.")
                    .arg(purpose, program),
                {}, platform::MessageType::Error);
        }
        return;
    }
    platform_.messages->show(
        tr("%1 können nicht geöffnet werden: %2")
            .arg(purpose, tried.size() == 1
                              ? tr("Das Programm %1 ist nicht installiert.").arg(tried.first())
                              : tr("Keines der Programme %1 und %2 ist installiert.")
                                    .arg(QStringList(tried.mid(0, tried.size() - 1))
                                             .join(QStringLiteral(", ")),
                                         tried.last())),
        {}, platform::MessageType::Warning);
}

void TfrmSettings::Button2Click() {
    startProgram(tr("Die Audio-Einstellungen des Systems"),
                 {{QStringLiteral("pavucontrol"), {}},
                  {QStringLiteral("gnome-control-center"), {QStringLiteral("sound")}}});
}

void TfrmSettings::Button1Click() {
    startProgram(tr("Die Joystick-Einstellungen des Systems"),
                 {{QStringLiteral("jstest-gtk"), {}}});
}

void TfrmSettings::SettingsPagesChange() {
    if (SettingsPages->currentWidget() == SoundCard) {
        joystickTimer_->start();
    } else {
        joystickTimer_->stop();
    }
}

bool TfrmSettings::joystickTimerActive() const {
    return joystickTimer_->isActive();
}

void TfrmSettings::selectPage(QWidget* page) {
    // The page control's change handler reacts to the user only.
    const QSignalBlocker quiet(SettingsPages);
    SettingsPages->setCurrentWidget(page);
}

void TfrmSettings::joystickTick() {
    platform::JoystickState joystick;
    const bool read = platform_.controller != nullptr && platform_.controller->query(joystick);
    // A controller that cannot be read shows as released.
    setLight(read && joystick.buttons != 0 ? kRed : kBlack);
}

void TfrmSettings::setLight(std::uint32_t colour) {
    lightColour_ = colour;
    light->setStyleSheet(QStringLiteral("background-color: %1; border-radius: %2px;")
                             .arg(engine::toQColor(colour).name())
                             .arg(light->width() / 2));
}

void TfrmSettings::showJoystickItems() {
    const bool joystick = rdoJoystick->isChecked();
    for (QWidget* item : std::initializer_list<QWidget*>{Label26, Label25, Button1, light}) {
        item->setVisible(joystick);
    }
}

void TfrmSettings::fillSample(std::uint32_t colour) {
    QPalette palette = ColourSample->palette();
    palette.setColor(QPalette::Window, engine::toQColor(colour));
    ColourSample->setPalette(palette);
}

void TfrmSettings::checkField(QLineEdit* field) {
    const QLocale locale;
    QString corrected = field->text();
    if (field == ReverseEdit) {
        corrected = checkReverseEdit(corrected);
    } else if (field == TestTimeEdit) {
        corrected = checkTestTimeEdit(corrected);
    } else if (field == BeepTimeEdit) {
        corrected = checkBeepTimeEdit(corrected, locale);
    } else if (field == PauseTimeEdit) {
        corrected = checkPauseTimeEdit(corrected, locale);
    } else if (field == LevelStep) {
        corrected = checkLevelStep(corrected, locale);
    } else if (field == LevelStart) {
        corrected = checkLevelStart(corrected);
    } else if (field == edtDefaultExposure) {
        corrected = checkDefaultExposure(corrected, locale);
    } else if (field == edtWantedLevel) {
        corrected = checkWantedLevel(corrected, locale);
    }
    if (corrected != field->text()) {
        field->setText(corrected);
    }
}

bool TfrmSettings::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        if (auto* field = qobject_cast<QLineEdit*>(watched)) {
            checkField(field);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmSettings::showEvent(QShowEvent* event) {
    host_.setMainWindowEnabled(false);
    QDialog::showEvent(event);
}

void TfrmSettings::hideEvent(QHideEvent* event) {
    joystickTimer_->stop();
    host_.setMainWindowEnabled(true);
    QDialog::hideEvent(event);
}

void TfrmSettings::closeEvent(QCloseEvent* event) {
    // Closing only hides the dialog; QDialog would treat it as Cancel.
    joystickTimer_->stop();
    event->accept();
    QWidget::closeEvent(event);
}

void TfrmSettings::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        FormActivate();
    }
    QDialog::changeEvent(event);
}

} // namespace tavo::storage
