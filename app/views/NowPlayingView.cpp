#include "views/NowPlayingView.hpp"

#include "i18n/LocalizationManager.hpp"
#include "text/Text.hpp"
#include "views/ArtworkView.hpp"
#include "views/ElidedLabel.hpp"
#include "views/Icons.hpp"
#include "views/Theme.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace cuevox::views {
namespace {

constexpr std::size_t kGenreMaxCharacters = 18;

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void styleLabel(QLabel& label, theme::TextStyle textStyle, const QColor& color) {
    label.setFont(theme::font(textStyle));
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, color);
    label.setPalette(palette);
}

// An icon beside a text, in one colour; the text label is named `name` for tests. An eliding
// text takes the room left and cuts itself to it.
QLabel* addItem(QBoxLayout& row, Icon icon, const QColor& color, const QString& name,
                QWidget& parent, bool elide = false) {
    auto* item = new QWidget(&parent);
    item->setObjectName(name + QStringLiteral("Item"));
    auto* layout = new QHBoxLayout(item);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    auto* iconLabel = new QLabel(item);
    const int size = QFontMetrics(theme::font(theme::TextStyle::caption)).height() - 2;
    iconLabel->setPixmap(iconPixmap(icon, color, size, parent.devicePixelRatioF()));
    QLabel* text = elide ? new ElidedLabel(item) : new QLabel(item);
    text->setObjectName(name);
    styleLabel(*text, theme::TextStyle::caption, color);
    layout->addWidget(iconLabel);
    layout->addWidget(text, elide ? 1 : 0);
    row.addWidget(item, elide ? 1 : 0);
    return text;
}

// 19 or more characters as the user counts them become the first 18 and "…".
QString shortGenre(const std::string& genre) {
    if (text::characterCount(genre) <= kGenreMaxCharacters) {
        return fromUtf8(genre);
    }
    return fromUtf8(text::characterPrefix(genre, kGenreMaxCharacters)) + QChar(0x2026);
}

void setOptional(QLabel& label, const std::optional<QString>& text) {
    label.parentWidget()->setVisible(text.has_value());
    label.setText(text.value_or(QString()));
}

} // namespace

NowPlayingView::NowPlayingView(i18n::LocalizationManager& localization,
                               artwork::ArtworkLoader& loader, int artworkSize, QWidget* parent)
    : QWidget(parent), m_localization(localization),
      m_artwork(new ArtworkView(loader, artworkSize, this)), m_deckLine(new QWidget(this)),
      m_deckName(new QLabel(m_deckLine)), m_status(new QLabel(m_deckLine)),
      m_title(new ElidedLabel(this)), m_artist(new ElidedLabel(this)),
      m_metadata(new QWidget(this)), m_warning(new QWidget(this)),
      m_noTrack(new ElidedLabel(this)) {
    using theme::TextStyle;
    m_artwork->setObjectName(QStringLiteral("artwork"));
    m_deckName->setObjectName(QStringLiteral("deck"));
    m_status->setObjectName(QStringLiteral("status"));
    m_title->setObjectName(QStringLiteral("title"));
    m_artist->setObjectName(QStringLiteral("artist"));
    m_noTrack->setObjectName(QStringLiteral("noTrack"));

    auto* deckLayout = new QHBoxLayout(m_deckLine);
    deckLayout->setContentsMargins(0, 0, 0, 0);
    deckLayout->setSpacing(0); // the status text brings its own leading blank
    deckLayout->addWidget(m_deckName);
    deckLayout->addWidget(m_status);
    deckLayout->addStretch();
    styleLabel(*m_deckName, TextStyle::caption, theme::kSecondaryText);
    m_status->setFont(theme::font(TextStyle::caption));

    styleLabel(*m_title, TextStyle::headline, theme::kPrimaryText);
    styleLabel(*m_artist, TextStyle::subheadline, theme::kSecondaryText);
    styleLabel(*m_noTrack, TextStyle::subheadline, theme::kSecondaryText);

    // The items keep their natural widths in a row of their own, which the line clips at
    // the panel's edge rather than squeezing every item.
    m_metadataRow = new QWidget(m_metadata);
    auto* metadataLayout = new QHBoxLayout(m_metadataRow);
    metadataLayout->setContentsMargins(0, 0, 0, 0);
    metadataLayout->setSpacing(12);
    const QColor dimmed = theme::kSecondaryText;
    m_tempo = addItem(*metadataLayout, Icon::tempo, dimmed, "tempo", *m_metadataRow);
    m_key = addItem(*metadataLayout, Icon::key, dimmed, "key", *m_metadataRow);
    m_genre = addItem(*metadataLayout, Icon::genre, dimmed, "genre", *m_metadataRow);
    m_energy = addItem(*metadataLayout, Icon::energy, dimmed, "energy", *m_metadataRow);
    m_year = addItem(*metadataLayout, Icon::year, dimmed, "year", *m_metadataRow);

    auto* warningLayout = new QHBoxLayout(m_warning);
    warningLayout->setContentsMargins(0, 0, 0, 0);
    m_warningText =
        addItem(*warningLayout, Icon::warningOutline, theme::kOrange, "warning", *m_warning, true);

    // A narrow panel clips these lines instead of widening the window.
    for (QWidget* line : {m_deckLine, m_metadata, m_warning}) {
        line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        if (QLayout* layout = line->layout()) {
            layout->setSizeConstraint(QLayout::SetNoConstraint);
        }
    }

    auto* lines = new QVBoxLayout;
    lines->setSpacing(4);
    lines->setContentsMargins(0, 0, 0, 0);
    for (QWidget* line :
         {m_deckLine, static_cast<QWidget*>(m_title), static_cast<QWidget*>(m_artist), m_metadata,
          m_warning, static_cast<QWidget*>(m_noTrack)}) {
        lines->addWidget(line);
    }
    lines->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(m_artwork, 0, Qt::AlignTop);
    layout->addLayout(lines, 1);

    connect(&localization, &i18n::LocalizationManager::languageChanged, this,
            &NowPlayingView::refresh);
    refresh();
}

