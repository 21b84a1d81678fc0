#include "Desktop.h"

#include "CampaignStore.h"
#include "CampaignWindows.h"
#include "Game.h"
#include "MessageBox.h"
#include "frmOpenCampaign.h"
#include "MissionSetup.h"
#include "frmAbout.h"
#include "frmEntry.h"
#include "frmGetTarget.h"
#include "frmJournal.h"
#include "frmMain.h"
#include "frmMission.h"
#include "frmOdds.h"

#include <QApplication>
#include <QImageReader>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <chrono>
#include <cstdlib>

namespace halvard::ui {

namespace fs = std::filesystem;

QImage LoadSplash(const fs::path& dataDirectory) {
    const fs::path file = dataDirectory / SplashFileName;
    std::error_code error;
    if (!fs::exists(file, error)) throw GameDataError(file, "file not found");
    QImageReader reader(QString::fromStdString(file.string()), "jpeg");
    QImage picture = reader.read();
    if (picture.isNull())
        throw GameDataError(file, "cannot be read as a JPEG picture (" + reader.errorString().toStdString() + ")");
    return picture;
}

Desktop::Desktop(Game& game, QImage splash, std::function<void()> end)
    : game_(game), flow_(game), journal_(game, flow_), end_(std::move(end)), entry_(std::make_unique<frmEntry>(std::move(splash))) {
    connect(entry_.get(), &frmEntry::imgChoice_Click, this, [this](int index) {
        flow_.imgChoice_Click(index);
        Follow();
    });
    connect(entry_.get(), &frmEntry::aboutRequested, this, &Desktop::ShowAbout);
    connect(entry_.get(), &frmEntry::newCampaignRequested, this, &Desktop::NewCampaign);
    connect(entry_.get(), &frmEntry::openCampaignRequested, this, &Desktop::ChooseCampaign);
    connect(entry_.get(), &frmEntry::journalRequested, this, &Desktop::ShowJournal);
    connect(entry_.get(), &frmEntry::oddsRequested, this, &Desktop::ShowOdds);
    connect(entry_.get(), &frmEntry::closed, this, [this] { end_(); });
    if (const char* file = std::getenv("HALVARD_CAMPAIGN_STORE"); file != nullptr && *file != '\0')
        storePath_ = file;
    else
        storePath_ = CampaignStore::DefaultPath();
}

Desktop::~Desktop() = default;

void Desktop::SetCampaignStore(fs::path file) {
    storePath_ = std::move(file);
    store_.reset();
}

CampaignStore* Desktop::Store() {
    if (!store_) {
        try {
            store_ = std::make_unique<CampaignStore>(storePath_);
        } catch (const StoreError& e) {
            OpenMessageBox(entry_.get(), QString::fromStdString(e.what()))->setObjectName("campaignFailure");
        }
    }
    return store_.get();
}

void Desktop::NewCampaign() {
    if (campaign_) return;
    auto* ask = new QInputDialog(entry_.get());
    ask->setObjectName("newCampaign");
    ask->setWindowTitle("New Campaign");
    ask->setLabelText("Name of the campaign:");
    ask->setAttribute(Qt::WA_DeleteOnClose);
    connect(ask, &QInputDialog::textValueSelected, this,
            [this](const QString& name) { CreateCampaign(name.toStdString()); });
    ask->open();
}

void Desktop::CreateCampaign(const std::string& name) {
    const auto fail = [this](const std::string& problem) {
        OpenMessageBox(entry_.get(), QString::fromStdString(problem))->setObjectName("campaignFailure");
    };
    if (const std::optional<std::string> problem = NameProblem(name)) return fail(*problem);
    CampaignStore* store = Store();
    if (store == nullptr) return;
    try {
        const auto seed = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
        halvard::Campaign campaign = halvard::NewCampaign(name, seed);
        store->Create(campaign);
    } catch (const CampaignNameError& e) {
        return fail(e.what());
    } catch (const StoreError& e) {
        return fail(e.what());
    }
    OpenCampaign(name);
}

void Desktop::ChooseCampaign() {
    if (campaign_) return;
    CampaignStore* store = Store();
    if (store == nullptr) return;
    std::vector<CampaignEntry> campaigns;
    try {
        for (halvard::Campaign& campaign : store->LoadAll()) {
            const bool inProgress = store->LoadInProgress(campaign).has_value();
            campaigns.push_back({std::move(campaign), inProgress});
        }
    } catch (const StoreError& e) {
        OpenMessageBox(entry_.get(), QString::fromStdString(e.what()))->setObjectName("campaignFailure");
        return;
    }
    auto* list = new frmOpenCampaign(campaigns, entry_.get());
    list->setAttribute(Qt::WA_DeleteOnClose);
    connect(list, &frmOpenCampaign::chosen, this, &Desktop::OpenCampaign);
    list->open();
}

void Desktop::OpenCampaign(const std::string& name) {
    if (campaign_) return;
    CampaignStore* store = Store();
    if (store == nullptr) return;
    try {
        campaign_ = std::make_unique<CampaignWindows>(*store, game_.Database, name, [this] { CloseCampaign(); });
    } catch (const std::exception& e) {
        // Busy elsewhere, gone meanwhile, or a store that fails: the entry screen stays.
        OpenMessageBox(entry_.get(), QString::fromStdString(e.what()))->setObjectName("campaignFailure");
        return;
    }
    entry_->hide();
    if (rolls_) rolls_->hide();
    campaign_->Start();
}

void Desktop::CloseCampaign() {
    // Called from the campaign's own event: its windows go once that has returned.
    if (campaign_) campaign_.release()->deleteLater();
    entry_->show();
    if (rolls_ && flow_.RollWindowShown()) rolls_->show();
}

void Desktop::Start() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect place = entry_->frameGeometry();
        place.moveCenter(screen->availableGeometry().center());
        entry_->move(place.topLeft());
    }
    entry_->show();
}

