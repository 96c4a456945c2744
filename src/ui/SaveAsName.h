#pragma once

#include <QString>

namespace tavo::engine {
struct TestRecord;
}

namespace tavo::ui {

// What the proposed file name of Save As is made of.
struct SaveAsNameParts {
    QString location;
    QString person;
    bool firstExamination = false; // "Erstprüfung"
    bool followUp = false;         // "Überwachungsprüfung"
    bool inOrder = true;           // "IO", else "NIO"
    QString testDate;              // of the first run
    QString testTime;
};

// Location, person, the examination marks, the verdict and the first run's
// date and time ("X-Y A-B Erstprüfung IO 06-12-2026-9h5"), with each of
// < > " : / \ replaced by "-".
QString proposedFileName(const SaveAsNameParts& parts);
// The same for a record: its data box and its first run.
QString proposedFileName(const engine::TestRecord& record);

// Whether a chosen name is saved as the text export: its last four
// characters are exactly ".txt" (".TXT" is a test file), or the dialog's
// ASCII-Text filter was chosen.
bool savesTextExport(const QString& fileName, bool textFilterChosen);

} // namespace tavo::ui
