#pragma once
// Bar chart (one bar per point, captioned) and curve chart (a line over the points),
// each with its title, drawn with Qt Charts.
#include <QChartView>
#include <vector>

#include "app/ui/chart_model.h"
#include "gui/control_adapter.h"

namespace pk {

class ChartAdapter : public ControlAdapter {
 public:
  explicit ChartAdapter(ChartModel& chart);
  QChartView* chartView() const { return view_; }

 protected:
  void Update() override;

 private:
  void ShowBars(const std::vector<ChartPoint>& points);
  void ShowCurve(const std::vector<ChartPoint>& points);
  // Adds the series to the chart with the points' captions below and a value axis.
  void AddWithAxes(QAbstractSeries* series, const std::vector<ChartPoint>& points);

  ChartModel& model_;
  QChartView* view_;
  std::vector<ChartPoint> shown_points_;
  bool drawn_ = false;
};

}  // namespace pk
