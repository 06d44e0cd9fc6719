#include "online/update_check.h"

#include "app/product.h"
#include "app/text_util.h"
#include "online/http_get.h"
#include "online/vendor.h"

namespace {
constexpr int kNeverRange = 5;
constexpr int64_t kSecondsPerDay = 86400;
}  // namespace

std::string UpdateFileUrl() { return VendorUrl() + "/files/" + kShortName + ".dat"; }

UpdateOutcome UpdateOutcomeFor(const std::string& body) {
  const int64_t latest = ReadLeadingInteger(body, false);
  if (latest == 0) return UpdateOutcome::ConnectionProblem;
  return latest > kVersionNumber ? UpdateOutcome::NewVersion : UpdateOutcome::UpToDate;
}

UpdateOutcome FetchUpdateOutcome() { return UpdateOutcomeFor(HttpGetBody(UpdateFileUrl(), ProductTitle())); }

int UpdateIntervalDays(int updateRange) {
  switch (updateRange) {
    case 0: return 1;
    case 1: return 7;
    case 2: return 30;
    case 3: return 90;
    case 4: return 180;
    case kNeverRange: return 0;
    default: return 30;
  }
}

bool ScheduledCheckDue(int updateRange, int64_t lastCheck, int64_t now) {
  const int days = UpdateIntervalDays(updateRange);
  if (days == 0) return false;
  // Written against "now", which is sane, so a wild stored date cannot
  // overflow the sum.
  return lastCheck < now - days * kSecondsPerDay;
}
