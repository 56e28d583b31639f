/*
 * veks.hpp: a header-only C++17 layer over veks.h.
 *
 *   veks::status        typed status (enum class), with status_name() and
 *                       status_message(); veks::error carries one as an
 *                       exception, derived from std::runtime_error.
 *   veks::owner<T>      move-only owner of an object made by an InitAlloc
 *                       function; its destructor calls the matching Free.
 *   veks::buffer<T>     move-only owner of veksMalloc_* storage.
 *   veks::span<T>       non-owning view: pointer and element count.
 *   veks::call(f, ...)  calls a C function with containers in place of
 *                       pointers, taking the length from the containers.
 *
 * Every operation comes in two forms, and the caller picks one per call:
 * the plain form returns a status or a veks::result and never throws; the
 * _or_throw form throws veks::error for a negative status and returns the
 * status otherwise, so warnings (positive statuses) never throw.
 *
 * Containers and lengths. veks::call(f, args...) passes its arguments on
 * to f, turning every contiguous container (std::vector, std::array, a C
 * array, veks::span, veks::buffer, anything with std::data and std::size)
 * into its data pointer (std::complex<float|double> data also serves as
 * Vek32fc/Vek64fc) and every veks::owner into its object pointer.
 * Given one argument fewer than f takes, it supplies the length itself:
 * the length goes into the first int parameter after the last container
 * argument, and is the common element count of all container arguments.
 * Containers of different sizes, or a size above INT_MAX, give
 * status::size_err without calling f. Pass arrays whose size is not the
 * call's length (taps, delay lines, scalar outputs) as raw pointers, or
 * pass every argument, lengths included, yourself.
 *
 *   std::vector<float> a(n), b(n), sum(n);
 *   veks::call_or_throw(veksAdd_32f, a, b, sum);             // len = n
 *   auto spec = veks::init_alloc_or_throw(veksFFTInitAlloc_C_32fc, 10,
 *                                         VEK_FFT_SCALE_INV_N, vekAlgHintNone);
 *   veks::status s = veks::call(veksFFTFwd_CToC_32fc, src, dst, spec, nullptr);
 */
#ifndef VEKS_HPP
#define VEKS_HPP

#include "veks.h"

#include <climits>
#include <complex>
#include <cstddef>
#include <iterator>
#include <stdexcept>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

