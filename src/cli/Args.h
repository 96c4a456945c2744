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
    explicit UsageError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// The options of one subcommand: "--name value", "--name=value" and
// "--flag", plus positional words. Every option must be declared and given
// at most once; anything else is a usage error.
class Args {
public:
    // `valued` are options that take a value, `flags` options that do not.
    Args(const QStringList& words, const QStringList& valued, const QStringList& flags);

    bool has(const QString& name) const { return values_.count(name) != 0; }
    bool flag(const QString& name) const { return has(name); }
    const QStringList& positional() const { return positional_; }

    // Refuses the command line when any of `names` is missing, naming all
    // missing ones at once.
    void require(const QStringList& names) const;

    QString text(const QString& name) const; // required
    std::optional<QString> optionalText(const QString& name) const;
    int integer(const QString& name, int minimum, int maximum) const; // required
    std::optional<int> optionalInteger(const QString& name, int minimum, int maximum) const;
    double number(const QString& name, double minimum, double maximum) const; // required

private:
    std::map<QString, QString> values_;
    QStringList positional_;
};

// An option that takes "on" or "off"; `fallback` when it is not given.
bool onOffOption(const Args& args, const QString& name, bool fallback);

// Parses a whole number or a decimal number strictly; the decimal mark may
// be a full stop or a comma ("0.5", "0,5").
std::optional<int> parseInteger(const QString& text);
std::optional<double> parseNumber(const QString& text);

// Refuses an output file name whose suffix (any case) is none of
// `suffixes` (given without the dot, lower case), naming the known ones.
void requireSuffix(const QString& option, const QString& fileName, const QStringList& suffixes);

} // namespace tavo::cli
