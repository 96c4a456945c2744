// A second start of the program (a double-click on a test or calibration
// file while the program runs) hands its command line to the running
// program, which opens the file here.

#include "engine/AppState.h"
#include "engine/StartupRules.h"
#include "platform/Platform.h"
#include "ui/TfrmMain.h"

namespace tavo::ui {

void TfrmMain::openFromAnotherStart(const QStringList& words) {
    // The program comes to the front, whatever it opens.
    restoreMainWindow();
    raise();
    activateWindow();
    if (words.isEmpty()) {
        return;
    }
    const QString commandLine = engine::joinCommandLine(words);
    const QString fileName = engine::commandLineFileName(commandLine);
    auto& messages = *context_.platform.messages;
    if (testRunning()) {
        messages.show(tr("Ein Hörtest läuft. „%1“ wird nicht geöffnet; öffnen Sie die "
                         "Datei, wenn der Test beendet ist.")
                          .arg(fileName),
                      tr("Information"));
        return;
    }
    if (engine::namesTestFile(commandLine)) {
        // The results shown may not have been saved yet.
        if (mayClose()) {
            ReadFile(fileName);
        }
        return;
    }
    if (engine::namesCalibrationFile(commandLine)) {
        ReadCal(fileName);
        return;
    }
    messages.show(tr("„%1“ ist weder eine Testdatei (.vkt, .aud) noch eine "
                     "Kalibrierungsdatei (.vkk).")
                      .arg(fileName),
                  tr("Information"));
}

} // namespace tavo::ui
