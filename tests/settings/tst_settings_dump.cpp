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

using namespace lumena;
using namespace lumena::test;

namespace {

struct Names {
    QStringList names;
    template <class T> void item(const char* n, const T&) { names << QLatin1StringView(n); }
    void custColors(const CustColors&) { names << QStringLiteral("CustColors"); }
    void cellCount(const qint16&) {}
    void cells(const ini::DegitCells&) { names << QStringLiteral("DegitCells"); }
};

struct Run {
    int exitCode = -1;
    QByteArray out, err;
};

Run dump(const QString& file)
{
    QProcess p;
    p.start(QStringLiteral(LUMENA_DATA_EXE),
            {QStringLiteral("settings"), QStringLiteral("dump"), file});
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
        const QString path = m_tmp.filePath(QStringLiteral("LM-50.in4"));
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
        static const QRegularExpression key(QStringLiteral("^  \"(\\w+)\":"),
                                            QRegularExpression::MultilineOption);
        for (auto it = key.globalMatch(QString::fromUtf8(r.out)); it.hasNext();)
            keys << it.next().captured(1);
        QCOMPARE(keys, expected.names);

        QJsonParseError pe;
        const QJsonObject o = QJsonDocument::fromJson(r.out, &pe).object();
        QCOMPARE(pe.error, QJsonParseError::NoError);
        QCOMPARE(o.value(QStringLiteral("FareDataDir")).toString(), QStringLiteral("三角駅"));
        QCOMPARE(o.value(QStringLiteral("FixedDate")).toString(), QStringLiteral("2025/01/05"));
        QCOMPARE(o.value(QStringLiteral("ScrollSpeed")).toInteger(), qint64(s32(63)));
        QCOMPARE(o.value(QStringLiteral("ChimeiFontMode")).toInteger(), qint64(s16(35)));
        QCOMPARE(o.value(QStringLiteral("SeiriNumColorOff")).toInteger(), qint64(c32(4)));
        const QJsonArray cust = o.value(QStringLiteral("CustColors")).toArray();
        QCOMPARE(cust.size(), 17);
        QCOMPARE(cust.at(16).toInteger(), qint64(c32(216)));
        const QJsonArray cells = o.value(QStringLiteral("DegitCells")).toArray();
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
        d.SoundInfo.StepSound1 = QStringLiteral("a\"b\\c\td");
        const Run r = dump(write(encodeIni(d)));
        QCOMPARE(r.exitCode, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(o.value(QStringLiteral("StepSound1")).toString(), d.SoundInfo.StepSound1);
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
        const QString path = exists ? write(bytes) : m_tmp.filePath(QStringLiteral("none.in4"));
        const Run r = dump(path);
        QVERIFY(r.exitCode > 0);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY(r.err.endsWith('\n'));
    }
};

LUMENA_TEST_GUILESS_MAIN(TestSettingsDump)
#include "tst_settings_dump.moc"
