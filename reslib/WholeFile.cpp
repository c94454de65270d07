#include "reslib/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace lumena {

namespace {

Error fileError(int code, const QString& path)
{
    return Error::of(code, errorDescription(code) + QStringLiteral("（%1）").arg(path));
}

std::filesystem::path nativePath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

} // namespace

bool writeFileWhole(const QString& path, const QByteArray& bytes, Error& error)
{
    QTemporaryFile tmp(path + QStringLiteral(".XXXXXX"));
    if (!tmp.open()) {
        error = fileError(ErrPathFileAccess, path);
        return false;
    }
    bool ok = tmp.write(bytes) == bytes.size() && tmp.flush();
#ifdef Q_OS_UNIX
    ok = ok && ::fsync(tmp.handle()) == 0;
#endif
    tmp.close();
    ok = ok && QFileInfo(tmp.fileName()).size() == bytes.size();
    if (!ok) {
        error = fileError(ErrDeviceIo, path);
        return false;
    }
    tmp.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                       QFileDevice::ReadOther);
    std::error_code ec;
    std::filesystem::rename(nativePath(tmp.fileName()), nativePath(path), ec);
    if (ec) {
        error = fileError(ErrPathFileAccess, path);
        return false;
    }
    tmp.setAutoRemove(false);
    return true;
}

} // namespace lumena
