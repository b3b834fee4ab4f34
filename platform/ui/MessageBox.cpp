#include "platform/ui/MessageBox.hpp"

#include <deque>
#include <mutex>

namespace vx {
namespace {

struct Seam {
  std::mutex mutex;
  MessageBoxBackend backend;   // guarded by mutex; empty means headless
  std::deque<int> scripted;    // guarded by mutex
};

// Never destroyed: an assertion may show a box while the process exits.
Seam& seam() {
  static Seam* instance = new Seam;
  return *instance;
}

// What the headless backend answers when nothing is scripted: never a destructive choice.
int headlessDefaultAnswer(UINT flags) {
  switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
    case MB_RETRYCANCEL:
      return IDCANCEL;
    case MB_ABORTRETRYIGNORE:
      return IDIGNORE;
    case MB_YESNO:
      return IDNO;
    default:
      return IDOK;
  }
}

}  // namespace

int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
  MessageBoxBackend backend;
  {
    std::lock_guard guard(seam().mutex);
    if (!seam().backend) {
      if (seam().scripted.empty()) return headlessDefaultAnswer(flags);
      int answer = seam().scripted.front();
      seam().scripted.pop_front();
      return answer;
    }
    backend = seam().backend;
  }
  return backend(owner, text, caption, flags);  // may block on a user: never under the lock
}

void SetMessageBoxBackend(MessageBoxBackend backend) {
  std::lock_guard guard(seam().mutex);
  seam().backend = std::move(backend);
}

void ScriptMessageBoxAnswer(int answer) {
  std::lock_guard guard(seam().mutex);
  seam().scripted.push_back(answer);
}

}  // namespace vx
