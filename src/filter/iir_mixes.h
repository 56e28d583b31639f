// The IIR type mixes: tap type, data type, delay-line type and the
// identifiers each mix accepts.
#ifndef VEKS_FILTER_IIR_MIXES_H
#define VEKS_FILTER_IIR_MIXES_H

#include "iir_engine.h"

namespace veks {

using c32 = Cx<float>;
using c64 = Cx<double>;

// Identifiers: "II" and two digits, big-endian.
constexpr std::uint32_t ii(char a, char b) { return fourcc('I', 'I', a, b); }

using Mix32f = IirMix<float, Vek32f, Vek32f, ii('0', '1'), ii('0', '2'), ii('2', '9')>;
using Mix32fc = IirMix<c32, Vek32fc, Vek32fc, ii('0', '3'), ii('0', '4')>;
using Mix32f16s = IirMix<float, Vek16s, Vek32f, ii('0', '5'), ii('0', '6')>;
using Mix32fc16sc = IirMix<c32, Vek16sc, Vek32fc, ii('0', '7'), ii('0', '8')>;
using Mix32s16s = IirMix<float, Vek16s, Vek32f, ii('0', '9'), ii('1', '0')>;
using Mix32sc16sc = IirMix<c32, Vek16sc, Vek32fc, ii('1', '1'), ii('1', '2')>;
using Mix64f = IirMix<double, Vek64f, Vek64f, ii('1', '3'), ii('1', '4')>;
using Mix64fc = IirMix<c64, Vek64fc, Vek64fc, ii('1', '5'), ii('1', '6')>;
using Mix64f32f = IirMix<double, Vek32f, Vek64f, ii('1', '7'), ii('1', '8')>;
using Mix64fc32fc = IirMix<c64, Vek32fc, Vek64fc, ii('1', '9'), ii('2', '0')>;
using Mix64f32s = IirMix<double, Vek32s, Vek64f, ii('2', '1'), ii('2', '2'), ii('3', '0')>;
using Mix64fc32sc = IirMix<c64, Vek32sc, Vek64fc, ii('2', '3'), ii('2', '4')>;
using Mix64f16s = IirMix<double, Vek16s, Vek64f, ii('2', '5'), ii('2', '6')>;
using Mix64fc16sc = IirMix<c64, Vek16sc, Vek64fc, ii('2', '7'), ii('2', '8')>;

}  // namespace veks

#endif
