#pragma once
// The help text, the version line and the banner of a console run.

void PrintHelp();
void PrintVersion();
void PrintBanner();
