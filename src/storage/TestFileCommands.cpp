#include "storage/TestFileCommands.h"

#include "engine/AppState.h"
#include "platform/Messages.h"
#include "storage/TextExport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

namespace tavo::storage {

TestData readDataBox(const DataBox& box) {
    TestData data;
    data.person = box.txtTestName->text();
    data.location = box.txtTestLocation->text();
    data.erstpruefung = box.chkErstpruefung->isChecked();
    data.screening = box.chkScreening->isChecked();
    data.ok = box.rdoOK->isChecked();
    data.nok = box.rdoNOK->isChecked();
    return data;
}

void applyDataBox(const DataBox& box, const TestData& data) {
    box.txtTestName->setText(data.person);
    box.txtTestLocation->setText(data.location);
    box.chkErstpruefung->setChecked(data.erstpruefung);
    box.chkScreening->setChecked(data.screening);
    // Qt refuses to uncheck the checked button of an exclusive group; the
    // file may ask for neither, so the group rule is applied by hand.
    const RadioMarks marks = radioGroupRule(data.ok, data.nok);
    const bool okExclusive = box.rdoOK->autoExclusive();
    const bool nokExclusive = box.rdoNOK->autoExclusive();
    box.rdoOK->setAutoExclusive(false);
    box.rdoNOK->setAutoExclusive(false);
    box.rdoOK->setChecked(marks.ok);
    box.rdoNOK->setChecked(marks.nok);
    box.rdoOK->setAutoExclusive(okExclusive);
    box.rdoNOK->setAutoExclusive(nokExclusive);
}

bool ReadFile(const QString& fileName, engine::AppState& state, const DataBox& box,
              platform::Messages& messages) {
    const auto bytes = readFileHead(fileName, kMaxTestFileSize);
    if (!bytes) {
        messages.show(bytes.error, {}, platform::MessageType::Error);
        return false;
    }
    // The whole file is read before anything is applied.
    auto contents = decodeTestFile(*bytes.value);
    if (!contents) {
        messages.show(contents.error);
        return false;
    }
    applyDataBox(box, contents.value->data);
    state.Test1Result = std::move(contents.value->run1);
    state.Test2Result = std::move(contents.value->run2);
    state.ResultsValid = true;
    return true;
}

QString WriteFile(const QString& fileName, const engine::AppState& state, const DataBox& box,
                  const FileOutputFactory& output) {
    const TestFileContents contents{readDataBox(box), state.Test1Result, state.Test2Result};
    return saveBytes(fileName, encodeTestFile(contents), output);
}

QString WriteAsciiFile(const QString& fileName, const engine::AppState& state,
                       const FileOutputFactory& output) {
    return saveBytes(fileName, encodeTextExport(state.Test1Result, state.Test2Result), output);
}

} // namespace tavo::storage
