<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name></name>
    <message id="app.header_title">
        <source>Cuevox</source>
        <translation>Cuevox</translation>
    </message>
    <message id="app.tracks_count">
        <source>%d tracks</source>
        <translation>%d morceaux</translation>
    </message>
    <message id="app.loading_progress">
        <source>Loading… %d%</source>
        <translation>Chargement… %d %</translation>
    </message>
    <message id="app.load_library">
        <source>Load Library…</source>
        <translation>Charger la bibliothèque…</translation>
    </message>
    <message id="app.no_track_playing">
        <source>No track playing</source>
        <translation>Aucun morceau en lecture</translation>
    </message>
    <message id="app.not_found_in_library">
        <source>Not found in loaded library</source>
        <translation>Introuvable dans la bibliothèque chargée</translation>
    </message>
    <message id="app.playing">
        <source> PLAYING</source>
        <translation> LECTURE</translation>
    </message>
    <message id="app.paused">
        <source> PAUSED</source>
        <translation> PAUSE</translation>
    </message>
    <message id="app.no_tracks_match">
        <source>No tracks match these filters</source>
        <translation>Aucun morceau ne correspond à ces filtres</translation>
    </message>
    <message id="library.error_title">
        <source>Couldn't load that file</source>
        <translation>Impossible de charger ce fichier</translation>
    </message>
    <message id="library.try_again">
        <source>Try Again…</source>
        <translation>Réessayer…</translation>
    </message>
    <message id="library.dismiss">
        <source>Dismiss</source>
        <translation>Ignorer</translation>
    </message>
    <message id="accessibility.title">
        <source>Accessibility access required</source>
        <translation>Accès Accessibilité requis</translation>
    </message>
    <message id="accessibility.body">
        <source>This app reads Rekordbox's on-screen deck info via macOS Accessibility. Without it, no track will ever be detected.</source>
        <translation>Cette app lit les informations des decks de Rekordbox à l'écran via Accessibilité macOS. Sans cette autorisation, aucun morceau ne sera jamais détecté.</translation>
    </message>
    <message id="accessibility.request">
        <source>Request Access</source>
        <translation>Demander l'accès</translation>
    </message>
    <message id="accessibility.open_settings">
        <source>Open System Settings</source>
        <translation>Ouvrir les Réglages Système</translation>
    </message>
    <message id="accessibility.stale_grant">
        <source>Already switched on in System Settings, yet this notice stays? Select Cuevox in the list, remove it with “−” and allow access again.</source>
        <translation>Déjà activé dans Réglages Système, mais cet avis reste affiché ? Sélectionnez Cuevox dans la liste, supprimez-le avec « − » puis autorisez de nouveau l'accès.</translation>
    </message>
    <message id="filter.all_tracks">
        <source>All Tracks (%d)</source>
        <translation>Tous les morceaux (%d)</translation>
    </message>
    <message id="filter.search_placeholder">
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message id="filter.key">
        <source>Key</source>
        <translation>Tonalité</translation>
    </message>
    <message id="filter.tempo">
        <source>Tempo</source>
        <translation>Tempo</translation>
    </message>
    <message id="filter.energy">
        <source>Energy</source>
        <translation>Énergie</translation>
    </message>
    <message id="filter.genres">
        <source>Genres</source>
        <translation>Genres</translation>
    </message>
    <message id="filter.reset">
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message id="filter.select_keys">
        <source>Select Keys</source>
        <translation>Sélectionner les tonalités</translation>
    </message>
    <message id="filter.energy_option">
        <source>Energy %d</source>
        <translation>Énergie %d</translation>
    </message>
    <message id="settings.title">
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message id="settings.language_hint">
        <source>Changes apply immediately across the app.</source>
        <translation>Les changements s'appliquent immédiatement dans toute l'app.</translation>
    </message>
    <message id="filter.pitch_range">
        <source>Pitch range</source>
        <translation>Plage de pitch</translation>
    </message>
    <message id="filter.pitch_off">
        <source>Off</source>
        <translation>Aucune</translation>
    </message>
    <message id="filter.half_double">
        <source>Half/double time</source>
        <translation>Demi/double tempo</translation>
    </message>
    <message id="filter.energy_direction">
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message id="filter.energy_hold">
        <source>Hold</source>
        <translation>Maintenir</translation>
    </message>
    <message id="filter.energy_up">
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message id="filter.energy_down">
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message id="filter.search_crates">
        <source>Search playlists</source>
        <translation>Rechercher une playlist</translation>
    </message>
    <message id="filter.whole_collection">
        <source>Whole collection</source>
        <translation>Toute la bibliothèque</translation>
    </message>
    <message id="filter.pick_crate">
        <source>Pick a playlist</source>
        <translation>Choisir une playlist</translation>
    </message>
    <message id="filter.hide_played">
        <source>Hide played</source>
        <translation>Masquer les joués</translation>
    </message>
    <message id="filter.vary_artists">
        <source>Vary artists</source>
        <translation>Varier les artistes</translation>
    </message>
    <message id="settings.keys">
        <source>Keys</source>
        <translation>Tonalités</translation>
    </message>
    <message id="settings.open_key">
        <source>Read Open Key (1m, 1d)</source>
        <translation>Lire Open Key (1m, 1d)</translation>
    </message>
    <message id="settings.open_key_hint">
        <source>8A is always read; this also reads 1m and 1d from other DJ software. Switching reloads the collection.</source>
        <translation>8A est toujours lu ; cette option lit aussi 1m et 1d d’autres logiciels DJ. Le changement recharge la bibliothèque.</translation>
    </message>
    <message id="library.error_not_found">
        <source>There is no file “%1” in %2.</source>
        <translation>Il n’y a pas de fichier « %1 » dans %2.</translation>
    </message>
    <message id="library.error_malformed">
        <source>“%1” is not a readable XML export: reading stopped at line %2, column %3 (%4).</source>
        <translation>« %1 » n’est pas un export XML lisible : la lecture s’est arrêtée ligne %2, colonne %3 (%4).</translation>
    </message>
    <message id="library.error_malformed_unplaced">
        <source>“%1” is not a readable XML export (%2).</source>
        <translation>« %1 » n’est pas un export XML lisible (%2).</translation>
    </message>
    <message id="library.error_not_a_file">
        <source>“%1” is not a file that can be loaded: it is a folder, a device or a pipe.</source>
        <translation>« %1 » n’est pas un fichier que l’on peut charger : c’est un dossier, un périphérique ou un tube.</translation>
    </message>
    <message id="library.error_no_access">
        <source>Cuevox may not read “%1”: check the file's permissions.</source>
        <translation>Cuevox n’a pas le droit de lire « %1 » : vérifiez les permissions du fichier.</translation>
    </message>
    <message id="library.error_no_memory">
        <source>There is not enough memory to load “%1”.</source>
        <translation>Il n’y a pas assez de mémoire pour charger « %1 ».</translation>
    </message>
    <message id="library.error_unreadable">
        <source>“%1” could not be read (%2).</source>
        <translation>Impossible de lire « %1 » (%2).</translation>
    </message>
    <message id="library.loading_file">
        <source>Loading %1… %2%</source>
        <translation>Chargement de %1… %2 %</translation>
    </message>
    <message id="library.none_loaded">
        <source>No collection loaded</source>
        <translation>Aucune bibliothèque chargée</translation>
    </message>
    <message id="library.no_tracks">
        <source>This collection has no tracks</source>
        <translation>Cette bibliothèque ne contient aucun morceau</translation>
    </message>
    <message id="filter.key_rules">
        <source>Key rules</source>
        <translation>Règles de tonalité</translation>
    </message>
    <message id="filter.strict">
        <source>Strict</source>
        <translation>Strict</translation>
    </message>
    <message id="filter.balanced">
        <source>Balanced</source>
        <translation>Équilibré</translation>
    </message>
    <message id="filter.open">
        <source>Open</source>
        <translation>Ouvert</translation>
    </message>
    <message id="filter.key_lock">
        <source>Key lock (MASTER TEMPO)</source>
        <translation>Verrouillage de tonalité (MASTER TEMPO)</translation>
    </message>
    <message id="filter.key_moves">
        <source>Show key moves</source>
        <translation>Afficher les changements de tonalité</translation>
    </message>
    <message id="move.same">
        <source>Same</source>
        <translation>Même</translation>
    </message>
    <message id="move.relative">
        <source>Relative</source>
        <translation>Relative</translation>
    </message>
    <message id="move.diagonal">
        <source>Diagonal</source>
        <translation>Diagonale</translation>
    </message>
    <message id="move.parallel">
        <source>Parallel</source>
        <translation>Homonyme</translation>
    </message>
    <message id="move.semitone_up">
        <source>Semitone ↑</source>
        <translation>Demi-ton ↑</translation>
    </message>
    <message id="move.semitone_down">
        <source>Semitone ↓</source>
        <translation>Demi-ton ↓</translation>
    </message>
    <message id="move.clash">
        <source>Clash</source>
        <translation>Conflit</translation>
    </message>
    <message id="move.same_tip">
        <source>The same key</source>
        <translation>La même tonalité</translation>
    </message>
    <message id="move.relative_tip">
        <source>The relative key: the same notes, minor and major swapped</source>
        <translation>La tonalité relative : les mêmes notes, mineur et majeur échangés</translation>
    </message>
    <message id="move.plus_one_tip">
        <source>One step clockwise: a fifth up</source>
        <translation>Un pas dans le sens horaire : une quinte au-dessus</translation>
    </message>
    <message id="move.minus_one_tip">
        <source>One step counter-clockwise: a fifth down</source>
        <translation>Un pas dans le sens antihoraire : une quinte en dessous</translation>
    </message>
    <message id="move.diagonal_tip">
        <source>One step and the other letter: a neighbour's relative key</source>
        <translation>Un pas et l'autre lettre : la relative d'une voisine</translation>
    </message>
    <message id="move.boost_tip">
        <source>Two steps clockwise: a whole tone up, an energy boost</source>
        <translation>Deux pas dans le sens horaire : un ton au-dessus, un regain d'énergie</translation>
    </message>
    <message id="move.minus_two_tip">
        <source>Two steps counter-clockwise: a whole tone down</source>
        <translation>Deux pas dans le sens antihoraire : un ton en dessous</translation>
    </message>
    <message id="move.parallel_tip">
        <source>The parallel key: the same root, minor and major swapped</source>
        <translation>La tonalité homonyme : la même tonique, mineur et majeur échangés</translation>
    </message>
    <message id="move.semitone_up_tip">
        <source>Seven steps clockwise: a semitone up</source>
        <translation>Sept pas dans le sens horaire : un demi-ton au-dessus</translation>
    </message>
    <message id="move.semitone_down_tip">
        <source>Seven steps counter-clockwise: a semitone down</source>
        <translation>Sept pas dans le sens antihoraire : un demi-ton en dessous</translation>
    </message>
    <message id="move.clash_tip">
        <source>The keys clash</source>
        <translation>Les tonalités se heurtent</translation>
    </message>
    <message id="key.heard_tip">
        <source>Heard in this key at the pitch it plays at, without key lock</source>
        <translation>Sans verrouillage, entendu dans cette tonalité au pitch joué</translation>
    </message>
    <message id="key.between_tip">
        <source>%d cents off: between two keys</source>
        <translation>Décalé de %d cents : entre deux tonalités</translation>
    </message>
    <message id="filter.your_style">
        <source>Your style</source>
        <translation>Ton style</translation>
    </message>
    <message id="style.crates">
        <source>in %d of your crates</source>
        <translation>dans %d de tes playlists</translation>
    </message>
    <message id="style.same_day">
        <source>added the same day</source>
        <translation>ajouté le même jour</translation>
    </message>
    <message id="style.same_week">
        <source>added the same week</source>
        <translation>ajouté la même semaine</translation>
    </message>
    <message id="style.days_apart">
        <source>added %d days apart</source>
        <translation>ajoutés à %d jours d'écart</translation>
    </message>
    <message id="style.played_after">
        <source>played after it %d×</source>
        <translation>passé après %d×</translation>
    </message>
    <message id="style.played_before">
        <source>played before it %d×</source>
        <translation>passé avant %d×</translation>
    </message>
    <message id="style.key_move">
        <source>your usual %1 move</source>
        <translation>ton passage habituel %1</translation>
    </message>
    <message id="style.tempo_step">
        <source>your usual %1 % tempo step</source>
        <translation>ton écart de tempo habituel de %1 %</translation>
    </message>
    <message id="style.list_score">
        <source>list score %d</source>
        <translation>score %d</translation>
    </message>
    <message id="settings.sets">
        <source>Your sets</source>
        <translation>Tes sets</translation>
    </message>
    <message id="settings.remember_sets">
        <source>Remember my sets</source>
        <translation>Mémoriser mes sets</translation>
    </message>
    <message id="settings.remember_sets_hint">
        <source>Each track that plays for a minute joins a playlist of the day in Cuevox's data folder, which Your style learns from.</source>
        <translation>Chaque morceau joué une minute rejoint une playlist du jour dans le dossier de données de Cuevox, dont Ton style apprend.</translation>
    </message>
    <message id="settings.history_folder">
        <source>History files</source>
        <translation>Fichiers d'historique</translation>
    </message>
    <message id="settings.history_hint">
        <source>A folder of your past sets as M3U8 playlists, such as rekordbox's exported HISTORY playlists.</source>
        <translation>Un dossier de tes sets passés en playlists M3U8, comme les playlists HISTORY exportées de rekordbox.</translation>
    </message>
    <message id="settings.choose_folder">
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message id="settings.no_folder">
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message id="settings.clear_folder">
        <source>Clear</source>
        <translation>Retirer</translation>
    </message>
    <message id="menu.open_sets">
        <source>Open My Sets Folder</source>
        <translation>Ouvrir le dossier de mes sets</translation>
    </message>
    <message id="sets.log_failed_title">
        <source>Your set is not being remembered</source>
        <translation>Ton set n'est pas mémorisé</translation>
    </message>
    <message id="sets.log_failed_body">
        <source>The set log cannot be written; your set goes on.</source>
        <translation>Le journal du set ne peut pas être écrit ; ton set continue.</translation>
    </message>
    <message id="sets.open_folder">
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
</context>
</TS>
