#include "views/CheckboxFilterList.hpp"

#include "i18n/LocalizationManager.hpp"
#include "views/CheckboxFilterRow.hpp"
#include "views/Theme.hpp"
#include "views/UnderlinedButton.hpp"

#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace cuevox::views {
namespace {

constexpr int kResetPadding = 8;

// A one-pixel line in white at 15 %.
class Divider : public QWidget {
public:
    explicit Divider(QWidget* parent) : QWidget(parent) {
        setFixedHeight(1);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), theme::withOpacity(theme::kPrimaryText, 0.15));
    }
};

} // namespace

CheckboxFilterList::CheckboxFilterList(Source source, i18n::LocalizationManager& localization,
                                       QWidget* parent)
    : QWidget(parent), m_source(std::move(source)), m_localization(localization),
      m_scrollArea(new QScrollArea(this)), m_rowsWidget(new QWidget),
      m_rowsLayout(new QVBoxLayout(m_rowsWidget)), m_reset(new UnderlinedButton(this)) {
    m_rowsLayout->setContentsMargins(0, 0, 0, 0);
    m_rowsLayout->setSpacing(0);
    m_rowsLayout->addStretch();
    m_scrollArea->setWidget(m_rowsWidget);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scrollArea->viewport()->setAutoFillBackground(false);
    // A slim indicator on the panel instead of the style's full scroll bar.
    m_scrollArea->verticalScrollBar()->setStyleSheet(QStringLiteral(
        "QScrollBar:vertical { background: transparent; width: 10px; margin: 0; }"
        "QScrollBar::handle:vertical { background: rgba(255, 255, 255, 90); min-height: 24px;"
        " border-radius: 3px; margin: 2px 2px 2px 2px; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));
    m_rowsWidget->setAutoFillBackground(false);

    m_reset->setVerticalPadding(kResetPadding);
    connect(m_reset, &QAbstractButton::clicked, this, [this] { m_source.clear(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_scrollArea);
    layout->addWidget(new Divider(this));
    layout->addWidget(m_reset, 0, Qt::AlignHCenter);

    connect(&m_localization, &i18n::LocalizationManager::languageChanged, this, [this] {
        retranslate();
        refresh();
    });
    retranslate();
    refresh();
}

void CheckboxFilterList::retranslate() {
    m_reset->setText(m_localization.t("filter.reset"));
}

void CheckboxFilterList::refresh() {
    const std::vector<CheckboxFilterOption> options = m_source.options();
    while (m_rows.size() < options.size()) {
        auto* row = new CheckboxFilterRow(m_rowsWidget);
        const std::size_t index = m_rows.size();
        connect(row, &QAbstractButton::clicked, this, [this, index] { m_source.toggle(index); });
        m_rowsLayout->insertWidget(static_cast<int>(index), row);
        m_rows.push_back(row);
    }
    while (m_rows.size() > options.size()) {
        // A click on this very row may be what shrank the options: delete it once its signal
        // has returned.
        CheckboxFilterRow* row = m_rows.back();
        m_rows.pop_back();
        m_rowsLayout->removeWidget(row);
        row->hide();
        row->deleteLater();
    }
    for (std::size_t i = 0; i < options.size(); ++i) {
        m_rows[i]->setOption(options[i].label, options[i].count, options[i].selected);
    }
    updateSizes();
}

void CheckboxFilterList::updateSizes() {
    int rowsWidth = 0;
    int rowsHeight = 0;
    for (const CheckboxFilterRow* row : m_rows) {
        rowsWidth = std::max(rowsWidth, row->sizeHint().width());
        rowsHeight += row->sizeHint().height();
    }
    const bool scrolls = rowsHeight > kMaximumScrollHeight;
    const int scrollBarWidth = scrolls ? m_scrollArea->verticalScrollBar()->sizeHint().width() : 0;
    m_scrollArea->setFixedSize(std::max(kMinimumWidth, rowsWidth + scrollBarWidth),
                               std::min(kMaximumScrollHeight, rowsHeight));
}

} // namespace cuevox::views