void NowPlayingView::setInputs(Inputs inputs) {
    if (inputs == m_inputs) {
        return;
    }
    m_inputs = std::move(inputs);
    refresh();
}

void NowPlayingView::refresh() {
    const auto& [deck, track, unresolved, isPlaying] = m_inputs;
    const bool hasTrack = track.has_value() || unresolved.has_value();

    m_artwork->setVisible(hasTrack);
    m_artwork->setFilepath(track && track->filepath ? fromUtf8(*track->filepath) : QString());

    m_deckLine->setVisible(deck.has_value());
    m_deckName->setText(deck ? QString::fromLatin1(decks::displayName(*deck).data()) : QString());
    m_status->setVisible(hasTrack);
    m_status->setText(m_localization.t(isPlaying ? "app.playing" : "app.paused"));
    QPalette statusPalette = m_status->palette();
    statusPalette.setColor(QPalette::WindowText, isPlaying ? theme::kGreen : theme::kOrange);
    m_status->setPalette(statusPalette);

    m_title->setVisible(hasTrack);
    m_artist->setVisible(hasTrack);
    m_title->setText(track        ? fromUtf8(track->title)
                     : unresolved ? fromUtf8(unresolved->title)
                                  : QString());
    m_artist->setText(track        ? fromUtf8(track->artist)
                      : unresolved ? fromUtf8(unresolved->artist)
                                   : QString());

    m_metadata->setVisible(track.has_value());
    // An init-capture: capturing a structured binding itself needs clang 16.
    const auto field = [&loaded = track](auto get) -> std::optional<QString> {
        return loaded ? get(*loaded) : std::nullopt;
    };
    setOptional(*m_tempo, field([](const metadata::Track& t) -> std::optional<QString> {
        return t.bpm ? std::optional(QString::asprintf("%.2f", *t.bpm)) : std::nullopt;
    }));
    setOptional(*m_key, field([](const metadata::Track& t) -> std::optional<QString> {
        return t.camelotKey ? std::optional(fromUtf8(t.camelotKey->toString())) : std::nullopt;
    }));
    setOptional(*m_genre, field([](const metadata::Track& t) -> std::optional<QString> {
        return t.genre ? std::optional(shortGenre(*t.genre)) : std::nullopt;
    }));
    setOptional(*m_energy, field([](const metadata::Track& t) -> std::optional<QString> {
        return t.energy ? std::optional(QString::number(*t.energy)) : std::nullopt;
    }));
    setOptional(*m_year, field([](const metadata::Track& t) -> std::optional<QString> {
        return t.year ? std::optional(QString::number(*t.year)) : std::nullopt;
    }));

    m_metadataRow->adjustSize();
    m_metadata->setFixedHeight(m_metadataRow->sizeHint().height());

    m_warning->setVisible(!track && unresolved);
    m_warningText->setText(m_localization.t("app.not_found_in_library"));

    m_noTrack->setVisible(!hasTrack);
    m_noTrack->setText(m_localization.t("app.no_track_playing"));
}

} // namespace cuevox::views
