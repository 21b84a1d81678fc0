#pragma once

// Helpers for the dialog tests: controls found by their names, the message box a dialog has
// open, and dialogs that delete themselves when they close.

#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <gtest/gtest.h>
#include <utility>

namespace halvard::ui::test {

template <class Control = QWidget> Control* Find(const QWidget* dialog, const QString& name) {
    auto* control = dialog->findChild<Control*>(name);
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control;
}

// The dialog's open message box, or null: the dialogs open them without waiting for the player.
inline QMessageBox* OpenMessageBoxOf(const QWidget* dialog) {
    for (QMessageBox* box : dialog->findChildren<QMessageBox*>())
        if (box->isVisible()) return box;
    return nullptr;
}

// A shown dialog that the test deletes if the dialog has not deleted itself by then.
template <class Dialog> class ShownDialog {
  public:
    template <class... Args>
    explicit ShownDialog(Args&&... args) : dialog_(new Dialog(std::forward<Args>(args)...)) {
        dialog_->show();
    }
    ~ShownDialog() { delete dialog_.data(); }
    ShownDialog(const ShownDialog&) = delete;
    ShownDialog& operator=(const ShownDialog&) = delete;

    Dialog* operator->() const { return dialog_.data(); }
    Dialog* get() const { return dialog_.data(); }
    // True once the dialog has deleted itself (unloaded).
    bool Gone() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return dialog_.isNull();
    }

  private:
    QPointer<Dialog> dialog_;
};

} // namespace halvard::ui::test
