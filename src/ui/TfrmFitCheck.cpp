#include "ui/TfrmFitCheck.h"

#include "platform/Messages.h"
#include "storage/FileOutput.h"
#include "ui/FitCheckPainter.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tavo::ui {

namespace {

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// The page at the width it is shown, as it prints.
class ReportPage final : public QWidget {
public:
    ReportPage(const engine::FitCheckDocument& document, QWidget* parent)
        : QWidget(parent), document_(document) {
        setFixedSize(kFitCheckPage.toSize());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paintFitCheck(painter, document_);
    }

private:
    const engine::FitCheckDocument& document_;
};

// The page scaled into a printer's page.
void printPage(QPrinter& printer, const engine::FitCheckDocument& document) {
    QPainter painter(&printer);
    const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
    const double scale =
        std::min(area.width() / kFitCheckPage.width(), area.height() / kFitCheckPage.height());
    painter.scale(scale, scale);
    paintFitCheck(painter, document);
}

} // namespace

TfrmFitCheck::TfrmFitCheck(const storage::Settings& settings, platform::Messages& messages,
                           QWidget* parent)
    : QDialog(parent), settings_(settings), messages_(messages) {
    setObjectName(QStringLiteral("frmFitCheck"));
    setWindowTitle(QCoreApplication::translate("TfrmFitCheck", "Prüfbericht Gehörschutz"));
    resize(860, 900);
    edtExposure = named(new QLineEdit(this), "edtExposure");
    edtExposure->setPlaceholderText(QCoreApplication::translate("TfrmFitCheck", "keine"));
    edtExposure->setMaximumWidth(90);
    lblVerdict = named(new QLabel(this), "lblVerdict");
    pbxReport = named(new ReportPage(document_, this), "pbxReport");
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(pbxReport);
    scroll->setAlignment(Qt::AlignHCenter);
    btnPrint = named(new QPushButton(QCoreApplication::translate("TfrmFitCheck", "Drucken…"), this),
                     "btnPrint");
    btnPdf = named(
        new QPushButton(QCoreApplication::translate("TfrmFitCheck", "Als PDF speichern…"), this),
        "btnPdf");
    btnClose =
        named(new QPushButton(QCoreApplication::translate("TfrmFitCheck", "Schließen"), this),
              "btnClose");

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(
        QCoreApplication::translate("TfrmFitCheck", "Lärmexposition L_EX (dB(A)):"), this));
    top->addWidget(edtExposure);
    top->addSpacing(16);
    top->addWidget(lblVerdict, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnPrint);
    buttons->addWidget(btnPdf);
    buttons->addStretch();
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);

    runPdfDialog = [this]() -> std::optional<QString> {
        const QString file = QFileDialog::getSaveFileName(
            this, QCoreApplication::translate("TfrmFitCheck", "Prüfbericht als PDF speichern"),
            QString(), QStringLiteral("PDF (*.pdf)"));
        return file.isEmpty() ? std::nullopt : std::optional<QString>(file);
    };
    runPrintDialog = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
    connect(edtExposure, &QLineEdit::editingFinished, this, [this] {
        evaluate();
        if (exposureChanged_) {
            exposureChanged_(document_.report);
        }
    });
    connect(btnPrint, &QPushButton::clicked, this, [this] { btnPrintClick(); });
    connect(btnPdf, &QPushButton::clicked, this, [this] { btnPdfClick(); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::close);
}

TfrmFitCheck::~TfrmFitCheck() = default;

void TfrmFitCheck::showTest(const engine::TestRecord& record, const QString& calibration,
                            std::optional<double> exposure,
                            std::function<void(const engine::FitCheckReport&)> exposureChanged) {
    exposureChanged_ = {};
    document_.record = record;
    document_.calibration = calibration;
    const auto parameters = engine::fitCheckParameters(settings_, exposure);
    edtExposure->setText(parameters.exposure ? engine::decibels(*parameters.exposure) : QString());
    evaluate();
    exposureChanged_ = std::move(exposureChanged);
}

void TfrmFitCheck::evaluate() {
    const auto exposure = engine::exposureOf(edtExposure->text());
    auto parameters = engine::fitCheckParameters(settings_, exposure);
    if (!exposure) {
        // An emptied field means no noise to rate against.
        parameters.exposure.reset();
    }
    document_.report = engine::evaluateFitCheck(document_.record, parameters);
    const auto& report = document_.report;
    lblVerdict->setText(
        QCoreApplication::translate("TfrmFitCheck", "Bewertung: %1%2")
            .arg(engine::verdictText(report.verdict),
                 report.overprotection
                     ? QCoreApplication::translate("TfrmFitCheck", " – Überprotektion möglich")
                     : QString()));
    pbxReport->update();
}

void TfrmFitCheck::btnPrintClick() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (runPrintDialog && runPrintDialog(printer)) {
        printPage(printer, document_);
    }
}

void TfrmFitCheck::btnPdfClick() {
    const auto file = runPdfDialog ? runPdfDialog() : std::nullopt;
    if (!file) {
        return;
    }
    if (const QString reason = storage::saveBytes(*file, fitCheckPdf(document_));
        !reason.isEmpty()) {
        messages_.show(QCoreApplication::translate("TfrmFitCheck",
                                                   "Beim Speichern ist ein Fehler aufgetreten\n%1")
                           .arg(reason),
                       {}, platform::MessageType::Error);
    }
}

} // namespace tavo::ui
