#pragma once
// What the update check decides, apart from the boxes that report it: the
// version on the vendor's server against this version, and whether a
// scheduled check is due.
#include <cstdint>
#include <string>

enum class UpdateOutcome { ConnectionProblem, NewVersion, UpToDate };

// The address of the update file on the vendor's server.
std::string UpdateFileUrl();
// The outcome for what HttpGetBody returned: its leading integer, 0 (no
// digits) meaning no answer; greater than this version's number a new one.
UpdateOutcome UpdateOutcomeFor(const std::string& body);
// Asks the vendor's server; blocks for up to the reply wait.
UpdateOutcome FetchUpdateOutcome();

// Days between scheduled checks for an [General] Update Range value; 0 for
// "Never" (5).
int UpdateIntervalDays(int updateRange);
// Whether the interval has passed since the last scheduled check, strictly.
bool ScheduledCheckDue(int updateRange, int64_t lastCheck, int64_t now);
