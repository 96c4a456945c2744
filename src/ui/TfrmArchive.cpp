#include "ui/TfrmArchive.h"

#include "archive/Archive.h"
#include "archive/ArchiveExport.h"
#include "archive/ArchiveFitCheck.h"
#include "engine/FitCheckText.h"
#include "platform/Messages.h"
#include "storage/FileOutput.h"
#include "storage/TestFile.h"
#include "ui/ArchiveChart.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tavo::ui {

namespace {

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QTreeWidget* list(QWidget* parent, const char* name, const QStringList& columns) {
    auto* view = named(new QTreeWidget(parent), name);
    view->setHeaderLabels(columns);
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return view;
}

QString stateText(archive::TestState state) {
    switch (state) {
    case archive::TestState::Running:
        return QCoreApplication::translate("TfrmArchive", "1. Durchlauf");
    case archive::TestState::Completed:
        return QCoreApplication::translate("TfrmArchive", "abgeschlossen");
    case archive::TestState::Interrupted:
        return QCoreApplication::translate("TfrmArchive", "abgebrochen");
    case archive::TestState::Imported:
        return QCoreApplication::translate("TfrmArchive", "übernommen");
    }
    return {};
}

std::optional<int> figure(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The per-frequency file beside the tests' file: "x.csv" -> "x-Frequenzen.csv".
QString cellsFileName(const QString& testsFile) {
    const QFileInfo info(testsFile);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("-Frequenzen.csv"));
}

} // namespace

TfrmArchive::TfrmArchive(ArchiveWindowContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context)) {
    setObjectName(QStringLiteral("frmArchive"));
    setWindowTitle(QCoreApplication::translate("TfrmArchive", "Archiv – Ergebnisse"));
    setModal(false);
    resize(980, 620);

    lblArchive = named(new QLabel(this), "lblArchive");
    lblArchive->setWordWrap(true);
    edtSearch = named(new QLineEdit(this), "edtSearch");
    edtSearch->setPlaceholderText(QCoreApplication::translate("TfrmArchive", "Name suchen…"));
    edtSearch->setClearButtonEnabled(true);
    lvwPersons = list(this, "lvwPersons",
                      {QCoreApplication::translate("TfrmArchive", "Name"),
                       QCoreApplication::translate("TfrmArchive", "Ort"),
                       QCoreApplication::translate("TfrmArchive", "Tests"),
                       QCoreApplication::translate("TfrmArchive", "Letzter Test"),
                       QCoreApplication::translate("TfrmArchive", "Letzter APV")});
    lvwTests = list(this, "lvwTests",
                    {QStringLiteral("ID"), QCoreApplication::translate("TfrmArchive", "Datum"),
                     QCoreApplication::translate("TfrmArchive", "Ort"),
                     QCoreApplication::translate("TfrmArchive", "Prüfung"),
                     QCoreApplication::translate("TfrmArchive", "Ergebnis"), QStringLiteral("OSPL"),
                     QStringLiteral("OSPR"), QStringLiteral("APV"),
                     QCoreApplication::translate("TfrmArchive", "Zustand"),
                     QCoreApplication::translate("TfrmArchive", "Platz"),
                     QCoreApplication::translate("TfrmArchive", "Kalibrierung")});
    pbxChart = named(new ArchiveChart(this), "pbxChart");
    btnOpen = named(new QPushButton(QCoreApplication::translate("TfrmArchive", "Öffnen"), this),
                    "btnOpen");
    btnReport =
        named(new QPushButton(QCoreApplication::translate("TfrmArchive", "Prüfbericht…"), this),
              "btnReport");
    btnDeletePerson =
        named(new QPushButton(QCoreApplication::translate("TfrmArchive", "Person löschen…"), this),
              "btnDeletePerson");
    btnExport =
        named(new QPushButton(QCoreApplication::translate("TfrmArchive", "Exportieren…"), this),
              "btnExport");
    btnClose = named(new QPushButton(QCoreApplication::translate("TfrmArchive", "Schließen"), this),
                     "btnClose");

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(edtSearch);
    leftLayout->addWidget(lvwPersons);
    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(lvwTests, 3);
    rightLayout->addWidget(pbxChart, 2);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 2);
    auto* buttons = new QHBoxLayout;
    for (auto* button : {btnOpen, btnReport, btnDeletePerson, btnExport}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblArchive);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);

    runExportDialog = [this]() -> std::optional<QString> {
        const QString file = QFileDialog::getSaveFileName(
            this, QCoreApplication::translate("TfrmArchive", "Archiv exportieren"), QString(),
            QCoreApplication::translate("TfrmArchive", "CSV für Tabellenkalkulation (*.csv)"));
        return file.isEmpty() ? std::nullopt : std::optional<QString>(file);
    };

    connect(edtSearch, &QLineEdit::textChanged, this, [this] { showPersons(); });
    connect(lvwPersons, &QTreeWidget::itemSelectionChanged, this, [this] { showTests(); });
    connect(lvwTests, &QTreeWidget::itemSelectionChanged, this, [this] { enableButtons(); });
    connect(lvwTests, &QTreeWidget::itemActivated, this, [this] { btnOpenClick(); });
    connect(btnOpen, &QPushButton::clicked, this, [this] { btnOpenClick(); });
    connect(btnReport, &QPushButton::clicked, this, [this] { btnReportClick(); });
    connect(btnDeletePerson, &QPushButton::clicked, this, [this] { btnDeletePersonClick(); });
    connect(btnExport, &QPushButton::clicked, this, [this] { btnExportClick(); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::close);
    enableButtons();
}

