#pragma once
// The phase of blinking shared by lit items: while On, the next tick shows them lit. The keys
// of the keyboard share one; the two hand windows share another, owned by the program.
struct FlashPhase {
  bool On = true;
};
