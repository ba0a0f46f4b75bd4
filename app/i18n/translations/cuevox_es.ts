<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name></name>
    <message id="app.header_title">
        <source>Cuevox</source>
        <translation>Cuevox</translation>
    </message>
    <message id="app.tracks_count">
        <source>%d tracks</source>
        <translation>%d pistas</translation>
    </message>
    <message id="app.loading_progress">
        <source>Loading… %d%</source>
        <translation>Cargando… %d %</translation>
    </message>
    <message id="app.load_library">
        <source>Load Library…</source>
        <translation>Cargar biblioteca…</translation>
    </message>
    <message id="app.no_track_playing">
        <source>No track playing</source>
        <translation>Ninguna pista en reproducción</translation>
    </message>
    <message id="app.not_found_in_library">
        <source>Not found in loaded library</source>
        <translation>No encontrada en la biblioteca cargada</translation>
    </message>
    <message id="app.playing">
        <source> PLAYING</source>
        <translation> REPRODUCIENDO</translation>
    </message>
    <message id="app.paused">
        <source> PAUSED</source>
        <translation> PAUSADO</translation>
    </message>
    <message id="app.no_tracks_match">
        <source>No tracks match these filters</source>
        <translation>Ninguna pista coincide con estos filtros</translation>
    </message>
    <message id="library.error_title">
        <source>Couldn't load that file</source>
        <translation>No se pudo cargar ese archivo</translation>
    </message>
    <message id="library.try_again">
        <source>Try Again…</source>
        <translation>Reintentar…</translation>
    </message>
    <message id="library.dismiss">
        <source>Dismiss</source>
        <translation>Descartar</translation>
    </message>
    <message id="accessibility.title">
        <source>Accessibility access required</source>
        <translation>Se requiere acceso de accesibilidad</translation>
    </message>
    <message id="accessibility.body">
        <source>This app reads Rekordbox's on-screen deck info via macOS Accessibility. Without it, no track will ever be detected.</source>
        <translation>Esta app lee la información de los decks de Rekordbox en pantalla mediante Accesibilidad de macOS. Sin este permiso, no se detectará ninguna pista.</translation>
    </message>
    <message id="accessibility.request">
        <source>Request Access</source>
        <translation>Solicitar acceso</translation>
    </message>
    <message id="accessibility.open_settings">
        <source>Open System Settings</source>
        <translation>Abrir Ajustes del Sistema</translation>
    </message>
    <message id="accessibility.stale_grant">
        <source>Already switched on in System Settings, yet this notice stays? Select Cuevox in the list, remove it with “−” and allow access again.</source>
        <translation>¿Ya está activado en Ajustes del Sistema y este aviso no desaparece? Selecciona Cuevox en la lista, quítalo con «−» y vuelve a permitir el acceso.</translation>
    </message>
    <message id="filter.all_tracks">
        <source>All Tracks (%d)</source>
        <translation>Todas las pistas (%d)</translation>
    </message>
    <message id="filter.search_placeholder">
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message id="filter.key">
        <source>Key</source>
        <translation>Tono</translation>
    </message>
    <message id="filter.tempo">
        <source>Tempo</source>
        <translation>Tempo</translation>
    </message>
    <message id="filter.energy">
        <source>Energy</source>
        <translation>Energía</translation>
    </message>
    <message id="filter.genres">
        <source>Genres</source>
        <translation>Géneros</translation>
    </message>
    <message id="filter.reset">
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message id="filter.select_keys">
        <source>Select Keys</source>
        <translation>Seleccionar tonos</translation>
    </message>
    <message id="filter.energy_option">
        <source>Energy %d</source>
        <translation>Energía %d</translation>
    </message>
    <message id="settings.title">
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message id="settings.language_hint">
        <source>Changes apply immediately across the app.</source>
        <translation>Los cambios se aplican de inmediato en toda la app.</translation>
    </message>
    <message id="filter.pitch_range">
        <source>Pitch range</source>
        <translation>Rango de pitch</translation>
    </message>
    <message id="filter.pitch_off">
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message id="filter.half_double">
        <source>Half/double time</source>
        <translation>Medio/doble tempo</translation>
    </message>
    <message id="filter.energy_direction">
        <source>Direction</source>
        <translation>Dirección</translation>
    </message>
    <message id="filter.energy_hold">
        <source>Hold</source>
        <translation>Mantener</translation>
    </message>
    <message id="filter.energy_up">
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message id="filter.energy_down">
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message id="filter.search_crates">
        <source>Search playlists</source>
        <translation>Buscar listas</translation>
    </message>
    <message id="filter.whole_collection">
        <source>Whole collection</source>
        <translation>Toda la biblioteca</translation>
    </message>
    <message id="filter.pick_crate">
        <source>Pick a playlist</source>
        <translation>Elegir una lista</translation>
    </message>
    <message id="filter.hide_played">
        <source>Hide played</source>
        <translation>Ocultar reproducidas</translation>
    </message>
    <message id="filter.vary_artists">
        <source>Vary artists</source>
        <translation>Variar artistas</translation>
    </message>
    <message id="settings.keys">
        <source>Keys</source>
        <translation>Tonos</translation>
    </message>
    <message id="settings.open_key">
        <source>Read Open Key (1m, 1d)</source>
        <translation>Leer Open Key (1m, 1d)</translation>
    </message>
    <message id="settings.open_key_hint">
        <source>8A is always read; this also reads 1m and 1d from other DJ software. Switching reloads the collection.</source>
        <translation>8A se lee siempre; así también se leen 1m y 1d de otros programas de DJ. Al cambiarlo, la biblioteca se vuelve a cargar.</translation>
    </message>
    <message id="library.error_not_found">
        <source>There is no file “%1” in %2.</source>
        <translation>No hay ningún archivo «%1» en %2.</translation>
    </message>
    <message id="library.error_malformed">
        <source>“%1” is not a readable XML export: reading stopped at line %2, column %3 (%4).</source>
        <translation>«%1» no es una exportación XML legible: la lectura se detuvo en la línea %2, columna %3 (%4).</translation>
    </message>
    <message id="library.error_malformed_unplaced">
        <source>“%1” is not a readable XML export (%2).</source>
        <translation>«%1» no es una exportación XML legible (%2).</translation>
    </message>
    <message id="library.error_not_a_file">
        <source>“%1” is not a file that can be loaded: it is a folder, a device or a pipe.</source>
        <translation>«%1» no es un archivo que se pueda cargar: es una carpeta, un dispositivo o una tubería.</translation>
    </message>
    <message id="library.error_no_access">
        <source>Cuevox may not read “%1”: check the file's permissions.</source>
        <translation>Cuevox no tiene permiso para leer «%1»: revisa los permisos del archivo.</translation>
    </message>
    <message id="library.error_no_memory">
        <source>There is not enough memory to load “%1”.</source>
        <translation>No hay memoria suficiente para cargar «%1».</translation>
    </message>
    <message id="library.error_unreadable">
        <source>“%1” could not be read (%2).</source>
        <translation>No se pudo leer «%1» (%2).</translation>
    </message>
    <message id="library.loading_file">
        <source>Loading %1… %2%</source>
        <translation>Cargando %1… %2 %</translation>
    </message>
    <message id="library.none_loaded">
        <source>No collection loaded</source>
        <translation>No hay ninguna biblioteca cargada</translation>
    </message>
    <message id="library.no_tracks">
        <source>This collection has no tracks</source>
        <translation>Esta biblioteca no tiene pistas</translation>
    </message>
    <message id="filter.key_rules">
        <source>Key rules</source>
        <translation>Reglas de tonalidad</translation>
    </message>
    <message id="filter.strict">
        <source>Strict</source>
        <translation>Estricto</translation>
    </message>
    <message id="filter.balanced">
        <source>Balanced</source>
        <translation>Equilibrado</translation>
    </message>
    <message id="filter.open">
        <source>Open</source>
        <translation>Abierto</translation>
    </message>
    <message id="filter.key_lock">
        <source>Key lock (MASTER TEMPO)</source>
        <translation>Bloqueo de tono (MASTER TEMPO)</translation>
    </message>
    <message id="filter.key_moves">
        <source>Show key moves</source>
        <translation>Mostrar cambios de tono</translation>
    </message>
    <message id="move.same">
        <source>Same</source>
        <translation>Igual</translation>
    </message>
    <message id="move.relative">
        <source>Relative</source>
        <translation>Relativa</translation>
    </message>
    <message id="move.diagonal">
        <source>Diagonal</source>
        <translation>Diagonal</translation>
    </message>
    <message id="move.parallel">
        <source>Parallel</source>
        <translation>Homónima</translation>
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
        <translation>Choque</translation>
    </message>
    <message id="move.same_tip">
        <source>The same key</source>
        <translation>La misma tonalidad</translation>
    </message>
    <message id="move.relative_tip">
        <source>The relative key: the same notes, minor and major swapped</source>
        <translation>La tonalidad relativa: las mismas notas, menor y mayor intercambiados</translation>
    </message>
    <message id="move.plus_one_tip">
        <source>One step clockwise: a fifth up</source>
        <translation>Un paso en sentido horario: una quinta arriba</translation>
    </message>
    <message id="move.minus_one_tip">
        <source>One step counter-clockwise: a fifth down</source>
        <translation>Un paso en sentido antihorario: una quinta abajo</translation>
    </message>
    <message id="move.diagonal_tip">
        <source>One step and the other letter: a neighbour's relative key</source>
        <translation>Un paso y la otra letra: la relativa de una vecina</translation>
    </message>
    <message id="move.boost_tip">
        <source>Two steps clockwise: a whole tone up, an energy boost</source>
        <translation>Dos pasos en sentido horario: un tono arriba, un impulso de energía</translation>
    </message>
    <message id="move.minus_two_tip">
        <source>Two steps counter-clockwise: a whole tone down</source>
        <translation>Dos pasos en sentido antihorario: un tono abajo</translation>
    </message>
    <message id="move.parallel_tip">
        <source>The parallel key: the same root, minor and major swapped</source>
        <translation>La tonalidad homónima: la misma tónica, menor y mayor intercambiados</translation>
    </message>
    <message id="move.semitone_up_tip">
        <source>Seven steps clockwise: a semitone up</source>
        <translation>Siete pasos en sentido horario: un semitono arriba</translation>
    </message>
    <message id="move.semitone_down_tip">
        <source>Seven steps counter-clockwise: a semitone down</source>
        <translation>Siete pasos en sentido antihorario: un semitono abajo</translation>
    </message>
    <message id="move.clash_tip">
        <source>The keys clash</source>
        <translation>Las tonalidades chocan</translation>
    </message>
    <message id="key.heard_tip">
        <source>Heard in this key at the pitch it plays at, without key lock</source>
        <translation>Sin bloqueo de tono, suena en esta tonalidad al pitch al que se reproduce</translation>
    </message>
    <message id="key.between_tip">
        <source>%d cents off: between two keys</source>
        <translation>%d cents de desvío: entre dos tonalidades</translation>
    </message>
    <message id="filter.your_style">
        <source>Your style</source>
        <translation>Tu estilo</translation>
    </message>
    <message id="style.crates">
        <source>in %d of your crates</source>
        <translation>en %d de tus listas</translation>
    </message>
    <message id="style.same_day">
        <source>added the same day</source>
        <translation>añadida el mismo día</translation>
    </message>
    <message id="style.same_week">
        <source>added the same week</source>
        <translation>añadida la misma semana</translation>
    </message>
    <message id="style.days_apart">
        <source>added %d days apart</source>
        <translation>añadidas con %d días de diferencia</translation>
    </message>
    <message id="style.played_after">
        <source>played after it %d×</source>
        <translation>puesta después %d×</translation>
    </message>
    <message id="style.played_before">
        <source>played before it %d×</source>
        <translation>puesta antes %d×</translation>
    </message>
    <message id="style.key_move">
        <source>your usual %1 move</source>
        <translation>tu cambio habitual %1</translation>
    </message>
    <message id="style.tempo_step">
        <source>your usual %1 % tempo step</source>
        <translation>tu salto de tempo habitual de %1 %</translation>
    </message>
    <message id="style.list_score">
        <source>list score %d</source>
        <translation>puntuación %d</translation>
    </message>
    <message id="settings.sets">
        <source>Your sets</source>
        <translation>Tus sets</translation>
    </message>
    <message id="settings.remember_sets">
        <source>Remember my sets</source>
        <translation>Recordar mis sets</translation>
    </message>
    <message id="settings.remember_sets_hint">
        <source>Each track that plays for a minute joins a playlist of the day in Cuevox's data folder, which Your style learns from.</source>
        <translation>Cada pista que suena un minuto se añade a una lista del día en la carpeta de datos de Cuevox, de la que aprende Tu estilo.</translation>
    </message>
    <message id="settings.history_folder">
        <source>History files</source>
        <translation>Archivos de historial</translation>
    </message>
    <message id="settings.history_hint">
        <source>A folder of your past sets as M3U8 playlists, such as rekordbox's exported HISTORY playlists.</source>
        <translation>Una carpeta con tus sets anteriores en listas M3U8, como las listas HISTORY exportadas de rekordbox.</translation>
    </message>
    <message id="settings.choose_folder">
        <source>Choose…</source>
        <translation>Elegir…</translation>
    </message>
    <message id="settings.no_folder">
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message id="settings.clear_folder">
        <source>Clear</source>
        <translation>Quitar</translation>
    </message>
    <message id="menu.open_sets">
        <source>Open My Sets Folder</source>
        <translation>Abrir la carpeta de mis sets</translation>
    </message>
    <message id="sets.log_failed_title">
        <source>Your set is not being remembered</source>
        <translation>Tu set no se está recordando</translation>
    </message>
    <message id="sets.log_failed_body">
        <source>The set log cannot be written; your set goes on.</source>
        <translation>No se puede escribir el registro del set; tu set continúa.</translation>
    </message>
    <message id="sets.open_folder">
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
</context>
</TS>
