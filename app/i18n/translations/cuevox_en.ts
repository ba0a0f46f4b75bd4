<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name></name>
    <message id="app.header_title">
        <source>Cuevox</source>
        <translation>Cuevox</translation>
    </message>
    <message id="app.tracks_count">
        <source>%d tracks</source>
        <translation>%d tracks</translation>
    </message>
    <message id="app.loading_progress">
        <source>Loading… %d%</source>
        <translation>Loading… %d%</translation>
    </message>
    <message id="app.load_library">
        <source>Load Library…</source>
        <translation>Load Library…</translation>
    </message>
    <message id="app.no_track_playing">
        <source>No track playing</source>
        <translation>No track playing</translation>
    </message>
    <message id="app.not_found_in_library">
        <source>Not found in loaded library</source>
        <translation>Not found in loaded library</translation>
    </message>
    <message id="app.playing">
        <source> PLAYING</source>
        <translation> PLAYING</translation>
    </message>
    <message id="app.paused">
        <source> PAUSED</source>
        <translation> PAUSED</translation>
    </message>
    <message id="app.no_tracks_match">
        <source>No tracks match these filters</source>
        <translation>No tracks match these filters</translation>
    </message>
    <message id="library.error_title">
        <source>Couldn't load that file</source>
        <translation>Couldn't load that file</translation>
    </message>
    <message id="library.try_again">
        <source>Try Again…</source>
        <translation>Try Again…</translation>
    </message>
    <message id="library.dismiss">
        <source>Dismiss</source>
        <translation>Dismiss</translation>
    </message>
    <message id="accessibility.title">
        <source>Accessibility access required</source>
        <translation>Accessibility access required</translation>
    </message>
    <message id="accessibility.body">
        <source>This app reads Rekordbox's on-screen deck info via macOS Accessibility. Without it, no track will ever be detected.</source>
        <translation>This app reads Rekordbox's on-screen deck info via macOS Accessibility. Without it, no track will ever be detected.</translation>
    </message>
    <message id="accessibility.request">
        <source>Request Access</source>
        <translation>Request Access</translation>
    </message>
    <message id="accessibility.open_settings">
        <source>Open System Settings</source>
        <translation>Open System Settings</translation>
    </message>
    <message id="accessibility.stale_grant">
        <source>Already switched on in System Settings, yet this notice stays? Select Cuevox in the list, remove it with “−” and allow access again.</source>
        <translation>Already switched on in System Settings, yet this notice stays? Select Cuevox in the list, remove it with “−” and allow access again.</translation>
    </message>
    <message id="filter.all_tracks">
        <source>All Tracks (%d)</source>
        <translation>All Tracks (%d)</translation>
    </message>
    <message id="filter.search_placeholder">
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message id="filter.key">
        <source>Key</source>
        <translation>Key</translation>
    </message>
    <message id="filter.tempo">
        <source>Tempo</source>
        <translation>Tempo</translation>
    </message>
    <message id="filter.energy">
        <source>Energy</source>
        <translation>Energy</translation>
    </message>
    <message id="filter.genres">
        <source>Genres</source>
        <translation>Genres</translation>
    </message>
    <message id="filter.reset">
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message id="filter.select_keys">
        <source>Select Keys</source>
        <translation>Select Keys</translation>
    </message>
    <message id="filter.energy_option">
        <source>Energy %d</source>
        <translation>Energy %d</translation>
    </message>
    <message id="settings.title">
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message id="settings.language_hint">
        <source>Changes apply immediately across the app.</source>
        <translation>Changes apply immediately across the app.</translation>
    </message>
    <message id="filter.pitch_range">
        <source>Pitch range</source>
        <translation>Pitch range</translation>
    </message>
    <message id="filter.pitch_off">
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message id="filter.half_double">
        <source>Half/double time</source>
        <translation>Half/double time</translation>
    </message>
    <message id="filter.energy_direction">
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message id="filter.energy_hold">
        <source>Hold</source>
        <translation>Hold</translation>
    </message>
    <message id="filter.energy_up">
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message id="filter.energy_down">
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message id="filter.search_crates">
        <source>Search playlists</source>
        <translation>Search playlists</translation>
    </message>
    <message id="filter.whole_collection">
        <source>Whole collection</source>
        <translation>Whole collection</translation>
    </message>
    <message id="filter.pick_crate">
        <source>Pick a playlist</source>
        <translation>Pick a playlist</translation>
    </message>
    <message id="filter.hide_played">
        <source>Hide played</source>
        <translation>Hide played</translation>
    </message>
    <message id="filter.vary_artists">
        <source>Vary artists</source>
        <translation>Vary artists</translation>
    </message>
    <message id="settings.keys">
        <source>Keys</source>
        <translation>Keys</translation>
    </message>
    <message id="settings.open_key">
        <source>Read Open Key (1m, 1d)</source>
        <translation>Read Open Key (1m, 1d)</translation>
    </message>
    <message id="settings.open_key_hint">
        <source>8A is always read; this also reads 1m and 1d from other DJ software. Switching reloads the collection.</source>
        <translation>8A is always read; this also reads 1m and 1d from other DJ software. Switching reloads the collection.</translation>
    </message>
    <message id="library.error_not_found">
        <source>There is no file “%1” in %2.</source>
        <translation>There is no file “%1” in %2.</translation>
    </message>
    <message id="library.error_malformed">
        <source>“%1” is not a readable XML export: reading stopped at line %2, column %3 (%4).</source>
        <translation>“%1” is not a readable XML export: reading stopped at line %2, column %3 (%4).</translation>
    </message>
    <message id="library.error_malformed_unplaced">
        <source>“%1” is not a readable XML export (%2).</source>
        <translation>“%1” is not a readable XML export (%2).</translation>
    </message>
    <message id="library.error_not_a_file">
        <source>“%1” is not a file that can be loaded: it is a folder, a device or a pipe.</source>
        <translation>“%1” is not a file that can be loaded: it is a folder, a device or a pipe.</translation>
    </message>
    <message id="library.error_no_access">
        <source>Cuevox may not read “%1”: check the file's permissions.</source>
        <translation>Cuevox may not read “%1”: check the file's permissions.</translation>
    </message>
    <message id="library.error_no_memory">
        <source>There is not enough memory to load “%1”.</source>
        <translation>There is not enough memory to load “%1”.</translation>
    </message>
    <message id="library.error_unreadable">
        <source>“%1” could not be read (%2).</source>
        <translation>“%1” could not be read (%2).</translation>
    </message>
    <message id="library.loading_file">
        <source>Loading %1… %2%</source>
        <translation>Loading %1… %2%</translation>
    </message>
    <message id="library.none_loaded">
        <source>No collection loaded</source>
        <translation>No collection loaded</translation>
    </message>
    <message id="library.no_tracks">
        <source>This collection has no tracks</source>
        <translation>This collection has no tracks</translation>
    </message>
    <message id="filter.key_rules">
        <source>Key rules</source>
        <translation>Key rules</translation>
    </message>
    <message id="filter.strict">
        <source>Strict</source>
        <translation>Strict</translation>
    </message>
    <message id="filter.balanced">
        <source>Balanced</source>
        <translation>Balanced</translation>
    </message>
    <message id="filter.open">
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message id="filter.key_lock">
        <source>Key lock (MASTER TEMPO)</source>
        <translation>Key lock (MASTER TEMPO)</translation>
    </message>
    <message id="filter.key_moves">
        <source>Show key moves</source>
        <translation>Show key moves</translation>
    </message>
    <message id="move.same">
        <source>Same</source>
        <translation>Same</translation>
    </message>
    <message id="move.relative">
        <source>Relative</source>
        <translation>Relative</translation>
    </message>
    <message id="move.diagonal">
        <source>Diagonal</source>
        <translation>Diagonal</translation>
    </message>
    <message id="move.parallel">
        <source>Parallel</source>
        <translation>Parallel</translation>
    </message>
    <message id="move.semitone_up">
        <source>Semitone ↑</source>
        <translation>Semitone ↑</translation>
    </message>
    <message id="move.semitone_down">
        <source>Semitone ↓</source>
        <translation>Semitone ↓</translation>
    </message>
    <message id="move.clash">
        <source>Clash</source>
        <translation>Clash</translation>
    </message>
    <message id="move.same_tip">
        <source>The same key</source>
        <translation>The same key</translation>
    </message>
    <message id="move.relative_tip">
        <source>The relative key: the same notes, minor and major swapped</source>
        <translation>The relative key: the same notes, minor and major swapped</translation>
    </message>
    <message id="move.plus_one_tip">
        <source>One step clockwise: a fifth up</source>
        <translation>One step clockwise: a fifth up</translation>
    </message>
    <message id="move.minus_one_tip">
        <source>One step counter-clockwise: a fifth down</source>
        <translation>One step counter-clockwise: a fifth down</translation>
    </message>
    <message id="move.diagonal_tip">
        <source>One step and the other letter: a neighbour's relative key</source>
        <translation>One step and the other letter: a neighbour's relative key</translation>
    </message>
    <message id="move.boost_tip">
        <source>Two steps clockwise: a whole tone up, an energy boost</source>
        <translation>Two steps clockwise: a whole tone up, an energy boost</translation>
    </message>
    <message id="move.minus_two_tip">
        <source>Two steps counter-clockwise: a whole tone down</source>
        <translation>Two steps counter-clockwise: a whole tone down</translation>
    </message>
    <message id="move.parallel_tip">
        <source>The parallel key: the same root, minor and major swapped</source>
        <translation>The parallel key: the same root, minor and major swapped</translation>
    </message>
    <message id="move.semitone_up_tip">
        <source>Seven steps clockwise: a semitone up</source>
        <translation>Seven steps clockwise: a semitone up</translation>
    </message>
    <message id="move.semitone_down_tip">
        <source>Seven steps counter-clockwise: a semitone down</source>
        <translation>Seven steps counter-clockwise: a semitone down</translation>
    </message>
    <message id="move.clash_tip">
        <source>The keys clash</source>
        <translation>The keys clash</translation>
    </message>
    <message id="key.heard_tip">
        <source>Heard in this key at the pitch it plays at, without key lock</source>
        <translation>Heard in this key at the pitch it plays at, without key lock</translation>
    </message>
    <message id="key.between_tip">
        <source>%d cents off: between two keys</source>
        <translation>%d cents off: between two keys</translation>
    </message>
    <message id="filter.your_style">
        <source>Your style</source>
        <translation>Your style</translation>
    </message>
    <message id="style.crates">
        <source>in %d of your crates</source>
        <translation>in %d of your crates</translation>
    </message>
    <message id="style.same_day">
        <source>added the same day</source>
        <translation>added the same day</translation>
    </message>
    <message id="style.same_week">
        <source>added the same week</source>
        <translation>added the same week</translation>
    </message>
    <message id="style.days_apart">
        <source>added %d days apart</source>
        <translation>added %d days apart</translation>
    </message>
    <message id="style.played_after">
        <source>played after it %d×</source>
        <translation>played after it %d×</translation>
    </message>
    <message id="style.played_before">
        <source>played before it %d×</source>
        <translation>played before it %d×</translation>
    </message>
    <message id="style.key_move">
        <source>your usual %1 move</source>
        <translation>your usual %1 move</translation>
    </message>
    <message id="style.tempo_step">
        <source>your usual %1 % tempo step</source>
        <translation>your usual %1 % tempo step</translation>
    </message>
    <message id="style.list_score">
        <source>list score %d</source>
        <translation>list score %d</translation>
    </message>
    <message id="settings.sets">
        <source>Your sets</source>
        <translation>Your sets</translation>
    </message>
    <message id="settings.remember_sets">
        <source>Remember my sets</source>
        <translation>Remember my sets</translation>
    </message>
    <message id="settings.remember_sets_hint">
        <source>Each track that plays for a minute joins a playlist of the day in Cuevox's data folder, which Your style learns from.</source>
        <translation>Each track that plays for a minute joins a playlist of the day in Cuevox's data folder, which Your style learns from.</translation>
    </message>
    <message id="settings.history_folder">
        <source>History files</source>
        <translation>History files</translation>
    </message>
    <message id="settings.history_hint">
        <source>A folder of your past sets as M3U8 playlists, such as rekordbox's exported HISTORY playlists.</source>
        <translation>A folder of your past sets as M3U8 playlists, such as rekordbox's exported HISTORY playlists.</translation>
    </message>
    <message id="settings.choose_folder">
        <source>Choose…</source>
        <translation>Choose…</translation>
    </message>
    <message id="settings.no_folder">
        <source>None</source>
        <translation>None</translation>
    </message>
    <message id="settings.clear_folder">
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message id="menu.open_sets">
        <source>Open My Sets Folder</source>
        <translation>Open My Sets Folder</translation>
    </message>
    <message id="sets.log_failed_title">
        <source>Your set is not being remembered</source>
        <translation>Your set is not being remembered</translation>
    </message>
    <message id="sets.log_failed_body">
        <source>The set log cannot be written; your set goes on.</source>
        <translation>The set log cannot be written; your set goes on.</translation>
    </message>
    <message id="sets.open_folder">
        <source>Open Folder</source>
        <translation>Open Folder</translation>
    </message>
</context>
</TS>
