#include "settings/ViewSettings.h"

#include "board/BoardScale.h"
#include "reslib/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace lumena {

namespace {

constexpr QByteArrayView BoardScaleName = "BoardScale";

// A value of at most four decimal digits and nothing else, or -1.
int smallNumber(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > 4)
        return -1;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

} // namespace

QByteArray encodeViewSettings(const ViewSettings& view)
{
    return "; Lumena: the board's display scale (1 to 4)\n" + BoardScaleName.toByteArray() + '=' +
           QByteArray::number(clampBoardScale(view.boardScale)) + '\n';
}

ViewSettings decodeViewSettings(QByteArrayView bytes)
{
    ViewSettings view;
    if (bytes.size() > ViewFileMaximumSize)
        return view;
    for (QByteArrayView line : QByteArray::fromRawData(bytes.data(), bytes.size()).split('\n')) {
        line = line.trimmed(); // also the "\r" of a line ended by "\r\n"
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#') || line.startsWith('['))
            continue;
        const qsizetype eq = line.indexOf('=');
        if (eq < 0 || line.first(eq).trimmed() != BoardScaleName)
            continue;
        const int scale = smallNumber(line.sliced(eq + 1).trimmed());
        if (scale >= MinBoardScale && scale <= MaxBoardScale)
            view.boardScale = scale;
    }
    return view;
}

QString viewFilePath(const QString& iniPath)
{
    const QFileInfo ini(iniPath);
    return QDir(ini.path()).filePath(ini.completeBaseName() + QStringLiteral("-view.ini"));
}

ViewSettings LoadViewSettings(const IniLocation& where)
{
    const QString ini = where.readPath();
    const QString path = viewFilePath(ini.isEmpty() ? where.writePath() : ini);
    // Only a regular file: a FIFO or a device would block or never end.
    if (!QFileInfo(path).isFile())
        return {};
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.read(ViewFileMaximumSize + 1);
    return f.error() == QFileDevice::NoError ? decodeViewSettings(bytes) : ViewSettings{};
}

bool SaveViewSettings(const IniLocation& where, const ViewSettings& view)
{
    const QString path = viewFilePath(where.writePath());
    Error error;
    return QDir().mkpath(QFileInfo(path).absolutePath()) &&
           writeFileWhole(path, encodeViewSettings(view), error);
}

} // namespace lumena
