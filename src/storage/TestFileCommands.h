#pragma once

#include "storage/FileOutput.h"
#include "storage/TestFile.h"

#include <QString>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace tavo::engine {
struct AppState;
}
namespace tavo::platform {
class Messages;
}

namespace tavo::storage {

// The main window's test data box, whose fields a test file holds.
struct DataBox {
    QLineEdit* txtTestName = nullptr;
    QLineEdit* txtTestLocation = nullptr;
    QCheckBox* chkErstpruefung = nullptr;
    QCheckBox* chkScreening = nullptr;
    QRadioButton* rdoOK = nullptr;
    QRadioButton* rdoNOK = nullptr;
};

TestData readDataBox(const DataBox& box);

// Sets the fields in file order: name, location (their change handlers
// update the window title), the two marks, then the verdict under the
// radio-group rule (radioGroupRule), which may leave neither button checked.
void applyDataBox(const DataBox& box, const TestData& data);

// Reads a test file into the data box and both runs and marks the results
// valid. A file that cannot be opened or is refused is reported through
// `messages` and changes nothing (fields, results, ResultsValid). The caller
// recomputes the summary figures and repaints after a success.
bool ReadFile(const QString& fileName, engine::AppState& state, const DataBox& box,
              platform::Messages& messages);

// Writes the data box and both runs as a test file, or the two runs as a
// text export. Atomic: a failed save leaves an existing file untouched and
// returns the reason (empty text: saved).
QString WriteFile(const QString& fileName, const engine::AppState& state, const DataBox& box,
                  const FileOutputFactory& output = {});
QString WriteAsciiFile(const QString& fileName, const engine::AppState& state,
                       const FileOutputFactory& output = {});

} // namespace tavo::storage
