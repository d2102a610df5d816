#include "cdfplot/cdfplot.h"

int main() { return con::main_stdio(cdfplot::run); }
