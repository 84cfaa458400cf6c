// Shutterly: the program is RunShutterly, which the start-up benchmark runs as well.

#include "app/program.h"

int main(int argc, char** argv) { return RunShutterly(argc, argv); }
