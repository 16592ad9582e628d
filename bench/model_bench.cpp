// The two computing procedures at the largest point count, and start-up's
// reading of the committed catalogue.

#include <benchmark/benchmark.h>

#include "bench_support.h"

namespace airfoil::bench {
namespace {

void BM_profil_hesapla_nP101(benchmark::State& state) {
  Window w = loaded_window();
  for (auto _ : state) {
    profil_hesapla(w);
    benchmark::DoNotOptimize(w.Yp(50));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_profil_hesapla_nP101);

void BM_basinc_hesapla_nP101(benchmark::State& state) {
  Window w = loaded_window();
  profil_hesapla(w);
  for (auto _ : state) {
    basınc_hesapla(w);
    benchmark::DoNotOptimize(w.Cp(50));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_basinc_hesapla_nP101);

void BM_profil_and_basinc_hesapla_nP101(benchmark::State& state) {
  Window w = loaded_window();
  for (auto _ : state) {
    profil_hesapla(w);
    basınc_hesapla(w);
    benchmark::DoNotOptimize(w.Cp(50));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_profil_and_basinc_hesapla_nP101);

void BM_Form_Load_committed_catalogue(benchmark::State& state) {
  for (auto _ : state) {
    Window w;
    w.catalogue_path = kCatalogue;
    Form_Load(w);
    benchmark::DoNotOptimize(w.TabEps(496));
  }
}
BENCHMARK(BM_Form_Load_committed_catalogue)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace airfoil::bench
