#include "frmEntry.h"

#include "Widgets.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <array>

namespace halvard::ui {
namespace {

struct Region {
    int Left, Top, Width, Height;
};
constexpr std::array<Region, 5> Regions{{
    {1280, 4600, 2160, 600},
    {4940, 4600, 2160, 600},
    {8520, 4605, 2160, 600},
    {3120, 5805, 2160, 510},
    {6840, 5805, 2160, 510},
}};

} // namespace

SplashPicture::SplashPicture(QImage picture, QWidget* parent) : QWidget(parent), picture_(std::move(picture)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SplashPicture::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(rect(), picture_);
}

frmEntry::frmEntry(QImage splash, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmEntry");
    setWindowTitle("Corvane: Halvard");
    setFont(SansFont());

    mnuBar = new QMenuBar(this);
    mnuBar->setObjectName("mnuBar");
    QMenu* campaign = mnuBar->addMenu("&Campaign");
    mnuNewCampaign = campaign->addAction("&New campaign...", this, &frmEntry::newCampaignRequested);
    mnuNewCampaign->setObjectName("mnuNewCampaign");
    mnuOpenCampaign = campaign->addAction("&Open campaign...", this, &frmEntry::openCampaignRequested);
    mnuOpenCampaign->setObjectName("mnuOpenCampaign");
    QMenu* journal = mnuBar->addMenu("&Journal");
    journal->setObjectName("mnuJournalMenu");
    mnuJournal = journal->addAction("Mission &journal...", this, &frmEntry::journalRequested);
    mnuJournal->setObjectName("mnuJournal");
    mnuJournal->setShortcut(QKeySequence("Ctrl+J"));
    QMenu* odds = mnuBar->addMenu("&Odds");
    odds->setObjectName("mnuOddsMenu");
    mnuOdds = odds->addAction("Odds of the next &mission...", this, &frmEntry::oddsRequested);
    mnuOdds->setObjectName("mnuOdds");
    QMenu* help = mnuBar->addMenu("&Help");
    // F1 is the window's own key, as it was before there was a menu; the menu only names it.
    mnuAbout = help->addAction("&About\tF1", this, &frmEntry::aboutRequested);
    mnuAbout->setObjectName("mnuAbout");
    const int menuHeight = mnuBar->sizeHint().height();
    mnuBar->setGeometry(0, 0, Px(11910), menuHeight);

    // The picture and its regions keep their places in a client area of the old size; the
    // window grows by the menu bar instead.
    picClient = new QWidget(this);
    picClient->setObjectName("picClient");
    picClient->setGeometry(0, menuHeight, Px(11910), Px(7935));
    setFixedSize(Px(11910), Px(7935) + menuHeight);

    picMenu = new SplashPicture(std::move(splash), picClient);
    picMenu->setObjectName("picMenu");
    // The picture overlaps the client area on every side; in whole pixels its right and bottom
    // edges fall one pixel short, so it is stretched by that pixel rather than leave a seam.
    const QRect place = TwipRect(-120, -120, 12015, 8055);
    picMenu->setGeometry(place.united(QRect(place.topLeft(), picClient->rect().bottomRight())));

    for (int i = 0; i <= 4; ++i) {
        const Region& region = Regions[static_cast<std::size_t>(i)];
        auto* choice = new QWidget(picClient);
        choice->setObjectName(QStringLiteral("imgChoice_%1").arg(i));
        choice->setGeometry(TwipRect(region.Left, region.Top, region.Width, region.Height));
        choice->setProperty("index", i);
        // Only the regions with an action look clickable.
        if (i == 0 || i == 4) choice->setCursor(Qt::PointingHandCursor);
        choice->installEventFilter(this);
        imgChoice[i] = choice;
    }
}

bool frmEntry::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* region = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton && region->rect().contains(mouse->position().toPoint())) {
            emit imgChoice_Click(region->property("index").toInt());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmEntry::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        emit aboutRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmEntry::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

} // namespace halvard::ui
