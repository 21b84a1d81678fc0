#include "Desktop.h"

#include "Game.h"
#include "MissionSetup.h"
#include "frmAbout.h"
#include "frmEntry.h"
#include "frmGetTarget.h"
#include "frmMain.h"
#include "frmMission.h"

#include <QApplication>
#include <QImageReader>
#include <QMessageBox>
#include <QScreen>
#include <chrono>

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
    : game_(game), flow_(game), end_(std::move(end)), entry_(std::make_unique<frmEntry>(std::move(splash))) {
    connect(entry_.get(), &frmEntry::imgChoice_Click, this, [this](int index) {
        flow_.imgChoice_Click(index);
        Follow();
    });
    connect(entry_.get(), &frmEntry::aboutRequested, this, &Desktop::ShowAbout);
    connect(entry_.get(), &frmEntry::closed, this, [this] { end_(); });
}

Desktop::~Desktop() = default;

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
            dialog_ = new frmGetTarget(flow_, [this](const Action& a) { return PerformAction(flow_, a); }, entry_.get());
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
            mission_ = std::make_unique<frmMission>(flow_.Mission(), game_, [this](const Action& a) { return PerformAction(flow_, a); });
            connect(mission_.get(), &frmMission::changed, this, &Desktop::Follow);
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
