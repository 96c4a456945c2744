#include "storage/FileOutput.h"

#include "platform/AtomicFile.h"
#include "platform/FileNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>

namespace tavo::storage {

namespace {

// Pieces are small enough that a failure part-way through a file is a
// real case, not only a failure of the one big write.
constexpr qint64 kPieceSize = 1024;

// The real output: a new file beside the target, written unbuffered,
// synced and size-checked before it replaces the target.
class AtomicFileOutput final : public FileOutput {
public:
    bool open(const QString& target) override { return file_.open(target); }
    qint64 write(const char* data, qint64 size) override { return file_.write(data, size); }
    bool commit() override { return file_.commit(); }
    void cancel() override { file_.cancel(); }
    QString errorString() const override { return file_.errorString(); }

private:
    platform::AtomicFile file_;
};

QString shown(const QString& fileName) {
    return QDir::toNativeSeparators(fileName);
}

} // namespace

std::unique_ptr<FileOutput> makeFileOutput() {
    return std::make_unique<AtomicFileOutput>();
}

QString saveBytes(const QString& target, const QByteArray& bytes, FileOutput& output) {
    if (!output.open(target)) {
        return QCoreApplication::translate("FileOutput",
                                           "Die Datei „%1“ kann nicht angelegt werden: %2")
            .arg(shown(target), output.errorString());
    }
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 piece = std::min(kPieceSize, bytes.size() - done);
        const qint64 written = output.write(bytes.constData() + done, piece);
        if (written != piece) {
            const QString reason =
                written < 0
                    ? output.errorString()
                    : QCoreApplication::translate("FileOutput", "nur %1 von %2 Bytes geschrieben")
                          .arg(done + std::max<qint64>(written, 0))
                          .arg(bytes.size());
            output.cancel();
            return QCoreApplication::translate(
                       "FileOutput",
                       "Die Datei „%1“ konnte nicht vollständig geschrieben werden: %2")
                .arg(shown(target), reason);
        }
        done += piece;
    }
    if (!output.commit()) {
        const QString reason = output.errorString();
        output.cancel();
        return QCoreApplication::translate("FileOutput",
                                           "Die Datei „%1“ konnte nicht gespeichert werden: %2")
            .arg(shown(target), reason);
    }
    return {};
}

QString saveBytes(const QString& target, const QByteArray& bytes,
                  const FileOutputFactory& makeOutput) {
    const auto output = makeOutput ? makeOutput() : makeFileOutput();
    return saveBytes(target, bytes, *output);
}

Decoded<QByteArray> readFileHead(const QString& fileName, qsizetype maxBytes) {
    QFile file;
    QString reason;
    if (!platform::openFile(fileName, QIODevice::ReadOnly, file, &reason)) {
        return Decoded<QByteArray>::failure(
            QCoreApplication::translate("FileOutput",
                                        "Die Datei „%1“ kann nicht geöffnet werden: %2")
                .arg(shown(fileName), reason));
    }
    QByteArray bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError) {
        return Decoded<QByteArray>::failure(
            QCoreApplication::translate("FileOutput", "Die Datei „%1“ kann nicht gelesen werden.")
                .arg(shown(fileName)));
    }
    return Decoded<QByteArray>::success(std::move(bytes));
}

} // namespace tavo::storage
