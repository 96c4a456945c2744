// One program at a time: a later start hands its command line to the one
// that runs and ends; a lock and a socket left by a program that crashed do
// not stand in the way; and the real program does it too (a second start
// with a test file ends at once, handing the file over).

#include "platform/qt/SingleInstance.h"
#include "platform/regfile/RegFileSettingsStore.h"
#include "storage/Registry.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <future>
#include <sys/wait.h>
#include <unistd.h>

using namespace tavo;
using Role = platform::SingleInstance::Role;

namespace {

// The user's runtime folder, a fresh one for each test.
struct RuntimeFolder {
    RuntimeFolder() : before(qgetenv("XDG_RUNTIME_DIR")) {
        qputenv("XDG_RUNTIME_DIR", folder.path().toUtf8());
    }
    ~RuntimeFolder() { qputenv("XDG_RUNTIME_DIR", before); }
    QTemporaryDir folder;
    QByteArray before;
};

// A later start on a thread of its own, while the first keeps its event loop.
Role laterStart(const QStringList& words) {
    auto later = std::async(std::launch::async, [words] {
        platform::SingleInstance second(QStringLiteral("tavo-test"));
        return second.claim(words, 5000);
    });
    while (later.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
        QCoreApplication::processEvents();
    }
    return later.get();
}

} // namespace

TEST(SingleInstance, ALaterStartHandsItsCommandLineOverAndEnds) {
    RuntimeFolder runtime;
    platform::SingleInstance first(QStringLiteral("tavo-test"));
    ASSERT_EQ(first.claim({}), Role::First);
    QSignalSpy received(&first, &platform::SingleInstance::commandLine);
    EXPECT_EQ(laterStart({QStringLiteral("/home/erika/Erika Muster.aud")}), Role::HandedOver);
    QTRY_COMPARE(received.size(), 1);
    EXPECT_EQ(received.at(0).at(0).toStringList(),
              QStringList{QStringLiteral("/home/erika/Erika Muster.aud")});
    // A start without a file is handed over too (it brings the window up).
    EXPECT_EQ(laterStart({}), Role::HandedOver);
    QTRY_COMPARE(received.size(), 2);
    EXPECT_TRUE(received.at(1).at(0).toStringList().isEmpty());
}

TEST(SingleInstance, WhatACrashedProgramLeftDoesNotBlockTheNextStart) {
    RuntimeFolder runtime;
    platform::SingleInstance probe(QStringLiteral("tavo-test"));
    // A program that took the lock, listened, and died without cleaning up.
    const pid_t crashed = fork();
    ASSERT_GE(crashed, 0);
    if (crashed == 0) {
        QLockFile lock(probe.lockPath());
        QLocalServer server;
        _exit(lock.tryLock(0) && server.listen(probe.socketPath()) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(crashed, &status, 0), crashed);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(QFile::exists(probe.lockPath()));
    ASSERT_TRUE(QFile::exists(probe.socketPath()));

    platform::SingleInstance next(QStringLiteral("tavo-test"));
    ASSERT_EQ(next.claim({}), Role::First);
    QSignalSpy received(&next, &platform::SingleInstance::commandLine);
    EXPECT_EQ(laterStart({QStringLiteral("/x.vkk")}), Role::HandedOver);
    QTRY_COMPARE(received.size(), 1);
}

TEST(SingleInstance, TheProgramsSecondStartEndsAtOnceHandingItsFileOver) {
    RuntimeFolder runtime;
    QTemporaryDir folder;
    const QString settings = folder.filePath(QStringLiteral("settings.reg"));
    platform::RegFileSettingsStore store(settings);
    ASSERT_TRUE(storage::seedSettingsStore(store, nullptr));
    store.openKey(false);
    store.writeInteger(QStringLiteral("FirstRun"), 0);
    store.closeKey();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TAVO_SETTINGS"), settings);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString program =
        qEnvironmentVariable("TAVO_BUILD_DIR") + QStringLiteral("/src/ui/TavoAudiometer");

    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(program, {QStringLiteral("--simulate")});
    ASSERT_TRUE(first.waitForStarted(5000));
    platform::SingleInstance probe;
    QElapsedTimer waited;
    waited.start();
    while (!QFile::exists(probe.socketPath()) && waited.elapsed() < 30000) {
        QTest::qWait(100);
    }
    ASSERT_TRUE(QFile::exists(probe.socketPath())) << "the first program does not listen";

    QProcess second;
    second.setProcessEnvironment(environment);
    QElapsedTimer took;
    took.start();
    second.start(program, {folder.filePath(QStringLiteral("Erika Muster.aud"))});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    EXPECT_LT(took.elapsed(), 5000);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.kill();
    first.waitForFinished(5000);
    // The first ended without a word: the next start is the program again.
    platform::SingleInstance next;
    EXPECT_EQ(next.claim({}, 500), Role::First);
}
