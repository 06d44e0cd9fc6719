#pragma once
// Runs a main-window command by its number; numbers no control raises do
// nothing.
void RaiseCommand(int id);
