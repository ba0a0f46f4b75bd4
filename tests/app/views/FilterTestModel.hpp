#pragma once

// A view model and a localization manager over a small written collection, for the filter
// bar's tests. Nothing touches the real settings or decks.

#include "i18n/LocalizationManager.hpp"
#include "state/RecommendationViewModel.hpp"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>
#include <fstream>
#include <memory>
#include <string>

namespace cuevox::views::filtertest {

class SilentMonitor final : public decks::RekordboxDeckMonitoring {
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

inline constexpr const char* kThreeTracks = R"(<DJ_PLAYLISTS><COLLECTION>
  <TRACK TrackID="1" Name="Night Song" Artist="The Band" Genre="House" AverageBpm="128.00" Tonality="8A" Comments="E6" Location="/a.mp3"/>
  <TRACK TrackID="2" Name="Near" Artist="Other" Genre="Techno" AverageBpm="129.50" Tonality="9A" Comments="E7" Location="/b.mp3"/>
  <TRACK TrackID="3" Name="Far" Artist="Third" Genre="Techno" AverageBpm="140.00" Tonality="3A" Comments="E2" Location="/c.mp3"/>
</COLLECTION></DJ_PLAYLISTS>)";

struct FilterTestModel {
    FilterTestModel()
        : settings(directory.filePath("settings.ini"), QSettings::IniFormat),
          localization(settings, std::nullopt),
          model(
              std::make_unique<SilentMonitor>(), [] { return true; }, &settings,
              state::ViewModelTiming{10, 20, 200}) {}

    void load(const std::string& xml) {
        const QString path = directory.filePath(QStringLiteral("collection-%1.xml").arg(++files));
        std::ofstream(path.toStdString()) << xml;
        QSignalSpy finished(&model, &state::RecommendationViewModel::libraryLoadFinished);
        model.loadLibrary(path.toStdString());
        finished.wait(10000);
        // Loading recomputes the list on the next turn of the event loop, and the layouts
        // follow on the turn after.
        for (int turn = 0; turn < 3; ++turn) {
            QCoreApplication::processEvents();
        }
    }

    QTemporaryDir directory;
    QSettings settings;
    i18n::LocalizationManager localization;
    state::RecommendationViewModel model;
    int files = 0;
};

// With CUEVOX_SCREENSHOTS set to a directory, a test leaves a picture of `view` there, drawn
// on the window's background as it would be seen.
inline void saveFilterScreenshot(QWidget& view, const QString& name) {
    const QString directory = qEnvironmentVariable("CUEVOX_SCREENSHOTS");
    if (directory.isEmpty()) {
        return;
    }
    // Run with QT_SCALE_FACTOR=2 for pictures sharp enough to read.
    const qreal ratio = view.devicePixelRatioF();
    QPixmap picture(view.size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(QColor(30, 30, 32));
    view.render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
    picture.save(QDir(directory).filePath(name + QStringLiteral(".png")));
}

} // namespace cuevox::views::filtertest
