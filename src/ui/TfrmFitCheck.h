#pragma once

#include "engine/FitCheckText.h"

#include <QDialog>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;

namespace tavo::platform {
class Messages;
}
namespace tavo::storage {
struct Settings;
}

namespace tavo::ui {

// "Hörtest → Prüfbericht…": the fit-check report of a test as the printed
// page shows it, with the noise at work to rate against; print and PDF
// draw the same page.
class TfrmFitCheck final : public QDialog {
public:
    TfrmFitCheck(const storage::Settings& settings, platform::Messages& messages,
                 QWidget* parent = nullptr);
    ~TfrmFitCheck() override;

    // Shows the report of `record`; `exposure`: the one kept with the test
    // (nothing: the settings' default). `exposureChanged` hears of every
    // change of the exposure with the report's new figures.
    void showTest(const engine::TestRecord& record, const QString& calibration,
                  std::optional<double> exposure,
                  std::function<void(const engine::FitCheckReport&)> exposureChanged = {});
    const engine::FitCheckDocument& document() const { return document_; }

    void btnPrintClick();
    void btnPdfClick();
    // Replaceable for tests. Nothing: cancelled.
    std::function<std::optional<QString>()> runPdfDialog;
    std::function<bool(QPrinter& printer)> runPrintDialog;

    QLineEdit* edtExposure = nullptr;
    QLabel* lblVerdict = nullptr;
    QWidget* pbxReport = nullptr;
    QPushButton* btnPrint = nullptr;
    QPushButton* btnPdf = nullptr;
    QPushButton* btnClose = nullptr;

private:
    void evaluate();

    const storage::Settings& settings_;
    platform::Messages& messages_;
    engine::FitCheckDocument document_;
    std::function<void(const engine::FitCheckReport&)> exposureChanged_;
};

} // namespace tavo::ui
