#include "settings/IniCodec.h"
#include "settings/IniFields.h"
#include "tests/common/TestSupport.h"
#include "tests/settings/IniSamples.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace lumena;
using namespace lumena::test;

namespace {

struct Names {
    QStringList names;
    template <class T> void item(const char* n, const T&) { names << QLatin1StringView(n); }
    void custColors(const CustColors&) { names << u"CustColors"_s; }
    void cellCount(const qint16&) {}
    void cells(const ini::DegitCells&) { names << u"DegitCells"_s; }
};

struct Run {
    int exitCode = -1;
    QByteArray out, err;
};

Run dump(const QString& file)
{
    QProcess p;
    p.start(QStringLiteral(LUMENA_DATA_EXE), {u"settings"_s, u"dump"_s, file});
    Run r;
    if (!p.waitForFinished(30000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

} // namespace

class TestSettingsDump : public QObject {
    Q_OBJECT
    QTemporaryDir m_tmp;

    QString write(const QByteArray& bytes)
    {
        const QString path = m_tmp.filePath(u"LM-50.in4"_s);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            return {};
        return path;
    }

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void everyFieldInFileOrder()
    {
        const IniData d = numberedIni();
        const Run r = dump(write(encodeIni(d)));
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.err.isEmpty());

        Names expected;
        visitIniFields(d, expected);
        QCOMPARE(expected.names.size(), 72);
        QStringList keys;
        static const QRegularExpression key(u"^  \"(\\w+)\":"_s,
                                            QRegularExpression::MultilineOption);
        for (auto it = key.globalMatch(QString::fromUtf8(r.out)); it.hasNext();)
            keys << it.next().captured(1);
        QCOMPARE(keys, expected.names);

        QJsonParseError pe;
        const QJsonObject o = QJsonDocument::fromJson(r.out, &pe).object();
        QCOMPARE(pe.error, QJsonParseError::NoError);
        QCOMPARE(o.value(u"FareDataDir"_s).toString(), u"三角駅"_s);
        QCOMPARE(o.value(u"FixedDate"_s).toString(), u"2025/01/05"_s);
        QCOMPARE(o.value(u"ScrollSpeed"_s).toInteger(), qint64(s32(63)));
        QCOMPARE(o.value(u"ChimeiFontMode"_s).toInteger(), qint64(s16(35)));
        QCOMPARE(o.value(u"SeiriNumColorOff"_s).toInteger(), qint64(c32(4)));
        const QJsonArray cust = o.value(u"CustColors"_s).toArray();
        QCOMPARE(cust.size(), 17);
        QCOMPARE(cust.at(16).toInteger(), qint64(c32(216)));
        const QJsonArray cells = o.value(u"DegitCells"_s).toArray();
        QCOMPARE(cells.size(), 50);
        const QJsonArray last = cells.at(49).toArray();
        QCOMPARE(last.size(), 3);
        QCOMPARE(last.at(0).toInteger(), qint64(s16(147))); // Shift
        QCOMPARE(last.at(1).toInteger(), qint64(s16(148))); // ZeroMode
        QCOMPARE(last.at(2).toInteger(), qint64(s16(149))); // FillZero
    }

    void textsWithQuotesAndControlsStayValidJson()
    {
        IniData d;
        d.SoundInfo.StepSound1 = u"a\"b\\c\td"_s;
        const Run r = dump(write(encodeIni(d)));
        QCOMPARE(r.exitCode, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(o.value(u"StepSound1"_s).toString(), d.SoundInfo.StepSound1);
    }

    void malformedGivesOneLineAndFailure_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("exists");
        QTest::newRow("cut short") << encodeIni(IniData{}).left(537) << true;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("missing file") << QByteArray() << false;
    }
    void malformedGivesOneLineAndFailure()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, exists);
        const QString path = exists ? write(bytes) : m_tmp.filePath(u"none.in4"_s);
        const Run r = dump(path);
        QVERIFY(r.exitCode > 0);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY(r.err.endsWith('\n'));
    }
};

LUMENA_TEST_GUILESS_MAIN(TestSettingsDump)
#include "tst_settings_dump.moc"
