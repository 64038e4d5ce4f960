// SPDX-License-Identifier: GPL-3.0-or-later
// The raster canvas's two inner loops over the rows of discs, in the widest registers the processor has:
// every step is exact (differences, comparisons, whole-number conversions), so all widths give one picture.
#include "screen/raster_canvas.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define ZORVIK_WIDE_REGISTERS 1
#endif

namespace zorvik {

namespace {

#if ZORVIK_WIDE_REGISTERS
bool wideAllowed = true;

bool haveWideRegisters()
{
    static const bool have = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") != 0;
    }();
    return have && wideAllowed;
}

// Four rows at a time.
__attribute__((target("avx2"))) std::size_t rowSpansWide(const double* half, std::size_t count, double cx, int* spans)
{
    const __m256d centre = _mm256_set1_pd(cx), oneHalf = _mm256_set1_pd(0.5), zero = _mm256_setzero_pd();
    const __m256d low = _mm256_set1_pd(-1e9), high = _mm256_set1_pd(1e9);
    const __m256d emptyLeft = _mm256_set1_pd(1), emptyRight = _mm256_setzero_pd();
    std::size_t i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m256d h = _mm256_loadu_pd(half + i);
        // cx - half - 0.5 and cx + half - 0.5, in this order, held to a billion either way.
        const __m256d a = _mm256_min_pd(_mm256_max_pd(_mm256_sub_pd(_mm256_sub_pd(centre, h), oneHalf), low), high);
        const __m256d b = _mm256_min_pd(_mm256_max_pd(_mm256_sub_pd(_mm256_add_pd(centre, h), oneHalf), low), high);
        const __m256d inside = _mm256_cmp_pd(h, zero, _CMP_GE_OQ);
        const __m256d ceiled = _mm256_round_pd(a, _MM_FROUND_TO_POS_INF | _MM_FROUND_NO_EXC);
        const __m256d floored = _mm256_round_pd(b, _MM_FROUND_TO_NEG_INF | _MM_FROUND_NO_EXC);
        const __m256d left = _mm256_blendv_pd(emptyLeft, ceiled, inside);
        const __m256d right = _mm256_blendv_pd(emptyRight, floored, inside);
        const __m128i lefts = _mm256_cvttpd_epi32(left), rights = _mm256_cvttpd_epi32(right);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(spans + 2 * i), _mm_unpacklo_epi32(lefts, rights));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(spans + 2 * i + 4), _mm_unpackhi_epi32(lefts, rights));
    }
    return i;
}

__attribute__((target("avx2"))) std::uint32_t rowsShowingWide(const int* mine, const int* later, int count, int& done)
{
    const __m256i lefts = _mm256_set_epi32(0, -1, 0, -1, 0, -1, 0, -1);
    std::uint32_t rows = 0;
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m256i own = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(mine + 2 * i));
        const __m256i theirs = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(later + 2 * i));
        // Lanes of left ends: their left end past mine; of right ends: my right end past theirs.
        const __m256i beyond = _mm256_or_si256(_mm256_and_si256(_mm256_cmpgt_epi32(theirs, own), lefts),
                                               _mm256_andnot_si256(lefts, _mm256_cmpgt_epi32(own, theirs)));
        const __m256i swapped = _mm256_shuffle_epi32(own, _MM_SHUFFLE(2, 3, 0, 1));
        const __m256i empty = _mm256_cmpgt_epi32(own, swapped);  // in the left lanes: left end past right end
        const __m256i either = _mm256_or_si256(beyond, _mm256_shuffle_epi32(beyond, _MM_SHUFFLE(2, 3, 0, 1)));
        const auto lanes = static_cast<std::uint32_t>(
            _mm256_movemask_ps(_mm256_castsi256_ps(_mm256_andnot_si256(empty, either))));
        // Bits 0, 2, 4 and 6 belong to the four rows.
        const std::uint32_t four = (lanes & 1) | ((lanes >> 1) & 2) | ((lanes >> 2) & 4) | ((lanes >> 3) & 8);
        rows |= four << i;
    }
    done = i;
    return rows;
}
#endif

} // namespace

void RasterCanvas::allowWideRegisters([[maybe_unused]] bool allowed)
{
#if ZORVIK_WIDE_REGISTERS
    wideAllowed = allowed;
#endif
}

// The span [ceil(cx - half - 0.5), floor(cx + half - 0.5)] of each row, and an empty one where half < 0: the
// plain rasteriser's arithmetic.
void RasterCanvas::rowSpans(const double* half, std::size_t count, double cx, int* spans)
{
    std::size_t i = 0;
#if ZORVIK_WIDE_REGISTERS
    if (haveWideRegisters())
        i = rowSpansWide(half, count, cx, spans);
#endif
    for (; i < count; ++i) {
        const bool inside = half[i] >= 0;
        spans[2 * i] = inside ? ceilToInt(cx - half[i] - 0.5) : 1;
        spans[2 * i + 1] = inside ? floorToInt(cx + half[i] - 0.5) : 0;
    }
}

// A bit for each of the (at most 32) rows where my span is not empty and reaches past the later span.
std::uint32_t RasterCanvas::rowsShowing(const int* mine, const int* later, int count)
{
    std::uint32_t rows = 0;
    int i = 0;
#if ZORVIK_WIDE_REGISTERS
    if (haveWideRegisters())
        rows = rowsShowingWide(mine, later, count, i);
#endif
    for (; i < count; ++i) {
        const int left = mine[2 * i], right = mine[2 * i + 1];
        if (left <= right && (later[2 * i] > left || later[2 * i + 1] < right))
            rows |= 1u << i;
    }
    return rows;
}

} // namespace zorvik
