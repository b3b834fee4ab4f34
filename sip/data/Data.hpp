#pragma once
// Data: the engine's byte-string value and the cutting operations every SIP and SDP
// parser is built from.
//
// The bytes live in one buffer with a start offset. Cutting a prefix off the front only
// moves the offset, so a parser that walks a message cut by cut stays linear in its size.
// Copies never share storage: a copy takes the live bytes only.
#include <cstddef>
#include <string>
#include <string_view>

namespace vx {

// The cuts on a plain view: each takes a prefix off the front of the view and returns it,
// exactly as the Data member of the same name does, without copying any byte.
namespace cut {
std::string_view splitAtAnyOf(std::string_view& text, std::string_view set, bool& notFound);
std::string_view splitAtAnyOfOutside(std::string_view& text, std::string_view set, bool honourQuotes,
                                     bool honourAngles, bool& notFound);
std::string_view splitAtFirstOf(std::string_view& text, std::string_view set, char& matched);
std::string_view takeLine(std::string_view& text, bool& notFound);
// Where splitAtAnyOfOutside would cut (npos when nowhere); leftOpen tells whether the scan
// ended inside quotes or angle brackets.
std::size_t findOutside(std::string_view text, std::string_view set, bool honourQuotes, bool honourAngles,
                        bool& leftOpen);
}  // namespace cut

class Data {
 public:
  // Results of findAndSplit.
  static constexpr int kFound = 0;
  static constexpr int kNotFound = -1;
  static constexpr int kFoundAtStart = -2;

  Data() = default;
  Data(const char* text);  // NOLINT: engine texts convert freely from C texts
  Data(const char* bytes, std::size_t length);
  explicit Data(int value);
  Data(const std::string& text);  // NOLINT
  explicit Data(std::string_view text);
  Data(const Data& other);
  Data(Data&& other) noexcept;
  Data& operator=(const Data& other);
  Data& operator=(Data&& other) noexcept;
  virtual ~Data() = default;

  static Data hexFromBytes(const unsigned char* bytes, std::size_t n);

  const char* text() const { return buf_.c_str() + begin_; }
  std::size_t length() const { return buf_.size() - begin_; }
  bool empty() const { return length() == 0; }
  std::string_view view() const { return std::string_view(buf_).substr(begin_); }
  std::string str() const { return std::string(view()); }

  // Decimal value read like strtol in base 10; anything outside the open 32-bit range is 0.
  int toInt() const;

  char getChar(std::size_t index) const;
  void setChar(std::size_t index, char c);

  friend bool operator==(const Data& a, const Data& b) { return a.view() == b.view(); }
  friend bool operator==(const Data& a, const char* b) { return a.view() == std::string_view(b ? b : ""); }
  friend bool operator<(const Data& a, const Data& b) { return a.view() < b.view(); }

  static bool equalsNoCase(std::string_view a, std::string_view b);
  void toLower();

  Data& operator+=(const Data& other) { return append(other.view()); }
  Data& operator+=(const char* other) { return append(other ? std::string_view(other) : std::string_view()); }
  Data& operator+=(char c) { return append(std::string_view(&c, 1)); }
  Data& append(std::string_view bytes);
  friend Data operator+(const Data& a, const Data& b);
  friend Data operator+(const Data& a, const char* b);

  void clear();
  void reserve(std::size_t bytes) { buf_.reserve(begin_ + bytes); }
  Data substring(std::size_t start, long end) const;
  void trimSpaces();
  void unfoldLines();

  // The cutting family: each takes a prefix off the front of the object and returns it.
  int findAndSplit(std::string_view match, Data* prefix, bool replace, std::string_view replacement = {});
  Data splitAtAnyOf(std::string_view set, bool& notFound);
  Data splitAtAnyOfOutside(std::string_view set, bool honourQuotes, bool honourAngles, bool& notFound);
  Data splitAtFirstOf(std::string_view set, char& matched);
  Data takeLine(bool& notFound);

 private:
  // Drops n bytes from the front without moving the rest.
  void dropFront(std::size_t n) { begin_ += n; }
  // Runs a view cut on the live bytes and drops what it consumed.
  template <typename Cut>
  Data cutWith(Cut cutter);

  std::string buf_;
  std::size_t begin_ = 0;
};

}  // namespace vx
