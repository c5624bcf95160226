// What a GA run hands to the windows besides its report lines: the data of its
// charts and of the local improvement's progress fields. The GA window and the
// tradeoff window implement it; a batch run or a test may ignore all of it.
// Every call comes from the thread that runs the GA, between two plans.
#pragma once

#include <string>

#include "optimiser/ga_charts.h"
#include "optimiser/ga_solution.h"
#include "optimiser/tradeoff_chart.h"

namespace morvane {

// The hidden progress fields of the local improvement in the GA window.
enum class ImprovementField {
  ImproveIndex,      // k, the rank of the member being improved
  ImprovedQuestion,  // "NO IMP FOUND" or the objective text of an improvement
  FullTimeLeft,      // "p|n" of pass 1, and so on
  FullTimeRight,
  PartTimeLeft,
  PartTimeRight,
};

class GAObserver {
 public:
  virtual ~GAObserver() = default;

  // A run begins: empty "Objective Value", "Carryover", "Import", "Crossover" and
  // "Gen. no change".
  virtual void runStarted() {}
  // PlotGeneration: replace the arrows, add the progress points, set the axes.
  virtual void generationPlotted(const GenerationPlot& /*plot*/) {}
  // A carried-over plan, added straight to the tradeoff chart's "CarryOver"
  // series in the colour of "Objective Value" (red).
  virtual void carryOverPlotted(double /*x*/, double /*y*/) {}
  // ShowMOGraph: replace all five series, the axis titles and the title.
  virtual void tradeoffShown(const TradeoffChart& /*chart*/) {}

  // The progress fields and their captions appear with empty texts (true), or
  // disappear together with HistoryGauge (false).
  virtual void improvementShown(bool /*visible*/) {}
  virtual void improvementText(ImprovementField /*field*/, const std::string& /*text*/) {}
  // The font of ImprovedQuestion: red after an improvement was found, else black.
  virtual void improvementFound(bool /*found*/) {}

  // The run's best plan, to be written into the staffing grid ("FT Start" and
  // "PT Start" of rows 1..96) before it is installed in the model.
  virtual void planChosen(const GASolution& /*plan*/) {}
};

}  // namespace morvane
