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
</context>
</TS>
