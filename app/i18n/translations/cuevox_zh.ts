<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh" sourcelanguage="en">
<context>
    <name></name>
    <message id="app.header_title">
        <source>Cuevox</source>
        <translation>Cuevox</translation>
    </message>
    <message id="app.tracks_count">
        <source>%d tracks</source>
        <translation>%d 首曲目</translation>
    </message>
    <message id="app.loading_progress">
        <source>Loading… %d%</source>
        <translation>正在加载… %d%</translation>
    </message>
    <message id="app.load_library">
        <source>Load Library…</source>
        <translation>加载曲库…</translation>
    </message>
    <message id="app.no_track_playing">
        <source>No track playing</source>
        <translation>当前没有播放曲目</translation>
    </message>
    <message id="app.not_found_in_library">
        <source>Not found in loaded library</source>
        <translation>在已加载的曲库中未找到</translation>
    </message>
    <message id="app.playing">
        <source> PLAYING</source>
        <translation> 播放中</translation>
    </message>
    <message id="app.paused">
        <source> PAUSED</source>
        <translation> 已暂停</translation>
    </message>
    <message id="app.no_tracks_match">
        <source>No tracks match these filters</source>
        <translation>没有符合这些筛选条件的曲目</translation>
    </message>
    <message id="library.error_title">
        <source>Couldn't load that file</source>
        <translation>无法加载该文件</translation>
    </message>
    <message id="library.try_again">
        <source>Try Again…</source>
        <translation>重试…</translation>
    </message>
    <message id="library.dismiss">
        <source>Dismiss</source>
        <translation>关闭</translation>
    </message>
    <message id="accessibility.title">
        <source>Accessibility access required</source>
        <translation>需要辅助功能权限</translation>
    </message>
    <message id="accessibility.body">
        <source>This app reads Rekordbox's on-screen deck info via macOS Accessibility. Without it, no track will ever be detected.</source>
        <translation>本应用通过 macOS 辅助功能读取 Rekordbox 屏幕上的 deck 信息。未授权将无法检测到任何曲目。</translation>
    </message>
    <message id="accessibility.request">
        <source>Request Access</source>
        <translation>请求权限</translation>
    </message>
    <message id="accessibility.open_settings">
        <source>Open System Settings</source>
        <translation>打开系统设置</translation>
    </message>
    <message id="accessibility.stale_grant">
        <source>Already switched on in System Settings, yet this notice stays? Select Cuevox in the list, remove it with “−” and allow access again.</source>
        <translation>已在系统设置中开启，但此提示仍未消失？请在列表中选择 Cuevox，点按“−”将其移除，然后重新授权。</translation>
    </message>
    <message id="filter.all_tracks">
        <source>All Tracks (%d)</source>
        <translation>全部曲目 (%d)</translation>
    </message>
    <message id="filter.search_placeholder">
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message id="filter.key">
        <source>Key</source>
        <translation>调式</translation>
    </message>
    <message id="filter.tempo">
        <source>Tempo</source>
        <translation>速度</translation>
    </message>
    <message id="filter.energy">
        <source>Energy</source>
        <translation>能量</translation>
    </message>
    <message id="filter.genres">
        <source>Genres</source>
        <translation>曲风</translation>
    </message>
    <message id="filter.reset">
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message id="filter.select_keys">
        <source>Select Keys</source>
        <translation>选择调式</translation>
    </message>
    <message id="filter.energy_option">
        <source>Energy %d</source>
        <translation>能量 %d</translation>
    </message>
    <message id="settings.title">
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message id="settings.language_hint">
        <source>Changes apply immediately across the app.</source>
        <translation>更改会立即应用于整个应用。</translation>
    </message>
    <message id="filter.pitch_range">
        <source>Pitch range</source>
        <translation>变速范围</translation>
    </message>
    <message id="filter.pitch_off">
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message id="filter.half_double">
        <source>Half/double time</source>
        <translation>半速/倍速</translation>
    </message>
    <message id="filter.energy_direction">
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message id="filter.energy_hold">
        <source>Hold</source>
        <translation>保持</translation>
    </message>
    <message id="filter.energy_up">
        <source>Up</source>
        <translation>升高</translation>
    </message>
    <message id="filter.energy_down">
        <source>Down</source>
        <translation>降低</translation>
    </message>
    <message id="filter.search_crates">
        <source>Search playlists</source>
        <translation>搜索播放列表</translation>
    </message>
    <message id="filter.whole_collection">
        <source>Whole collection</source>
        <translation>整个曲库</translation>
    </message>
    <message id="filter.pick_crate">
        <source>Pick a playlist</source>
        <translation>选择播放列表</translation>
    </message>
    <message id="filter.hide_played">
        <source>Hide played</source>
        <translation>隐藏已播放</translation>
    </message>
    <message id="filter.vary_artists">
        <source>Vary artists</source>
        <translation>艺人轮换</translation>
    </message>
    <message id="settings.keys">
        <source>Keys</source>
        <translation>调式</translation>
    </message>
    <message id="settings.open_key">
        <source>Read Open Key (1m, 1d)</source>
        <translation>读取 Open Key (1m, 1d)</translation>
    </message>
    <message id="settings.open_key_hint">
        <source>8A is always read; this also reads 1m and 1d from other DJ software. Switching reloads the collection.</source>
        <translation>8A 始终会被读取；开启后也读取其他 DJ 软件的 1m、1d。切换后会重新加载曲库。</translation>
    </message>
    <message id="library.error_not_found">
        <source>There is no file “%1” in %2.</source>
        <translation>%2 中没有文件“%1”。</translation>
    </message>
    <message id="library.error_malformed">
        <source>“%1” is not a readable XML export: reading stopped at line %2, column %3 (%4).</source>
        <translation>“%1”不是可读取的 XML 导出文件：读取在第 %2 行第 %3 列停止（%4）。</translation>
    </message>
    <message id="library.error_malformed_unplaced">
        <source>“%1” is not a readable XML export (%2).</source>
        <translation>“%1”不是可读取的 XML 导出文件（%2）。</translation>
    </message>
    <message id="library.error_not_a_file">
        <source>“%1” is not a file that can be loaded: it is a folder, a device or a pipe.</source>
        <translation>“%1”不是可加载的文件：它是文件夹、设备或管道。</translation>
    </message>
    <message id="library.error_no_access">
        <source>Cuevox may not read “%1”: check the file's permissions.</source>
        <translation>Cuevox 无权读取“%1”：请检查该文件的权限。</translation>
    </message>
    <message id="library.error_no_memory">
        <source>There is not enough memory to load “%1”.</source>
        <translation>内存不足，无法加载“%1”。</translation>
    </message>
    <message id="library.error_unreadable">
        <source>“%1” could not be read (%2).</source>
        <translation>无法读取“%1”（%2）。</translation>
    </message>
    <message id="library.loading_file">
        <source>Loading %1… %2%</source>
        <translation>正在加载 %1… %2%</translation>
    </message>
    <message id="library.none_loaded">
        <source>No collection loaded</source>
        <translation>尚未加载曲库</translation>
    </message>
    <message id="library.no_tracks">
        <source>This collection has no tracks</source>
        <translation>该曲库中没有曲目</translation>
    </message>
    <message id="filter.key_rules">
        <source>Key rules</source>
        <translation>调性规则</translation>
    </message>
    <message id="filter.strict">
        <source>Strict</source>
        <translation>严格</translation>
    </message>
    <message id="filter.balanced">
        <source>Balanced</source>
        <translation>均衡</translation>
    </message>
    <message id="filter.open">
        <source>Open</source>
        <translation>开放</translation>
    </message>
    <message id="filter.key_lock">
        <source>Key lock (MASTER TEMPO)</source>
        <translation>调性锁定（MASTER TEMPO）</translation>
    </message>
    <message id="filter.key_moves">
        <source>Show key moves</source>
        <translation>显示调性变化</translation>
    </message>
    <message id="move.same">
        <source>Same</source>
        <translation>相同</translation>
    </message>
    <message id="move.relative">
        <source>Relative</source>
        <translation>关系调</translation>
    </message>
    <message id="move.diagonal">
        <source>Diagonal</source>
        <translation>对角</translation>
    </message>
    <message id="move.parallel">
        <source>Parallel</source>
        <translation>同主音调</translation>
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
        <translation>冲突</translation>
    </message>
    <message id="move.same_tip">
        <source>The same key</source>
        <translation>相同的调</translation>
    </message>
    <message id="move.relative_tip">
        <source>The relative key: the same notes, minor and major swapped</source>
        <translation>关系调：音符相同，大小调互换</translation>
    </message>
    <message id="move.plus_one_tip">
        <source>One step clockwise: a fifth up</source>
        <translation>顺时针一步：上行五度</translation>
    </message>
    <message id="move.minus_one_tip">
        <source>One step counter-clockwise: a fifth down</source>
        <translation>逆时针一步：下行五度</translation>
    </message>
    <message id="move.diagonal_tip">
        <source>One step and the other letter: a neighbour's relative key</source>
        <translation>一步并换字母：相邻调的关系调</translation>
    </message>
    <message id="move.boost_tip">
        <source>Two steps clockwise: a whole tone up, an energy boost</source>
        <translation>顺时针两步：升一个全音，能量提升</translation>
    </message>
    <message id="move.minus_two_tip">
        <source>Two steps counter-clockwise: a whole tone down</source>
        <translation>逆时针两步：降一个全音</translation>
    </message>
    <message id="move.parallel_tip">
        <source>The parallel key: the same root, minor and major swapped</source>
        <translation>同主音调：主音相同，大小调互换</translation>
    </message>
    <message id="move.semitone_up_tip">
        <source>Seven steps clockwise: a semitone up</source>
        <translation>顺时针七步：升半音</translation>
    </message>
    <message id="move.semitone_down_tip">
        <source>Seven steps counter-clockwise: a semitone down</source>
        <translation>逆时针七步：降半音</translation>
    </message>
    <message id="move.clash_tip">
        <source>The keys clash</source>
        <translation>调性冲突</translation>
    </message>
    <message id="key.heard_tip">
        <source>Heard in this key at the pitch it plays at, without key lock</source>
        <translation>未锁定调性时，在此播放音高下听起来是这个调</translation>
    </message>
    <message id="key.between_tip">
        <source>%d cents off: between two keys</source>
        <translation>偏差 %d 音分：介于两个调之间</translation>
    </message>
    <message id="filter.your_style">
        <source>Your style</source>
        <translation>你的风格</translation>
    </message>
    <message id="style.crates">
        <source>in %d of your crates</source>
        <translation>在你的 %d 个歌单中</translation>
    </message>
    <message id="style.same_day">
        <source>added the same day</source>
        <translation>同一天添加</translation>
    </message>
    <message id="style.same_week">
        <source>added the same week</source>
        <translation>同一周添加</translation>
    </message>
    <message id="style.days_apart">
        <source>added %d days apart</source>
        <translation>相隔 %d 天添加</translation>
    </message>
    <message id="style.played_after">
        <source>played after it %d×</source>
        <translation>在它之后播放 %d 次</translation>
    </message>
    <message id="style.played_before">
        <source>played before it %d×</source>
        <translation>在它之前播放 %d 次</translation>
    </message>
    <message id="style.key_move">
        <source>your usual %1 move</source>
        <translation>你常用的 %1 转调</translation>
    </message>
    <message id="style.tempo_step">
        <source>your usual %1 % tempo step</source>
        <translation>你常用的 %1 % 速度变化</translation>
    </message>
    <message id="style.list_score">
        <source>list score %d</source>
        <translation>评分 %d</translation>
    </message>
    <message id="settings.sets">
        <source>Your sets</source>
        <translation>你的演出</translation>
    </message>
    <message id="settings.remember_sets">
        <source>Remember my sets</source>
        <translation>记住我的演出</translation>
    </message>
    <message id="settings.remember_sets_hint">
        <source>Each track that plays for a minute joins a playlist of the day in Cuevox's data folder, which Your style learns from.</source>
        <translation>播放满一分钟的曲目会加入 Cuevox 数据文件夹中当天的歌单，供“你的风格”学习。</translation>
    </message>
    <message id="settings.history_folder">
        <source>History files</source>
        <translation>历史文件</translation>
    </message>
    <message id="settings.history_hint">
        <source>A folder of your past sets as M3U8 playlists, such as rekordbox's exported HISTORY playlists.</source>
        <translation>存放过往演出 M3U8 歌单的文件夹，例如从 rekordbox 导出的 HISTORY 歌单。</translation>
    </message>
    <message id="settings.choose_folder">
        <source>Choose…</source>
        <translation>选择…</translation>
    </message>
    <message id="settings.no_folder">
        <source>None</source>
        <translation>无</translation>
    </message>
    <message id="settings.clear_folder">
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message id="menu.open_sets">
        <source>Open My Sets Folder</source>
        <translation>打开我的演出文件夹</translation>
    </message>
    <message id="sets.log_failed_title">
        <source>Your set is not being remembered</source>
        <translation>无法记住你的演出</translation>
    </message>
    <message id="sets.log_failed_body">
        <source>The set log cannot be written; your set goes on.</source>
        <translation>无法写入演出记录；你的演出照常进行。</translation>
    </message>
    <message id="sets.open_folder">
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
</context>
</TS>
