#pragma once
// The program speaks Japanese whatever the user's locale is: it simulates a
// Japanese bus, and every text of its own is Japanese, so the standard
// dialogs are too. Qt's own texts (the labels of the file, folder and colour
// dialogs, the edit menus) come from Qt's Japanese translations; dates, month
// and day names from the Japanese locale; and the buttons of our boxes carry
// their Japanese captions whether or not the translations are installed.

#include <QLocale>

class QDialogButtonBox;
class QMessageBox;

namespace lumena::japanese {

// Japanese as spoken in Japan: dates, month and day names.
QLocale locale();

// Makes locale() the default and installs Qt's Japanese translations
// (qtbase_ja.qm in Qt's translations folder) into the running application,
// once however often it is called. Call it before any window is made.
// Returns whether the translations were found; without them Qt's own labels
// stay English.
bool useJapanese();

// Gives the standard buttons of `box` Japanese captions: OK, キャンセル,
// はい, いいえ, 閉じる (without keyboard mnemonics; Enter and Escape still
// answer). Other buttons keep their texts.
void setButtonTexts(QMessageBox& box);
void setButtonTexts(QDialogButtonBox& box);

// A message box's text with its lines broken where Japanese breaks them:
// each line of `text` longer than `maxWidth` (counted in half-width
// characters, a full-width one counting two) is cut into lines of about
// equal width, preferably after 。 or 、, never before a closing bracket or
// mark nor inside a run of ASCII letters and digits (a path breaks after a
// slash), so no line is left with a lone character. The message box would
// otherwise wrap at its own width. Lines end in LF.
QString wrapLines(const QString& text, int maxWidth = 56);

} // namespace lumena::japanese
