#pragma once
// The dial plan: decides after each keyed digit whether the dialled text is a complete
// number. A map is one element ("9XXXXXXX.T") or a list of them ("(XXXX|9XXXXXXX.T)").
// Not locked: the user agent sets and matches it under its own lock.
#include <bitset>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

class VXDigitMap {
 public:
  // Results of match.
  static constexpr long kFullMatch = 0;      // a complete number
  static constexpr long kPartialMatch = -1;  // more digits may complete it
  static constexpr long kTimeOutMatch = -2;  // only the time-out symbol T completes it
  static constexpr long kNoMatch = 1;

  // Stores a changed text of storable length in the DigitMap parameter (an invalid map too),
  // then parses it. An empty text makes the map inactive and is valid.
  bool set(std::string_view text);
  // The map's text while it is active, else empty.
  std::string get() const;
  // kNoMatch while the map is inactive.
  long match(std::string_view dialled) const;

  // Parses without storing; the map is active when the result is true.
  bool parse(std::string_view text);

 private:
  // The symbols a position may accept: digits, '#', '*', 'A' to 'D' and the time-out 'T'.
  static constexpr std::string_view kAlphabet = "0123456789#*ABCDT";
  using Position = std::bitset<kAlphabet.size()>;

  struct Element {
    std::string text;
    std::vector<Position> positions;
    long repeated = -1;  // index of the position marked with '.', or -1
  };

  static bool parseElement(std::string_view text, Element& element);
  static long matchElement(std::string_view dialled, const Element& element);
  static long compare(std::string_view dialled, const Element& element, std::size_t copies);

  std::string text_;
  std::vector<Element> elements_;
  bool active_ = false;
};

}  // namespace vx
