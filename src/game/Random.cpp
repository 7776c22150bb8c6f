#include "Random.h"

#include <QTime>
#include <bit>
#include <ctime>

Random Random::fromTimeOfDay()
{
    return Random(std::uint64_t(QTime::currentTime().msecsSinceStartOfDay()) * 0x2545F4914F6CDD1Dull + 1);
}

std::uint64_t Random::next()
{
    // splitmix64: small, fast, and every state is valid.
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

void Random::randomize(double seed)
{
    state_ ^= std::bit_cast<std::uint64_t>(seed);
    next();
}

float Random::rnd()
{
    // 24 bits fill a float's mantissa exactly, so the result is below 1.
    return float(next() >> 40) * (1.0f / 16777216.0f);
}

double timeOfDay()
{
    // A palette shuffle asks for the time 202 times within a millisecond or
    // two: the local time of day is worked out once per second.
    static thread_local time_t second = -1;
    static thread_local int sinceMidnight = 0;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    if (now.tv_sec != second) {
        tm local{};
        localtime_r(&now.tv_sec, &local);
        second = now.tv_sec;
        sinceMidnight = local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
    }
    return sinceMidnight + double(now.tv_nsec / 1000000) / 1000.0;
}
