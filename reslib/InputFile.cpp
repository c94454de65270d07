#include "reslib/InputFile.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lumena {

InputCheck checkInputFile(const QString& path, qint64 maxBytes)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return InputCheck::Missing;
    const QFileInfo info(path);
    if (!info.exists())
        return InputCheck::Missing;
    if (!info.isFile())
        return InputCheck::NotAFile;
    if (maxBytes >= 0 && info.size() > maxBytes)
        return InputCheck::TooLarge;
    return InputCheck::Ok;
}

InputCheck openInputFile(QFile& file, qint64 maxBytes)
{
    const QString path = file.fileName();
    if (const InputCheck c = checkInputFile(path, maxBytes); c != InputCheck::Ok)
        return c;
#ifdef Q_OS_UNIX
    // Opened without blocking, so that a path swapped for a FIFO since the
    // check cannot hang the open, and checked again on the handle itself.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return InputCheck::Unreadable;
    struct stat st {};
    InputCheck c = InputCheck::Ok;
    if (::fstat(fd, &st) != 0)
        c = InputCheck::Unreadable;
    else if (!S_ISREG(st.st_mode))
        c = InputCheck::NotAFile;
    else if (maxBytes >= 0 && st.st_size > maxBytes)
        c = InputCheck::TooLarge;
    else if (const int flags = ::fcntl(fd, F_GETFL);
             flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        c = InputCheck::Unreadable;
    else if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        c = InputCheck::Unreadable;
    if (c != InputCheck::Ok)
        ::close(fd);
    return c;
#else
    return file.open(QIODevice::ReadOnly) ? InputCheck::Ok : InputCheck::Unreadable;
#endif
}

InputCheck readInputFile(const QString& path, qint64 maxBytes, QByteArray& bytes, Beyond beyond)
{
    QFile file(path);
    const InputCheck c = openInputFile(file, beyond == Beyond::Refuse ? maxBytes : -1);
    if (c != InputCheck::Ok)
        return c;
    // Never more than the file holds: QIODevice::read sets aside all it is
    // asked for. One byte more tells a file that grew since it was checked.
    qint64 want = file.size();
    if (maxBytes >= 0)
        want = qMin(want, maxBytes);
    QByteArray data = file.read(want + 1);
    if (file.error() != QFileDevice::NoError)
        return InputCheck::Unreadable;
    if (maxBytes >= 0 && data.size() > maxBytes) {
        if (beyond == Beyond::Refuse)
            return InputCheck::TooLarge;
        data.truncate(maxBytes);
    }
    bytes = std::move(data);
    return InputCheck::Ok;
}

QString byteCountText(qint64 bytes)
{
    return QLocale(QLocale::English).toString(bytes) + QStringLiteral("バイト");
}

Error inputError(InputCheck check, const QString& path, qint64 maxBytes)
{
    switch (check) {
    case InputCheck::Ok:
        return {};
    case InputCheck::Missing:
        return Error::of(ErrFileNotFound,
                         errorDescription(ErrFileNotFound) + QStringLiteral("（%1）").arg(path));
    case InputCheck::NotAFile:
        return Error::of(ErrPathFileAccess,
                         QStringLiteral("通常のファイルではありません（%1）。").arg(path));
    case InputCheck::TooLarge:
        return Error::of(ErrOverflow, QStringLiteral("ファイルが大きすぎます（%1、上限は%2）。")
                                          .arg(path, byteCountText(maxBytes)));
    case InputCheck::Unreadable:
        break;
    }
    return Error::of(ErrPathFileAccess, QStringLiteral("ファイルを読めません（%1）。").arg(path));
}

} // namespace lumena
