// The main window driven as a user drives it: typing, clicks, Enter, Tab.
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>

#include <memory>

#include "u_main.h"
#include "uitest.h"

using namespace vostrel;
using namespace vostrel::test;

class WindowTest : public QObject {
    Q_OBJECT

private:
    TWindowSession<Tfrmmain> session;
    std::unique_ptr<Tfrmmain> &window = session.window;

    QLineEdit *edit(const char *name) { return Find<QLineEdit>(window.get(), name); }
    QLabel *label(const char *name) { return Find<QLabel>(window.get(), name); }
    QPushButton *button(const char *name) { return Find<QPushButton>(window.get(), name); }
    QPlainTextEdit *box() { return Find<QPlainTextEdit>(window.get(), "memcode"); }

    // A whole filter run as a user does it: type the three fields, press Enter.
    void filter(const QString &draw, const QString &kill = {}, const QString &banker = {})
    {
        TypeInto(edit("edtcode"), draw);
        TypeInto(edit("edtreima"), kill);
        TypeInto(edit("edtdanma"), banker);
        QTest::keyClick(edit("edtdanma"), Qt::Key_Return);
    }

private slots:
    void init()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
        session.Open();
    }

    void cleanup() { session.Close(); }

    void layout_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        auto row = [](const char *name, const char *cls, QRect r, const QString &text) {
            QTest::newRow(name) << QString::fromLatin1(cls) << r << text;
        };
        row("lbljushu", "QLabel", {16, 8, 137, 13}, QStringLiteral("缩水结果："));
        row("memcode", "QPlainTextEdit", {16, 24, 249, 337}, {});
        row("Label5", "QLabel", {312, 180, 41, 13}, QStringLiteral("杀二码："));
        row("edtreima", "QLineEdit", {360, 176, 73, 21}, {});
        row("Label1", "QLabel", {320, 208, 33, 13}, QStringLiteral("胆码"));
        row("edtdanma", "QLineEdit", {360, 204, 73, 21}, {});
        row("lblkj", "QLabel", {296, 248, 73, 13}, QStringLiteral("上期开奖："));
        row("Label2", "QLabel", {400, 248, 33, 13}, QStringLiteral("对奖"));
        row("edtcode", "QLineEdit", {296, 264, 73, 21}, {});
        row("edtdj", "QLineEdit", {392, 264, 73, 21}, {});
        row("btnfilt", "QPushButton", {296, 296, 75, 25}, QStringLiteral("过滤"));
        row("btnsave", "QPushButton", {392, 296, 75, 25}, QStringLiteral("保存"));
        row("btncopy", "QPushButton", {296, 336, 75, 25}, QStringLiteral("复制"));
        row("btnclose", "QPushButton", {392, 336, 73, 25}, QStringLiteral("退出"));
        row("edtcopy", "QLineEdit", {394, 24, 73, 21}, {});
    }

    void layout()
    {
        QFETCH(QString, className);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QWidget *control = Find<QWidget>(window.get(), QTest::currentDataTag());
        QVERIFY(control->inherits(className.toLatin1()));
        QCOMPARE(control->geometry(), geometry);
        QString shown;
        if (auto *l = qobject_cast<QLabel *>(control))
            shown = l->text();
        else if (auto *e = qobject_cast<QLineEdit *>(control))
            shown = e->text();
        else if (auto *b = qobject_cast<QPushButton *>(control))
            shown = b->text();
        else if (auto *m = qobject_cast<QPlainTextEdit *>(control))
            shown = m->toPlainText();
        QCOMPARE(shown, text);

        // Resizing and maximising move nothing.
        window->resize(800, 700);
        window->showMaximized();
        QTest::qWait(10);
        QCOMPARE(control->geometry(), geometry);
    }

    void windowItself()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Vostrel"));
        QVERIFY(window->windowIcon().availableSizes().contains(QSize(48, 48)));
        QCOMPARE(window->frameGeometry().size(), QSize(507, 403));
        QVERIFY(!edit("edtcopy")->isVisible());
        QCOMPARE(QApplication::focusWidget(), edit("edtcode"));
        QCOMPARE(box()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(box()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(!box()->isReadOnly());
    }

    void tabOrder()
    {
        const QStringList expected = {"memcode",  "btnfilt",  "btncopy", "btnclose", "edtdj",
                                      "edtdanma", "edtreima", "btnsave", "edtcode"};
        QStringList visited;
        for (int i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    void filterWorkedExample()
    {
        // The busy cursor shows while the results are copied, and only then.
        bool busyWhileCopying = false;
        QObject scope; // ends the connection with this test
        connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, &scope,
                [&] { busyWhileCopying = QGuiApplication::overrideCursor() != nullptr; });

        filter("123", "12", "5");

        const QString text = box()->toPlainText();
        QVERIFY(text.startsWith("005 015 025 035 045 051 "));
        QCOMPARE(text.size(), 183 * 4);
        QCOMPARE(label("lbljushu")->text(), QStringLiteral("缩水结果：183注"));
        QCOMPARE(label("lblkj")->text(), QStringLiteral("上期：123"));
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
        QVERIFY(busyWhileCopying);
        for (const char *field : {"edtcode", "edtreima", "edtdanma"})
            QCOMPARE(edit(field)->text(), QString());
        QCOMPARE(QApplication::focusWidget(), edit("edtcode"));
    }

    void filterAgainIgnoresEarlierTexts()
    {
        filter("123");
        const QString plain = box()->toPlainText();
        filter("123", "0123456789", "7");
        QVERIFY(box()->toPlainText() != plain);
        filter("123");
        QCOMPARE(box()->toPlainText(), plain);
    }

    void bankerOfLettersEmptiesEverything()
    {
        filter("123");
        TypeInto(edit("edtdj"), "x"); // stays: the results are not empty
        QCOMPARE(edit("edtdj")->text(), QStringLiteral("x"));
        filter("123", {}, "abc");
        QCOMPARE(box()->toPlainText(), QString());
        QCOMPARE(label("lbljushu")->text(), QStringLiteral("缩水结果：0注"));
        QCOMPARE(edit("edtdj")->text(), QString());
    }

    void badDrawAsksAgain_data()
    {
        QTest::addColumn<QString>("draw");
        QTest::newRow("two digits") << "12";
        QTest::newRow("four digits") << "1234";
        QTest::newRow("letters") << "abc";
        QTest::newRow("empty") << "";
        QTest::newRow("trailing blank") << "12 ";
    }

    void badDrawAsksAgain()
    {
        QFETCH(QString, draw);
        filter("000");
        const QString results = box()->toPlainText();
        QGuiApplication::clipboard()->setText(QStringLiteral("mine"));
        TypeInto(edit("edtreima"), "12");
        TypeInto(edit("edtdanma"), "5");
        TypeInto(edit("edtcode"), draw);

        const TModalSeen seen = ExpectModal([&] { QTest::keyClick(edit("edtcode"), Qt::Key_Return); });
        QVERIFY(seen.shown);
        QCOMPARE(seen.text, QStringLiteral("请输入三位数上期开奖号码"));
        QCOMPARE(seen.title, QStringLiteral("Vostrel"));
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QCOMPARE(seen.buttons, QStringList{QStringLiteral("确定")});

        QCOMPARE(edit("edtcode")->text(), QString());
        QTRY_COMPARE(QApplication::focusWidget(), edit("edtcode"));
        QCOMPARE(box()->toPlainText(), results);
        QCOMPARE(label("lblkj")->text(), QStringLiteral("上期：000"));
        QCOMPARE(edit("edtreima")->text(), QStringLiteral("12"));
        QCOMPARE(edit("edtdanma")->text(), QStringLiteral("5"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("mine"));
    }

    void conversionErrorNamesTheCharacter_data()
    {
        QTest::addColumn<QString>("draw");
        QTest::addColumn<QString>("named");
        QTest::newRow("leading blank") << " 12"
                                       << " ";
        QTest::newRow("minus") << "-12"
                               << "-";
        QTest::newRow("plus") << "+12"
                              << "+";
        QTest::newRow("dollar hex") << "$1F"
                                    << "$";
        QTest::newRow("x hex") << "x1F"
                               << "x";
        QTest::newRow("0x hex") << "0x1"
                                << "x";
    }

    void conversionErrorNamesTheCharacter()
    {
        QFETCH(QString, draw);
        QFETCH(QString, named);
        TypeInto(edit("edtreima"), "12");
        TypeInto(edit("edtcode"), draw);
        const TModalSeen seen = ExpectModal([&] { ClickButton("btnfilt"); });
        QVERIFY(seen.shown);
        QCOMPARE(seen.text, QStringLiteral("'%1' 不是一个有效的整形值.").arg(named));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.title, QStringLiteral("Vostrel"));
        QVERIFY(!seen.busyCursor);
        QCOMPARE(edit("edtcode")->text(), draw);
        QCOMPARE(edit("edtreima")->text(), QStringLiteral("12"));
        QCOMPARE(box()->toPlainText(), QString());
        QCOMPARE(label("lbljushu")->text(), QStringLiteral("缩水结果："));

        // The program goes on: the next run works.
        ClickInto(edit("edtcode"));
        ClickInto(edit("edtreima"));
        filter("000");
        QCOMPARE(box()->toPlainText().size(), 3108);
    }

    void drawCheck_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("check");
        QTest::newRow("listed number and blank") << "123 "
                                                 << "中";
        QTest::newRow("blank and listed number") << " 123"
                                                 << "中";
        QTest::newRow("unlisted number") << "555 "
                                         << "X";
        QTest::newRow("four digits") << "1234"
                                     << "X";
        QTest::newRow("three characters") << "123"
                                          << "";
        QTest::newRow("five characters") << "123 4"
                                         << "中"; // the result of "123 " stays
    }

    void drawCheck()
    {
        QFETCH(QString, typed);
        QFETCH(QString, check);
        filter("123");
        TypeInto(edit("edtcode"), typed);
        QCOMPARE(edit("edtdj")->text(), check);
    }

    void drawCheckOnlyWhenTheBlankIsTyped()
    {
        filter("123");
        TypeInto(edit("edtcode"), "123");
        QCOMPARE(edit("edtdj")->text(), QString());
        QTest::keyClick(edit("edtcode"), Qt::Key_Space);
        QCOMPARE(edit("edtdj")->text(), QStringLiteral("中"));
    }

    void checkFieldWithEmptyBoxEmptiesItself()
    {
        TypeInto(edit("edtdj"), "abc");
        QCOMPARE(edit("edtdj")->text(), QString());
        box()->setPlainText(QStringLiteral(" \n\n "));
        TypeInto(edit("edtdj"), "abc");
        QCOMPARE(edit("edtdj")->text(), QString());
    }

    void checkFollowsEditsOfTheBox()
    {
        filter("123");
        box()->selectAll();
        TypeInto(box(), "777 ");
        TypeInto(edit("edtcode"), "777 ");
        QCOMPARE(edit("edtdj")->text(), QStringLiteral("中"));
    }

    void clickEmptiesButTabDoesNot_data()
    {
        QTest::addColumn<QString>("field");
        QTest::newRow("draw") << "edtcode";
        QTest::newRow("kill pairs") << "edtreima";
        QTest::newRow("banker") << "edtdanma";
    }

    void clickEmptiesButTabDoesNot()
    {
        QFETCH(QString, field);
        QLineEdit *target = edit(field.toLatin1());
        target->setText(QStringLiteral("12"));
        edit("edtdj")->setFocus();
        // Tab around until the field has the focus: it keeps its text.
        for (int i = 0; i < 10 && QApplication::focusWidget() != target; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), target);
        QCOMPARE(target->text(), QStringLiteral("12"));
        ClickInto(target);
        QCOMPARE(target->text(), QString());
    }

    void clickIntoDrawKeepsTheCheck()
    {
        filter("123");
        TypeInto(edit("edtcode"), "123 ");
        QCOMPARE(edit("edtdj")->text(), QStringLiteral("中"));
        ClickInto(edit("edtcode"));
        QCOMPARE(edit("edtcode")->text(), QString());
        QCOMPARE(edit("edtdj")->text(), QStringLiteral("中"));
    }

    void copyTakesTheEditedBox()
    {
        filter("000");
        box()->moveCursor(QTextCursor::End);
        TypeInto(box(), "tail");
        QTest::keyClick(box(), Qt::Key_Return); // Enter in the box is a new line
        TypeInto(box(), "more");
        box()->insertPlainText(QStringLiteral("\u00a0中"));
        QGuiApplication::clipboard()->setText(QStringLiteral("old"));
        ClickButton("btncopy");
        const QString text = QGuiApplication::clipboard()->text();
        QVERIFY(text.endsWith(QStringLiteral("994 tail\nmore\u00a0中")));
        QCOMPARE(text.size(), 3108 + 11);
    }

    void copyOfEmptyBoxEmptiesTheClipboard()
    {
        ClickButton("btncopy");
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    }

    void enterRunsTheFilter_data()
    {
        QTest::addColumn<QString>("field");
        QTest::newRow("draw") << "edtcode";
        QTest::newRow("check") << "edtdj";
        QTest::newRow("kill pairs") << "edtreima";
        QTest::newRow("banker") << "edtdanma";
    }

    void enterRunsTheFilter()
    {
        QFETCH(QString, field);
        TypeInto(edit("edtcode"), "000");
        QTest::keyClick(edit(field.toLatin1()), Qt::Key_Return);
        QCOMPARE(label("lbljushu")->text(), QStringLiteral("缩水结果：777注"));
    }

    void enterInBoxIsANewLine()
    {
        TypeInto(edit("edtcode"), "000");
        box()->setFocus();
        QTest::keyClick(box(), Qt::Key_Return);
        QCOMPARE(box()->toPlainText(), QStringLiteral("\n"));
        QCOMPARE(label("lbljushu")->text(), QStringLiteral("缩水结果："));
    }

    void enterOnAFocusedButtonPressesIt()
    {
        filter("000");
        button("btncopy")->setFocus();
        QGuiApplication::clipboard()->setText(QStringLiteral("old"));
        QTest::keyClick(button("btncopy"), Qt::Key_Return);
        QCOMPARE(QGuiApplication::clipboard()->text().size(), 3108);
    }

    void exitClosesTheWindow()
    {
        ClickButton("btnclose");
        QVERIFY(!window->isVisible());
    }

private:
    void ClickButton(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
};

VOSTREL_UI_TEST_MAIN(WindowTest)
#include "window_test.moc"
