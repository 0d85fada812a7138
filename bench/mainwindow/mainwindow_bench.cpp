// The main window at work: large hexadecimal pastes through the whole cascade with every field
// painted, a caret move in a large field with the byte inspector open, one single-key
// conversion, and start-up time and memory beside other windows'.
#include "mainwindow/form1.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string_view>
#include <sys/resource.h>
#include <vector>

namespace {

using namespace numo;

QString HexBytes(int count)
{
    QString text;
    text.reserve(count * 3);
    for (int i = 0; i < count; ++i)
        text += QString::asprintf("%02X-", i % 256);
    return text;
}

// A shown window on a fresh data folder.
struct ShownWindow
{
    ShownWindow() : form(dir.path() + QStringLiteral("/plim"))
    {
        form.show();
        QApplication::processEvents();
    }
    template <typename Control> Control *get(const char *name)
    {
        return form.findChild<Control *>(QString::fromLatin1(name));
    }
    QTemporaryDir dir;
    Form1 form;
};

// The paste is the user's; the timing covers the click: the cascade, every widget written and
// the window painted. The second argument switches the shown work (byte structure, links,
// captions) off (0) or on (1).
void BM_HexPasteThroughCascade(benchmark::State &state)
{
    ShownWindow window;
    window.form.setShowWork(state.range(1) != 0);
    const QString input = HexBytes(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        window.get<QPlainTextEdit>("Text2")->setPlainText(input);
        window.get<QPlainTextEdit>("Text1")->clear();
        QApplication::processEvents();
        state.ResumeTiming();
        window.form.Command4_Click();
        window.form.repaint();
    }
    state.counters["bytes"] = static_cast<double>(state.range(0));
}

// A shown window whose hexadecimal field holds `count` bytes, pasted as a user brings a large
// field in (the box holds its long line in blocks), the caret at its start; with `inspect`, the
// byte inspector open on it and the field read once.
class LargeHexField
{
public:
    LargeHexField(int count, bool inspect) : hex(window.get<QPlainTextEdit>("Text2"))
    {
        hex->setFocus();
        QApplication::clipboard()->setText(HexBytes(count));
        press(Qt::Key_V, Qt::ControlModifier);
        QApplication::processEvents();
        if (inspect) {
            press(Qt::Key_I, Qt::ControlModifier);
            QApplication::processEvents();
        }
        press(Qt::Key_Home, Qt::ControlModifier);
        QApplication::processEvents();
    }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(hex, &event);
    }

    ShownWindow window;
    QPlainTextEdit *hex;
};

// One caret move (Right) in a large hexadecimal field, with every update it sets off handled:
// the box's, the work display's and, when the second argument is 1, the byte inspector's.
void BM_CaretMoveWithInspector(benchmark::State &state)
{
    LargeHexField field(static_cast<int>(state.range(0)), state.range(1) != 0);
    for (auto _ : state) {
        field.press(Qt::Key_Right);
        QApplication::processEvents();
    }
    state.counters["bytes"] = static_cast<double>(state.range(0));
}

// The byte inspector's own share of a caret move in a large hexadecimal field: its one update,
// timed apart from the box's and the work display's.
void BM_InspectorUpdateAfterCaretMove(benchmark::State &state)
{
    LargeHexField field(static_cast<int>(state.range(0)), true);
    auto *inspector = field.window.form.findChild<QWidget *>(QStringLiteral("ByteInspector"));
    for (auto _ : state) {
        state.PauseTiming();
        field.press(Qt::Key_Right);
        state.ResumeTiming();
        QCoreApplication::sendPostedEvents(inspector);
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["bytes"] = static_cast<double>(state.range(0));
}

// Key press to clipboard set, in single-key mode.
void BM_SingleKeyConversion(benchmark::State &state)
{
    ShownWindow window;
    window.get<QListWidget>("List2")->setCurrentRow(0); // "Single Key"
    window.get<QListWidget>("List1")->setCurrentRow(0); // "ASCII Value"
    window.get<QPlainTextEdit>("Text5")->setFocus();
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_B, Qt::ShiftModifier, QStringLiteral("B"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_B, Qt::ShiftModifier, QStringLiteral("B"));
        QApplication::sendEvent(window.get<QPlainTextEdit>("Text5"), &press);
        QApplication::sendEvent(window.get<QPlainTextEdit>("Text5"), &release);
        benchmark::DoNotOptimize(QGuiApplication::clipboard()->text());
    }
}

