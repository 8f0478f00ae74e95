// Saving the results box: the real file dialog, real files, and the failures
// that must never cost the user an earlier file.
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <csignal>
#include <memory>
#include <sys/resource.h>

#include "process.h"
#include "reference.h"
#include "u_main.h"
#include "u_public.h"
#include "uitest.h"

using namespace vostrel;
using namespace vostrel::test;

namespace {

const QString kSaved = QStringLiteral("成功保存！");

std::string DrawZeroText()
{
    return reference::Results({0, 0, 0});
}

} // namespace

class SaveTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TTempDir> dir;
    TWindowSession<TScriptedSaveWindow> session;
    std::unique_ptr<TScriptedSaveWindow> &window = session.window;
    QString desktop;

    QPlainTextEdit *box() { return Find<QPlainTextEdit>(window.get(), "memcode"); }
    QPushButton *saveButton() { return Find<QPushButton>(window.get(), "btnsave"); }
    QString path(const char *name) { return QString::fromStdString(*dir / name); }

    void filter(const char *draw)
    {
        TypeInto(Find<QLineEdit>(window.get(), "edtcode"), QString::fromLatin1(draw));
        QTest::keyClick(Find<QLineEdit>(window.get(), "edtcode"), Qt::Key_Return);
    }

    // Saves through the scripted dialog; returns what the boxes said.
    QList<TModalSeen> saveTo(const QString &file, int boxes = 1)
    {
        window->answer = file;
        QList<std::function<void(QWidget *)>> responders;
        for (int i = 0; i < boxes; ++i)
            responders << std::function<void(QWidget *)>{};
        return ExpectModals([&] { QTest::mouseClick(saveButton(), Qt::LeftButton); }, responders);
    }

    static void typeIntoDialog(QWidget *modal, const QString &name)
    {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY(dialog);
        auto *nameEdit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(nameEdit);
        QTest::keyClicks(nameEdit, name);
        QTest::keyClick(nameEdit, Qt::Key_Return);
    }

