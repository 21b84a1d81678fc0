#pragma once

// What every window of the desktop program shares: form units, the fonts, and labels that draw
// an engine Label and report clicks.

#include "LineLog.h"
#include "View.h"

#include <QFont>
#include <QLabel>
#include <QListWidget>
#include <QRect>

namespace halvard::ui {

// The screens are laid out in twips; at 96 dots per inch a pixel is 15 twips. Qt scales the
// pixels for high-density screens.
constexpr int Px(int twips) {
    return (twips + (twips < 0 ? -7 : 7)) / 15;
}
inline QRect TwipRect(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

// The nearest fonts Debian has to the ones the screens name.
QFont SansFont(bool bold = false); // Arial 8.25 pt
QFont HeavySansFont();             // Arial Black 8.25 pt
QFont RollListFont();              // Courier New 8.25 pt: the result column lines up
QFont MessageListFont();           // Terminal 6 pt, bold

// The colour a label shows for an engine colour; Default is the label's own palette colour.
QColor ColourOf(Colour colour, const QPalette& palette, QPalette::ColorRole ownRole);

// A label that draws an engine Label: caption, text and background colour, bold, visible, and
// the hidden tag as the "tag" property. It reports clicks, for the cells the player clicks.
class ModelLabel : public QLabel {
    Q_OBJECT
  public:
    // A cell always shows its background, the button face when the screen gives no colour;
    // other labels show one only when the screen colours them.
    enum class Kind { Plain, Cell };
    ModelLabel(QWidget* parent, const QString& objectName, QRect place, Kind kind = Kind::Plain);

    void Draw(const Label& label);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    Kind kind_;
};

// Shows a line log in a list, newest line in view. Only the lines that changed are touched:
// rebuilding the whole list at every step would flicker.
template <std::size_t Capacity> void DrawLines(QListWidget& list, const LineLog<Capacity>& log) {
    const int count = static_cast<int>(log.Count());
    for (int i = 0; i < count; ++i) {
        const QString line = QString::fromStdString(log.Line(static_cast<std::size_t>(i)));
        if (i < list.count()) {
            if (list.item(i)->text() != line) list.item(i)->setText(line);
        } else {
            list.addItem(line);
        }
    }
    while (list.count() > count)
        delete list.takeItem(list.count() - 1);
    list.scrollToBottom();
}

} // namespace halvard::ui
