#include "views/NowPlayingSection.hpp"

#include "state/RecommendationViewModel.hpp"
#include "views/Divider.hpp"
#include "views/NowPlayingView.hpp"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace cuevox::views {
namespace {

using decks::DeckDisplayInfo;
using decks::DeckIdentifier;

constexpr int kArtworkSize = 64;

bool isUpperDeck(DeckIdentifier deck) {
    return deck == DeckIdentifier::deck1 || deck == DeckIdentifier::deck2;
}

} // namespace

NowPlayingSection::NowPlayingSection(state::RecommendationViewModel& viewModel,
                                     i18n::LocalizationManager& localization,
                                     artwork::ArtworkLoader& artwork, QWidget* parent)
    : QWidget(parent), m_viewModel(viewModel), m_localization(localization), m_artwork(artwork) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    connect(&m_viewModel, &state::RecommendationViewModel::decksChanged, this,
            &NowPlayingSection::rebuild);
    rebuild();
}

void NowPlayingSection::rebuild() {
    // Panels are cheap and decks change a few times a minute: building anew keeps the layout
    // rules in one place.
    delete m_content;
    m_panels.clear();
    m_content = new QWidget(this);
    layout()->addWidget(m_content);
    auto* rows = new QVBoxLayout(m_content);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);

    const auto addPanel = [this](QBoxLayout* row, const NowPlayingView::Inputs& inputs) {
        auto* panel = new NowPlayingView(m_localization, m_artwork, kArtworkSize, m_content);
        panel->setInputs(inputs);
        panel->setContentsMargins(10, 6, 10, 6);
        row->addWidget(panel, 1, Qt::AlignTop);
        m_panels.append(panel);
    };

    const state::ShownDecks& decks = m_viewModel.decks();
    const std::vector<DeckDisplayInfo>& displays = decks.rows;
    if (displays.empty()) {
        auto* row = new QHBoxLayout;
        rows->addLayout(row);
        addPanel(row, {decks.sourceDeck, decks.sourceTrack, decks.unresolvedTrackInfo, false});
        return;
    }

    std::vector<const DeckDisplayInfo*> upper;
    std::vector<const DeckDisplayInfo*> lower;
    for (const DeckDisplayInfo& display : displays) {
        (isUpperDeck(display.deck) ? upper : lower).push_back(&display);
    }
    const auto addRow = [&](const std::vector<const DeckDisplayInfo*>& entries) {
        auto* row = new QHBoxLayout;
        row->setSpacing(0);
        for (const DeckDisplayInfo* entry : entries) {
            if (entry != entries.front()) {
                row->addWidget(makeDivider(Qt::Vertical, m_content));
            }
            addPanel(row, NowPlayingView::Inputs::from(*entry));
        }
        rows->addLayout(row);
    };
    if (!upper.empty()) {
        addRow(upper);
    }
    if (!upper.empty() && !lower.empty()) {
        rows->addWidget(makeDivider(Qt::Horizontal, m_content));
    }
    if (!lower.empty()) {
        addRow(lower);
    }
}

} // namespace cuevox::views
