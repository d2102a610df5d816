#include "distsearch/distsearch.h"

int main() { return con::main_stdio(distsearch::run); }
