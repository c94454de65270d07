// Only regular files are opened (a FIFO named as the panel picture once hung
// start-up); one over its limit is refused from its size, or read to it.

#include "reslib/InputFile.h"
#include "tests/common/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace lumena;
using namespace Qt::StringLiterals;

class TestInputFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(test::writeFile(path(u"ten.txt"_s), "0123456789"));
        QVERIFY(QDir(m_dir.path()).mkdir(u"folder"_s));
        QVERIFY(::mkfifo(QFile::encodeName(path(u"fifo"_s)).constData(), 0600) == 0);
        QVERIFY(QFile::link(path(u"ten.txt"_s), path(u"link"_s)));
    }
    void init() { test::failOnUnexpectedWarnings(); }

    void read_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<bool>("ignoreBeyond");
        QTest::addColumn<InputCheck>("check");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray none = "unchanged";
        QTest::newRow("at the limit")
            << u"ten.txt"_s << qint64(10) << false << InputCheck::Ok << "0123456789"_ba;
        QTest::newRow("over the limit refused")
            << u"ten.txt"_s << qint64(9) << false << InputCheck::TooLarge << none;
        QTest::newRow("over the limit read to it")
            << u"ten.txt"_s << qint64(4) << true << InputCheck::Ok << "0123"_ba;
        QTest::newRow("link to a regular file")
            << u"link"_s << qint64(-1) << false << InputCheck::Ok << "0123456789"_ba;
        QTest::newRow("missing") << u"gone.txt"_s << qint64(-1) << false << InputCheck::Missing
                                 << none;
        QTest::newRow("empty path")
            << QString() << qint64(-1) << false << InputCheck::Missing << none;
        QTest::newRow("folder") << u"folder"_s << qint64(-1) << false << InputCheck::NotAFile
                                << none;
        // Opening it would wait for a writer for ever (a device: read for ever).
        QTest::newRow("FIFO is never opened")
            << u"fifo"_s << qint64(-1) << true << InputCheck::NotAFile << none;
    }
    void read()
    {
        QFETCH(QString, name);
        QFETCH(qint64, limit);
        QFETCH(bool, ignoreBeyond);
        QFETCH(InputCheck, check);
        const QString p = name.isEmpty() ? name : path(name);
        QByteArray bytes = "unchanged";
        QCOMPARE(readInputFile(p, limit, bytes, ignoreBeyond ? Beyond::Ignore : Beyond::Refuse),
                 check);
        QTEST(bytes, "bytes");
        if (!ignoreBeyond)
            QCOMPARE(checkInputFile(p, limit), check);
        QFile file(p);
        QCOMPARE(openInputFile(file, ignoreBeyond ? -1 : limit), check);
        QCOMPARE(file.isOpen(), check == InputCheck::Ok);
    }

    // The message names the file and, for a file too large, the limit.
    void messages_data()
    {
        QTest::addColumn<InputCheck>("check");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("ok") << InputCheck::Ok << 0 << QString();
        QTest::newRow("missing") << InputCheck::Missing << 53 << u"/x/12tp.csv"_s;
        QTest::newRow("not a file")
            << InputCheck::NotAFile << 75 << u"通常のファイルではありません"_s;
        QTest::newRow("too large") << InputCheck::TooLarge << 6 << u"上限は4,194,304バイト"_s;
        QTest::newRow("unreadable") << InputCheck::Unreadable << 75 << u"/x/12tp.csv"_s;
    }
    void messages()
    {
        QFETCH(InputCheck, check);
        QFETCH(QString, text);
        const Error e = inputError(check, u"/x/12tp.csv"_s, 4 << 20);
        QTEST(e.code, "code");
        QVERIFY2(e.description.contains(text), qPrintable(e.description));
        QCOMPARE(e.description.isEmpty(), text.isEmpty());
    }
};

LUMENA_TEST_GUILESS_MAIN(TestInputFile)
#include "tst_input_file.moc"
