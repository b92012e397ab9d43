#pragma once

namespace kuitti {

// The busy cursor of a window of the steps (Form1's or the search's) for as long as this lives.
template <typename ShownWindow>
class Busy {
 public:
  explicit Busy(ShownWindow& window) : window_(window) { window_.SetBusy(true); }
  ~Busy() { window_.SetBusy(false); }
  Busy(const Busy&) = delete;
  Busy& operator=(const Busy&) = delete;

 private:
  ShownWindow& window_;
};

}  // namespace kuitti
