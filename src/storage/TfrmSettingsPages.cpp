// The settings dialog's pages and their German texts.

#include "storage/TfrmSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace tavo::storage {

namespace {

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// The controls start empty: the dialog loads its Settings value into them.
QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption) {
    return named(new QCheckBox(caption, parent), name);
}

} // namespace

void TfrmSettings::buildTestProcedurePage() {
    TestProcedure = named(new QWidget, "TestProcedure");
    SettingsPages->addTab(TestProcedure, tr("Test Procedure"));

    GroupBox1 = named(new QGroupBox(tr("Test Frequencies"), TestProcedure), "GroupBox1");
    auto* frequencies = new QGridLayout(GroupBox1);
    Check125 = checkBox(GroupBox1, "Check125", QStringLiteral("125 Hz"));
    Check250 = checkBox(GroupBox1, "Check250", QStringLiteral("250 Hz"));
    Check500 = checkBox(GroupBox1, "Check500", QStringLiteral("500 Hz"));
    Check750 = checkBox(GroupBox1, "Check750", QStringLiteral("750 Hz"));
    Check1000 = checkBox(GroupBox1, "Check1000", QStringLiteral("1 kHz"));
    Check1000->setEnabled(false); // until the stored settings have been read
    Check1500 = checkBox(GroupBox1, "Check1500", QStringLiteral("1.5 kHz"));
    Check2000 = checkBox(GroupBox1, "Check2000", QStringLiteral("2 kHz"));
    Check3000 = checkBox(GroupBox1, "Check3000", QStringLiteral("3 kHz"));
    Check4000 = checkBox(GroupBox1, "Check4000", QStringLiteral("4 kHz"));
    Check6000 = checkBox(GroupBox1, "Check6000", QStringLiteral("6 kHz"));
    Check8000 = checkBox(GroupBox1, "Check8000", QStringLiteral("8 kHz"));
    const QCheckBox* boxes[] = {Check125,  Check250,  Check500,  Check750,  Check1000, Check1500,
                                Check2000, Check3000, Check4000, Check6000, Check8000};
    for (int i = 0; i < 11; ++i) {
        frequencies->addWidget(const_cast<QCheckBox*>(boxes[i]), i % 6, i / 6);
    }

    GroupBox4 = named(new QGroupBox(tr("Test Parameters"), TestProcedure), "GroupBox4");
    auto* parameters = new QGridLayout(GroupBox4);
    const auto field = [this, parameters](const char* name, const QString& label, const char* unit,
                                          int row, int column, const QString& note = QString()) {
        auto* caption = new QLabel(label, GroupBox4);
        caption->setObjectName(QStringLiteral("lbl") + QString::fromLatin1(name));
        auto* edit = named(new QLineEdit(GroupBox4), name);
        edit->setMaximumWidth(60);
        parameters->addWidget(caption, row * 3, column, 1, 2);
        parameters->addWidget(edit, row * 3 + 1, column);
        parameters->addWidget(new QLabel(QString::fromLatin1(unit), GroupBox4), row * 3 + 1,
                              column + 1);
        if (!note.isEmpty()) {
            parameters->addWidget(new QLabel(note, GroupBox4), row * 3 + 2, column, 1, 2);
        }
        return edit;
    };
    BeepTimeEdit = field("BeepTimeEdit", tr("Signal duration"), "s", 0, 0);
    PauseTimeEdit = field("PauseTimeEdit", tr("Pause duration"), "s", 0, 2);
    LevelStep = field("LevelStep", tr("Level step"), "dB", 1, 0);
    LevelStart = field("LevelStart", tr("Start level"), "dBHL", 1, 2);
    TestTimeEdit = field("TestTimeEdit", tr("Test time per frequency"), "s", 2, 0, tr("Maximum"));
    ReverseEdit = field("ReverseEdit", tr("Reversals"), "", 2, 2, tr("Minimum"));

    Miscanelleous = named(new QGroupBox(tr("Miscellaneous"), TestProcedure), "Miscanelleous");
    auto* misc = new QVBoxLayout(Miscanelleous);
    Trial = checkBox(Miscanelleous, "Trial", tr("Trial run"));
    FirstEar = checkBox(Miscanelleous, "FirstEar", tr("Left ear first"));
    cboNewFreq0dB = checkBox(Miscanelleous, "cboNewFreq0dB", tr("Reset level on new frequency"));
    cboNewSide0dB = checkBox(Miscanelleous, "cboNewSide0dB", tr("Reset level on new side"));
    chkPraxisabweichung = checkBox(Miscanelleous, "chkPraxisabweichung", tr("Practice deviation"));
    chkDisableSS = checkBox(Miscanelleous, "chkDisableSS", tr("Disable screensaver during test"));
    chkShowLevel = checkBox(Miscanelleous, "chkShowLevel", tr("Show level during test"));
    chkDisableSS->setVisible(false);
    chkShowLevel->setVisible(false);
    // Added with the fit-check report, in German from the start.
    chkRetest1000 = checkBox(Miscanelleous, "chkRetest1000", tr("1000 Hz am Ende wiederholen"));
    for (auto* box :
         {Trial, FirstEar, cboNewFreq0dB, cboNewSide0dB, chkPraxisabweichung, chkRetest1000}) {
        misc->addWidget(box);
    }

    // The language is chosen here, on the page the dialog opens with. The
    // languages name themselves; the stored value is the item's code.
    lblLanguage = named(new QLabel(tr("Sprache:"), TestProcedure), "lblLanguage");
    cbxLanguage = named(new QComboBox(TestProcedure), "cbxLanguage");
    cbxLanguage->addItem(tr("Systemsprache"), QStringLiteral("system"));
    cbxLanguage->addItem(QStringLiteral("Deutsch"), QStringLiteral("de"));
    cbxLanguage->addItem(QStringLiteral("English"), QStringLiteral("en"));
    cbxLanguage->addItem(tr("Wie in der Vorlage"), QStringLiteral("source"));
    lblLanguage->setBuddy(cbxLanguage);
    lblLanguageNote =
        named(new QLabel(tr("Gilt ab dem nächsten Start."), TestProcedure), "lblLanguageNote");
    auto* language = new QHBoxLayout;
    language->addWidget(lblLanguage);
    language->addWidget(cbxLanguage);
    language->addWidget(lblLanguageNote);
    language->addStretch();

    auto* page = new QGridLayout(TestProcedure);
    page->addWidget(GroupBox1, 0, 0, 2, 1);
    page->addWidget(GroupBox4, 0, 1);
    page->addWidget(Miscanelleous, 1, 1);
    page->addLayout(language, 2, 0, 1, 2);
}

