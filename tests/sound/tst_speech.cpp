// Japanese speech: katakana through MeCab, readings, status, the dialog.

#include "reslib/ShiftJis.h"
#include "sound/EspeakSpeech.h"
#include "sound/KanaReader.h"
#include "sound/SpeechUi.h"
#include "tests/common/ModalAnswer.h"
#include "tests/common/TestSupport.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QSlider>
#include <QTemporaryDir>

using namespace lumena;
using namespace Qt::StringLiterals;

namespace {

// Keeps the samples of the last reading; refuses playback unless `accept`.
class FakeOutput final : public SpeechOutput {
public:
    bool accept = true;
    bool playing = false;
    std::vector<std::int16_t> last;
    int plays = 0;
    bool beginSpeech(int) override
    {
        ++plays;
        last.clear();
        playing = accept;
        return accept;
    }
    void appendSpeech(const std::int16_t* s, std::size_t n) override
    {
        last.insert(last.end(), s, s + n);
    }
    void endSpeech() override {}
    void stopSpeech() override { playing = false; }
    bool speechPlaying() const override { return playing; }
};

} // namespace

class TestSpeech : public QObject {
    Q_OBJECT
    FakeOutput m_out;
    std::unique_ptr<EspeakSpeech> m_engine;

private slots:
    void initTestCase()
    {
        m_engine = EspeakSpeech::create(m_out);
        QVERIFY(m_engine);
    }
    void init()
    {
        test::failOnUnexpectedWarnings();
        m_engine->reader().setReadings({});
        m_out = FakeOutput{};
    }

    void toKana_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kana");
        QTest::newRow("particle wa read as ワ") << u"次は駅前です"_s << u"ツギワエキマエデス"_s;
        QTest::newRow("full-width Latin spelled") << u"ＪＲ"_s << u"ジェイアール"_s;
        QTest::newRow("lower-case Latin spelled") << u"abc"_s << u"エービーシー"_s;
        QTest::newRow("punctuation stays")
            << u"次は、終点です。"_s << u"ツギワ、シューテンデス。"_s;
    }
    void toKana()
    {
        QFETCH(QString, text);
        QTEST(m_engine->reader().toKana(text), "kana");
    }

    void userReadingsReplaceTheAnalyser()
    {
        QTemporaryDir dir;
        QFile f(dir.filePath(u"readings.csv"_s));
        QVERIFY(test::writeFile(f.fileName(),
                                sjis::fromUnicode(u"# 停留所の読み\r\n上大岡,かみおおおか\r\n"
                                                  u"大岡,ダイオカ\r\nno comma line\r\n")));
        m_engine->SetReadingsFile(f.fileName());
        QCOMPARE(m_engine->reader().toKana(u"次は上大岡です"_s), u"ツギワカミオオオカデス"_s);
        QCOMPARE(m_engine->reader().toKana(u"大岡"_s), u"ダイオカ"_s);
        // A file over its limit is not read, and the readings go.
        QVERIFY(f.open(QIODevice::Append) && f.resize(readings_limits::MaxFileBytes + 1));
        f.close();
        m_engine->SetReadingsFile(f.fileName());
        QVERIFY(m_engine->reader().toKana(u"大岡"_s) != u"ダイオカ");
    }

    void statusValues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("outputAccepts");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("plays");
        QTest::newRow("speaking") << u"次は駅前です"_s << true << int(SpeechSpeaking) << 1;
        QTest::newRow("empty text ends at once") << QString() << true << int(SpeechIdle) << 0;
        QTest::newRow("playback refused") << u"発車します"_s << false << int(SpeechFailed) << 1;
    }
    void statusValues()
    {
        QFETCH(QString, text);
        QFETCH(bool, outputAccepts);
        m_out.accept = outputAccepts;
        m_engine->Speak(text);
        QTEST(int(m_engine->Status()), "status");
        QTEST(m_out.plays, "plays");
        if (outputAccepts && m_out.plays)
            QVERIFY(m_out.last.size() > size_t(m_engine->sampleRate() / 4)); // audible length
        m_engine->Stop();
        QCOMPARE(m_engine->Status(), qint32(SpeechIdle));
    }

    void voiceDialogKeepsValuesOnOkAndRestoresOnCancel_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("ok keeps") << true;
        QTest::newRow("cancel restores") << false;
    }
    void voiceDialogKeepsValuesOnOkAndRestoresOnCancel()
    {
        QFETCH(bool, ok);
        const VoiceSettings before = m_engine->settings();
        std::unique_ptr<SpeechEngine> appEngine = createSpeechEngine(m_out);
        QVERIFY(appEngine);
        auto* engine = static_cast<EspeakSpeech*>(appEngine.get());
        QString title;
        test::answerModal([&](QWidget* w) {
            title = w->windowTitle();
            w->findChild<QComboBox*>(u"cboVoice"_s)->setCurrentIndex(1);
            w->findChild<QSlider*>(u"sldSpeed"_s)->setValue(300);
            w->findChild<QSlider*>(u"sldPitch"_s)->setValue(70);
            w->findChild<QSlider*>(u"sldVolume"_s)->setValue(150);
            w->findChild<QPushButton*>(u"cmdTest"_s)->click();
            auto* box = w->findChild<QDialogButtonBox*>(u"buttons"_s);
            box->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        });
        engine->ShowSettingsDlg(nullptr, u"音声の調節"_s);
        QCOMPARE(title, u"音声の調節"_s);
        QCOMPARE(m_out.plays, 1); // the test button read the sample
        const VoiceSettings expected =
            ok ? VoiceSettings{EspeakSpeech::voices()[1].first, 300, 70, 150} : before;
        QCOMPARE(engine->settings(), expected);
    }
};

LUMENA_TEST_MAIN(TestSpeech)
#include "tst_speech.moc"