namespace veks {

/* ---------------------------------------------------------------------- */
/* Statuses                                                                */
/* ---------------------------------------------------------------------- */

// name in this layer, value from veks.h, meaning
#define VEKS_HPP_STATUSES(X)                                                                       \
    X(no_err, vekStsNoErr, "success")                                                              \
    X(sqrt_neg_arg, vekStsSqrtNegArg, "square root of negative elements")                          \
    X(inv_of_zero, vekStsInvOfZero, "reciprocal of a zero element")                                \
    X(even_median_mask_size, vekStsEvenMedianMaskSize, "even median mask size reduced by one")     \
    X(div_by_zero, vekStsDivByZero, "elements divided by zero")                                    \
    X(ln_zero_arg, vekStsLnZeroArg, "logarithm of a zero element")                                 \
    X(ln_neg_arg, vekStsLnNegArg, "logarithm of a negative element")                               \
    X(not_finite_arg, vekStsNotFiniteArg, "infinite or NaN input elements")                        \
    X(bit_len_clamped, vekStsBitLenClamped, "bit length clamped to 0..32")                         \
    X(bad_arg_err, vekStsBadArgErr, "argument outside its allowed set")                            \
    X(size_err, vekStsSizeErr, "length or size out of range")                                      \
    X(zero_crossing_type_err, vekStsZeroCrossingTypeErr, "unknown zero-crossing type")             \
    X(null_ptr_err, vekStsNullPtrErr, "null pointer")                                              \
    X(mem_alloc_err, vekStsMemAllocErr, "out of memory")                                           \
    X(div_by_zero_err, vekStsDivByZeroErr, "division by zero")                                     \
    X(cauchy_param_err, vekStsCauchyParamErr, "Cauchy parameter not positive")                     \
    X(scale_range_err, vekStsScaleRangeErr, "negative scale tap")                                  \
    X(fft_order_err, vekStsFftOrderErr, "FFT order out of range")                                  \
    X(fft_flag_err, vekStsFftFlagErr, "unknown FFT normalisation flag")                            \
    X(context_match_err, vekStsContextMatchErr, "object of the wrong kind")                        \
    X(thresh_level_order_err, vekStsThreshLevelOrderErr, "upper threshold below lower threshold")  \
    X(thresh_neg_level_err, vekStsThreshNegLevelErr, "negative magnitude threshold")               \
    X(dly_line_index_err, vekStsDlyLineIndexErr, "delay-line index out of range")                  \
    X(iir_order_err, vekStsIIROrderErr, "IIR order below 1")                                       \
    X(fir_len_err, vekStsFIRLenErr, "FIR taps length below 1")                                     \
    X(rel_freq_err, vekStsRelFreqErr, "relative frequency out of range")                           \
    X(firmr_phase_err, vekStsFIRMRPhaseErr, "multirate FIR phase out of range")                    \
    X(firmr_factor_err, vekStsFIRMRFactorErr, "multirate FIR factor below 1")                      \
    X(sample_phase_err, vekStsSamplePhaseErr, "sampling phase out of range")                       \
    X(sample_factor_err, vekStsSampleFactorErr, "sampling factor below 1")                         \
    X(shift_err, vekStsShiftErr, "shift count out of range")                                       \
    X(win_len_err, vekStsWinLenErr, "window length below 1")                                       \
    X(wt_offset_err, vekStsWtOffsetErr, "wavelet filter offset below -1")                          \
    X(jaehne_err, vekStsJaehneErr, "negative Jaehne magnitude")                                    \
    X(huge_win_err, vekStsHugeWinErr, "Kaiser window too wide")                                    \
    X(trngl_asym_err, vekStsTrnglAsymErr, "triangle asymmetry out of range")                       \
    X(trngl_phase_err, vekStsTrnglPhaseErr, "triangle phase out of range")                         \
    X(trngl_freq_err, vekStsTrnglFreqErr, "triangle frequency out of range")                       \
    X(trngl_magn_err, vekStsTrnglMagnErr, "triangle magnitude not positive")                       \
    X(tone_phase_err, vekStsTonePhaseErr, "tone phase out of range")                               \
    X(tone_freq_err, vekStsToneFreqErr, "tone frequency out of range")                             \
    X(tone_magn_err, vekStsToneMagnErr, "tone magnitude below 1")                                  \
    X(channel_err, vekStsChannelErr, "number of channels below 1")                                 \
    X(tap_position_err, vekStsTapPositionErr, "sparse tap positions not increasing")               \
    X(iir_gen_order_err, vekStsIIRGenOrderErr, "IIR design order out of range")                    \
    X(iir_gen_freq_err, vekStsIIRGenFreqErr, "IIR design cut-off out of range")                    \
    X(iir_gen_deviation_err, vekStsIIRGenDeviationErr, "IIR design deviation out of range")        \
    X(round_mode_err, vekStsRoundModeErr, "unsupported rounding mode")

enum class status : int {
#define VEKS_HPP_ENUMERATOR(name, value, text) name = value,
    VEKS_HPP_STATUSES(VEKS_HPP_ENUMERATOR)
#undef VEKS_HPP_ENUMERATOR
};

constexpr bool is_error(status s) noexcept { return static_cast<int>(s) < 0; }
constexpr bool is_warning(status s) noexcept { return static_cast<int>(s) > 0; }

// The C name of a status ("vekStsNullPtrErr"), or "unknown status".
inline const char* status_name(status s) noexcept {
    switch (s) {
#define VEKS_HPP_NAME(name, value, text) \
    case status::name:                   \
        return #value;
        VEKS_HPP_STATUSES(VEKS_HPP_NAME)
#undef VEKS_HPP_NAME
    }
    return "unknown status";
}

// A short English meaning of a status, or "unknown status".
inline const char* status_message(status s) noexcept {
    switch (s) {
#define VEKS_HPP_TEXT(name, value, text) \
    case status::name:                   \
        return text;
        VEKS_HPP_STATUSES(VEKS_HPP_TEXT)
#undef VEKS_HPP_TEXT
    }
    return "unknown status";
}

// The exception of the _or_throw forms: what() reads
// "veks: vekStsNullPtrErr (-8): null pointer".
class error : public std::runtime_error {
public:
    explicit error(status s)
        : std::runtime_error(std::string("veks: ") + status_name(s) + " (" +
                             std::to_string(static_cast<int>(s)) + "): " + status_message(s)),
          code_(s) {}
    status code() const noexcept { return code_; }

private:
    status code_;
};

// Throws veks::error for an error status; returns success and warnings.
inline status check(status s) {
    if (is_error(s)) throw error(s);
    return s;
}
inline status check(VekStatus s) { return check(static_cast<status>(s)); }

// A value together with the status of the call that produced it. The value
// is meaningful only when the status is not an error.
template <class T>
class [[nodiscard]] result {
public:
    result(status s, T value) : code_(s), value_(std::move(value)) {}

