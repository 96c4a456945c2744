// TavoAudiometer: the pure-tone audiometer "Vorlandt Klarovent".
//
//   TavoAudiometer [--lang de|en|source] [--simulate [--listener LISTENER.json]] [FILE]
//
// FILE is a test file (name ending in .aud or .vkt, any case) to open or a
// calibration file (ending in .vkk) to load at start-up. --simulate uses
// simulated sound hardware instead of the real sound devices; --listener
// adds a simulated listener who answers the test, and the test starts at
// once (a demonstration without headphones).

#include "engine/AppState.h"
#include "engine/ListenerDescription.h"
#include "engine/StartupRules.h"
#include "platform/FileNames.h"
#include "platform/Language.h"
#include "platform/Platform.h"
#include "platform/qt/SingleInstance.h"
#include "ui/ProgramLanguage.h"
#include "ui/ProgramLook.h"
#include "ui/QtMessages.h"
#include "ui/Startup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

#include <cstdio>

namespace {

void complain(const QString& text) {
    std::fprintf(stderr, "TavoAudiometer: %s\n", text.toLocal8Bit().constData());
}

// The program's own texts, before and beside its windows.
QString text(const char* source) {
    return QCoreApplication::translate("TavoAudiometer", source);
}

const char* const kUsage = QT_TRANSLATE_NOOP(
    "TavoAudiometer",
    "Aufruf: TavoAudiometer [--lang de|en|source] [--simulate [--listener HOERER.json]] "
    "[DATEI]\n"
    "\n"
    "Das Tonaudiometer \"Vorlandt Klarovent\".\n"
    "\n"
    "  DATEI                 eine Testdatei (.vkt oder .aud), die beim Start geöffnet wird,\n"
    "                        oder eine Kalibrierungsdatei (.vkk), die geladen wird\n"
    "  --simulate            simulierte Soundkarte statt der echten Geräte\n"
    "  --listener DATEI      mit --simulate: ein simulierter Hörer beantwortet einen\n"
    "                        Hörtest, der sofort beginnt (Vorführung ohne Kopfhörer;\n"
    "                        Beschreibung in docs/listener-json.md)\n"
    "  --lang SPRACHE        Deutsch (de), Englisch (en) oder die Texte wie in der Vorlage\n"
    "                        (source); ohne: die Einstellung, sonst die Sprache des Desktops\n"
    "  --help                diese Hilfe\n"
    "\n"
    "Die Konsolenwerkzeuge: tavo --help. Das Handbuch: F1 im Programm.\n");

// Whether Qt can show a window here: a display, or a platform the user chose.
bool haveDisplay() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char* argv[]) {
    // File names keep every byte, UTF-8 or not.
    QStringList parameters = tavo::platform::argumentsFromNative(argc, argv);
    // The language: --lang, else the desktop's locale; the settings may
    // still choose another once they are read.
    const tavo::platform::LanguageOption languageOption =
        tavo::platform::takeLanguageOption(parameters);
    const bool help =
        parameters.contains(QStringLiteral("--help")) || parameters.contains(QStringLiteral("-h"));
    const bool refused = languageOption.given && !languageOption.language;
    if (help || refused || !haveDisplay()) {
        // Said on the terminal, before any window, in the chosen language.
        const QCoreApplication console(argc, argv);
        tavo::ui::useLanguage(
            languageOption.language.value_or(tavo::platform::languageFromEnvironment()));
        if (refused) {
            complain(tavo::platform::languageRefusal(languageOption));
            return 2;
        }
        if (help) {
            std::fputs(text(kUsage).toUtf8().constData(), stdout);
            return 0;
        }
        complain(text(QT_TRANSLATE_NOOP("TavoAudiometer",
                                        "Keine Anzeige gefunden (DISPLAY und WAYLAND_DISPLAY sind "
                                        "leer): das Programm braucht eine grafische Oberfläche.")));
        return 1;
    }
    QApplication app(argc, argv);
    tavo::ui::useLanguage(
        languageOption.language.value_or(tavo::platform::languageFromEnvironment()));
    tavo::ui::substituteLayoutFonts();
    tavo::ui::installProgramIcon();
    const bool simulate = parameters.removeAll(QStringLiteral("--simulate")) > 0;

    tavo::ui::ProgramOptions options;
    options.language = languageOption.language;
    const qsizetype listenerAt = parameters.indexOf(QStringLiteral("--listener"));
    if (listenerAt >= 0) {
        if (listenerAt + 1 >= parameters.size()) {
            complain(text(QT_TRANSLATE_NOOP("TavoAudiometer",
                                            "--listener braucht den Namen einer Hörerdatei.")));
            return 2;
        }
        if (!simulate) {
            complain(text(QT_TRANSLATE_NOOP(
                "TavoAudiometer",
                "--listener geht nur zusammen mit --simulate (simulierte Soundkarte).")));
            return 2;
        }
        QString error;
        options.listener = tavo::engine::loadListener(parameters.at(listenerAt + 1), error);
        if (!options.listener) {
            complain(error);
            return 1;
        }
        parameters.remove(listenerAt, 2);
        // The listener's demonstration calibration, unless a file was named.
        if (parameters.isEmpty() && !options.listener->calibration.isEmpty()) {
            parameters << options.listener->calibration;
        }
    }

    // One program at a time: a second start hands the file it names to the
    // running program and ends.
    tavo::platform::SingleInstance instance;
    QStringList handed;
    if (!parameters.isEmpty()) {
        const QString name =
            tavo::engine::commandLineFileName(tavo::engine::joinCommandLine(parameters));
        handed << QFileInfo(name).absoluteFilePath();
    }
    switch (instance.claim(handed)) {
    case tavo::platform::SingleInstance::Role::HandedOver:
        return 0;
    case tavo::platform::SingleInstance::Role::NoAnswer: {
        const QString notAnswering = text(
            QT_TRANSLATE_NOOP("TavoAudiometer", "Das Programm läuft schon, antwortet aber nicht. "
                                                "Beenden Sie es und starten Sie es neu."));
        complain(notAnswering);
        QMessageBox::warning(nullptr, QStringLiteral("Vorlandt Klarovent"), notAnswering);
        return 1;
    }
    case tavo::platform::SingleInstance::Role::First:
        break;
    }
    options.instance = &instance;
    options.archive = !simulate && !options.listener;

    auto messages = std::make_unique<tavo::ui::QtMessages>();
    auto platform = simulate ? tavo::platform::makeSimulatedSoundPlatform(std::move(messages))
                             : tavo::platform::makeRealPlatform(std::move(messages));
    tavo::engine::AppState state;
    return tavo::ui::runProgram(app, *platform, state, parameters, options);
}
