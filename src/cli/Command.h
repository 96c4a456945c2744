#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace tavo::cli {

// A failure of a command that was called correctly (a missing, unreadable or
// damaged input, an output that cannot be written): main() writes the
// message as one line on stderr and ends with exit code 1.
struct Failure {
    QString message;
};

// One subcommand of `tavo`.
struct Command {
    QString name;
    QString summary; // one line for `tavo --help`
    QString usage;   // the full text of `tavo NAME --help`
    // Runs with the words after the subcommand's name; returns the exit code
    // (0 success, 1 failure: throw Failure, 2 refused arguments: throw
    // UsageError).
    std::function<int(const QStringList& words)> run;
};

Command toneCommand();
Command devicesCommand();
Command playCommand();
Command mixerCommand();
Command endpointCommand();
Command convertCommand();
Command showCommand();
Command settingsCommand();
Command renderCommand();
Command simulateCommand();
Command calibrateSimCommand();
Command accuracyCommand();
Command archiveCommand();
Command reportCommand();

// Output helpers: UTF-8 lines on stdout and stderr.
void out(const QString& line);
void err(const QString& line);

} // namespace tavo::cli
