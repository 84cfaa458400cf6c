// The program's start-up as a user has it, main() and all, ending at its first painted frame.

#include "firstpaint.h"

#include "app/program.h"

int main(int argc, char** argv) { return RunShutterly(argc, argv, ReportFirstPaint); }