TfrmArchive::~TfrmArchive() = default;

void TfrmArchive::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    refresh();
}

void TfrmArchive::fail(const QString& message) {
    context_.messages.show(message, {}, platform::MessageType::Error);
}

void TfrmArchive::refresh() {
    const auto location = archive::archiveLocationOf(context_.settings);
    archive_.reset();
    if (!location) {
        lblArchive->setText(location.error());
    } else {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        auto opened = archive::Archive::open(*location);
        QApplication::restoreOverrideCursor();
        if (opened) {
            archive_ = std::move(*opened);
            lblArchive->setText(
                QCoreApplication::translate("TfrmArchive", "Archiv %1").arg(location->describe()));
        } else {
            lblArchive->setText(opened.error());
        }
    }
    showPersons();
}

void TfrmArchive::showPersons() {
    const std::int64_t keep = selectedPerson();
    lvwPersons->clear();
    if (archive_) {
        const auto persons = archive_->persons(edtSearch->text());
        if (!persons) {
            lblArchive->setText(persons.error());
        } else {
            for (const auto& person : *persons) {
                auto* item = new QTreeWidgetItem(
                    lvwPersons, {person.name, person.location, QString::number(person.tests),
                                 person.lastTest.left(10), person.lastApv});
                item->setData(0, Qt::UserRole, qint64{person.id});
                if (person.id == keep) {
                    lvwPersons->setCurrentItem(item);
                }
            }
        }
    }
    showTests();
}

void TfrmArchive::showTests() {
    lvwTests->clear();
    std::vector<ArchiveChart::Point> points;
    const std::int64_t person = selectedPerson();
    if (archive_ && person != 0) {
        const auto tests = archive_->tests(person);
        if (!tests) {
            lblArchive->setText(tests.error());
        } else {
            for (const auto& test : *tests) {
                const QString kind =
                    test.erstpruefung ? QCoreApplication::translate("TfrmArchive", "Erstprüfung")
                    : test.screening  ? QCoreApplication::translate("TfrmArchive", "Überwachung")
                                      : QString();
                const QString verdict = test.ok ? QCoreApplication::translate("TfrmArchive", "i.O.")
                                        : test.nok
                                            ? QCoreApplication::translate("TfrmArchive", "n.i.O.")
                                            : QString();
                auto* item = new QTreeWidgetItem(
                    lvwTests, {QString::number(test.id), test.testDate, test.location, kind,
                               verdict, test.ospl, test.ospr, test.apv, stateText(test.state),
                               test.station, test.calibrationFile});
                item->setData(0, Qt::UserRole, qint64{test.id});
                // The newest come first; the chart runs from the oldest.
                points.insert(points.begin(), {test.testDate, figure(test.ospl), figure(test.ospr),
                                               figure(test.apv)});
            }
        }
    }
    pbxChart->setPoints(std::move(points));
    enableButtons();
}

