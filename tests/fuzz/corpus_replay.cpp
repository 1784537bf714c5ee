#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include <gtest/gtest.h>

// Every fuzz target's entry point, renamed after its target.
#define KORVEN_FUZZ_TARGET(name)                                                                   \
    extern "C" int korven_fuzz_##name(const std::uint8_t* data, std::size_t size);
#include "fuzz_targets.inc"
#undef KORVEN_FUZZ_TARGET

namespace {

struct FuzzTarget {
    const char* name;
    int (*run)(const std::uint8_t* data, std::size_t size);
};

const FuzzTarget kTargets[] = {
#define KORVEN_FUZZ_TARGET(name) {#name, korven_fuzz_##name},
#include "fuzz_targets.inc"
#undef KORVEN_FUZZ_TARGET
};

class FuzzCorpus : public testing::TestWithParam<FuzzTarget> {};

// The seed corpus of one fuzz target through its entry point, without clang;
// a property that fails aborts the program, after the seed's name.
TEST_P(FuzzCorpus, EverySeedRunsThrough) {
    const QDir corpus(QStringLiteral(KORVEN_FUZZ_CORPUS "/") + GetParam().name);
    const QStringList seeds = corpus.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(seeds.isEmpty()) << "no seeds in " << qPrintable(corpus.path());
    for (const QString& seed : seeds) {
        QFile file(corpus.filePath(seed));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << seed.toStdString();
        const QByteArray bytes = file.readAll();
        std::fprintf(stderr, "seed %s\n", qPrintable(seed));
        GetParam().run(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                       static_cast<std::size_t>(bytes.size()));
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzCorpus, testing::ValuesIn(kTargets),
                         [](const testing::TestParamInfo<FuzzTarget>& target) {
                             return std::string(target.param.name);
                         });

} // namespace
