#include <irrlicht.h>

int main() { return 0; }
