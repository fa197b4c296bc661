// SPDX-License-Identifier: MIT
// Start-up of the designer to its first painted window, and opening the Preferences dialog,
// both offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <memory>

#include "app/dialog_screenshot.h"
#include "app/main_window.h"
#include "app/terminal_panel.h"
#include "editor/shell/preferences_dialog.h"
#include "resources/shell_templates.h"
#include "texts/language_files.h"
#include "texts/preferences.h"

namespace {

// Answers every question with "no" and every dialog with Cancel.
std::unique_ptr<ui::Host> quietHost() { return std::make_unique<ui::UnattendedHost>(false, ui::SaveChangesAnswer::No); }

std::filesystem::path emptyProgramDirectory()
{
    const auto directory = std::filesystem::temp_directory_path() / "formwright_startup_bench";
    std::filesystem::create_directories(directory);
    return directory;
}

void StartUpToFirstPaintedWindow(benchmark::State& state)
{
    const auto directory = emptyProgramDirectory();
    for (auto _ : state) {
        app::MainWindow window([](const texts::TextSource&, QWidget*) { return quietHost(); }, directory);
        window.startUp();
        const QPixmap painted = window.grab();
        benchmark::DoNotOptimize(painted.cacheKey());
    }
}
BENCHMARK(StartUpToFirstPaintedWindow)->Unit(benchmark::kMillisecond);

// What the Preferences command does before the user sees the dialog: read the preferences,
// list the languages, open the model and paint the dialog once.
void OpenPreferencesDialog(benchmark::State& state)
{
    const auto directory = emptyProgramDirectory();
    const std::unique_ptr<ui::Host> host = quietHost();
    const texts::BuiltinTextSource builtin;
    for (auto _ : state) {
        const texts::Preferences preferences = texts::readPreferences(texts::preferencesFilePath(directory));
        const texts::LanguageList languages = texts::enumerateLanguages(directory);
        editor::shell::PreferencesDialog model(preferences, languages.names(), languages.count(), builtin,
                                               ui::LanguageState::BuiltinOnly);
        const QImage painted = app::renderDialog(resources::preferencesTemplate(), model, *host);
        benchmark::DoNotOptimize(painted.cacheKey());
    }
}
BENCHMARK(OpenPreferencesDialog)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
