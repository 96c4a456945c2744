// The main window's File menu and the audiogram menu: Open, Save As (test
// file or text export), the menus' enabling rules, and what closing the
// program asks when the results of a test have not been saved.

#include "engine/AppState.h"
#include "platform/Platform.h"
#include "ui/SaveAsName.h"
#include "ui/TestCommand.h"
#include "ui/TfrmMain.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QStandardPaths>

namespace tavo::ui {

namespace {

// The filters as the dialogs show them, in the program's language; the
// chosen one is recognised by comparing with the same text.
QString testFilter() {
    return QCoreApplication::translate("tavo::ui::TfrmMain", "Vorlandt Klarovent Test (*.vkt)");
}
// Opening shows ".aud" too: Save As gives a name without an extension that
// one, and a file just saved must be found again.
QString openFilter() {
    return QCoreApplication::translate("tavo::ui::TfrmMain",
                                       "Vorlandt Klarovent Test (*.vkt *.aud)");
}
QString textFilter() {
    return QCoreApplication::translate("tavo::ui::TfrmMain", "ASCII-Text (*.txt)");
}

// The user's documents folder where there is one, else the home folder. A
// folder that does not exist would be taken for a file name and shown in the
// dialog's name field.
QString startFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

// The suffix a name without one gets: the one of the chosen filter.
QString suffixFor(const QString& filter) {
    return filter == textFilter() ? QStringLiteral("txt") : QStringLiteral("aud");
}

} // namespace

// The dialogs are made when first used (a file dialog starts watching the
// file system) and kept, so each remembers the folder used last.
void TfrmMain::buildFileDialogs() {
    runOpenDialog = [this]() -> std::optional<QString> {
        if (dlgOpen == nullptr) {
            dlgOpen = new QFileDialog(this, tr("Open Test File"));
            dlgOpen->setObjectName(QStringLiteral("dlgOpen"));
            dlgOpen->setDirectory(startFolder());
            dlgOpen->setNameFilter(openFilter());
            dlgOpen->setAcceptMode(QFileDialog::AcceptOpen);
            dlgOpen->setFileMode(QFileDialog::ExistingFile);
        }
        if (dlgOpen->exec() != QDialog::Accepted || dlgOpen->selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        return dlgOpen->selectedFiles().first();
    };
    runSaveDialog = [this](const QString& proposed) -> std::optional<SaveChoice> {
        if (dlgSave == nullptr) {
            // The platform's own title; asks before replacing a file.
            dlgSave = new QFileDialog(this);
            dlgSave->setObjectName(QStringLiteral("dlgSave"));
            dlgSave->setDirectory(startFolder());
            dlgSave->setAcceptMode(QFileDialog::AcceptSave);
            dlgSave->setFileMode(QFileDialog::AnyFile);
            dlgSave->setNameFilters({testFilter(), textFilter()});
            connect(dlgSave, &QFileDialog::filterSelected, dlgSave, [this](const QString& filter) {
                dlgSave->setDefaultSuffix(suffixFor(filter));
            });
        }
        dlgSave->selectNameFilter(testFilter());
        dlgSave->setDefaultSuffix(suffixFor(testFilter()));
        dlgSave->selectFile(proposed);
        if (dlgSave->exec() != QDialog::Accepted || dlgSave->selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        return SaveChoice{dlgSave->selectedFiles().first(),
                          dlgSave->selectedNameFilter() == textFilter()};
    };
}

void TfrmMain::Open1Click() {
    const auto file = runOpenDialog ? runOpenDialog() : std::nullopt;
    if (!file) {
        return;
    }
    ReadFile(*file);
    repaintAudiogram();
}

void TfrmMain::Save1Click() {
    auto& record = context_.state.Record;
    const auto choice = runSaveDialog ? runSaveDialog(proposedFileName(record)) : std::nullopt;
    if (!choice) {
        return;
    }
    const bool textExport = savesTextExport(choice->fileName, choice->textFilter);
    // A text export named without an extension is named as one.
    QString fileName = choice->fileName;
    if (textExport && QFileInfo(fileName).suffix().isEmpty()) {
        fileName += QStringLiteral(".txt");
    }
    const QString error = textExport ? WriteAsciiFile(fileName) : WriteFile(fileName);
    if (!error.isEmpty()) {
        context_.platform.messages->show(
            tr("Beim Speichern ist ein Fehler aufgetreten\n%1").arg(error), {},
            platform::MessageType::Error);
        return;
    }
    // A text export cannot be read back: only a test file keeps the results.
    if (!textExport) {
        record.Unsaved = false;
    }
}

bool TfrmMain::testRunning() const {
    return testCommand_ != nullptr && testCommand_->running();
}

// While a test runs every command stays refused, whichever menu opens.
void TfrmMain::File1Click() {
    if (testRunning()) {
        return;
    }
    const bool results = context_.state.Record.ResultsValid;
    Print1->setEnabled(results);
    Save1->setEnabled(results);
}

void TfrmMain::PopupMenu1Popup() {
    if (testRunning()) {
        return;
    }
    const auto& state = context_.state;
    Retest2->setEnabled(state.CalibrationLoaded && state.Record.ResultsValid);
    ViewResults2->setEnabled(state.Record.ResultsValid);
    SaveAs1->setEnabled(true);
    Settings1->setEnabled(true);
}

void TfrmMain::applyMenuRules() {
    File1Click();
    Calibration2Click();
    PopupMenu1Popup();
}

bool TfrmMain::unsavedResults() const {
    return context_.state.Record.Unsaved;
}

bool TfrmMain::mayClose() {
    if (!unsavedResults()) {
        return true;
    }
    const auto answer = context_.platform.messages->show(
        tr("Die Testergebnisse wurden nicht gespeichert. Jetzt speichern?"), {},
        platform::MessageType::Confirmation, platform::MessageButtons::YesNoCancel);
    if (answer == platform::MessageAnswer::No) {
        return true;
    }
    if (answer == platform::MessageAnswer::Yes) {
        Save1Click();
        // Not saved after all (cancelled or failed): the results stay.
        return !unsavedResults();
    }
    return false;
}

} // namespace tavo::ui
