#include "Tolva.h"

int main(int argc, char **argv) { return Tolva_Main(argc, argv); }
