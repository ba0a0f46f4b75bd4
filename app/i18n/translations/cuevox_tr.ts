<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name></name>
    <message id="app.header_title">
        <source>Cuevox</source>
        <translation>Cuevox</translation>
    </message>
    <message id="app.tracks_count">
        <source>%d tracks</source>
        <translation>%d parça</translation>
    </message>
    <message id="app.loading_progress">
        <source>Loading… %d%</source>
        <translation>Yükleniyor… %%d</translation>
    </message>
    <message id="app.load_library">
        <source>Load Library…</source>
        <translation>Kütüphane Yükle…</translation>
    </message>
    <message id="app.no_track_playing">
        <source>No track playing</source>
        <translation>Çalan parça yok</translation>
    </message>
    <message id="app.not_found_in_library">
        <source>Not found in loaded library</source>
        <translation>Yüklü kütüphanede bulunamadı</translation>
    </message>
    <message id="app.playing">
        <source> PLAYING</source>
        <translation> ÇALIYOR</translation>
    </message>
    <message id="app.paused">
        <source> PAUSED</source>
        <translation> DURAKLATILDI</translation>
    </message>
    <message id="app.no_tracks_match">
        <source>No tracks match these filters</source>
        <translation>Bu filtrelere uyan parça yok</translation>
    </message>
    <message id="library.error_title">
        <source>Couldn't load that file</source>
        <translation>Bu dosya yüklenemedi</translation>
    </message>
    <message id="library.try_again">
        <source>Try Again…</source>
        <translation>Tekrar Dene…</translation>
    </message>
    <message id="library.dismiss">
        <source>Dismiss</source>
        <translation>Kapat</translation>
    </message>
    <message id="accessibility.title">
        <source>Accessibility access required</source>
        <translation>Erişilebilirlik izni gerekiyor</translation>
    </message>
    <message id="accessibility.body">
        <source>This app reads Rekordbox's on-screen deck info via macOS Accessibility. Without it, no track will ever be detected.</source>
        <translation>Bu uygulama, Rekordbox'un ekran üzerindeki deck bilgisini macOS Erişilebilirlik özelliğiyle okur. İzin verilmeden hiçbir parça algılanamaz.</translation>
    </message>
    <message id="accessibility.request">
        <source>Request Access</source>
        <translation>İzin İste</translation>
    </message>
    <message id="accessibility.open_settings">
        <source>Open System Settings</source>
        <translation>Sistem Ayarlarını Aç</translation>
    </message>
    <message id="accessibility.stale_grant">
        <source>Already switched on in System Settings, yet this notice stays? Select Cuevox in the list, remove it with “−” and allow access again.</source>
        <translation>Sistem Ayarları'nda zaten açık olduğu hâlde bu uyarı kaybolmuyor mu? Listede Cuevox'u seçin, “−” ile kaldırın ve erişime yeniden izin verin.</translation>
    </message>
    <message id="filter.all_tracks">
        <source>All Tracks (%d)</source>
        <translation>Tüm Parçalar (%d)</translation>
    </message>
    <message id="filter.search_placeholder">
        <source>Search</source>
        <translation>Ara</translation>
    </message>
    <message id="filter.key">
        <source>Key</source>
        <translation>Ton</translation>
    </message>
    <message id="filter.tempo">
        <source>Tempo</source>
        <translation>Tempo</translation>
    </message>
    <message id="filter.energy">
        <source>Energy</source>
        <translation>Enerji</translation>
    </message>
    <message id="filter.genres">
        <source>Genres</source>
        <translation>Tür</translation>
    </message>
    <message id="filter.reset">
        <source>Reset</source>
        <translation>Sıfırla</translation>
    </message>
    <message id="filter.select_keys">
        <source>Select Keys</source>
        <translation>Ton Seç</translation>
    </message>
    <message id="filter.energy_option">
        <source>Energy %d</source>
        <translation>Enerji %d</translation>
    </message>
    <message id="settings.title">
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message id="settings.language_hint">
        <source>Changes apply immediately across the app.</source>
        <translation>Değişiklikler uygulamanın her yerinde hemen geçerli olur.</translation>
    </message>
    <message id="filter.pitch_range">
        <source>Pitch range</source>
        <translation>Pitch aralığı</translation>
    </message>
    <message id="filter.pitch_off">
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message id="filter.half_double">
        <source>Half/double time</source>
        <translation>Yarım/çift tempo</translation>
    </message>
    <message id="filter.energy_direction">
        <source>Direction</source>
        <translation>Yön</translation>
    </message>
    <message id="filter.energy_hold">
        <source>Hold</source>
        <translation>Sabit</translation>
    </message>
    <message id="filter.energy_up">
        <source>Up</source>
        <translation>Yukarı</translation>
    </message>
    <message id="filter.energy_down">
        <source>Down</source>
        <translation>Aşağı</translation>
    </message>
    <message id="filter.search_crates">
        <source>Search playlists</source>
        <translation>Çalma listesi ara</translation>
    </message>
    <message id="filter.whole_collection">
        <source>Whole collection</source>
        <translation>Tüm kütüphane</translation>
    </message>
    <message id="filter.pick_crate">
        <source>Pick a playlist</source>
        <translation>Çalma listesi seç</translation>
    </message>
    <message id="filter.hide_played">
        <source>Hide played</source>
        <translation>Çalınanları gizle</translation>
    </message>
    <message id="filter.vary_artists">
        <source>Vary artists</source>
        <translation>Farklı sanatçılar</translation>
    </message>
    <message id="settings.keys">
        <source>Keys</source>
        <translation>Tonlar</translation>
    </message>
    <message id="settings.open_key">
        <source>Read Open Key (1m, 1d)</source>
        <translation>Open Key oku (1m, 1d)</translation>
    </message>
    <message id="settings.open_key_hint">
        <source>8A is always read; this also reads 1m and 1d from other DJ software. Switching reloads the collection.</source>
        <translation>8A her zaman okunur; bu seçenek diğer DJ yazılımlarının 1m ve 1d tonlarını da okur. Değiştirince kütüphane yeniden yüklenir.</translation>
    </message>
    <message id="library.error_not_found">
        <source>There is no file “%1” in %2.</source>
        <translation>%2 içinde “%1” adlı bir dosya yok.</translation>
    </message>
    <message id="library.error_malformed">
        <source>“%1” is not a readable XML export: reading stopped at line %2, column %3 (%4).</source>
        <translation>“%1” okunabilir bir XML dışa aktarımı değil: okuma %2. satır, %3. sütunda durdu (%4).</translation>
    </message>
    <message id="library.error_malformed_unplaced">
        <source>“%1” is not a readable XML export (%2).</source>
        <translation>“%1” okunabilir bir XML dışa aktarımı değil (%2).</translation>
    </message>
    <message id="library.error_not_a_file">
        <source>“%1” is not a file that can be loaded: it is a folder, a device or a pipe.</source>
        <translation>“%1” yüklenebilecek bir dosya değil: bir klasör, aygıt ya da kanal.</translation>
    </message>
    <message id="library.error_no_access">
        <source>Cuevox may not read “%1”: check the file's permissions.</source>
        <translation>Cuevox “%1” dosyasını okuyamıyor: dosyanın izinlerini denetleyin.</translation>
    </message>
    <message id="library.error_no_memory">
        <source>There is not enough memory to load “%1”.</source>
        <translation>“%1” dosyasını yüklemek için yeterli bellek yok.</translation>
    </message>
    <message id="library.error_unreadable">
        <source>“%1” could not be read (%2).</source>
        <translation>“%1” okunamadı (%2).</translation>
    </message>
    <message id="library.loading_file">
        <source>Loading %1… %2%</source>
        <translation>%1 yükleniyor… %%2</translation>
    </message>
    <message id="library.none_loaded">
        <source>No collection loaded</source>
        <translation>Yüklü kütüphane yok</translation>
    </message>
    <message id="library.no_tracks">
        <source>This collection has no tracks</source>
        <translation>Bu kütüphanede parça yok</translation>
    </message>
    <message id="filter.key_rules">
        <source>Key rules</source>
        <translation>Ton kuralları</translation>
    </message>
    <message id="filter.strict">
        <source>Strict</source>
        <translation>Katı</translation>
    </message>
    <message id="filter.balanced">
        <source>Balanced</source>
        <translation>Dengeli</translation>
    </message>
    <message id="filter.open">
        <source>Open</source>
        <translation>Serbest</translation>
    </message>
    <message id="filter.key_lock">
        <source>Key lock (MASTER TEMPO)</source>
        <translation>Ton kilidi (MASTER TEMPO)</translation>
    </message>
    <message id="filter.key_moves">
        <source>Show key moves</source>
        <translation>Ton geçişlerini göster</translation>
    </message>
    <message id="move.same">
        <source>Same</source>
        <translation>Aynı</translation>
    </message>
    <message id="move.relative">
        <source>Relative</source>
        <translation>Paralel</translation>
    </message>
    <message id="move.diagonal">
        <source>Diagonal</source>
        <translation>Çapraz</translation>
    </message>
    <message id="move.parallel">
        <source>Parallel</source>
        <translation>Aynı kök</translation>
    </message>
    <message id="move.semitone_up">
        <source>Semitone ↑</source>
        <translation>Yarım ton ↑</translation>
    </message>
    <message id="move.semitone_down">
        <source>Semitone ↓</source>
        <translation>Yarım ton ↓</translation>
    </message>
    <message id="move.clash">
        <source>Clash</source>
        <translation>Uyumsuz</translation>
    </message>
    <message id="move.same_tip">
        <source>The same key</source>
        <translation>Aynı ton</translation>
    </message>
    <message id="move.relative_tip">
        <source>The relative key: the same notes, minor and major swapped</source>
        <translation>Paralel ton: aynı notalar, minör ile majör yer değiştirir</translation>
    </message>
    <message id="move.plus_one_tip">
        <source>One step clockwise: a fifth up</source>
        <translation>Saat yönünde bir adım: beşli yukarı</translation>
    </message>
    <message id="move.minus_one_tip">
        <source>One step counter-clockwise: a fifth down</source>
        <translation>Saat yönünün tersine bir adım: beşli aşağı</translation>
    </message>
    <message id="move.diagonal_tip">
        <source>One step and the other letter: a neighbour's relative key</source>
        <translation>Bir adım ve diğer harf: komşunun paralel tonu</translation>
    </message>
    <message id="move.boost_tip">
        <source>Two steps clockwise: a whole tone up, an energy boost</source>
        <translation>Saat yönünde iki adım: bir tam ton yukarı, enerji artışı</translation>
    </message>
    <message id="move.minus_two_tip">
        <source>Two steps counter-clockwise: a whole tone down</source>
        <translation>Saat yönünün tersine iki adım: bir tam ton aşağı</translation>
    </message>
    <message id="move.parallel_tip">
        <source>The parallel key: the same root, minor and major swapped</source>
        <translation>Aynı kökten ton: aynı kök nota, minör ile majör yer değiştirir</translation>
    </message>
    <message id="move.semitone_up_tip">
        <source>Seven steps clockwise: a semitone up</source>
        <translation>Saat yönünde yedi adım: yarım ton yukarı</translation>
    </message>
    <message id="move.semitone_down_tip">
        <source>Seven steps counter-clockwise: a semitone down</source>
        <translation>Saat yönünün tersine yedi adım: yarım ton aşağı</translation>
    </message>
    <message id="move.clash_tip">
        <source>The keys clash</source>
        <translation>Tonlar çatışıyor</translation>
    </message>
    <message id="key.heard_tip">
        <source>Heard in this key at the pitch it plays at, without key lock</source>
        <translation>Ton kilidi kapalıyken, çaldığı pitch'te bu tonda duyulur</translation>
    </message>
    <message id="key.between_tip">
        <source>%d cents off: between two keys</source>
        <translation>%d sent sapma: iki ton arasında</translation>
    </message>
    <message id="filter.your_style">
        <source>Your style</source>
        <translation>Tarzın</translation>
    </message>
    <message id="style.crates">
        <source>in %d of your crates</source>
        <translation>%d kasanda</translation>
    </message>
    <message id="style.same_day">
        <source>added the same day</source>
        <translation>aynı gün eklendi</translation>
    </message>
    <message id="style.same_week">
        <source>added the same week</source>
        <translation>aynı hafta eklendi</translation>
    </message>
    <message id="style.days_apart">
        <source>added %d days apart</source>
        <translation>%d gün arayla eklendi</translation>
    </message>
    <message id="style.played_after">
        <source>played after it %d×</source>
        <translation>ondan sonra %d× çalındı</translation>
    </message>
    <message id="style.played_before">
        <source>played before it %d×</source>
        <translation>ondan önce %d× çalındı</translation>
    </message>
    <message id="style.key_move">
        <source>your usual %1 move</source>
        <translation>alışkın olduğun %1 geçişi</translation>
    </message>
    <message id="style.tempo_step">
        <source>your usual %1 % tempo step</source>
        <translation>alışkın olduğun %1 % tempo adımı</translation>
    </message>
    <message id="style.list_score">
        <source>list score %d</source>
        <translation>liste puanı %d</translation>
    </message>
    <message id="settings.sets">
        <source>Your sets</source>
        <translation>Setlerin</translation>
    </message>
    <message id="settings.remember_sets">
        <source>Remember my sets</source>
        <translation>Setlerimi hatırla</translation>
    </message>
    <message id="settings.remember_sets_hint">
        <source>Each track that plays for a minute joins a playlist of the day in Cuevox's data folder, which Your style learns from.</source>
        <translation>Bir dakika çalan her parça, Cuevox'un veri klasöründeki günün çalma listesine eklenir; Tarzın bundan öğrenir.</translation>
    </message>
    <message id="settings.history_folder">
        <source>History files</source>
        <translation>Geçmiş dosyaları</translation>
    </message>
    <message id="settings.history_hint">
        <source>A folder of your past sets as M3U8 playlists, such as rekordbox's exported HISTORY playlists.</source>
        <translation>Geçmiş setlerinin M3U8 çalma listeleri olarak bulunduğu bir klasör, örneğin rekordbox'tan dışa aktarılan HISTORY listeleri.</translation>
    </message>
    <message id="settings.choose_folder">
        <source>Choose…</source>
        <translation>Seç…</translation>
    </message>
    <message id="settings.no_folder">
        <source>None</source>
        <translation>Yok</translation>
    </message>
    <message id="settings.clear_folder">
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
    <message id="menu.open_sets">
        <source>Open My Sets Folder</source>
        <translation>Setlerim klasörünü aç</translation>
    </message>
    <message id="sets.log_failed_title">
        <source>Your set is not being remembered</source>
        <translation>Setin hatırlanamıyor</translation>
    </message>
    <message id="sets.log_failed_body">
        <source>The set log cannot be written; your set goes on.</source>
        <translation>Set kaydı yazılamıyor; setin devam ediyor.</translation>
    </message>
    <message id="sets.open_folder">
        <source>Open Folder</source>
        <translation>Klasörü aç</translation>
    </message>
</context>
</TS>
