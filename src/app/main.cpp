#include "app/startup.h"

int main(int argc, char** argv) { return RunProgram(ArgumentList(argv + 1, argv + argc)); }
