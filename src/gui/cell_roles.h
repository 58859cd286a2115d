#pragma once
// The look of one cell of a grid or report list in Qt's item roles: its alignment and
// its text and back colours. Both table models answer these roles through here.
#include <QBrush>
#include <QVariant>

#include "app/ui/colour.h"
#include "gui/qt_text.h"

namespace pk {

struct CellStyle {
  Align align = Align::Left;
  MaybeColour text_colour;
  MaybeColour back_colour;
};

// The value of an alignment or colour role; an invalid QVariant for any other role and
// for a colour the cell does not have (the view's own colour then shows).
inline QVariant CellStyleData(const CellStyle& style, int role) {
  switch (role) {
    case Qt::TextAlignmentRole: return QVariant::fromValue(ToQtAlignment(style.align));
    case Qt::ForegroundRole:
      return style.text_colour ? QVariant(QBrush(ToQColor(*style.text_colour))) : QVariant();
    case Qt::BackgroundRole:
      return style.back_colour ? QVariant(QBrush(ToQColor(*style.back_colour))) : QVariant();
    default: return {};
  }
}

}  // namespace pk
