#pragma once
// The program's error codes: the numbers that the messages of the settings
// routines and the backlight switch show after "エラー Code:". Each number
// stands for one kind of failure everywhere, so "エラー Code: 53" always means
// a missing file.

#include <QString>

namespace lumena {

enum ErrorCode : int {
    ErrNone = 0,
    ErrInvalidCall = 5, // invalid procedure call or argument
    ErrOverflow = 6,    // value out of range
    ErrOutOfMemory = 7,
    ErrSubscript = 9, // subscript out of range
    ErrTypeMismatch = 13,
    ErrOutOfStack = 28,
    ErrInternal = 51,
    ErrBadFileName = 52, // bad file name or number
    ErrFileNotFound = 53,
    ErrDeviceIo = 57,
    ErrPastEndOfFile = 62, // input past end of file
    ErrDeviceUnavailable = 68,
    ErrPathFileAccess = 75,
    ErrPathNotFound = 76,
    ErrInvalidPicture = 481,
};

// Japanese description of a code, as shown after "内容:" in messages.
QString errorDescription(int code);

// A failure of one operation: the code, and the text that describes it.
// `description` defaults to errorDescription(code) but an operation may give a
// more precise one (for example which record of a file was cut short).
struct Error {
    int code = ErrNone;
    QString description;

    static Error of(int code) { return Error{code, errorDescription(code)}; }
    static Error of(int code, QString text) { return Error{code, std::move(text)}; }
    explicit operator bool() const { return code != ErrNone; }
};

} // namespace lumena
