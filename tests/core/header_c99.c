/* The public header must compile as strict C99 on its own. */
#include "veks.h"

int veks_header_c99_probe(void) { return (int)sizeof(VekLibraryVersion) + vekStsNoErr; }