void Desktop::Follow() {
    switch (flow_.Current()) {
    case Screen::Entry:
        if (mission_) {
            mission_->hide();
            retired_ = std::move(mission_);
        }
        entry_->show();
        break;
    case Screen::TargetDialog:
        retired_.reset();
        if (!dialog_) {
            dialog_ = new frmGetTarget(flow_, [this](const Action& a) { return journal_.Perform(a); }, entry_.get());
            dialog_->setAttribute(Qt::WA_DeleteOnClose);
            connect(dialog_, &QDialog::finished, this, [this] {
                dialog_ = nullptr;
                Follow();
            });
            dialog_->open();
        }
        break;
    case Screen::Mission:
        if (!mission_) {
            mission_ = std::make_unique<frmMission>(flow_.Mission(), game_, [this](const Action& a) { return journal_.Perform(a); });
            connect(mission_.get(), &frmMission::changed, this, &Desktop::Follow);
            connect(mission_.get(), &frmMission::journalRequested, this, &Desktop::ShowJournal);
            entry_->hide();
            if (!rolls_) rolls_ = std::make_unique<frmMain>();
            rolls_->show();
            mission_->show();
            // The step button's keys work at once, without a click into the window first.
            mission_->activateWindow();
        }
        mission_->Draw();
        break;
    case Screen::Ended: end_(); break;
    }
    if (rolls_) rolls_->Draw(game_.Rolls);
}

void Desktop::ShowJournal() {
    if (!journalWindow_)
        journalWindow_ = std::make_unique<frmJournal>(game_.Database, "Mission Journal", "After-action report",
                                                      [this] { return journal_.Missions(); }, false);
    journalWindow_->Refresh();
    journalWindow_->show();
    journalWindow_->raise();
    journalWindow_->activateWindow();
}

void Desktop::ShowOdds() {
    ShowOddsWindow(oddsWindow_, game_.Database, SingleMissionStart(game_.Damage));
}

void Desktop::ShowAbout() {
    auto* about = new frmAbout(entry_.get());
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

int RunDesktopProgram(QApplication& application, const fs::path& executableDirectory) {
    QApplication::setApplicationName("Halvard");
    const fs::path data = FindDataDirectory(executableDirectory);
    std::optional<GameDatabase> database;
    QImage splash;
    try {
        database.emplace(OpenGameDatabase(data));
        splash = LoadSplash(data);
    } catch (const GameDataError& e) {
        QMessageBox box(QMessageBox::Critical, "Halvard", QString::fromStdString(e.what()), QMessageBox::Ok);
        box.setObjectName("startupFailure");
        box.exec();
        return 1;
    }
    // The one seeding of the run.
    const auto seed = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    Game game(*database, seed);
    Desktop desktop(game, std::move(splash), [&application] { application.quit(); });
    desktop.Start();
    return application.exec();
}

} // namespace halvard::ui