void TfrmSettings::buildSoundCardPage() {
    SoundCard = named(new QWidget, "SoundCard");
    SettingsPages->addTab(SoundCard, tr("Hardware"));

    GroupBox2 = named(new QGroupBox(tr("Sound Output Device"), SoundCard), "GroupBox2");
    auto* devices = new QVBoxLayout(GroupBox2);
    auto* waveLabel =
        named(new QLabel(tr("Sound card for the test"), GroupBox2), "lblWaveOutDevice");
    WaveOutDevice = named(new QComboBox(GroupBox2), "WaveOutDevice");
    auto* mixerLabel = named(new QLabel(tr("Volume driver"), GroupBox2), "lblMixerDevice");
    MixerDevice = named(new QComboBox(GroupBox2), "MixerDevice");
    Button2 = named(new QPushButton(tr("Multimedia options"), GroupBox2), "Button2");
    for (QWidget* widget : std::initializer_list<QWidget*>{waveLabel, WaveOutDevice, mixerLabel,
                                                           MixerDevice, Button2}) {
        devices->addWidget(widget);
    }

    GroupBox7 = named(new QGroupBox(tr("Response button"), SoundCard), "GroupBox7");
    auto* response = new QGridLayout(GroupBox7);
    rdoCTRL = named(new QRadioButton(tr("CTRL key"), GroupBox7), "rdoCTRL");
    rdoJoystick = named(new QRadioButton(tr("Joystick (recommended)"), GroupBox7), "rdoJoystick");
    Label26 = named(new QLabel(GroupBox7), "Label26");
    Label26->setWordWrap(true);
    Label25 = named(new QLabel(tr("Joystick Button State"), GroupBox7), "Label25");
    light = named(new QFrame(GroupBox7), "light");
    light->setFixedSize(20, 20);
    light->setToolTip(tr("When the response button is pressed, this should turn red."));
    setLight(0x000000); // black: no button down
    Button1 = named(new QPushButton(tr("Joystick options"), GroupBox7), "Button1");
    response->addWidget(rdoCTRL, 0, 0, 1, 2);
    response->addWidget(rdoJoystick, 1, 0, 1, 2);
    response->addWidget(Label26, 2, 0, 1, 2);
    response->addWidget(light, 3, 0);
    response->addWidget(Label25, 3, 1);
    response->addWidget(Button1, 4, 0, 1, 2);

    auto* page = new QVBoxLayout(SoundCard);
    page->addWidget(GroupBox2);
    page->addWidget(GroupBox7);
    page->addStretch();
}

