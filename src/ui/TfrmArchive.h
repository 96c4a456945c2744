#pragma once

#include "engine/FitCheck.h"

#include <QByteArray>
#include <QDialog>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace tavo::archive {
class Archive;
}
namespace tavo::platform {
class Messages;
}
namespace tavo::storage {
struct Settings;
}

namespace tavo::ui {

class ArchiveChart;

struct ArchiveWindowContext {
    const storage::Settings& settings;
    platform::Messages& messages;
    // Shows an archived test in the main window as if read from its file;
    // false when it was not shown.
    std::function<bool(const QByteArray& fileBytes)> openTest;
    // Shows the fit-check report of an archived test with the exposure kept
    // with it; `keep` stores a changed exposure's figures with the test.
    std::function<void(const engine::TestRecord& record, const QString& calibration,
                       std::optional<double> exposure,
                       std::function<void(const engine::FitCheckReport&)> keep)>
        openReport;
};

// "Archiv → Ergebnisse…": the persons of the archive the settings name, a
// person's tests and their figures over time; a test opens in the main
// window, a person can be erased, the listed tests exported as CSV.
class TfrmArchive final : public QDialog {
public:
    explicit TfrmArchive(ArchiveWindowContext context, QWidget* parent = nullptr);
    ~TfrmArchive() override;

    // Connects to the archive (again, should the settings have changed) and
    // lists the persons the search finds.
    void refresh();

    void btnOpenClick();
    void btnReportClick();
    void btnDeletePersonClick();
    void btnExportClick();
    // The export's file name (the per-frequency file goes beside it);
    // replaceable for tests. Nothing: cancelled.
    std::function<std::optional<QString>()> runExportDialog;

    QLabel* lblArchive = nullptr;
    QLineEdit* edtSearch = nullptr;
    QTreeWidget* lvwPersons = nullptr;
    QTreeWidget* lvwTests = nullptr;
    ArchiveChart* pbxChart = nullptr;
    QPushButton* btnOpen = nullptr;
    QPushButton* btnReport = nullptr;
    QPushButton* btnDeletePerson = nullptr;
    QPushButton* btnExport = nullptr;
    QPushButton* btnClose = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showPersons();
    void showTests();
    void enableButtons();
    std::int64_t selectedPerson() const;
    std::int64_t selectedTest() const;
    void fail(const QString& message);

    ArchiveWindowContext context_;
    std::unique_ptr<archive::Archive> archive_;
};

} // namespace tavo::ui
