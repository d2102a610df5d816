#include "anovaf/anovaf.h"

int main() { return con::main_stdio(anovaf::run); }
