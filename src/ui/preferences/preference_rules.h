#pragma once
// The enable and visibility rules of the Preferences pages: each follows the
// choice of one trigger control and governs rows or panels of its page.
struct BuiltRow;

// Connects every rule to its trigger control.
void ConnectPreferenceRules();
// Applies the rules whose first application follows the loading of row.
void ApplyRulesAfterLoading(const BuiltRow& row);
