#include "sound/KanaReader.h"

#include "reslib/InputFile.h"
#include "reslib/ShiftJis.h"
#include "reslib/SystemPaths.h"

#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <mecab.h>

namespace lumena {

std::unique_ptr<KanaReader> KanaReader::create()
{
    const QByteArray arg =
        QByteArrayLiteral("-d ") + QFile::encodeName(system_paths::mecabDictionary());
    MeCab::Tagger* tagger = MeCab::createTagger(arg.constData());
    if (!tagger)
        return nullptr;
    return std::unique_ptr<KanaReader>(new KanaReader(tagger));
}

KanaReader::KanaReader(MeCab::Tagger* tagger) : m_tagger(tagger) {}

KanaReader::~KanaReader()
{
    delete m_tagger;
}

QString KanaReader::toKatakana(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        if (u >= 0x3041 && u <= 0x3096)
            c = QChar(char16_t(u + 0x60));
    }
    return out;
}

QString KanaReader::spellLatin(const QString& text)
{
    static const char16_t* const names[26] = {
        u"エー",   u"ビー",       u"シー",     u"ディー", u"イー",  u"エフ",   u"ジー",
        u"エイチ", u"アイ",       u"ジェイ",   u"ケー",   u"エル",  u"エム",   u"エヌ",
        u"オー",   u"ピー",       u"キュー",   u"アール", u"エス",  u"ティー", u"ユー",
        u"ブイ",   u"ダブリュー", u"エックス", u"ワイ",   u"ゼット"};
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        char16_t u = c.unicode();
        if (u >= 0xFF21 && u <= 0xFF3A) // full-width A-Z
            u = char16_t(u - 0xFF21 + 'A');
        else if (u >= 0xFF41 && u <= 0xFF5A)
            u = char16_t(u - 0xFF41 + 'a');
        if (u >= 'a' && u <= 'z')
            u = char16_t(u - 'a' + 'A');
        if (u >= 'A' && u <= 'Z')
            out += QString::fromUtf16(names[u - 'A']);
        else
            out += c;
    }
    return out;
}

QString KanaReader::analyse(const QString& text) const
{
    if (text.isEmpty())
        return {};
    const QByteArray utf8 = text.toUtf8();
    QString out;
    for (const MeCab::Node* node = m_tagger->parseToNode(utf8.constData(), utf8.size()); node;
         node = node->next) {
        if (node->stat == MECAB_BOS_NODE || node->stat == MECAB_EOS_NODE)
            continue;
        const QString surface = QString::fromUtf8(node->surface, node->length);
        // ipadic features: POS ×4, conjugation ×2, base form, reading,
        // pronunciation. The pronunciation is what is heard (は → ワ).
        const QStringList features = QString::fromUtf8(node->feature).split(u',');
        QString reading = features.size() > 8 ? features[8] : QString();
        if (reading.isEmpty() || reading == u"*")
            reading = surface;
        // MeCab drops the blanks between words; keep them as pauses.
        if (node->rlength > node->length)
            out += u' ';
        out += reading;
    }
    return out;
}

QString KanaReader::toKana(const QString& text) const
{
    QString out;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const QPair<QString, QString>* hit = nullptr;
        for (const auto& r : m_readings) {
            if (!r.first.isEmpty() && QStringView(text).sliced(i).startsWith(r.first)) {
                hit = &r;
                break;
            }
        }
        if (!hit) {
            ++i;
            continue;
        }
        out += analyse(text.mid(start, i - start));
        out += toKatakana(hit->second);
        i += hit->first.size();
        start = i;
    }
    out += analyse(text.mid(start));
    return spellLatin(out);
}

void KanaReader::setReadings(QList<QPair<QString, QString>> readings)
{
    std::stable_sort(readings.begin(), readings.end(),
                     [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
    m_readings = std::move(readings);
}

QList<QPair<QString, QString>> KanaReader::parseReadings(const QByteArray& data)
{
    QString text;
    if (data.startsWith("\xEF\xBB\xBF"))
        text = QString::fromUtf8(data.mid(3));
    else
        text = sjis::toUnicode(data);
    QList<QPair<QString, QString>> out;
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    for (const QString& line : lines) {
        if (line.trimmed().startsWith(u'#'))
            continue;
        const qsizetype comma = line.indexOf(u',');
        if (comma <= 0)
            continue;
        QString written = line.left(comma).trimmed();
        QString reading = line.mid(comma + 1).trimmed();
        written.remove(u'"');
        reading.remove(u'"');
        if (!written.isEmpty() && !reading.isEmpty())
            out.append({written, reading});
    }
    return out;
}

bool KanaReader::loadReadings(const QString& path)
{
    QByteArray bytes;
    if (readInputFile(path, readings_limits::MaxFileBytes, bytes) != InputCheck::Ok) {
        m_readings.clear();
        return false;
    }
    setReadings(parseReadings(bytes));
    return true;
}

} // namespace lumena
