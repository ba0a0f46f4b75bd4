<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name></name>
    <message id="app.header_title">
        <source>Cuevox</source>
        <translation>Cuevox</translation>
    </message>
    <message id="app.tracks_count">
        <source>%d tracks</source>
        <translation>%d 曲</translation>
    </message>
    <message id="app.loading_progress">
        <source>Loading… %d%</source>
        <translation>読み込み中… %d%</translation>
    </message>
    <message id="app.load_library">
        <source>Load Library…</source>
        <translation>ライブラリを読み込む…</translation>
    </message>
    <message id="app.no_track_playing">
        <source>No track playing</source>
        <translation>再生中のトラックはありません</translation>
    </message>
    <message id="app.not_found_in_library">
        <source>Not found in loaded library</source>
        <translation>読み込んだライブラリに見つかりません</translation>
    </message>
    <message id="app.playing">
        <source> PLAYING</source>
        <translation> 再生中</translation>
    </message>
    <message id="app.paused">
        <source> PAUSED</source>
        <translation> 一時停止中</translation>
    </message>
    <message id="app.no_tracks_match">
        <source>No tracks match these filters</source>
        <translation>この条件に一致するトラックはありません</translation>
    </message>
    <message id="library.error_title">
        <source>Couldn't load that file</source>
        <translation>このファイルを読み込めませんでした</translation>
    </message>
    <message id="library.try_again">
        <source>Try Again…</source>
        <translation>再試行…</translation>
    </message>
    <message id="library.dismiss">
        <source>Dismiss</source>
        <translation>閉じる</translation>
    </message>
    <message id="accessibility.title">
        <source>Accessibility access required</source>
        <translation>アクセシビリティのアクセス許可が必要です</translation>
    </message>
    <message id="accessibility.body">
        <source>This app reads Rekordbox's on-screen deck info via macOS Accessibility. Without it, no track will ever be detected.</source>
        <translation>このアプリはmacOSのアクセシビリティ機能を使ってRekordboxの画面上のデッキ情報を読み取ります。許可がないとトラックを検出できません。</translation>
    </message>
    <message id="accessibility.request">
        <source>Request Access</source>
        <translation>アクセスをリクエスト</translation>
    </message>
    <message id="accessibility.open_settings">
        <source>Open System Settings</source>
        <translation>システム設定を開く</translation>
    </message>
    <message id="accessibility.stale_grant">
        <source>Already switched on in System Settings, yet this notice stays? Select Cuevox in the list, remove it with “−” and allow access again.</source>
        <translation>システム設定でオンになっているのにこの表示が消えない場合は、リストでCuevoxを選択して「−」で削除し、もう一度アクセスを許可してください。</translation>
    </message>
    <message id="filter.all_tracks">
        <source>All Tracks (%d)</source>
        <translation>すべてのトラック (%d)</translation>
    </message>
    <message id="filter.search_placeholder">
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message id="filter.key">
        <source>Key</source>
        <translation>キー</translation>
    </message>
    <message id="filter.tempo">
        <source>Tempo</source>
        <translation>テンポ</translation>
    </message>
    <message id="filter.energy">
        <source>Energy</source>
        <translation>エネルギー</translation>
    </message>
    <message id="filter.genres">
        <source>Genres</source>
        <translation>ジャンル</translation>
    </message>
    <message id="filter.reset">
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message id="filter.select_keys">
        <source>Select Keys</source>
        <translation>キーを選択</translation>
    </message>
    <message id="filter.energy_option">
        <source>Energy %d</source>
        <translation>エネルギー %d</translation>
    </message>
    <message id="settings.title">
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message id="settings.language_hint">
        <source>Changes apply immediately across the app.</source>
        <translation>変更はアプリ全体に即座に反映されます。</translation>
    </message>
    <message id="filter.pitch_range">
        <source>Pitch range</source>
        <translation>ピッチ範囲</translation>
    </message>
    <message id="filter.pitch_off">
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message id="filter.half_double">
        <source>Half/double time</source>
        <translation>ハーフ/ダブルタイム</translation>
    </message>
    <message id="filter.energy_direction">
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message id="filter.energy_hold">
        <source>Hold</source>
        <translation>維持</translation>
    </message>
    <message id="filter.energy_up">
        <source>Up</source>
        <translation>上げる</translation>
    </message>
    <message id="filter.energy_down">
        <source>Down</source>
        <translation>下げる</translation>
    </message>
    <message id="filter.search_crates">
        <source>Search playlists</source>
        <translation>プレイリストを検索</translation>
    </message>
    <message id="filter.whole_collection">
        <source>Whole collection</source>
        <translation>ライブラリ全体</translation>
    </message>
    <message id="filter.pick_crate">
        <source>Pick a playlist</source>
        <translation>プレイリストを選択</translation>
    </message>
    <message id="filter.hide_played">
        <source>Hide played</source>
        <translation>再生済みを隠す</translation>
    </message>
    <message id="filter.vary_artists">
        <source>Vary artists</source>
        <translation>アーティストを分散</translation>
    </message>
    <message id="settings.keys">
        <source>Keys</source>
        <translation>キー</translation>
    </message>
    <message id="settings.open_key">
        <source>Read Open Key (1m, 1d)</source>
        <translation>Open Key を読み込む (1m, 1d)</translation>
    </message>
    <message id="settings.open_key_hint">
        <source>8A is always read; this also reads 1m and 1d from other DJ software. Switching reloads the collection.</source>
        <translation>8A は常に読み込まれます。オンにすると他の DJ ソフトの 1m や 1d も読み込みます。切り替えるとライブラリを再読み込みします。</translation>
    </message>
    <message id="library.error_not_found">
        <source>There is no file “%1” in %2.</source>
        <translation>%2 に「%1」というファイルはありません。</translation>
    </message>
    <message id="library.error_malformed">
        <source>“%1” is not a readable XML export: reading stopped at line %2, column %3 (%4).</source>
        <translation>「%1」は読み取れる XML エクスポートではありません。%2 行 %3 列で読み取りが止まりました（%4）。</translation>
    </message>
    <message id="library.error_malformed_unplaced">
        <source>“%1” is not a readable XML export (%2).</source>
        <translation>「%1」は読み取れる XML エクスポートではありません（%2）。</translation>
    </message>
    <message id="library.error_not_a_file">
        <source>“%1” is not a file that can be loaded: it is a folder, a device or a pipe.</source>
        <translation>「%1」は読み込めるファイルではありません（フォルダ、デバイス、またはパイプです）。</translation>
    </message>
    <message id="library.error_no_access">
        <source>Cuevox may not read “%1”: check the file's permissions.</source>
        <translation>Cuevox には「%1」を読む権限がありません。ファイルのアクセス権を確認してください。</translation>
    </message>
    <message id="library.error_no_memory">
        <source>There is not enough memory to load “%1”.</source>
        <translation>「%1」を読み込むためのメモリが足りません。</translation>
    </message>
    <message id="library.error_unreadable">
        <source>“%1” could not be read (%2).</source>
        <translation>「%1」を読み取れませんでした（%2）。</translation>
    </message>
    <message id="library.loading_file">
        <source>Loading %1… %2%</source>
        <translation>%1 を読み込み中… %2%</translation>
    </message>
    <message id="library.none_loaded">
        <source>No collection loaded</source>
        <translation>ライブラリが読み込まれていません</translation>
    </message>
    <message id="library.no_tracks">
        <source>This collection has no tracks</source>
        <translation>このライブラリにはトラックがありません</translation>
    </message>
    <message id="filter.key_rules">
        <source>Key rules</source>
        <translation>キーのルール</translation>
    </message>
    <message id="filter.strict">
        <source>Strict</source>
        <translation>厳格</translation>
    </message>
    <message id="filter.balanced">
        <source>Balanced</source>
        <translation>バランス</translation>
    </message>
    <message id="filter.open">
        <source>Open</source>
        <translation>自由</translation>
    </message>
    <message id="filter.key_lock">
        <source>Key lock (MASTER TEMPO)</source>
        <translation>キーロック（MASTER TEMPO）</translation>
    </message>
    <message id="filter.key_moves">
        <source>Show key moves</source>
        <translation>キーの移動を表示</translation>
    </message>
    <message id="move.same">
        <source>Same</source>
        <translation>同じ</translation>
    </message>
    <message id="move.relative">
        <source>Relative</source>
        <translation>平行調</translation>
    </message>
    <message id="move.diagonal">
        <source>Diagonal</source>
        <translation>斜め</translation>
    </message>
    <message id="move.parallel">
        <source>Parallel</source>
        <translation>同主調</translation>
    </message>
    <message id="move.semitone_up">
        <source>Semitone ↑</source>
        <translation>半音↑</translation>
    </message>
    <message id="move.semitone_down">
        <source>Semitone ↓</source>
        <translation>半音↓</translation>
    </message>
    <message id="move.clash">
        <source>Clash</source>
        <translation>不協和</translation>
    </message>
    <message id="move.same_tip">
        <source>The same key</source>
        <translation>同じキー</translation>
    </message>
    <message id="move.relative_tip">
        <source>The relative key: the same notes, minor and major swapped</source>
        <translation>平行調：同じ音で、短調と長調が入れ替わる</translation>
    </message>
    <message id="move.plus_one_tip">
        <source>One step clockwise: a fifth up</source>
        <translation>時計回りに1つ：5度上</translation>
    </message>
    <message id="move.minus_one_tip">
        <source>One step counter-clockwise: a fifth down</source>
        <translation>反時計回りに1つ：5度下</translation>
    </message>
    <message id="move.diagonal_tip">
        <source>One step and the other letter: a neighbour's relative key</source>
        <translation>1つ隣でもう一方の文字：隣のキーの平行調</translation>
    </message>
    <message id="move.boost_tip">
        <source>Two steps clockwise: a whole tone up, an energy boost</source>
        <translation>時計回りに2つ：全音上、エネルギーブースト</translation>
    </message>
    <message id="move.minus_two_tip">
        <source>Two steps counter-clockwise: a whole tone down</source>
        <translation>反時計回りに2つ：全音下</translation>
    </message>
    <message id="move.parallel_tip">
        <source>The parallel key: the same root, minor and major swapped</source>
        <translation>同主調：同じ主音で、短調と長調が入れ替わる</translation>
    </message>
    <message id="move.semitone_up_tip">
        <source>Seven steps clockwise: a semitone up</source>
        <translation>時計回りに7つ：半音上</translation>
    </message>
    <message id="move.semitone_down_tip">
        <source>Seven steps counter-clockwise: a semitone down</source>
        <translation>反時計回りに7つ：半音下</translation>
    </message>
    <message id="move.clash_tip">
        <source>The keys clash</source>
        <translation>キーがぶつかる</translation>
    </message>
    <message id="key.heard_tip">
        <source>Heard in this key at the pitch it plays at, without key lock</source>
        <translation>キーロックなしで、再生ピッチではこのキーに聞こえる</translation>
    </message>
    <message id="key.between_tip">
        <source>%d cents off: between two keys</source>
        <translation>%dセントずれ：2つのキーの間</translation>
    </message>
    <message id="filter.your_style">
        <source>Your style</source>
        <translation>あなたのスタイル</translation>
    </message>
    <message id="style.crates">
        <source>in %d of your crates</source>
        <translation>%d 個のプレイリストに</translation>
    </message>
    <message id="style.same_day">
        <source>added the same day</source>
        <translation>同じ日に追加</translation>
    </message>
    <message id="style.same_week">
        <source>added the same week</source>
        <translation>同じ週に追加</translation>
    </message>
    <message id="style.days_apart">
        <source>added %d days apart</source>
        <translation>%d 日違いで追加</translation>
    </message>
    <message id="style.played_after">
        <source>played after it %d×</source>
        <translation>この後に %d 回</translation>
    </message>
    <message id="style.played_before">
        <source>played before it %d×</source>
        <translation>この前に %d 回</translation>
    </message>
    <message id="style.key_move">
        <source>your usual %1 move</source>
        <translation>いつもの %1 の移動</translation>
    </message>
    <message id="style.tempo_step">
        <source>your usual %1 % tempo step</source>
        <translation>いつものテンポ差 %1 %</translation>
    </message>
    <message id="style.list_score">
        <source>list score %d</source>
        <translation>スコア %d</translation>
    </message>
    <message id="settings.sets">
        <source>Your sets</source>
        <translation>あなたのセット</translation>
    </message>
    <message id="settings.remember_sets">
        <source>Remember my sets</source>
        <translation>セットを記録する</translation>
    </message>
    <message id="settings.remember_sets_hint">
        <source>Each track that plays for a minute joins a playlist of the day in Cuevox's data folder, which Your style learns from.</source>
        <translation>1分間再生された曲は、Cuevox のデータフォルダにあるその日のプレイリストに追加され、「あなたのスタイル」が学習します。</translation>
    </message>
    <message id="settings.history_folder">
        <source>History files</source>
        <translation>履歴ファイル</translation>
    </message>
    <message id="settings.history_hint">
        <source>A folder of your past sets as M3U8 playlists, such as rekordbox's exported HISTORY playlists.</source>
        <translation>過去のセットを M3U8 プレイリストとして入れたフォルダ（rekordbox から書き出した HISTORY プレイリストなど）。</translation>
    </message>
    <message id="settings.choose_folder">
        <source>Choose…</source>
        <translation>選択…</translation>
    </message>
    <message id="settings.no_folder">
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message id="settings.clear_folder">
        <source>Clear</source>
        <translation>解除</translation>
    </message>
    <message id="menu.open_sets">
        <source>Open My Sets Folder</source>
        <translation>セットのフォルダを開く</translation>
    </message>
    <message id="sets.log_failed_title">
        <source>Your set is not being remembered</source>
        <translation>セットを記録できません</translation>
    </message>
    <message id="sets.log_failed_body">
        <source>The set log cannot be written; your set goes on.</source>
        <translation>セットの記録を書き込めません。セットはそのまま続きます。</translation>
    </message>
    <message id="sets.open_folder">
        <source>Open Folder</source>
        <translation>フォルダを開く</translation>
    </message>
</context>
</TS>
