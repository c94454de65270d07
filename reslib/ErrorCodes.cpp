#include "reslib/ErrorCodes.h"

namespace lumena {

QString errorDescription(int code)
{
    switch (code) {
    case ErrNone:
        return {};
    case ErrInvalidCall:
        return QStringLiteral("プロシージャの呼び出し、または引数が不正です。");
    case ErrOverflow:
        return QStringLiteral("オーバーフローしました。");
    case ErrOutOfMemory:
        return QStringLiteral("メモリが不足しています。");
    case ErrSubscript:
        return QStringLiteral("インデックスが有効範囲にありません。");
    case ErrTypeMismatch:
        return QStringLiteral("型が一致しません。");
    case ErrOutOfStack:
        return QStringLiteral("スタック領域が不足しています。");
    case ErrInternal:
        return QStringLiteral("内部エラーです。");
    case ErrBadFileName:
        return QStringLiteral("ファイル名または番号が不正です。");
    case ErrFileNotFound:
        return QStringLiteral("ファイルが見つかりません。");
    case ErrDeviceIo:
        return QStringLiteral("デバイス I/O エラーです。");
    case ErrPastEndOfFile:
        return QStringLiteral("ファイルの末尾を越えて入力しようとしました。");
    case ErrDeviceUnavailable:
        return QStringLiteral("デバイスが準備されていません。");
    case ErrPathFileAccess:
        return QStringLiteral("パス名が無効です。");
    case ErrPathNotFound:
        return QStringLiteral("パスが見つかりません。");
    case ErrInvalidPicture:
        return QStringLiteral("ピクチャが無効です。");
    default:
        return QStringLiteral("アプリケーション定義またはオブジェクト定義のエラーです。");
    }
}

} // namespace lumena
