// A real print queue for tests: a private CUPS scheduler with one cups-pdf queue, and what the
// PDFs it prints hold.
#pragma once

#include <string>
#include <vector>

namespace gw::test {

// Starts its own cupsd (own configuration folder, socket and spool; nothing shared with a system
// scheduler) with one cups-pdf queue, the default destination, whose jobs land as PDF files in a
// folder of its own. Use() points this process's CUPS clients, Qt's included, and the programs
// it starts at it. Where it cannot start (no root and no sudo, CUPS or cups-pdf missing) Ready()
// is false and WhyNot() says why, for the test to report itself skipped. The scheduler is
// stopped by its pid when the object goes.
class PrintQueue {
 public:
  PrintQueue();
  ~PrintQueue();
  PrintQueue(const PrintQueue&) = delete;
  PrintQueue& operator=(const PrintQueue&) = delete;

  bool Ready() const { return ready_; }
  const std::string& WhyNot() const { return whyNot_; }
  const std::string& Name() const { return name_; }
  void Use() const;
  // Makes the queue refuse every job from now on, as cupsreject does.
  void RejectJobs() const;

  // The PDFs printed so far, oldest first, once `count` have arrived and no job is still waiting
  // (at most `seconds`).
  std::vector<std::string> WaitForPdfs(size_t count, double seconds = 30) const;

  struct Job {
    int id = 0;
    int copies = 1;
    std::string name;
    std::string state;  // "completed", "canceled", "aborted", "processing", ...
  };
  // Every job the scheduler took, completed ones included.
  std::vector<Job> Jobs() const;

 private:
  std::string Privileged(const std::string& command) const;
  bool Start();
  void Stop();

  bool ready_ = false;
  std::string whyNot_;
  std::string dir_, socket_, name_, pdfConf_;
  std::string sudo_;  // "sudo -n " when not root
  long pid_ = 0;
};

// Points this process's CUPS clients at a socket where nothing listens: no printer at all.
void UseNoPrinters();

// What a PDF holds, read with poppler's tools.
struct PdfFacts {
  int pages = 0;
  double width = 0, height = 0;  // the first page, in points
  std::string title;
  std::string text;  // every page, laid out
};
PdfFacts ReadPdf(const std::string& path);
// True when the first occurrence of `word` on the first page runs down the page rather than
// across it, as the text of a landscape page does on the portrait sheet a printer feeds.
bool WordRunsDown(const std::string& path, const std::string& word);

}  // namespace gw::test
