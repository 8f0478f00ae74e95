// The window fed text no lottery player types on purpose: control characters,
// NUL, characters outside GBK, bidirectional and combining marks, megabytes.
// Every command must keep working and agree with the engine on the same bytes.
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>

#include "process.h"
#include "reference.h"
#include "u_main.h"
#include "uitest.h"

using namespace vostrel;
using namespace vostrel::test;

namespace {

const QChar kNul(0);

QString FiveMegabytes(const QString &piece)
{
    QString text;
    text.reserve((5 << 20) + piece.size());
    while (text.size() < (5 << 20))
        text += piece;
    return text;
}

QByteArray Latin(const QString &ascii)
{
    return ascii.toLatin1();
}

} // namespace

class HostileTest : public QObject {
    Q_OBJECT

private:
    TWindowSession<TScriptedSaveWindow> session;
    std::unique_ptr<TScriptedSaveWindow> &window = session.window;

    QLineEdit *edit(const char *name) { return Find<QLineEdit>(window.get(), name); }
    QPlainTextEdit *box() { return Find<QPlainTextEdit>(window.get(), "memcode"); }

private slots:
    void init() { session.Open(); }
    void cleanup() { session.Close(); }

    // What the fields hold, and the GBK bytes the engine must see for them.
    void filterSeesTheGbkBytes_data()
    {
        QTest::addColumn<QString>("kill");
        QTest::addColumn<QByteArray>("killBytes");
        QTest::addColumn<QString>("banker");
        QTest::addColumn<QByteArray>("bankerBytes");
        QTest::newRow("control characters") << QStringLiteral("\t1\x01"
                                                              "2\r")
                                            << QByteArray("\t1\x01"
                                                          "2\r")
                                            << QStringLiteral("\x1f"
                                                              "5\x7f")
                                            << QByteArray("\x1f"
                                                          "5\x7f");
        QTest::newRow("NUL") << (QStringLiteral("1") + kNul + QStringLiteral("2 34"))
                             << QByteArray("1\0"
                                           "2 34",
                                           6)
                             << (kNul + QStringLiteral("5"))
                             << QByteArray("\0"
                                           "5",
                                           2);
        QTest::newRow("outside GBK") << QStringLiteral("1😀2 9\u05d09") << QByteArray("1?2 9?9")
                                     << QStringLiteral("😀") << QByteArray("?");
        QTest::newRow("bidi and combining")
            << QStringLiteral("\u202e12\u202c 4\u03015") << QByteArray("?12? 4?5")
            << QStringLiteral("5\u0301") << QByteArray("5?");
        QTest::newRow("Chinese") << QStringLiteral("杀12")
                                 << QByteArray("\xC9\xB1"
                                               "12")
                                 << QStringLiteral("胆") << QByteArray("\xB5\xA8");
        QTest::newRow("5 MB kill text")
            << FiveMegabytes(QStringLiteral("13 57 \u00e9"))
            << Latin(FiveMegabytes(QStringLiteral("13 57 ?"))) << QStringLiteral("5") << QByteArray("5");
    }

    void filterSeesTheGbkBytes()
    {
        QFETCH(QString, kill);
        QFETCH(QByteArray, killBytes);
        QFETCH(QString, banker);
        QFETCH(QByteArray, bankerBytes);
        // The big text arrives the way users bring it: pasted.
        QGuiApplication::clipboard()->setText(kill);
        edit("edtreima")->setFocus();
        QTest::keyClick(edit("edtreima"), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit("edtreima")->text().size(), kill.size());
        edit("edtdanma")->setText(banker);
        TypeInto(edit("edtcode"), "123");
        QTest::keyClick(edit("edtcode"), Qt::Key_Return);

        const std::string expected =
            reference::Results({1, 2, 3}, killBytes.toStdString(), bankerBytes.toStdString());
        const auto count = expected.size() / 4;
        QCOMPARE(box()->toPlainText().toStdString(), expected);
        QCOMPARE(Find<QLabel>(window.get(), "lbljushu")->text(), QStringLiteral("缩水结果：%1注").arg(count));
        QCOMPARE(QGuiApplication::clipboard()->text().toStdString(), expected);
        QCOMPARE(edit("edtreima")->text(), QString());
    }

    void hostileDrawTextsAskAgain_data()
    {
        QTest::addColumn<QString>("draw");
        QTest::newRow("NUL inside") << (QStringLiteral("1") + kNul + QStringLiteral("2"));
        QTest::newRow("full-width digits") << QStringLiteral("１２３");
        QTest::newRow("combining mark") << QStringLiteral("12\u0301");
        QTest::newRow("right-to-left mark") << QStringLiteral("\u202e12");
        QTest::newRow("tab inside") << QStringLiteral("1\t2");
        QTest::newRow("Chinese") << QStringLiteral("中1");
        QTest::newRow("5 MB") << FiveMegabytes(QStringLiteral("1"));
    }

    void hostileDrawTextsAskAgain()
    {
        QFETCH(QString, draw);
        edit("edtcode")->setText(draw);
        const TModalSeen seen = ExpectModal([&] { QTest::keyClick(edit("edtcode"), Qt::Key_Return); });
        QCOMPARE(seen.text, QStringLiteral("请输入三位数上期开奖号码"));
        QCOMPARE(edit("edtcode")->text(), QString());
        // Still usable afterwards.
        TypeInto(edit("edtcode"), "000");
        QTest::keyClick(edit("edtcode"), Qt::Key_Return);
        QCOMPARE(box()->toPlainText().size(), 3108);
    }

    void hostileBoxCheckCopyAndSave_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("NUL and controls") << (QStringLiteral("123") + kNul + QStringLiteral("\x01 555 \t"))
                                          << QByteArray("123\0\x01 555 \t", 11);
        QTest::newRow("outside GBK") << QStringLiteral("😀123 \u05d0") << QByteArray("?123 ?");
        QTest::newRow("bidi and combining") << QStringLiteral("\u202e123 4\u0301") << QByteArray("?123 4?");
        QTest::newRow("5 MB") << FiveMegabytes(QStringLiteral("000 999 "))
                              << Latin(FiveMegabytes(QStringLiteral("000 999 ")));
    }

    void hostileBoxCheckCopyAndSave()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        box()->setPlainText(text);

        for (const char *typed : {"123 ", "999 ", "555 "}) {
            edit("edtcode")->clear();
            TypeInto(edit("edtcode"), typed);
            const bool hit = bytes.contains(typed);
            QCOMPARE(edit("edtdj")->text(), hit ? QStringLiteral("中") : QStringLiteral("X"));
        }

        QTest::mouseClick(Find<QPushButton>(window.get(), "btncopy"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), text);

        TTempDir dir;
        window->answer = QString::fromStdString(dir / "saved.txt");
        const TModalSeen seen = ExpectModal(
            [&] { QTest::mouseClick(Find<QPushButton>(window.get(), "btnsave"), Qt::LeftButton); });
        QCOMPARE(seen.text, QStringLiteral("成功保存！"));
        QCOMPARE(QByteArray::fromStdString(ReadFileBytes(dir / "saved.txt")), bytes);
    }

    void hostileCheckFieldIsOverwritten()
    {
        edit("edtdj")->setText(kNul + QStringLiteral("😀\u202e"));
        QCOMPARE(edit("edtdj")->text(), QString()); // the box is empty
    }
};

VOSTREL_UI_TEST_MAIN(HostileTest)
#include "hostile_test.moc"
