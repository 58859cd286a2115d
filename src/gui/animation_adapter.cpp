#include "gui/animation_adapter.h"

#include <QPainter>
#include <array>

#include "gui/car_pictures.h"
#include "gui/qt_text.h"

namespace pk {

namespace {

// Ten cars 29 pixels apart from x = 4, at y = 5.
constexpr int kBoxWidth = 4 + 9 * 29 + kCarPictureWidth + 4;
constexpr int kBoxHeight = 5 + kCarPictureHeight + 5;

const QPixmap& Picture(int index) {
  static const std::array<QPixmap, 10> pictures = [] {
    std::array<QPixmap, 10> made;
    for (int car = 1; car <= 10; ++car) made[car - 1] = CarPicture(car);
    return made;
  }();
  return pictures[index >= 0 && index < 10 ? index : 0];
}

}  // namespace

AnimationView::AnimationView() {
  setMinimumSize(kBoxWidth, kBoxHeight);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
}

QSize AnimationView::sizeHint() const { return {kBoxWidth, kBoxHeight}; }

void AnimationView::SetObjects(std::vector<AnimationObject> objects) {
  if (objects == objects_) return;
  objects_ = std::move(objects);
  update();
}

void AnimationView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (const AnimationObject& object : objects_) painter.drawPixmap(object.x, object.y, Picture(object.picture));
}

AnimationAdapter::AnimationAdapter(AnimationModel& animation) : ControlAdapter(animation), model_(animation) {
  view_ = new AnimationView;
  view_->setObjectName(ToQString(animation.Name()));
  SetWidget(view_);
}

void AnimationAdapter::Update() { view_->SetObjects(model_.Objects()); }

}  // namespace pk
