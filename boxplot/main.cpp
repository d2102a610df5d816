#include "boxplot/boxplot.h"

int main() { return con::main_stdio(boxplot::run); }
