#pragma once
// Where the data the program uses from the system lives: the dot-matrix and
// outline fonts, the MIDI soundfont, the MeCab dictionary and the espeak-ng
// voice data. These are the Debian packages' locations, kept in this one
// file so that a port to another system changes only this file.

#include <QString>

namespace lumena::system_paths {

// xfonts-shinonome's 16-dot PCF faces, e.g. dotFont("shnmk16.pcf.gz").
QString dotFont(const QString& fileName);
// fonts-ipafont-gothic / fonts-ipafont-mincho outline fonts.
QString ipaGothic();
QString ipaMincho();
// timgm6mb-soundfont.
QString soundFont();
// mecab-ipadic-utf8 (named explicitly: another dictionary may be the default).
QString mecabDictionary();
// espeak-ng-data: ESPEAK_DATA_PATH/espeak-ng-data when that holds the voice
// data, else the folder the package installs for this machine's architecture.
QString espeakData();

} // namespace lumena::system_paths
