#pragma once
// The one front to the resource library's dialogs, the operating system's
// name and the ticket plug-in engine. The rest of the program calls these and
// never a dialog or a plug-in directly, so tests can put a recording fake in
// its place. The byte-wise Shift-JIS helpers are plain functions
// (reslib/ShiftJis.h): they need no fake.
//
// Texts are passed as QString. Window handles are the owner window as a
// QObject (the widget implementation casts it back).

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

class QObject;
class QImage;

namespace lumena {

// Fourteen 32-bit words that describe a ticket plug-in. The caller zeroes it
// before Vk4_GetPlgInfo; the ticket preview reads the words it interprets.
struct PlgInfo {
    std::array<qint32, 14> v{};
    qint32& operator[](int i) { return v[static_cast<size_t>(i)]; }
    qint32 operator[](int i) const { return v[static_cast<size_t>(i)]; }
};

// A calendar date as the date dialog returns it, day of week 0 for Sunday. The
// caller zeroes it and reads only year, month and day afterwards.
struct DialogDate {
    qint16 year = 0, month = 0, dayOfWeek = 0, day = 0;
    qint16 hour = 0, minute = 0, second = 0, millisecond = 0;
};

// The 17 colours of the settings record; the colour dialog reads and may change
// the first 16 (its custom colours). Colours are 0x00BBGGRR.
using CustColors = std::array<quint32, 17>;

class ResLib {
public:
    virtual ~ResLib() = default;

    // Digit-element settings dialog. On entry the three references hold the
    // current settings, on return the user's choice; result 1 = confirmed.
    virtual qint32 Call_dlg100(QObject* owner, qint16 keta, qint16& zeroMode, qint16& shift,
                               qint16& fillZero) = 0;

    // Version box showing `text` (model number, version, credit lines).
    virtual qint32 Call_dlg110(QObject* owner, qint32 one, const QString& text) = 0;

    // Date picker. Non-zero = a date was chosen and `date` holds it.
    virtual qint32 Call_dlg111(QObject* owner, DialogDate& date) = 0;

    // File-open dialog. `filter` is description/pattern pairs, each item
    // followed by NUL and the whole by one more NUL. Returns the chosen file's
    // full path, or empty when cancelled.
    virtual QString Vk3FileDlg(QObject* owner, qint32 zero, const QString& filter,
                               const QString& initialFile, const QString& title) = 0;

    // Folder dialog; returns the chosen folder or empty when cancelled.
    virtual QString Vk3FolderDlg(QObject* owner, const QString& prompt) = 0;

    // Colour dialog. `color` holds the current colour on entry; non-zero result
    // = a colour was chosen and `color` holds it. Changes to the first 16
    // custom colours are written back into `cust`.
    virtual qint32 Vk3ChooseColor(QObject* owner, quint32& color, CustColors& cust) = 0;

    // Name of the running operating system.
    virtual QString GetOsInfo() = 0;

    // Zero = not a valid ticket plug-in; otherwise `info` describes it.
    virtual qint32 Vk4_GetPlgInfo(const QString& path, PlgInfo& info) = 0;

    // Why the file at `path` is not a valid ticket plug-in (for example
    // "line 3: width must be a whole number"); empty for a valid one.
    virtual QString pluginRefusal(const QString& path) = 0;

    // Writes the plug-in's remarks through `setText` (the comment box).
    virtual qint32 Vk4_SetPlgComment(const QString& path,
                                     const std::function<void(const QString&)>& setText) = 0;

    // Adds the plug-in's company names through `addItem` (the emptied company list).
    virtual qint32 Vk4_SetCorpAddList(const QString& path,
                                      const std::function<void(const QString&)>& addItem) = 0;

    // Draws the numbered ticket into `dc` (the preview's persistent image).
    // `stopName` and `date` are in/out: the caller takes back what is left in them.
    // An empty or invalid path draws nothing.
    virtual qint32 Vk4_DrawSeiriken(const QString& path, QImage* dc, QString& stopName,
                                    QString& date, const QString& time, qint32 routeNumber,
                                    qint16 ticketNo, qint16 row, qint16 company) = 0;
};

} // namespace lumena