    status code() const noexcept { return code_; }
    bool ok() const noexcept { return !is_error(code_); }
    explicit operator bool() const noexcept { return ok(); }

    // The value; throws veks::error when the call failed.
    T& value() & {
        check(code_);
        return value_;
    }
    const T& value() const& {
        check(code_);
        return value_;
    }
    T&& value() && {
        check(code_);
        return std::move(value_);
    }

    T* operator->() noexcept { return &value_; }
    const T* operator->() const noexcept { return &value_; }
    T& operator*() & noexcept { return value_; }

private:
    status code_;
    T value_;
};

/* ---------------------------------------------------------------------- */
/* span                                                                    */
/* ---------------------------------------------------------------------- */

namespace detail {

template <class C>
using data_t = decltype(std::data(std::declval<C&>()));

template <class C, class = void>
struct is_contiguous : std::false_type {};
template <class C>
struct is_contiguous<C, std::void_t<data_t<C>, decltype(std::size(std::declval<C&>()))>>
    : std::is_pointer<data_t<C>> {};

// A container whose elements a T* may point at (T itself, or T const-qualified
// over a mutable element): the same test std::span uses.
template <class C, class T, class = void>
struct views_as : std::false_type {};
template <class C, class T>
struct views_as<C, T, std::enable_if_t<is_contiguous<C>::value>>
    : std::is_convertible<std::remove_pointer_t<data_t<C>> (*)[], T (*)[]> {};

}  // namespace detail

template <class T>
class span {
public:
    using element_type = T;
    using value_type = std::remove_cv_t<T>;
    using size_type = std::size_t;
    using pointer = T*;
    using reference = T&;
    using iterator = T*;

    constexpr span() noexcept = default;
    constexpr span(T* data, size_type size) noexcept : data_(data), size_(size) {}
    // Any contiguous lvalue container: std::vector, std::array, C array, span.
    template <class C, std::enable_if_t<detail::views_as<C, T>::value, int> = 0>
    constexpr span(C& c) noexcept(noexcept(std::data(c)) && noexcept(std::size(c)))
        : data_(std::data(c)), size_(static_cast<size_type>(std::size(c))) {}

    constexpr T* data() const noexcept { return data_; }
    constexpr size_type size() const noexcept { return size_; }
    constexpr size_type size_bytes() const noexcept { return size_ * sizeof(T); }
    constexpr bool empty() const noexcept { return size_ == 0; }
    constexpr T* begin() const noexcept { return data_; }
    constexpr T* end() const noexcept { return data_ + size_; }
    constexpr T& operator[](size_type i) const noexcept { return data_[i]; }

    constexpr span first(size_type n) const noexcept { return {data_, n}; }
    constexpr span last(size_type n) const noexcept { return {data_ + (size_ - n), n}; }
    constexpr span subspan(size_type offset, size_type n) const noexcept { return {data_ + offset, n}; }
    constexpr span subspan(size_type offset) const noexcept { return {data_ + offset, size_ - offset}; }

private:
    T* data_ = nullptr;
    size_type size_ = 0;
};

template <class T>
span(T*, std::size_t) -> span<T>;
template <class C, std::enable_if_t<detail::is_contiguous<C>::value, int> = 0>
span(C&) -> span<std::remove_pointer_t<detail::data_t<C>>>;

// A vector of std::complex<float> or std::complex<double> seen as the
// library's Vek32fc or Vek64fc: the two have the same layout, real part first.
template <class C>
auto as_vek(C& c) noexcept {
    using E = std::remove_pointer_t<detail::data_t<C>>;
    using V = std::remove_cv_t<E>;
    static_assert(std::is_same<V, std::complex<float>>::value || std::is_same<V, std::complex<double>>::value,
                  "veks::as_vek takes a container of std::complex<float> or std::complex<double>");
    using Vek = std::conditional_t<std::is_same<V, std::complex<float>>::value, Vek32fc, Vek64fc>;
    using T = std::conditional_t<std::is_const<E>::value, const Vek, Vek>;
    static_assert(sizeof(Vek) == sizeof(V), "complex layouts differ");
    return span<T>(reinterpret_cast<T*>(std::data(c)), static_cast<std::size_t>(std::size(c)));
}

/* ---------------------------------------------------------------------- */
/* Owners                                                                  */
/* ---------------------------------------------------------------------- */

// object_traits<T>::release is the Free function for objects of type T.
template <class T>
struct object_traits {};

template <class T, class = void>
struct has_owner : std::false_type {};
template <class T>
struct has_owner<T, std::void_t<decltype(object_traits<T>::release)>> : std::true_type {};

// Sole owner of an object that an InitAlloc function allocated. Moving
// transfers the object and leaves the source empty; destruction and
// reset() release it with the family's Free.
template <class T>
class owner {
    static_assert(has_owner<T>::value, "veks::owner: no Free function is registered for this type");

public:
    using element_type = T;

