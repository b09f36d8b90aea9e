// Lookups walk the active table linearly; a language switch re-captions every
// window with a few hundred of them. This measures one full pass over every
// English key, the worst case a re-captioning can reach.
#include "i18n/EmbeddedTables.h"
#include "i18n/Localization.h"
#include "i18n/Translate.h"

#include <benchmark/benchmark.h>

static void TranslateEveryEnglishKey(benchmark::State& state) {
    SetLanguage("EN");
    const auto& rows = EnglishTable().Rows();
    for (auto _ : state)
        for (const TTranslationRow& row : rows)
            benchmark::DoNotOptimize(Translate(row.Key));
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(rows.size()));
}
BENCHMARK(TranslateEveryEnglishKey);

static void LoadEnglishTable(benchmark::State& state) {
    for (auto _ : state) {
        TTranslationTable table(TMissingKey::MarkMissing);
        table.Load(EmbeddedLangEn());
        benchmark::DoNotOptimize(table.Rows().data());
    }
}
BENCHMARK(LoadEnglishTable);
