#include "tools/lumena-data/Command.h"

#include "reslib/InputFile.h"
#include "reslib/WholeFile.h"

#include <cstdio>
#include <vector>

namespace lumena::tool {

namespace {
std::vector<Command>& registry()
{
    static std::vector<Command> r;
    return r;
}
} // namespace

Register::Register(Command c)
{
    registry().push_back(std::move(c));
}

const std::vector<Command>& commands()
{
    return registry();
}

bool Args::intValue(const QString& name, int& out, QString& error) const
{
    if (!options.contains(name))
        return true;
    bool ok = false;
    const int v = options.value(name).toInt(&ok);
    if (!ok) {
        error =
            QStringLiteral("option %1 needs a number, not \"%2\"").arg(name, options.value(name));
        return false;
    }
    out = v;
    return true;
}

bool parseArgs(const QStringList& words, const std::set<QString>& valued,
               const std::set<QString>& flags, Args& out, QString& error)
{
    bool optionsEnded = false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& w = words[i];
        if (optionsEnded || !w.startsWith(QStringLiteral("--"))) {
            out.positional << w;
            continue;
        }
        if (w == QStringLiteral("--")) {
            optionsEnded = true;
            continue;
        }
        QString name = w;
        QString value;
        bool inlineValue = false;
        if (const qsizetype eq = w.indexOf(u'='); eq > 0) {
            name = w.left(eq);
            value = w.mid(eq + 1);
            inlineValue = true;
        }
        if (valued.count(name)) {
            if (!inlineValue) {
                if (i + 1 >= words.size()) {
                    error = QStringLiteral("option %1 needs a value").arg(name);
                    return false;
                }
                value = words[++i];
            }
            out.options.insert(name, value);
        } else if (flags.count(name) && !inlineValue) {
            out.options.insert(name, QString());
        } else {
            error = QStringLiteral("unknown option %1").arg(name);
            return false;
        }
    }
    return true;
}

// JSON string literal of `text` in UTF-8, control characters escaped.
QByteArray jsonString(const QString& text)
{
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            out += QByteArray("\\u00") + QByteArray::number(u, 16).rightJustified(2, '0');
        } else {
            out += c;
        }
    }
    return out + '"';
}

int fail(const QString& file, const QString& problem)
{
    if (file.isEmpty())
        std::fprintf(stderr, "lumena-data: %s\n", problem.toUtf8().constData());
    else
        std::fprintf(stderr, "lumena-data: %s: %s\n", file.toUtf8().constData(),
                     problem.toUtf8().constData());
    return 1;
}

bool readInput(const QString& path, qint64 maxBytes, QByteArray& out, QString& problem,
               bool prefixOnly)
{
    switch (readInputFile(path, maxBytes, out, prefixOnly ? Beyond::Ignore : Beyond::Refuse)) {
    case InputCheck::Ok:
        return true;
    case InputCheck::Missing:
        problem = QStringLiteral("cannot open: no such file");
        break;
    case InputCheck::NotAFile:
        problem = QStringLiteral("cannot open: not a regular file");
        break;
    case InputCheck::TooLarge:
        problem = QStringLiteral("larger than %1 bytes: refused").arg(maxBytes);
        break;
    case InputCheck::Unreadable:
        problem = QStringLiteral("cannot read the file");
        break;
    }
    return false;
}

bool writeFileAtomically(const QString& path, const QByteArray& data, QString& error)
{
    Error e;
    if (writeFileWhole(path, data, e))
        return true;
    error = e.description;
    return false;
}

std::function<int(const Args&)> withArgs(qsizetype n, const QString& usage, int (*run)(const Args&))
{
    return [n, usage, run](const Args& a) {
        if (a.positional.size() != n) {
            std::fprintf(stderr, "usage: lumena-data %s\n", usage.toUtf8().constData());
            return 2;
        }
        return run(a);
    };
}

} // namespace lumena::tool
