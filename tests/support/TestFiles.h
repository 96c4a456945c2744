#pragma once

#include "storage/FileJson.h"
#include "storage/TestFile.h"

#include <QFile>
#include <QTemporaryDir>

namespace tavo::testsupport {

// The realistic two-run test of the test data (tests/data), written as a
// test file of the given name; empty when it could not be written.
inline QString writeRealisticTest(const QTemporaryDir& folder,
                                  const QString& name = QStringLiteral("brandt.aud")) {
    QFile json(qEnvironmentVariable("TAVO_SOURCE_DIR") +
               QStringLiteral("/tests/data/two_runs_noise_notch.json"));
    if (!json.open(QIODevice::ReadOnly)) {
        return {};
    }
    const auto object = storage::parseJsonObject(json.readAll());
    const auto contents = storage::testFileFromJson(*object.value);
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!contents || !file.open(QIODevice::WriteOnly)) {
        return {};
    }
    file.write(storage::encodeTestFile(*contents.value));
    return path;
}

} // namespace tavo::testsupport
