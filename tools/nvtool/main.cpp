// nvtool: the headless door to the program's data code, for teachers' scripts and tests.
#include "tools/nvtool/commands.h"

int main(int argc, char** argv) { return nvtool::run(argc, argv); }
