// The real host: its wait lets windows paint but holds user input back until
// the wait is over, and its message box carries the application's title.

#include "reslib/SystemHost.h"
#include "tests/common/ModalAnswer.h"
#include "tests/common/TestSupport.h"

#include <QWidget>
#include <qpa/qwindowsysteminterface.h>

using namespace lumena;
using namespace Qt::StringLiterals;

namespace {

class Recorder final : public QWidget {
public:
    QStringList log;

protected:
    void paintEvent(QPaintEvent*) override { log << u"paint"_s; }
    void keyPressEvent(QKeyEvent*) override { log << u"key"_s; }
    void mousePressEvent(QMouseEvent*) override { log << u"mouse"_s; }
};

} // namespace

class TestSystemHost : public QObject {
    Q_OBJECT
private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void waitPaintsButHoldsInputBack()
    {
        Recorder w;
        w.resize(40, 40);
        w.show();
        QCoreApplication::processEvents();
        QVERIFY(w.windowHandle()->isExposed());
        w.log.clear();

        // Queued as the window system queues a user's key or click.
        using Queued = QWindowSystemInterface::AsynchronousDelivery;
        QWindowSystemInterface::handleKeyEvent<Queued>(w.windowHandle(), QEvent::KeyPress,
                                                       Qt::Key_A, Qt::NoModifier);
        QWindowSystemInterface::handleMouseEvent<Queued>(
            w.windowHandle(), QPointF(5, 5), w.mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
            Qt::LeftButton, QEvent::MouseButtonPress);
        w.update();
        SystemHost().wait(10);
        QCOMPARE(w.log, QStringList{u"paint"_s});

        QCoreApplication::processEvents();
        QCOMPARE(w.log, (QStringList{u"paint"_s, u"key"_s, u"mouse"_s}));
    }

    void messageBoxHasTheApplicationsTitleAndOnlyOk()
    {
        QCoreApplication::setApplicationName(u"LM-50"_s);
        QString shown;
        test::answerModal([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box && box->icon() == QMessageBox::NoIcon);
            shown = box->windowTitle() + u'|' + box->text();
            QCOMPARE(box->buttons().size(), 1);
            box->button(QMessageBox::Ok)->click();
        });
        SystemHost().message(u"ファイルが見つかりません。"_s);
        QCOMPARE(shown, u"LM-50|ファイルが見つかりません。"_s);
    }
};

LUMENA_TEST_MAIN(TestSystemHost)
#include "tst_system_host.moc"
