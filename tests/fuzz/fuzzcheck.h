#pragma once

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A broken property ends the run loudly, so the fuzzer keeps the input.
#define FUZZ_CHECK(condition, detail)                                                                                  \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "property broken: %s (%s)\n", #condition, qPrintable(detail));                        \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

namespace FuzzInput {

// Reads the input as a run of UTF-8 texts separated by NUL bytes.
QStringList texts(const uint8_t *data, size_t size, int count);

// True when text is a result as the formats write it: an optional minus,
// integer digits without a leading zero, a full stop and 1 to 3 decimals.
bool isWellFormedResult(const QString &text, int minDecimals, int maxDecimals);

} // namespace FuzzInput
