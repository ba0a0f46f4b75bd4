#include "state/FilterState.hpp"

namespace cuevox::state {
namespace {

template <typename T>
bool assign(T& field, T value) {
    if (field == value) {
        return false;
    }
    field = std::move(value);
    return true;
}

} // namespace

FilterState::FilterState(std::chrono::milliseconds searchDebounce, QObject* parent)
    : QObject(parent) {
    m_searchDebounce.setSingleShot(true);
    m_searchDebounce.setInterval(searchDebounce);
    connect(&m_searchDebounce, &QTimer::timeout, this, &FilterState::listNeeded);
}

void FilterState::setGenres(std::set<std::string> genres) {
    if (assign(m_selections.genres, std::move(genres))) {
        emit genresChanged();
    }
    emit listNeeded();
}

void FilterState::setBPMRanges(std::set<tracklist::BPMRange> ranges) {
    if (assign(m_selections.bpmRanges, std::move(ranges))) {
        emit bpmRangesChanged();
    }
    emit listNeeded();
}

void FilterState::setKeys(KeySet keys) {
    if (assign(m_selections.keys, std::move(keys))) {
        emit keysChanged();
    }
    emit listNeeded();
}

void FilterState::setEnergies(std::set<int> energies) {
    if (assign(m_selections.energies, std::move(energies))) {
        emit energiesChanged();
    }
    emit listNeeded();
}

void FilterState::setSearchText(const QString& text) {
    if (assign(m_searchText, text)) {
        emit searchTextChanged();
    }
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
    if (assign(m_selections.genres, {})) {
        emit genresChanged();
    }
    if (assign(m_selections.bpmRanges, {})) {
        emit bpmRangesChanged();
    }
    if (assign(m_selections.keys, {})) {
        emit keysChanged();
    }
    if (assign(m_selections.energies, {})) {
        emit energiesChanged();
    }
    if (assign(m_searchText, QString())) {
        emit searchTextChanged();
    }
}

} // namespace cuevox::state
