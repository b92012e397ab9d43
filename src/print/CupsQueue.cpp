#include "print/CupsQueue.h"

#include <cups/cups.h>

#include "data/RuntimeError.h"

namespace kuitti {

namespace {

// How long staff wait for a print server that does not answer at all.
constexpr int kConnectTimeoutMs = 5000;

[[noreturn]] void Raise(const std::string& description) {
  throw RuntimeError(kPrinterError, description);
}

// The server as the client library is set to reach it: a local socket path, or host and port.
std::string ServerName() {
  const std::string server = cupsServer();
  return server.starts_with('/') ? server : server + ':' + std::to_string(ippPort());
}

std::string Option(const cups_dest_t* dest, const char* name) {
  const char* value = cupsGetOption(name, dest->num_options, dest->options);
  return value ? value : "";
}

std::string LastReason() {
  const char* reason = cupsLastErrorString();
  return reason && *reason ? reason : ippErrorString(cupsLastError());
}

}  // namespace

CupsQueue::CupsQueue() {
  // The client library keeps the server it found first; asked afresh for every document, a
  // server started or set up while the program runs is used by the next print.
  cupsSetServer(nullptr);
  // A connection test of our own: without it an unreachable server reads as "no default".
  http_ = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                       kConnectTimeoutMs, nullptr);
  if (!http_) {
    Raise("Tulostuspalvelin " + ServerName() + " ei vastaa.");
  }
  dest_ = cupsGetNamedDest(http_, nullptr, nullptr);
  if (!dest_) {
    const ipp_status_t status = cupsLastError();
    httpClose(http_);
    if (status == IPP_STATUS_ERROR_NOT_FOUND) {
      Raise("Oletustulostinta ei ole asetettu.");
    }
    Raise("Tulostuspalvelin " + ServerName() + " ei vastaa.");
  }
  name_ = dest_->instance ? std::string(dest_->name) + '/' + dest_->instance : dest_->name;
}

CupsQueue::~CupsQueue() {
  cupsFreeDests(1, dest_);
  httpClose(http_);
}

void CupsQueue::CheckReady() const {
  if (Option(dest_, "printer-is-accepting-jobs") == "false") {
    Raise("Tulostin " + name_ + " ei ota vastaan töitä.");
  }
  if (Option(dest_, "printer-state") == std::to_string(IPP_PSTATE_STOPPED)) {
    Raise("Tulostin " + name_ + " on pysäytetty; työ jäisi odottamaan.");
  }
}

int CupsQueue::Submit(std::string_view pdf, const std::string& title) {
  const int job = cupsCreateJob(http_, dest_->name, title.c_str(), 0, nullptr);
  if (job == 0) {
    Raise("Tulostin " + name_ + " ei hyväksynyt työtä: " + LastReason());
  }
  bool sent = cupsStartDocument(http_, dest_->name, job, title.c_str(), CUPS_FORMAT_PDF, 1) ==
              HTTP_STATUS_CONTINUE;
  if (sent) {
    const bool written =
        cupsWriteRequestData(http_, pdf.data(), pdf.size()) == HTTP_STATUS_CONTINUE;
    // Finished even after a failed write, to read the server's answer.
    sent = cupsFinishDocument(http_, dest_->name) < IPP_STATUS_REDIRECTION_OTHER_SITE && written;
  }
  if (!sent) {
    const std::string reason = LastReason();
    cupsCancelJob2(http_, dest_->name, job, 0);
    Raise("Tulostin " + name_ + " ei hyväksynyt työtä: " + reason);
  }
  return job;
}

}  // namespace kuitti
