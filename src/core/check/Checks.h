#pragma once

#include "check/CheckSubject.h"
#include "check/Finding.h"
#include "check/TextGauge.h"

#include <vector>

namespace ornadeck {

// Every check over the subject: the project's findings first, then each form's in the order
// of the forms.
std::vector<Finding> runChecks(const CheckSubject& subject, const TextGauge& gauge);
// Only the errors of runChecks, found without the checks that can find none.
std::vector<Finding> runErrorChecks(const CheckSubject& subject);

bool hasSeverity(const std::vector<Finding>& findings, Severity severity);

} // namespace ornadeck
