#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <stdexcept>

namespace tavo::cli {

// A refused command line: the message goes to stderr, the exit code is 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The options of one subcommand: "--name value", "--name=value" and
// "--flag", plus positional words. Every option must be declared; anything
// else is a usage error.
class Args {
public:
    // `valued` are options that take a value, `flags` options that do not.
    Args(const QStringList& words, const QStringList& valued, const QStringList& flags);

    bool has(const QString& name) const { return values_.count(name) != 0; }
    bool flag(const QString& name) const { return has(name); }
    const QStringList& positional() const { return positional_; }

    QString text(const QString& name) const; // required
    std::optional<QString> optionalText(const QString& name) const;
    int integer(const QString& name, int minimum, int maximum) const; // required
    std::optional<int> optionalInteger(const QString& name, int minimum, int maximum) const;
    double number(const QString& name, double minimum, double maximum) const; // required

private:
    std::map<QString, QString> values_;
    QStringList positional_;
};

// Parses a whole number or a decimal number (with a full stop) strictly.
std::optional<int> parseInteger(const QString& text);
std::optional<double> parseNumber(const QString& text);

} // namespace tavo::cli
