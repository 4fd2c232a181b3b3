#include <stdio.h>
int main(void) { puts("Rozpoznik"); return 0; }
