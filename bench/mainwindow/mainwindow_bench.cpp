// The main window at work: large hexadecimal pastes through the whole cascade with every field
// painted, one single-key conversion, and start-up beside an empty window's.
#include "mainwindow/form1.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <memory>
#include <string_view>

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
// shows either numo's window or an empty one of the same size, then quits.
QString selfPath;

void StartProbe(benchmark::State &state, const QString &probe)
{
    QTemporaryDir home;
    for (auto _ : state) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home.path());
        process.setProcessEnvironment(environment);
        process.start(selfPath, {probe});
        if (!process.waitForFinished(20'000) || process.exitCode() != 0) {
            state.SkipWithError("the start-up probe failed");
            break;
        }
    }
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

enum class Probe { numo, empty, label };

int RunProbe(int argc, char **argv, Probe probe)
{
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (probe == Probe::numo) {
        window = std::make_unique<Form1>(QDir::homePath() + QStringLiteral("/plim"));
    } else {
        window = std::make_unique<QWidget>();
        window->resize(732, 606);
        if (probe == Probe::label)
            new QLabel(QStringLiteral("Decimal in Bytes (such as IP Addresses)"), window.get());
    }
    window->show();
    QApplication::processEvents();
    return window->isVisible() ? 0 : 1;
}

BENCHMARK(BM_HexPasteThroughCascade)
    ->ArgsProduct({{10'000, 100'000 / 3, 1'000'000 / 3}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_SingleKeyConversion)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StartUpNumo)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_StartUpEmptyWindow)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_StartUpWindowWithOneLabel)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && std::string_view(argv[1]) == "--probe-numo")
        return RunProbe(argc, argv, Probe::numo);
    if (argc == 2 && std::string_view(argv[1]) == "--probe-empty")
        return RunProbe(argc, argv, Probe::empty);
    if (argc == 2 && std::string_view(argv[1]) == "--probe-label")
        return RunProbe(argc, argv, Probe::label);
    QApplication app(argc, argv);
    selfPath = QCoreApplication::applicationFilePath();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
