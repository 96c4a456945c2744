#include "platform/FileNames.h"

#include "platform/SystemErrors.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavo::platform {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// The length of the valid UTF-8 sequence starting at `at`, or 0.
int utf8Sequence(const QByteArray& bytes, qsizetype at) {
    const auto byte = [&](qsizetype i) {
        return static_cast<unsigned char>(bytes.at(i));
    };
    const unsigned char first = byte(at);
    int length = 0;
    std::uint32_t code = 0;
    if (first < 0x80) {
        return 1;
    } else if ((first & 0xE0) == 0xC0) {
        length = 2;
        code = first & 0x1F;
    } else if ((first & 0xF0) == 0xE0) {
        length = 3;
        code = first & 0x0F;
    } else if ((first & 0xF8) == 0xF0) {
        length = 4;
        code = first & 0x07;
    } else {
        return 0;
    }
    if (at + length > bytes.size()) {
        return 0;
    }
    for (int i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    // Overlong forms, surrogates and code points beyond Unicode are not
    // valid UTF-8 either.
    static constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0;
    }
    return length;
}

} // namespace

QString fileNameFromNative(const QByteArray& name) {
    QString result;
    result.reserve(name.size());
    for (qsizetype at = 0; at < name.size();) {
        const int length = utf8Sequence(name, at);
        if (length == 0) {
            result +=
                QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(name.at(at))));
            ++at;
            continue;
        }
        result += QString::fromUtf8(name.constData() + at, length);
        at += length;
    }
    return result;
}

QByteArray nativeFileName(const QString& name) {
    QByteArray result;
    result.reserve(name.size());
    qsizetype start = 0;
    const auto flush = [&](qsizetype end) {
        if (end > start) {
            result += QStringView(name).mid(start, end - start).toUtf8();
        }
    };
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name.at(i).unicode();
        const bool escaped = unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF &&
                             !(i > 0 && name.at(i - 1).isHighSurrogate());
        if (escaped) {
            flush(i);
            result += static_cast<char>(unit - kEscapeBase);
            start = i + 1;
        }
    }
    flush(name.size());
    return result;
}

QStringList argumentsFromNative(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << fileNameFromNative(QByteArray(argv[i]));
    }
    return arguments;
}

bool openFile(const QString& name, QIODevice::OpenMode mode, QFile& file, QString* error) {
    int flags = O_CLOEXEC;
    if ((mode & QIODevice::ReadWrite) == QIODevice::ReadWrite) {
        flags |= O_RDWR;
    } else if ((mode & QIODevice::WriteOnly) != 0) {
        flags |= O_WRONLY | O_CREAT | O_TRUNC;
    } else {
        flags |= O_RDONLY;
    }
    const QByteArray native = nativeFileName(name);
    int fd = -1;
    do {
        fd = ::open(native.constData(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        if (error != nullptr) {
            *error = systemErrorText(errno);
        }
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        if (error != nullptr) {
            *error = systemErrorText(EISDIR);
        }
        return false;
    }
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        if (error != nullptr) {
            *error =
                QCoreApplication::translate("FileNames", "Die Datei kann nicht geöffnet werden.");
        }
        return false;
    }
    return true;
}

bool isFile(const QString& name) {
    struct stat info {};
    return ::stat(nativeFileName(name).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

bool removeFile(const QString& name) {
    return ::unlink(nativeFileName(name).constData()) == 0;
}

} // namespace tavo::platform
