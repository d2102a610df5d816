#include "homorank/homorank.h"

int main() { return con::main_stdio(homorank::run); }
