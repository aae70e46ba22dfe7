// A private CUPS scheduler with a cups-pdf queue, and reading the PDFs it prints.
#include "support/PrintQueue.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>

#include "support/Shell.h"
#include "support/TempDir.h"

namespace gw::test {

namespace fs = std::filesystem;

namespace {

constexpr char kCupsd[] = "/usr/sbin/cupsd";
constexpr char kBackend[] = "/usr/lib/cups/backend/cups-pdf";
constexpr char kPpd[] = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";
// cups-pdf reads the configuration of a queue named in its device URI from here; it has no other
// place, so the queue's own file goes there for the life of the queue.
constexpr char kPdfConfDir[] = "/etc/cups";

bool Have(const std::string& program) {
  return RunShell("command -v " + program + " >/dev/null").code == 0;
}

std::string Quoted(const std::string& s) {
  return "'" + s + "'";
}

// CUPS clients remember the server they asked first; a test that moves to another scheduler
// makes the client library of this process read CUPS_SERVER again, when it is loaded already.
void PointCupsAt(const std::string& server) {
  setenv("CUPS_SERVER", server.c_str(), 1);
  if (void* cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD)) {
    using SetServer = void (*)(const char*);
    if (auto set = reinterpret_cast<SetServer>(dlsym(cups, "cupsSetServer"))) set(nullptr);
    dlclose(cups);
  }
}

// Whether a process is still running. The scheduler is not this process's child, so once it has
// ended it may stay a zombie until init reaps it: that counts as ended.
bool Running(long pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(stat, line)) return false;
  const size_t close = line.rfind(')');
  return close != std::string::npos && close + 2 < line.size() && line[close + 2] != 'Z';
}

void Sleep(double seconds) {
  std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

}  // namespace

PrintQueue::PrintQueue() {
  ready_ = Start();
  if (!ready_) Stop();
}

PrintQueue::~PrintQueue() {
  Stop();
}

std::string PrintQueue::Privileged(const std::string& command) const {
  return sudo_ + command;
}

