// Command-line joining, the two file-type tests and the version number.

#include "engine/StartupRules.h"

#include <gtest/gtest.h>

using namespace tavo::engine;

TEST(CommandLineFile, JoinsParametersEachFollowedByOneSpace) {
    EXPECT_EQ(joinCommandLine({}), QString());
    EXPECT_EQ(joinCommandLine({QStringLiteral("a.aud")}), QStringLiteral("a.aud "));
    // A path with spaces that arrived as several parameters.
    const QString joined =
        joinCommandLine({QStringLiteral("/home/Prüfer/Meine"), QStringLiteral("Tests/Herr"),
                         QStringLiteral("Meier.AUD")});
    EXPECT_EQ(joined, QStringLiteral("/home/Prüfer/Meine Tests/Herr Meier.AUD "));
    EXPECT_EQ(commandLineFileName(joined),
              QStringLiteral("/home/Prüfer/Meine Tests/Herr Meier.AUD"));
    EXPECT_EQ(commandLineFileName(QString()), QString());
}

TEST(CommandLineFile, TestFileExtensionIsComparedInAnyCase) {
    for (const char* name :
         {"x.aud ", "x.AUD ", "x.Aud ", "/tmp/a b.aUd ", "x.vkt ", "x.VKT ", "/t/y z.Vkt "}) {
        EXPECT_TRUE(namesTestFile(QString::fromLatin1(name))) << name;
    }
    for (const char* name : {"x.vkk ", "x.aud", "x.vkt", "x.audx ", "", " ", "aud ", ".au "}) {
        EXPECT_FALSE(namesTestFile(QString::fromLatin1(name))) << name;
    }
    EXPECT_TRUE(namesTestFile(QStringLiteral(".aud ")));
}

TEST(CommandLineFile, CalibrationFileExtensionIsComparedExactly) {
    EXPECT_TRUE(namesCalibrationFile(QStringLiteral("/cal/kopfhörer.vkk ")));
    EXPECT_FALSE(namesCalibrationFile(QStringLiteral("/cal/kopfhörer.VKK ")));
    EXPECT_FALSE(namesCalibrationFile(QStringLiteral("/cal/kopfhörer.Vkk ")));
    EXPECT_FALSE(namesCalibrationFile(QStringLiteral("vkk ")));
    EXPECT_FALSE(namesCalibrationFile(QString()));
}

TEST(WindowsVersion, MinorIsScaledBelowOne) {
    EXPECT_DOUBLE_EQ(GetWindowsVersion(OsVersionNumbers{5, 1}), 5.1);
    EXPECT_DOUBLE_EQ(GetWindowsVersion(OsVersionNumbers{6, 0}), 6.0);
    EXPECT_DOUBLE_EQ(GetWindowsVersion(OsVersionNumbers{6, 1}), 6.1);
    EXPECT_DOUBLE_EQ(GetWindowsVersion(OsVersionNumbers{10, 0}), 10.0);
    EXPECT_DOUBLE_EQ(GetWindowsVersion(OsVersionNumbers{6, 10}), 6.1); // 10 -> 1.0 -> 0.1
    EXPECT_DOUBLE_EQ(GetWindowsVersion(OsVersionNumbers{6, 25}), 6.25);
    EXPECT_DOUBLE_EQ(GetWindowsVersion(std::nullopt), 0.0);
    EXPECT_GE(GetWindowsVersion(OsVersionNumbers{6, 0}), 6.0);
    EXPECT_LT(GetWindowsVersion(OsVersionNumbers{5, 2}), 6.0);
}

TEST(RunStamp, DateAndTimeTexts) {
    EXPECT_EQ(formatTestDate(6, 12, 2026), QStringLiteral("06-12-2026"));
    EXPECT_EQ(formatTestDate(31, 1, 999), QStringLiteral("31-01-0999"));
    EXPECT_EQ(formatTestTime(9, 5), QStringLiteral("9h5"));
    EXPECT_EQ(formatTestTime(0, 0), QStringLiteral("0h0"));
    EXPECT_EQ(formatTestTime(23, 59), QStringLiteral("23h59"));
}
