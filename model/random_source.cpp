#include "model/random_source.h"

#include <array>
#include <chrono>

namespace quintel {

RandomSource RandomSource::fromEntropy() {
    std::random_device device;
    std::seed_seq seeds{
        device(), device(), device(), device(),
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count())};
    std::array<std::uint64_t, 1> seed{};
    seeds.generate(seed.begin(), seed.end());
    return RandomSource(seed[0]);
}

double RandomSource::next() {
    // 53 random bits scaled into [0, 1): never 1.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

int RandomSource::die() {
    const int value = static_cast<int>(next() * 6.0 + 1.0);
    return value > 6 ? 6 : value;
}

} // namespace quintel
