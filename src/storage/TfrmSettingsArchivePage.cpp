// The settings dialog's pages added later: "Archiv" (where the results
// archive lives) and "Prüfbericht" (the noise a fit-check report starts with).

#include "storage/TfrmSettings.h"

#include "archive/Archive.h"
#include "platform/Messages.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tavo::storage {

namespace {

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

void TfrmSettings::buildArchivePage() {
    ArchivePage = named(new QWidget, "ArchivePage");
    SettingsPages->addTab(ArchivePage, tr("Archiv"));
    auto* layout = new QVBoxLayout(ArchivePage);

    rdoArchiveLocal = named(new QRadioButton(tr("Auf diesem Platz (SQLite-Datei)"), ArchivePage),
                            "rdoArchiveLocal");
    lblArchivePath = named(new QLabel(archive::ArchiveLocation::defaultSqlite().path, ArchivePage),
                           "lblArchivePath");
    lblArchivePath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblArchivePath->setIndent(20);
    rdoArchiveServer =
        named(new QRadioButton(tr("Auf einem PostgreSQL-Server (mehrere Plätze)"), ArchivePage),
              "rdoArchiveServer");
    layout->addWidget(rdoArchiveLocal);
    layout->addWidget(lblArchivePath);
    layout->addWidget(rdoArchiveServer);

    auto* server = new QFormLayout;
    server->setContentsMargins(20, 0, 0, 0);
    edtArchiveHost = named(new QLineEdit(ArchivePage), "edtArchiveHost");
    edtArchiveHost->setPlaceholderText(tr("Standard von libpq (PGHOST)"));
    edtArchivePort = named(new QLineEdit(ArchivePage), "edtArchivePort");
    edtArchiveDatabase = named(new QLineEdit(ArchivePage), "edtArchiveDatabase");
    edtArchiveUser = named(new QLineEdit(ArchivePage), "edtArchiveUser");
    edtArchiveUser->setPlaceholderText(tr("Anmeldename (PGUSER)"));
    cbxArchiveSslMode = named(new QComboBox(ArchivePage), "cbxArchiveSslMode");
    cbxArchiveSslMode->addItems({QStringLiteral("disable"), QStringLiteral("allow"),
                                 QStringLiteral("prefer"), QStringLiteral("require"),
                                 QStringLiteral("verify-ca"), QStringLiteral("verify-full")});
    server->addRow(tr("Server:"), edtArchiveHost);
    server->addRow(tr("Port:"), edtArchivePort);
    server->addRow(tr("Datenbank:"), edtArchiveDatabase);
    server->addRow(tr("Benutzer:"), edtArchiveUser);
    server->addRow(tr("SSL-Modus:"), cbxArchiveSslMode);
    layout->addLayout(server);

    lblArchiveNote = named(
        new QLabel(tr("Ein Passwort speichert dieses Programm nie. Die Verbindung findet es wie "
                      "jedes PostgreSQL-Programm: in ~/.pgpass, in einer Dienstdatei "
                      "(~/.pg_service.conf, PGSERVICE) oder in den Umgebungsvariablen (PGPASSFILE, "
                      "PGSSLMODE, …). Ist das Archiv nicht erreichbar, warten die Tests auf diesem "
                      "Platz und werden nachgesendet."),
                   ArchivePage),
        "lblArchiveNote");
    lblArchiveNote->setWordWrap(true);
    layout->addWidget(lblArchiveNote);
    btnArchiveCheck =
        named(new QPushButton(tr("Verbindung prüfen"), ArchivePage), "btnArchiveCheck");
    layout->addWidget(btnArchiveCheck, 0, Qt::AlignLeft);
    layout->addStretch();

    connect(rdoArchiveServer, &QRadioButton::toggled, this, [this] { enableArchiveFields(); });
    connect(btnArchiveCheck, &QPushButton::clicked, this, [this] { btnArchiveCheckClick(); });
}

void TfrmSettings::buildReportPage() {
    ReportPage = named(new QWidget, "ReportPage");
    SettingsPages->addTab(ReportPage, tr("Prüfbericht"));
    auto* layout = new QVBoxLayout(ReportPage);
    auto* fields = new QFormLayout;
    edtDefaultExposure = named(new QLineEdit(ReportPage), "edtDefaultExposure");
    edtDefaultExposure->setPlaceholderText(tr("keine"));
    edtWantedLevel = named(new QLineEdit(ReportPage), "edtWantedLevel");
    fields->addRow(tr("Lärmexposition L_EX (dB(A)):"), edtDefaultExposure);
    fields->addRow(tr("Zielpegel am Ohr (dB(A)):"), edtWantedLevel);
    layout->addLayout(fields);
    auto* note =
        named(new QLabel(tr("Der Prüfbericht beginnt mit dieser Lärmexposition (leer: ohne "
                            "Bewertung). Ausreichend ist ein Gehörschutz, dessen "
                            "beidohrige PAR₈₄ mindestens L_EX minus Zielpegel dämpft."),
                         ReportPage),
              "lblReportNote");
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addStretch();
    for (auto* field : {edtDefaultExposure, edtWantedLevel}) {
        field->installEventFilter(this);
    }
}

void TfrmSettings::showArchiveChoice() {
    // The value's "on this station" has a button of its own.
    if (!settings_.archiveOnServer) {
        rdoArchiveLocal->setChecked(true);
    }
    enableArchiveFields();
}

void TfrmSettings::enableArchiveFields() {
    // The button, not the value: a click runs this before the button's own
    // write-back.
    const bool server = rdoArchiveServer->isChecked();
    for (QWidget* field :
         std::initializer_list<QWidget*>{edtArchiveHost, edtArchivePort, edtArchiveDatabase,
                                         edtArchiveUser, cbxArchiveSslMode}) {
        field->setEnabled(server);
    }
}

void TfrmSettings::btnArchiveCheckClick() {
    const auto location = archive::archiveLocationOf(settings_);
    QString text;
    auto type = platform::MessageType::Error;
    if (!location) {
        text = location.error();
    } else {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto opened = archive::Archive::open(*location);
        QApplication::restoreOverrideCursor();
        if (opened) {
            text = tr("Das Archiv %1 ist erreichbar.").arg(location->describe());
            type = platform::MessageType::Plain;
        } else {
            text = opened.error();
        }
    }
    platform_.messages->show(text, {}, type);
}

} // namespace tavo::storage
