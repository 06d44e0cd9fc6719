#include "app/startup.h"
#include "ui/main/windowed_app.h"

int main(int argc, char** argv) { return RunProgram(argc, argv, RunWindowedApplication); }
