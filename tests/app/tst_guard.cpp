#include "errorbox.h"
#include "guard.h"
#include "lifecycle.h"
#include "messages.h"

#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <stdexcept>

Q_DECLARE_METATYPE(std::function<void()>)

namespace {

struct Shown
{
    messages::Kind kind;
    QString text;
};

// An object whose event handler fails, as a handler not run through guarded() would.
class FailingReceiver : public QObject
{
public:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            throw TovakiError(QStringLiteral("处理失败"));
        return QObject::event(event);
    }
};

} // namespace

class TestGuard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void guardShowsTheFailuresOwnMessage_data();
    void guardShowsTheFailuresOwnMessage();
    void failureEscapingAnEventHandlerIsShownAndTheLoopGoesOn();
    void errorBoxCarriesTitleIconAndOk_data();
    void errorBoxCarriesTitleIconAndOk();
    void noBoxAfterTheEndRequest();

private:
    QList<Shown> m_shown;
    messages::Sink m_previous;
};

void TestGuard::init()
{
    m_shown.clear();
    m_previous = messages::setSink([this](messages::Kind kind, const QString &text) { m_shown.append({kind, text}); });
}

void TestGuard::cleanup()
{
    messages::setSink(m_previous);
    lifecycle::resetEndRequest();
}

void TestGuard::guardShowsTheFailuresOwnMessage_data()
{
    QTest::addColumn<std::function<void()>>("handler");
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<QString>("message");
    QTest::newRow("a handler that succeeds shows nothing") << std::function<void()>([] {}) << true << QString();
    QTest::newRow("our own failure shows its message")
        << std::function<void()>([] { throw TovakiError(QStringLiteral("无法读取文件 x")); }) << false
        << "无法读取文件 x";
    QTest::newRow("a standard exception shows its text")
        << std::function<void()>([] { throw std::runtime_error("range error"); }) << false << "range error";
    QTest::newRow("anything else is still reported") << std::function<void()>([] { throw 42; }) << false << "未知错误";
}

void TestGuard::guardShowsTheFailuresOwnMessage()
{
    QFETCH(std::function<void()>, handler);
    QFETCH(bool, succeeds);
    QFETCH(QString, message);
    QCOMPARE(guarded(handler), succeeds);
    if (succeeds) {
        QVERIFY(m_shown.isEmpty());
    } else {
        QCOMPARE(m_shown.size(), 1);
        QCOMPARE(m_shown[0].kind, messages::Kind::Error);
        QCOMPARE(m_shown[0].text, message);
    }
}

void TestGuard::failureEscapingAnEventHandlerIsShownAndTheLoopGoesOn()
{
    FailingReceiver receiver;
    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
    bool laterEventRan = false;
    QTimer::singleShot(0, [&] { laterEventRan = true; });
    QTRY_VERIFY(laterEventRan);
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown[0].text, QStringLiteral("处理失败"));
}

void TestGuard::errorBoxCarriesTitleIconAndOk_data()
{
    QTest::addColumn<messages::Kind>("kind");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::newRow("a failure has the error icon") << messages::Kind::Error << QMessageBox::Critical;
    QTest::newRow("a fixed message has none") << messages::Kind::Plain << QMessageBox::NoIcon;
}

void TestGuard::errorBoxCarriesTitleIconAndOk()
{
    QFETCH(messages::Kind, kind);
    QFETCH(QMessageBox::Icon, icon);
    installMessageBoxes();
    QString title, text;
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        shownIcon = box->icon();
        buttons = box->standardButtons();
        box->accept();
    });
    messages::show(kind, QStringLiteral("出错了"));
    QCOMPARE(title, QStringLiteral("Tovaki备忘录"));
    QCOMPARE(text, QStringLiteral("出错了"));
    QCOMPARE(shownIcon, icon);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void TestGuard::noBoxAfterTheEndRequest()
{
    installMessageBoxes();
    lifecycle::requestEnd();
    messages::show(messages::Kind::Plain, QStringLiteral("加载记事内容失败！")); // would block if shown
    QVERIFY(QApplication::topLevelWidgets().isEmpty() || !QApplication::activeModalWidget());
}

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    TestGuard test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_guard.moc"
