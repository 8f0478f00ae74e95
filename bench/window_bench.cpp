// Speed and memory of the window program: start-up to first paint and peak
// memory (each in a fresh process), the Filter command from key press to
// results shown, the draw check on a huge results box, and a Filter run with a
// huge pasted kill text. Run on the display given by QT_QPA_PLATFORM/DISPLAY;
// `make bench` runs it under Xvfb.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <sys/resource.h>
#include <vector>

#include "process.h"
#include "u_main.h"
#include "u_public.h"

namespace {

using Clock = std::chrono::steady_clock;

// The child side of the start-up measurement: the same steps as the program's
// main(), then the monotonic time of the first finished paint and the peak
// resident memory.
class TFirstPaint : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen) {
            seen = true;
            QTimer::singleShot(0, [] {
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                const auto now = Clock::now().time_since_epoch();
                std::printf("%lld %ld\n",
                            static_cast<long long>(
                                std::chrono::duration_cast<std::chrono::microseconds>(now).count()),
                            usage.ru_maxrss);
                std::fflush(stdout);
                QApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }
    bool seen = false;
};

int StartupOnce(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(vostrel::kAppTitle);
    QApplication::setApplicationDisplayName(vostrel::kAppTitle);
    vostrel::Tfrmmain frmmain;
    TFirstPaint probe;
    frmmain.installEventFilter(&probe);
    frmmain.show();
    return QApplication::exec();
}

void ReportStartup(const char *self)
{
    std::vector<double> millis;
    std::vector<long> peakKb;
    for (int run = 0; run < 15; ++run) {
        const auto before =
            std::chrono::duration_cast<std::chrono::microseconds>(Clock::now().time_since_epoch());
        const vostrel::test::TProcessResult r = vostrel::test::RunProcess({self, "--startup-once"});
        long long paintedAt = 0;
        long peak = 0;
        if (r.status != 0 || std::sscanf(r.out.c_str(), "%lld %ld", &paintedAt, &peak) != 2) {
            std::fprintf(stderr, "start-up run failed: %s\n", r.err.c_str());
            return;
        }
        millis.push_back((paintedAt - before.count()) / 1000.0);
        peakKb.push_back(peak);
    }
    std::sort(millis.begin(), millis.end());
    std::sort(peakKb.begin(), peakKb.end());
    std::printf("Start-up to first paint: median %.1f ms (best %.1f, worst %.1f) over %zu runs\n",
                millis[millis.size() / 2], millis.front(), millis.back(), millis.size());
    std::printf("Peak resident memory:    median %.1f MB (largest %.1f MB)\n\n",
                peakKb[peakKb.size() / 2] / 1024.0, peakKb.back() / 1024.0);
}

struct TWindow {
    vostrel::Tfrmmain window;
    QLineEdit *edtcode = window.findChild<QLineEdit *>("edtcode");
    QLineEdit *edtreima = window.findChild<QLineEdit *>("edtreima");
    QLineEdit *edtdanma = window.findChild<QLineEdit *>("edtdanma");
    QPlainTextEdit *memcode = window.findChild<QPlainTextEdit *>("memcode");

    TWindow()
    {
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
    }
};

void FilterKeyPressToResultsShown(benchmark::State &state)
{
    TWindow w;
    for (auto _ : state) {
        state.PauseTiming();
        w.edtcode->setText("123");
        w.edtreima->setText("12");
        w.edtdanma->setText("5");
        QCoreApplication::processEvents();
        state.ResumeTiming();
        QTest::keyClick(w.edtcode, Qt::Key_Return);
        QCoreApplication::processEvents(); // the repaint that shows the results
    }
}
BENCHMARK(FilterKeyPressToResultsShown)->Unit(benchmark::kMillisecond);

std::string FiveMegabytesOf(const std::string &piece)
{
    std::string text;
    text.reserve(5u << 20);
    while (text.size() < (5u << 20))
        text += piece;
    return text;
}

void DrawCheckKeystrokeOnFiveMegabyteBox(benchmark::State &state)
{
    TWindow w;
    w.memcode->setPlainText(QString::fromStdString(FiveMegabytesOf("000 001 002 003 004 005 006 007 ")));
    w.edtcode->setFocus();
    QTest::keyClicks(w.edtcode, "123");
    bool add = true;
    for (auto _ : state) {
        // Alternate a blank and Backspace: each keystroke changes the field.
        if (add)
            QTest::keyClick(w.edtcode, Qt::Key_Space);
        else
            QTest::keyClick(w.edtcode, Qt::Key_Backspace);
        add = !add;
        QCoreApplication::processEvents();
    }
}
BENCHMARK(DrawCheckKeystrokeOnFiveMegabyteBox)->Unit(benchmark::kMillisecond);

void PasteFiveMegabyteKillText(benchmark::State &state)
{
    TWindow w;
    QGuiApplication::clipboard()->setText(QString::fromStdString(FiveMegabytesOf("12 34 56 78 90 ")));
    for (auto _ : state) {
        w.edtreima->clear();
        w.edtreima->setFocus();
        QTest::keyClick(w.edtreima, Qt::Key_V, Qt::ControlModifier);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(PasteFiveMegabyteKillText)->Unit(benchmark::kMillisecond);

void FilterWithFiveMegabyteKillText(benchmark::State &state)
{
    TWindow w;
    const QString kill = QString::fromStdString(FiveMegabytesOf("12 34 56 78 90 "));
    for (auto _ : state) {
        state.PauseTiming();
        w.edtcode->setText("123");
        w.edtreima->setText(kill);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        QTest::keyClick(w.edtcode, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(FilterWithFiveMegabyteKillText)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && std::string(argv[1]) == "--startup-once")
        return StartupOnce(argc, argv);

    ReportStartup(argv[0]);

    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
