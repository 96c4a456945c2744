// Writes tests into an archive as a station would, for the test of two
// programs writing at once: archive_writer (FILE.sqlite | postgres) PREFIX N.

#include "archive/Archive.h"
#include "storage/TestFile.h"

#include <QCoreApplication>

#include <cstdio>

using namespace tavo;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "archive_writer (FILE.sqlite | postgres) PREFIX N\n");
        return 2;
    }
    archive::ArchiveLocation location;
    if (QString::fromLocal8Bit(argv[1]) == QLatin1String("postgres")) {
        location.kind = archive::ArchiveLocation::Kind::Postgres;
        location.host = qEnvironmentVariable("TAVO_PG_HOST");
        location.port = qEnvironmentVariableIntValue("TAVO_PG_PORT");
        location.user = qEnvironmentVariable("TAVO_PG_USER");
        location.database = qEnvironmentVariable("TAVO_PG_DATABASE");
    } else {
        location.path = QString::fromLocal8Bit(argv[1]);
    }
    auto opened = archive::Archive::open(location);
    if (!opened) {
        std::fprintf(stderr, "%s\n", qPrintable(opened.error()));
        return 1;
    }
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    const int count = QString::fromLocal8Bit(argv[3]).toInt();
    for (int i = 0; i < count; ++i) {
        archive::ArchiveEntry entry;
        entry.entryKey = prefix + QString::number(i);
        engine::clearResult(entry.record.Test1Result);
        engine::clearResult(entry.record.Test2Result);
        // Both programs write the same twenty persons.
        entry.record.data.person = QStringLiteral("Person %1").arg(i % 20);
        entry.record.data.location = prefix;
        entry.record.Test1Result.Thresholds[0][4] = i % 50;
        entry.fileBytes = storage::encodeTestFile(entry.record);
        entry.state = archive::TestState::Completed;
        if (const auto stored = (*opened)->store(entry); !stored) {
            std::fprintf(stderr, "%s\n", qPrintable(stored.error()));
            return 1;
        }
    }
    return 0;
}
