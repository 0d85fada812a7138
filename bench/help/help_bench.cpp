// The help window's costs as a user meets them: opening it, and a search with its reload.

#include "help/form2.h"
#include "help/help_writer.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPixmap>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <cstdint>
#include <memory>

namespace numo {
namespace {

    const QString kTitle = QStringLiteral("Numo Number Converter by   www.example  21 Sep 01");

    // A data folder holding the help file as start-up writes it.
    struct HelpFolder
    {
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("numo2.txt"));
        HelpFolder() { WriteHelpFile(path); }
    };

    // Create, load, show and paint the window once, then close it.
    void BM_OpenHelpWindow(benchmark::State &state)
    {
        const HelpFolder folder;
        for (auto _ : state) {
            auto window = std::make_unique<Form2>(folder.path, kTitle);
            window->show();
            QCoreApplication::processEvents();
            benchmark::DoNotOptimize(window->grab());
        }
    }
    BENCHMARK(BM_OpenHelpWindow)->Unit(benchmark::kMillisecond);

    // One search on the shown window: reload, mark, show the marked text, place the caret.
    void BM_SearchHelp(benchmark::State &state, const char *search)
    {
        const HelpFolder folder;
        Form2 window(folder.path, kTitle);
        window.show();
        QCoreApplication::processEvents();
        window.Text2->setText(QString::fromLatin1(search));
        for (auto _ : state) {
            window.Command1_Click();
            QCoreApplication::processEvents(); // the repaint the search causes
        }
    }
    BENCHMARK_CAPTURE(BM_SearchHelp, common_word, "binary")->Unit(benchmark::kMicrosecond);
    BENCHMARK_CAPTURE(BM_SearchHelp, near_the_end, "fax:")->Unit(benchmark::kMicrosecond);
    BENCHMARK_CAPTURE(BM_SearchHelp, not_found, "xyz")->Unit(benchmark::kMicrosecond);

    void BM_WriteHelpFile(benchmark::State &state)
    {
        const HelpFolder folder;
        for (auto _ : state)
            benchmark::DoNotOptimize(WriteHelpFile(folder.path));
    }
    BENCHMARK(BM_WriteHelpFile)->Unit(benchmark::kMicrosecond);

    // A help file of one long line made of `unit` repeated to `size` characters.
    struct LongLineFolder
    {
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("numo2.txt"));
        LongLineFolder(const char *unit, qsizetype size)
        {
            const QByteArray piece(unit);
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.write(piece.repeated(size / piece.size()));
        }
    };

    // Opening a help file of one long line: its layout must grow in step with the line, words
    // or none.
    void BM_OpenLongLine(benchmark::State &state, const char *unit)
    {
        const LongLineFolder folder(unit, state.range(0));
        for (auto _ : state) {
            auto window = std::make_unique<Form2>(folder.path, kTitle);
            window->show();
            QCoreApplication::processEvents();
            benchmark::DoNotOptimize(window->grab());
        }
        state.SetComplexityN(state.range(0));
    }
    BENCHMARK_CAPTURE(BM_OpenLongLine, no_blanks, "x")
        ->RangeMultiplier(4)
        ->Range(16 << 10, 4 << 20)
        ->Complexity()
        ->Unit(benchmark::kMillisecond);
    BENCHMARK_CAPTURE(BM_OpenLongLine, words, "binary ")
        ->RangeMultiplier(4)
        ->Range(16 << 10, 4 << 20)
        ->Complexity()
        ->Unit(benchmark::kMillisecond);

    // A search in a help file of one long line, found near its end: reload, mark, show, caret.
    void BM_SearchLongLine(benchmark::State &state)
    {
        const LongLineFolder folder("binary ", state.range(0));
        {
            QFile file(folder.path);
            if (file.open(QIODevice::Append))
                file.write("fax:");
        }
        Form2 window(folder.path, kTitle);
        window.show();
        QCoreApplication::processEvents();
        window.Text2->setText(QStringLiteral("fax:"));
        for (auto _ : state) {
            window.Command1_Click();
            QCoreApplication::processEvents();
            benchmark::DoNotOptimize(window.grab());
        }
        state.SetComplexityN(state.range(0));
    }
    BENCHMARK(BM_SearchLongLine)
        ->RangeMultiplier(4)
        ->Range(16 << 10, 4 << 20)
        ->Complexity()
        ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace numo

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
