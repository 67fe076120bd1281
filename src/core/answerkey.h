// SPDX-License-Identifier: GPL-3.0-or-later
// A paper's answer key: constant data in each paper's own module.
#pragma once

#include <array>

namespace zut {

struct AnswerKey {
    // The correct option, 1 to 4, of А1 … А20.
    std::array<int, 20> part1;
    // The accepted strings of B1 … B8, in the order they are compared; the
    // second is null where a task accepts only one.
    std::array<std::array<const char16_t*, 2>, 8> part2;
};

} // namespace zut
