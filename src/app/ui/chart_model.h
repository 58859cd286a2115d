#pragma once
// Bar chart or curve chart: a title and points, each a caption and a value.
#include <string>
#include <vector>

#include "app/ui/control.h"

namespace pk {

struct ChartPoint {
  std::string caption;
  double value = 0;
  bool operator==(const ChartPoint&) const = default;
};

class ChartModel : public Control {
 public:
  // kind: BarChart or CurveChart.
  ChartModel(std::string name, ControlKind kind, std::string title, std::string placement = {})
      : Control(std::move(name), kind, std::move(placement)), title_(std::move(title)) {}

  std::string Title() const { return Read([&] { return title_; }); }
  void SetTitle(std::string title) { Write([&] { title_ = std::move(title); }); }

  int PointCount() const { return Read([&] { return static_cast<int>(points_.size()); }); }
  void SetPointCount(int count) { Write([&] { points_.resize(count < 0 ? 0 : count); }); }
  std::vector<ChartPoint> Points() const { return Read([&] { return points_; }); }
  void SetPoints(std::vector<ChartPoint> points) { Write([&] { points_ = std::move(points); }); }
  // A point past the last adds points up to it.
  void SetPoint(int index, std::string caption, double value) {
    if (index < 0) return;
    Write([&] {
      if (index >= static_cast<int>(points_.size())) points_.resize(index + 1);
      points_[index] = {std::move(caption), value};
    });
  }
  // Changes the value and keeps the caption.
  void SetValue(int index, double value) {
    if (index < 0) return;
    Write([&] {
      if (index >= static_cast<int>(points_.size())) points_.resize(index + 1);
      points_[index].value = value;
    });
  }

 private:
  std::string title_;
  std::vector<ChartPoint> points_;
};

}  // namespace pk
