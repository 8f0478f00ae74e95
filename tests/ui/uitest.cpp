#include "uitest.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QTimer>

namespace vostrel::test {

namespace {

bool expecting = false;

TModalSeen Describe(QWidget *modal)
{
    TModalSeen seen;
    seen.shown = true;
    seen.title = modal->windowTitle();
    seen.className = QString::fromLatin1(modal->metaObject()->className());
    seen.busyCursor = QGuiApplication::overrideCursor() != nullptr;
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton *button : box->buttons())
            seen.buttons << button->text().remove(QLatin1Char('&'));
    }
    return seen;
}

void PressFirstButton(QWidget *modal)
{
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        if (!box->buttons().isEmpty()) {
            box->buttons().constFirst()->click();
            return;
        }
    }
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->reject();
    else
        modal->close();
}

} // namespace

QList<TModalSeen> ExpectModals(const std::function<void()> &trigger,
                               const QList<std::function<void(QWidget *)>> &responders, int timeoutMs)
{
    QList<TModalSeen> seen;
    QWidget *current = nullptr;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            current = nullptr; // the next box may reuse the address of the last
        if (!modal || modal == current || seen.size() >= responders.size())
            return;
        current = modal;
        seen << Describe(modal);
        const auto respond = responders.at(seen.size() - 1);
        // Answer from the event loop, not from inside this timer slot.
        QTimer::singleShot(0, modal,
                           [modal, respond] { respond ? respond(modal) : PressFirstButton(modal); });
    });
    expecting = true;
    poll.start();
    trigger();
    QElapsedTimer clock;
    clock.start();
    while (seen.size() < responders.size() && clock.elapsed() < timeoutMs)
        QTest::qWait(5);
    // Let the last box close before going on.
    while (QApplication::activeModalWidget() && clock.elapsed() < timeoutMs)
        QTest::qWait(5);
    expecting = false;
    if (seen.size() < responders.size())
        QTest::qFail(
            qPrintable(
                QStringLiteral("expected %1 modal boxes, saw %2").arg(responders.size()).arg(seen.size())),
            __FILE__, __LINE__);
    return seen;
}

TModalSeen ExpectModal(const std::function<void()> &trigger, const std::function<void(QWidget *)> &respond,
                       int timeoutMs)
{
    const QList<TModalSeen> seen = ExpectModals(trigger, {respond}, timeoutMs);
    return seen.isEmpty() ? TModalSeen{} : seen.constFirst();
}

TUnexpectedModalGuard::TUnexpectedModalGuard()
{
    auto *poll = new QTimer(this);
    poll->setInterval(50);
    connect(poll, &QTimer::timeout, this, [this] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || expecting)
            return;
        ++count_;
        last_ = Describe(modal).text;
        PressFirstButton(modal);
    });
    poll->start();
}

void ClickInto(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(5, widget->height() / 2));
}

void TypeInto(QWidget *widget, const QString &text)
{
    widget->setFocus();
    QTest::keyClicks(widget, text);
}

void SetOffscreenUnlessSet()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace vostrel::test
