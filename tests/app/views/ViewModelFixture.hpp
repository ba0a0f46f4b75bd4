#pragma once

// A real RecommendationViewModel over a collection the test writes, fed deck states by the test
// as the monitor's thread would. Nothing touches the real settings or decks.
#include "i18n/LocalizationManager.hpp"
#include "state/RecommendationViewModel.hpp"
#include "support/FakeDeckMonitor.hpp"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace cuevox::views::testing {

// Searches listed at once.
inline constexpr state::ViewModelTiming kTiming{std::chrono::milliseconds(1),
                                                {std::chrono::seconds(1), std::chrono::seconds(1)}};

struct TestViewModel {
    explicit TestViewModel(
        std::function<bool()> permissionCheck = [] { return true; },
        state::ViewModelTiming timing = kTiming)
        : model(std::unique_ptr<tests::FakeDeckMonitor>(fake), std::move(permissionCheck),
                &settings, timing) {
        // The sets a test remembers stay in its own folder.
        settings.setValue(state::StyleSession::kLogFolderKey, directory.filePath("Sets"));
    }

    void load(const std::string& xml) {
        const QString path = directory.filePath(QStringLiteral("collection-%1.xml").arg(++files));
        std::ofstream(path.toStdString()) << xml;
        QSignalSpy finished(&model, &state::RecommendationViewModel::libraryLoadFinished);
        model.loadLibrary(path.toStdString());
        EXPECT_TRUE(finished.wait(10000));
        settle();
    }

    void show(decks::DeckIdentifier deck,
              std::optional<std::pair<std::string, std::string>> titleArtist, bool playing,
              std::optional<double> bpm = std::nullopt) {
        fake->states->push(tests::shownOnDeck(deck, std::move(titleArtist), playing, bpm));
        settle();
    }
    // A recompute and the layouts after it each take a turn of the event loop.
    static void settle() {
        for (int turn = 0; turn < 5; ++turn) {
            QCoreApplication::processEvents();
        }
    }

    QTemporaryDir directory;
    QSettings settings{directory.filePath("settings.ini"), QSettings::IniFormat};
    i18n::LocalizationManager localization{settings, std::nullopt};
    tests::FakeDeckMonitor* fake = new tests::FakeDeckMonitor; // owned by the model
    state::RecommendationViewModel model;
    int files = 0;
};

inline metadata::CamelotKey key(const char* text) {
    return *metadata::CamelotKey::fromString(text);
}

inline constexpr const char* kThreeTracks = R"(<DJ_PLAYLISTS><COLLECTION>
  <TRACK TrackID="1" Name="Night Song" Artist="The Band" Genre="House" AverageBpm="128.00" Tonality="8A" Comments="E6" Location="/a.mp3"/>
  <TRACK TrackID="2" Name="Near" Artist="Other" Genre="Techno" AverageBpm="129.50" Tonality="9A" Comments="E7" Location="/b.mp3"/>
  <TRACK TrackID="3" Name="Far" Artist="Third" Genre="Techno" AverageBpm="140.00" Tonality="3A" Comments="E2" Location="/c.mp3"/>
</COLLECTION></DJ_PLAYLISTS>)";

} // namespace cuevox::views::testing
