<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name></name>
    <message id="app.header_title">
        <source>Cuevox</source>
        <translation>Cuevox</translation>
    </message>
    <message id="app.tracks_count">
        <source>%d tracks</source>
        <translation>Треков: %d</translation>
    </message>
    <message id="app.loading_progress">
        <source>Loading… %d%</source>
        <translation>Загрузка… %d %</translation>
    </message>
    <message id="app.load_library">
        <source>Load Library…</source>
        <translation>Загрузить библиотеку…</translation>
    </message>
    <message id="app.no_track_playing">
        <source>No track playing</source>
        <translation>Нет воспроизводимого трека</translation>
    </message>
    <message id="app.not_found_in_library">
        <source>Not found in loaded library</source>
        <translation>Не найдено в загруженной библиотеке</translation>
    </message>
    <message id="app.playing">
        <source> PLAYING</source>
        <translation> ИГРАЕТ</translation>
    </message>
    <message id="app.paused">
        <source> PAUSED</source>
        <translation> НА ПАУЗЕ</translation>
    </message>
    <message id="app.no_tracks_match">
        <source>No tracks match these filters</source>
        <translation>Нет треков, соответствующих фильтрам</translation>
    </message>
    <message id="library.error_title">
        <source>Couldn't load that file</source>
        <translation>Не удалось загрузить файл</translation>
    </message>
    <message id="library.try_again">
        <source>Try Again…</source>
        <translation>Повторить…</translation>
    </message>
    <message id="library.dismiss">
        <source>Dismiss</source>
        <translation>Закрыть</translation>
    </message>
    <message id="accessibility.title">
        <source>Accessibility access required</source>
        <translation>Требуется доступ Universal Access</translation>
    </message>
    <message id="accessibility.body">
        <source>This app reads Rekordbox's on-screen deck info via macOS Accessibility. Without it, no track will ever be detected.</source>
        <translation>Приложение считывает информацию с деков Rekordbox на экране через Universal Access macOS. Без этого разрешения ни один трек не будет распознан.</translation>
    </message>
    <message id="accessibility.request">
        <source>Request Access</source>
        <translation>Запросить доступ</translation>
    </message>
    <message id="accessibility.open_settings">
        <source>Open System Settings</source>
        <translation>Открыть Системные настройки</translation>
    </message>
    <message id="accessibility.stale_grant">
        <source>Already switched on in System Settings, yet this notice stays? Select Cuevox in the list, remove it with “−” and allow access again.</source>
        <translation>В Системных настройках доступ уже включён, но сообщение не исчезает? Выберите Cuevox в списке, удалите его кнопкой «−» и снова разрешите доступ.</translation>
    </message>
    <message id="filter.all_tracks">
        <source>All Tracks (%d)</source>
        <translation>Все треки (%d)</translation>
    </message>
    <message id="filter.search_placeholder">
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message id="filter.key">
        <source>Key</source>
        <translation>Тональность</translation>
    </message>
    <message id="filter.tempo">
        <source>Tempo</source>
        <translation>Темп</translation>
    </message>
    <message id="filter.energy">
        <source>Energy</source>
        <translation>Энергия</translation>
    </message>
    <message id="filter.genres">
        <source>Genres</source>
        <translation>Жанры</translation>
    </message>
    <message id="filter.reset">
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message id="filter.select_keys">
        <source>Select Keys</source>
        <translation>Выбрать тональности</translation>
    </message>
    <message id="filter.energy_option">
        <source>Energy %d</source>
        <translation>Энергия %d</translation>
    </message>
    <message id="settings.title">
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message id="settings.language_hint">
        <source>Changes apply immediately across the app.</source>
        <translation>Изменения применяются сразу во всём приложении.</translation>
    </message>
    <message id="filter.pitch_range">
        <source>Pitch range</source>
        <translation>Диапазон питча</translation>
    </message>
    <message id="filter.pitch_off">
        <source>Off</source>
        <translation>Выкл</translation>
    </message>
    <message id="filter.half_double">
        <source>Half/double time</source>
        <translation>Половинный/двойной темп</translation>
    </message>
    <message id="filter.energy_direction">
        <source>Direction</source>
        <translation>Направление</translation>
    </message>
    <message id="filter.energy_hold">
        <source>Hold</source>
        <translation>Держать</translation>
    </message>
    <message id="filter.energy_up">
        <source>Up</source>
        <translation>Выше</translation>
    </message>
    <message id="filter.energy_down">
        <source>Down</source>
        <translation>Ниже</translation>
    </message>
    <message id="filter.search_crates">
        <source>Search playlists</source>
        <translation>Поиск плейлистов</translation>
    </message>
    <message id="filter.whole_collection">
        <source>Whole collection</source>
        <translation>Вся библиотека</translation>
    </message>
    <message id="filter.pick_crate">
        <source>Pick a playlist</source>
        <translation>Выбрать плейлист</translation>
    </message>
    <message id="filter.hide_played">
        <source>Hide played</source>
        <translation>Скрыть сыгранные</translation>
    </message>
    <message id="filter.vary_artists">
        <source>Vary artists</source>
        <translation>Разные артисты</translation>
    </message>
    <message id="settings.keys">
        <source>Keys</source>
        <translation>Тональности</translation>
    </message>
    <message id="settings.open_key">
        <source>Read Open Key (1m, 1d)</source>
        <translation>Читать Open Key (1m, 1d)</translation>
    </message>
    <message id="settings.open_key_hint">
        <source>8A is always read; this also reads 1m and 1d from other DJ software. Switching reloads the collection.</source>
        <translation>8A читается всегда; с этой опцией читаются и 1m, 1d из других DJ-программ. При переключении библиотека загружается заново.</translation>
    </message>
    <message id="library.error_not_found">
        <source>There is no file “%1” in %2.</source>
        <translation>Файла «%1» в папке %2 нет.</translation>
    </message>
    <message id="library.error_malformed">
        <source>“%1” is not a readable XML export: reading stopped at line %2, column %3 (%4).</source>
        <translation>«%1» — не читаемый экспорт XML: чтение остановилось в строке %2, столбце %3 (%4).</translation>
    </message>
    <message id="library.error_malformed_unplaced">
        <source>“%1” is not a readable XML export (%2).</source>
        <translation>«%1» — не читаемый экспорт XML (%2).</translation>
    </message>
    <message id="library.error_not_a_file">
        <source>“%1” is not a file that can be loaded: it is a folder, a device or a pipe.</source>
        <translation>«%1» нельзя загрузить: это папка, устройство или канал, а не файл.</translation>
    </message>
    <message id="library.error_no_access">
        <source>Cuevox may not read “%1”: check the file's permissions.</source>
        <translation>Cuevox не может прочитать «%1»: проверьте права доступа к файлу.</translation>
    </message>
    <message id="library.error_no_memory">
        <source>There is not enough memory to load “%1”.</source>
        <translation>Недостаточно памяти, чтобы загрузить «%1».</translation>
    </message>
    <message id="library.error_unreadable">
        <source>“%1” could not be read (%2).</source>
        <translation>Не удалось прочитать «%1» (%2).</translation>
    </message>
    <message id="library.loading_file">
        <source>Loading %1… %2%</source>
        <translation>Загрузка %1… %2 %</translation>
    </message>
    <message id="library.none_loaded">
        <source>No collection loaded</source>
        <translation>Библиотека не загружена</translation>
    </message>
    <message id="library.no_tracks">
        <source>This collection has no tracks</source>
        <translation>В этой библиотеке нет треков</translation>
    </message>
    <message id="filter.key_rules">
        <source>Key rules</source>
        <translation>Правила тональности</translation>
    </message>
    <message id="filter.strict">
        <source>Strict</source>
        <translation>Строго</translation>
    </message>
    <message id="filter.balanced">
        <source>Balanced</source>
        <translation>Сбалансированно</translation>
    </message>
    <message id="filter.open">
        <source>Open</source>
        <translation>Свободно</translation>
    </message>
    <message id="filter.key_lock">
        <source>Key lock (MASTER TEMPO)</source>
        <translation>Фиксация тональности (MASTER TEMPO)</translation>
    </message>
    <message id="filter.key_moves">
        <source>Show key moves</source>
        <translation>Показывать смену тональности</translation>
    </message>
    <message id="move.same">
        <source>Same</source>
        <translation>Та же</translation>
    </message>
    <message id="move.relative">
        <source>Relative</source>
        <translation>Параллельная</translation>
    </message>
    <message id="move.diagonal">
        <source>Diagonal</source>
        <translation>Диагональ</translation>
    </message>
    <message id="move.parallel">
        <source>Parallel</source>
        <translation>Одноимённая</translation>
    </message>
    <message id="move.semitone_up">
        <source>Semitone ↑</source>
        <translation>Полутон ↑</translation>
    </message>
    <message id="move.semitone_down">
        <source>Semitone ↓</source>
        <translation>Полутон ↓</translation>
    </message>
    <message id="move.clash">
        <source>Clash</source>
        <translation>Конфликт</translation>
    </message>
    <message id="move.same_tip">
        <source>The same key</source>
        <translation>Та же тональность</translation>
    </message>
    <message id="move.relative_tip">
        <source>The relative key: the same notes, minor and major swapped</source>
        <translation>Параллельная тональность: те же ноты, минор и мажор меняются местами</translation>
    </message>
    <message id="move.plus_one_tip">
        <source>One step clockwise: a fifth up</source>
        <translation>Шаг по часовой стрелке: на квинту вверх</translation>
    </message>
    <message id="move.minus_one_tip">
        <source>One step counter-clockwise: a fifth down</source>
        <translation>Шаг против часовой стрелки: на квинту вниз</translation>
    </message>
    <message id="move.diagonal_tip">
        <source>One step and the other letter: a neighbour's relative key</source>
        <translation>Шаг и другая буква: параллельная тональность соседа</translation>
    </message>
    <message id="move.boost_tip">
        <source>Two steps clockwise: a whole tone up, an energy boost</source>
        <translation>Два шага по часовой стрелке: на тон выше, прилив энергии</translation>
    </message>
    <message id="move.minus_two_tip">
        <source>Two steps counter-clockwise: a whole tone down</source>
        <translation>Два шага против часовой стрелки: на тон ниже</translation>
    </message>
    <message id="move.parallel_tip">
        <source>The parallel key: the same root, minor and major swapped</source>
        <translation>Одноимённая тональность: та же тоника, минор и мажор меняются местами</translation>
    </message>
    <message id="move.semitone_up_tip">
        <source>Seven steps clockwise: a semitone up</source>
        <translation>Семь шагов по часовой стрелке: на полутон выше</translation>
    </message>
    <message id="move.semitone_down_tip">
        <source>Seven steps counter-clockwise: a semitone down</source>
        <translation>Семь шагов против часовой стрелки: на полутон ниже</translation>
    </message>
    <message id="move.clash_tip">
        <source>The keys clash</source>
        <translation>Тональности конфликтуют</translation>
    </message>
    <message id="key.heard_tip">
        <source>Heard in this key at the pitch it plays at, without key lock</source>
        <translation>Без фиксации тональности звучит в этой тональности при таком питче</translation>
    </message>
    <message id="key.between_tip">
        <source>%d cents off: between two keys</source>
        <translation>Отклонение %d центов: между двумя тональностями</translation>
    </message>
    <message id="filter.your_style">
        <source>Your style</source>
        <translation>Ваш стиль</translation>
    </message>
    <message id="style.crates">
        <source>in %d of your crates</source>
        <translation>в %d ваших плейлистах</translation>
    </message>
    <message id="style.same_day">
        <source>added the same day</source>
        <translation>добавлен в тот же день</translation>
    </message>
    <message id="style.same_week">
        <source>added the same week</source>
        <translation>добавлен на той же неделе</translation>
    </message>
    <message id="style.days_apart">
        <source>added %d days apart</source>
        <translation>добавлены с разницей в %d дн.</translation>
    </message>
    <message id="style.played_after">
        <source>played after it %d×</source>
        <translation>играл после него %d×</translation>
    </message>
    <message id="style.played_before">
        <source>played before it %d×</source>
        <translation>играл перед ним %d×</translation>
    </message>
    <message id="style.key_move">
        <source>your usual %1 move</source>
        <translation>ваш привычный переход %1</translation>
    </message>
    <message id="style.tempo_step">
        <source>your usual %1 % tempo step</source>
        <translation>ваш привычный шаг темпа %1 %</translation>
    </message>
    <message id="style.list_score">
        <source>list score %d</source>
        <translation>оценка %d</translation>
    </message>
    <message id="settings.sets">
        <source>Your sets</source>
        <translation>Ваши сеты</translation>
    </message>
    <message id="settings.remember_sets">
        <source>Remember my sets</source>
        <translation>Запоминать мои сеты</translation>
    </message>
    <message id="settings.remember_sets_hint">
        <source>Each track that plays for a minute joins a playlist of the day in Cuevox's data folder, which Your style learns from.</source>
        <translation>Каждый трек, звучащий минуту, попадает в плейлист дня в папке данных Cuevox, на котором учится «Ваш стиль».</translation>
    </message>
    <message id="settings.history_folder">
        <source>History files</source>
        <translation>Файлы истории</translation>
    </message>
    <message id="settings.history_hint">
        <source>A folder of your past sets as M3U8 playlists, such as rekordbox's exported HISTORY playlists.</source>
        <translation>Папка с прошлыми сетами в виде плейлистов M3U8, например экспортированных из rekordbox плейлистов HISTORY.</translation>
    </message>
    <message id="settings.choose_folder">
        <source>Choose…</source>
        <translation>Выбрать…</translation>
    </message>
    <message id="settings.no_folder">
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message id="settings.clear_folder">
        <source>Clear</source>
        <translation>Убрать</translation>
    </message>
    <message id="menu.open_sets">
        <source>Open My Sets Folder</source>
        <translation>Открыть папку моих сетов</translation>
    </message>
    <message id="sets.log_failed_title">
        <source>Your set is not being remembered</source>
        <translation>Ваш сет не запоминается</translation>
    </message>
    <message id="sets.log_failed_body">
        <source>The set log cannot be written; your set goes on.</source>
        <translation>Журнал сета не удаётся записать; ваш сет продолжается.</translation>
    </message>
    <message id="sets.open_folder">
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
</context>
</TS>
