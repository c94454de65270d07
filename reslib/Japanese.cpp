#include "reslib/Japanese.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace lumena::japanese {

namespace {

// The caption of a standard button, or empty for one we leave to Qt.
QString caption(int standardButton)
{
    switch (standardButton) {
    case QDialogButtonBox::Ok:
        return u"OK"_s;
    case QDialogButtonBox::Cancel:
        return u"キャンセル"_s;
    case QDialogButtonBox::Yes:
        return u"はい"_s;
    case QDialogButtonBox::No:
        return u"いいえ"_s;
    case QDialogButtonBox::Close:
        return u"閉じる"_s;
    default:
        return {};
    }
}

// Qt 6 names the file kinds of the file dialog ("Folder", "%1 File" ...)
// under a context that its Japanese catalogue, written for Qt 5, lacks; the
// catalogue has the same texts under the file dialog's own context.
class FileKindTexts final : public QTranslator {
public:
    FileKindTexts(const QTranslator& qt, QObject* parent) : QTranslator(parent), m_qt(qt) {}
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override
    {
        if (qstrcmp(context, "QAbstractFileIconProvider") != 0)
            return {};
        return m_qt.translate("QFileDialog", source, disambiguation, n);
    }

private:
    const QTranslator& m_qt;
};

int widthOf(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x80 || (u >= 0xFF61 && u <= 0xFF9F) ? 1 : 2;
}

bool isWordCharacter(QChar c)
{
    return c.unicode() < 0x80 && c.isPrint() && c != u' ' && c != u'/';
}

// Whether a line may end before text[i] (0 < i < text.size()).
bool canBreakBefore(QStringView text, qsizetype i)
{
    static const QString noLineStart = u"、。，．・：；？！ー…‥）」』】〕］｝〉》ゝゞぁぃぅぇぉっゃ"
                                       u"ゅょゎァィゥェォッャュョヮヵヶ々"
                                       u")]},.:;!?%"_s;
    static const QString noLineEnd = u"（「『【〔［｛〈《([{"_s;
    const QChar before = text[i - 1], after = text[i];
    if (noLineStart.contains(after) || noLineEnd.contains(before))
        return false;
    return !(isWordCharacter(before) && isWordCharacter(after));
}

// How much a break after `c` is preferred to one elsewhere, in widths.
int breakBonus(QChar c)
{
    if (QStringView(u"。！？").contains(c))
        return 20;
    if (QStringView(u"、，）」』　 /").contains(c))
        return 12;
    return 0;
}

template <class Box> void setTexts(Box& box)
{
    for (QAbstractButton* b : box.buttons()) {
        const QString text = caption(int(box.standardButton(b)));
        if (!text.isEmpty())
            b->setText(text);
    }
}

} // namespace

QLocale locale()
{
    return QLocale(QLocale::Japanese, QLocale::Japan);
}

bool useJapanese()
{
    QLocale::setDefault(locale());
    // Once for the application, however many simulators it makes.
    static QPointer<QTranslator> installed;
    if (installed)
        return true;
    auto* qt = new QTranslator(qApp);
    if (!qt->load(locale(), u"qtbase"_s, u"_"_s,
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qt;
        return false;
    }
    QCoreApplication::installTranslator(qt);
    QCoreApplication::installTranslator(new FileKindTexts(*qt, qt));
    installed = qt;
    return true;
}

void setButtonTexts(QMessageBox& box)
{
    setTexts(box);
}

void setButtonTexts(QDialogButtonBox& box)
{
    setTexts(box);
}

QString wrapLines(const QString& text, int maxWidth)
{
    QStringList lines;
    for (const QString& paragraph : text.split(QRegularExpression(u"\\r\\n|\\n|\\r"_s))) {
        qsizetype start = 0;
        for (;;) {
            int rest = 0;
            for (qsizetype i = start; i < paragraph.size(); ++i)
                rest += widthOf(paragraph[i]);
            if (rest <= maxWidth) {
                lines << paragraph.mid(start);
                break;
            }
            // As many lines as the rest needs, of about equal width.
            const int count = (rest + maxWidth - 1) / maxWidth;
            const int target = (rest + count - 1) / count;
            qsizetype best = -1, last = start + 1;
            int bestCost = 0, width = 0;
            for (qsizetype i = start + 1; i < paragraph.size(); ++i) {
                width += widthOf(paragraph[i - 1]);
                if (width > maxWidth)
                    break;
                last = i;
                if (!canBreakBefore(paragraph, i))
                    continue;
                const int cost = qAbs(width - target) - breakBonus(paragraph[i - 1]);
                if (best < 0 || cost < bestCost) {
                    best = i;
                    bestCost = cost;
                }
            }
            const qsizetype end = best > 0 ? best : last;
            lines << paragraph.mid(start, end - start);
            start = end;
            while (start < paragraph.size() && paragraph[start] == u' ')
                ++start;
        }
    }
    return lines.join(u'\n');
}

} // namespace lumena::japanese
