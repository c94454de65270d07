// lumena-data settings dump: every item of the file as JSON, in file order.

#include "settings/IniCodec.h"
#include "tests/common/TestSupport.h"
#include "tests/common/ToolRun.h"
#include "tests/settings/IniSamples.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace lumena;
using namespace lumena::test;

class TestSettingsDump : public QObject {
    Q_OBJECT
    QTemporaryDir m_tmp;

    ToolRun dump(const IniData& d)
    {
        const QString path = m_tmp.filePath(u"LM-50.in4"_s);
        if (!writeFile(path, encodeIni(d)))
            qFatal("cannot write the settings file");
        return runTool({u"settings"_s, u"dump"_s, path});
    }

private slots:
    void init() { failOnUnexpectedWarnings(); }

    // Item n of the file is the n-th key, with numberedIni()'s value for n.
    void everyItemInFileOrder()
    {
        const ToolRun r = dump(numberedIni());
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.err.isEmpty());
        QJsonParseError pe;
        const QJsonObject o = QJsonDocument::fromJson(r.out, &pe).object();
        QCOMPARE(pe.error, QJsonParseError::NoError);

        static const QRegularExpression key(u"^  \"(\\w+)\":"_s,
                                            QRegularExpression::MultilineOption);
        QStringList keys;
        for (auto it = key.globalMatch(QString::fromUtf8(r.out)); it.hasNext();)
            keys << it.next().captured(1);
        QCOMPARE(keys.size(), 72);
        for (int n = 1; ItemKinds[n - 1]; ++n) {
            const QJsonValue v = o.value(keys[n - 1]);
            switch (ItemKinds[n - 1]) {
            case 'T':
                QCOMPARE(v.toString(), txt(n));
                break;
            case 's':
                QCOMPARE(v.toInteger(), qint64(s16(n)));
                break;
            case 'c':
                QCOMPARE(v.toInteger(), qint64(c32(n)));
                break;
            case 'i':
                QCOMPARE(v.toInteger(), qint64(s32(n)));
                break;
            }
        }
        QCOMPARE(keys.mid(70), (QStringList{u"CustColors"_s, u"DegitCells"_s}));
        const QJsonArray cust = o.value(u"CustColors"_s).toArray();
        QCOMPARE(cust.size(), 17);
        QCOMPARE(cust.at(16).toInteger(), qint64(c32(216)));
        const QJsonArray cells = o.value(u"DegitCells"_s).toArray();
        QCOMPARE(cells.size(), 50);
        const QJsonArray last = cells.at(49).toArray(); // Shift, ZeroMode, FillZero
        QCOMPARE(last, (QJsonArray{s16(147), s16(148), s16(149)}));
    }

    void textsWithQuotesAndControlsStayValidJson()
    {
        IniData d;
        d.SoundInfo.StepSound1 = u"a\"b\\c\td"_s;
        const ToolRun r = dump(d);
        QCOMPARE(r.exitCode, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(o.value(u"StepSound1"_s).toString(), d.SoundInfo.StepSound1);
    }

    void missingFileIsOneLineRefusal()
    {
        const QString missing = m_tmp.filePath(u"none.in4"_s);
        QVERIFY(isOneLineRefusal(runTool({u"settings"_s, u"dump"_s, missing}), missing));
    }
};

LUMENA_TEST_GUILESS_MAIN(TestSettingsDump)
#include "tst_settings_dump.moc"
