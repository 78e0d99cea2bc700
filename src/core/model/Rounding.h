#pragma once

namespace ornadeck {

// numerator / denominator rounded to the nearest integer, an exact half going to the even
// neighbour (banker's rounding). The denominator must not be 0.
constexpr int roundHalfToEven(long long numerator, long long denominator) {
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    long long q = numerator / denominator;
    long long r = numerator % denominator;
    if (r < 0) { // floor division
        q -= 1;
        r += denominator;
    }
    if (2 * r > denominator || (2 * r == denominator && q % 2 != 0)) q += 1;
    return static_cast<int>(q);
}

} // namespace ornadeck