private slots:
    void init()
    {
        dir = std::make_unique<TTempDir>();
        // A desktop folder of our own, announced the way the desktop does it.
        QDir().mkpath(path("config"));
        QDir().mkpath(path("Desk top"));
        desktop = path("Desk top");
        WriteFileBytes(*dir / "config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"" + desktop.toStdString() + "\"\n");
        qputenv("XDG_CONFIG_HOME", path("config").toUtf8());

        session.Open();
    }

    void cleanup()
    {
        session.Close();
        dir.reset();
    }

    void desktopFolderComesFromTheUserDirectories()
    {
        QCOMPARE(GetShellFolder(QStringLiteral("Desktop")), desktop);
        QDir(desktop).removeRecursively();
        QCOMPARE(GetShellFolder(QStringLiteral("Desktop")), QString());
        QCOMPARE(GetShellFolder(QStringLiteral("NoSuchFolder")), QString());
    }

    void realDialogSavesOnTheDesktop()
    {
        // Replace the scripted dialog by the real one for this test.
        auto real = std::make_unique<Tfrmmain>();
        real->show();
        QVERIFY(QTest::qWaitForWindowExposed(real.get()));
        TypeInto(Find<QLineEdit>(real.get(), "edtcode"), "000");
        QTest::keyClick(Find<QLineEdit>(real.get(), "edtcode"), Qt::Key_Return);
        auto *save = Find<QPushButton>(real.get(), "btnsave");

        QStringList filters;
        QString directory, defaultSuffix, typedName;
        bool overwritePrompt = true;
        auto inspectAndType = [&](QWidget *modal, const QString &name) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            QVERIFY(dialog);
            filters = dialog->nameFilters();
            directory = dialog->directory().absolutePath();
            defaultSuffix = dialog->defaultSuffix();
            typedName = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text();
            overwritePrompt = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
            QCOMPARE(dialog->selectedNameFilter(), QStringLiteral("文本文件(*.txt)"));
            typeIntoDialog(modal, name);
        };

        // A name without .txt gets it.
        QList<TModalSeen> seen = ExpectModals([&] { QTest::mouseClick(save, Qt::LeftButton); },
                                              {[&](QWidget *m) { inspectAndType(m, "results"); }, {}});
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[0].className, QStringLiteral("QFileDialog"));
        QVERIFY(!seen[0].title.isEmpty()); // the toolkit's own title for saving
        QCOMPARE(seen[1].text, kSaved);
        QCOMPARE(filters, QStringList{QStringLiteral("文本文件(*.txt)")});
        QCOMPARE(directory, desktop);
        QCOMPARE(defaultSuffix, QStringLiteral("txt"));
        QCOMPARE(typedName, QString());
        QVERIFY(!overwritePrompt);
        QCOMPARE(ReadFileBytes(desktop.toStdString() + "/results.txt"), DrawZeroText());

        // The next Save starts on the desktop with an empty name again, and
        // replaces the file without a question.
        QDir().mkpath(path("elsewhere"));
        seen = ExpectModals([&] { QTest::mouseClick(save, Qt::LeftButton); },
                            {[&](QWidget *m) { inspectAndType(m, path("elsewhere") + "/other.txt"); }, {}});
        QCOMPARE(ReadFileBytes(*dir / "elsewhere/other.txt"), DrawZeroText());
        Find<QPlainTextEdit>(real.get(), "memcode")->setPlainText(QStringLiteral("edited"));
        seen = ExpectModals([&] { QTest::mouseClick(save, Qt::LeftButton); },
                            {[&](QWidget *m) { inspectAndType(m, "results.txt"); }, {}});
        QCOMPARE(directory, desktop);
        QCOMPARE(typedName, QString());
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[1].text, kSaved);
        QCOMPARE(ReadFileBytes(desktop.toStdString() + "/results.txt"), std::string("edited"));
    }

    void cancelWritesNothing()
    {
        auto real = std::make_unique<Tfrmmain>();
        real->show();
        QVERIFY(QTest::qWaitForWindowExposed(real.get()));
        const TModalSeen seen =
            ExpectModal([&] { QTest::mouseClick(Find<QPushButton>(real.get(), "btnsave"), Qt::LeftButton); },
                        [](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); });
        QCOMPARE(seen.className, QStringLiteral("QFileDialog"));
        QCOMPARE(QDir(desktop).entryList(QDir::Files), QStringList());
    }

    void savesTheBoxAsGbkBytes_data()
    {
        QTest::addColumn<QString>("draw");   // filter first, when not empty
        QTest::addColumn<QString>("edited"); // then set the box to this, when not null
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("draw 000") << "000" << QString() << QByteArray::fromStdString(DrawZeroText());
        QTest::newRow("empty box") << "" << QString() << QByteArray();
        QTest::newRow("edited box") << "000" << QStringLiteral("中 123\n456")
                                    << QByteArray("\xD6\xD0 123\n456");
        QTest::newRow("outside GBK") << "" << QStringLiteral("1\u05d02") << QByteArray("1?2");
    }

    void savesTheBoxAsGbkBytes()
    {
        QFETCH(QString, draw);
        QFETCH(QString, edited);
        QFETCH(QByteArray, bytes);
        if (!draw.isEmpty())
            filter(draw.toLatin1());
        if (!edited.isNull())
            box()->setPlainText(edited);
        WriteFileBytes(*dir / "out.txt", "an earlier, longer file that must be replaced whole");
        const QList<TModalSeen> seen = saveTo(path("out.txt"));
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].text, kSaved);
        QCOMPARE(seen[0].icon, QMessageBox::NoIcon);
        QCOMPARE(QByteArray::fromStdString(ReadFileBytes(*dir / "out.txt")), bytes);
    }

    void failuresKeepTheEarlierFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing folder") << "missing/out.txt"
                                        << "不能创建文件 %1.";
        QTest::newRow("name of a folder") << "folder.txt"
                                          << "不能创建文件 %1.";
        QTest::newRow("parent is a file") << "earlier.txt/out.txt"
                                          << "不能创建文件 %1.";
    }

    void failuresKeepTheEarlierFile()
    {
        QFETCH(QString, target);
        QFETCH(QString, message);
        filter("000");
        QDir().mkpath(path("folder.txt"));
        WriteFileBytes(*dir / "earlier.txt", "earlier");
        const QString full = path(target.toLatin1());
        const QList<TModalSeen> seen = saveTo(full);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].text, message.arg(full));
        QCOMPARE(seen[0].icon, QMessageBox::Critical);
        QCOMPARE(ReadFileBytes(*dir / "earlier.txt"), std::string("earlier"));
        QVERIFY(QFileInfo(path("folder.txt")).isDir());
        QVERIFY(!QFileInfo::exists(path("missing")));
        QCOMPARE(QDir(dir->path().c_str()).entryList(QDir::Files), QStringList{"earlier.txt"});
    }

    void shortWriteKeepsTheEarlierFile()
    {
        filter("000");
        WriteFileBytes(*dir / "out.txt", "earlier");
        // A file-size limit below the text's size makes the write fall short,
        // as a full disk does. Only the soft limit moves, so it can be lifted.
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved;
        limit.rlim_cur = 1000;
        setrlimit(RLIMIT_FSIZE, &limit);
        const QList<TModalSeen> seen = saveTo(path("out.txt"));
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].text, QStringLiteral("写流出错."));
        QCOMPARE(seen[0].icon, QMessageBox::Critical);
        QCOMPARE(ReadFileBytes(*dir / "out.txt"), std::string("earlier"));
        QCOMPARE(QDir(dir->path().c_str()).entryList(QDir::Files), QStringList{"out.txt"});
    }
};

VOSTREL_UI_TEST_MAIN(SaveTest)
#include "save_test.moc"
