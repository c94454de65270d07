#include "settings/SettingsFile.h"

#include "reslib/InputFile.h"
#include "reslib/WholeFile.h"
#include "settings/IniCodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace lumena {

namespace {

QString joined(const QString& dir, const QString& name)
{
    if (dir.isEmpty())
        return {};
    return dir.endsWith(u'/') ? dir + name : dir + u'/' + name;
}

QString loadMessage(const Error& e)
{
    return QStringLiteral("エラー Code:%1\r\n内容:%2\r\nモジュール:mdlIniIo.LoadIni()")
        .arg(e.code)
        .arg(e.description);
}

QString saveMessage(const Error& e)
{
    return QStringLiteral("エラー Code:%1\r\n内容:%2").arg(e.code).arg(e.description);
}

// Reads the file as far as its items can reach; false with `error` set when
// it cannot be read (also when it is no regular file).
bool readFile(const QString& path, QByteArray& bytes, Error& error)
{
    const InputCheck c = readInputFile(path, IniMaximumUsefulSize, bytes, Beyond::Ignore);
    error = inputError(c, path, IniMaximumUsefulSize);
    return c == InputCheck::Ok;
}

} // namespace

IniLocation::IniLocation(QString exeDir, QString baseName, QString configDir, bool exeDirIsOwn)
    : m_exeDir(std::move(exeDir)), m_baseName(std::move(baseName)),
      m_configDir(std::move(configDir)), m_exeDirIsOwn(exeDirIsOwn)
{
}

IniLocation IniLocation::forProgramIn(const QString& exeDir, const QString& baseName,
                                      const QString& configDir)
{
    return IniLocation(exeDir, baseName, configDir, isOwnProgramFolder(exeDir));
}

IniLocation IniLocation::forApplication()
{
    return forProgramIn(QCoreApplication::applicationDirPath(),
                        QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(),
                        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

bool IniLocation::isOwnProgramFolder(const QString& dir)
{
    const QFileInfo info(dir);
    const uint user = ::geteuid();
    return !dir.isEmpty() && info.isDir() && user != 0 && info.ownerId() == user &&
           info.isWritable();
}

QString IniLocation::besideExecutable() const
{
    return joined(m_exeDir, m_baseName + QStringLiteral(".in4"));
}

QString IniLocation::inConfigFolder() const
{
    return joined(m_configDir, m_baseName + QStringLiteral(".in4"));
}

QString IniLocation::readPath() const
{
    for (const QString& p : {writePath(), besideExecutable()}) {
        if (!p.isEmpty() && QFileInfo(p).isFile())
            return p;
    }
    return {};
}

QString IniLocation::writePath() const
{
    const QFileInfo dir(m_exeDir);
    if (m_exeDirIsOwn && !m_exeDir.isEmpty() && dir.isDir() && dir.isWritable())
        return besideExecutable();
    const QString inConfig = inConfigFolder();
    return inConfig.isEmpty() ? besideExecutable() : inConfig;
}

void LoadIni(IniData& data, const IniLocation& where, const IniWindows& windows, Host& host)
{
    const QString path = where.readPath();
    if (path.isEmpty())
        return; // first start: the windows keep their built-in values

    QByteArray bytes;
    Error error;
    IniData read;
    // Decoded completely before anything is applied: a damaged file changes
    // nothing in the windows.
    if (!readFile(path, bytes, error) || !decodeIni(bytes, read, error)) {
        host.message(loadMessage(error));
        return;
    }
    data = std::move(read);

    const DegitColors colors{data.DegitInfo.DegitBackColor, data.DegitInfo.DegitBaseColor,
                             data.DegitInfo.DegitLitColor};
    for (int i = 1; i <= ini::DegitCellCount; ++i)
        windows.board.SetDegitCell(i, data.DegitCells[static_cast<size_t>(i - 1)], colors);
    windows.board.SetTimeDegitColors(0, colors);
    windows.board.SetTimeDegitColors(1, colors);
    windows.board.SetChimeiColors(data.ChimeiInfo.ChimeiBackColor, data.ChimeiInfo.ChimeiForeColor);
    windows.options.SetOptionInfo(data);
    windows.panel.SetCtrlDataInfo(data.CtrlDataInfo);
    windows.board.SetFormInfo(data.FormInfo);
    windows.options.SetProp();
}

bool SaveIni(IniData& data, const IniLocation& where, const IniWindows& windows, Host& host)
{
    for (int i = 1; i <= ini::DegitCellCount; ++i)
        data.DegitCells[static_cast<size_t>(i - 1)] = windows.board.GetDegitCell(i);
    windows.options.GetOptionInfo(data);
    windows.panel.GetCtrlDataInfo(data.CtrlDataInfo);
    windows.board.GetFormInfo(data.FormInfo);

    Error error;
    // The configuration folder may not exist yet on a first run.
    const QString path = where.writePath();
    bool written = QDir().mkpath(QFileInfo(path).absolutePath());
    if (!written)
        error = Error::of(ErrPathNotFound,
                          errorDescription(ErrPathNotFound) + QStringLiteral("（%1）").arg(path));
    else
        written = writeFileWhole(path, encodeIni(data), error);
    if (!written) {
        host.message(saveMessage(error));
        return false;
    }
    return true;
}

} // namespace lumena
