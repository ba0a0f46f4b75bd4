#include "views/ContentView.hpp"

#include "i18n/LocalizationManager.hpp"
#include "state/RecommendationViewModel.hpp"
#include "views/BannerView.hpp"
#include "views/Divider.hpp"
#include "views/FilterBarView.hpp"
#include "views/HeaderView.hpp"
#include "views/LoadFailureText.hpp"
#include "views/NowPlayingSection.hpp"
#include "views/Theme.hpp"
#include "views/TrackListView.hpp"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <filesystem>

namespace cuevox::views {
namespace {

// A section and the divider below it, shown and hidden together.
QWidget* withDivider(QWidget* section, QWidget* parent) {
    auto* group = new QWidget(parent);
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    section->setParent(group);
    layout->addWidget(section);
    layout->addWidget(makeDivider(Qt::Horizontal, group));
    return group;
}

} // namespace

ContentView::ContentView(state::RecommendationViewModel& viewModel,
                         i18n::LocalizationManager& localization, artwork::ArtworkLoader& artwork,
                         PermissionActions permissionActions, QWidget* parent)
    : QWidget(parent), m_viewModel(viewModel), m_localization(localization),
      m_header(new HeaderView(localization)),
      m_permissionBanner(new BannerView(
          {theme::kOrange, "accessibility.title", "accessibility.body", "accessibility.request",
           "accessibility.open_settings", "accessibility.stale_grant"},
          localization)),
      m_permissionGroup(withDivider(m_permissionBanner, this)),
      m_errorBanner(new BannerView({theme::kRed, "library.error_title", "library.error_title",
                                    "library.try_again", "library.dismiss"},
                                   localization)),
      m_errorGroup(withDivider(m_errorBanner, this)),
      m_setLogBanner(new BannerView({theme::kOrange, "sets.log_failed_title",
                                     "sets.log_failed_body", "sets.open_folder", "library.dismiss"},
                                    localization)),
      m_setLogGroup(withDivider(m_setLogBanner, this)),
      m_nowPlaying(new NowPlayingSection(viewModel, localization, artwork)),
      m_filterBar(new FilterBarView(viewModel, localization)),
      m_filterGroup(withDivider(m_filterBar, this)),
      m_trackList(new TrackListView(viewModel, localization, artwork, this)) {
    setMinimumSize(kMinimumSize);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(withDivider(m_header, this));
    layout->addWidget(m_permissionGroup);
    layout->addWidget(m_errorGroup);
    layout->addWidget(m_setLogGroup);
    layout->addWidget(withDivider(m_nowPlaying, this));
    layout->addWidget(m_filterGroup);
    layout->addWidget(m_trackList, 1);

    using Model = state::RecommendationViewModel;
    connect(m_header->loadButton(), &QPushButton::clicked, this, &ContentView::pickLibrary);
    connect(m_errorBanner->firstButton(), &QPushButton::clicked, this, &ContentView::pickLibrary);
    connect(m_trackList->loadButton(), &QPushButton::clicked, this, &ContentView::pickLibrary);
    connect(m_errorBanner->secondButton(), &QPushButton::clicked, &m_viewModel,
            &Model::clearLibraryLoadError);
    if (permissionActions.requestAccess) {
        connect(m_permissionBanner->firstButton(), &QPushButton::clicked, this,
                permissionActions.requestAccess);
    }
    if (permissionActions.openSystemSettings) {
        connect(m_permissionBanner->secondButton(), &QPushButton::clicked, this,
                permissionActions.openSystemSettings);
    }

    connect(m_setLogBanner->firstButton(), &QPushButton::clicked, this,
            &ContentView::openSetsFolder);
    connect(m_setLogBanner->secondButton(), &QPushButton::clicked, m_setLogGroup, &QWidget::hide);
    // The set goes on; the banner says once why it is not remembered.
    connect(&m_viewModel.style(), &state::StyleSession::logFailed, this,
            [this](const QString& reason) {
                m_setLogBanner->setMessage([this, reason] {
                    return m_localization.t("sets.log_failed_body") + QLatin1Char('\n') + reason;
                });
                m_setLogGroup->show();
            });
    m_setLogGroup->hide();
    connect(&m_viewModel, &Model::libraryTrackCountChanged, this, &ContentView::showTrackCount);
    connect(&m_viewModel, &Model::libraryLoadProgressChanged, this, &ContentView::showLoadProgress);
    connect(&m_viewModel, &Model::hasAccessibilityPermissionChanged, this,
            &ContentView::showPermission);
    connect(&m_viewModel, &Model::libraryLoadErrorChanged, this, &ContentView::showLoadError);
    showTrackCount();
    showLoadProgress();
    showPermission();
    showLoadError();
}

void ContentView::pickLibrary() {
    const QString file =
        QFileDialog::getOpenFileName(this, QStringLiteral("Select Rekordbox Collection XML"),
                                     QString(), QStringLiteral("XML (*.xml)"));
    if (!file.isEmpty()) {
        m_viewModel.loadLibrary(std::filesystem::path(file.toStdString()));
    }
}

void ContentView::openSetsFolder() {
    const QString folder = QString::fromStdString(m_viewModel.style().logFolder().string());
    QDir().mkpath(folder);
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

void ContentView::showTrackCount() {
    const int count = m_viewModel.libraryTrackCount();
    m_header->setTrackCount(count);
    m_filterGroup->setVisible(count > 0);
}

void ContentView::showLoadProgress() {
    const std::optional<state::LoadProgress>& progress = m_viewModel.libraryLoadProgress();
    m_header->setLoadProgress(progress ? std::optional<int>(progress->percent()) : std::nullopt);
}

void ContentView::showPermission() {
    m_permissionGroup->setVisible(!m_viewModel.hasAccessibilityPermission());
}

void ContentView::showLoadError() {
    const std::optional<state::LoadFailure>& failure = m_viewModel.libraryLoadError();
    if (failure) {
        m_errorBanner->setMessage([failure = *failure, &localization = m_localization] {
            return loadFailureText(failure, localization);
        });
        m_errorBanner->bodyLabel()->setToolTip(QString::fromStdString(failure->file.string()));
    }
    m_errorGroup->setVisible(failure.has_value());
}

} // namespace cuevox::views
