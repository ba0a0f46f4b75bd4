<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name></name>
    <message id="app.header_title">
        <source>Cuevox</source>
        <translation>Cuevox</translation>
    </message>
    <message id="app.tracks_count">
        <source>%d tracks</source>
        <translation>%d Titel</translation>
    </message>
    <message id="app.loading_progress">
        <source>Loading… %d%</source>
        <translation>Wird geladen… %d %</translation>
    </message>
    <message id="app.load_library">
        <source>Load Library…</source>
        <translation>Bibliothek laden…</translation>
    </message>
    <message id="app.no_track_playing">
        <source>No track playing</source>
        <translation>Kein Titel wird abgespielt</translation>
    </message>
    <message id="app.not_found_in_library">
        <source>Not found in loaded library</source>
        <translation>Nicht in geladener Bibliothek gefunden</translation>
    </message>
    <message id="app.playing">
        <source> PLAYING</source>
        <translation> SPIELT</translation>
    </message>
    <message id="app.paused">
        <source> PAUSED</source>
        <translation> PAUSIERT</translation>
    </message>
    <message id="app.no_tracks_match">
        <source>No tracks match these filters</source>
        <translation>Keine Titel entsprechen diesen Filtern</translation>
    </message>
    <message id="library.error_title">
        <source>Couldn't load that file</source>
        <translation>Datei konnte nicht geladen werden</translation>
    </message>
    <message id="library.try_again">
        <source>Try Again…</source>
        <translation>Erneut versuchen…</translation>
    </message>
    <message id="library.dismiss">
        <source>Dismiss</source>
        <translation>Schließen</translation>
    </message>
    <message id="accessibility.title">
        <source>Accessibility access required</source>
        <translation>Bedienungshilfen-Zugriff erforderlich</translation>
    </message>
    <message id="accessibility.body">
        <source>This app reads Rekordbox's on-screen deck info via macOS Accessibility. Without it, no track will ever be detected.</source>
        <translation>Diese App liest die Deck-Informationen von Rekordbox über die macOS-Bedienungshilfen aus. Ohne diese Berechtigung wird kein Titel erkannt.</translation>
    </message>
    <message id="accessibility.request">
        <source>Request Access</source>
        <translation>Zugriff anfordern</translation>
    </message>
    <message id="accessibility.open_settings">
        <source>Open System Settings</source>
        <translation>Systemeinstellungen öffnen</translation>
    </message>
    <message id="accessibility.stale_grant">
        <source>Already switched on in System Settings, yet this notice stays? Select Cuevox in the list, remove it with “−” and allow access again.</source>
        <translation>In den Systemeinstellungen schon eingeschaltet, aber dieser Hinweis bleibt? Cuevox in der Liste auswählen, mit „−“ entfernen und den Zugriff erneut erlauben.</translation>
    </message>
    <message id="filter.all_tracks">
        <source>All Tracks (%d)</source>
        <translation>Alle Titel (%d)</translation>
    </message>
    <message id="filter.search_placeholder">
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message id="filter.key">
        <source>Key</source>
        <translation>Tonart</translation>
    </message>
    <message id="filter.tempo">
        <source>Tempo</source>
        <translation>Tempo</translation>
    </message>
    <message id="filter.energy">
        <source>Energy</source>
        <translation>Energie</translation>
    </message>
    <message id="filter.genres">
        <source>Genres</source>
        <translation>Genres</translation>
    </message>
    <message id="filter.reset">
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message id="filter.select_keys">
        <source>Select Keys</source>
        <translation>Tonarten wählen</translation>
    </message>
    <message id="filter.energy_option">
        <source>Energy %d</source>
        <translation>Energie %d</translation>
    </message>
    <message id="settings.title">
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message id="settings.language_hint">
        <source>Changes apply immediately across the app.</source>
        <translation>Änderungen gelten sofort in der gesamten App.</translation>
    </message>
    <message id="filter.pitch_range">
        <source>Pitch range</source>
        <translation>Pitch-Bereich</translation>
    </message>
    <message id="filter.pitch_off">
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message id="filter.half_double">
        <source>Half/double time</source>
        <translation>Halbes/doppeltes Tempo</translation>
    </message>
    <message id="filter.energy_direction">
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message id="filter.energy_hold">
        <source>Hold</source>
        <translation>Halten</translation>
    </message>
    <message id="filter.energy_up">
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message id="filter.energy_down">
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message id="filter.search_crates">
        <source>Search playlists</source>
        <translation>Playlists durchsuchen</translation>
    </message>
    <message id="filter.whole_collection">
        <source>Whole collection</source>
        <translation>Gesamte Bibliothek</translation>
    </message>
    <message id="filter.pick_crate">
        <source>Pick a playlist</source>
        <translation>Playlist wählen</translation>
    </message>
    <message id="filter.hide_played">
        <source>Hide played</source>
        <translation>Gespielte ausblenden</translation>
    </message>
    <message id="filter.vary_artists">
        <source>Vary artists</source>
        <translation>Künstler variieren</translation>
    </message>
    <message id="settings.keys">
        <source>Keys</source>
        <translation>Tonarten</translation>
    </message>
    <message id="settings.open_key">
        <source>Read Open Key (1m, 1d)</source>
        <translation>Open Key lesen (1m, 1d)</translation>
    </message>
    <message id="settings.open_key_hint">
        <source>8A is always read; this also reads 1m and 1d from other DJ software. Switching reloads the collection.</source>
        <translation>8A wird immer gelesen; damit auch 1m und 1d aus anderer DJ-Software. Beim Umschalten wird die Bibliothek neu geladen.</translation>
    </message>
    <message id="library.error_not_found">
        <source>There is no file “%1” in %2.</source>
        <translation>Die Datei „%1“ gibt es in %2 nicht.</translation>
    </message>
    <message id="library.error_malformed">
        <source>“%1” is not a readable XML export: reading stopped at line %2, column %3 (%4).</source>
        <translation>„%1“ ist kein lesbarer XML-Export: Das Lesen endete in Zeile %2, Spalte %3 (%4).</translation>
    </message>
    <message id="library.error_malformed_unplaced">
        <source>“%1” is not a readable XML export (%2).</source>
        <translation>„%1“ ist kein lesbarer XML-Export (%2).</translation>
    </message>
    <message id="library.error_not_a_file">
        <source>“%1” is not a file that can be loaded: it is a folder, a device or a pipe.</source>
        <translation>„%1“ ist keine Datei, die sich laden lässt, sondern ein Ordner, ein Gerät oder eine Pipe.</translation>
    </message>
    <message id="library.error_no_access">
        <source>Cuevox may not read “%1”: check the file's permissions.</source>
        <translation>Cuevox darf „%1“ nicht lesen: Bitte die Zugriffsrechte der Datei prüfen.</translation>
    </message>
    <message id="library.error_no_memory">
        <source>There is not enough memory to load “%1”.</source>
        <translation>Der Arbeitsspeicher reicht nicht, um „%1“ zu laden.</translation>
    </message>
    <message id="library.error_unreadable">
        <source>“%1” could not be read (%2).</source>
        <translation>„%1“ konnte nicht gelesen werden (%2).</translation>
    </message>
    <message id="library.loading_file">
        <source>Loading %1… %2%</source>
        <translation>%1 wird geladen… %2 %</translation>
    </message>
    <message id="library.none_loaded">
        <source>No collection loaded</source>
        <translation>Keine Bibliothek geladen</translation>
    </message>
    <message id="library.no_tracks">
        <source>This collection has no tracks</source>
        <translation>Diese Bibliothek enthält keine Titel</translation>
    </message>
    <message id="filter.key_rules">
        <source>Key rules</source>
        <translation>Tonart-Regeln</translation>
    </message>
    <message id="filter.strict">
        <source>Strict</source>
        <translation>Streng</translation>
    </message>
    <message id="filter.balanced">
        <source>Balanced</source>
        <translation>Ausgewogen</translation>
    </message>
    <message id="filter.open">
        <source>Open</source>
        <translation>Offen</translation>
    </message>
    <message id="filter.key_lock">
        <source>Key lock (MASTER TEMPO)</source>
        <translation>Tonart-Lock (MASTER TEMPO)</translation>
    </message>
    <message id="filter.key_moves">
        <source>Show key moves</source>
        <translation>Tonart-Wechsel zeigen</translation>
    </message>
    <message id="move.same">
        <source>Same</source>
        <translation>Gleich</translation>
    </message>
    <message id="move.relative">
        <source>Relative</source>
        <translation>Parallel</translation>
    </message>
    <message id="move.diagonal">
        <source>Diagonal</source>
        <translation>Diagonal</translation>
    </message>
    <message id="move.parallel">
        <source>Parallel</source>
        <translation>Variante</translation>
    </message>
    <message id="move.semitone_up">
        <source>Semitone ↑</source>
        <translation>Halbton ↑</translation>
    </message>
    <message id="move.semitone_down">
        <source>Semitone ↓</source>
        <translation>Halbton ↓</translation>
    </message>
    <message id="move.clash">
        <source>Clash</source>
        <translation>Clash</translation>
    </message>
    <message id="move.same_tip">
        <source>The same key</source>
        <translation>Dieselbe Tonart</translation>
    </message>
    <message id="move.relative_tip">
        <source>The relative key: the same notes, minor and major swapped</source>
        <translation>Die Paralleltonart: dieselben Töne, Moll und Dur getauscht</translation>
    </message>
    <message id="move.plus_one_tip">
        <source>One step clockwise: a fifth up</source>
        <translation>Ein Schritt im Uhrzeigersinn: eine Quinte höher</translation>
    </message>
    <message id="move.minus_one_tip">
        <source>One step counter-clockwise: a fifth down</source>
        <translation>Ein Schritt gegen den Uhrzeigersinn: eine Quinte tiefer</translation>
    </message>
    <message id="move.diagonal_tip">
        <source>One step and the other letter: a neighbour's relative key</source>
        <translation>Ein Schritt und der andere Buchstabe: die Paralleltonart eines Nachbarn</translation>
    </message>
    <message id="move.boost_tip">
        <source>Two steps clockwise: a whole tone up, an energy boost</source>
        <translation>Zwei Schritte im Uhrzeigersinn: ein Ganzton höher, ein Energieschub</translation>
    </message>
    <message id="move.minus_two_tip">
        <source>Two steps counter-clockwise: a whole tone down</source>
        <translation>Zwei Schritte gegen den Uhrzeigersinn: ein Ganzton tiefer</translation>
    </message>
    <message id="move.parallel_tip">
        <source>The parallel key: the same root, minor and major swapped</source>
        <translation>Die Variante: derselbe Grundton, Moll und Dur getauscht</translation>
    </message>
    <message id="move.semitone_up_tip">
        <source>Seven steps clockwise: a semitone up</source>
        <translation>Sieben Schritte im Uhrzeigersinn: ein Halbton höher</translation>
    </message>
    <message id="move.semitone_down_tip">
        <source>Seven steps counter-clockwise: a semitone down</source>
        <translation>Sieben Schritte gegen den Uhrzeigersinn: ein Halbton tiefer</translation>
    </message>
    <message id="move.clash_tip">
        <source>The keys clash</source>
        <translation>Die Tonarten beißen sich</translation>
    </message>
    <message id="key.heard_tip">
        <source>Heard in this key at the pitch it plays at, without key lock</source>
        <translation>Ohne Tonart-Lock bei diesem Pitch in dieser Tonart zu hören</translation>
    </message>
    <message id="key.between_tip">
        <source>%d cents off: between two keys</source>
        <translation>%d Cent daneben: zwischen zwei Tonarten</translation>
    </message>
    <message id="filter.your_style">
        <source>Your style</source>
        <translation>Dein Stil</translation>
    </message>
    <message id="style.crates">
        <source>in %d of your crates</source>
        <translation>in %d deiner Playlists</translation>
    </message>
    <message id="style.same_day">
        <source>added the same day</source>
        <translation>am selben Tag hinzugefügt</translation>
    </message>
    <message id="style.same_week">
        <source>added the same week</source>
        <translation>in derselben Woche hinzugefügt</translation>
    </message>
    <message id="style.days_apart">
        <source>added %d days apart</source>
        <translation>%d Tage auseinander hinzugefügt</translation>
    </message>
    <message id="style.played_after">
        <source>played after it %d×</source>
        <translation>%d× danach gespielt</translation>
    </message>
    <message id="style.played_before">
        <source>played before it %d×</source>
        <translation>%d× davor gespielt</translation>
    </message>
    <message id="style.key_move">
        <source>your usual %1 move</source>
        <translation>dein üblicher %1-Wechsel</translation>
    </message>
    <message id="style.tempo_step">
        <source>your usual %1 % tempo step</source>
        <translation>dein üblicher Temposchritt von %1 %</translation>
    </message>
    <message id="style.list_score">
        <source>list score %d</source>
        <translation>Listenwert %d</translation>
    </message>
    <message id="settings.sets">
        <source>Your sets</source>
        <translation>Deine Sets</translation>
    </message>
    <message id="settings.remember_sets">
        <source>Remember my sets</source>
        <translation>Meine Sets merken</translation>
    </message>
    <message id="settings.remember_sets_hint">
        <source>Each track that plays for a minute joins a playlist of the day in Cuevox's data folder, which Your style learns from.</source>
        <translation>Jeder Titel, der eine Minute läuft, kommt in eine Playlist des Tages im Datenordner von Cuevox, aus der Dein Stil lernt.</translation>
    </message>
    <message id="settings.history_folder">
        <source>History files</source>
        <translation>Verlaufsdateien</translation>
    </message>
    <message id="settings.history_hint">
        <source>A folder of your past sets as M3U8 playlists, such as rekordbox's exported HISTORY playlists.</source>
        <translation>Ein Ordner deiner früheren Sets als M3U8-Playlists, etwa die aus rekordbox exportierten HISTORY-Playlists.</translation>
    </message>
    <message id="settings.choose_folder">
        <source>Choose…</source>
        <translation>Auswählen…</translation>
    </message>
    <message id="settings.no_folder">
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message id="settings.clear_folder">
        <source>Clear</source>
        <translation>Entfernen</translation>
    </message>
    <message id="menu.open_sets">
        <source>Open My Sets Folder</source>
        <translation>Ordner meiner Sets öffnen</translation>
    </message>
    <message id="sets.log_failed_title">
        <source>Your set is not being remembered</source>
        <translation>Dein Set wird nicht gemerkt</translation>
    </message>
    <message id="sets.log_failed_body">
        <source>The set log cannot be written; your set goes on.</source>
        <translation>Das Set-Protokoll kann nicht geschrieben werden; dein Set läuft weiter.</translation>
    </message>
    <message id="sets.open_folder">
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
</context>
</TS>
