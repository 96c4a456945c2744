#include "cli/InputFiles.h"

#include "cli/Command.h"
#include "platform/regfile/RegFile.h"
#include "storage/FileOutput.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace tavo::cli {

namespace {

QString kindText(FileKind kind) {
    return kind == FileKind::Test ? QCoreApplication::translate("InputFiles", "Testdatei")
                                  : QCoreApplication::translate("InputFiles", "Kalibrierungsdatei");
}

// Whether the bytes are a good file of `kind`.
bool decodes(QByteArrayView bytes, FileKind kind) {
    return kind == FileKind::Test ? storage::decodeTestFile(bytes).value.has_value()
                                  : storage::decodeCalibrationFile(bytes).value.has_value();
}

} // namespace

FileKind kindByName(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("vkt") || suffix == QLatin1String("aud")) {
        return FileKind::Test;
    }
    if (suffix == QLatin1String("vkk")) {
        return FileKind::Calibration;
    }
    return FileKind::Unknown;
}

FileKind kindBySignature(QByteArrayView bytes) {
    if (storage::startsLikeTestFile(bytes)) {
        return FileKind::Test;
    }
    return storage::startsLikeCalibrationFile(bytes) ? FileKind::Calibration : FileKind::Unknown;
}

QByteArray readInput(const QString& fileName, qsizetype maxBytes) {
    auto bytes = storage::readFileHead(fileName, maxBytes);
    if (!bytes) {
        throw Failure{bytes.error};
    }
    return std::move(*bytes.value);
}

QString damagedMessage(const QString& fileName, QByteArrayView bytes, FileKind expected,
                       const QString& reason) {
    const FileKind signature = kindBySignature(bytes);
    if (signature != FileKind::Unknown && signature != expected && expected != FileKind::Unknown &&
        decodes(bytes, signature)) {
        return QCoreApplication::translate("InputFiles", "%1 ist eine %2, keine %3")
            .arg(fileName, kindText(signature), kindText(expected));
    }
    const FileKind kind = signature != FileKind::Unknown ? signature : expected;
    if (kind == FileKind::Unknown) {
        return QCoreApplication::translate("InputFiles",
                                           "%1: weder eine Testdatei noch eine Kalibrierungsdatei")
            .arg(fileName);
    }
    // The readers' general texts say no more than this line; a particular
    // one (a mark that is no boolean) tells where the file is damaged.
    const bool particular = kind == expected && !reason.isEmpty() &&
                            reason != storage::testFileFormatMessage() &&
                            reason != storage::calibrationFormatMessage();
    return particular ? QCoreApplication::translate("InputFiles", "%1: keine gültige %2 (%3)")
                            .arg(fileName, kindText(kind), reason)
                      : QCoreApplication::translate("InputFiles", "%1: keine gültige %2")
                            .arg(fileName, kindText(kind));
}

storage::TestFileContents readTestFile(const QString& fileName) {
    const QByteArray bytes = readInput(fileName, storage::kMaxTestFileSize);
    auto decoded = storage::decodeTestFile(bytes);
    if (!decoded) {
        throw Failure{damagedMessage(fileName, bytes, FileKind::Test, decoded.error)};
    }
    return std::move(*decoded.value);
}

engine::TestRecord readTestRecordFile(const QString& fileName) {
    return storage::recordFrom(readTestFile(fileName));
}

storage::CalibrationFileContents readCalibrationFile(const QString& fileName) {
    const QByteArray bytes = readInput(fileName, storage::kMaxCalibrationFileSize);
    auto decoded = storage::decodeCalibrationFile(bytes);
    if (!decoded) {
        throw Failure{damagedMessage(fileName, bytes, FileKind::Calibration, decoded.error)};
    }
    return std::move(*decoded.value);
}

void checkSettingsFile(const QString& path) {
    // One byte more than the reader takes, so that a larger file is told
    // apart from a damaged one.
    const QByteArray bytes = readInput(path, platform::regfile::kMaxFileSize + 1);
    if (bytes.isEmpty()) {
        throw Failure{
            QCoreApplication::translate("InputFiles", "%1 ist leer, keine Einstellungsdatei")
                .arg(path)};
    }
    if (bytes.size() > platform::regfile::kMaxFileSize) {
        throw Failure{QCoreApplication::translate(
                          "InputFiles", "%1 ist zu groß für eine Einstellungsdatei (über %2 Bytes)")
                          .arg(path)
                          .arg(platform::regfile::kMaxFileSize)};
    }
    if (platform::regfile::parse(bytes)) {
        return;
    }
    // Only the wording depends on the header: a file that starts like a
    // settings file is a damaged one, anything else is no settings file.
    QString start = bytes.startsWith("\xFF\xFE")
                        ? QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()),
                                             std::min<qsizetype>(bytes.size() / 2, 64))
                        : QString::fromUtf8(bytes.left(64));
    if (start.startsWith(QChar(0xFEFF))) {
        start.remove(0, 1);
    }
    if (start.startsWith(QLatin1String("REGEDIT4")) ||
        start.startsWith(QLatin1String("Windows Registry Editor"))) {
        throw Failure{QCoreApplication::translate(
                          "InputFiles", "%1 ist keine gültige Einstellungsdatei (das Programm kann "
                                        "sie nicht lesen)")
                          .arg(path)};
    }
    throw Failure{
        QCoreApplication::translate(
            "InputFiles", "%1 ist keine Einstellungsdatei (sie beginnt nicht mit \"REGEDIT4\")")
            .arg(path)};
}

} // namespace tavo::cli
