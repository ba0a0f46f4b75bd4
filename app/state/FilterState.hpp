#pragma once

#include "metadata/CamelotKey.hpp"
#include "tracklist/BPMRange.hpp"
#include "tracklist/FilterSelections.hpp"

#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <set>
#include <string>
#include <unordered_set>

namespace cuevox::state {

// The DJ's filter choices and search text. Every assignment asks for a new list, a selection at
// once and the search text once typing has paused; a change signal fires only for a real change.
class FilterState : public QObject {
    Q_OBJECT

public:
    using KeySet = std::unordered_set<metadata::CamelotKey>;

    explicit FilterState(std::chrono::milliseconds searchDebounce, QObject* parent = nullptr);

    const tracklist::FilterSelections& selections() const { return m_selections; }
    const QString& searchText() const { return m_searchText; }

    void setGenres(std::set<std::string> genres);
    void setBPMRanges(std::set<tracklist::BPMRange> ranges);
    void setKeys(KeySet keys);
    void setEnergies(std::set<int> energies);
    void setSearchText(const QString& text);
    // Assigns every group empty, each asking for its list as an assignment does.
    void reset();
    // Empties everything and asks for no list, a pending search included: whoever clears lists
    // once for all of it.
    void clear();

signals:
    void genresChanged();
    void bpmRangesChanged();
    void keysChanged();
    void energiesChanged();
    void searchTextChanged();
    void listNeeded();

private:
    tracklist::FilterSelections m_selections;
    QString m_searchText;
    QTimer m_searchDebounce;
};

} // namespace cuevox::state
