// lumena-data settings dump FILE.in4: the settings file as JSON, one key per
// item in file order, so two files can be compared with a text diff.

#include "settings/IniCodec.h"
#include "settings/IniFields.h"
#include "tools/lumena-data/Command.h"

#include <cstdio>

namespace lumena::tool {

namespace {

class JsonDump {
public:
    QByteArray out = "{\n";

    void item(const char* name, const QString& v) { field(name, jsonString(v)); }
    void item(const char* name, const qint16& v) { field(name, QByteArray::number(v)); }
    void item(const char* name, const qint32& v) { field(name, QByteArray::number(v)); }
    void item(const char* name, const quint32& v) { field(name, QByteArray::number(v)); }
    void custColors(const CustColors& colors)
    {
        QByteArrayList list;
        for (quint32 c : colors)
            list << QByteArray::number(c);
        field("CustColors", '[' + list.join(", ") + ']');
    }
    void cellCount(const qint16&) {} // not a field of the record
    void cells(const ini::DegitCells& cells)
    {
        QByteArrayList list;
        for (const ini::DegitCellInfo& c : cells)
            list << "[" + QByteArray::number(c.Shift) + ", " + QByteArray::number(c.ZeroMode) +
                        ", " + QByteArray::number(c.FillZero) + "]";
        field("DegitCells", "[\n    " + list.join(",\n    ") + "\n  ]");
    }
    QByteArray finish() { return out + "\n}\n"; }

private:
    void field(const char* name, const QByteArray& value)
    {
        if (m_count++)
            out += ",\n";
        out += "  \"" + QByteArray(name) + "\": " + value;
    }
    int m_count = 0;
};

int dump(const Args& args)
{
    if (args.positional.size() != 1)
        return fail(QString(), QStringLiteral("usage: lumena-data settings dump FILE.in4"));
    const QString path = args.positional.first();
    QByteArray bytes;
    QString problem;
    if (!readInput(path, IniMaximumUsefulSize, bytes, problem, true))
        return fail(path, problem);
    IniData data;
    Error error;
    if (!decodeIni(bytes, data, error))
        return fail(path,
                    QStringLiteral("not a complete settings file: %1").arg(error.description));
    JsonDump json;
    visitIniFields(data, json);
    const QByteArray text = json.finish();
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
    return 0;
}

const Register settingsDump{Command{
    {QStringLiteral("settings"), QStringLiteral("dump")},
    QStringLiteral("settings dump FILE.in4"),
    {},
    {},
    dump,
}};

} // namespace

} // namespace lumena::tool
