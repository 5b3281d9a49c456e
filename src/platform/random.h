#pragma once
// The program's one random source. Everything that draws a random number takes a Random&,
// so tests pin the draws with a scripted source.
#include <cstdint>
#include <random>

class Random {
 public:
  virtual ~Random() = default;
  // A uniform integer in 0..n-1; n must be at least 1.
  virtual int Below(int n) = 0;
  // Seeds the generator from the clock.
  virtual void Reseed() = 0;
};

class StdRandom final : public Random {
 public:
  StdRandom();
  int Below(int n) override;
  void Reseed() override;

 private:
  std::mt19937 engine_;
};

// True when a uniform integer in 0..99 is below percent.
bool Chance(Random& random, int percent);
