// The main window's Archive menu and the fit-check report: the archive
// window, test files taken into the archive, an archived test shown as if
// read from its file, what the archivist could not do, and the report of
// the test shown or of an archived one.

#include "archive/Archive.h"
#include "archive/ArchiveFitCheck.h"
#include "archive/Archivist.h"
#include "archive/TestArchiver.h"
#include "engine/AppState.h"
#include "platform/Platform.h"
#include "storage/FileOutput.h"
#include "storage/TestFile.h"
#include "ui/TestCommand.h"
#include "ui/TfrmArchive.h"
#include "ui/TfrmFitCheck.h"
#include "ui/TfrmMain.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace tavo::ui {

void TfrmMain::buildArchiveMenu() {
    Archive1 = menuBar()->addMenu(tr("&Archiv"));
    Archive1->setObjectName(QStringLiteral("Archive1"));
    Results1 = Archive1->addAction(tr("&Ergebnisse…"));
    Results1->setObjectName(QStringLiteral("Results1"));
    Results1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    TakeOverFile1 = Archive1->addAction(tr("&Datei übernehmen…"));
    TakeOverFile1->setObjectName(QStringLiteral("TakeOverFile1"));
    Report1 = Test1->addAction(tr("&Prüfbericht…"));
    Report1->setObjectName(QStringLiteral("Report1"));
    connect(Report1, &QAction::triggered, this, [this] { Report1Click(); });
    connect(Results1, &QAction::triggered, this, [this] { Results1Click(); });
    connect(TakeOverFile1, &QAction::triggered, this, [this] { TakeOverFile1Click(); });
    runTakeOverDialog = [this] {
        return QFileDialog::getOpenFileNames(this, tr("Testdateien übernehmen"), QString(),
                                             tr("Vorlandt Klarovent Test (*.vkt *.aud)"));
    };
}

void TfrmMain::attachArchivist(archive::Archivist* archivist) {
    if (testCommand_ != nullptr && testArchiver_) {
        testCommand_->removeObserver(testArchiver_.get());
    }
    testArchiver_.reset();
    archivist_ = archivist;
    if (archivist == nullptr) {
        return;
    }
    archivist->setReporter(this, [this](const archive::ArchiveReport& report) {
        if (report.kind != archive::ArchiveReport::Kind::Archived) {
            archiveReported(report.message);
        }
    });
    testArchiver_ =
        std::make_unique<archive::TestArchiver>(context_.state, context_.settings, *archivist);
    if (testCommand_ != nullptr) {
        testCommand_->addObserver(testArchiver_.get());
    }
    archivist->sendWaiting(archive::archiveLocationOf(context_.settings));
}

void TfrmMain::archiveReported(const QString& message) {
    archiveMessage_ = message;
    // A box in the middle of a run would stop the test; it waits for its end.
    if (!testRunning()) {
        showArchiveMessage();
    }
}

void TfrmMain::showArchiveMessage() {
    if (archiveMessage_.isEmpty()) {
        return;
    }
    const QString message = std::exchange(archiveMessage_, QString());
    context_.platform.messages->show(message, tr("Archiv"), platform::MessageType::Warning);
}

TfrmFitCheck& TfrmMain::fitCheckWindowMade() {
    if (!fitCheckWindow_) {
        fitCheckWindow_ =
            std::make_unique<TfrmFitCheck>(context_.settings, *context_.platform.messages, this);
    }
    return *fitCheckWindow_;
}

void TfrmMain::Report1Click() {
    const auto& record = context_.state.Record;
    if (!record.ResultsValid) {
        context_.platform.messages->show(
            tr("Für einen Prüfbericht fehlen Ergebnisse: führen Sie einen Test durch "
               "oder öffnen Sie eine Testdatei."));
        return;
    }
    // The test just run and archived: a changed exposure goes to the archive
    // with it.
    std::function<void(const engine::FitCheckReport&)> keep;
    if (testArchiver_ && testArchiver_->lastTest() &&
        storage::encodeTestFile(testArchiver_->lastTest()->record) ==
            storage::encodeTestFile(record)) {
        keep = [archiver = testArchiver_.get()](const engine::FitCheckReport& report) {
            archiver->refile(archive::fitCheckFiguresOf(report));
        };
    }
    auto& window = fitCheckWindowMade();
    window.showTest(record, context_.state.CalibrationFile, std::nullopt, std::move(keep));
    window.show();
    window.raise();
}

void TfrmMain::Results1Click() {
    if (!archiveWindow_) {
        const auto openReport = [this](const engine::TestRecord& record, const QString& calibration,
                                       std::optional<double> exposure, auto keep) {
            auto& window = fitCheckWindowMade();
            window.showTest(record, calibration, exposure, std::move(keep));
            window.show();
            window.raise();
        };
        archiveWindow_ = std::make_unique<TfrmArchive>(
            ArchiveWindowContext{
                context_.settings, *context_.platform.messages,
                [this](const QByteArray& bytes) { return showArchivedTest(bytes); }, openReport},
            this);
    }
    if (archiveWindow_->isVisible()) {
        archiveWindow_->refresh();
    }
    archiveWindow_->show();
    archiveWindow_->raise();
    archiveWindow_->activateWindow();
}

void TfrmMain::TakeOverFile1Click() {
    const QStringList files = runTakeOverDialog ? runTakeOverDialog() : QStringList();
    if (files.isEmpty()) {
        return;
    }
    const auto location = archive::archiveLocationOf(context_.settings);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto archive = location
                       ? archive::Archive::open(*location)
                       : decltype(archive::Archive::open(*location))::failure(location.error());
    QStringList lines;
    int added = 0;
    int known = 0;
    if (archive) {
        for (const QString& file : files) {
            const QString name = QFileInfo(file).fileName();
            const auto bytes = storage::readFileHead(file, storage::kMaxTestFileSize);
            if (!bytes) {
                lines << QStringLiteral("%1: %2").arg(name, bytes.error);
                continue;
            }
            const auto imported = (*archive)->importFile(*bytes.value);
            if (!imported) {
                lines << QStringLiteral("%1: %2").arg(name, imported.error());
            } else {
                ++(imported->added ? added : known);
            }
        }
    }
    QApplication::restoreOverrideCursor();
    if (!archive) {
        context_.platform.messages->show(archive.error(), tr("Archiv"),
                                         platform::MessageType::Error);
        return;
    }
    lines.prepend(tr("%1 übernommen, %2 schon im Archiv.")
                      .arg(added == 1 ? tr("Ein Test") : tr("%n Tests", nullptr, added))
                      .arg(known));
    context_.platform.messages->show(lines.join(QLatin1Char('\n')), tr("Archiv"),
                                     lines.size() > 1 ? platform::MessageType::Warning
                                                      : platform::MessageType::Information);
    if (archiveWindow_ && archiveWindow_->isVisible()) {
        archiveWindow_->refresh();
    }
}

bool TfrmMain::showArchivedTest(const QByteArray& fileBytes) {
    if (testRunning() || !mayClose()) {
        return false;
    }
    auto record = storage::decodeTestRecord(fileBytes);
    if (!record) {
        context_.platform.messages->show(record.error());
        return false;
    }
    showRecord(std::move(*record));
    return true;
}

} // namespace tavo::ui
