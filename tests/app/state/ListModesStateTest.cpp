#include "state/ListModesState.hpp"

#include "support/TemporaryFiles.hpp"

#include <gtest/gtest.h>

#include <QSettings>
#include <QSignalSpy>

namespace cuevox::state {
namespace {

using tracklist::EnergyDirection;
using Modes = tracklist::ListModes;

TEST(ListModesStateTest, RemembersEveryModeAndReadsWhatItCannotUnderstandAsTheDefault) {
    tests::TemporaryDirectory directory;
    const QString file = QString::fromStdString((directory.path() / "settings.ini").string());
    {
        QSettings settings(file, QSettings::IniFormat);
        ListModesState state(settings);
        EXPECT_EQ(state.modes(), tracklist::ListModes{});
        QSignalSpy changed(&state, &ListModesState::modesChanged);
        state.set(&Modes::pitchRange, *tracklist::PitchRange::fromPercent(6));
        state.set(&Modes::halfDouble, true);
        state.set(&Modes::energyDirection, EnergyDirection::down);
        state.set(&Modes::playlistID, std::optional<std::string>("Crates/Peak"));
        state.set(&Modes::hidePlayed, true);
        state.set(&Modes::varyArtists, true);
        state.set(&Modes::varyArtists, true);
        state.set(&Modes::style, true);
        state.set(&Modes::harmonicStrictness, tracklist::HarmonicStrictness::balanced);
        state.set(&Modes::keyLock, false);
        state.set(&Modes::keyMoves, true);
        state.setOpenKey(true);
        state.dropCrateUnlessIn({"Crates", "Crates/Peak"});
        EXPECT_EQ(changed.count(), 10) << "an unchanged value is not announced";
    }
    QSettings settings(file, QSettings::IniFormat);
    ListModesState next(settings);
    EXPECT_EQ(next.modes().pitchRange.percent(), 6);
    EXPECT_TRUE(next.modes().halfDouble);
    EXPECT_EQ(next.modes().energyDirection, EnergyDirection::down);
    EXPECT_EQ(next.modes().playlistID, "Crates/Peak");
    EXPECT_TRUE(next.modes().hidePlayed && next.modes().varyArtists && next.modes().style &&
                next.openKey());
    EXPECT_EQ(next.modes().harmonicStrictness, tracklist::HarmonicStrictness::balanced);
    EXPECT_FALSE(next.modes().keyLock);
    EXPECT_TRUE(next.modes().keyMoves);
    EXPECT_EQ(settings.value("listModes/harmonicStrictness"), "balanced") << "stored by name";
    next.dropCrateUnlessIn({"Crates", "Peak"});
    EXPECT_EQ(next.modes().playlistID, std::nullopt);
    EXPECT_FALSE(settings.contains("listModes/crate")) << "the whole collection stores nothing";

    // clang-format off
    const struct { const char* key; QVariant stored; } unreadable[] = {
        {"listModes/pitchRange", 5},     {"listModes/pitchRange", "six"},
        {"listModes/halfDouble", "yes"}, {"listModes/energyDirection", "sideways"},
        {"listModes/hidePlayed", 1},     {"openKey", "on"},
        {"listModes/keyLock", "off"},    {"listModes/harmonicStrictness", "loose"},
        // clang-format on
    };
    for (const auto& [key, stored] : unreadable) {
        SCOPED_TRACE(key);
        settings.clear();
        settings.setValue(key, stored);
        const ListModesState state(settings);
        EXPECT_EQ(state.modes(), tracklist::ListModes{});
        EXPECT_FALSE(state.openKey());
    }
}

} // namespace
} // namespace cuevox::state
