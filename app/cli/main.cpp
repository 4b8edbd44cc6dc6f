#include <cstdio>
int main() { std::puts("q417-cli"); return 0; }
