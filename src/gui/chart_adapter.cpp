#include "gui/chart_adapter.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "gui/qt_text.h"

namespace pk {

namespace {

// A value axis from 0 (or the lowest value) to a little above the highest.
QValueAxis* ValueAxis(const std::vector<ChartPoint>& points) {
  double low = 0;
  double high = 1;
  for (const ChartPoint& point : points) {
    low = std::min(low, point.value);
    high = std::max(high, point.value);
  }
  auto* axis = new QValueAxis;
  axis->setLabelFormat(QStringLiteral("%d"));
  const double bottom = std::floor(low);
  const double top = std::ceil(high);
  if (top - bottom <= 10) {
    // Small counts: one tick per whole number.
    axis->setRange(bottom, top);
    axis->setTickCount(static_cast<int>(top - bottom) + 1);
  } else {
    axis->setRange(bottom, std::ceil(high * 1.1));
    axis->applyNiceNumbers();
  }
  return axis;
}

// Up to this many points the captions stand at their normal size.
constexpr size_t kUprightCaptions = 12;

QStringList Captions(const std::vector<ChartPoint>& points) {
  QStringList captions;
  for (size_t i = 0; i < points.size(); ++i)
    captions << (points[i].caption.empty() ? QString::number(i + 1) : ToQString(points[i].caption));
  return captions;
}

}  // namespace

ChartAdapter::ChartAdapter(ChartModel& chart) : ControlAdapter(chart), model_(chart) {
  auto* qchart = new QChart;
  qchart->legend()->hide();
  qchart->setAnimationOptions(QChart::NoAnimation);
  qchart->setMargins(QMargins(4, 4, 4, 4));
  view_ = new QChartView(qchart);
  view_->setObjectName(ToQString(chart.Name()));
  view_->setRenderHint(QPainter::Antialiasing);
  view_->setMinimumSize(240, 180);
  QFont title = qchart->titleFont();
  title.setBold(true);
  qchart->setTitleFont(title);
  SetWidget(view_);
}

void ChartAdapter::Update() {
  QChart* chart = view_->chart();
  const QString title = ToQString(model_.Title());
  if (chart->title() != title) chart->setTitle(title);
  std::vector<ChartPoint> points = model_.Points();
  if (drawn_ && points == shown_points_) return;
  chart->removeAllSeries();
  for (QAbstractAxis* axis : chart->axes()) {
    chart->removeAxis(axis);
    delete axis;
  }
  if (model_.Kind() == ControlKind::BarChart)
    ShowBars(points);
  else
    ShowCurve(points);
  shown_points_ = std::move(points);
  drawn_ = true;
}

void ChartAdapter::ShowBars(const std::vector<ChartPoint>& points) {
  auto* set = new QBarSet(ToQString(model_.Title()));
  for (const ChartPoint& point : points) *set << point.value;
  set->setColor(QColor(70, 120, 200));
  auto* series = new QBarSeries;
  series->append(set);
  series->setLabelsVisible(true);
  series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
  AddWithAxes(series, points);
}

void ChartAdapter::ShowCurve(const std::vector<ChartPoint>& points) {
  auto* series = new QLineSeries;
  for (size_t i = 0; i < points.size(); ++i) series->append(static_cast<double>(i), points[i].value);
  series->setColor(QColor(200, 60, 40));
  series->setPointsVisible(true);
  series->setPointLabelsVisible(true);
  series->setPointLabelsFormat(QStringLiteral("@yPoint"));
  series->setPointLabelsClipping(false);
  QFont font = series->pointLabelsFont();
  font.setPointSizeF(std::max(6.0, font.pointSizeF() - 1));
  series->setPointLabelsFont(font);
  AddWithAxes(series, points);
}

void ChartAdapter::AddWithAxes(QAbstractSeries* series, const std::vector<ChartPoint>& points) {
  QChart* chart = view_->chart();
  chart->addSeries(series);
  auto* categories = new QBarCategoryAxis;
  categories->append(Captions(points));
  // Many points (the 30 draws of a curve) keep their captions readable side by side.
  if (points.size() > kUprightCaptions) {
    QFont font = categories->labelsFont();
    font.setPointSizeF(std::max(6.0, font.pointSizeF() - 1));
    categories->setLabelsFont(font);
  }
  chart->addAxis(categories, Qt::AlignBottom);
  series->attachAxis(categories);
  QValueAxis* values = ValueAxis(points);
  chart->addAxis(values, Qt::AlignLeft);
  series->attachAxis(values);
}

}  // namespace pk
