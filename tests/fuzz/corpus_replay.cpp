#include "fuzz_input.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

// The seed corpus of one fuzz target, run through its entry point as the
// fuzzer runs it, so the normal build keeps every seed passing without
// clang. A property that fails aborts the program with its name, after the
// name of the seed.
TEST(FuzzCorpus, EverySeedRunsThrough) {
    const QDir corpus(QStringLiteral(KORVEN_FUZZ_CORPUS));
    const QStringList seeds = corpus.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(seeds.isEmpty()) << "no seeds in " << KORVEN_FUZZ_CORPUS;
    for (const QString& seed : seeds) {
        QFile file(corpus.filePath(seed));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << seed.toStdString();
        const QByteArray bytes = file.readAll();
        std::fprintf(stderr, "seed %s\n", qPrintable(seed));
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                               static_cast<std::size_t>(bytes.size()));
    }
}
