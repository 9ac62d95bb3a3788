#include "CTarnell1018Doc.h"

namespace tarnell {

ReferenceOrderReport CTarnell1018Doc::ApplyReferenceOrder(const ReferenceList& reference,
                                                          const ReferenceOrderOptions& options) {
    return ApplyReferenceOrder(PlanReferenceOrder(*m_file, reference, options));
}

ReferenceOrderReport CTarnell1018Doc::ApplyReferenceOrder(ReferenceOrderPlan plan) {
    if (!plan.report.orderChanged && plan.favourites.empty()) {
        return plan.report;
    }
    Edit(
        "Apply a reference order",
        [&plan](CSettingsFile& f) { tarnell::ApplyReferenceOrder(f, plan); },
        plan.favourites.empty() ? kHintRefillFromTree : kHintModelReplaced);
    return plan.report;
}

} // namespace tarnell
