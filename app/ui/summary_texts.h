// The labels of the summary lines in the current language, for every window that shows them.
#pragma once

#include "analysis/summary_labels.h"

namespace vx {

SummaryLabels TranslatedSummaryLabels();

}  // namespace vx