void TfrmArchive::enableButtons() {
    btnOpen->setEnabled(selectedTest() != 0);
    btnReport->setEnabled(selectedTest() != 0);
    btnDeletePerson->setEnabled(selectedPerson() != 0);
    btnExport->setEnabled(archive_ != nullptr && lvwPersons->topLevelItemCount() > 0);
}

std::int64_t TfrmArchive::selectedPerson() const {
    const auto* item = lvwPersons->currentItem();
    return item != nullptr && item->isSelected() ? item->data(0, Qt::UserRole).toLongLong() : 0;
}

std::int64_t TfrmArchive::selectedTest() const {
    const auto* item = lvwTests->currentItem();
    return item != nullptr && item->isSelected() ? item->data(0, Qt::UserRole).toLongLong() : 0;
}

void TfrmArchive::btnOpenClick() {
    const std::int64_t test = selectedTest();
    if (!archive_ || test == 0) {
        return;
    }
    const auto bytes = archive_->fileBytes(test);
    if (!bytes) {
        fail(bytes.error());
        return;
    }
    if (context_.openTest) {
        context_.openTest(*bytes);
    }
}

void TfrmArchive::btnReportClick() {
    const std::int64_t id = selectedTest();
    if (!archive_ || id == 0 || !context_.openReport) {
        return;
    }
    const auto test = archive_->test(id);
    const auto bytes = test ? archive_->fileBytes(id) : Result<QByteArray>::failure(test.error());
    const auto record = bytes ? storage::decodeTestRecord(*bytes)
                              : Result<engine::TestRecord>::failure(bytes.error());
    if (!record) {
        fail(record.error());
        return;
    }
    context_.openReport(*record, test->calibrationFile, engine::exposureOf(test->fitCheck.exposure),
                        [this, id](const engine::FitCheckReport& report) {
                            // Kept with the test, so the export and the next report agree.
                            if (!archive_) {
                                return;
                            }
                            if (const auto kept =
                                    archive_->saveFitCheck(id, archive::fitCheckFiguresOf(report));
                                !kept) {
                                fail(kept.error());
                            }
                        });
}

void TfrmArchive::btnDeletePersonClick() {
    const std::int64_t person = selectedPerson();
    if (!archive_ || person == 0) {
        return;
    }
    const QString name = lvwPersons->currentItem()->text(0);
    const auto count = archive_->testCount(person);
    if (!count) {
        fail(count.error());
        return;
    }
    const auto answer = context_.messages.show(
        QCoreApplication::translate("TfrmArchive",
                                    "„%1“ mit %2 aus dem Archiv löschen? Das lässt sich "
                                    "nicht rückgängig machen.")
            .arg(name, *count == 1 ? QCoreApplication::translate("TfrmArchive", "einem Test")
                                   : QCoreApplication::translate("TfrmArchive", "allen %n Tests",
                                                                 nullptr, *count)),
        QCoreApplication::translate("TfrmArchive", "Person löschen"),
        platform::MessageType::Confirmation, platform::MessageButtons::YesNo);
    if (answer != platform::MessageAnswer::Yes) {
        return;
    }
    if (const auto removed = archive_->deletePerson(person); !removed) {
        fail(removed.error());
    }
    showPersons();
}

void TfrmArchive::btnExportClick() {
    if (!archive_) {
        return;
    }
    const auto file = runExportDialog ? runExportDialog() : std::nullopt;
    if (!file) {
        return;
    }
    const auto csv = archive::exportCsv(*archive_, {edtSearch->text(), {}, {}});
    if (!csv) {
        fail(csv.error());
        return;
    }
    const QString cells = cellsFileName(*file);
    for (const auto& [target, bytes] :
         {std::pair{*file, csv->tests}, std::pair{cells, csv->cells}}) {
        if (const QString reason = storage::saveBytes(target, bytes); !reason.isEmpty()) {
            fail(QCoreApplication::translate("TfrmArchive",
                                             "Beim Speichern ist ein Fehler aufgetreten\n%1: %2")
                     .arg(target, reason));
            return;
        }
    }
    context_.messages.show(
        QCoreApplication::translate("TfrmArchive", "%n Tests exportiert nach\n%1\n%2", nullptr,
                                    csv->rows)
            .arg(QDir::toNativeSeparators(*file), QDir::toNativeSeparators(cells)),
        QCoreApplication::translate("TfrmArchive", "Exportieren"),
        platform::MessageType::Information);
}

} // namespace tavo::ui
