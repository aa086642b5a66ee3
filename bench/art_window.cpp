// links: lumina_artwin
// A run in the character-art window on a 640 x 480 photograph, as the user sees it: the grid read
// back, the art made and the window painted. Live preview runs after every pause, so this is
// what it must keep short. The CPU time counts every thread (Qt scales pictures on several); on
// a shared machine it tells more than the real time.
#include "artwin/zoviv_dlg.h"
#include "bench/bench_support.h"
#include "platform/font.h"
#include "services/scripted_prompter.h"
#include "services/services.h"
#include "services/settings_store.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>

#include <memory>
#include <string>

namespace lumina {
namespace {

// An application, a temporary settings file and the photograph at 640 x 480.
struct WindowEnv {
    WindowEnv() {
        static int argc = 1;
        static char name[] = "lumina_bench_art_window";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QApplication>(argc, argv);
        fonts = MakeFreeTypeFontSystem();
        settings = std::make_unique<SettingsStore>(dir.filePath("settings.ini").toStdString());
        services =
            std::make_unique<Services>(Services{{*fonts}, "Lumina Graph", *settings, prompter});
        picture = dir.filePath("photo.png").toStdString();
        QImage(QString::fromStdString(bench::PhotographPath()))
            .scaled(640, 480, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .save(QString::fromStdString(picture));
    }
    QTemporaryDir dir;
    std::unique_ptr<QApplication> app;
    std::unique_ptr<FontSystem> fonts;
    std::unique_ptr<SettingsStore> settings;
    ScriptedPrompter prompter;
    std::unique_ptr<Services> services;
    std::string picture;
};

WindowEnv& Env() {
    static WindowEnv env;
    return env;
}

// The window opened and through its first run, which measures the palette.
std::unique_ptr<CZovivDlg> OpenWindow(bool live, ToneMode tone = ToneMode::None,
                                      bool dither = false) {
    WindowEnv& env = Env();
    zoviv::AutoUpdate.Write(*env.settings, live);
    zoviv::Tone.number.Write(*env.settings, static_cast<int>(tone));
    zoviv::Dither.number.Write(*env.settings, dither ? 1 : 0);
    auto window = std::make_unique<CZovivDlg>(*env.services, env.picture, "png");
    window->show();
    while (window->RunCount() == 0)
        QApplication::processEvents();
    return window;
}

// "更新(&R)": the grid committed and rebuilt, the art made, the whole window painted.
void BM_WindowRun640x480(benchmark::State& state) {
    auto window = OpenWindow(false);
    for (auto _ : state) {
        window->RunGeneration();
        if (!window->LastRun())
            state.SkipWithError("run failed");
    }
}
BENCHMARK(BM_WindowRun640x480)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// The run a pause starts with 自動更新 on: input handled between rows, the grid refreshed; as
// made, and with the tone stretched and the error diffused.
void BM_WindowLiveRun640x480(benchmark::State& state) {
    const bool tone = state.range(0) != 0;
    auto window = OpenWindow(true, tone ? ToneMode::Stretch : ToneMode::None, tone);
    for (auto _ : state) {
        window->Live().Request(RunCause::Pause);
        if (!window->LastRun())
            state.SkipWithError("run failed");
    }
}
BENCHMARK(BM_WindowLiveRun640x480)
    ->ArgName("tone")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

} // namespace
} // namespace lumina
