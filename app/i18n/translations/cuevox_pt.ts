<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name></name>
    <message id="app.header_title">
        <source>Cuevox</source>
        <translation>Cuevox</translation>
    </message>
    <message id="app.tracks_count">
        <source>%d tracks</source>
        <translation>%d faixas</translation>
    </message>
    <message id="app.loading_progress">
        <source>Loading… %d%</source>
        <translation>Carregando… %d%</translation>
    </message>
    <message id="app.load_library">
        <source>Load Library…</source>
        <translation>Carregar biblioteca…</translation>
    </message>
    <message id="app.no_track_playing">
        <source>No track playing</source>
        <translation>Nenhuma faixa em reprodução</translation>
    </message>
    <message id="app.not_found_in_library">
        <source>Not found in loaded library</source>
        <translation>Não encontrada na biblioteca carregada</translation>
    </message>
    <message id="app.playing">
        <source> PLAYING</source>
        <translation> TOCANDO</translation>
    </message>
    <message id="app.paused">
        <source> PAUSED</source>
        <translation> PAUSADO</translation>
    </message>
    <message id="app.no_tracks_match">
        <source>No tracks match these filters</source>
        <translation>Nenhuma faixa corresponde a estes filtros</translation>
    </message>
    <message id="library.error_title">
        <source>Couldn't load that file</source>
        <translation>Não foi possível carregar esse arquivo</translation>
    </message>
    <message id="library.try_again">
        <source>Try Again…</source>
        <translation>Tentar novamente…</translation>
    </message>
    <message id="library.dismiss">
        <source>Dismiss</source>
        <translation>Dispensar</translation>
    </message>
    <message id="accessibility.title">
        <source>Accessibility access required</source>
        <translation>Acesso de Acessibilidade necessário</translation>
    </message>
    <message id="accessibility.body">
        <source>This app reads Rekordbox's on-screen deck info via macOS Accessibility. Without it, no track will ever be detected.</source>
        <translation>Este app lê as informações dos decks do Rekordbox na tela usando a Acessibilidade do macOS. Sem essa permissão, nenhuma faixa será detectada.</translation>
    </message>
    <message id="accessibility.request">
        <source>Request Access</source>
        <translation>Solicitar acesso</translation>
    </message>
    <message id="accessibility.open_settings">
        <source>Open System Settings</source>
        <translation>Abrir Ajustes do Sistema</translation>
    </message>
    <message id="accessibility.stale_grant">
        <source>Already switched on in System Settings, yet this notice stays? Select Cuevox in the list, remove it with “−” and allow access again.</source>
        <translation>Já está ativado nos Ajustes do Sistema, mas este aviso continua? Selecione o Cuevox na lista, remova-o com “−” e permita o acesso novamente.</translation>
    </message>
    <message id="filter.all_tracks">
        <source>All Tracks (%d)</source>
        <translation>Todas as faixas (%d)</translation>
    </message>
    <message id="filter.search_placeholder">
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message id="filter.key">
        <source>Key</source>
        <translation>Tom</translation>
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
        <translation>Gêneros</translation>
    </message>
    <message id="filter.reset">
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message id="filter.select_keys">
        <source>Select Keys</source>
        <translation>Selecionar tons</translation>
    </message>
    <message id="filter.energy_option">
        <source>Energy %d</source>
        <translation>Energia %d</translation>
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
        <translation>As mudanças são aplicadas imediatamente em todo o app.</translation>
    </message>
    <message id="filter.pitch_range">
        <source>Pitch range</source>
        <translation>Faixa de pitch</translation>
    </message>
    <message id="filter.pitch_off">
        <source>Off</source>
        <translation>Desl.</translation>
    </message>
    <message id="filter.half_double">
        <source>Half/double time</source>
        <translation>Meio/dobro do tempo</translation>
    </message>
    <message id="filter.energy_direction">
        <source>Direction</source>
        <translation>Direção</translation>
    </message>
    <message id="filter.energy_hold">
        <source>Hold</source>
        <translation>Manter</translation>
    </message>
    <message id="filter.energy_up">
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message id="filter.energy_down">
        <source>Down</source>
        <translation>Descer</translation>
    </message>
    <message id="filter.search_crates">
        <source>Search playlists</source>
        <translation>Buscar playlists</translation>
    </message>
    <message id="filter.whole_collection">
        <source>Whole collection</source>
        <translation>Biblioteca inteira</translation>
    </message>
    <message id="filter.pick_crate">
        <source>Pick a playlist</source>
        <translation>Escolher playlist</translation>
    </message>
    <message id="filter.hide_played">
        <source>Hide played</source>
        <translation>Ocultar tocadas</translation>
    </message>
    <message id="filter.vary_artists">
        <source>Vary artists</source>
        <translation>Variar artistas</translation>
    </message>
    <message id="settings.keys">
        <source>Keys</source>
        <translation>Tons</translation>
    </message>
    <message id="settings.open_key">
        <source>Read Open Key (1m, 1d)</source>
        <translation>Ler Open Key (1m, 1d)</translation>
    </message>
    <message id="settings.open_key_hint">
        <source>8A is always read; this also reads 1m and 1d from other DJ software. Switching reloads the collection.</source>
        <translation>8A é sempre lido; com isto, 1m e 1d de outros softwares de DJ também são lidos. Ao mudar, a biblioteca é recarregada.</translation>
    </message>
    <message id="library.error_not_found">
        <source>There is no file “%1” in %2.</source>
        <translation>Não há nenhum arquivo “%1” em %2.</translation>
    </message>
    <message id="library.error_malformed">
        <source>“%1” is not a readable XML export: reading stopped at line %2, column %3 (%4).</source>
        <translation>“%1” não é uma exportação XML legível: a leitura parou na linha %2, coluna %3 (%4).</translation>
    </message>
    <message id="library.error_malformed_unplaced">
        <source>“%1” is not a readable XML export (%2).</source>
        <translation>“%1” não é uma exportação XML legível (%2).</translation>
    </message>
    <message id="library.error_not_a_file">
        <source>“%1” is not a file that can be loaded: it is a folder, a device or a pipe.</source>
        <translation>“%1” não é um arquivo que possa ser carregado: é uma pasta, um dispositivo ou um pipe.</translation>
    </message>
    <message id="library.error_no_access">
        <source>Cuevox may not read “%1”: check the file's permissions.</source>
        <translation>O Cuevox não tem permissão para ler “%1”: verifique as permissões do arquivo.</translation>
    </message>
    <message id="library.error_no_memory">
        <source>There is not enough memory to load “%1”.</source>
        <translation>Não há memória suficiente para carregar “%1”.</translation>
    </message>
    <message id="library.error_unreadable">
        <source>“%1” could not be read (%2).</source>
        <translation>Não foi possível ler “%1” (%2).</translation>
    </message>
    <message id="library.loading_file">
        <source>Loading %1… %2%</source>
        <translation>Carregando %1… %2%</translation>
    </message>
    <message id="library.none_loaded">
        <source>No collection loaded</source>
        <translation>Nenhuma biblioteca carregada</translation>
    </message>
    <message id="library.no_tracks">
        <source>This collection has no tracks</source>
        <translation>Esta biblioteca não tem faixas</translation>
    </message>
    <message id="filter.key_rules">
        <source>Key rules</source>
        <translation>Regras de tom</translation>
    </message>
    <message id="filter.strict">
        <source>Strict</source>
        <translation>Estrito</translation>
    </message>
    <message id="filter.balanced">
        <source>Balanced</source>
        <translation>Equilibrado</translation>
    </message>
    <message id="filter.open">
        <source>Open</source>
        <translation>Aberto</translation>
    </message>
    <message id="filter.key_lock">
        <source>Key lock (MASTER TEMPO)</source>
        <translation>Trava de tom (MASTER TEMPO)</translation>
    </message>
    <message id="filter.key_moves">
        <source>Show key moves</source>
        <translation>Mostrar mudanças de tom</translation>
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
        <translation>Homônima</translation>
    </message>
    <message id="move.semitone_up">
        <source>Semitone ↑</source>
        <translation>Semitom ↑</translation>
    </message>
    <message id="move.semitone_down">
        <source>Semitone ↓</source>
        <translation>Semitom ↓</translation>
    </message>
    <message id="move.clash">
        <source>Clash</source>
        <translation>Conflito</translation>
    </message>
    <message id="move.same_tip">
        <source>The same key</source>
        <translation>O mesmo tom</translation>
    </message>
    <message id="move.relative_tip">
        <source>The relative key: the same notes, minor and major swapped</source>
        <translation>O tom relativo: as mesmas notas, menor e maior trocados</translation>
    </message>
    <message id="move.plus_one_tip">
        <source>One step clockwise: a fifth up</source>
        <translation>Um passo no sentido horário: uma quinta acima</translation>
    </message>
    <message id="move.minus_one_tip">
        <source>One step counter-clockwise: a fifth down</source>
        <translation>Um passo no sentido anti-horário: uma quinta abaixo</translation>
    </message>
    <message id="move.diagonal_tip">
        <source>One step and the other letter: a neighbour's relative key</source>
        <translation>Um passo e a outra letra: o relativo de um vizinho</translation>
    </message>
    <message id="move.boost_tip">
        <source>Two steps clockwise: a whole tone up, an energy boost</source>
        <translation>Dois passos no sentido horário: um tom acima, um impulso de energia</translation>
    </message>
    <message id="move.minus_two_tip">
        <source>Two steps counter-clockwise: a whole tone down</source>
        <translation>Dois passos no sentido anti-horário: um tom abaixo</translation>
    </message>
    <message id="move.parallel_tip">
        <source>The parallel key: the same root, minor and major swapped</source>
        <translation>O tom homônimo: a mesma tônica, menor e maior trocados</translation>
    </message>
    <message id="move.semitone_up_tip">
        <source>Seven steps clockwise: a semitone up</source>
        <translation>Sete passos no sentido horário: um semitom acima</translation>
    </message>
    <message id="move.semitone_down_tip">
        <source>Seven steps counter-clockwise: a semitone down</source>
        <translation>Sete passos no sentido anti-horário: um semitom abaixo</translation>
    </message>
    <message id="move.clash_tip">
        <source>The keys clash</source>
        <translation>Os tons entram em conflito</translation>
    </message>
    <message id="key.heard_tip">
        <source>Heard in this key at the pitch it plays at, without key lock</source>
        <translation>Sem trava de tom, soa neste tom no pitch em que toca</translation>
    </message>
    <message id="key.between_tip">
        <source>%d cents off: between two keys</source>
        <translation>%d cents de desvio: entre dois tons</translation>
    </message>
    <message id="filter.your_style">
        <source>Your style</source>
        <translation>Seu estilo</translation>
    </message>
    <message id="style.crates">
        <source>in %d of your crates</source>
        <translation>em %d das suas playlists</translation>
    </message>
    <message id="style.same_day">
        <source>added the same day</source>
        <translation>adicionada no mesmo dia</translation>
    </message>
    <message id="style.same_week">
        <source>added the same week</source>
        <translation>adicionada na mesma semana</translation>
    </message>
    <message id="style.days_apart">
        <source>added %d days apart</source>
        <translation>adicionadas com %d dias de diferença</translation>
    </message>
    <message id="style.played_after">
        <source>played after it %d×</source>
        <translation>tocada depois %d×</translation>
    </message>
    <message id="style.played_before">
        <source>played before it %d×</source>
        <translation>tocada antes %d×</translation>
    </message>
    <message id="style.key_move">
        <source>your usual %1 move</source>
        <translation>sua mudança habitual %1</translation>
    </message>
    <message id="style.tempo_step">
        <source>your usual %1 % tempo step</source>
        <translation>seu salto de andamento habitual de %1 %</translation>
    </message>
    <message id="style.list_score">
        <source>list score %d</source>
        <translation>pontuação %d</translation>
    </message>
    <message id="settings.sets">
        <source>Your sets</source>
        <translation>Seus sets</translation>
    </message>
    <message id="settings.remember_sets">
        <source>Remember my sets</source>
        <translation>Lembrar meus sets</translation>
    </message>
    <message id="settings.remember_sets_hint">
        <source>Each track that plays for a minute joins a playlist of the day in Cuevox's data folder, which Your style learns from.</source>
        <translation>Cada faixa que toca por um minuto entra numa playlist do dia na pasta de dados do Cuevox, com a qual Seu estilo aprende.</translation>
    </message>
    <message id="settings.history_folder">
        <source>History files</source>
        <translation>Arquivos de histórico</translation>
    </message>
    <message id="settings.history_hint">
        <source>A folder of your past sets as M3U8 playlists, such as rekordbox's exported HISTORY playlists.</source>
        <translation>Uma pasta com seus sets anteriores em playlists M3U8, como as playlists HISTORY exportadas do rekordbox.</translation>
    </message>
    <message id="settings.choose_folder">
        <source>Choose…</source>
        <translation>Escolher…</translation>
    </message>
    <message id="settings.no_folder">
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message id="settings.clear_folder">
        <source>Clear</source>
        <translation>Remover</translation>
    </message>
    <message id="menu.open_sets">
        <source>Open My Sets Folder</source>
        <translation>Abrir a pasta dos meus sets</translation>
    </message>
    <message id="sets.log_failed_title">
        <source>Your set is not being remembered</source>
        <translation>Seu set não está sendo lembrado</translation>
    </message>
    <message id="sets.log_failed_body">
        <source>The set log cannot be written; your set goes on.</source>
        <translation>O registro do set não pode ser gravado; seu set continua.</translation>
    </message>
    <message id="sets.open_folder">
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
</context>
</TS>
