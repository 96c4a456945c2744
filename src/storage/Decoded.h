#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace tavo::storage {

// What a reader made of a file's bytes: the contents, or the message that
// tells the user why the file was refused.
template <typename T> struct Decoded {
    std::optional<T> value;
    QString error;

    static Decoded success(T contents) { return Decoded{std::move(contents), QString()}; }
    static Decoded failure(QString message) { return Decoded{std::nullopt, std::move(message)}; }
    explicit operator bool() const { return value.has_value(); }
};

} // namespace tavo::storage
