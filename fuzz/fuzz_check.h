// SPDX-License-Identifier: MIT
// The harnesses' assertion: a broken property is a finding, reported like a crash.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, what)                                                    \
    do {                                                                               \
        if (!(condition)) {                                                            \
            std::fprintf(stderr, "property violated at %s:%d: %s\n", __FILE__, __LINE__, \
                         what);                                                        \
            std::abort();                                                              \
        }                                                                              \
    } while (false)
