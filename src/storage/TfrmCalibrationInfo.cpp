#include "storage/TfrmCalibrationInfo.h"

#include "engine/AppState.h"
#include "engine/StartupRules.h"
#include "platform/Messages.h"
#include "storage/CalibrationFile.h"
#include "storage/Settings.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace tavo::storage {

namespace {

template <typename T> T* named(T* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

} // namespace

TfrmCalibrationInfo::TfrmCalibrationInfo(CalibrationInfoContext context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), context_(std::move(context)) {
    setObjectName(QStringLiteral("frmCalibrationInfo"));
    setWindowTitle(tr("Calibration Information"));
    setModal(false);
    buildControls();
    FormCreate();
}

TfrmCalibrationInfo::~TfrmCalibrationInfo() = default;

void TfrmCalibrationInfo::buildControls() {
    setFixedSize(440, 250);
    const auto field = [this](const char* name, const char* labelName, const QString& caption,
                              const QString& hint, int top) {
        auto* label = named(new QLabel(caption, this), labelName);
        label->setGeometry(16, top + 4, 130, 16);
        auto* edit = named(new QLineEdit(this), name);
        edit->setGeometry(150, top, 270, 24);
        edit->setToolTip(hint);
        return edit;
    };
    Person =
        field("Person", "lblPerson", tr("Calibration done by:"), tr("Enter your Name here"), 16);
    Headphones = field("Headphones", "lblHeadphones", tr("Headphones used:"),
                       tr("Enter the type of headphones used here"), 48);
    Soundcard = field("Soundcard", "lblSoundcard", tr("Soundcard used:"),
                      tr("Enter the type of soundcard used here"), 80);
    Soundcard->setEnabled(false);
    Comment = field("Comment", "lblComment", tr("Comment:"), tr("Add your comments here!"), 112);

    DateStamp = named(new QLabel(this), "DateStamp");
    DateStamp->setGeometry(16, 150, 404, 18);
    DateStamp->setToolTip(tr("System date and time. If wrong, correct in Windows Conrol Panel."));

    OKSave = named(new QPushButton(tr("OK"), this), "OKSave");
    OKSave->setGeometry(230, 200, 90, 28);
    Cancel = named(new QPushButton(tr("Cancel"), this), "Cancel");
    Cancel->setGeometry(330, 200, 90, 28);
    connect(OKSave, &QPushButton::clicked, this, [this] { OKSaveClick(); });
    connect(Cancel, &QPushButton::clicked, this, [this] { CancelClick(); });

    // An existing file is replaced without asking.
    CalSave = named(new QFileDialog(this, saveCalibrationTitle()), "CalSave");
    CalSave->setAcceptMode(QFileDialog::AcceptSave);
    CalSave->setFileMode(QFileDialog::AnyFile);
    CalSave->setDefaultSuffix(kCalibrationSuffix);
    CalSave->setNameFilter(calibrationFilter());
    CalSave->setOption(QFileDialog::DontConfirmOverwrite, true);
}

// The start-up calibration: a ".vkk" file named on the command line (exact
// case), otherwise the default file when the settings ask for it. A load
// error has been reported by ReadCal; start-up goes on.
void TfrmCalibrationInfo::FormCreate() {
    const auto& commandLine = context_.state.CommandLineFile;
    if (engine::namesCalibrationFile(commandLine)) {
        ReadCal(engine::commandLineFileName(commandLine));
        return;
    }
    const Settings settings = context_.settings != nullptr ? *context_.settings : designSettings();
    if (settings.reloadCalibration) {
        ReadCal(settings.calibrationFileName);
    }
}

bool TfrmCalibrationInfo::ReadCal(const QString& fileName) {
    const auto bytes = readFileHead(fileName, kMaxCalibrationFileSize);
    if (!bytes) {
        context_.messages.show(bytes.error, {}, platform::MessageType::Error);
        return false;
    }
    // The whole file is read before anything is applied.
    const auto contents = decodeCalibrationFile(*bytes.value);
    if (!contents) {
        context_.messages.show(contents.error);
        return false;
    }
    applyCalibrationFile(context_.state, *contents.value);
    noteCalibrationSource(context_.state, fileName, contents.value->person, *bytes.value);
    Person->setText(contents.value->person);
    Headphones->setText(contents.value->headphones);
    Soundcard->setText(contents.value->soundcard);
    Comment->setText(contents.value->comment);
    return true;
}

void TfrmCalibrationInfo::FormActivate() {
    // An activation that arrives after the dialog has gone must not lock the
    // main window with nothing left open to unlock it.
    if (isVisible()) {
        setMainWindowEnabled(false);
    }
    const auto& state = context_.state;
    const auto finishedText = [](const QString& date, const QString& time) {
        return tr("Calibration finished on %1 at %2").arg(date, time);
    };
    const bool pending = state.NewCalibrationPending;
    for (QLineEdit* edit : {Person, Headphones, Comment}) {
        edit->setEnabled(pending);
    }
    Cancel->setVisible(pending);
    if (pending) {
        Soundcard->setText(context_.soundCardName ? context_.soundCardName() : QString());
        DateStamp->setText(finishedText(state.NewCalibrationDate, state.NewCalibrationTime));
    } else {
        DateStamp->setText(finishedText(state.CalibrationDate, state.CalibrationTime));
    }
}

void TfrmCalibrationInfo::OKSaveClick() {
    auto& state = context_.state;
    if (state.NewCalibrationPending) {
        // The new calibration is in force whether or not it is saved.
        applyNewCalibration(state);
        noteCalibrationSource(state, {}, Person->text(), {});
        const QString target = context_.chooseSaveFile ? context_.chooseSaveFile() : runCalSave();
        if (!target.isEmpty()) {
            const auto contents = loadedCalibration(state, Person->text(), Headphones->text(),
                                                    Soundcard->text(), Comment->text());
            const QByteArray bytes = encodeCalibrationFile(contents);
            const QString error = saveBytes(target, bytes, context_.fileOutput);
            if (!error.isEmpty()) {
                // The dialog stays open, so the user can try another place.
                context_.messages.show(
                    tr("Beim Speichern ist ein Fehler aufgetreten\n%1").arg(error), {},
                    platform::MessageType::Error);
                return;
            }
            noteCalibrationSource(state, target, contents.person, bytes);
        }
    }
    close();
}

void TfrmCalibrationInfo::CancelClick() {
    setMainWindowEnabled(true);
    hide();
}

void TfrmCalibrationInfo::reject() {
    if (!Cancel->isHidden()) {
        CancelClick();
    }
}

QString TfrmCalibrationInfo::runCalSave() {
    if (CalSave->exec() != QDialog::Accepted || CalSave->selectedFiles().isEmpty()) {
        return {};
    }
    return CalSave->selectedFiles().first();
}

bool TfrmCalibrationInfo::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        FormActivate();
    }
    return QDialog::event(event);
}

void TfrmCalibrationInfo::showEvent(QShowEvent* event) {
    // Centred on the screen, every time it is shown.
    if (const QScreen* shownOn = screen(); shownOn != nullptr) {
        move(shownOn->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
    FormActivate();
}

void TfrmCalibrationInfo::closeEvent(QCloseEvent* event) {
    // Closing never discards anything (unlike Cancel); it only hides.
    event->accept();
    FormClose();
}

void TfrmCalibrationInfo::FormClose() {
    setMainWindowEnabled(true);
}

void TfrmCalibrationInfo::setMainWindowEnabled(bool enabled) {
    if (context_.mainWindow != nullptr) {
        context_.mainWindow->setEnabled(enabled);
    }
}

} // namespace tavo::storage
