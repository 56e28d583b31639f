// The public header must compile as C++ on its own.
#include "veks.h"

int veks_header_cxx_probe() { return static_cast<int>(sizeof(Vek64fc)) + vekStsNoErr; }
