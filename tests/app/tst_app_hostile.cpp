// The simulator started on hostile settings files, as the program wires it:
// window positions at the ends of the 32-bit range are written back without
// wrapping round, and a FIFO named as the panel picture is refused at start
// with the backlight message instead of blocking start-up for ever.

#include "app/Simulator.h"
#include "board/BoardWindow.h"
#include "panel/PanelRules.h"
#include "panel/PanelWindow.h"
#include "settings/IniCodec.h"
#include "settings/OptionsDialog.h"
#include "tests/common/FakeHost.h"
#include "tests/common/ModalAnswer.h"
#include "tests/common/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <limits>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace lumena;

class TestAppHostile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    test::FakeHost m_host;
    SilentMixer m_mixer;
    std::unique_ptr<Simulator> m_sim;

    IniLocation location() const
    {
        return IniLocation(m_dir.path(), u"lumena"_s, m_dir.filePath(u"config"_s));
    }
    void startWith(const IniData& settings)
    {
        QFile f(m_dir.filePath(u"lumena.in4"_s));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(encodeIni(settings));
        f.close();
        m_sim = std::make_unique<Simulator>(
            Simulator::Setup{m_host, m_mixer, {}, location(), {}, {}, QString()});
        m_sim->start();
    }

private slots:
    void init() { test::failOnUnexpectedWarnings(); }
    void cleanup()
    {
        if (m_sim)
            m_sim->panel().setSessionEnding(true);
        m_sim.reset();
        QFile::remove(m_dir.filePath(u"lumena.in4"_s));
    }

    // Saving once multiplied the pixel position by 15 in int and narrowed it,
    // so a window at the 32-bit minimum came back at a large positive place.
    void windowPositionsAtTheEndsOfTheRangeAreWrittenBackUnwrapped()
    {
        constexpr qint32 lowest = std::numeric_limits<qint32>::min();
        constexpr qint32 highest = std::numeric_limits<qint32>::max();
        IniData in;
        in.FormInfo.FormLeft = lowest;
        in.FormInfo.FormTop = highest;
        in.CtrlDataInfo.CtrlLeft = lowest;
        in.CtrlDataInfo.CtrlTop = highest;
        startWith(in);
        IniData out;
        QVERIFY(
            SaveIni(out, location(), {m_sim->options(), m_sim->panel(), m_sim->board()}, m_host));
        QFile f(m_dir.filePath(u"lumena.in4"_s));
        QVERIFY(f.open(QIODevice::ReadOnly));
        IniData back;
        Error error;
        QVERIFY(decodeIni(f.readAll(), back, error));
        // Where the platform kept the windows there, the ends come back;
        // either way nothing wraps to the other end.
        QVERIFY2(back.FormInfo.FormLeft <= 0, qPrintable(QString::number(back.FormInfo.FormLeft)));
        QVERIFY2(back.FormInfo.FormTop >= 0, qPrintable(QString::number(back.FormInfo.FormTop)));
        QVERIFY(back.CtrlDataInfo.CtrlLeft <= 0);
        QVERIFY(back.CtrlDataInfo.CtrlTop >= 0);
        QVERIFY(m_host.messages.isEmpty());
    }

    // The panel pictures are a FIFO: opening one would wait for a writer for
    // ever, at start when the settings are applied.
    void fifoAsThePanelPictureIsRefusedAtStart()
    {
        const QString fifo = m_dir.filePath(u"panel.bmp"_s);
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        IniData in;
        in.PanelInfo.PanelAuto = 0;
        in.PanelInfo.PanelManual = -1;
        in.PanelInfo.PanelOffBuiltIn = in.PanelInfo.PanelOn1BuiltIn = 0;
        in.PanelInfo.PanelOn2BuiltIn = 0;
        in.PanelInfo.PanelOffUser = in.PanelInfo.PanelOn1User = in.PanelInfo.PanelOn2User = -1;
        in.PanelInfo.PanelOffFile = in.PanelInfo.PanelOn1File = in.PanelInfo.PanelOn2File = fifo;
        ModalAnswerer answerer;
        startWith(in);
        QVERIFY(!answerer.texts.isEmpty());
        for (const QString& text : answerer.texts)
            QVERIFY(text.contains(u"エラーコード：75"_s) && text.endsWith(u'\n' + fifo));
        QVERIFY(m_sim->board().isVisible());
        QFile::remove(fifo);
    }
};

LUMENA_TEST_MAIN(TestAppHostile)
#include "tst_app_hostile.moc"