// Start-up of a whole process to its window shown: this binary started again as a probe that
// shows either numo's window or another one of the same size, then prints its resident memory
// (VmRSS and VmHWM, in KiB) and quits.
QString selfPath;

struct ProbeRun
{
    bool ok = false;
    double milliseconds = 0;
    double rssKiB = 0;
    double hwmKiB = 0;
    double cpuMilliseconds = 0;   // user and system time of the probe's whole life
    double shownMilliseconds = 0; // from the start of the process until its window was painted
};

// The monotonic clock, which the benchmark and its probes share, in nanoseconds.
std::int64_t MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

ProbeRun RunProbeProcess(const QString &home, const QString &probe)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    QElapsedTimer clock;
    clock.start();
    environment.insert(
        QStringLiteral("NUMO_PROBE_STARTED_NS"), QString::number(MonotonicNanoseconds()));
    process.setProcessEnvironment(environment);
    process.start(selfPath, {probe});
    ProbeRun run;
    run.ok = process.waitForFinished(20'000) && process.exitCode() == 0;
    run.milliseconds = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    const QList<QByteArray> memory = process.readAllStandardOutput().simplified().split(' ');
    if (memory.size() == 4) {
        run.rssKiB = memory[0].toDouble();
        run.hwmKiB = memory[1].toDouble();
        run.cpuMilliseconds = memory[2].toDouble();
        run.shownMilliseconds = memory[3].toDouble();
    }
    return run;
}

void StartProbe(benchmark::State &state, const QString &probe)
{
    QTemporaryDir home;
    for (auto _ : state) {
        if (!RunProbeProcess(home.path(), probe).ok) {
            state.SkipWithError("the start-up probe failed");
            break;
        }
    }
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void BM_StartUpNumo(benchmark::State &state)
{
    StartProbe(state, QStringLiteral("--probe-numo"));
}

void BM_StartUpEmptyWindow(benchmark::State &state)
{
    StartProbe(state, QStringLiteral("--probe-empty"));
}

// An empty window draws no text, so it never starts the font machinery that any window with a
// caption needs; this one shows a single label.
void BM_StartUpWindowWithOneLabel(benchmark::State &state)
{
    StartProbe(state, QStringLiteral("--probe-label"));
}

// Numo against the smallest window that shows a text box (a bare window with one
// QPlainTextEdit: fonts loaded), empty and showing one line (the text engine loaded too, as in
// any window that shows a word), started in turns so that all meet the same load; medians of
// start-up time (wall clock until the window is painted, "shown_ms", and until the process has
// ended, "ms", which adds the teardown; and the probe's processor time, which a busy machine or
// display server disturbs less) and of resident memory once shown, and numo's ratios to both.
void BM_StartUpNumoAgainstTextBox(benchmark::State &state)
{
    QTemporaryDir home;
    constexpr std::size_t kProbes = 3;
    std::vector<double> times[kProbes], shown[kProbes], cpu[kProbes], rss[kProbes], hwm[kProbes];
    const QString probes[kProbes] = {QStringLiteral("--probe-numo"),
        QStringLiteral("--probe-text-box"), QStringLiteral("--probe-text-line")};
    for (auto _ : state) {
        // Rotating which one starts first leaves none the others' warm caches.
        const std::size_t first = times[0].size() % kProbes;
        for (std::size_t turn = 0; turn < kProbes; ++turn) {
            const std::size_t which = (first + turn) % kProbes;
            const ProbeRun run = RunProbeProcess(home.path(), probes[which]);
            if (!run.ok || run.rssKiB <= 0) {
                state.SkipWithError("the start-up probe failed");
                return;
            }
            times[which].push_back(run.milliseconds);
            shown[which].push_back(run.shownMilliseconds);
            cpu[which].push_back(run.cpuMilliseconds);
            rss[which].push_back(run.rssKiB / 1024);
            hwm[which].push_back(run.hwmKiB / 1024);
        }
    }
    const auto report = [&](const char *what, std::vector<double>(&values)[kProbes]) {
        const std::string name(what);
        state.counters["numo_" + name] = Median(values[0]);
        state.counters["box_" + name] = Median(values[1]);
        state.counters["line_" + name] = Median(values[2]);
        state.counters[name + "_x"] = Median(values[0]) / Median(values[1]);
        state.counters[name + "_x_line"] = Median(values[0]) / Median(values[2]);
    };
    report("ms", times);
    report("shown_ms", shown);
    report("cpu_ms", cpu);
    report("RSS_MiB", rss);
    report("HWM_MiB", hwm);
}

enum class Probe { numo, empty, label, textBox, textLine };

// The probe's own VmRSS and VmHWM, in KiB, its processor time so far and the time since the
// benchmark started it, in milliseconds, as "rss hwm cpu shown"; nothing where /proc is missing.
QByteArray ResidentMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return {};
    QByteArray rss, hwm;
    for (const QByteArray &line : status.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 2 && fields[0] == "VmRSS:")
            rss = fields[1];
        else if (fields.size() >= 2 && fields[0] == "VmHWM:")
            hwm = fields[1];
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    const double shown = static_cast<double>(MonotonicNanoseconds()
                             - qEnvironmentVariable("NUMO_PROBE_STARTED_NS").toLongLong())
        / 1e6;
    return rss + ' ' + hwm + ' ' + QByteArray::number(cpu, 'f', 1) + ' '
        + QByteArray::number(shown, 'f', 2) + '\n';
}

