#include "platform/random.h"

#include <chrono>

StdRandom::StdRandom() { Reseed(); }

int StdRandom::Below(int n) {
  if (n <= 1) return 0;
  return std::uniform_int_distribution<int>(0, n - 1)(engine_);
}

void StdRandom::Reseed() {
  engine_.seed(static_cast<uint32_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

bool Chance(Random& random, int percent) { return random.Below(100) < percent; }
