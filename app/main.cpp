#include "anaform.h"

int main(int argc, char **argv) { return dorvanto::ProgramiCalistir(argc, argv); }
