// The track list's cost to the main thread with a generated collection: what one update of the
// list costs the model alone and the list view with a kept selection (relayout and repaint
// included), what new marks cost, and painting one screenful of rows.
//
//   cuevox-bench-tracklistview FILE      (a file from bench/generate_collection)
#include "artwork/ArtworkLoader.hpp"
#include "i18n/LocalizationManager.hpp"
#include "state/RecommendationViewModel.hpp"
#include "views/TrackListModel.hpp"
#include "views/TrackListView.hpp"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QListView>
#include <QPixmap>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

namespace {

using namespace cuevox;

class IdleMonitor final : public decks::RekordboxDeckMonitoring {
public:
    std::shared_ptr<decks::EventQueue<decks::DeckState>> deckStateUpdates() const override {
        return m_states;
    }
    std::shared_ptr<decks::EventQueue<decks::RekordboxRestart>>
    rekordboxDidRestart() const override {
        return m_restarts;
    }

private:
    std::shared_ptr<decks::EventQueue<decks::DeckState>> m_states =
        std::make_shared<decks::EventQueue<decks::DeckState>>();
    std::shared_ptr<decks::EventQueue<decks::RekordboxRestart>> m_restarts =
        std::make_shared<decks::EventQueue<decks::RekordboxRestart>>();
};

QByteArray coverPNG() {
    QImage image(500, 500, QImage::Format_RGB32);
    image.fill(QColor(200, 80, 40));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
    return bytes;
}

struct Fixture {
    QTemporaryDir directory;
    QSettings settings{directory.filePath("settings.ini"), QSettings::IniFormat};
    i18n::LocalizationManager localization{settings, std::nullopt};
    state::RecommendationViewModel viewModel{std::make_unique<IdleMonitor>(), [] { return true; },
                                             &settings};
};

void flush() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: cuevox-bench-tracklistview [benchmark options] FILE\n");
        return 2;
    }
    Fixture fixture;
    QEventLoop loading;
    QObject::connect(&fixture.viewModel, &state::RecommendationViewModel::libraryLoadFinished,
                     &loading, &QEventLoop::quit);
    fixture.viewModel.loadLibrary(argv[1]);
    loading.exec();
    if (fixture.viewModel.libraryLoadError()) {
        std::fprintf(stderr, "%s: %s\n", argv[1],
                     fixture.viewModel.libraryLoadError()->error.message().c_str());
        return 1;
    }
    flush(); // the list is computed on the next turn of the event loop
    state::RecommendationViewModel& viewModel = fixture.viewModel;
    const auto rows = static_cast<double>(viewModel.list().tracks.size());

    benchmark::RegisterBenchmark("model reset", [&](benchmark::State& state) {
        views::TrackListModel model(viewModel, fixture.localization);
        for (auto _ : state) {
            emit viewModel.listChanged();
            benchmark::DoNotOptimize(model.rowCount());
        }
        state.counters["rows"] = rows;
    })->Unit(benchmark::kMicrosecond);

    // A new list with the selected track near its end: reset, find the track again, lay out
    // and repaint the visible rows.
    benchmark::RegisterBenchmark("list update, selection kept", [&](benchmark::State& state) {
        artwork::ArtworkLoader loader([](const QString&) { return QByteArray(); });
        views::TrackListView view(viewModel, fixture.localization, loader);
        view.resize(480, 800);
        view.show();
        QListView& list = *view.listView();
        const QModelIndex last = list.model()->index(list.model()->rowCount() - 2, 0);
        list.selectionModel()->select(last, QItemSelectionModel::ClearAndSelect);
        flush();
        for (auto _ : state) {
            emit viewModel.listChanged();
            flush();
        }
        state.counters["rows"] = rows;
        state.counters["kept"] = view.selectedTrackID() ? 1 : 0;
    })->Unit(benchmark::kMicrosecond);

    benchmark::RegisterBenchmark("marks changed", [&](benchmark::State& state) {
        artwork::ArtworkLoader loader([](const QString&) { return QByteArray(); });
        views::TrackListView view(viewModel, fixture.localization, loader);
        view.resize(480, 800);
        view.show();
        flush();
        for (auto _ : state) {
            emit viewModel.decksChanged();
            flush();
        }
        state.counters["rows"] = rows;
    })->Unit(benchmark::kMicrosecond);

    // What a DJ waits for: from the last keystroke in the search field until the new list is
    // on screen, the 200 ms debounce included (wall time; the target is 250 ms).
    benchmark::RegisterBenchmark(
        "search keystroke to list shown",
        [&](benchmark::State& state) {
            artwork::ArtworkLoader loader([](const QString&) { return QByteArray(); });
            views::TrackListView view(viewModel, fixture.localization, loader);
            view.resize(480, 800);
            view.show();
            flush();
            bool listed = false;
            const QMetaObject::Connection connection =
                QObject::connect(&viewModel, &state::RecommendationViewModel::listChanged,
                                 [&listed] { listed = true; });
            const QString words[] = {QStringLiteral("an"), QStringLiteral("or")};
            int round = 0;
            for (auto _ : state) {
                const QString& word = words[round++ % 2];
                viewModel.filters().setSearchText(
                    word.left(1)); // typed quickly: only the last one counts
                QElapsedTimer clock;
                clock.start();
                viewModel.filters().setSearchText(word);
                listed = false;
                while (!listed) {
                    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
                }
                flush();
                state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
            }
            QObject::disconnect(connection);
            viewModel.filters().setSearchText(QString());
            state.counters["rows"] = rows;
            state.counters["listed"] = static_cast<double>(viewModel.list().tracks.size());
        })
        ->UseManualTime()
        ->Iterations(10)
        ->Unit(benchmark::kMillisecond);

    for (const bool withArtwork : {false, true}) {
        benchmark::RegisterBenchmark(
            withArtwork ? "paint screenful, artwork cached" : "paint screenful, placeholders",
            [&, withArtwork](benchmark::State& state) {
                const QByteArray cover = withArtwork ? coverPNG() : QByteArray();
                artwork::ArtworkLoader loader([cover](const QString&) { return cover; });
                views::TrackListView view(viewModel, fixture.localization, loader);
                view.resize(480, 800);
                view.show();
                QWidget& viewport = *view.listView()->viewport();
                QPixmap target(viewport.size());
                viewport.render(&target); // asks the loader for the visible rows' artwork
                loader.waitForIdle();
                for (auto _ : state) {
                    viewport.render(&target);
                }
                state.counters["rows shown"] = static_cast<double>(viewport.height()) / 62.0;
                state.counters["images"] = loader.cacheSize();
            })
            ->Unit(benchmark::kMicrosecond);
    }

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
