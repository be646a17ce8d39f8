// SPDX-License-Identifier: MIT
#include "shell/form1_style.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPainter>
#include <QPushButton>
#include <QStyleOption>
#include <QToolButton>
#include <array>
#include <cmath>
#include <map>
#include <tuple>

#include "shell/check_indicator.h"

namespace {

namespace Look {
const QColor Edge{0xaa, 0xb6, 0xc8};
const QColor Focus{0x3b, 0x78, 0xc8};  // also the selection
const QColor Face{0xfd, 0xfd, 0xfe};
const QColor Hover{0xea, 0xf2, 0xfd};
const QColor Pressed{0xd5, 0xe5, 0xfa};
const QColor DisabledFace{0xee, 0xf0, 0xf3};
const QColor DisabledEdge{0xc9, 0xce, 0xd6};
const QColor DisabledText{0xa0, 0xa6, 0xb0};
const QColor Caption{0x2e, 0x40, 0x60};
const QColor ReadOnlyFace{0xf7, 0xf9, 0xfc};
const QColor ReadOnlyText{0x1d, 0x2a, 0x3e};
}  // namespace Look

// Room above a group box's contents for its caption, and where the caption stands.
constexpr int CaptionRoom = 16;
constexpr QPoint CaptionAt{11, 4};
constexpr int GroupRadius = 6;
// A box's border and the room between it and the text, then both together.
constexpr QMargins BoxBorder{1, 1, 1, 1};
constexpr QMargins BoxPadding{4, 1, 4, 1};
constexpr QMargins BoxInset = BoxBorder + BoxPadding;

// Whether the widget belongs to the main window or to a window it owns.
bool InFamily(const QWidget* widget) {
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget())
    if (w->inherits("Form1")) return true;
  return false;
}

// A line edit of its own, not the text part of a combo box or a spin box.
const QLineEdit* OwnBox(const QWidget* widget) {
  const auto* box = qobject_cast<const QLineEdit*>(widget);
  if (box == nullptr || !InFamily(box)) return nullptr;
  const QWidget* parent = box->parentWidget();
  if (qobject_cast<const QComboBox*>(parent) != nullptr || qobject_cast<const QAbstractSpinBox*>(parent) != nullptr)
    return nullptr;
  return box;
}

// A rounded card, antialiased as a whole; a border, when given, lies on the rectangle's outermost
// pixels.
void PaintWholeCard(QPainter* painter, QRectF rect, const QColor& fill, const QColor& border, qreal radius) {
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing);
  if (border.isValid()) {
    painter->setPen(QPen(border, 1));
    rect.adjust(0.5, 0.5, -0.5, -0.5);
  } else {
    painter->setPen(Qt::NoPen);
  }
  painter->setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
  painter->drawRoundedRect(rect, radius, radius);
  painter->restore();
}

// The four corners of an opaque card as pictures: the corners' squares of a small card of the
// same colours and radius, drawn once per colours, radius and pixel ratio. They count clockwise
// from the top left. The look has a few dozen such cards (panels, buttons and boxes in their
// states), so they are kept for the program's life and never freed: a static map would free its
// pictures after the application object is gone.
using CardCorners = std::array<QPixmap, 4>;
const CardCorners& CornersOf(const QColor& fill, const QColor& border, int radius, qreal ratio) {
  static auto& kept = *new std::map<std::tuple<QRgb, QRgb, int, qreal>, CardCorners>;
  const auto key = std::make_tuple(fill.isValid() ? fill.rgba() : 0, border.isValid() ? border.rgba() : 0, radius, ratio);
  if (const auto found = kept.find(key); found != kept.end()) return found->second;
  const int side = radius + 1;  // the square a corner's curve stays in
  // Reaching well past the squares, so that each holds one corner's curve and nothing else.
  const int small = 2 * side + 4;
  QPixmap card(qRound(small * ratio), qRound(small * ratio));
  card.setDevicePixelRatio(ratio);
  card.fill(Qt::transparent);
  QPainter painter(&card);
  PaintWholeCard(&painter, QRectF(0, 0, small, small), fill, border, radius);
  painter.end();
  const int square = qRound(side * ratio);
  const int far = card.width() - square;
  const QPoint at[] = {{0, 0}, {far, 0}, {far, far}, {0, far}};
  CardCorners corners;
  for (int corner = 0; corner < 4; ++corner) {
    corners[corner] = card.copy(QRect(at[corner], QSize(square, square)));
    corners[corner].setDevicePixelRatio(ratio);
  }
  return kept.emplace(key, corners).first->second;
}

}  // namespace

