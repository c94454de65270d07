// Japanese speech: text to katakana through MeCab, user readings, the
// espeak-ng engine's status values, and the "音声の調節" dialog.

#include "reslib/ShiftJis.h"
#include "sound/EspeakSpeech.h"
#include "sound/SpeechUi.h"
#include "sound/VoiceDlg.h"
#include "tests/common/TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>

using namespace lumena;

namespace {

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

// Runs `act` on the modal dialog once it is open.
void whenModal(std::function<void(QWidget*)> act)
{
    QTimer::singleShot(0, [act] {
        if (QWidget* w = QApplication::activeModalWidget())
            act(w);
        else
            whenModal(act);
    });
}

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
        QTest::newRow("particle wa read as ワ") << "次は駅前です"
                                                << "ツギワエキマエデス";
        QTest::newRow("Latin spelled") << "JR"
                                       << "ジェイアール";
        QTest::newRow("full-width Latin spelled") << "ＪＲ"
                                                  << "ジェイアール";
        QTest::newRow("lower-case Latin spelled") << "abc"
                                                  << "エービーシー";
        QTest::newRow("digits stay") << "12番"
                                     << "12バン";
        QTest::newRow("punctuation stays") << "次は、終点です。"
                                           << "ツギワ、シューテンデス。";
        QTest::newRow("empty") << ""
                               << "";
    }
    void toKana()
    {
        QFETCH(QString, text);
        QTEST(m_engine->reader().toKana(text), "kana");
    }

    void userReadingsReplaceTheAnalyser()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("readings.csv"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(sjis::fromUnicode(u"# 停留所の読み\r\n上大岡,かみおおおか\r\n大岡,ダイオカ\r\nno "
                                  u"comma line\r\n"));
        f.close();
        m_engine->SetReadingsFile(path);
        QCOMPARE(m_engine->reader().toKana(QStringLiteral("次は上大岡です")),
                 QStringLiteral("ツギワカミオオオカデス"));
        QCOMPARE(m_engine->reader().toKana(QStringLiteral("大岡")), QStringLiteral("ダイオカ"));
        m_engine->SetReadingsFile(dir.filePath(QStringLiteral("missing.csv")));
        QVERIFY(m_engine->reader().toKana(QStringLiteral("大岡")) != u"ダイオカ");
    }

    void statusValues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("outputAccepts");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("plays");
        QTest::newRow("speaking") << "次は駅前です" << true << int(SpeechSpeaking) << 1;
        QTest::newRow("empty text ends at once") << "" << true << int(SpeechIdle) << 0;
        QTest::newRow("playback refused") << "発車します" << false << int(SpeechFailed) << 1;
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
        whenModal([&](QWidget* w) {
            title = w->windowTitle();
            w->findChild<QComboBox*>(QStringLiteral("cboVoice"))->setCurrentIndex(1);
            w->findChild<QSlider*>(QStringLiteral("sldSpeed"))->setValue(300);
            w->findChild<QSlider*>(QStringLiteral("sldPitch"))->setValue(70);
            w->findChild<QSlider*>(QStringLiteral("sldVolume"))->setValue(150);
            w->findChild<QPushButton*>(QStringLiteral("cmdTest"))->click();
            auto* box = w->findChild<QDialogButtonBox*>(QStringLiteral("buttons"));
            box->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        });
        engine->ShowSettingsDlg(nullptr, QStringLiteral("音声の調節"));
        QCOMPARE(title, QStringLiteral("音声の調節"));
        QCOMPARE(m_out.plays, 1); // the test button read the sample
        const VoiceSettings expected =
            ok ? VoiceSettings{EspeakSpeech::voices()[1].first, 300, 70, 150} : before;
        QCOMPARE(engine->settings(), expected);
    }
};

LUMENA_TEST_MAIN(TestSpeech)
#include "tst_speech.moc"
