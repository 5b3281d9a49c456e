#pragma once
// Fakes for the platform services: a clock moved by hand, a random source with prepared
// draws, a shell that records what it was asked to open, recording key guides and a recorder
// of practice results.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "game/game_recorder.h"
#include "platform/clock.h"
#include "platform/document_shell.h"
#include "platform/random.h"
#include "practice/key_guides.h"
#include "practice/practice_recorder.h"

class FakeClock final : public Clock {
 public:
  int64_t NowMs() override { return now; }
  void Advance(int64_t ms) { now += ms; }
  int64_t now = 1000;
};

// Returns the prepared draws in order, then thenAlways if it is set (each reduced below n). A
// draw with nothing prepared fails the test, unless it has only one possible answer.
class ScriptedRandom final : public Random {
 public:
  explicit ScriptedRandom(std::optional<int> thenAlways = std::nullopt) : thenAlways(thenAlways) {}
  int Below(int n) override {
    draws.push_back(n);
    int value = 0;
    if (!values.empty()) {
      value = values.front();
      values.pop_front();
    } else if (thenAlways) {
      value = *thenAlways;
    } else if (n > 1) {
      ADD_FAILURE() << "a random draw below " << n << " with none prepared";
    }
    return n > 0 ? value % n : 0;
  }
  void Reseed() override { ++reseeds; }
  std::deque<int> values;
  std::optional<int> thenAlways;  // for tests to which the draws do not matter
  std::vector<int> draws;  // the n of every draw, in order
  int reseeds = 0;
};

class RecordingShell final : public DocumentShell {
 public:
  bool Open(const std::string& document) override {
    opened.push_back(document);
    for (const auto& ok : existing) {
      if (ok == document) return true;
    }
    return false;
  }
  std::vector<std::string> existing;
  std::vector<std::string> opened;
};

class RecordingGuides final : public KeyGuides {
 public:
  void ShowBelow(QWidget&) override { shown = true; }
  void HideGuides() override { shown = false; }
  int ShowNextKey(char ch) override {
    keys.push_back(ch);
    return fingerForNextKey;
  }
  std::string DeadKeyStrokesFor(char ch) const override {
    return ch == '\xE2' ? "^ + a" : "";  // â, as on a French layout
  }
  void ClearNextKey() override { keys.push_back('\0'); }
  void LightFinger(Hand hand, int finger) override {
    events.push_back((hand == Hand::Left ? "L" : "R") + std::to_string(finger));
  }
  void ClearFinger(Hand hand) override { events.push_back(hand == Hand::Left ? "L-" : "R-"); }
  bool shown = false;
  int fingerForNextKey = -1;
  std::string keys;
  std::vector<std::string> events;
};

class RecordingRecorder final : public PracticeRecorder, public GameRecorder {
 public:
  void TypingFinished(const TypingResult& result) override { typing.push_back(result); }
  void GameFinished(const GameResult& result) override { games.push_back(result); }
  void KeyTyped(char expected, bool wrong) override {
    keys += expected;
    if (wrong) wrongKeys += expected;
  }
  std::vector<TypingResult> typing;
  std::vector<GameResult> games;
  std::string keys;       // every expected character, in order
  std::string wrongKeys;  // those typed wrong
};
