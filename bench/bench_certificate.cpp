// The certificate's start-up cost: decoding the embedded sheet happens once, when the
// certificate window is made, before the main window shows.

#include "core/reports/certificateart.h"
#include "core/reports/jpegdecode.h"

#include <benchmark/benchmark.h>

using namespace quorvex;

static void DecodeCertificateSheet(benchmark::State& state)
{
    for (auto _ : state) {
        Result<RgbImage> sheet = decodeJpeg(certificateArtJpeg(), certificateArtName);
        benchmark::DoNotOptimize(sheet);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 1169 * 827 * 3);
}
BENCHMARK(DecodeCertificateSheet)->Unit(benchmark::kMillisecond);

// A damaged sheet must fail fast, not after decoding garbage.
static void RejectTruncatedSheet(benchmark::State& state)
{
    const Bytes half(certificateArtJpeg().substr(0, certificateArtJpeg().size() / 2));
    for (auto _ : state) {
        Result<RgbImage> sheet = decodeJpeg(half, certificateArtName);
        benchmark::DoNotOptimize(sheet);
    }
}
BENCHMARK(RejectTruncatedSheet)->Unit(benchmark::kMillisecond);