bool PrintQueue::Start() {
  if (geteuid() != 0) {
    if (RunShell("sudo -n true").code != 0) {
      whyNot_ =
          "a private cupsd needs root or password-less sudo (its cups-pdf backend runs as "
          "root)";
      return false;
    }
    sudo_ = "sudo -n ";
  }
  for (const char* file : {kCupsd, kBackend, kPpd})
    if (!fs::exists(file)) {
      whyNot_ = std::string(file) + " is missing (install cups and printer-driver-cups-pdf)";
      return false;
    }
  for (const char* tool : {"lpadmin", "lpstat", "ipptool", "pdftotext", "pdfinfo"})
    if (!Have(tool)) {
      whyNot_ = std::string(tool) + " is not installed";
      return false;
    }
  if (!fs::is_directory(kPdfConfDir)) {
    whyNot_ = std::string(kPdfConfDir) + " is missing";
    return false;
  }

  // Short and world-traversable: the socket path has a length limit, and the filters run as lp.
  std::string pattern = "/tmp/gwcups-XXXXXX";
  if (!mkdtemp(pattern.data())) {
    whyNot_ = "cannot make a folder in /tmp";
    return false;
  }
  dir_ = pattern;
  fs::permissions(dir_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                            fs::perms::others_read | fs::perms::others_exec);
  for (const char* sub : {"root", "spool", "cache", "state", "log", "pdf", "pdfspool"})
    fs::create_directory(dir_ + "/" + sub);
  fs::create_directory(dir_ + "/tmp");
  fs::permissions(dir_ + "/tmp", fs::perms::all | fs::perms::sticky_bit);
  socket_ = dir_ + "/cups.sock";
  name_ = "gwtest_" + std::to_string(getpid());

  WriteText(dir_ + "/cups-files.conf",
            "ServerRoot " + dir_ + "/root\nRequestRoot " + dir_ + "/spool\nCacheDir " + dir_ +
                "/cache\nStateDir " + dir_ + "/state\nTempDir " + dir_ + "/tmp\nErrorLog " + dir_ +
                "/log/error_log\nAccessLog " + dir_ + "/log/access_log\nPageLog " + dir_ +
                "/log/page_log\nPrintcap " + dir_ + "/printcap\nSystemGroup root\n");
  WriteText(dir_ + "/cupsd.conf",
            "LogLevel warn\nListen " + socket_ +
                "\nBrowsing Off\nWebInterface No\nDefaultAuthType None\n<Location />\nOrder "
                "allow,deny\nAllow all\n</Location>\n<Location /admin>\nOrder allow,deny\nAllow "
                "all\n</Location>\n");
  const std::string conf = dir_ + "/cups-pdf.conf";
  WriteText(conf, "Out " + dir_ + "/pdf\nSpool " + dir_ + "/pdfspool\nLog " + dir_ +
                      "/log\nGrp root\nUserUMask 0022\n");
  pdfConf_ = std::string(kPdfConfDir) + "/cups-pdf-" + name_ + ".conf";
  if (RunShell(Privileged("cp " + Quoted(conf) + " " + Quoted(pdfConf_))).code != 0) {
    pdfConf_.clear();
    whyNot_ = std::string("cannot write the queue's cups-pdf configuration into ") + kPdfConfDir;
    return false;
  }

  const ShellRun started = RunShell(
      Privileged("setsid " + std::string(kCupsd) + " -f -c " + Quoted(dir_ + "/cupsd.conf") +
                 " -s " + Quoted(dir_ + "/cups-files.conf") + " >" + Quoted(dir_ + "/cupsd.log") +
                 " 2>&1 </dev/null & echo $!"));
  pid_ = std::atol(started.out.c_str());
  if (pid_ <= 0) {
    whyNot_ = "cupsd did not start: " + started.out;
    return false;
  }
  const std::string server = "CUPS_SERVER=" + Quoted(socket_) + " ";
  bool running = false;
  for (int i = 0; i < 200 && !running; ++i) {
    running = RunShell(server + "lpstat -r").out.find("is running") != std::string::npos;
    if (!running) Sleep(0.05);
  }
  if (!running) {
    whyNot_ = "cupsd did not answer: " + ReadText(dir_ + "/cupsd.log");
    return false;
  }
  // The cairo renderer keeps the text of a page searchable through the PostScript step.
  const ShellRun added = RunShell(Privileged(
      server + "lpadmin -p " + name_ + " -E -v cups-pdf:/" + name_ + " -P " + kPpd +
      " -o pdftops-renderer-default=pdftocairo && " + sudo_ + server + "lpadmin -d " + name_));
  if (added.code != 0) {
    whyNot_ = "the cups-pdf queue could not be added: " + added.out;
    return false;
  }
  return true;
}

void PrintQueue::Stop() {
  if (pid_ > 0) {
    RunShell(Privileged("kill " + std::to_string(pid_)));
    for (int i = 0; i < 100 && Running(pid_); ++i) Sleep(0.02);
    if (Running(pid_)) RunShell(Privileged("kill -9 " + std::to_string(pid_)));
    pid_ = 0;
  }
  if (!pdfConf_.empty()) RunShell(Privileged("rm -f " + Quoted(pdfConf_)));
  pdfConf_.clear();
  if (!dir_.empty()) RunShell(Privileged("rm -rf " + Quoted(dir_)));
  dir_.clear();
}

void PrintQueue::Use() const {
  PointCupsAt(socket_);
}

void PrintQueue::RejectJobs() const {
  RunShell(Privileged("CUPS_SERVER=" + Quoted(socket_) + " cupsreject " + name_));
}

