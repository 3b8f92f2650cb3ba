// Kinshelf's entry point: runs the command named on the command line.
#include "cli/CommandLine.h"

int main(int argc, char** argv) { return kinshelf::cli::RunCommandLine(argc, argv); }