void PaintCard(QPainter* painter, const QRect& rect, const QColor& fill, const QColor& border, int radius) {
  const int side = radius + 1;
  const qreal ratio = painter->device()->devicePixelRatio();
  // In parts only where a logical pixel is whole device pixels, so the parts meet without a seam.
  const bool whole = ratio != std::floor(ratio) || painter->transform().type() > QTransform::TxTranslate;
  const bool opaque = (!fill.isValid() || fill.alpha() == 255) && (!border.isValid() || border.alpha() == 255);
  if (whole || !opaque || radius < 1 || rect.width() < 2 * side || rect.height() < 2 * side) {
    PaintWholeCard(painter, rect, fill, border, radius);
    return;
  }
  const int edge = border.isValid() ? 1 : 0;
  const QRect across(rect.left() + side, rect.top(), rect.width() - 2 * side, rect.height());
  const QRect down(rect.left(), rect.top() + side, rect.width(), rect.height() - 2 * side);
  if (fill.isValid()) {
    painter->fillRect(across.adjusted(0, edge, 0, -edge), fill);
    painter->fillRect(down.adjusted(edge, 0, -edge, 0), fill);
  }
  if (edge != 0) {
    painter->fillRect(QRect(across.left(), across.top(), across.width(), 1), border);
    painter->fillRect(QRect(across.left(), across.bottom(), across.width(), 1), border);
    painter->fillRect(QRect(down.left(), down.top(), 1, down.height()), border);
    painter->fillRect(QRect(down.right(), down.top(), 1, down.height()), border);
  }
  const QPoint corners[] = {rect.topLeft(), QPoint(rect.right() + 1 - side, rect.top()),
                            QPoint(rect.right() + 1 - side, rect.bottom() + 1 - side),
                            QPoint(rect.left(), rect.bottom() + 1 - side)};
  const CardCorners& pictures = CornersOf(fill, border, radius, ratio);
  for (int which = 0; which < 4; ++which) painter->drawPixmap(corners[which], pictures[which]);
}

namespace {

QColor PropertyColor(const QWidget* widget, const char* name) {
  const QVariant value = widget->property(name);
  return value.canConvert<QColor>() ? value.value<QColor>() : QColor();
}

void PaintButtonPanel(QPainter* painter, const QStyleOption& option) {
  const bool enabled = option.state & QStyle::State_Enabled;
  const bool hover = option.state & QStyle::State_MouseOver;
  const bool sunken = option.state & QStyle::State_Sunken;
  const QColor fill = !enabled ? Look::DisabledFace : sunken ? Look::Pressed : hover ? Look::Hover : Look::Face;
  const QColor edge = !enabled ? Look::DisabledEdge : hover ? Look::Focus : Look::Edge;
  PaintCard(painter, option.rect, fill, edge, 4);
}

QFont CaptionFont(const QWidget* widget) {
  QFont font = widget != nullptr ? widget->font() : QApplication::font();
  font.setBold(true);
  return font;
}

// The group box the look draws: a plain one (no check box) of the family; null otherwise.
const QStyleOptionGroupBox* FamilyGroup(QStyle::ComplexControl control, const QStyleOptionComplex* option,
                                        const QWidget* widget) {
  const auto* group = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
  if (control != QStyle::CC_GroupBox || group == nullptr || (group->subControls & QStyle::SC_GroupBoxCheckBox) ||
      !InFamily(widget))
    return nullptr;
  return group;
}

void SetColor(QPalette& palette, QPalette::ColorRole role, const QColor& color) {
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    palette.setColor(group, role, color);
}

}  // namespace

Form1Style::Form1Style(const QString& key) : QProxyStyle(key) {}

void Form1Style::Install() {
  if (qobject_cast<Form1Style*>(QApplication::style()) == nullptr)
    QApplication::setStyle(new Form1Style(QApplication::style()->name()));
}

void Form1Style::polish(QWidget* widget) {
  QProxyStyle::polish(widget);
  if (!InFamily(widget)) return;
  // The family's controls write in the desktop's font, whatever font their window set for itself;
  // a font a control sets for itself stays, and reaches what it holds.
  const QWidget* parent = widget->parentWidget();
  if (parent != nullptr && parent->isWindow() && !widget->isWindow() && !widget->testAttribute(Qt::WA_SetFont) &&
      widget->font() != QApplication::font(widget))
    widget->setFont(QApplication::font(widget));
  if (qobject_cast<QAbstractButton*>(widget) != nullptr) widget->setAttribute(Qt::WA_Hover);
  QPalette palette = widget->palette();
  if (const QLineEdit* box = OwnBox(widget)) {
    SetColor(palette, QPalette::Base, box->isReadOnly() ? Look::ReadOnlyFace : QColor(Qt::white));
    if (box->isReadOnly()) SetColor(palette, QPalette::Text, Look::ReadOnlyText);
    SetColor(palette, QPalette::Highlight, Look::Focus);
  } else if (qobject_cast<QListWidget*>(widget) != nullptr) {
    SetColor(palette, QPalette::Base, Qt::white);
    SetColor(palette, QPalette::Highlight, Look::Focus);
    SetColor(palette, QPalette::HighlightedText, Qt::white);
  } else if (qobject_cast<QPushButton*>(widget) != nullptr) {
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, Look::DisabledText);
  } else {
    return;
  }
  widget->setPalette(palette);
}