void TfrmSettings::buildFileHandlingPage() {
    FileHandling = named(new QWidget, "FileHandling");
    SettingsPages->addTab(FileHandling, tr("Files"));
    auto* driveLabel = named(new QLabel(tr("Drive:"), FileHandling), "lblDrive");
    DriveList = named(new QComboBox(FileHandling), "DriveList");
    for (const QFileInfo& drive : QDir::drives()) {
        DriveList->addItem(drive.absoluteFilePath());
    }
    auto* directoryLabel = named(new QLabel(tr("Working directory"), FileHandling), "lblDirectory");
    directories_ = new QFileSystemModel(this);
    directories_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    DirectoryList = named(new QTreeView(FileHandling), "DirectoryList");
    DirectoryList->setModel(directories_);
    DirectoryList->setHeaderHidden(true);
    for (int column = 1; column < 4; ++column) {
        DirectoryList->hideColumn(column);
    }
    DirectoryLabel = named(new QLabel(FileHandling), "DirectoryLabel");
    const auto showDirectory = [this](const QString& path) {
        DirectoryList->setRootIndex(directories_->setRootPath(path));
        DirectoryLabel->setText(path);
    };
    connect(DirectoryList, &QTreeView::activated, this,
            [this, showDirectory](const QModelIndex& at) {
                showDirectory(directories_->filePath(at));
            });
    connect(DriveList, &QComboBox::textActivated, this, showDirectory);
    showDirectory(QDir::currentPath());

    auto* page = new QVBoxLayout(FileHandling);
    for (QWidget* widget : std::initializer_list<QWidget*>{driveLabel, DriveList, directoryLabel,
                                                           DirectoryList, DirectoryLabel}) {
        page->addWidget(widget);
    }
}

void TfrmSettings::buildGraphSettingsPage() {
    GraphSettings = named(new QWidget, "GraphSettings");
    SettingsPages->addTab(GraphSettings, tr("Graph"));

    GroupBox6 = named(new QGroupBox(tr("Graph calculation"), GraphSettings), "GroupBox6");
    auto* options = new QVBoxLayout(GroupBox6);
    ShowReversals = checkBox(GroupBox6, "ShowReversals", tr("Show tone level traces"));
    ShowThresholds =
        checkBox(GroupBox6, "ShowThresholds", tr("Show calculated hearing thresholds"));
    MarkSuspicious = checkBox(GroupBox6, "MarkSuspicious", tr("Highlight inaccurate results"));
    Reject1st = checkBox(GroupBox6, "Reject1st", tr("Ignore first reversal"));
    RealTimeCalc = checkBox(GroupBox6, "RealTimeCalc", tr("Update audiogram during test"));
    for (auto* box : {ShowReversals, ShowThresholds, MarkSuspicious, Reject1st, RealTimeCalc}) {
        options->addWidget(box);
    }

    GroupBox5 = named(new QGroupBox(tr("Graph colours"), GraphSettings), "GroupBox5");
    auto* colours = new QHBoxLayout(GroupBox5);
    ColourList = named(new QComboBox(GroupBox5), "ColourList");
    ColourList->addItems({tr("Audiogram Reversals Test 1 "), tr("Audiogram Reversals Test 2 "),
                          tr("Audiogram Axes & Grid"), tr("Audiogram Background"),
                          tr("Application Background"), tr("Audiogram Thresholds Test 1"),
                          tr("Audiogram Thresholds Test 2")});
    ColourSample = named(new QFrame(GroupBox5), "ColourSample");
    ColourSample->setFixedSize(40, 24);
    ColourSample->setFrameShape(QFrame::Box);
    ColourSample->setAutoFillBackground(true);
    Change = named(new QPushButton(tr("Change..."), GroupBox5), "Change");
    colours->addWidget(ColourList, 1);
    colours->addWidget(ColourSample);
    colours->addWidget(Change);

    auto* page = new QVBoxLayout(GraphSettings);
    page->addWidget(GroupBox6);
    page->addWidget(GroupBox5);
    page->addStretch();
}

void TfrmSettings::buildCalibrationPage() {
    TabSheet1 = named(new QWidget, "TabSheet1");
    SettingsPages->addTab(TabSheet1, tr("Calibration"));
    chkLoadCal =
        checkBox(TabSheet1, "chkLoadCal", tr("Re-load default calibration file at startup"));
    btnChooseCal = named(new QPushButton(tr("Choose file"), TabSheet1), "btnChooseCal");
    Label24 = named(new QLabel(TabSheet1), "Label24");
    Label24->setWordWrap(true);
    chkPrintCal = checkBox(TabSheet1, "chkPrintCal", tr("Print Calibration filename on audiogram"));
    auto* page = new QVBoxLayout(TabSheet1);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{chkLoadCal, btnChooseCal, Label24, chkPrintCal}) {
        page->addWidget(widget);
    }
    page->addStretch();
}

