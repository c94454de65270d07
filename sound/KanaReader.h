#pragma once
// Turns Japanese text into the katakana the speech voice reads: kanji and kana
// become their pronunciation through MeCab and the ipadic dictionary (so the
// particle は becomes ワ), Latin letters are spelled out (JR → ジェイアール),
// digits and punctuation stay. User readings replace the analyser's reading
// of their written form, longest form first.
//
// User readings file: Shift-JIS text (UTF-8 when it starts with a byte order
// mark), one "written form,reading" per line; the reading is kana (hiragana
// is turned into katakana); lines starting with '#' or without a comma are
// skipped.

#include <QList>
#include <QPair>
#include <QString>
#include <memory>

namespace MeCab {
class Tagger;
}

namespace lumena {

// The largest readings file read; a larger one is refused from its size (no
// readings then), and with it the readings are at most a few ten thousand.
namespace readings_limits {
inline constexpr qint64 MaxFileBytes = qint64(1) << 20; // 1,048,576
} // namespace readings_limits

class KanaReader {
public:
    // Null when MeCab or the dictionary cannot be opened.
    static std::unique_ptr<KanaReader> create();
    ~KanaReader();

    QString toKana(const QString& text) const;

    void setReadings(QList<QPair<QString, QString>> readings);
    // Loads a readings file; false (and no readings) when it is missing, no
    // regular file or larger than readings_limits::MaxFileBytes.
    bool loadReadings(const QString& path);
    static QList<QPair<QString, QString>> parseReadings(const QByteArray& data);

    static QString spellLatin(const QString& text);
    static QString toKatakana(const QString& text);

private:
    explicit KanaReader(MeCab::Tagger* tagger);
    QString analyse(const QString& text) const;

    MeCab::Tagger* m_tagger;
    QList<QPair<QString, QString>> m_readings; // longest written form first
};

} // namespace lumena
