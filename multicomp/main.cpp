#include "multicomp/multicomp.h"

int main() { return con::main_stdio(multicomp::run); }
