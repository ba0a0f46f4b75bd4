#include "state/FilterState.hpp"

#include "state/Publish.hpp"

namespace cuevox::state {

FilterState::FilterState(std::chrono::milliseconds searchDebounce, QObject* parent)
    : QObject(parent) {
    m_searchDebounce.setSingleShot(true);
    m_searchDebounce.setInterval(searchDebounce);
    connect(&m_searchDebounce, &QTimer::timeout, this, &FilterState::listNeeded);
}

void FilterState::setGenres(std::set<std::string> genres) {
    publish(*this, m_selections.genres, std::move(genres), &FilterState::genresChanged);
    emit listNeeded();
}

void FilterState::setBPMRanges(std::set<tracklist::BPMRange> ranges) {
    publish(*this, m_selections.bpmRanges, std::move(ranges), &FilterState::bpmRangesChanged);
    emit listNeeded();
}

void FilterState::setKeys(KeySet keys) {
    publish(*this, m_selections.keys, std::move(keys), &FilterState::keysChanged);
    emit listNeeded();
}

void FilterState::setEnergies(std::set<int> energies) {
    publish(*this, m_selections.energies, std::move(energies), &FilterState::energiesChanged);
    emit listNeeded();
}

void FilterState::setSearchText(const QString& text) {
    publish(*this, m_searchText, text, &FilterState::searchTextChanged);
    // Restarting the single-shot timer drops the pending request: one list after the last
    // keystroke.
    m_searchDebounce.start();
}

void FilterState::reset() {
    setGenres({});
    setBPMRanges({});
    setKeys({});
    setEnergies({});
    setSearchText(QString());
}

void FilterState::clear() {
    m_searchDebounce.stop();
    publish(*this, m_selections.genres, {}, &FilterState::genresChanged);
    publish(*this, m_selections.bpmRanges, {}, &FilterState::bpmRangesChanged);
    publish(*this, m_selections.keys, {}, &FilterState::keysChanged);
    publish(*this, m_selections.energies, {}, &FilterState::energiesChanged);
    publish(*this, m_searchText, QString(), &FilterState::searchTextChanged);
}

} // namespace cuevox::state
