#include "reslib/Japanese.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPointer>
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

} // namespace lumena::japanese
