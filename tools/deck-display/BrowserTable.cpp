#include "deck-display/BrowserTable.hpp"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <numeric>

namespace cuevox::tools {
namespace {

using Column = DeckDisplayLayout::Column;

int columnWidth(Column column) {
    switch (column) {
    case Column::title: return 300;
    case Column::artist: return 220;
    case Column::tempo:
    case Column::time: return 70;
    case Column::key: return 50;
    }
    return 0;
}

// Plain widgets are "filler" to accessibility; the browser must read as a table of rows.
QAccessibleInterface* browserAccessible(const QString& className, QObject* object) {
    if (!object->isWidgetType()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String(BrowserTable::staticMetaObject.className())) {
        return new QAccessibleWidget(widget, QAccessible::Table);
    }
    if (className == QLatin1String(BrowserRow::staticMetaObject.className())) {
        return new QAccessibleWidget(widget, QAccessible::Row);
    }
    return nullptr;
}

} // namespace

BrowserTable::BrowserTable(const std::vector<metadata::Track>& tracks, std::size_t rows,
                           const std::vector<Column>& columns, QWidget* parent)
    : QWidget(parent) {
    static const bool installed = (QAccessible::installFactory(browserAccessible), true);
    (void)installed;
    setObjectName(QStringLiteral("browser"));
    const int width =
        std::accumulate(columns.begin(), columns.end(), 0,
                        [](int sum, Column column) { return sum + columnWidth(column); });
    for (std::size_t index = 0; index < rows && !tracks.empty(); ++index) {
        auto* row = new BrowserRow(this);
        row->setGeometry(0, static_cast<int>(index) * kRowHeight, width, kRowHeight);
        int x = 0;
        const std::vector<std::string> texts =
            browserRowTexts(tracks[index % tracks.size()], columns);
        for (std::size_t column = 0; column < columns.size(); ++column) {
            auto* label = new QLabel(QString::fromStdString(texts[column]), row);
            label->setTextFormat(Qt::PlainText);
            label->setGeometry(x, 0, columnWidth(columns[column]) - 6, kRowHeight);
            x += columnWidth(columns[column]);
        }
    }
    setMinimumSize(width, static_cast<int>(rows) * kRowHeight);
    setStyleSheet(QStringLiteral("QLabel { color: #c8cbd1; }"));
}

} // namespace cuevox::tools
