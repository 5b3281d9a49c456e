#pragma once
// A fresh temporary folder, removed with everything in it at the end of the test.
#include <string>

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  void Write(const std::string& name, const std::string& bytes) const;
  std::string Read(const std::string& name) const;
  // A named pipe that nothing writes to: opening it for reading the usual way waits forever.
  void MakePipe(const std::string& name) const;

 private:
  std::string path_;
};