    constexpr owner() noexcept = default;
    explicit owner(T* adopted) noexcept : p_(adopted) {}
    owner(owner&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    owner& operator=(owner&& other) noexcept {
        if (this != &other) reset(std::exchange(other.p_, nullptr));
        return *this;
    }
    owner(const owner&) = delete;
    owner& operator=(const owner&) = delete;
    ~owner() { reset(); }

    T* get() const noexcept { return p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }

    // Gives up ownership without releasing.
    T* release() noexcept { return std::exchange(p_, nullptr); }
    // Releases the current object (its Free status is dropped) and adopts p.
    void reset(T* p = nullptr) noexcept {
        T* old = std::exchange(p_, p);
        if (old) object_traits<T>::release(old);
    }
    // Releases the object now and returns the status of its Free.
    status free() noexcept {
        T* old = std::exchange(p_, nullptr);
        return old ? static_cast<status>(object_traits<T>::release(old)) : status::no_err;
    }

    friend void swap(owner& a, owner& b) noexcept { std::swap(a.p_, b.p_); }

private:
    T* p_ = nullptr;
};

#define VEKS_HPP_OWNED(T, freeFn)                                   \
    template <>                                                     \
    struct object_traits<T> {                                       \
        static constexpr VekStatus (*release)(T*) = &freeFn;       \
    };

// One line per object type that an InitAlloc function creates.
VEKS_HPP_OWNED(VekFFTSpec_C_32fc, veksFFTFree_C_32fc)
VEKS_HPP_OWNED(VekFFTSpec_C_32f, veksFFTFree_C_32f)
VEKS_HPP_OWNED(VekFFTSpec_R_32f, veksFFTFree_R_32f)
VEKS_HPP_OWNED(VekFFTSpec_C_64fc, veksFFTFree_C_64fc)
VEKS_HPP_OWNED(VekFFTSpec_C_64f, veksFFTFree_C_64f)
VEKS_HPP_OWNED(VekFFTSpec_R_64f, veksFFTFree_R_64f)
VEKS_HPP_OWNED(VekFFTSpec_C_16sc, veksFFTFree_C_16sc)
VEKS_HPP_OWNED(VekFFTSpec_C_16s, veksFFTFree_C_16s)
VEKS_HPP_OWNED(VekFFTSpec_R_16s, veksFFTFree_R_16s)
VEKS_HPP_OWNED(VekFFTSpec_C_32sc, veksFFTFree_C_32sc)
VEKS_HPP_OWNED(VekFFTSpec_C_32s, veksFFTFree_C_32s)
VEKS_HPP_OWNED(VekFFTSpec_R_32s, veksFFTFree_R_32s)
VEKS_HPP_OWNED(VekFFTSpec_R_16s32s, veksFFTFree_R_16s32s)
VEKS_HPP_OWNED(VekDFTSpec_C_32fc, veksDFTFree_C_32fc)
VEKS_HPP_OWNED(VekDFTSpec_C_32f, veksDFTFree_C_32f)
VEKS_HPP_OWNED(VekDFTSpec_R_32f, veksDFTFree_R_32f)
VEKS_HPP_OWNED(VekDFTSpec_C_64fc, veksDFTFree_C_64fc)
VEKS_HPP_OWNED(VekDFTSpec_C_64f, veksDFTFree_C_64f)
VEKS_HPP_OWNED(VekDFTSpec_R_64f, veksDFTFree_R_64f)
VEKS_HPP_OWNED(VekDFTSpec_C_16sc, veksDFTFree_C_16sc)
VEKS_HPP_OWNED(VekDFTSpec_C_16s, veksDFTFree_C_16s)
VEKS_HPP_OWNED(VekDFTSpec_R_16s, veksDFTFree_R_16s)
VEKS_HPP_OWNED(VekDFTOutOrdSpec_C_32fc, veksDFTOutOrdFree_C_32fc)
VEKS_HPP_OWNED(VekDFTOutOrdSpec_C_64fc, veksDFTOutOrdFree_C_64fc)
VEKS_HPP_OWNED(VekWTFwdState_32f, veksWTFwdFree_32f)
VEKS_HPP_OWNED(VekWTFwdState_8u32f, veksWTFwdFree_8u32f)
VEKS_HPP_OWNED(VekWTFwdState_8s32f, veksWTFwdFree_8s32f)
VEKS_HPP_OWNED(VekWTFwdState_16u32f, veksWTFwdFree_16u32f)
VEKS_HPP_OWNED(VekWTFwdState_16s32f, veksWTFwdFree_16s32f)
VEKS_HPP_OWNED(VekWTInvState_32f, veksWTInvFree_32f)
VEKS_HPP_OWNED(VekWTInvState_32f8u, veksWTInvFree_32f8u)
VEKS_HPP_OWNED(VekWTInvState_32f8s, veksWTInvFree_32f8s)
VEKS_HPP_OWNED(VekWTInvState_32f16u, veksWTInvFree_32f16u)
VEKS_HPP_OWNED(VekWTInvState_32f16s, veksWTInvFree_32f16s)
VEKS_HPP_OWNED(VekDCTFwdSpec_32f, veksDCTFwdFree_32f)
VEKS_HPP_OWNED(VekDCTInvSpec_32f, veksDCTInvFree_32f)
VEKS_HPP_OWNED(VekDCTFwdSpec_64f, veksDCTFwdFree_64f)
VEKS_HPP_OWNED(VekDCTInvSpec_64f, veksDCTInvFree_64f)
VEKS_HPP_OWNED(VekDCTFwdSpec_16s, veksDCTFwdFree_16s)
VEKS_HPP_OWNED(VekDCTInvSpec_16s, veksDCTInvFree_16s)
VEKS_HPP_OWNED(VekHilbertSpec_32f32fc, veksHilbertFree_32f32fc)
VEKS_HPP_OWNED(VekHilbertSpec_16s32fc, veksHilbertFree_16s32fc)
VEKS_HPP_OWNED(VekHilbertSpec_16s16sc, veksHilbertFree_16s16sc)
VEKS_HPP_OWNED(VekFIRState_32f, veksFIRFree_32f)
VEKS_HPP_OWNED(VekFIRState_32fc, veksFIRFree_32fc)
VEKS_HPP_OWNED(VekFIRState_64f, veksFIRFree_64f)
VEKS_HPP_OWNED(VekFIRState_64fc, veksFIRFree_64fc)
VEKS_HPP_OWNED(VekFIRState_16s, veksFIRFree_16s)
VEKS_HPP_OWNED(VekFIRState_32s, veksFIRFree_32s)
VEKS_HPP_OWNED(VekFIRState32f_16s, veksFIRFree32f_16s)
VEKS_HPP_OWNED(VekFIRState32fc_16sc, veksFIRFree32fc_16sc)
VEKS_HPP_OWNED(VekFIRState32s_16s, veksFIRFree32s_16s)
VEKS_HPP_OWNED(VekFIRState32sc_16sc, veksFIRFree32sc_16sc)
VEKS_HPP_OWNED(VekFIRState64f_16s, veksFIRFree64f_16s)
VEKS_HPP_OWNED(VekFIRState64f_32f, veksFIRFree64f_32f)
VEKS_HPP_OWNED(VekFIRState64f_32s, veksFIRFree64f_32s)
VEKS_HPP_OWNED(VekFIRState64fc_16sc, veksFIRFree64fc_16sc)
VEKS_HPP_OWNED(VekFIRState64fc_32fc, veksFIRFree64fc_32fc)
VEKS_HPP_OWNED(VekFIRState64fc_32sc, veksFIRFree64fc_32sc)
VEKS_HPP_OWNED(VekFIRLMSState_32f, veksFIRLMSFree_32f)
VEKS_HPP_OWNED(VekFIRLMSState32f_16s, veksFIRLMSFree32f_16s)
VEKS_HPP_OWNED(VekFIRLMSMRState32s_16s, veksFIRLMSMRFree32s_16s)
VEKS_HPP_OWNED(VekFIRLMSMRState32sc_16sc, veksFIRLMSMRFree32sc_16sc)
VEKS_HPP_OWNED(VekIIRState_32f, veksIIRFree_32f)
VEKS_HPP_OWNED(VekIIRState_32fc, veksIIRFree_32fc)
VEKS_HPP_OWNED(VekIIRState32f_16s, veksIIRFree32f_16s)
VEKS_HPP_OWNED(VekIIRState32fc_16sc, veksIIRFree32fc_16sc)
VEKS_HPP_OWNED(VekIIRState32s_16s, veksIIRFree32s_16s)
VEKS_HPP_OWNED(VekIIRState32sc_16sc, veksIIRFree32sc_16sc)
VEKS_HPP_OWNED(VekIIRState_64f, veksIIRFree_64f)
VEKS_HPP_OWNED(VekIIRState_64fc, veksIIRFree_64fc)
VEKS_HPP_OWNED(VekIIRState64f_32f, veksIIRFree64f_32f)
VEKS_HPP_OWNED(VekIIRState64fc_32fc, veksIIRFree64fc_32fc)
VEKS_HPP_OWNED(VekIIRState64f_32s, veksIIRFree64f_32s)
VEKS_HPP_OWNED(VekIIRState64fc_32sc, veksIIRFree64fc_32sc)
VEKS_HPP_OWNED(VekIIRState64f_16s, veksIIRFree64f_16s)
VEKS_HPP_OWNED(VekIIRState64fc_16sc, veksIIRFree64fc_16sc)
VEKS_HPP_OWNED(VekRandUniformState_8u, veksRandUniformFree_8u)
VEKS_HPP_OWNED(VekRandUniformState_16s, veksRandUniformFree_16s)
VEKS_HPP_OWNED(VekRandUniformState_32f, veksRandUniformFree_32f)
VEKS_HPP_OWNED(VekRandGaussState_8u, veksRandGaussFree_8u)
VEKS_HPP_OWNED(VekRandGaussState_16s, veksRandGaussFree_16s)
VEKS_HPP_OWNED(VekRandGaussState_32f, veksRandGaussFree_32f)
VEKS_HPP_OWNED(VekToneState_16s, veksToneFree)
VEKS_HPP_OWNED(VekTriangleState_16s, veksTriangleFree)
#undef VEKS_HPP_OWNED

/* ---------------------------------------------------------------------- */
/* buffer: storage from veksMalloc_*                                       */
/* ---------------------------------------------------------------------- */

namespace detail {
template <class T>
struct allocator_of {};
#define VEKS_HPP_MALLOC(T, mallocFn) \
    template <>                      \
    struct allocator_of<T> {         \
        static constexpr T* (*allocate)(int) = &mallocFn; \
    };
VEKS_HPP_MALLOC(Vek8u, veksMalloc_8u)
VEKS_HPP_MALLOC(Vek8s, veksMalloc_8s)
VEKS_HPP_MALLOC(Vek8sc, veksMalloc_8sc)
VEKS_HPP_MALLOC(Vek16u, veksMalloc_16u)
VEKS_HPP_MALLOC(Vek16s, veksMalloc_16s)
VEKS_HPP_MALLOC(Vek16sc, veksMalloc_16sc)
VEKS_HPP_MALLOC(Vek32u, veksMalloc_32u)
VEKS_HPP_MALLOC(Vek32s, veksMalloc_32s)
VEKS_HPP_MALLOC(Vek32sc, veksMalloc_32sc)
VEKS_HPP_MALLOC(Vek32f, veksMalloc_32f)
VEKS_HPP_MALLOC(Vek32fc, veksMalloc_32fc)
VEKS_HPP_MALLOC(Vek64s, veksMalloc_64s)
VEKS_HPP_MALLOC(Vek64sc, veksMalloc_64sc)
VEKS_HPP_MALLOC(Vek64f, veksMalloc_64f)
VEKS_HPP_MALLOC(Vek64fc, veksMalloc_64fc)
#undef VEKS_HPP_MALLOC
}  // namespace detail

// Sole owner of len elements from veksMalloc_* (aligned, uninitialised),
// released with veksFree. A contiguous container: it can stand for a
// vector in veks::call.
template <class T>
class buffer {
public:
    using value_type = T;
    using size_type = std::size_t;