void Form1Style::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const {
  if (element == PE_PanelLineEdit && OwnBox(widget) != nullptr) {
    const bool readOnly = static_cast<const QLineEdit*>(widget)->isReadOnly();
    PaintCard(painter, option->rect, readOnly ? Look::ReadOnlyFace : QColor(Qt::white),
              option->state & State_HasFocus ? Look::Focus : Look::Edge, 3);
    return;
  }
  if (element == PE_PanelButtonTool && qobject_cast<const QToolButton*>(widget) != nullptr && InFamily(widget)) {
    PaintButtonPanel(painter, *option);
    return;
  }
  if (element == PE_IndicatorCheckBox && painter->transform().type() <= QTransform::TxTranslate &&
      painter->device()->devicePixelRatio() == 1 && painter->opacity() == 1 &&
      painter->compositionMode() == QPainter::CompositionMode_SourceOver) {
    if (const QImage built = BuiltCheckIndicator(*baseStyle(), *option, widget); !built.isNull()) {
      painter->drawImage(option->rect.topLeft(), built);
      return;
    }
  }
  QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void Form1Style::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
  if (element == CE_PushButtonBevel && qobject_cast<const QPushButton*>(widget) != nullptr && InFamily(widget)) {
    PaintButtonPanel(painter, *option);
    return;
  }
  if (element == CE_ShapedFrame && widget != nullptr && InFamily(widget)) {
    if (qobject_cast<const QListWidget*>(widget) != nullptr) {
      PaintCard(painter, option->rect, QColor(), Look::Edge, 0);
      return;
    }
    if (const QColor fill = PropertyColor(widget, "panelColor"); fill.isValid()) {
      const QVariant radius = widget->property("cardRadius");
      PaintCard(painter, option->rect, fill, PropertyColor(widget, "cardBorder"),
                radius.isValid() ? radius.toInt() : GroupRadius);
      return;
    }
  }
  QProxyStyle::drawControl(element, option, painter, widget);
}

void Form1Style::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                    const QWidget* widget) const {
  const QStyleOptionGroupBox* group = FamilyGroup(control, option, widget);
  if (group == nullptr) {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    return;
  }
  const QColor fill = PropertyColor(widget, "panelColor");
  const QColor border = PropertyColor(widget, "cardBorder");
  // A group that paints all its pixels lies on a card of its own colour, which shows through no
  // corner: it is filled edge to edge.
  if (widget->testAttribute(Qt::WA_OpaquePaintEvent) && fill.isValid() && !border.isValid())
    painter->fillRect(option->rect, fill);
  else if (fill.isValid() || border.isValid())
    PaintCard(painter, option->rect, fill, border, GroupRadius);
  if (group->text.isEmpty()) return;
  painter->save();
  painter->setFont(CaptionFont(widget));
  painter->setPen(group->state & State_Enabled ? Look::Caption : Look::DisabledText);
  painter->drawText(subControlRect(CC_GroupBox, option, SC_GroupBoxLabel, widget),
                    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, group->text);
  painter->restore();
}

QRect Form1Style::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                                 const QWidget* widget) const {
  const QStyleOptionGroupBox* group = FamilyGroup(control, option, widget);
  if (group == nullptr) return QProxyStyle::subControlRect(control, option, sub, widget);
  // A card's border takes its outermost pixels.
  const int border = PropertyColor(widget, "cardBorder").isValid() ? 1 : 0;
  switch (sub) {
    case SC_GroupBoxContents: return option->rect.adjusted(border, border + CaptionRoom, -border, -border);
    case SC_GroupBoxLabel: {
      const QFontMetrics metrics(CaptionFont(widget));
      return {option->rect.topLeft() + QPoint(border, border) + CaptionAt, metrics.size(Qt::TextShowMnemonic, group->text)};
    }
    case SC_GroupBoxFrame: return option->rect;
    default: return {};
  }
}

QRect Form1Style::subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const {
  if (element == SE_LineEditContents && OwnBox(widget) != nullptr)
    return option->rect.marginsRemoved(BoxInset);
  return QProxyStyle::subElementRect(element, option, widget);
}

QSize Form1Style::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                   const QWidget* widget) const {
  if (type == CT_LineEdit && OwnBox(widget) != nullptr)
    return size.grownBy(BoxInset);
  // A push button is as large as its text and its border.
  if (type == CT_PushButton && qobject_cast<const QPushButton*>(widget) != nullptr && InFamily(widget))
    return size.grownBy(BoxBorder);
  return QProxyStyle::sizeFromContents(type, option, size, widget);
}

int Form1Style::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
  if (metric == PM_DefaultFrameWidth && qobject_cast<const QListWidget*>(widget) != nullptr && InFamily(widget))
    return 1;
  return QProxyStyle::pixelMetric(metric, option, widget);
}

int Form1Style::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                          QStyleHintReturn* returnData) const {
  // The main window's menu bar and client area are placed at once. With a duration, Qt moves them
  // by an animation even when it lasts no time, and loads the animation framework at start for it;
  // the window has no docks or tool bars, whose moves would show one.
  if (hint == SH_Widget_Animation_Duration && widget != nullptr &&
      qobject_cast<const QMainWindow*>(widget->parentWidget()) != nullptr && InFamily(widget))
    return 0;
  return QProxyStyle::styleHint(hint, option, widget, returnData);
}
