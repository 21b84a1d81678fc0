#include "MessageBox.h"

#include "ProgramInfo.h"

#include <QMessageBox>

namespace halvard::ui {

QMessageBox* OpenMessageBox(QWidget* parent, const QString& text) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, ApplicationTitle, text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return box;
}

} // namespace halvard::ui