int RunProbe(int argc, char **argv, Probe probe)
{
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (probe == Probe::numo) {
        // As the program's entry sets up the application before its window.
        QApplication::setApplicationName(QStringLiteral("numo"));
        QApplication::setOrganizationName(QStringLiteral("Plimpton Data Tools"));
        QApplication::setDesktopFileName(QStringLiteral("example.plimpton_data.numo"));
        QApplication::setWindowIcon(Form1::programIcon());
        window = std::make_unique<Form1>(QDir::homePath() + QStringLiteral("/plim"));
    } else {
        window = std::make_unique<QWidget>();
        window->resize(732, 606);
        if (probe == Probe::label)
            new QLabel(QStringLiteral("Decimal in Bytes (such as IP Addresses)"), window.get());
        if (probe == Probe::textBox || probe == Probe::textLine) {
            auto *box = new QPlainTextEdit(window.get());
            box->setGeometry(8, 8, 716, 590);
            if (probe == Probe::textLine)
                box->setPlainText(QStringLiteral("Numo"));
        }
    }
    window->show();
    // Shown means exposed and painted once, on a real display as offscreen.
    QElapsedTimer waited;
    waited.start();
    while (!window->windowHandle()->isExposed() && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QApplication::processEvents();
    std::fputs(ResidentMemory().constData(), stdout);
    return window->isVisible() ? 0 : 1;
}

BENCHMARK(BM_HexPasteThroughCascade)
    ->ArgsProduct({{10'000, 100'000 / 3, 1'000'000 / 3}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_CaretMoveWithInspector)
    ->ArgsProduct({{1'000'000 / 3, 1'000'000}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InspectorUpdateAfterCaretMove)
    ->Arg(1'000'000 / 3)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(200); // the untimed rest of each move takes far longer than the timed part
BENCHMARK(BM_SingleKeyConversion)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StartUpNumo)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_StartUpEmptyWindow)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_StartUpWindowWithOneLabel)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_StartUpNumoAgainstTextBox)->Unit(benchmark::kMillisecond)->Iterations(12);

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && std::string_view(argv[1]) == "--probe-numo")
        return RunProbe(argc, argv, Probe::numo);
    if (argc == 2 && std::string_view(argv[1]) == "--probe-empty")
        return RunProbe(argc, argv, Probe::empty);
    if (argc == 2 && std::string_view(argv[1]) == "--probe-label")
        return RunProbe(argc, argv, Probe::label);
    if (argc == 2 && std::string_view(argv[1]) == "--probe-text-box")
        return RunProbe(argc, argv, Probe::textBox);
    if (argc == 2 && std::string_view(argv[1]) == "--probe-text-line")
        return RunProbe(argc, argv, Probe::textLine);
    QApplication app(argc, argv);
    selfPath = QCoreApplication::applicationFilePath();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
