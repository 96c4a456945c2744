// The main window's test data box and the record behind it: building the
// box, showing the record in it and writing every edit back, the summary
// figures, and reading and writing the record as a file.

#include "engine/AppState.h"
#include "engine/Evaluation.h"
#include "engine/ProductInfo.h"
#include "platform/Platform.h"
#include "storage/TestFile.h"
#include "storage/TestFileCommands.h"
#include "ui/MainWindowParts.h"
#include "ui/TfrmMain.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>

#include <algorithm>

namespace tavo::ui {

namespace {

using parts::named;
using parts::pixelFont;

} // namespace

void TfrmMain::buildDataBox() {
    grpData = named(new QGroupBox(tr("Test Data "), centralWidget()), "grpData");
    grpData->setGeometry(6, 425, 1002, 114);

    lblFirstName = named(new QLabel(tr("Test person"), grpData), "lblFirstName");
    lblFirstName->setGeometry(2, 25, 90, 16);
    lblFirstName->setAlignment(Qt::AlignRight | Qt::AlignTop);
    txtTestName = named(new QLineEdit(grpData), "txtTestName");
    txtTestName->setGeometry(94, 20, 201, 26);
    lblTestLoc = named(new QLabel(tr("Test location"), grpData), "lblTestLoc");
    lblTestLoc->setGeometry(298, 25, 84, 16);
    lblTestLoc->setAlignment(Qt::AlignRight | Qt::AlignTop);
    txtTestLocation = named(new QLineEdit(grpData), "txtTestLocation");
    txtTestLocation->setGeometry(384, 20, 217, 26);
    // Every edit goes into the record at once.
    connect(txtTestName, &QLineEdit::textChanged, this, [this](const QString& text) {
        context_.state.Record.data.person = text;
        txtTestNameChange();
        dataBoxEdited();
    });
    connect(txtTestLocation, &QLineEdit::textChanged, this, [this](const QString& text) {
        context_.state.Record.data.location = text;
        txtTestLocationChange();
        dataBoxEdited();
    });

    const auto summaryLabel = [this](const char* name, const QString& text, int x, int y) {
        auto* label = named(new QLabel(text, grpData), name);
        label->move(x, y);
        label->adjustSize();
        return label;
    };
    summaryLabel("lblOSPL", QStringLiteral("OSPL:"), 605, 23);
    txtOSPL = summaryLabel("txtOSPL", QStringLiteral("0"), 652, 23);
    summaryLabel("lblOSPR", QStringLiteral("OSPR:"), 690, 23);
    txtOSPR = summaryLabel("txtOSPR", QStringLiteral("0"), 738, 23);
    // The figures run from "-" to "-100": the labels are as wide as that.
    const QString widest = QStringLiteral("-100");
    for (auto* value : {txtOSPL, txtOSPR}) {
        value->setFixedWidth(std::max(36, value->fontMetrics().horizontalAdvance(widest) + 4));
        value->setStyleSheet(QStringLiteral("color: grey"));
    }

    auto* apvFrame = named(new QFrame(grpData), "shpAPV");
    apvFrame->setGeometry(395, 59, 199, 37);
    apvFrame->setFrameShape(QFrame::Box);
    const QFont apvFont = pixelFont(QStringLiteral("Arial"), 27, true);
    for (auto* label : {summaryLabel("lblAPV", QStringLiteral("APV:"), 403, 61),
                        txtAPV = summaryLabel("txtAPV", QStringLiteral("0"), 475, 61),
                        summaryLabel("lblAPVUnit", QStringLiteral("dB"), 531, 61)}) {
        label->setFont(apvFont);
        label->adjustSize();
    }
    txtAPV->setStyleSheet(QStringLiteral("color: blue"));
    // The APV right-aligned in room for the widest figure, the unit after it.
    txtAPV->setFixedWidth(QFontMetrics(apvFont).horizontalAdvance(widest) + 4);
    txtAPV->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (auto* unit = grpData->findChild<QLabel*>(QStringLiteral("lblAPVUnit"))) {
        unit->move(txtAPV->geometry().right() + 7, unit->y());
    }

    summaryLabel("lblResult", tr("Ergebnis"), 150, 55);
    chkErstpruefung = named(new QCheckBox(tr("Erstprüfung"), grpData), "chkErstpruefung");
    chkErstpruefung->move(17, 56);
    chkScreening = named(new QCheckBox(tr("Überwachungsprüfung"), grpData), "chkScreening");
    chkScreening->move(17, 79);
    rdoOK = named(new QRadioButton(tr("IO"), grpData), "rdoOK");
    rdoOK->move(214, 56);
    rdoNOK = named(new QRadioButton(tr("NIO"), grpData), "rdoNOK");
    rdoNOK->move(214, 79);
    for (QAbstractButton* box :
         std::initializer_list<QAbstractButton*>{chkErstpruefung, chkScreening, rdoOK, rdoNOK}) {
        box->adjustSize();
        connect(box, &QAbstractButton::toggled, this, [this] {
            auto& fields = context_.state.Record.data;
            fields.erstpruefung = chkErstpruefung->isChecked();
            fields.screening = chkScreening->isChecked();
            fields.ok = rdoOK->isChecked();
            fields.nok = rdoNOK->isChecked();
            dataBoxEdited();
        });
    }

    imgLogo = named(new QLabel(grpData), "imgLogo");
    imgLogo->setGeometry(789, 19, 200, 80);
    imgLogo->setScaledContents(true);
    imgLogo->setPixmap(QPixmap(QStringLiteral(":/tavo/logo.jpg")));
    showDataBox();
}

void TfrmMain::showDataBox() {
    const engine::TestData fields = context_.state.Record.data;
    // In file order: name, location (their change handlers set the window
    // title), the two marks, then the verdict under the radio-group rule.
    txtTestName->setText(fields.person);
    txtTestLocation->setText(fields.location);
    chkErstpruefung->setChecked(fields.erstpruefung);
    chkScreening->setChecked(fields.screening);
    // Qt refuses to uncheck the checked button of an exclusive group; a file
    // may ask for neither, so the group rule is applied by hand.
    const storage::RadioMarks marks = storage::radioGroupRule(fields.ok, fields.nok);
    rdoOK->setAutoExclusive(false);
    rdoNOK->setAutoExclusive(false);
    rdoOK->setChecked(marks.ok);
    rdoNOK->setChecked(marks.nok);
    rdoOK->setAutoExclusive(true);
    rdoNOK->setAutoExclusive(true);
    // The record holds what the box shows (the group rule may clear "IO").
    auto& shown = context_.state.Record.data;
    shown = fields;
    shown.ok = marks.ok;
    shown.nok = marks.nok;
}

bool TfrmMain::ReadFile(const QString& fileName) {
    engine::TestRecord record;
    if (!storage::ReadFile(fileName, record, *context_.platform.messages)) {
        return false;
    }
    showRecord(std::move(record));
    return true;
}

void TfrmMain::showRecord(engine::TestRecord record) {
    context_.state.Record = std::move(record);
    showDataBox();
    // As the file has it: nothing to save.
    context_.state.Record.Unsaved = false;
    CalcAVP();
    pbxAudiogram->update();
    pbxResults->update();
}

QString TfrmMain::WriteFile(const QString& fileName) {
    return storage::WriteFile(fileName, context_.state.Record).error();
}

QString TfrmMain::WriteAsciiFile(const QString& fileName) {
    return storage::WriteAsciiFile(fileName, context_.state.Record).error();
}

void TfrmMain::CalcAVP() {
    const auto texts = engine::CalcAVP(context_.state.Record);
    txtOSPL->setText(texts.ospl);
    txtOSPR->setText(texts.ospr);
    txtAPV->setText(texts.apv);
}

void TfrmMain::dataBoxEdited() {
    if (context_.state.Record.ResultsValid) {
        context_.state.Record.Unsaved = true;
    }
}

void TfrmMain::txtTestNameChange() {
    setWindowTitle(engine::productName() + QLatin1Char(' ') + engine::productVersion() +
                   QStringLiteral(" - ") + txtTestName->text());
}

void TfrmMain::txtTestLocationChange() {
    // No blank between product name and version here: the program's title
    // has always read like this after an edit of the location.
    setWindowTitle(engine::productName() + engine::productVersion() + QStringLiteral(" - ") +
                   txtTestName->text() + QLatin1Char(' ') + txtTestLocation->text());
}

} // namespace tavo::ui
