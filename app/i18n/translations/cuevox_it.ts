<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name></name>
    <message id="app.header_title">
        <source>Cuevox</source>
        <translation>Cuevox</translation>
    </message>
    <message id="app.tracks_count">
        <source>%d tracks</source>
        <translation>%d brani</translation>
    </message>
    <message id="app.loading_progress">
        <source>Loading… %d%</source>
        <translation>Caricamento… %d%</translation>
    </message>
    <message id="app.load_library">
        <source>Load Library…</source>
        <translation>Carica libreria…</translation>
    </message>
    <message id="app.no_track_playing">
        <source>No track playing</source>
        <translation>Nessun brano in riproduzione</translation>
    </message>
    <message id="app.not_found_in_library">
        <source>Not found in loaded library</source>
        <translation>Non trovato nella libreria caricata</translation>
    </message>
    <message id="app.playing">
        <source> PLAYING</source>
        <translation> IN RIPRODUZIONE</translation>
    </message>
    <message id="app.paused">
        <source> PAUSED</source>
        <translation> IN PAUSA</translation>
    </message>
    <message id="app.no_tracks_match">
        <source>No tracks match these filters</source>
        <translation>Nessun brano corrisponde a questi filtri</translation>
    </message>
    <message id="library.error_title">
        <source>Couldn't load that file</source>
        <translation>Impossibile caricare il file</translation>
    </message>
    <message id="library.try_again">
        <source>Try Again…</source>
        <translation>Riprova…</translation>
    </message>
    <message id="library.dismiss">
        <source>Dismiss</source>
        <translation>Ignora</translation>
    </message>
    <message id="accessibility.title">
        <source>Accessibility access required</source>
        <translation>Accesso Accessibilità richiesto</translation>
    </message>
    <message id="accessibility.body">
        <source>This app reads Rekordbox's on-screen deck info via macOS Accessibility. Without it, no track will ever be detected.</source>
        <translation>Questa app legge le informazioni dei deck di Rekordbox a schermo tramite Accessibilità di macOS. Senza questo permesso non verrà mai rilevato alcun brano.</translation>
    </message>
    <message id="accessibility.request">
        <source>Request Access</source>
        <translation>Richiedi accesso</translation>
    </message>
    <message id="accessibility.open_settings">
        <source>Open System Settings</source>
        <translation>Apri Impostazioni di Sistema</translation>
    </message>
    <message id="accessibility.stale_grant">
        <source>Already switched on in System Settings, yet this notice stays? Select Cuevox in the list, remove it with “−” and allow access again.</source>
        <translation>Già attivato in Impostazioni di Sistema, ma questo avviso rimane? Seleziona Cuevox nell'elenco, rimuovilo con «−» e consenti di nuovo l'accesso.</translation>
    </message>
    <message id="filter.all_tracks">
        <source>All Tracks (%d)</source>
        <translation>Tutti i brani (%d)</translation>
    </message>
    <message id="filter.search_placeholder">
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message id="filter.key">
        <source>Key</source>
        <translation>Tonalità</translation>
    </message>
    <message id="filter.tempo">
        <source>Tempo</source>
        <translation>Tempo</translation>
    </message>
    <message id="filter.energy">
        <source>Energy</source>
        <translation>Energia</translation>
    </message>
    <message id="filter.genres">
        <source>Genres</source>
        <translation>Generi</translation>
    </message>
    <message id="filter.reset">
        <source>Reset</source>
        <translation>Reimposta</translation>
    </message>
    <message id="filter.select_keys">
        <source>Select Keys</source>
        <translation>Seleziona tonalità</translation>
    </message>
    <message id="filter.energy_option">
        <source>Energy %d</source>
        <translation>Energia %d</translation>
    </message>
    <message id="settings.title">
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message id="settings.language_hint">
        <source>Changes apply immediately across the app.</source>
        <translation>Le modifiche si applicano subito in tutta l'app.</translation>
    </message>
    <message id="filter.pitch_range">
        <source>Pitch range</source>
        <translation>Range del pitch</translation>
    </message>
    <message id="filter.pitch_off">
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message id="filter.half_double">
        <source>Half/double time</source>
        <translation>Mezzo/doppio tempo</translation>
    </message>
    <message id="filter.energy_direction">
        <source>Direction</source>
        <translation>Direzione</translation>
    </message>
    <message id="filter.energy_hold">
        <source>Hold</source>
        <translation>Mantieni</translation>
    </message>
    <message id="filter.energy_up">
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message id="filter.energy_down">
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message id="filter.search_crates">
        <source>Search playlists</source>
        <translation>Cerca playlist</translation>
    </message>
    <message id="filter.whole_collection">
        <source>Whole collection</source>
        <translation>Intera libreria</translation>
    </message>
    <message id="filter.pick_crate">
        <source>Pick a playlist</source>
        <translation>Scegli una playlist</translation>
    </message>
    <message id="filter.hide_played">
        <source>Hide played</source>
        <translation>Nascondi suonati</translation>
    </message>
    <message id="filter.vary_artists">
        <source>Vary artists</source>
        <translation>Varia artisti</translation>
    </message>
    <message id="settings.keys">
        <source>Keys</source>
        <translation>Tonalità</translation>
    </message>
    <message id="settings.open_key">
        <source>Read Open Key (1m, 1d)</source>
        <translation>Leggi Open Key (1m, 1d)</translation>
    </message>
    <message id="settings.open_key_hint">
        <source>8A is always read; this also reads 1m and 1d from other DJ software. Switching reloads the collection.</source>
        <translation>8A viene sempre letto; così si leggono anche 1m e 1d di altri software DJ. Il cambio ricarica la libreria.</translation>
    </message>
    <message id="library.error_not_found">
        <source>There is no file “%1” in %2.</source>
        <translation>Non c’è nessun file «%1» in %2.</translation>
    </message>
    <message id="library.error_malformed">
        <source>“%1” is not a readable XML export: reading stopped at line %2, column %3 (%4).</source>
        <translation>«%1» non è un’esportazione XML leggibile: la lettura si è fermata alla riga %2, colonna %3 (%4).</translation>
    </message>
    <message id="library.error_malformed_unplaced">
        <source>“%1” is not a readable XML export (%2).</source>
        <translation>«%1» non è un’esportazione XML leggibile (%2).</translation>
    </message>
    <message id="library.error_not_a_file">
        <source>“%1” is not a file that can be loaded: it is a folder, a device or a pipe.</source>
        <translation>«%1» non è un file che si possa caricare: è una cartella, un dispositivo o una pipe.</translation>
    </message>
    <message id="library.error_no_access">
        <source>Cuevox may not read “%1”: check the file's permissions.</source>
        <translation>Cuevox non ha il permesso di leggere «%1»: controlla i permessi del file.</translation>
    </message>
    <message id="library.error_no_memory">
        <source>There is not enough memory to load “%1”.</source>
        <translation>Non c’è abbastanza memoria per caricare «%1».</translation>
    </message>
    <message id="library.error_unreadable">
        <source>“%1” could not be read (%2).</source>
        <translation>Impossibile leggere «%1» (%2).</translation>
    </message>
    <message id="library.loading_file">
        <source>Loading %1… %2%</source>
        <translation>Caricamento di %1… %2%</translation>
    </message>
    <message id="library.none_loaded">
        <source>No collection loaded</source>
        <translation>Nessuna libreria caricata</translation>
    </message>
    <message id="library.no_tracks">
        <source>This collection has no tracks</source>
        <translation>Questa libreria non contiene brani</translation>
    </message>
    <message id="filter.key_rules">
        <source>Key rules</source>
        <translation>Regole di tonalità</translation>
    </message>
    <message id="filter.strict">
        <source>Strict</source>
        <translation>Rigido</translation>
    </message>
    <message id="filter.balanced">
        <source>Balanced</source>
        <translation>Bilanciato</translation>
    </message>
    <message id="filter.open">
        <source>Open</source>
        <translation>Aperto</translation>
    </message>
    <message id="filter.key_lock">
        <source>Key lock (MASTER TEMPO)</source>
        <translation>Blocco tonalità (MASTER TEMPO)</translation>
    </message>
    <message id="filter.key_moves">
        <source>Show key moves</source>
        <translation>Mostra i cambi di tonalità</translation>
    </message>
    <message id="move.same">
        <source>Same</source>
        <translation>Uguale</translation>
    </message>
    <message id="move.relative">
        <source>Relative</source>
        <translation>Relativa</translation>
    </message>
    <message id="move.diagonal">
        <source>Diagonal</source>
        <translation>Diagonale</translation>
    </message>
    <message id="move.parallel">
        <source>Parallel</source>
        <translation>Omonima</translation>
    </message>
    <message id="move.semitone_up">
        <source>Semitone ↑</source>
        <translation>Semitono ↑</translation>
    </message>
    <message id="move.semitone_down">
        <source>Semitone ↓</source>
        <translation>Semitono ↓</translation>
    </message>
    <message id="move.clash">
        <source>Clash</source>
        <translation>Stride</translation>
    </message>
    <message id="move.same_tip">
        <source>The same key</source>
        <translation>La stessa tonalità</translation>
    </message>
    <message id="move.relative_tip">
        <source>The relative key: the same notes, minor and major swapped</source>
        <translation>La tonalità relativa: le stesse note, minore e maggiore scambiati</translation>
    </message>
    <message id="move.plus_one_tip">
        <source>One step clockwise: a fifth up</source>
        <translation>Un passo in senso orario: una quinta sopra</translation>
    </message>
    <message id="move.minus_one_tip">
        <source>One step counter-clockwise: a fifth down</source>
        <translation>Un passo in senso antiorario: una quinta sotto</translation>
    </message>
    <message id="move.diagonal_tip">
        <source>One step and the other letter: a neighbour's relative key</source>
        <translation>Un passo e l'altra lettera: la relativa di una vicina</translation>
    </message>
    <message id="move.boost_tip">
        <source>Two steps clockwise: a whole tone up, an energy boost</source>
        <translation>Due passi in senso orario: un tono sopra, una spinta di energia</translation>
    </message>
    <message id="move.minus_two_tip">
        <source>Two steps counter-clockwise: a whole tone down</source>
        <translation>Due passi in senso antiorario: un tono sotto</translation>
    </message>
    <message id="move.parallel_tip">
        <source>The parallel key: the same root, minor and major swapped</source>
        <translation>La tonalità omonima: la stessa tonica, minore e maggiore scambiati</translation>
    </message>
    <message id="move.semitone_up_tip">
        <source>Seven steps clockwise: a semitone up</source>
        <translation>Sette passi in senso orario: un semitono sopra</translation>
    </message>
    <message id="move.semitone_down_tip">
        <source>Seven steps counter-clockwise: a semitone down</source>
        <translation>Sette passi in senso antiorario: un semitono sotto</translation>
    </message>
    <message id="move.clash_tip">
        <source>The keys clash</source>
        <translation>Le tonalità stridono</translation>
    </message>
    <message id="key.heard_tip">
        <source>Heard in this key at the pitch it plays at, without key lock</source>
        <translation>Senza blocco della tonalità, si sente in questa tonalità al pitch a cui suona</translation>
    </message>
    <message id="key.between_tip">
        <source>%d cents off: between two keys</source>
        <translation>Scostamento di %d cent: tra due tonalità</translation>
    </message>
    <message id="filter.your_style">
        <source>Your style</source>
        <translation>Il tuo stile</translation>
    </message>
    <message id="style.crates">
        <source>in %d of your crates</source>
        <translation>in %d delle tue playlist</translation>
    </message>
    <message id="style.same_day">
        <source>added the same day</source>
        <translation>aggiunto lo stesso giorno</translation>
    </message>
    <message id="style.same_week">
        <source>added the same week</source>
        <translation>aggiunto la stessa settimana</translation>
    </message>
    <message id="style.days_apart">
        <source>added %d days apart</source>
        <translation>aggiunti a %d giorni di distanza</translation>
    </message>
    <message id="style.played_after">
        <source>played after it %d×</source>
        <translation>suonato dopo %d×</translation>
    </message>
    <message id="style.played_before">
        <source>played before it %d×</source>
        <translation>suonato prima %d×</translation>
    </message>
    <message id="style.key_move">
        <source>your usual %1 move</source>
        <translation>il tuo solito passaggio %1</translation>
    </message>
    <message id="style.tempo_step">
        <source>your usual %1 % tempo step</source>
        <translation>il tuo solito salto di tempo del %1 %</translation>
    </message>
    <message id="style.list_score">
        <source>list score %d</source>
        <translation>punteggio %d</translation>
    </message>
    <message id="settings.sets">
        <source>Your sets</source>
        <translation>I tuoi set</translation>
    </message>
    <message id="settings.remember_sets">
        <source>Remember my sets</source>
        <translation>Ricorda i miei set</translation>
    </message>
    <message id="settings.remember_sets_hint">
        <source>Each track that plays for a minute joins a playlist of the day in Cuevox's data folder, which Your style learns from.</source>
        <translation>Ogni brano suonato per un minuto entra in una playlist del giorno nella cartella dati di Cuevox, da cui impara Il tuo stile.</translation>
    </message>
    <message id="settings.history_folder">
        <source>History files</source>
        <translation>File della cronologia</translation>
    </message>
    <message id="settings.history_hint">
        <source>A folder of your past sets as M3U8 playlists, such as rekordbox's exported HISTORY playlists.</source>
        <translation>Una cartella dei tuoi set passati come playlist M3U8, ad esempio le playlist HISTORY esportate da rekordbox.</translation>
    </message>
    <message id="settings.choose_folder">
        <source>Choose…</source>
        <translation>Scegli…</translation>
    </message>
    <message id="settings.no_folder">
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message id="settings.clear_folder">
        <source>Clear</source>
        <translation>Rimuovi</translation>
    </message>
    <message id="menu.open_sets">
        <source>Open My Sets Folder</source>
        <translation>Apri la cartella dei miei set</translation>
    </message>
    <message id="sets.log_failed_title">
        <source>Your set is not being remembered</source>
        <translation>Il tuo set non viene ricordato</translation>
    </message>
    <message id="sets.log_failed_body">
        <source>The set log cannot be written; your set goes on.</source>
        <translation>Il registro del set non può essere scritto; il tuo set continua.</translation>
    </message>
    <message id="sets.open_folder">
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
</context>
</TS>
