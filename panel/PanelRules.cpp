#include "panel/PanelRules.h"

#include "panel/PanelPorts.h"
#include "reslib/InputFile.h"

#include <QFile>
#include <QImageReader>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace lumena {

void KeypadEntry::press(int key)
{
    if (key == RouteKey) {
        EntryTarget = true;
        route.clear();
    } else if (key == SectionKey) {
        EntryTarget = false;
        section.clear();
    } else if (key >= 0 && key <= 9) {
        QString& text = EntryTarget ? route : section;
        const int limit = EntryTarget ? RouteDigits : SectionDigits;
        if (text.size() < limit)
            text += QChar(u'0' + key);
    }
}

QString dialText(const QList<int>& selectedRows)
{
    QString text;
    for (int row : selectedRows)
        if (row >= 0 && row <= 9)
            text += QChar(u'0' + row);
    return text;
}

QString backlightErrorText(int code)
{
    QString added;
    switch (code) {
    case ErrOutOfMemory:
    case ErrOutOfStack:
    case ErrInternal:
        added =
            u"　内部的なエラーです。トワノ工房へ報告してください。エラー場所：frmCtl.Option4_Click()"_s;
        break;
    case ErrFileNotFound:
    case ErrPathFileAccess:
    case ErrPathNotFound:
        added = u"　画像ファイルが見つからないか、指定している場所が不正です。"_s;
        break;
    case ErrDeviceIo:
    case ErrDeviceUnavailable:
        added = u"　デバイスエラーもしくは準備が出来ていません。"_s;
        break;
    case ErrInvalidPicture:
        added = u"　指定した画像の内容が不正です。この部分では扱えません。"_s;
        break;
    default:
        break;
    }
    return u"エラーです。\r\n\r\nエラーコード："_s + QString::number(code) + added;
}

QString versionText(const QString& model, const QString& version, int year)
{
    const QString crlf = u"\r\n"_s;
    // The years of development: from the first to this one, one year alone
    // while they are the same.
    constexpr int firstYear = 2026;
    const QString years =
        year > firstYear ? u"%1-%2"_s.arg(firstYear).arg(year) : QString::number(firstYear);
    return u"型番："_s + model + crlf + u"バージョン："_s + version + crlf + crlf +
           u"配布：Lumena プロジェクト"_s + crlf + u"開発：Lumena 開発チーム "_s + years + crlf;
}

QString boardCaption(const QString& model)
{
    return u"ルメナ・ビューア - 型番:"_s + model;
}

BacklightPlan planBacklight(const PanelOptions& options, int state)
{
    BacklightPlan plan;
    plan.color = options.seiriNumColor(state);
    if (!options.panelAuto() && options.panelUser(state)) {
        plan.source = BacklightPlan::UserFile;
        plan.file = options.panelFile(state);
    }
    return plan;
}

Error readPanelPicture(const QString& path, QImage& picture)
{
    const auto tooLarge = [] {
        const QLocale en(QLocale::English);
        return Error::of(
            ErrInvalidPicture,
            u"画像が大きすぎます（幅と高さは%1ピクセルまで、画素数は%2まで、"
            u"ファイルは%3まで）。"_s.arg(en.toString(picture_limits::MaxSide),
                                          en.toString(picture_limits::MaxPixels),
                                          byteCountText(picture_limits::MaxFileBytes)));
    };
    QFile file(path);
    switch (openInputFile(file, picture_limits::MaxFileBytes)) {
    case InputCheck::Ok:
        break;
    case InputCheck::Missing:
        return Error{ErrFileNotFound, {}};
    case InputCheck::TooLarge:
        return tooLarge();
    case InputCheck::NotAFile:
    case InputCheck::Unreadable:
        return Error{ErrPathFileAccess, {}};
    }
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    // The one reader of pictures in the program sets the process-wide limit.
    QImageReader::setAllocationLimit(picture_limits::AllocationMB);
    const auto beyond = [](QSize size) {
        return size.width() > picture_limits::MaxSide || size.height() > picture_limits::MaxSide ||
               qint64(size.width()) * size.height() > picture_limits::MaxPixels;
    };
    const QSize size = reader.size();
    if (size.isValid() && beyond(size))
        return tooLarge();
    QImage loaded = reader.read();
    if (loaded.isNull())
        return Error{reader.error() == QImageReader::DeviceError ? ErrDeviceIo : ErrInvalidPicture,
                     {}};
    // The header may tell less than the picture decodes to: Qt gives a GIF
    // the size of its first image, but decodes it to its (larger) screen.
    if (beyond(loaded.size()))
        return tooLarge();
    picture = std::move(loaded);
    return {};
}

} // namespace lumena
