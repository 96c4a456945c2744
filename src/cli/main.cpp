// tavo: the console tool of the Vorlandt Klarovent audiometer.

#include "cli/Args.h"
#include "cli/Command.h"
#include "platform/FileNames.h"
#include "platform/Language.h"
#include "ui/ProgramLanguage.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// The windows of `simulate` and the drawing of `render` run on Qt's
// offscreen platform, which comments on every window operation it cannot
// do; the tool's output is its own lines.
void quietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        std::abort();
    }
}

std::vector<tavo::cli::Command> commands() {
    return {
        tavo::cli::toneCommand(),         tavo::cli::devicesCommand(),
        tavo::cli::playCommand(),         tavo::cli::mixerCommand(),
        tavo::cli::endpointCommand(),     tavo::cli::convertCommand(),
        tavo::cli::showCommand(),         tavo::cli::settingsCommand(),
        tavo::cli::renderCommand(),       tavo::cli::simulateCommand(),
        tavo::cli::calibrateSimCommand(), tavo::cli::accuracyCommand(),
        tavo::cli::archiveCommand(),      tavo::cli::reportCommand(),
    };
}

// The overview goes to stdout when asked for, to stderr when the command
// line was empty (a refused call).
void printOverview(bool refused) {
    const auto print = refused ? tavo::cli::err : tavo::cli::out;
    print(QCoreApplication::translate(
        "tavo", "tavo [--lang de|en|source] BEFEHL [OPTIONEN]   (tavo BEFEHL --help zeigt die "
                "Optionen)"));
    print(QString());
    for (const auto& command : commands()) {
        print(QStringLiteral("  %1  %2").arg(command.name, -13).arg(command.summary));
    }
}

} // namespace

int main(int argc, char* argv[]) {
    // Drawing needs fonts, hence a GUI application, and the simulated
    // calibration and the accuracy run use the program's own windows; neither
    // ever needs a display. `simulate` runs the test without any window, on
    // a plain core application.
    // File names keep every byte, UTF-8 or not. --lang may stand anywhere
    // before "--"; the command is the first word besides it.
    QStringList words = tavo::platform::argumentsFromNative(argc, argv);
    const tavo::platform::LanguageOption languageOption = tavo::platform::takeLanguageOption(words);
    const QString commandWord = words.value(0);
    const bool drawing =
        commandWord == QLatin1String("render") || commandWord == QLatin1String("report");
    const bool windows =
        commandWord == QLatin1String("calibrate-sim") || commandWord == QLatin1String("accuracy");
    if ((drawing || windows) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (drawing || windows) {
        qInstallMessageHandler(quietQt);
    }
    std::unique_ptr<QCoreApplication> app;
    if (windows) {
        app = std::make_unique<QApplication>(argc, argv);
    } else if (drawing) {
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    // The tool speaks what --lang or else the locale asks for (not the
    // program's setting: a script gets the same words on every station).
    tavo::ui::useLanguage(
        languageOption.language.value_or(tavo::platform::languageFromEnvironment()));
    if (languageOption.given && !languageOption.language) {
        tavo::cli::err(QStringLiteral("tavo: ") + tavo::platform::languageRefusal(languageOption));
        return 2;
    }
    if (words.isEmpty() || words.first() == QLatin1String("--help") ||
        words.first() == QLatin1String("-h") || words.first() == QLatin1String("help")) {
        printOverview(words.isEmpty());
        return words.isEmpty() ? 2 : 0;
    }
    for (const auto& command : commands()) {
        if (command.name != words.first()) {
            continue;
        }
        const QStringList rest = words.mid(1);
        if (rest.contains(QStringLiteral("--help")) || rest.contains(QStringLiteral("-h"))) {
            tavo::cli::out(command.usage);
            return 0;
        }
        try {
            const int status = command.run(rest);
            // Output that did not arrive (a full disk, a closed pipe) is a failure.
            if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
                tavo::cli::err(QCoreApplication::translate(
                                   "tavo", "tavo %1: die Ausgabe konnte nicht geschrieben werden.")
                                   .arg(command.name));
                return status == 0 ? 1 : status;
            }
            return status;
        } catch (const tavo::cli::UsageError& error) {
            // One line, so that a script's log shows the reason and the way on.
            QString message = QString::fromStdString(error.what());
            if (message.endsWith(QLatin1Char('.'))) {
                message.chop(1);
            }
            tavo::cli::err(
                QCoreApplication::translate("tavo", "tavo %1: %2 (Hilfe: tavo %1 --help)")
                    .arg(command.name, message));
            return 2;
        } catch (const tavo::cli::Failure& failure) {
            tavo::cli::err(QStringLiteral("tavo %1: %2").arg(command.name, failure.message));
            return 1;
        }
    }
    tavo::cli::err(
        QCoreApplication::translate("tavo", "tavo: unbekannter Befehl \"%1\". Hilfe: tavo --help")
            .arg(words.first()));
    return 2;
}