std::vector<std::string> PrintQueue::WaitForPdfs(size_t count, double seconds) const {
  const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  std::vector<std::string> pdfs;
  for (;;) {
    pdfs.clear();
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(dir_ + "/pdf", ec))
      if (e.path().extension() == ".pdf") pdfs.push_back(e.path().string());
    const bool idle =
        RunShell("CUPS_SERVER=" + Quoted(socket_) + " lpstat -o " + name_).out.empty();
    if ((pdfs.size() >= count && idle) || std::chrono::steady_clock::now() > until) break;
    Sleep(0.1);
  }
  std::sort(pdfs.begin(), pdfs.end(), [](const std::string& a, const std::string& b) {
    return fs::last_write_time(a) < fs::last_write_time(b);
  });
  return pdfs;
}

std::vector<PrintQueue::Job> PrintQueue::Jobs() const {
  const std::string test = dir_ + "/jobs.test";
  WriteText(test,
            "{\n OPERATION Get-Jobs\n GROUP operation-attributes-tag\n ATTR charset "
            "attributes-charset utf-8\n ATTR naturalLanguage attributes-natural-language en\n ATTR "
            "uri printer-uri $uri\n ATTR keyword which-jobs all\n ATTR keyword "
            "requested-attributes job-id,copies,job-name,job-state\n}\n");
  std::string uri = "ipp://";
  for (char c : socket_) uri += c == '/' ? std::string("%2F") : std::string(1, c);
  const ShellRun run =
      RunShell("ipptool -tv " + Quoted(uri + "/printers/" + name_) + " " + Quoted(test));
  // The answer's job attributes come after "RECEIVED", one job after another, parted by
  // "-- separator --" lines; a job's copies are left out when they are 1.
  std::vector<Job> jobs;
  std::istringstream lines(run.out);
  std::string line;
  const std::regex attribute(R"(^\s*([a-z-]+) \([^)]*\) = (.*)$)");
  Job job;
  bool any = false, received = false;
  auto flush = [&] {
    if (any) jobs.push_back(job);
    job = Job{};
    any = false;
  };
  std::smatch m;
  while (std::getline(lines, line)) {
    if (line.find("RECEIVED:") != std::string::npos) received = true;
    if (!received) continue;
    if (line.find("-- separator --") != std::string::npos) {
      flush();
      continue;
    }
    if (!std::regex_match(line, m, attribute)) continue;
    const std::string key = m[1], value = m[2];
    if (key == "job-id")
      job.id = std::atoi(value.c_str());
    else if (key == "copies")
      job.copies = std::atoi(value.c_str());
    else if (key == "job-name")
      job.name = value;
    else if (key == "job-state")
      job.state = value.substr(0, value.find(' '));
    else
      continue;
    any = true;
  }
  flush();
  return jobs;
}

void UseNoPrinters() {
  PointCupsAt("/nonexistent/gridwright-no-printers.sock");
}

PdfFacts ReadPdf(const std::string& path) {
  PdfFacts facts;
  const ShellRun info = RunShell("pdfinfo " + Quoted(path));
  std::smatch m;
  if (std::regex_search(info.out, m, std::regex(R"(Pages:\s+(\d+))")))
    facts.pages = std::atoi(m[1].str().c_str());
  if (std::regex_search(info.out, m, std::regex(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)"))) {
    facts.width = std::atof(m[1].str().c_str());
    facts.height = std::atof(m[2].str().c_str());
  }
  if (std::regex_search(info.out, m, std::regex(R"(Title:\s+\(?([^)\n]*)\)?\n)")))
    facts.title = m[1];
  facts.text = RunShell("pdftotext -layout " + Quoted(path) + " -").out;
  return facts;
}

bool WordRunsDown(const std::string& path, const std::string& word) {
  const ShellRun boxes = RunShell("pdftotext -bbox -f 1 -l 1 " + Quoted(path) + " -");
  const std::regex box(
      "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">" + word +
      "</word>");
  std::smatch m;
  if (!std::regex_search(boxes.out, m, box)) return false;
  const double w = std::atof(m[3].str().c_str()) - std::atof(m[1].str().c_str());
  const double h = std::atof(m[4].str().c_str()) - std::atof(m[2].str().c_str());
  return h > w;
}

}  // namespace gw::test
