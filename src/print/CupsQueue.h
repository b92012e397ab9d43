#pragma once

#include <string>
#include <string_view>

typedef struct _http_s http_t;
typedef struct cups_dest_s cups_dest_t;

namespace kuitti {

// The default destination of the CUPS server, over one connection of its own. Every answer of
// the server is turned into its own RuntimeError 482, so no failure goes unreported.
class CupsQueue {
 public:
  // Connects to the server and looks up the default destination; throws when the server does
  // not answer or no default printer is set.
  CupsQueue();
  ~CupsQueue();
  CupsQueue(const CupsQueue&) = delete;
  CupsQueue& operator=(const CupsQueue&) = delete;

  // The destination's name as staff see it in the print settings.
  const std::string& name() const { return name_; }

  // Throws when the printer refuses jobs or is stopped: a job then would be lost or would wait
  // unseen, so it is not sent at all.
  void CheckReady() const;

  // Sends the PDF as one job and gives its number; throws with the server's reason when the job
  // is not accepted, and cancels a job that was created but not completed.
  int Submit(std::string_view pdf, const std::string& title);

 private:
  http_t* http_ = nullptr;
  cups_dest_t* dest_ = nullptr;
  std::string name_;
};

}  // namespace kuitti
