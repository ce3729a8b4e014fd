#pragma once

namespace rac {

// Sets a flag for as long as it lives: what a procedure is doing, for the rules it sets off
// meanwhile to see ("showing results", "closing").
class FlagWhile {
  public:
    explicit FlagWhile(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagWhile() { flag_ = false; }
    FlagWhile(const FlagWhile&) = delete;
    FlagWhile& operator=(const FlagWhile&) = delete;

  private:
    bool& flag_;
};

} // namespace rac
