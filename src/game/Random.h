#pragma once
#include <cstdint>
#include <functional>

// The game's random source: values in [0, 1). Seeding mixes the number into
// the current state rather than restarting, so seeding twice with the same
// clock reading still gives fresh values.
class Random {
public:
    explicit Random(std::uint64_t state = 0x9E3779B97F4A7C15ull) : state_(state) {}
    // A source that starts elsewhere at every run of the program.
    static Random fromTimeOfDay();
    void randomize(double seed);
    float rnd();

private:
    std::uint64_t next();
    std::uint64_t state_;
};

// What the shuffles seed from: seconds since midnight, with the fraction.
using Clock = std::function<double()>;
double timeOfDay();
