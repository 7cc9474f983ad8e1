// SPDX-License-Identifier: MIT
// The C runtime's linear congruential generator. Pictures seeded from the clock depend on
// its exact sequence, so each drawing owns one instead of sharing a hidden global state.
#pragma once

#include <cstdint>

class CCrtRandom {
public:
    static constexpr int RAND_MAX_VALUE = 0x7FFF;

    explicit CCrtRandom(std::uint32_t seed = 1)
        : m_nState(seed) {}

    void srand(std::uint32_t seed) { m_nState = seed; }

    // 0 to 32767.
    int rand() {
        m_nState = m_nState * 214013u + 2531011u;
        return int((m_nState >> 16) & 0x7FFF);
    }

private:
    std::uint32_t m_nState;
};
