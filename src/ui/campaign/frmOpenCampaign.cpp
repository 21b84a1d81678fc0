#include "frmOpenCampaign.h"

#include "Widgets.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace halvard::ui {

QString StandingOf(const CampaignEntry& entry) {
    return QString::fromStdString(Standing(entry.State, entry.InProgress));
}

frmOpenCampaign::frmOpenCampaign(const std::vector<CampaignEntry>& campaigns, QWidget* parent) : QDialog(parent) {
    setObjectName("frmOpenCampaign");
    setWindowTitle("Open Campaign");
    setFont(SansFont());
    setModal(true);
    resize(Px(5400), Px(4200));

    lstCampaigns = new QListWidget(this);
    lstCampaigns->setObjectName("lstCampaigns");
    for (const CampaignEntry& entry : campaigns) {
        auto* item = new QListWidgetItem(QString::fromStdString(entry.State.Name) + " - " + StandingOf(entry));
        // The name itself, as the list's text also says where the tour stands.
        item->setData(Qt::UserRole, QString::fromStdString(entry.State.Name));
        lstCampaigns->addItem(item);
    }
    if (lstCampaigns->count() > 0) lstCampaigns->setCurrentRow(0);
    connect(lstCampaigns, &QListWidget::itemActivated, this, &frmOpenCampaign::Open);

    auto* buttons = new QDialogButtonBox(this);
    cmdOpen = buttons->addButton("Open", QDialogButtonBox::AcceptRole);
    cmdOpen->setObjectName("cmdOpen");
    cmdOpen->setEnabled(lstCampaigns->count() > 0);
    cmdCancel = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    cmdCancel->setObjectName("cmdCancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &frmOpenCampaign::Open);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstCampaigns);
    layout->addWidget(buttons);
}

void frmOpenCampaign::Open() {
    const QListWidgetItem* item = lstCampaigns->currentItem();
    if (item == nullptr) return;
    const std::string name = item->data(Qt::UserRole).toString().toStdString();
    accept();
    emit chosen(name);
}

} // namespace halvard::ui