    constexpr buffer() noexcept = default;
    // Adopts storage from veksMalloc_* holding len elements.
    buffer(T* adopted, int len) noexcept : p_(adopted), n_(adopted ? len : 0) {}
    buffer(buffer&& other) noexcept : p_(std::exchange(other.p_, nullptr)), n_(std::exchange(other.n_, 0)) {}
    buffer& operator=(buffer&& other) noexcept {
        if (this != &other) {
            veksFree(p_);
            p_ = std::exchange(other.p_, nullptr);
            n_ = std::exchange(other.n_, 0);
        }
        return *this;
    }
    buffer(const buffer&) = delete;
    buffer& operator=(const buffer&) = delete;
    ~buffer() { veksFree(p_); }

    T* data() const noexcept { return p_; }
    size_type size() const noexcept { return static_cast<size_type>(n_); }
    bool empty() const noexcept { return n_ == 0; }
    T* begin() const noexcept { return p_; }
    T* end() const noexcept { return p_ + n_; }
    T& operator[](size_type i) const noexcept { return p_[i]; }

    T* release() noexcept {
        n_ = 0;
        return std::exchange(p_, nullptr);
    }

    friend void swap(buffer& a, buffer& b) noexcept {
        std::swap(a.p_, b.p_);
        std::swap(a.n_, b.n_);
    }

private:
    T* p_ = nullptr;
    int n_ = 0;
};

// len elements of library storage. len 0 gives an empty buffer, a negative
// len status::size_err, no memory status::mem_alloc_err.
template <class T>
result<buffer<T>> allocate(int len) noexcept {
    if (len < 0) return {status::size_err, buffer<T>()};
    if (len == 0) return {status::no_err, buffer<T>()};
    T* p = detail::allocator_of<T>::allocate(len);
    if (!p) return {status::mem_alloc_err, buffer<T>()};
    return {status::no_err, buffer<T>(p, len)};
}
template <class T>
buffer<T> allocate_or_throw(int len) {
    return allocate<T>(len).value();
}

/* ---------------------------------------------------------------------- */
/* Calls with lengths taken from containers                                */
/* ---------------------------------------------------------------------- */

namespace detail {

template <class T>
using bare = std::remove_cv_t<std::remove_reference_t<T>>;

template <class T>
struct is_owner : std::false_type {};
template <class T>
struct is_owner<owner<T>> : std::true_type {};

template <class F>
struct fn_traits;
template <class R, class... P>
struct fn_traits<R (*)(P...)> {
    using ret = R;
    using params = std::tuple<P...>;
    static constexpr std::size_t arity = sizeof...(P);
};

template <class C, class = void>
struct element_of {
    using type = void;
};
template <class C>
struct element_of<C, std::enable_if_t<is_contiguous<C>::value>> {
    using type = std::remove_pointer_t<data_t<C>>;
};

template <class E>
struct is_std_complex : std::false_type {};
template <>
struct is_std_complex<std::complex<float>> : std::true_type {};
template <>
struct is_std_complex<std::complex<double>> : std::true_type {};

// The data pointer of a std::complex container: converts to the library's
// complex type of the same layout as well as to its own type.
template <class E>
struct complex_data {
    using vek = std::conditional_t<std::is_same<std::remove_cv_t<E>, std::complex<float>>::value, Vek32fc, Vek64fc>;
    using vek_ptr = std::conditional_t<std::is_const<E>::value, const vek*, vek*>;
    E* p;
    operator E*() const noexcept { return p; }
    operator vek_ptr() const noexcept { return reinterpret_cast<vek_ptr>(p); }
};

// An argument as the C function receives it.
template <class A>
decltype(auto) to_c(A&& a) noexcept {
    using E = typename element_of<std::remove_reference_t<A>>::type;
    if constexpr (is_contiguous<bare<A>>::value && is_std_complex<std::remove_cv_t<E>>::value)
        return complex_data<E>{std::data(a)};
    else if constexpr (is_contiguous<bare<A>>::value)
        return std::data(a);
    else if constexpr (is_owner<bare<A>>::value)
        return a.get();
    else
        return std::forward<A>(a);
}
template <class A>
using c_t = decltype(to_c(std::declval<A>()));

template <class... A>
constexpr int last_container() noexcept {
    constexpr bool flags[] = {false, is_contiguous<bare<A>>::value...};
    int last = -1;
    for (int i = 1; i < static_cast<int>(sizeof(flags)); ++i)
        if (flags[i]) last = i - 1;
    return last;
}

// Whether F accepts Pre..., the first K converted arguments, an int
// length, then the rest, with an int parameter in the length slot.
template <class F, class Pre, class Args, std::size_t K, class I, class J>
struct slot_fits_impl;
template <class F, class... Pre, class... C, std::size_t K, std::size_t... I, std::size_t... J>
struct slot_fits_impl<F, std::tuple<Pre...>, std::tuple<C...>, K, std::index_sequence<I...>,
                      std::index_sequence<J...>>
    : std::conjunction<
          std::is_same<std::tuple_element_t<sizeof...(Pre) + K, typename fn_traits<F>::params>, int>,
          std::is_invocable<F, Pre..., std::tuple_element_t<I, std::tuple<C...>>..., int,
                            std::tuple_element_t<K + J, std::tuple<C...>>...>> {};
template <class F, class Pre, class Args, std::size_t K>
using slot_fits = slot_fits_impl<F, Pre, Args, K, std::make_index_sequence<K>,
                                 std::make_index_sequence<std::tuple_size<Args>::value - K>>;

template <class F, class Pre, class Args, std::size_t... K>
constexpr int first_fitting_slot(int from, std::index_sequence<K...>) noexcept {
    constexpr bool fits[] = {slot_fits<F, Pre, Args, K>::value...};
    for (int k = from; k < static_cast<int>(sizeof...(K)); ++k)
        if (fits[k]) return k;
    return -1;
}

// Where the inferred length goes among the caller's arguments, or -1.
template <class F, class Pre, class... A>
constexpr int length_slot() noexcept {
    constexpr int last = last_container<A...>();
    if constexpr (last < 0) {
        return -1;
    } else {
        return first_fitting_slot<F, Pre, std::tuple<c_t<A>...>>(
            last + 1, std::make_index_sequence<sizeof...(A) + 1>{});
    }
}

template <class A>
void merge_length(std::size_t& len, bool& seen, bool& same, const A& a) noexcept {
    if constexpr (is_contiguous<bare<A>>::value) {
        const std::size_t n = static_cast<std::size_t>(std::size(a));
        if (seen && n != len) same = false;
        len = n;
        seen = true;
    }
}

template <std::size_t K, class F, class Pre, class Args, std::size_t... I, std::size_t... J>
VekStatus call_with_length(F fn, Pre& pre, int len, Args& args, std::index_sequence<I...>,
                           std::index_sequence<J...>) {
    return std::apply([&](auto... p) { return fn(p..., std::get<I>(args)..., len, std::get<K + J>(args)...); },
                      pre);
}

template <class F, class... Pre, class... A>
status dispatch(F fn, std::tuple<Pre...> pre, A&&... a) {
    using traits = fn_traits<F>;
    static_assert(std::is_same<typename traits::ret, VekStatus>::value,
                  "veks::call takes a library function that returns VekStatus");
    constexpr std::size_t given = sizeof...(Pre) + sizeof...(A);
    if constexpr (traits::arity == given) {
        return static_cast<status>(
            std::apply([&](auto... p) { return fn(p..., to_c(std::forward<A>(a))...); }, pre));
    } else if constexpr (traits::arity != given + 1) {
        static_assert(traits::arity == given + 1,
                      "veks::call: pass every argument of the function, or all but its length");
        return status::bad_arg_err;
    } else {
        constexpr int k = length_slot<F, std::tuple<Pre...>, A...>();
        if constexpr (k < 0) {
            static_assert(k >= 0,
                          "veks::call: no int parameter after the last container argument takes the length; "
                          "pass the length yourself");
            return status::bad_arg_err;
        } else {
            constexpr std::size_t slot = static_cast<std::size_t>(k);
            std::size_t len = 0;
            bool seen = false, same = true;
            (merge_length(len, seen, same, a), ...);
            if (!same || len > static_cast<std::size_t>(INT_MAX)) return status::size_err;
            std::tuple<c_t<A>...> args(to_c(std::forward<A>(a))...);
            return static_cast<status>(call_with_length<slot>(fn, pre, static_cast<int>(len), args,
                                                              std::make_index_sequence<slot>{},
                                                              std::make_index_sequence<sizeof...(A) - slot>{}));
        }
    }
}

}  // namespace detail

// Calls fn with containers and owners in place of pointers; see the top of
// this file for how the length is found. Never throws.
template <class F, class... A>
[[nodiscard]] status call(F fn, A&&... args) {
    return detail::dispatch(fn, std::tuple<>(), std::forward<A>(args)...);
}

// As call, but throws veks::error for an error status.
template <class F, class... A>
status call_or_throw(F fn, A&&... args) {
    return check(detail::dispatch(fn, std::tuple<>(), std::forward<A>(args)...));
}

// Runs an InitAlloc function (its first parameter, the T** out, is
// supplied here; the rest follow the rules of call) and hands the object
// to an owner. On error the owner is empty.
template <class T, class... P, class... A>
result<owner<T>> init_alloc(VekStatus (*fn)(T**, P...), A&&... args) {
    T* object = nullptr;
    const status s = detail::dispatch(fn, std::tuple<T**>(&object), std::forward<A>(args)...);
    if (is_error(s)) return {s, owner<T>()};
    return {s, owner<T>(object)};
}

template <class T, class... P, class... A>
owner<T> init_alloc_or_throw(VekStatus (*fn)(T**, P...), A&&... args) {
    return init_alloc(fn, std::forward<A>(args)...).value();
}

}  // namespace veks

#endif  // VEKS_HPP
