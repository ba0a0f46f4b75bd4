#pragma once

// A real RecommendationViewModel over a small collection file, fed deck states by the test as
// the monitor's thread would.
#include "i18n/LocalizationManager.hpp"
#include "state/RecommendationViewModel.hpp"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace cuevox::views::testing {

class FakeMonitor final : public decks::RekordboxDeckMonitoring {
public:
    std::shared_ptr<decks::EventQueue<decks::DeckState>> deckStateUpdates() const override {
        return states;
    }
    std::shared_ptr<decks::EventQueue<decks::RekordboxRestart>>
    rekordboxDidRestart() const override {
        return restarts;
    }
    std::shared_ptr<decks::EventQueue<decks::DeckState>> states =
        std::make_shared<decks::EventQueue<decks::DeckState>>();
    std::shared_ptr<decks::EventQueue<decks::RekordboxRestart>> restarts =
        std::make_shared<decks::EventQueue<decks::RekordboxRestart>>();
};

class ViewModelFixture : public ::testing::Test {
protected:
    void SetUp() override {
        settings =
            std::make_unique<QSettings>(directory.filePath("settings.ini"), QSettings::IniFormat);
        localization = std::make_unique<i18n::LocalizationManager>(*settings, std::nullopt);
        auto fake = std::make_unique<FakeMonitor>();
        monitor = fake.get();
        viewModel = std::make_unique<state::RecommendationViewModel>(
            std::move(fake), [] { return true; }, settings.get(),
            state::ViewModelTiming{1, 1000, 1000});
    }
    void TearDown() override {
        viewModel.reset();
        localization.reset();
        settings.reset();
    }

    void loadCollection(const std::string& xml) {
        const std::string path = directory.filePath("collection.xml").toStdString();
        std::ofstream(path) << xml;
        QSignalSpy finished(viewModel.get(), &state::RecommendationViewModel::libraryLoadFinished);
        viewModel->loadLibrary(path);
        ASSERT_TRUE(finished.wait(10000));
        settle();
    }

    // What rekordbox shows on a deck: a title and artist, or nothing loaded.
    void showOnDeck(decks::DeckIdentifier deck,
                    std::optional<std::pair<std::string, std::string>> titleArtist, bool playing) {
        decks::DeckState state{deck, std::nullopt, playing, false, std::nullopt, {}};
        if (titleArtist) {
            metadata::Track track{};
            track.id = titleArtist->second + "::" + titleArtist->first;
            track.title = titleArtist->first;
            track.artist = titleArtist->second;
            state.track = track;
        }
        monitor->states->push(state);
        settle();
    }

    static void settle() {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
        }
    }

    QTemporaryDir directory;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<i18n::LocalizationManager> localization;
    FakeMonitor* monitor = nullptr;
    std::unique_ptr<state::RecommendationViewModel> viewModel;
};

} // namespace cuevox::views::testing
