#pragma once
// Command registry and argument parsing of lumena-data.
//
// Options may stand anywhere before "--"; "--" ends them, so a value such as
// -1 can be given as an argument. An option that takes a value reads the next
// word, or the part after "=".

#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>
#include <set>

namespace lumena::tool {

struct Args {
    QStringList positional;
    QMap<QString, QString> options; // "--keta" -> "4"; flags map to ""
    bool has(const QString& name) const { return options.contains(name); }
    QString value(const QString& name, const QString& fallback = {}) const
    {
        return options.value(name, fallback);
    }
    // Integer option; false with `error` set when it is not a number.
    bool intValue(const QString& name, int& out, QString& error) const;
};

// Splits argv words. `valued` names the options that take a value; any other
// word starting with "--" is a flag; an unknown option is an error.
bool parseArgs(const QStringList& words, const std::set<QString>& valued,
               const std::set<QString>& flags, Args& out, QString& error);

struct Command {
    QStringList path; // e.g. {"route", "dump"}
    QString usage;    // e.g. "route dump FILE.hy3"
    std::set<QString> valued;
    std::set<QString> flags;
    std::function<int(const Args&)> run; // exit code
};

// Registers a command; call from a static object in a cmd_*.cpp file.
struct Register {
    explicit Register(Command c);
};

const std::vector<Command>& commands();

// `text` as a JSON string literal (UTF-8, quotes, backslashes and control
// characters escaped).
QByteArray jsonString(const QString& text);

// `run`, called only with `n` positional arguments; otherwise the usage line
// on stderr and exit code 2.
std::function<int(const Args&)> withArgs(qsizetype n, const QString& usage,
                                         int (*run)(const Args&));

// Prints "lumena-data: <file>: <problem>" on stderr and returns 1.
int fail(const QString& file, const QString& problem);

// Reads an input file: only a regular file of at most `maxBytes` bytes, whole
// (refused from its size before it is read), or with `prefixOnly` only its
// first `maxBytes` bytes. False with `problem` set otherwise.
bool readInput(const QString& path, qint64 maxBytes, QByteArray& out, QString& problem,
               bool prefixOnly = false);

// Writes `data` to `path` through a temporary file that replaces the target
// only when complete; false with `error` set otherwise.
bool writeFileAtomically(const QString& path, const QByteArray& data, QString& error);

} // namespace lumena::tool
