// Shared helpers of the window tests: finding controls, answering modal boxes
// with a timeout, and a main() that runs offscreen by default.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include <functional>
#include <memory>

#include "u_main.h"

namespace vostrel::test {

// The real window with the file dialog answered by the test, for the paths no
// dialog offers (a folder's name, a missing folder) and for speed.
class TScriptedSaveWindow : public Tfrmmain {
public:
    QString answer; // empty: the user cancels

protected:
    QString ExecuteSaveDialog() override { return answer; }
};

// What a modal box showed before the helper closed it.
struct TModalSeen {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    bool busyCursor = false; // whether the busy cursor was set while it showed
    QString className;
};

// Runs trigger, which is expected to open a modal box, records the box and
// answers it with respond (by default: presses its first button). Fails the
// running test if no box opens within the timeout, instead of hanging.
TModalSeen ExpectModal(const std::function<void()> &trigger,
                       const std::function<void(QWidget *)> &respond = {}, int timeoutMs = 5000);

// The same for a trigger that opens several boxes one after the other, such as
// a file dialog followed by a message: one responder per box, in order (an
// empty responder presses the first button).
QList<TModalSeen> ExpectModals(const std::function<void()> &trigger,
                               const QList<std::function<void(QWidget *)>> &responders, int timeoutMs = 5000);

// Closes any modal box that appears without being expected, so a wrong
// dialog fails the test instead of blocking it. Count() tells how many.
class TUnexpectedModalGuard : public QObject {
public:
    TUnexpectedModalGuard();
    int Count() const { return count_; }
    QString Last() const { return last_; }

private:
    int count_ = 0;
    QString last_;
};

// The window of one test and the guard against stray boxes: Open() in init(),
// Close() in cleanup(), which fails the test on a stray box or a busy cursor
// left set.
template <typename Window> class TWindowSession {
public:
    void Open()
    {
        guard = std::make_unique<TUnexpectedModalGuard>();
        window = std::make_unique<Window>();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    void Close()
    {
        const int stray = guard ? guard->Count() : 0;
        const bool busy = QGuiApplication::overrideCursor() != nullptr;
        window.reset();
        guard.reset();
        QCOMPARE(stray, 0);
        QVERIFY(!busy);
    }

    std::unique_ptr<TUnexpectedModalGuard> guard;
    std::unique_ptr<Window> window;
};

template <typename T> T *Find(QWidget *window, const char *name)
{
    T *widget = window->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no control named %s", name);
    return widget;
}

// Clicks into a field the way a user does, which for some fields empties it.
void ClickInto(QWidget *widget);

// Types text that QTest::keyClicks can type (ASCII); other text must be set.
void TypeInto(QWidget *widget, const QString &text);

void SetOffscreenUnlessSet();

} // namespace vostrel::test

#define VOSTREL_UI_TEST_MAIN(TestClass)                                                                      \
    int main(int argc, char **argv)                                                                          \
    {                                                                                                        \
        vostrel::test::SetOffscreenUnlessSet();                                                              \
        QApplication app(argc, argv);                                                                        \
        QApplication::setApplicationName(QStringLiteral("Vostrel"));                                         \
        TestClass test;                                                                                      \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
