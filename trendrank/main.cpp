#include "trendrank/trendrank.h"

int main() { return con::main_stdio(trendrank::run); }
