#include "frmMain.h"

#include "Widgets.h"

#include <QListWidget>

namespace halvard::ui {

frmMain::frmMain(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmMain");
    setWindowTitle("Corvane: Halvard");
    setFont(SansFont());
    setFixedSize(Px(3390), Px(8355));
    move(Px(11445), Px(585));

    lstRollDice = new QListWidget(this);
    lstRollDice->setObjectName("lstRollDice");
    lstRollDice->setGeometry(TwipRect(120, 120, 3135, 8040));
    lstRollDice->setFont(RollListFont());
    lstRollDice->setSelectionMode(QAbstractItemView::NoSelection);
    lstRollDice->setFocusPolicy(Qt::NoFocus);
}

void frmMain::Draw(const RollLog& rolls) {
    DrawLines(*lstRollDice, rolls);
}

} // namespace halvard::ui