void TfrmSettings::setGermanTexts() {
    SettingsPages->setTabText(SettingsPages->indexOf(TestProcedure), tr("Testverfahren"));
    SettingsPages->setTabText(SettingsPages->indexOf(FileHandling), tr("Dateien"));
    SettingsPages->setTabText(SettingsPages->indexOf(GraphSettings), tr("Diagramm"));
    Cancel->setText(tr("Abbrechen"));

    GroupBox1->setTitle(tr("Testfrequenzen"));
    GroupBox4->setTitle(tr("Testparameter"));
    const std::pair<const char*, const char*> labels[] = {
        {"lblBeepTimeEdit", QT_TR_NOOP("Signal- dauer")},
        {"lblPauseTimeEdit", QT_TR_NOOP("Lücken- dauer")},
        {"lblLevelStep", QT_TR_NOOP("Pegel- schritt")},
        {"lblLevelStart", QT_TR_NOOP("Anfangs- pegel")},
        {"lblTestTimeEdit", QT_TR_NOOP("Testdauer pro Frequenz")},
        {"lblReverseEdit", QT_TR_NOOP("Richtungswechsel.")},
    };
    for (const auto& [name, caption] : labels) {
        if (auto* label = findChild<QLabel*>(QString::fromLatin1(name))) {
            label->setText(tr(caption));
        }
    }
    Miscanelleous->setTitle(tr("Sonstiges"));
    Trial->setText(tr("Probelauf"));
    FirstEar->setText(tr("Linkes Ohr zuerst"));
    cboNewFreq0dB->setText(tr("Pegelreset bei neuer Frequenz"));
    cboNewSide0dB->setText(tr("Pegelreset bei neuer Seite"));
    chkPraxisabweichung->setText(tr("Praxisabweichung"));

    findChild<QLabel*>(QStringLiteral("lblWaveOutDevice"))->setText(tr("Soundkarte für Hörtest"));
    findChild<QLabel*>(QStringLiteral("lblMixerDevice"))
        ->setText(tr("Dazugehöriger Lautstärketreiber"));
    WaveOutDevice->setToolTip(
        tr("BItte wählen Sie die Soundkarte aus, mit der Sie testen möchten"));
    MixerDevice->setToolTip(tr("Jede Soundkarte hat entsprechende Lautstärkeregler. "
                               "Bitte wählen Sie den zugehörigen aus."));
    Button2->setText(tr("Windows Multimedia-Optionen"));
    GroupBox7->setTitle(tr("Einstellungen Reaktionstaster"));
    rdoCTRL->setText(tr("STRG-Taste"));
    rdoJoystick->setText(tr("Joystick (empfohlen)"));
    rdoCTRL->setToolTip(QString());
    rdoJoystick->setToolTip(QString());
    Label26->setText(tr(
        "Testen Sie hier den Reaktionstaster (Joystick) hier. Falls der rote Punkt unkontrolliert "
        "an und aus geht oder permanent rot ist, funktioniert Ihr Gerät wahrscheinlich nicht."));
    Button1->setText(tr("Windows Joystick-Optionen"));

    findChild<QLabel*>(QStringLiteral("lblDrive"))->setText(tr("Laufwerk:"));
    findChild<QLabel*>(QStringLiteral("lblDirectory"))->setText(tr("Arbeitsverzeichnis"));

    GroupBox6->setTitle(tr("Diagrammberechnung"));
    ShowReversals->setText(tr("Pegelverlauf anzeigen"));
    ShowThresholds->setText(tr("Hörschwellen anzeigen"));
    MarkSuspicious->setText(tr("Ungenaue Ergebnisse schraffieren"));
    Reject1st->setText(tr("Erste Umkehrung verwerfen"));
    RealTimeCalc->setText(tr("Audiogram in Echtzeit aktualisieren"));
    GroupBox5->setTitle(tr("Diagrammfarben"));
    const QStringList colourNames = {
        tr("Audiogramm Pegelverlauf Links"), tr("Audiogramm Pegelverlauf Rechts"),
        tr("Audiogramm Achsen & Gitter"),    tr("Hintergrund Audiogramm"),
        tr("Hintergrund Programm"),          tr("Audiogramm Hörschwelle Links"),
        tr("Audiogramm Hörschwelle Rechts")};
    for (int i = 0; i < colourNames.size(); ++i) {
        ColourList->setItemText(i, colourNames[i]);
    }

    chkLoadCal->setText(tr("Kalibrierungsdatei automatisch beim Start laden"));
    btnChooseCal->setText(tr("Datei auswählen"));
    chkPrintCal->setText(tr("Dateiname der Kalibrierung im Audiogramm drucken"));
}

} // namespace tavo::storage
