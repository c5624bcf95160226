#include "report/result_tables.h"

#include "base/exact_text.h"
#include "engine/measures.h"
#include "engine/overload.h"
#include "engine/service_level.h"

namespace morvane {

void WriteStepTable(const Model& model, std::ostream& out) {
  const StepResults& steps = model.steps;
  out << "step,minute,mean,pwait,service_level,asa,pallbusy,abandonment\n";
  const std::vector<ServiceFigures> figures = TimeDepServiceSteps(model);
  for (std::int32_t k = 0; k <= steps.NumSteps; ++k) {
    const Real minute = static_cast<Real>(model.inputs.TimeStepSeconds) * k / 60;
    const ServiceFigures& service = figures[k];
    out << k << ',' << FullPrecisionText(minute) << ',' << FullPrecisionText(steps.TimeDepMean[k])
        << ',' << FullPrecisionText(TimeDepPWait(model, k)) << ','
        << FullPrecisionText(service.level) << ',' << FullPrecisionText(service.answerSeconds)
        << ',' << FullPrecisionText(TimeDepPAllBusy(model, k)) << ','
        << FullPrecisionText(service.abandoned) << '\n';
  }
}

void WriteMinuteTable(const Model& model, std::ostream& out) {
  const MinuteResults& minutes = model.minutes;
  out << "minute,arrival,capacity,servers,ss_mean,ss_pwait,ss_service_level,ss_asa,overloaded,"
         "ss_abandonment\n";
  const std::vector<ServiceFigures> figures = SteadyServiceMinutes(model);
  for (int m = 0; m < kMinutePoints; ++m) {
    const ServiceFigures& service = figures[m];
    out << m << ',' << FullPrecisionText(minutes.ArrivalRate[m]) << ','
        << FullPrecisionText(minutes.ServiceCapacity[m]) << ','
        << model.staffing.ServersOnDuty[m] << ',' << FullPrecisionText(minutes.SteadyMean[m])
        << ',' << FullPrecisionText(SteadyPWait(model, m)) << ','
        << FullPrecisionText(service.level) << ',' << FullPrecisionText(service.answerSeconds)
        << ',' << (MinuteOverloaded(model, m) ? 1 : 0) << ','
        << FullPrecisionText(service.abandoned) << '\n';
  }
}

}  // namespace morvane
