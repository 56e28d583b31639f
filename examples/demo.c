/* A short tour of the library: version record, aligned allocation, fills,
 * copies and reordering, and what a bad argument returns. */
#include <stdio.h>

#include "veks.h"

int main(void) {
    const VekLibraryVersion* v = veksGetLibVersion();
    printf("%s %s (%d.%d.%d.%d), built %s\n", v->name, v->version, v->major, v->minor,
           v->majorBuild, v->build, v->buildDate);

    enum { N = 8 };
    Vek32f* a = veksMalloc_32f(N);
    Vek32f* b = veksMalloc_32f(N);
    if (!a || !b) return 1;

    veksSet_32f(1.5f, a, N);
    for (int i = 0; i < N; ++i) a[i] += (Vek32f)i;
    veksCopy_32f(a, b, N);
    veksFlip_32f_I(b, N);

    printf("a      =");
    for (int i = 0; i < N; ++i) printf(" %5.2f", a[i]);
    printf("\nflip a =");
    for (int i = 0; i < N; ++i) printf(" %5.2f", b[i]);
    printf("\n");

    Vek16u w[2] = {0x1234, 0xABCD};
    veksSwapBytes_16u_I(w, 2);
    printf("swapped bytes: %04X %04X\n", w[0], w[1]);

    printf("null destination -> %d, zero length -> %d\n", veksCopy_32f(a, NULL, N),
           veksCopy_32f(a, b, 0));

    veksFree(a);
    veksFree(b);
    return 0;
}
