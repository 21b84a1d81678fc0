#pragma once

// Widgets driven as a player drives them: controls found by their names, clicks, the message box
// a window has open, and windows that delete themselves when they close.

#include <QCoreApplication>
#include <QEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <stdexcept>
#include <utility>
#include <vector>

namespace halvard::test {

// The control of that name under root; a missing control fails the test loudly.
template <class T = QWidget> T* Control(const QObject* root, const QString& name) {
    T* control = root->findChild<T*>(name);
    if (control == nullptr) throw std::runtime_error("no control " + name.toStdString());
    return control;
}

inline void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

// Lets posted events (window closes, deferred deletes) run.
inline void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The lines a list shows, first to last.
inline std::vector<QString> Lines(const QListWidget* list) {
    std::vector<QString> lines;
    for (int i = 0; i < list->count(); ++i)
        lines.push_back(list->item(i)->text());
    return lines;
}

// The window's open message box, or null: the dialogs open them without waiting for the player.
inline QMessageBox* OpenMessageBoxOf(const QWidget* window) {
    for (QMessageBox* box : window->findChildren<QMessageBox*>())
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
        Settle();
        return dialog_.isNull();
    }

  private:
    QPointer<Dialog> dialog_;
};

} // namespace halvard::test
