#include "i18n/LocalizationManager.hpp"

#include <gtest/gtest.h>

#include <QLocale>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace cuevox::i18n {
namespace {

struct ExpectedText {
    AppLanguage language;
    const char* key;
    const char* text;
};

// Every interface text, as the translators delivered them.
const ExpectedText kExpectedTexts[] = {
    // en
    {AppLanguage::en, "app.header_title", "Cuevox"},
    {AppLanguage::en, "app.tracks_count", "%d tracks"},
    {AppLanguage::en, "app.loading_progress", "Loading… %d%"},
    {AppLanguage::en, "app.load_library", "Load Library…"},
    {AppLanguage::en, "app.no_track_playing", "No track playing"},
    {AppLanguage::en, "app.not_found_in_library", "Not found in loaded library"},
    {AppLanguage::en, "app.playing", " PLAYING"},
    {AppLanguage::en, "app.paused", " PAUSED"},
    {AppLanguage::en, "app.no_tracks_match", "No tracks match these filters"},
    {AppLanguage::en, "library.error_title", "Couldn't load that file"},
    {AppLanguage::en, "library.try_again", "Try Again…"},
    {AppLanguage::en, "library.dismiss", "Dismiss"},
    {AppLanguage::en, "accessibility.title", "Accessibility access required"},
    {AppLanguage::en, "accessibility.body", "This app reads Rekordbox's on-screen deck info via macOS Accessibility. Without it, no track will ever be detected."},
    {AppLanguage::en, "accessibility.request", "Request Access"},
    {AppLanguage::en, "accessibility.open_settings", "Open System Settings"},
    {AppLanguage::en, "accessibility.stale_grant", "Already switched on in System Settings, yet this notice stays? Select Cuevox in the list, remove it with “−” and allow access again."},
    {AppLanguage::en, "filter.all_tracks", "All Tracks (%d)"},
    {AppLanguage::en, "filter.search_placeholder", "Search"},
    {AppLanguage::en, "filter.key", "Key"},
    {AppLanguage::en, "filter.tempo", "Tempo"},
    {AppLanguage::en, "filter.energy", "Energy"},
    {AppLanguage::en, "filter.genres", "Genres"},
    {AppLanguage::en, "filter.reset", "Reset"},
    {AppLanguage::en, "filter.select_keys", "Select Keys"},
    {AppLanguage::en, "filter.energy_option", "Energy %d"},
    {AppLanguage::en, "settings.title", "Settings"},
    {AppLanguage::en, "settings.language", "Language"},
    {AppLanguage::en, "settings.language_hint", "Changes apply immediately across the app."},
    // tr
    {AppLanguage::tr, "app.header_title", "Cuevox"},
    {AppLanguage::tr, "app.tracks_count", "%d parça"},
    {AppLanguage::tr, "app.loading_progress", "Yükleniyor… %%d"},
    {AppLanguage::tr, "app.load_library", "Kütüphane Yükle…"},
    {AppLanguage::tr, "app.no_track_playing", "Çalan parça yok"},
    {AppLanguage::tr, "app.not_found_in_library", "Yüklü kütüphanede bulunamadı"},
    {AppLanguage::tr, "app.playing", " ÇALIYOR"},
    {AppLanguage::tr, "app.paused", " DURAKLATILDI"},
    {AppLanguage::tr, "app.no_tracks_match", "Bu filtrelere uyan parça yok"},
    {AppLanguage::tr, "library.error_title", "Bu dosya yüklenemedi"},
    {AppLanguage::tr, "library.try_again", "Tekrar Dene…"},
    {AppLanguage::tr, "library.dismiss", "Kapat"},
    {AppLanguage::tr, "accessibility.title", "Erişilebilirlik izni gerekiyor"},
    {AppLanguage::tr, "accessibility.body", "Bu uygulama, Rekordbox'un ekran üzerindeki deck bilgisini macOS Erişilebilirlik özelliğiyle okur. İzin verilmeden hiçbir parça algılanamaz."},
    {AppLanguage::tr, "accessibility.request", "İzin İste"},
    {AppLanguage::tr, "accessibility.open_settings", "Sistem Ayarlarını Aç"},
    {AppLanguage::tr, "accessibility.stale_grant", "Sistem Ayarları'nda zaten açık olduğu hâlde bu uyarı kaybolmuyor mu? Listede Cuevox'u seçin, “−” ile kaldırın ve erişime yeniden izin verin."},
    {AppLanguage::tr, "filter.all_tracks", "Tüm Parçalar (%d)"},
    {AppLanguage::tr, "filter.search_placeholder", "Ara"},
    {AppLanguage::tr, "filter.key", "Ton"},
    {AppLanguage::tr, "filter.tempo", "Tempo"},
    {AppLanguage::tr, "filter.energy", "Enerji"},
    {AppLanguage::tr, "filter.genres", "Tür"},
    {AppLanguage::tr, "filter.reset", "Sıfırla"},
    {AppLanguage::tr, "filter.select_keys", "Ton Seç"},
    {AppLanguage::tr, "filter.energy_option", "Enerji %d"},
    {AppLanguage::tr, "settings.title", "Ayarlar"},
    {AppLanguage::tr, "settings.language", "Dil"},
    {AppLanguage::tr, "settings.language_hint", "Değişiklikler uygulamanın her yerinde hemen geçerli olur."},
    // de
    {AppLanguage::de, "app.header_title", "Cuevox"},
    {AppLanguage::de, "app.tracks_count", "%d Titel"},
    {AppLanguage::de, "app.loading_progress", "Wird geladen… %d\u00A0%"},
    {AppLanguage::de, "app.load_library", "Bibliothek laden…"},
    {AppLanguage::de, "app.no_track_playing", "Kein Titel wird abgespielt"},
    {AppLanguage::de, "app.not_found_in_library", "Nicht in geladener Bibliothek gefunden"},
    {AppLanguage::de, "app.playing", " SPIELT"},
    {AppLanguage::de, "app.paused", " PAUSIERT"},
    {AppLanguage::de, "app.no_tracks_match", "Keine Titel entsprechen diesen Filtern"},
    {AppLanguage::de, "library.error_title", "Datei konnte nicht geladen werden"},
    {AppLanguage::de, "library.try_again", "Erneut versuchen…"},
    {AppLanguage::de, "library.dismiss", "Schließen"},
    {AppLanguage::de, "accessibility.title", "Bedienungshilfen-Zugriff erforderlich"},
    {AppLanguage::de, "accessibility.body", "Diese App liest die Deck-Informationen von Rekordbox über die macOS-Bedienungshilfen aus. Ohne diese Berechtigung wird kein Titel erkannt."},
    {AppLanguage::de, "accessibility.request", "Zugriff anfordern"},
    {AppLanguage::de, "accessibility.open_settings", "Systemeinstellungen öffnen"},
    {AppLanguage::de, "accessibility.stale_grant", "In den Systemeinstellungen schon eingeschaltet, aber dieser Hinweis bleibt? Cuevox in der Liste auswählen, mit „−“ entfernen und den Zugriff erneut erlauben."},
    {AppLanguage::de, "filter.all_tracks", "Alle Titel (%d)"},
    {AppLanguage::de, "filter.search_placeholder", "Suchen"},
    {AppLanguage::de, "filter.key", "Tonart"},
    {AppLanguage::de, "filter.tempo", "Tempo"},
    {AppLanguage::de, "filter.energy", "Energie"},
    {AppLanguage::de, "filter.genres", "Genres"},
    {AppLanguage::de, "filter.reset", "Zurücksetzen"},
    {AppLanguage::de, "filter.select_keys", "Tonarten wählen"},
    {AppLanguage::de, "filter.energy_option", "Energie %d"},
    {AppLanguage::de, "settings.title", "Einstellungen"},
    {AppLanguage::de, "settings.language", "Sprache"},
    {AppLanguage::de, "settings.language_hint", "Änderungen gelten sofort in der gesamten App."},
    // es
    {AppLanguage::es, "app.header_title", "Cuevox"},
    {AppLanguage::es, "app.tracks_count", "%d pistas"},
    {AppLanguage::es, "app.loading_progress", "Cargando… %d\u00A0%"},
    {AppLanguage::es, "app.load_library", "Cargar biblioteca…"},
    {AppLanguage::es, "app.no_track_playing", "Ninguna pista en reproducción"},
    {AppLanguage::es, "app.not_found_in_library", "No encontrada en la biblioteca cargada"},
    {AppLanguage::es, "app.playing", " REPRODUCIENDO"},
    {AppLanguage::es, "app.paused", " PAUSADO"},
    {AppLanguage::es, "app.no_tracks_match", "Ninguna pista coincide con estos filtros"},
    {AppLanguage::es, "library.error_title", "No se pudo cargar ese archivo"},
    {AppLanguage::es, "library.try_again", "Reintentar…"},
    {AppLanguage::es, "library.dismiss", "Descartar"},
    {AppLanguage::es, "accessibility.title", "Se requiere acceso de accesibilidad"},
    {AppLanguage::es, "accessibility.body", "Esta app lee la información de los decks de Rekordbox en pantalla mediante Accesibilidad de macOS. Sin este permiso, no se detectará ninguna pista."},
    {AppLanguage::es, "accessibility.request", "Solicitar acceso"},
    {AppLanguage::es, "accessibility.open_settings", "Abrir Ajustes del Sistema"},
    {AppLanguage::es, "accessibility.stale_grant", "¿Ya está activado en Ajustes del Sistema y este aviso no desaparece? Selecciona Cuevox en la lista, quítalo con «−» y vuelve a permitir el acceso."},
    {AppLanguage::es, "filter.all_tracks", "Todas las pistas (%d)"},
    {AppLanguage::es, "filter.search_placeholder", "Buscar"},
    {AppLanguage::es, "filter.key", "Tono"},
    {AppLanguage::es, "filter.tempo", "Tempo"},
    {AppLanguage::es, "filter.energy", "Energía"},
    {AppLanguage::es, "filter.genres", "Géneros"},
    {AppLanguage::es, "filter.reset", "Restablecer"},
    {AppLanguage::es, "filter.select_keys", "Seleccionar tonos"},
    {AppLanguage::es, "filter.energy_option", "Energía %d"},
    {AppLanguage::es, "settings.title", "Ajustes"},
    {AppLanguage::es, "settings.language", "Idioma"},
    {AppLanguage::es, "settings.language_hint", "Los cambios se aplican de inmediato en toda la app."},
    // fr
    {AppLanguage::fr, "app.header_title", "Cuevox"},
    {AppLanguage::fr, "app.tracks_count", "%d morceaux"},
    {AppLanguage::fr, "app.loading_progress", "Chargement… %d\u00A0%"},
    {AppLanguage::fr, "app.load_library", "Charger la bibliothèque…"},
    {AppLanguage::fr, "app.no_track_playing", "Aucun morceau en lecture"},
    {AppLanguage::fr, "app.not_found_in_library", "Introuvable dans la bibliothèque chargée"},
    {AppLanguage::fr, "app.playing", " LECTURE"},
    {AppLanguage::fr, "app.paused", " PAUSE"},
    {AppLanguage::fr, "app.no_tracks_match", "Aucun morceau ne correspond à ces filtres"},
    {AppLanguage::fr, "library.error_title", "Impossible de charger ce fichier"},
    {AppLanguage::fr, "library.try_again", "Réessayer…"},
    {AppLanguage::fr, "library.dismiss", "Ignorer"},
    {AppLanguage::fr, "accessibility.title", "Accès Accessibilité requis"},
    {AppLanguage::fr, "accessibility.body", "Cette app lit les informations des decks de Rekordbox à l'écran via Accessibilité macOS. Sans cette autorisation, aucun morceau ne sera jamais détecté."},
    {AppLanguage::fr, "accessibility.request", "Demander l'accès"},
    {AppLanguage::fr, "accessibility.open_settings", "Ouvrir les Réglages Système"},
    {AppLanguage::fr, "accessibility.stale_grant", "Déjà activé dans Réglages Système, mais cet avis reste affiché\u00a0? Sélectionnez Cuevox dans la liste, supprimez-le avec «\u00a0−\u00a0» puis autorisez de nouveau l'accès."},
    {AppLanguage::fr, "filter.all_tracks", "Tous les morceaux (%d)"},
    {AppLanguage::fr, "filter.search_placeholder", "Rechercher"},
    {AppLanguage::fr, "filter.key", "Tonalité"},
    {AppLanguage::fr, "filter.tempo", "Tempo"},
    {AppLanguage::fr, "filter.energy", "Énergie"},
    {AppLanguage::fr, "filter.genres", "Genres"},
    {AppLanguage::fr, "filter.reset", "Réinitialiser"},
    {AppLanguage::fr, "filter.select_keys", "Sélectionner les tonalités"},
    {AppLanguage::fr, "filter.energy_option", "Énergie %d"},
    {AppLanguage::fr, "settings.title", "Réglages"},
    {AppLanguage::fr, "settings.language", "Langue"},
    {AppLanguage::fr, "settings.language_hint", "Les changements s'appliquent immédiatement dans toute l'app."},
    // it
    {AppLanguage::it, "app.header_title", "Cuevox"},
    {AppLanguage::it, "app.tracks_count", "%d brani"},
    {AppLanguage::it, "app.loading_progress", "Caricamento… %d%"},
    {AppLanguage::it, "app.load_library", "Carica libreria…"},
    {AppLanguage::it, "app.no_track_playing", "Nessun brano in riproduzione"},
    {AppLanguage::it, "app.not_found_in_library", "Non trovato nella libreria caricata"},
    {AppLanguage::it, "app.playing", " IN RIPRODUZIONE"},
    {AppLanguage::it, "app.paused", " IN PAUSA"},
    {AppLanguage::it, "app.no_tracks_match", "Nessun brano corrisponde a questi filtri"},
    {AppLanguage::it, "library.error_title", "Impossibile caricare il file"},
    {AppLanguage::it, "library.try_again", "Riprova…"},
    {AppLanguage::it, "library.dismiss", "Ignora"},
    {AppLanguage::it, "accessibility.title", "Accesso Accessibilità richiesto"},
    {AppLanguage::it, "accessibility.body", "Questa app legge le informazioni dei deck di Rekordbox a schermo tramite Accessibilità di macOS. Senza questo permesso non verrà mai rilevato alcun brano."},
    {AppLanguage::it, "accessibility.request", "Richiedi accesso"},
    {AppLanguage::it, "accessibility.open_settings", "Apri Impostazioni di Sistema"},
    {AppLanguage::it, "accessibility.stale_grant", "Già attivato in Impostazioni di Sistema, ma questo avviso rimane? Seleziona Cuevox nell'elenco, rimuovilo con «−» e consenti di nuovo l'accesso."},
    {AppLanguage::it, "filter.all_tracks", "Tutti i brani (%d)"},
    {AppLanguage::it, "filter.search_placeholder", "Cerca"},
    {AppLanguage::it, "filter.key", "Tonalità"},
    {AppLanguage::it, "filter.tempo", "Tempo"},
    {AppLanguage::it, "filter.energy", "Energia"},
    {AppLanguage::it, "filter.genres", "Generi"},
    {AppLanguage::it, "filter.reset", "Reimposta"},
    {AppLanguage::it, "filter.select_keys", "Seleziona tonalità"},
    {AppLanguage::it, "filter.energy_option", "Energia %d"},
    {AppLanguage::it, "settings.title", "Impostazioni"},
    {AppLanguage::it, "settings.language", "Lingua"},
    {AppLanguage::it, "settings.language_hint", "Le modifiche si applicano subito in tutta l'app."},
    // pt
    {AppLanguage::pt, "app.header_title", "Cuevox"},
    {AppLanguage::pt, "app.tracks_count", "%d faixas"},
    {AppLanguage::pt, "app.loading_progress", "Carregando… %d%"},
    {AppLanguage::pt, "app.load_library", "Carregar biblioteca…"},
    {AppLanguage::pt, "app.no_track_playing", "Nenhuma faixa em reprodução"},
    {AppLanguage::pt, "app.not_found_in_library", "Não encontrada na biblioteca carregada"},
    {AppLanguage::pt, "app.playing", " TOCANDO"},
    {AppLanguage::pt, "app.paused", " PAUSADO"},
    {AppLanguage::pt, "app.no_tracks_match", "Nenhuma faixa corresponde a estes filtros"},
    {AppLanguage::pt, "library.error_title", "Não foi possível carregar esse arquivo"},
    {AppLanguage::pt, "library.try_again", "Tentar novamente…"},
    {AppLanguage::pt, "library.dismiss", "Dispensar"},
    {AppLanguage::pt, "accessibility.title", "Acesso de Acessibilidade necessário"},
    {AppLanguage::pt, "accessibility.body", "Este app lê as informações dos decks do Rekordbox na tela usando a Acessibilidade do macOS. Sem essa permissão, nenhuma faixa será detectada."},
    {AppLanguage::pt, "accessibility.request", "Solicitar acesso"},
    {AppLanguage::pt, "accessibility.open_settings", "Abrir Ajustes do Sistema"},
    {AppLanguage::pt, "accessibility.stale_grant", "Já está ativado nos Ajustes do Sistema, mas este aviso continua? Selecione o Cuevox na lista, remova-o com “−” e permita o acesso novamente."},
    {AppLanguage::pt, "filter.all_tracks", "Todas as faixas (%d)"},
    {AppLanguage::pt, "filter.search_placeholder", "Buscar"},
    {AppLanguage::pt, "filter.key", "Tom"},
    {AppLanguage::pt, "filter.tempo", "Tempo"},
    {AppLanguage::pt, "filter.energy", "Energia"},
    {AppLanguage::pt, "filter.genres", "Gêneros"},
    {AppLanguage::pt, "filter.reset", "Redefinir"},
    {AppLanguage::pt, "filter.select_keys", "Selecionar tons"},
    {AppLanguage::pt, "filter.energy_option", "Energia %d"},
    {AppLanguage::pt, "settings.title", "Ajustes"},
    {AppLanguage::pt, "settings.language", "Idioma"},
    {AppLanguage::pt, "settings.language_hint", "As mudanças são aplicadas imediatamente em todo o app."},
    // ru
    {AppLanguage::ru, "app.header_title", "Cuevox"},
    {AppLanguage::ru, "app.tracks_count", "Треков: %d"},
    {AppLanguage::ru, "app.loading_progress", "Загрузка… %d\u00A0%"},
    {AppLanguage::ru, "app.load_library", "Загрузить библиотеку…"},
    {AppLanguage::ru, "app.no_track_playing", "Нет воспроизводимого трека"},
    {AppLanguage::ru, "app.not_found_in_library", "Не найдено в загруженной библиотеке"},
    {AppLanguage::ru, "app.playing", " ИГРАЕТ"},
    {AppLanguage::ru, "app.paused", " НА ПАУЗЕ"},
    {AppLanguage::ru, "app.no_tracks_match", "Нет треков, соответствующих фильтрам"},
    {AppLanguage::ru, "library.error_title", "Не удалось загрузить файл"},
    {AppLanguage::ru, "library.try_again", "Повторить…"},
    {AppLanguage::ru, "library.dismiss", "Закрыть"},
    {AppLanguage::ru, "accessibility.title", "Требуется доступ Universal Access"},
    {AppLanguage::ru, "accessibility.body", "Приложение считывает информацию с деков Rekordbox на экране через Universal Access macOS. Без этого разрешения ни один трек не будет распознан."},
    {AppLanguage::ru, "accessibility.request", "Запросить доступ"},
    {AppLanguage::ru, "accessibility.open_settings", "Открыть Системные настройки"},
    {AppLanguage::ru, "accessibility.stale_grant", "В Системных настройках доступ уже включён, но сообщение не исчезает? Выберите Cuevox в списке, удалите его кнопкой «−» и снова разрешите доступ."},
    {AppLanguage::ru, "filter.all_tracks", "Все треки (%d)"},
    {AppLanguage::ru, "filter.search_placeholder", "Поиск"},
    {AppLanguage::ru, "filter.key", "Тональность"},
    {AppLanguage::ru, "filter.tempo", "Темп"},
    {AppLanguage::ru, "filter.energy", "Энергия"},
    {AppLanguage::ru, "filter.genres", "Жанры"},
    {AppLanguage::ru, "filter.reset", "Сбросить"},
    {AppLanguage::ru, "filter.select_keys", "Выбрать тональности"},
    {AppLanguage::ru, "filter.energy_option", "Энергия %d"},
    {AppLanguage::ru, "settings.title", "Настройки"},
    {AppLanguage::ru, "settings.language", "Язык"},
    {AppLanguage::ru, "settings.language_hint", "Изменения применяются сразу во всём приложении."},
    // ja
    {AppLanguage::ja, "app.header_title", "Cuevox"},
    {AppLanguage::ja, "app.tracks_count", "%d 曲"},
    {AppLanguage::ja, "app.loading_progress", "読み込み中… %d%"},
    {AppLanguage::ja, "app.load_library", "ライブラリを読み込む…"},
    {AppLanguage::ja, "app.no_track_playing", "再生中のトラックはありません"},
    {AppLanguage::ja, "app.not_found_in_library", "読み込んだライブラリに見つかりません"},
    {AppLanguage::ja, "app.playing", " 再生中"},
    {AppLanguage::ja, "app.paused", " 一時停止中"},
    {AppLanguage::ja, "app.no_tracks_match", "この条件に一致するトラックはありません"},
    {AppLanguage::ja, "library.error_title", "このファイルを読み込めませんでした"},
    {AppLanguage::ja, "library.try_again", "再試行…"},
    {AppLanguage::ja, "library.dismiss", "閉じる"},
    {AppLanguage::ja, "accessibility.title", "アクセシビリティのアクセス許可が必要です"},
    {AppLanguage::ja, "accessibility.body", "このアプリはmacOSのアクセシビリティ機能を使ってRekordboxの画面上のデッキ情報を読み取ります。許可がないとトラックを検出できません。"},
    {AppLanguage::ja, "accessibility.request", "アクセスをリクエスト"},
    {AppLanguage::ja, "accessibility.open_settings", "システム設定を開く"},
    {AppLanguage::ja, "accessibility.stale_grant", "システム設定でオンになっているのにこの表示が消えない場合は、リストでCuevoxを選択して「−」で削除し、もう一度アクセスを許可してください。"},
    {AppLanguage::ja, "filter.all_tracks", "すべてのトラック (%d)"},
    {AppLanguage::ja, "filter.search_placeholder", "検索"},
    {AppLanguage::ja, "filter.key", "キー"},
    {AppLanguage::ja, "filter.tempo", "テンポ"},
    {AppLanguage::ja, "filter.energy", "エネルギー"},
    {AppLanguage::ja, "filter.genres", "ジャンル"},
    {AppLanguage::ja, "filter.reset", "リセット"},
    {AppLanguage::ja, "filter.select_keys", "キーを選択"},
    {AppLanguage::ja, "filter.energy_option", "エネルギー %d"},
    {AppLanguage::ja, "settings.title", "設定"},
    {AppLanguage::ja, "settings.language", "言語"},
    {AppLanguage::ja, "settings.language_hint", "変更はアプリ全体に即座に反映されます。"},
    // zh
    {AppLanguage::zh, "app.header_title", "Cuevox"},
    {AppLanguage::zh, "app.tracks_count", "%d 首曲目"},
    {AppLanguage::zh, "app.loading_progress", "正在加载… %d%"},
    {AppLanguage::zh, "app.load_library", "加载曲库…"},
    {AppLanguage::zh, "app.no_track_playing", "当前没有播放曲目"},
    {AppLanguage::zh, "app.not_found_in_library", "在已加载的曲库中未找到"},
    {AppLanguage::zh, "app.playing", " 播放中"},
    {AppLanguage::zh, "app.paused", " 已暂停"},
    {AppLanguage::zh, "app.no_tracks_match", "没有符合这些筛选条件的曲目"},
    {AppLanguage::zh, "library.error_title", "无法加载该文件"},
    {AppLanguage::zh, "library.try_again", "重试…"},
    {AppLanguage::zh, "library.dismiss", "关闭"},
    {AppLanguage::zh, "accessibility.title", "需要辅助功能权限"},
    {AppLanguage::zh, "accessibility.body", "本应用通过 macOS 辅助功能读取 Rekordbox 屏幕上的 deck 信息。未授权将无法检测到任何曲目。"},
    {AppLanguage::zh, "accessibility.request", "请求权限"},
    {AppLanguage::zh, "accessibility.open_settings", "打开系统设置"},
    {AppLanguage::zh, "accessibility.stale_grant", "已在系统设置中开启，但此提示仍未消失？请在列表中选择 Cuevox，点按“−”将其移除，然后重新授权。"},
    {AppLanguage::zh, "filter.all_tracks", "全部曲目 (%d)"},
    {AppLanguage::zh, "filter.search_placeholder", "搜索"},
    {AppLanguage::zh, "filter.key", "调式"},
    {AppLanguage::zh, "filter.tempo", "速度"},
    {AppLanguage::zh, "filter.energy", "能量"},
    {AppLanguage::zh, "filter.genres", "曲风"},
    {AppLanguage::zh, "filter.reset", "重置"},
    {AppLanguage::zh, "filter.select_keys", "选择调式"},
    {AppLanguage::zh, "filter.energy_option", "能量 %d"},
    {AppLanguage::zh, "settings.title", "设置"},
    {AppLanguage::zh, "settings.language", "语言"},
    {AppLanguage::zh, "settings.language_hint", "更改会立即应用于整个应用。"},
};

class Settings {
public:
    Settings() : m_settings(m_directory.filePath("settings.ini"), QSettings::IniFormat) {}
    QSettings& get() { return m_settings; }

private:
    QTemporaryDir m_directory;
    QSettings m_settings;
};

TEST(AppLanguageTest, CodesAndNativeNamesInMenuOrder) {
    const std::vector<std::pair<std::string, std::string>> expected{
        {"en", "English"},  {"tr", "Türkçe"},   {"de", "Deutsch"}, {"es", "Español"},
        {"fr", "Français"}, {"it", "Italiano"}, {"pt", "Português"}, {"ru", "Русский"},
        {"ja", "日本語"},   {"zh", "中文"}};
    ASSERT_EQ(kAllLanguages.size(), expected.size());
    for (std::size_t index = 0; index < expected.size(); ++index) {
        SCOPED_TRACE(expected[index].first);
        EXPECT_EQ(id(kAllLanguages[index]), expected[index].first);
        EXPECT_EQ(nativeName(kAllLanguages[index]), expected[index].second);
        EXPECT_EQ(languageFromCode(expected[index].first), kAllLanguages[index]);
    }
}

TEST(AppLanguageTest, OnlyExactCodesNameALanguage) {
    for (const char* code : {"", "EN", "De", "de-AT", "de_DE", " de", "de ", "e", "eng", "ko",
                             "zh-Hans", "pt-BR"}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(languageFromCode(code), std::nullopt);
    }
}

TEST(LocalizationManagerTest, EveryLanguageHasEveryTextExactly) {
    for (const ExpectedText& expected : kExpectedTexts) {
        SCOPED_TRACE(std::string(id(expected.language)) + " " + expected.key);
        EXPECT_EQ(LocalizationManager::text(expected.language, expected.key).toStdString(),
                  expected.text);
    }
    // The same texts through the path the views use, language by language.
    Settings settings;
    LocalizationManager manager(settings.get(), std::nullopt);
    for (const AppLanguage language : kAllLanguages) {
        manager.setLanguage(language);
        int keys = 0;
        for (const ExpectedText& expected : kExpectedTexts) {
            if (expected.language == language) {
                ++keys;
                EXPECT_EQ(manager.t(expected.key).toStdString(), expected.text)
                    << id(language) << " " << expected.key;
            }
        }
        EXPECT_EQ(keys, 29) << id(language);
    }
}

TEST(LocalizationManagerTest, UnknownKeysComeBackUnchanged) {
    Settings settings;
    LocalizationManager manager(settings.get(), QStringLiteral("ja"));
    for (const char* key : {"app.no_such_key", "", "App.Header_Title", "app.header_title ",
                            "größe.äöü", "%d"}) {
        SCOPED_TRACE(key);
        EXPECT_EQ(manager.t(key).toStdString(), key);
    }
}

TEST(LocalizationManagerTest, StartLanguage) {
    struct Case {
        const char* name;
        std::optional<QVariant> stored;
        std::optional<QString> system;
        AppLanguage expected;
    };
    const Case cases[] = {
        {"nothing stored, German system", std::nullopt, QStringLiteral("de"), AppLanguage::de},
        {"nothing stored, Korean system", std::nullopt, QStringLiteral("ko"), AppLanguage::en},
        {"nothing stored, no system language", std::nullopt, std::nullopt, AppLanguage::en},
        {"stored Japanese beats a French system", QVariant(QStringLiteral("ja")),
         QStringLiteral("fr"), AppLanguage::ja},
        {"stored unknown code", QVariant(QStringLiteral("xx")), QStringLiteral("tr"),
         AppLanguage::tr},
        {"stored upper case", QVariant(QStringLiteral("JA")), QStringLiteral("ru"),
         AppLanguage::ru},
        {"stored with region", QVariant(QStringLiteral("pt-BR")), std::nullopt, AppLanguage::en},
        {"stored empty", QVariant(QString()), QStringLiteral("zh"), AppLanguage::zh},
        {"system upper case", std::nullopt, QStringLiteral("DE"), AppLanguage::en},
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        Settings settings;
        if (testCase.stored) {
            settings.get().setValue("appLanguage", *testCase.stored);
        }
        const QStringList keysBefore = settings.get().allKeys();
        const QVariant storedBefore = settings.get().value("appLanguage");
        LocalizationManager manager(settings.get(), testCase.system);
        EXPECT_EQ(manager.language(), testCase.expected);
        EXPECT_EQ(settings.get().allKeys(), keysBefore) << "the start writes nothing";
        EXPECT_EQ(settings.get().value("appLanguage"), storedBefore);
    }
}

TEST(LocalizationManagerTest, AChoiceIsRememberedOnlyWhenItChanges) {
    Settings settings;
    {
        LocalizationManager manager(settings.get(), QStringLiteral("fr"));
        QSignalSpy changes(&manager, &LocalizationManager::languageChanged);

        manager.setLanguage(AppLanguage::fr);
        EXPECT_EQ(changes.count(), 0);
        EXPECT_FALSE(settings.get().contains("appLanguage"));

        manager.setLanguage(AppLanguage::ja);
        ASSERT_EQ(changes.count(), 1);
        EXPECT_EQ(changes.at(0).at(0).value<AppLanguage>(), AppLanguage::ja);
        EXPECT_EQ(settings.get().value("appLanguage"), QVariant(QStringLiteral("ja")));
        EXPECT_EQ(manager.t("filter.key"), QStringLiteral("キー"));

        manager.setLanguage(AppLanguage::ja);
        EXPECT_EQ(changes.count(), 1);
    }
    settings.get().sync();
    LocalizationManager restarted(settings.get(), QStringLiteral("fr"));
    EXPECT_EQ(restarted.language(), AppLanguage::ja);
}

TEST(LocalizationManagerTest, NumbersArePlainDigitsWhateverTheLocale) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Settings settings;
    LocalizationManager manager(settings.get(), std::nullopt);

    EXPECT_EQ(manager.t("app.tracks_count", 1200).toStdString(), "1200 tracks");
    EXPECT_EQ(manager.t("filter.all_tracks", 0).toStdString(), "All Tracks (0)");
    manager.setLanguage(AppLanguage::ru);
    EXPECT_EQ(manager.t("app.tracks_count", 1200).toStdString(), "Треков: 1200");
    manager.setLanguage(AppLanguage::ja);
    EXPECT_EQ(manager.t("filter.energy_option", 10).toStdString(), "エネルギー 10");

    for (const AppLanguage language : kAllLanguages) {
        manager.setLanguage(language);
        for (const char* key : {"app.tracks_count", "app.loading_progress", "filter.all_tracks",
                                "filter.energy_option"}) {
            const QString text = manager.t(key, 2147483648LL);
            EXPECT_TRUE(text.contains(QStringLiteral("2147483648"))) << text.toStdString();
            EXPECT_FALSE(text.contains(QStringLiteral("%d"))) << text.toStdString();
            EXPECT_EQ(text.size(), manager.t(key).size() - 2 + 10) << text.toStdString();
        }
    }
    QLocale::setDefault(previous);
}

} // namespace
} // namespace cuevox::i18n
