#pragma once
// The operation panel's rules that need no window: keypad entry, the texts the
// panel composes, and the choice of the board picture for a backlight state.

#include <QString>
#include <QStringList>

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

} // namespace lumena
