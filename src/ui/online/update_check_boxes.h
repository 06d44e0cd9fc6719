#pragma once
// The update check with its message boxes: on demand and on schedule.

// Asks the vendor's server and reports the outcome; on a new version offers
// the product page.
void CheckForUpdates();
// At start-up: when the interval of [General] Update Range has passed since
// [General] Update Date, asks whether to check; then [General] Update Date
// becomes now, whatever the answer. Never in screenshot mode.
void ScheduledUpdateCheck();
