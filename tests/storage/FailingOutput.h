// A file output that fails where a test asks: at a byte position (a write
// refused, or a short write) or at the final flush and rename. Up to the
// failure it writes through the real output, so what reaches the disk is
// what a real failure would leave.
#pragma once

#include "storage/FileOutput.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <memory>

namespace tavo::testsupport {

class FailingOutput final : public tavo::storage::FileOutput {
public:
    enum class Failure { Refused, Short, Commit };

    FailingOutput(Failure failure, qint64 position)
        : real_(tavo::storage::makeFileOutput()), failure_(failure), position_(position) {}

    bool open(const QString& target) override { return real_->open(target); }
    qint64 write(const char* data, qint64 size) override {
        if (failure_ != Failure::Commit && written_ + size > position_) {
            const qint64 allowed = position_ - written_;
            if (allowed > 0) {
                real_->write(data, allowed);
            }
            written_ += std::max<qint64>(allowed, 0);
            return failure_ == Failure::Refused ? -1 : std::max<qint64>(allowed, 0);
        }
        written_ += size;
        return real_->write(data, size);
    }
    bool commit() override {
        if (failure_ == Failure::Commit) {
            return false;
        }
        return real_->commit();
    }
    void cancel() override { real_->cancel(); }
    QString errorString() const override { return QStringLiteral("Datenträger voll"); }

private:
    std::unique_ptr<tavo::storage::FileOutput> real_;
    Failure failure_;
    qint64 position_;
    qint64 written_ = 0;
};

inline tavo::storage::FileOutputFactory failingAt(FailingOutput::Failure failure, qint64 position) {
    return [=] {
        return std::make_unique<FailingOutput>(failure, position);
    };
}

inline QByteArray contentsOf(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

} // namespace tavo::testsupport
