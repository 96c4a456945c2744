#pragma once

#include <QString>

#include <cassert>
#include <utility>
#include <variant>

namespace tavo {

// What an operation gives back: a value, or the message that says why there
// is none (ready to be shown as it is). The program's logic uses this
// one type for "result or message"; `Result<void>` is success or a message.
//
//     Result<TestParameters> read = readTestParameters(settings);
//     if (!read) { messages.show(read.error()); return; }
//     use(*read);
template <typename T> class [[nodiscard]] Result {
public:
    Result(T value) : content_(std::in_place_index<0>, std::move(value)) {}
    static Result failure(QString message) {
        return Result(std::in_place_index<1>, std::move(message));
    }

    bool ok() const { return content_.index() == 0; }
    explicit operator bool() const { return ok(); }

    const T& value() const& {
        assert(ok());
        return std::get<0>(content_);
    }
    T& value() & {
        assert(ok());
        return std::get<0>(content_);
    }
    T&& value() && {
        assert(ok());
        return std::get<0>(std::move(content_));
    }
    const T& operator*() const& { return value(); }
    T& operator*() & { return value(); }
    const T* operator->() const { return &value(); }
    T* operator->() { return &value(); }

    // The message; empty on success.
    QString error() const { return ok() ? QString() : std::get<1>(content_); }

private:
    template <std::size_t I, typename V>
    Result(std::in_place_index_t<I> index, V&& content)
        : content_(index, std::forward<V>(content)) {}

    std::variant<T, QString> content_;
};

template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    static Result failure(QString message) {
        Result result;
        result.failed_ = true;
        result.message_ = std::move(message);
        return result;
    }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    QString error() const { return message_; }

private:
    bool failed_ = false;
    QString message_;
};

} // namespace tavo
