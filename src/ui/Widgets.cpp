#include "Widgets.h"

#include <QApplication>
#include <QMouseEvent>

namespace halvard::ui {
namespace {

QFont Font(const QStringList& families, QFont::StyleHint hint, double points, QFont::Weight weight) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

} // namespace

QFont SansFont(bool bold) {
    return Font({"Liberation Sans", "DejaVu Sans"}, QFont::SansSerif, 8.25, bold ? QFont::Bold : QFont::Normal);
}

QFont HeavySansFont() {
    return Font({"Liberation Sans", "DejaVu Sans"}, QFont::SansSerif, 8.25, QFont::Black);
}

QFont RollListFont() {
    return Font({"Liberation Mono", "DejaVu Sans Mono"}, QFont::TypeWriter, 8.25, QFont::Normal);
}

QFont MessageListFont() {
    return Font({"DejaVu Sans Mono", "Liberation Mono"}, QFont::TypeWriter, 6, QFont::Bold);
}

QColor ColourOf(Colour colour, const QPalette& palette, QPalette::ColorRole ownRole) {
    switch (colour) {
    case Colour::Default: return palette.color(ownRole);
    case Colour::Normal: return palette.color(QPalette::Button);
    case Colour::Highlight: return palette.color(QPalette::Highlight);
    case Colour::Red: return QColor(255, 0, 0);
    case Colour::Blue: return QColor(0, 0, 255);
    case Colour::Yellow: return QColor(255, 255, 0);
    case Colour::Orange: return QColor(255, 128, 0);
    }
    return palette.color(ownRole);
}

ModelLabel::ModelLabel(QWidget* parent, const QString& objectName, QRect place, Kind kind)
    : QLabel(parent), kind_(kind) {
    setObjectName(objectName);
    setGeometry(place);
    setFont(SansFont());
    if (kind_ == Kind::Cell) {
        setFrameShape(QFrame::Box);
        setAlignment(Qt::AlignCenter);
        setCursor(Qt::PointingHandCursor);
    }
}

void ModelLabel::Draw(const Label& label) {
    setText(QString::fromStdString(label.Caption.Text()));
    const QPalette standard = QApplication::palette(this);
    QPalette own = palette();
    own.setColor(QPalette::WindowText, ColourOf(label.ForeColour, standard, QPalette::WindowText));
    // A label's background is the form's button face unless the screen colours it.
    own.setColor(QPalette::Window, ColourOf(label.BackColour, standard, QPalette::Button));
    setPalette(own);
    setAutoFillBackground(kind_ == Kind::Cell || label.BackColour != Colour::Normal);
    if (font().bold() != label.Bold) {
        QFont bolder = font();
        bolder.setBold(label.Bold);
        setFont(bolder);
    }
    setProperty("tag", QString::fromStdString(label.Tag.Text()));
    setVisible(label.Visible);
}

void ModelLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

} // namespace halvard::ui
