#pragma once
// The operation panel's rules that need no window: keypad entry, the texts the
// panel composes, and the choice of the board picture for a backlight state.

#include "reslib/ErrorCodes.h"

#include <QString>
#include <QStringList>

class QImage;

namespace lumena {

class PanelOptions;

// The keypad group: digit keys extend the route or the section display,
// "系統" (key 10) and "区間" (key 11) choose which one and empty it.
class KeypadEntry {
public:
    static constexpr int RouteDigits = 5;
    static constexpr int SectionDigits = 3;
    static constexpr int RouteKey = 10;
    static constexpr int SectionKey = 11;

    void press(int key);

    // true: digits go to the route display. At start they go to the section.
    bool EntryTarget = false;
    QString route;   // caption of Label2(0)
    QString section; // caption of Label2(2)
};

// Concatenation of the selected digit of each dial list; a list without a
// selection (-1) contributes nothing.
QString dialText(const QList<int>& selectedRows);

// Text of the backlight error box for an error number.
QString backlightErrorText(int code);

// Lines of the version box, each ended by CR LF.
QString versionText(const QString& model, const QString& version, int year);

QString boardCaption(const QString& model);

// Where the board picture of a backlight state comes from.
struct BacklightPlan {
    enum Source { BuiltIn, UserFile };
    Source source = BuiltIn;
    QString file; // for UserFile
    quint32 color = 0;
};
BacklightPlan planBacklight(const PanelOptions& options, int state);

// The largest user panel picture: a file of at most MaxFileBytes whose
// picture is at most MaxSide pixels wide and high and MaxPixels in all. The
// size is read from the picture's header and a larger one is refused before
// it is decoded; decoding itself may take at most AllocationMB megabytes, and
// a picture that decodes larger than its header said is refused after all.
namespace picture_limits {
inline constexpr qint64 MaxFileBytes = qint64(64) << 20;
inline constexpr int MaxSide = 8192;
inline constexpr qint64 MaxPixels = qint64(4096) * 4096;
inline constexpr int AllocationMB = 256;
} // namespace picture_limits

// Reads a user panel picture (its format told by its content). The error's
// code is the number the backlight message shows; its description is an
// extra line for that message, empty where the number says it all.
Error readPanelPicture(const QString& path, QImage& picture);

} // namespace lumena
